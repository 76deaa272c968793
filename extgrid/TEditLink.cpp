#include "extgrid/TEditLink.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace zorbit {

TEditLink::TEditLink(plat::TComponent* AOwner) : plat::TComponent(AOwner) {}

TEditLink::~TEditLink() { RestoreWindowProc(); }

void TEditLink::SetGrid(TExtStringGrid* Value) { FGrid = Value; }

bool TEditLink::EndsEdit(std::uint16_t Key) const {
  switch (Key) {
    case plat::VK_TAB: return true;
    case plat::VK_RETURN: return !FWantKeyReturn;
    case plat::VK_ESCAPE: return !FWantKeyEscape;
    case plat::VK_PRIOR:
    case plat::VK_NEXT: return !FWantKeyPriorNext;
    case plat::VK_END: return !FWantKeyHomeEnd;
    case plat::VK_UP:
    case plat::VK_DOWN: return !FWantKeyUpDown;
    case plat::VK_LEFT:
    case plat::VK_RIGHT: return !FWantKeyLeftRight;
    default: return false;
  }
}

void TEditLink::HandleEditKey(plat::TObject*, std::uint16_t& Key, plat::TShiftState) {
  if (!FGrid || !EndsEdit(Key)) return;
  if (Key == plat::VK_ESCAPE) WriteEditorValue(FSavedText);
  {
    FForcedExit = true;
    const plat::ScopeExit cleared([this] { FForcedExit = false; });
    if (FGrid->CanFocus()) FGrid->SetFocus();
  }
  EndEdit();
  // Writing the value runs the grid's handlers, which may free it.
  if (!FGrid) return;
  FGrid->SetCol(FGrid->Col());
  FGrid->SetRow(FGrid->Row());
  // The grid's key handling moves on (Return advances, the arrows move).
  FGrid->Perform(plat::WM_KEYDOWN, Key, 0);
}

void TEditLink::EndEdit() {
  if (FGrid) {
    plat::String value;
    ReadEditorValue(value);
    FGrid->EditorTextToCell(FGrid->Col(), FGrid->Row(), value);
  }
  RestoreWindowProc();
  ShowEditorControl(false);
  // A popup editor's control sits on a form of its own, which goes too.
  if (FEditStyle == TEditStyle::esPopup)
    if (plat::TWinControl* control = EditControl())
      if (plat::TCustomForm* form = plat::GetParentForm(control)) form->Hide();
}

void TEditLink::RestoreWindowProc() {
  if (!FRouted) return;
  FRouted->WindowProc = FSavedWindowProc;
  FRouted.Reset();
  FSavedWindowProc = nullptr;
}

void TEditLink::ActivateEditor(bool Value) {
  plat::TWinControl* control = EditControl();
  if (Value && control) {
    control->SetVisible(true);
    control->SetEnabled(true);
    if (FRouted != control) {
      RestoreWindowProc();
      FRouted = control;
      FSavedWindowProc = control->WindowProc;
      control->WindowProc = [this, control](plat::TMessage& Message) {
        // Ending the edit replaces this very procedure: only locals are
        // used once the key is handled.
        TEditLink* const link = this;
        plat::TWinControl* const routed = control;
        if (Message.Msg == plat::WM_KEYDOWN) {
          auto key = static_cast<std::uint16_t>(Message.WParam);
          link->HandleEditKey(routed, key, plat::KeyboardStateToShiftState());
          if (link->FRouted != routed) return;  // the edit ended
        }
        link->FSavedWindowProc(Message);
      };
    }
    if (control->CanFocus()) control->SetFocus();
  } else if (FGrid && FGrid->CanFocus()) {
    FGrid->SetFocus();
  }
}

void TEditLink::PlaceEditor(const plat::TRect& Rect) {
  plat::TWinControl* control = EditControl();
  if (!control || !control->HandleAllocated()) return;
  const int line = FGrid ? FGrid->GridLineWidth() : 0;
  plat::SetWindowPos(control->Handle(), nullptr, Rect.Left, Rect.Top, Rect.Width() - line, Rect.Height() - line,
                     plat::SWP_NOZORDER);
}

void TEditLink::ShowEditorControl(bool Value) {
  if (plat::TWinControl* control = EditControl()) control->SetVisible(Value);
}

}  // namespace zorbit
