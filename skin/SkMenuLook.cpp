#include "skin/SkMenuLook.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TextConstants.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/SysLocale.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/win/WindowDC.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinMenuDrawing.h"
#include "skin/detail/ThemeSource.h"

namespace zorbit {

namespace {

constexpr plat::TColor DisabledTextColor = 0x808080;
constexpr int MacItemHeight = 20;
constexpr int MacSeparatorHeight = 12;
constexpr int CheckSize = 16;

// The check mark (white see-through) and its grey ($808080) copy for
// disabled items, made once.
struct TCheckMarks {
  plat::TBitmap Normal;
  plat::TBitmap Grey;
  TCheckMarks() {
    if (!LoadSkinPicture("MENU_CHECKED", Normal)) Normal.SetSize(CheckSize, CheckSize);
    Grey.Assign(Normal);
    for (int y = 0; y < Grey.Height(); ++y)
      for (int x = 0; x < Grey.Width(); ++x)
        if (Grey.Canvas()->Pixels(x, y) != plat::clWhite) Grey.Canvas()->SetPixels(x, y, DisabledTextColor);
    for (plat::TBitmap* mark : {&Normal, &Grey}) {
      mark->SetTransparentColor(plat::clWhite);
      mark->SetTransparent(true);
    }
  }
};

plat::TBitmap& CheckMark(bool Enabled) {
  static TCheckMarks marks;
  return Enabled ? marks.Normal : marks.Grey;
}

}  // namespace

template <typename TMenuBase>
TskSkinnedMenu<TMenuBase>::TskSkinnedMenu(plat::TComponent* AOwner) : TMenuBase(AOwner) {
  FBarWidth = 0;
  HookItems();
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  const TskThemeSource source(FFileTheme, Value);
  const bool mac = !source.FromFile() && source.Style() == TskUIStyle::MacOS;
  FBarColor = source.Color(element::MenuBarColor);
  FColor = source.Color(element::MenuBackgroundColor);
  FSelectedBorderColor = source.Color(element::MenuSelectedBorderColor);
  FSelectedColor = source.Color(element::MenuSelectedBackgroundColor);
  FSelectedFontColor = source.Color(element::MenuSelectedFontColor);
  FFontColor = source.Color(element::MenuFontColor);
  FSeparatorColor = mac ? 0x000000 : 0x848284;
  FMenuItemHeight = mac ? MacItemHeight : 21;
  FSeparatorHeight = mac ? MacSeparatorHeight : 5;
  FBarWidth = 26;
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::SetFileTheme(TskFileTheme* Value) {
  if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
  FFileTheme = Value;
  if (Value) Value->FreeNotification(this);
  SetUIStyle(FUIStyle);
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::ItemFont(plat::TFont& Font) const {
  if (FUseSystemFont) {
    GetMenuFont(Font);
    return;
  }
  Font.SetName(FFontName);
  Font.SetSize(FFontSize);
  Font.SetCharset(FFontCharset);
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::Loaded() {
  TMenuBase::Loaded();
  HookItems();
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::MenuChanged(plat::TObject* Sender, plat::TMenuItem* Source, bool Rebuild) {
  // Items added since the last change get the handlers too.
  if (Rebuild) HookItems();
  TMenuBase::MenuChanged(Sender, Source, Rebuild);
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  TMenuBase::Notification(AComponent, Operation);
  if (Operation == plat::TOperation::opRemove && AComponent == FFileTheme) {
    FFileTheme = nullptr;
    SetUIStyle(TskUIStyle::DeepBlue);
  }
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::HookItems() {
  SetMenuItemDrawHandlers(
      *this->Items(),
      [this](plat::TObject* Sender, plat::TCanvas* Canvas, int& Width, int& Height) {
        MeasureItem(Sender, Canvas, Width, Height);
      },
      [this](plat::TObject* Sender, plat::TCanvas* Canvas, plat::TRect Rect, bool Selected) {
        DrawItem(Sender, Canvas, Rect, Selected);
      });
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::MeasureItem(plat::TObject* Sender, plat::TCanvas* Canvas, int& Width, int& Height) {
  const auto* item = dynamic_cast<const plat::TMenuItem*>(Sender);
  if (!item || !Canvas) return;
  const bool mac = FUIStyle == TskUIStyle::MacOS;
  if (item->IsLine())
    Height = mac ? MacSeparatorHeight : FSeparatorHeight;
  else
    Height = mac ? MacItemHeight : FMenuItemHeight;
  plat::TFont font;
  ItemFont(font);
  Canvas->SetFont(font);
  Width =
      Canvas->TextWidth(item->Caption()) + Canvas->TextWidth(plat::ShortCutToText(item->ShortCut())) + FBarWidth + 40;
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::DrawItem(plat::TObject* Sender, plat::TCanvas* Canvas, plat::TRect Rect,
                                         bool Selected) {
  auto* item = dynamic_cast<plat::TMenuItem*>(Sender);
  if (!item || !Canvas) return;
  const bool mac = FUIStyle == TskUIStyle::MacOS;
  const bool leftToRight = !ReadsRightToLeft();
  if (FFlatMenu) {
    const TskThemeSource source(FFileTheme, FUIStyle);
    DrawMenuWindowFrame(plat::WindowFromDC(Canvas->Handle()), plat::clBlack,
                        source.Color(element::FormBackgroundColor));
  }
  // The side bar at the leading edge, the rest in the item colour.
  const auto plainBackground = [&] {
    FillRectColor(*Canvas, Rect, FColor);
    if (FBarWidth <= 0) return;
    const plat::TRect bar = leftToRight ? plat::TRect{Rect.Left, Rect.Top, Rect.Left + FBarWidth, Rect.Bottom}
                                        : plat::TRect{Rect.Right - FBarWidth, Rect.Top, Rect.Right, Rect.Bottom};
    FillRectColor(*Canvas, bar, FBarColor);
  };
  if (item->IsLine()) {
    if (mac) {
      DrawMacMenuBar(*Canvas, Rect);
    } else {
      plainBackground();
      DrawMenuSeparator(*Canvas, Rect, FSeparatorColor, leftToRight, FBarWidth);
    }
    return;
  }
  const bool selected = Selected && item->Enabled();
  if (selected && mac) {
    DrawMacMenuSelect(*Canvas, Rect);
  } else if (selected) {
    FillRectColor(*Canvas, Rect, FSelectedColor);
    FrameRectColor(*Canvas, Rect, FSelectedBorderColor);
  } else if (mac) {
    DrawMacMenuBarTall(*Canvas, Rect);
  } else {
    plainBackground();
  }

  plat::TFont font;
  ItemFont(font);
  font.SetColor(!item->Enabled() ? DisabledTextColor : selected ? FSelectedFontColor : FFontColor);
  if (item->Default()) font.SetStyle(font.Style() + plat::TFontStyles{plat::TFontStyle::fsBold});
  Canvas->SetFont(font);
  Canvas->Brush()->SetStyle(plat::TBrushStyle::bsClear);
  const plat::HDC dc = Canvas->Handle();
  plat::SetBkMode(dc, plat::TRANSPARENT);
  plat::SetTextColor(dc, plat::ColorToColorRef(font.Color()));
  const plat::String caption = item->Caption();
  plat::RECT captionRect = leftToRight ? plat::RECT{Rect.Left + FBarWidth + 4, Rect.Top + 4, Rect.Right, Rect.Bottom}
                                       : plat::RECT{Rect.Left, Rect.Top + 4, Rect.Right - FBarWidth - 4, Rect.Bottom};
  plat::DrawText(dc, caption.c_str(), -1, &captionRect, plat::DT_SINGLELINE | (leftToRight ? 0 : plat::DT_RIGHT));
  const plat::String shortCut = plat::ShortCutToText(item->ShortCut());
  if (!shortCut.empty()) {
    plat::RECT shortCutRect = leftToRight ? plat::RECT{Rect.Left, Rect.Top + 4, Rect.Right - 16, Rect.Bottom}
                                          : plat::RECT{Rect.Left + 16, Rect.Top + 4, Rect.Right, Rect.Bottom};
    plat::DrawText(dc, shortCut.c_str(), -1, &shortCutRect, plat::DT_SINGLELINE | (leftToRight ? plat::DT_RIGHT : 0));
  }

  const int x = leftToRight ? Rect.Left + 4 : Rect.Right - 20;
  const int y = Rect.Top + 3;
  plat::TImageList* images = ItemImages();
  const bool hasImage = images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
  if (item->Checked()) {
    if (hasImage) {
      FillRectColor(*Canvas, {x - 2, Rect.Top + 1, x + 17, Rect.Top + 20}, FSelectedColor);
      FrameRectColor(*Canvas, {x - 2, Rect.Top + 1, x + 17, Rect.Top + 20}, plat::clBlack);
    } else {
      DrawCheckMark(*Canvas, x, y, item->Enabled());
    }
  }
  if (hasImage) images->Draw(Canvas, x, y, item->ImageIndex(), item->Enabled());
}

template <typename TMenuBase>
bool TskSkinnedMenu<TMenuBase>::ReadsRightToLeft() const {
  const auto* control = dynamic_cast<const plat::TControl*>(this->Owner());
  return plat::SysLocale().MiddleEast && control && control->UseRightToLeftReading();
}

template <typename TMenuBase>
void TskSkinnedMenu<TMenuBase>::DrawCheckMark(plat::TCanvas& Canvas, int X, int Y, bool Enabled) const {
  Canvas.Draw(X, Y, &CheckMark(Enabled));
}

template class TskSkinnedMenu<plat::TPopupMenu>;
template class TskSkinnedMenu<plat::TMainMenu>;

}  // namespace zorbit
