#include "platform/ui/TMenuItem.h"

#include <algorithm>
#include <set>

#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPen.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMenu.h"
#include "platform/ui/TMenuActionLink.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/Menus.h"

namespace plat {

namespace {

// Command numbers in use: WM_COMMAND carries 16 bits of them.
class TCommandPool {
 public:
  Word Take() {
    for (int tries = 0; tries < 0xFFFF; ++tries) {
      FNext = FNext == 0xFFFF ? 1 : FNext + 1;
      if (FUsed.insert(FNext).second) return FNext;
    }
    throw EMenuError(LoadResString(SMenuTooMany));
  }
  void Give(Word Command) { FUsed.erase(Command); }

 private:
  Word FNext = 0;
  std::set<Word> FUsed;
};

TCommandPool& Commands() {
  static TCommandPool pool;
  return pool;
}

// Sizes of the standard drawing of an owner-drawn item.
constexpr int kGlyphWidth = 16;
constexpr int kTextMargin = 6;
constexpr int kShortCutGap = 16;
constexpr int kLineHeight = 8;

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(Commands().Take()) {}

TMenuItem::~TMenuItem() {
  Destroying();
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) delete FItems.back();
  FActionLink.reset();
  DestroyHandle();
  Commands().Give(FCommand);
}

// Properties.

void TMenuItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  MenuChanged(true);
}

void TMenuItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (Value && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value) {
  if (FRadioItem == Value) return;
  FRadioItem = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::SetGroupIndex(Byte Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(true);
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* sibling : FParent->FItems) {
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->SetChecked(false);
  }
}

void TMenuItem::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  MenuChanged(true);
}

void TMenuItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  MenuChanged(true);
}

void TMenuItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  MenuChanged(true);
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

void TMenuItem::SetBitmap(const TBitmap* Value) {
  if (Value)
    Bitmap()->Assign(*Value);
  else
    FBitmap.reset();
  MenuChanged(true);
}

void TMenuItem::SetBreak(TMenuBreak Value) {
  if (FBreak == Value) return;
  FBreak = Value;
  MenuChanged(true);
}

// Actions.

TBasicAction* TMenuItem::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* Value) {
  if (Action() == Value) return;
  if (!Value) {
    FActionLink.reset();
    return;
  }
  if (!FActionLink) FActionLink = std::make_unique<TMenuActionLink>(this);
  FActionLink->SetAction(Value);
  ActionChange(Value, ComponentState().Contains(TComponentStateItem::csLoading));
  Value->FreeNotification(this);
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || FCaption.empty()) SetCaption(action->Caption());
  if (!CheckDefaults || FEnabled) SetEnabled(action->Enabled());
  if (!CheckDefaults || !FChecked) SetChecked(action->Checked());
  if (!CheckDefaults || FVisible) SetVisible(action->Visible());
  if (!CheckDefaults || FShortCut == scNone) SetShortCut(action->ShortCut());
  if (!CheckDefaults || FHint.empty()) SetHint(action->Hint());
  if (!CheckDefaults || FImageIndex == -1) SetImageIndex(action->ImageIndex());
}

void TMenuItem::InitiateAction() {
  if (FActionLink && FActionLink->Action()) FActionLink->Action()->Update();
}

void TMenuItem::InitiateActions() {
  // An update may change the tree: walk a copy, skipping items that left it.
  const std::vector<TMenuItem*> items = FItems;
  for (TMenuItem* item : items) {
    if (std::find(FItems.begin(), FItems.end(), item) == FItems.end()) continue;
    item->InitiateAction();
    item->InitiateActions();
  }
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(FRadioItem || !FChecked);
  if (FActionLink && FActionLink->Action())
    FActionLink->Execute(this);
  else if (OnClick)
    OnClick(this);
}

// The tree.

TMenuItem* TMenuItem::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EMenuError(LoadResString(SMenuIndexError));
  return FItems[Index];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) return;
  bool ownAncestor = false;
  for (const TMenuItem* up = this; up; up = up->FParent) ownAncestor = ownAncestor || up == Item;
  if (Item->FParent || ownAncestor) throw EMenuError(LoadResString(SMenuReinserted));
  if (Index < 0 || Index > Count()) throw EMenuError(LoadResString(SMenuIndexError));
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  if (Item->FChecked && Item->FRadioItem) Item->TurnSiblingsOff();
  SubItemChanged(Item, true);
}

void TMenuItem::Delete(int Index) { delete Items(Index); }

void TMenuItem::Remove(TMenuItem* Item) {
  const int index = IndexOf(Item);
  if (index < 0) throw EMenuError(LoadResString(SMenuNotFound));
  FItems.erase(FItems.begin() + index);
  Item->FParent = nullptr;
  // Its popup may hang in this one's: the entries are rebuilt.
  SubItemChanged(Item, true);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const {
  const String wanted = StripHotkey(ACaption);
  for (TMenuItem* item : FItems) {
    if (AnsiSameText(StripHotkey(item->FCaption), wanted)) return item;
  }
  return nullptr;
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int Value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  const int index = std::clamp(Value, 0, parent->Count() - 1);
  if (index == MenuIndex()) return;
  parent->Remove(this);
  parent->Insert(index, this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(Value))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value))
    item->Add(this);
}

// Changes.

void TMenuItem::MenuChanged(bool Rebuild) {
  if (FParent) FParent->SubItemChanged(this, Rebuild);
}

void TMenuItem::SubItemChanged(TMenuItem* Source, bool Rebuild) {
  FHandleStale = true;
  if (FParent) {
    FParent->SubItemChanged(Source, Rebuild);
  } else if (FMenu) {
    FMenu->MenuChanged(FMenu, Source, Rebuild);
  }
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && FActionLink && AComponent == FActionLink->Action()) SetAction(nullptr);
}

void TMenuItem::Loaded() {
  TComponent::Loaded();
  if (FActionLink && FActionLink->Action()) ActionChange(FActionLink->Action(), true);
}

// The window layer's popup.

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    FHandle = !FParent && FMenu ? FMenu->CreateMenuHandle() : CreatePopupMenu();
    FHandleStale = true;
  }
  if (FHandleStale) RebuildHandle();
  return FHandle;
}

void TMenuItem::MarkHandlesStale() {
  FHandleStale = true;
  for (TMenuItem* item : FItems) item->MarkHandlesStale();
}

void TMenuItem::DestroyHandle() {
  if (!FHandle) return;
  // Sub-menus belong to their own items: detach them before the menu goes.
  while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
  DestroyMenu(FHandle);
  FHandle = nullptr;
}

String TMenuItem::EntryText() const {
  const String shortCut = ShortCutToText(FShortCut);
  return shortCut.empty() ? FCaption : FCaption + "\t" + shortCut;
}

void TMenuItem::RebuildHandle() {
  FHandleStale = false;
  const TMenu* menu = GetParentMenu();
  const bool ownerDraw = menu && menu->OwnerDraw();
  const bool reduceLines = !menu || menu->AutoLineReduction() == TMenuAutoFlag::maAutomatic;
  if (menu && menu->AutoHotkeys() == TMenuAutoFlag::maAutomatic) {
    // Directly, not through SetCaption: giving mnemonics is no change of the tree.
    std::vector<String> captions;
    std::vector<bool> skip;
    for (const TMenuItem* item : FItems) {
      captions.push_back(item->FCaption);
      skip.push_back(item->IsLine() || !item->FVisible);
    }
    AssignHotkeys(captions, skip);
    for (std::size_t i = 0; i < FItems.size(); ++i) FItems[i]->FCaption = captions[i];
  }

  while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
  std::vector<TMenuItem*> shown;
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    // Lines at the start, after another line, and at the end are left out.
    if (reduceLines && item->IsLine() && (shown.empty() || shown.back()->IsLine())) continue;
    shown.push_back(item);
  }
  if (reduceLines && !shown.empty() && shown.back()->IsLine()) shown.pop_back();

  UINT position = 0;
  for (TMenuItem* item : shown) {
    const String text = item->EntryText();
    MENUITEMINFOA info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    info.fType = item->IsLine() ? MFT_SEPARATOR : MFT_STRING;
    if (ownerDraw) info.fType |= MFT_OWNERDRAW;
    if (item->FRadioItem) info.fType |= MFT_RADIOCHECK;
    if (item->FBreak == TMenuBreak::mbBreak) info.fType |= MFT_MENUBREAK;
    if (item->FBreak == TMenuBreak::mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    info.fState = (item->FEnabled ? MFS_ENABLED : MFS_GRAYED) | (item->FChecked ? MFS_CHECKED : MFS_UNCHECKED) |
                  (item->FDefault ? MFS_DEFAULT : 0);
    info.wID = item->FCommand;
    info.hSubMenu = item->FItems.empty() ? nullptr : item->Handle();
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    info.dwTypeData = const_cast<char*>(text.c_str());
    info.cch = static_cast<UINT>(text.size());
    InsertMenuItemA(FHandle, position++, true, &info);
  }
}

// Owner drawing.

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  if (OnMeasureItem) {
    OnMeasureItem(this, ACanvas, Width, Height);
    return;
  }
  if (IsLine()) {
    Height = kLineHeight;
    return;
  }
  const TMenu* menu = GetParentMenu();
  const TImageList* images = menu ? menu->Images() : nullptr;
  const int glyph = images ? std::max(images->Width(), kGlyphWidth) : kGlyphWidth;
  const String shortCut = ShortCutToText(FShortCut);
  Width = kTextMargin + glyph + kTextMargin + ACanvas->TextWidth(StripHotkey(FCaption)) + kTextMargin;
  if (!shortCut.empty()) Width += kShortCutGap + ACanvas->TextWidth(shortCut);
  Height = std::max(ACanvas->TextHeight("Wg") + 6, (images ? images->Height() : kGlyphWidth) + 4);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(this, ACanvas, ARect, State);
  } else if (OnDrawItem) {
    OnDrawItem(this, ACanvas, ARect, State.Contains(TOwnerDrawStateItem::odSelected));
  } else {
    DrawDefault(ACanvas, ARect, State, TopLevel);
  }
}

void TMenuItem::DrawDefault(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel) {
  const bool selected = State.Contains(TOwnerDrawStateItem::odSelected);
  const bool enabled = FEnabled && !State.Contains(TOwnerDrawStateItem::odDisabled);
  const TColor textColor = !enabled ? clGrayText : selected ? clHighlightText : clMenuText;
  ACanvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  if (IsLine()) {
    RECT line{ARect.Left, ARect.Top + ARect.Height() / 2 - 1, ARect.Right, ARect.Top + ARect.Height() / 2 + 1};
    DrawEdge(ACanvas->Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const TMenu* menu = GetParentMenu();
  TImageList* images = menu ? menu->Images() : nullptr;
  const int glyph = TopLevel ? 0 : (images ? std::max(images->Width(), kGlyphWidth) : kGlyphWidth);
  const int glyphLeft = ARect.Left + kTextMargin;
  const int middle = ARect.Top + ARect.Height() / 2;
  if (!TopLevel) {
    if (images && FImageIndex >= 0 && FImageIndex < images->Count()) {
      images->Draw(ACanvas, glyphLeft, middle - images->Height() / 2, FImageIndex, enabled);
    } else if (FBitmap && !FBitmap->Empty()) {
      ACanvas->Draw(glyphLeft, middle - FBitmap->Height() / 2, FBitmap.get());
    } else if (FChecked) {
      ACanvas->Pen()->SetColor(textColor);
      ACanvas->Brush()->SetColor(textColor);
      if (FRadioItem) {
        ACanvas->Ellipse(glyphLeft + 5, middle - 3, glyphLeft + 11, middle + 3);
      } else {
        // A tick two pixels thick.
        for (int dy = 0; dy < 2; ++dy) {
          const TPoint tick[] = {
              {glyphLeft + 4, middle - 1 + dy}, {glyphLeft + 6, middle + 1 + dy}, {glyphLeft + 11, middle - 4 + dy}};
          ACanvas->Polyline(tick);
        }
      }
    }
  }
  ACanvas->Brush()->SetStyle(TBrushStyle::bsClear);
  ACanvas->Font()->SetColor(textColor);
  TFontStyles style = ACanvas->Font()->Style();
  if (FDefault) style.Include(TFontStyle::fsBold);
  ACanvas->Font()->SetStyle(style);
  const String caption = StripHotkey(FCaption);
  const int textTop = middle - ACanvas->TextHeight(caption) / 2;
  ACanvas->TextOut(glyphLeft + glyph + (TopLevel ? 0 : kTextMargin), textTop, caption);
  const String shortCut = ShortCutToText(FShortCut);
  if (!shortCut.empty()) ACanvas->TextOut(ARect.Right - kTextMargin - ACanvas->TextWidth(shortCut), textTop, shortCut);
}

}  // namespace plat
