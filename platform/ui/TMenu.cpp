#include "platform/ui/TMenu.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THintWindow.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/win/Menus.h"

namespace plat {

namespace {

// The item of a tree with Value, searching the sub-items of From.
template <typename Match>
TMenuItem* FindIn(TMenuItem* From, const Match& Matches) {
  for (int i = 0; i < From->Count(); ++i) {
    TMenuItem* item = From->Items(i);
    if (Matches(item)) return item;
    if (TMenuItem* found = FindIn(item, Matches)) return found;
  }
  return nullptr;
}

// The first enabled and visible item with the shortcut, below enabled and
// visible parents only.
TMenuItem* FindShortCut(TMenuItem* From, TShortCut Value) {
  for (int i = 0; i < From->Count(); ++i) {
    TMenuItem* item = From->Items(i);
    if (!item->Enabled() || !item->Visible()) continue;
    if (item->ShortCut() == Value) return item;
    if (TMenuItem* found = FindShortCut(item, Value)) return found;
  }
  return nullptr;
}

// The canvas owner-drawn items measure and draw on: the menu font.
void PrepareCanvas(TCanvas& Canvas) {
  if (Screen) Canvas.SetFont(*Screen->MenuFont());
}

}  // namespace

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
  FImageChangeLink.OnChange = [this](TObject* Sender) { ImageListChange(Sender); };
}

TMenu::~TMenu() {
  Destroying();
  FItems.reset();
}

HMENU TMenu::Handle() { return FItems->Handle(); }

bool TMenu::HandleAllocated() const { return FItems->HandleAllocated(); }

void TMenu::SetImages(TImageList* Value) {
  if (FImages == Value) return;
  if (FImages) {
    FImages->UnRegisterChanges(&FImageChangeLink);
    FImages->RemoveFreeNotification(this);
  }
  FImages = Value;
  if (Value) {
    Value->RegisterChanges(&FImageChangeLink);
    Value->FreeNotification(this);
  }
  ImageListChange(Value);
}

void TMenu::ImageListChange(TObject*) {
  // Owner-drawn sizes depend on the pictures: every entry is made again.
  FItems->MarkHandlesStale();
  MenuChanged(this, nullptr, true);
}

void TMenu::SetOwnerDraw(bool Value) {
  if (FOwnerDraw == Value) return;
  FOwnerDraw = Value;
  FItems->MarkHandlesStale();
  MenuChanged(this, nullptr, true);
}

void TMenu::SetAutoHotkeys(TMenuAutoFlag Value) {
  if (FAutoHotkeys == Value) return;
  FAutoHotkeys = Value;
  FItems->MarkHandlesStale();
  MenuChanged(this, nullptr, true);
}

void TMenu::SetAutoLineReduction(TMenuAutoFlag Value) {
  if (FAutoLineReduction == Value) return;
  FAutoLineReduction = Value;
  FItems->MarkHandlesStale();
  MenuChanged(this, nullptr, true);
}

void TMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
  const TComponentState state = ComponentState();
  if (state.Contains(TComponentStateItem::csDestroying) || state.Contains(TComponentStateItem::csLoading)) return;
  if (OnChange) OnChange(Sender, Source, Rebuild);
}

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged(this, nullptr, true);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  // The list is half gone: its links are already let go, nothing of it is called.
  if (Operation == TOperation::opRemove && AComponent == FImages) {
    FImages = nullptr;
    ImageListChange(nullptr);
  }
}

// Finding and dispatching.

TMenuItem* TMenu::FindItem(UINT_PTR Value, TFindItemKind Kind) const {
  switch (Kind) {
    case TFindItemKind::fkCommand:
      return FindIn(FItems.get(), [Value](const TMenuItem* item) { return item->Command() == Value; });
    case TFindItemKind::fkShortCut:
      return FindIn(FItems.get(), [Value](const TMenuItem* item) { return item->ShortCut() == Value; });
    case TFindItemKind::fkHandle: return FindPopup(reinterpret_cast<HMENU>(Value));
  }
  return nullptr;
}

TMenuItem* TMenu::FindPopup(HMENU AHandle) const {
  if (!AHandle) return nullptr;
  if (FItems->FHandle == AHandle) return FItems.get();
  return FindIn(FItems.get(), [AHandle](const TMenuItem* item) { return item->FHandle == AHandle; });
}

void TMenu::RethinkHotkeys() {
  FItems->MarkHandlesStale();
  Handle();
}

void TMenu::UpdateItems() { FItems->InitiateActions(); }

bool TMenu::IsShortCut(TWMKey& Message) {
  const TKeyMessage key = TKeyMessage::From(Message.Msg, Message.CharCode, Message.KeyData);
  const TShortCut value = ShortCut(key.Key, ShiftStateOf(key));
  if (value == scNone) return false;
  UpdateItems();
  TMenuItem* item = FindShortCut(FItems.get(), value);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchCommand(Word ACommand) {
  TMenuItem* item = FindItem(ACommand, TFindItemKind::fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU AHandle) {
  TMenuItem* item = FindPopup(AHandle);
  if (!item) return false;
  if (item != FItems.get()) item->Click();
  item->InitiateActions();
  item->Handle();
  return true;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& Measure) {
  if (Measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItem(Measure.itemID, TFindItemKind::fkCommand);
  if (!item) return false;
  const HDC dc = CreateCompatibleDC(nullptr);
  const ScopeExit freeDC([dc] { DeleteDC(dc); });
  TCanvas canvas;
  canvas.SetHandle(dc);
  PrepareCanvas(canvas);
  int width = static_cast<int>(Measure.itemWidth);
  int height = static_cast<int>(Measure.itemHeight);
  item->MeasureItem(&canvas, width, height);
  Measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  Measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool TMenu::DrawItem(const DRAWITEMSTRUCT& Draw) {
  if (Draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItem(Draw.itemID, TFindItemKind::fkCommand);
  if (!item) return false;
  const DCStateSaver saved(Draw.hDC);
  TCanvas canvas;
  canvas.SetHandle(Draw.hDC);
  PrepareCanvas(canvas);
  const bool topLevel = item->Parent() == FItems.get() && dynamic_cast<const TMainMenu*>(this);
  item->AdvancedDrawItem(&canvas, Draw.rcItem, OwnerDrawStateOf(Draw.itemState), topLevel);
  return true;
}

bool TMenu::MenuChar(TMessage& Message) {
  const HMENU menu = reinterpret_cast<HMENU>(Message.LParam);
  if (!FindPopup(menu)) return false;
  const char32_t wanted = UnicodeUpper(static_cast<char32_t>(LOWORD(Message.WParam)));
  // Entries by position, as the window layer lists them (hidden items and
  // reduced lines are not among them).
  std::vector<Word> matches;
  int selected = -1;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const UINT id = GetMenuItemID(menu, position);
    if (menu == FSelectedMenu &&
        (FSelectedIsPopup ? static_cast<UINT>(position) == FSelectedEntry : id == FSelectedEntry))
      selected = position;
    const TMenuItem* item =
        id == static_cast<UINT>(-1) ? FindPopup(GetSubMenu(menu, position)) : FindItem(id, TFindItemKind::fkCommand);
    if (item && GetHotkey(item->Caption()) == wanted) matches.push_back(static_cast<Word>(position));
  }
  if (matches.empty()) {
    Message.Result = MAKELRESULT(0, MNC_IGNORE);  // the layer's default
  } else if (matches.size() == 1) {
    Message.Result = MAKELRESULT(matches.front(), MNC_EXECUTE);
  } else {
    // Several share the letter: each press selects the next after the selection.
    const auto next = std::find_if(matches.begin(), matches.end(), [selected](Word m) { return m > selected; });
    Message.Result = MAKELRESULT(next == matches.end() ? matches.front() : *next, MNC_SELECT);
  }
  return true;
}

bool TMenu::DispatchMenuMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
      // Menus send 0 in the high word and no control.
      if (HIWORD(Message.WParam) != 0 || Message.LParam != 0) return false;
      if (!DispatchCommand(LOWORD(Message.WParam))) return false;
      Message.Result = 0;
      return true;
    case WM_INITMENUPOPUP:
      if (!DispatchPopup(reinterpret_cast<HMENU>(Message.WParam))) return false;
      // A popup opens with nothing highlighted in it.
      if (FSelectedMenu == reinterpret_cast<HMENU>(Message.WParam)) FSelectedMenu = nullptr;
      Message.Result = 0;
      return true;
    case WM_MENUSELECT: {
      // The highlighted item's hint becomes the application's (a status
      // bar shows it); a closing menu (no menu) clears it.
      const HMENU menu = reinterpret_cast<HMENU>(Message.LParam);
      if (menu && !FindPopup(menu)) return false;
      const UINT flags = HIWORD(Message.WParam);
      const UINT id = LOWORD(Message.WParam);
      TMenuItem* item = nullptr;
      if (menu) {
        item = (flags & MF_POPUP) ? FindPopup(GetSubMenu(menu, static_cast<int>(id)))
                                  : FindItem(id, TFindItemKind::fkCommand);
      }
      if (Application) Application->SetHint(item ? GetLongHint(item->Hint()) : String());
      FSelectedMenu = menu;
      FSelectedEntry = id;
      FSelectedIsPopup = (flags & MF_POPUP) != 0;
      Message.Result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      if (!measure || !MeasureItem(*measure)) return false;
      Message.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      if (!draw || !DrawItem(*draw)) return false;
      Message.Result = TRUE;
      return true;
    }
    case WM_MENUCHAR: return MenuChar(Message);
    default: return false;
  }
}

}  // namespace plat
