#include "app/ApplyStyle.h"

#include <functional>

#include "platform/gdi/TFont.h"
#include "platform/ui/TWinControl.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkEdit.h"
#include "skin/SkGroupBox.h"
#include "skin/SkImageButton.h"
#include "skin/SkListBox.h"
#include "skin/SkScrollBar.h"
#include "skin/SkTrackBar.h"

namespace zorbit {

namespace {

constexpr plat::TColor kEditBorder = 0x669100;
constexpr plat::TColor kListBoxBorder = 0x699001;
constexpr plat::TColor kGroupBoxBorder = 0xACA87F;
constexpr int kFocusMargin = 5;

// Visits every control below Parent: its controls in index order, each
// windowed one descended into after its own visit.
void Walk(plat::TWinControl* Parent, const std::function<void(plat::TControl*)>& Visit) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    plat::TControl* control = Parent->Controls(i);
    Visit(control);
    if (auto* windowed = dynamic_cast<plat::TWinControl*>(control)) Walk(windowed, Visit);
  }
}

template <typename T>
bool Theme(plat::TControl* Control, TskFileTheme* Theme) {
  auto* skinned = dynamic_cast<T*>(Control);
  if (skinned) skinned->SetFileTheme(Theme);
  return skinned != nullptr;
}

void StyleCheckBox(TskCheckBox* CheckBox, bool Enabled, plat::TColor TextColor) {
  CheckBox->SetEnabled(Enabled);
  CheckBox->Font()->SetColor(TextColor);
}

}  // namespace

void ApplyStyle(plat::TWinControl* Control) {
  if (!Control) return;
  Walk(Control, [](plat::TControl* control) {
    if (auto* edit = dynamic_cast<TskEdit*>(control)) {
      edit->SetBorderColor(kEditBorder);
    } else if (auto* listBox = dynamic_cast<TskListBox*>(control)) {
      listBox->SetBorderColor(kListBoxBorder);
    } else if (auto* button = dynamic_cast<TskCustomButton*>(control)) {
      button->SetFocusedRectMargin(kFocusMargin);
    } else if (auto* groupBox = dynamic_cast<TskGroupBox*>(control)) {
      groupBox->SetBorderColor(kGroupBoxBorder);
      groupBox->Font()->SetColor(plat::clBlack);
      groupBox->Font()->SetName("Arial Bold");
      groupBox->Font()->SetSize(9);
    }
  });
}

void GiveFileTheme(plat::TWinControl* Control, TskFileTheme* FileTheme) {
  Walk(Control, [FileTheme](plat::TControl* control) {
    Theme<TskButton>(control, FileTheme) || Theme<TskCheckBox>(control, FileTheme) ||
        Theme<TskEdit>(control, FileTheme) || Theme<TskListBox>(control, FileTheme) ||
        Theme<TskCustomGroupBox>(control, FileTheme) || Theme<TskTrackBar>(control, FileTheme) ||
        Theme<TskScrollBar>(control, FileTheme);
  });
}

void EnableStyledCheckBox(TskCheckBox* CheckBox) { StyleCheckBox(CheckBox, true, plat::clBlack); }

void DisableStyledCheckBox(TskCheckBox* CheckBox) { StyleCheckBox(CheckBox, false, plat::clGrayText); }

}  // namespace zorbit
