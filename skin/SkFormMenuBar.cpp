// The frame's menu bar: a tool bar of one button per top-level item of the
// frame's Menu, drawn in the menu's skin.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TextConstants.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TToolButton.h"
#include "skin/SkForm.h"
#include "skin/SkMainMenu.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinMenuDrawing.h"
#include "skin/detail/ThemeSource.h"

namespace zorbit {

namespace {

constexpr plat::TColor DisabledTextColor = 0x808080;

void StretchPicture(plat::TCanvas& Canvas, const char* Name, const plat::TRect& Rect) {
  plat::TBitmap picture;
  if (LoadSkinPicture(Name, picture)) Canvas.StretchDraw(Rect, &picture);
}

}  // namespace

TskMenuBar::TskMenuBar(plat::TComponent* AOwner, TskForm* Frame) : plat::TToolBar(AOwner), FFrame(Frame) {}

void TskForm::SetMenu(plat::TMainMenu* Value) {
  if (auto* previous = dynamic_cast<TskMainMenu*>(FMenu); previous && previous != Value) previous->SetFrame(nullptr);
  if (FMenu && FMenu != Value) FMenu->RemoveFreeNotification(this);
  FMenu = Value;
  if (!Value) {
    RemoveMenuBar();
    return;
  }
  Value->FreeNotification(this);
  if (auto* menu = dynamic_cast<TskMainMenu*>(Value)) menu->SetFrame(this);
  if (!FForm) return;
  if (!FMenuBar) {
    FMenuBar = new TskMenuBar(this, this);
    FMenuBar->SetFlat(true);
    FMenuBar->SetEdgeBorders({});
    FMenuBar->SetShowCaptions(true);
    FMenuBar->SetHeight(FMenuBarHeight);
    FMenuBar->SetButtonHeight(FMenuBarHeight);
    FMenuBar->SetColor(FMenuBarColor);
    FMenuBar->SetWrapable(true);
    FMenuBar->SetAutoSize(true);
    FMenuBar->OnCustomDraw = [this](plat::TToolBar* Sender, const plat::TRect& Rect, bool& DefaultDraw) {
      MenuBarDraw(Sender, Rect, DefaultDraw);
    };
    if (!ComponentState().Contains(plat::TComponentStateItem::csDesigning)) {
      FMenuBar->OnCustomDrawButton = [this](plat::TToolBar* Sender, plat::TToolButton* Button,
                                            plat::TCustomDrawState State,
                                            bool& DefaultDraw) { MenuButtonDraw(Sender, Button, State, DefaultDraw); };
    }
    FMenuBar->SetParent(this);
    FMenuBar->SetAlign(plat::TAlign::alTop);
    FMenuBar->SetTop(FTitleBar ? FTitleBar->Top() + FTitleBar->Height() : 0);
  }
  BuildMenuBar();
  MenuFontChanged();
  PaintBorder();
}

void TskForm::BuildMenuBar() {
  if (!FMenuBar || !FMenu) return;
  while (FMenuBar->ButtonCount() > 0) delete FMenuBar->Buttons(FMenuBar->ButtonCount() - 1);
  plat::TMenuItem* items = FMenu->Items();
  for (int i = 0; i < items->Count(); ++i) {
    auto* button = new plat::TToolButton(FMenuBar);
    button->SetGrouped(true);
    button->SetAutoSize(true);
    button->SetMenuItem(items->Items(i));
    button->SetLeft(FMenuBar->Width());  // after the ones before it
    button->SetParent(FMenuBar);
  }
  RefreshMenuBar();
}

void TskForm::RemoveMenuBar() {
  delete FMenuBar;
  FMenuBar = nullptr;
  PaintBorder();
}

void TskForm::RefreshMenuBar() {
  if (!FMenuBar || !FMenu) return;
  plat::TMenuItem* items = FMenu->Items();
  if (FMenuBar->ButtonCount() != items->Count()) {
    BuildMenuBar();
    return;
  }
  for (int i = 0; i < FMenuBar->ButtonCount(); ++i) {
    plat::TToolButton* button = FMenuBar->Buttons(i);
    button->SetCaption(items->Items(i)->Caption());
    button->SetEnabled(items->Items(i)->Enabled());
  }
  FMenuBar->Invalidate();
}

void TskForm::MenuFontChanged() {
  if (!FMenuBar || !FMenu) return;
  plat::TFont font;
  if (auto* menu = dynamic_cast<TskMainMenu*>(FMenu))
    menu->ItemFont(font);
  else
    GetMenuFont(font);
  FMenuBar->SetFont(&font);
}

void TskForm::SetMenuBarColor(plat::TColor Value) {
  FMenuBarColor = Value;
  if (FMenuBar) FMenuBar->SetColor(Value);
  PaintBorder();
}

void TskForm::SetMenuBarHeight(int Value) {
  FMenuBarHeight = Value;
  if (!FMenuBar) return;
  FMenuBar->SetHeight(Value);
  FMenuBar->SetButtonHeight(Value);
}

TskUIStyle TskForm::MenuStyle() const {
  const auto* menu = dynamic_cast<const TskMainMenu*>(FMenu);
  return menu ? menu->UIStyle() : FUIStyle;
}

TskFileTheme* TskForm::MenuTheme() const {
  const auto* menu = dynamic_cast<const TskMainMenu*>(FMenu);
  return menu ? menu->FileTheme() : FFileTheme;
}

void TskForm::MenuBarDraw(plat::TToolBar* Sender, const plat::TRect& Rect, bool&) {
  if (MenuStyle() == TskUIStyle::MacOS) StretchPicture(*Sender->Canvas(), "MACOS_MENU_BAR", Rect);
}

void TskForm::MenuButtonDraw(plat::TToolBar* Sender, plat::TToolButton* Button, plat::TCustomDrawState State,
                             bool& DefaultDraw) {
  DefaultDraw = false;
  plat::TCanvas& canvas = *Sender->Canvas();
  const TskThemeSource source(MenuTheme(), MenuStyle());
  const bool mac = !source.FromFile() && source.Style() == TskUIStyle::MacOS;
  const bool pressed = State.Contains(plat::TCustomDrawStateItem::cdsSelected);
  const bool hot = pressed || State.Contains(plat::TCustomDrawStateItem::cdsHot);
  plat::TRect rect = Button->BoundsRect();
  plat::TRect text = rect;
  plat::TColor color;
  if (hot && mac) {
    StretchPicture(canvas, "MACOS_MENU_SELECT", rect);
    color = source.Color(element::MenuSelectedFontColor);
  } else if (hot) {
    if (pressed) {
      rect.Right -= 2;
      text.Left += 2;
    }
    FillRectColor(canvas, rect, source.Color(element::MenuSelectedBackgroundColor));
    FrameRectColor(canvas, rect, source.Color(element::MenuSelectedBorderColor));
    text.Top += 2;
    color = source.Color(element::MenuSelectedFontColor);
  } else {
    text.Top += 2;
    const bool whiteText = source.FromFile() && source.Color(element::ControlFontColor) == 0x30000;
    color = whiteText ? plat::clWhite : source.Color(element::MenuFontColor);
    if (!Button->Enabled()) color = DisabledTextColor;
  }
  canvas.Font()->Assign(*Sender->Font());
  canvas.Font()->SetColor(color);
  canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  const plat::String caption = Button->Caption();
  plat::RECT area = text;
  plat::SetBkMode(canvas.Handle(), plat::TRANSPARENT);
  plat::SetTextColor(canvas.Handle(), plat::ColorToColorRef(color));
  plat::DrawText(canvas.Handle(), caption.c_str(), -1, &area, plat::DT_SINGLELINE | plat::DT_CENTER | plat::DT_VCENTER);
}

}  // namespace zorbit
