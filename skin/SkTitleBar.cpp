#include "skin/SkTitleBar.h"

#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TextConstants.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SysLocale.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/win/Icons.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "skin/SkForm.h"
#include "skin/SkFormConsts.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/SkinGeometry.h"
#include "skin/detail/CaptionFit.h"
#include "skin/detail/FrameLimits.h"
#include "skin/detail/ThemeSource.h"

namespace zorbit {

namespace {

constexpr int ButtonFrames = 18;
constexpr int RightToLeftMenuShift = 176;

// The first of a kind's three frames in the button strip (1-based).
int FirstFrame(TskTitleBarBtnType Type, bool Maximized) {
  switch (Type) {
    case TskTitleBarBtnType::skControlBox: return 1;
    case TskTitleBarBtnType::skHelp: return 4;
    case TskTitleBarBtnType::skMax: return Maximized ? 10 : 7;
    case TskTitleBarBtnType::skMin: return 13;
    case TskTitleBarBtnType::skClose: return 16;
    case TskTitleBarBtnType::skCustom: break;
  }
  return 0;
}

void Refuse(const plat::TResStringRec& Text) {
  plat::MessageDlg(plat::LoadResString(Text), plat::TMsgDlgType::mtError, {plat::TMsgDlgBtn::mbOK}, 0);
}

// Whether another item of Item's collection is as Test asks.
template <typename TItem, typename TTest>
bool AnotherItem(const TItem& Item, TTest Test) {
  const plat::TCollection* collection = Item.Collection();
  for (int i = 0; collection && i < collection->Count(); ++i) {
    const auto* other = static_cast<const TItem*>(collection->Items(i));
    if (other != &Item && Test(*other)) return true;
  }
  return false;
}

}  // namespace

// Buttons.

TskTitleBarButton::TskTitleBarButton(plat::TCollection* Collection) : plat::TCollectionItem(Collection) {}

TskTitleBarButton::~TskTitleBarButton() = default;

TskTitleBar* TskTitleBarButton::Bar() const {
  const auto* buttons = dynamic_cast<const TskTitleBarButtons*>(Collection());
  return buttons ? dynamic_cast<TskTitleBar*>(buttons->GetOwner()) : nullptr;
}

void TskTitleBarButton::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  LoadPictures();
  Changed(false);
}

void TskTitleBarButton::SetButtonType(TskTitleBarBtnType Value) {
  if (Value == TskTitleBarBtnType::skControlBox && AnotherItem(*this, [](const TskTitleBarButton& Other) {
        return Other.FButtonType == TskTitleBarBtnType::skControlBox;
      })) {
    Refuse(SskOneControlBox);
    return;
  }
  FButtonType = Value;
  LoadPictures();
  Changed(false);
}

void TskTitleBarButton::SetTransparent(bool Value) {
  FTransparent = Value;
  Changed(false);
}

void TskTitleBarButton::SetTop(int Value) {
  FTop = Value;
  Changed(false);
}

void TskTitleBarButton::SetControlBoxMenu(plat::TPopupMenu* Value) {
  FControlBoxMenu = Value;
  Changed(false);
}

void TskTitleBarButton::SetVisible(bool Value) {
  FVisible = Value;
  Changed(false);
}

void TskTitleBarButton::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TskTitleBarButton*>(Source);
  if (!source) {
    plat::TCollectionItem::Assign(Source);
    return;
  }
  FUIStyle = source->FUIStyle;
  FButtonType = source->FButtonType;
  FTransparent = source->FTransparent;
  FTop = source->FTop;
  FControlBoxMenu = source->FControlBoxMenu;
  FVisible = source->FVisible;
  FPicNormal.Assign(source->FPicNormal);
  FPicMouseOn.Assign(source->FPicMouseOn);
  FPicMouseDown.Assign(source->FPicMouseDown);
  Changed(false);
}

void TskTitleBarButton::LoadPictures() {
  if (FButtonType == TskTitleBarBtnType::skCustom) return;
  TskTitleBar* bar = Bar();
  const TskThemeSource source(bar ? bar->FileTheme() : nullptr, FUIStyle);
  const bool maximized = bar && !bar->Custom() && bar->IsMaximized();
  const int first = FirstFrame(FButtonType, maximized);
  FTransparent = source.Bool(element::TitleBarButtonTransparentBool);
  plat::TPicture* pictures[] = {&FPicNormal, &FPicMouseOn, &FPicMouseDown};
  for (int i = 0; i < 3; ++i) {
    plat::TBitmap frame;
    source.BitmapFrame(element::TitleBarButtonImage, frame, ButtonFrames, first + i);
    pictures[i]->SetGraphic(&frame);
  }
  FTop = source.Int(element::TitleBarButtonTopInt);
}

TskTitleBarButtons::TskTitleBarButtons(TskTitleBar* Bar)
    : plat::TOwnedCollection(Bar, plat::CollectionItemClass<TskTitleBarButton>()) {}

void TskTitleBarButtons::Update(plat::TCollectionItem*) {
  if (auto* bar = dynamic_cast<TskTitleBar*>(GetOwner())) bar->Invalidate();
}

// Sections.

TskTitleBarSection::TskTitleBarSection(plat::TCollection* Collection) : plat::TCollectionItem(Collection) {}

void TskTitleBarSection::SetAutoSize(bool Value) {
  FAutoSize = Value;
  PictureChanged();
}

void TskTitleBarSection::SetWidth(int Value) {
  FWidth = Value;
  Changed(false);
}

void TskTitleBarSection::SetAlign(TskTitleBarAlign Value) {
  if (Value == TskTitleBarAlign::skClient &&
      AnotherItem(*this, [](const TskTitleBarSection& Other) { return Other.Align() == TskTitleBarAlign::skClient; })) {
    Refuse(SskOneClientSection);
    return;
  }
  FAlign = Value;
  Changed(false);
}

void TskTitleBarSection::SetPicture(const plat::TPicture* Value) {
  FPicture.SetGraphic(Value ? Value->Graphic() : nullptr);
  PictureChanged();
}

void TskTitleBarSection::SetStretch(bool Value) {
  FStretch = Value;
  Changed(false);
}

void TskTitleBarSection::PictureChanged() {
  if (FAutoSize && FPicture.Graphic() && !FPicture.Graphic()->Empty()) FWidth = FPicture.Width();
  Changed(false);
}

void TskTitleBarSection::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TskTitleBarSection*>(Source);
  if (!source) {
    plat::TCollectionItem::Assign(Source);
    return;
  }
  FAutoSize = source->FAutoSize;
  FWidth = source->FWidth;
  FAlign = source->FAlign;
  FPicture.Assign(source->FPicture);
  FStretch = source->FStretch;
  Changed(false);
}

TskTitleBarSections::TskTitleBarSections(TskTitleBar* Bar)
    : plat::TOwnedCollection(Bar, plat::CollectionItemClass<TskTitleBarSection>()) {}

void TskTitleBarSections::Update(plat::TCollectionItem*) {
  auto* bar = dynamic_cast<TskTitleBar*>(GetOwner());
  if (!bar) return;
  if (bar->AutoSize()) bar->SetAutoSize(true);
  bar->Invalidate();
}

// The control menu.

TskTitleBarPopupMenu::TskTitleBarPopupMenu(plat::TComponent* AOwner, TskTitleBar* Bar)
    : TskPopupMenu(AOwner), FBar(Bar) {
  const auto add = [this](const plat::String& Caption, plat::TNotifyEvent Click) {
    auto* item = new plat::TMenuItem(this);
    item->SetCaption(Caption);
    item->OnClick = std::move(Click);
    Items()->Add(item);
    return item;
  };
  FMinimize = add(plat::LoadResString(SskMinimize), [this](plat::TObject*) { FBar->Minimize(); });
  FMaximize = add(plat::LoadResString(SskMaximizeRestore), [this](plat::TObject*) {
    for (int i = 0; i < FBar->Buttons()->Count(); ++i) {
      TskTitleBarButton* button = FBar->Buttons()->Items(i);
      if (button->Visible() && button->ButtonType() == TskTitleBarBtnType::skMax) FBar->ButtonAction(*button);
    }
  });
  add("-", nullptr);
  FClose = add(plat::LoadResString(SskClose), [this](plat::TObject*) { FBar->CloseForm(); });
  SetAutoHotkeys(plat::TMenuAutoFlag::maAutomatic);
}

void TskTitleBarPopupMenu::Popup(int X, int Y) {
  FMinimize->SetEnabled(FBar->VisibleButton(TskTitleBarBtnType::skMin) != nullptr);
  FMaximize->SetEnabled(FBar->VisibleButton(TskTitleBarBtnType::skMax) != nullptr);
  FClose->SetEnabled(FBar->VisibleButton(TskTitleBarBtnType::skClose) != nullptr);
  TskPopupMenu::Popup(X, Y);
}

// The bar.

TskTitleBar::TskTitleBar(plat::TComponent* AOwner)
    : plat::TCustomPanel(AOwner),
      FSections(std::make_unique<TskTitleBarSections>(this)),
      FButtons(std::make_unique<TskTitleBarButtons>(this)) {
  SetControlStyle(ControlStyle() - plat::TControlStyle{plat::TControlStyleItem::csAcceptsControls} +
                  plat::TControlStyle{plat::TControlStyleItem::csDoubleClicks});
  SetBevelOuter(plat::TPanelBevel::bvNone);
  SetParentBiDiMode(true);
  Font()->SetName("Tahoma");
  Font()->SetStyle({plat::TFontStyle::fsBold});
  Font()->SetColor(plat::clWhite);
  FControlMenu = new TskTitleBarPopupMenu(this, this);
  for (TskTitleBarBtnType type : {TskTitleBarBtnType::skControlBox, TskTitleBarBtnType::skClose,
                                  TskTitleBarBtnType::skMax, TskTitleBarBtnType::skMin})
    FButtons->Add()->SetButtonType(type);
  SetUIStyle(TskUIStyle::DeepBlue);
}

TskTitleBar::~TskTitleBar() = default;

void TskTitleBar::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  ApplyStyle(false);
}

void TskTitleBar::SetFileTheme(TskFileTheme* Value) {
  if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
  FFileTheme = Value;
  if (Value) Value->FreeNotification(this);
  ApplyStyle(true);
}

void TskTitleBar::ApplyStyle(bool KeepFontColor) {
  if (FCustom) return;
  const TskThemeSource source(FFileTheme, FUIStyle);
  {
    FSections->BeginUpdate();
    const plat::ScopeExit endUpdate([this] { FSections->EndUpdate(); });
    FSections->Clear();
    const struct {
      TskThemeElement Picture;
      TskTitleBarAlign Align;
      bool AutoSize;
    } parts[] = {{element::TitleBarLeftImage, TskTitleBarAlign::skLeft, true},
                 {element::TitleBarRightImage, TskTitleBarAlign::skRight, true},
                 {element::TitleBarClientImage, TskTitleBarAlign::skClient, false}};
    for (const auto& part : parts) {
      TskTitleBarSection* section = FSections->Add();
      plat::TBitmap picture;
      source.Bitmap(part.Picture, picture);
      section->SetAutoSize(part.AutoSize);
      section->SetAlign(part.Align);
      if (!picture.Empty()) section->Picture()->SetGraphic(&picture);
      section->SetPicture(section->Picture());
    }
  }
  FLeftBtnXOffset = source.Int(element::TitleBarButtonLeftOffsetInt);
  FRightBtnXOffset = source.Int(element::TitleBarButtonRightOffsetInt);
  plat::TBitmap strip;
  source.Bitmap(element::TitleBarButtonImage, strip);
  FButtonPicHeight = strip.Height();
  FButtonTop = source.Int(element::TitleBarButtonTopInt) - (OnFrame() ? 3 : 0);
  // A skin file without the entry (-1) leaves the form's minimum alone.
  const int minWidth = source.Int(element::FormMinWidthInt);
  if (plat::TCustomForm* form = HostForm(); form && minWidth >= 0) form->Constraints()->SetMinWidth(minWidth);
  FRoundCorner = ClampCorner(source.Int(element::FormRoundCornerInt));
  FRoundCornerBottom = source.FromFile() ? ClampCorner(source.Int(element::FormBottomRoundCornerInt)) : 0;

  const TskUIStyle resolved = source.FromFile() ? TskUIStyle::FromThemeFile : source.Style();
  for (int i = 0; i < FButtons->Count(); ++i) FButtons->Items(i)->SetUIStyle(resolved);
  FControlMenu->SetUIStyle(resolved);
  FControlMenu->SetFileTheme(FFileTheme);

  if (!KeepFontColor) {
    plat::TColor color = plat::clWhite;
    if (source.FromFile()) {
      color = source.Color(element::TitleBarFontColor);
      if (color == -1) {
        const plat::TColor control = source.Color(element::ControlFontColor);
        const bool dark = control == 0x10000 || control == 0x30000 || control == 0x40000 || control == 0x50000;
        color = dark ? plat::clBlack : plat::clWhite;
      }
    } else if (source.Style() == TskUIStyle::MacOS) {
      color = plat::clBlack;
    }
    Font()->SetColor(color);
  }
  SetAutoSize(true);
  Invalidate();
}

void TskTitleBar::SetAutoSize(bool Value) {
  FAutoSize = Value && FSections->Count() > 0;
  if (!FAutoSize) return;
  int height = FSections->Items(0)->Picture()->Height();
  if (height <= 0) {
    // Without a left picture the bar keeps the built-in height, or it
    // would collapse and take its buttons and the dragging with it.
    plat::TBitmap builtIn;
    GetBuiltinBitmap(TskUIStyle::DeepBlue, element::TitleBarLeftImage, &builtIn);
    height = builtIn.Height();
  }
  SetHeight(std::max(height - (OnFrame() ? 3 : 0), 0));
}

void TskTitleBar::SetButtonInterval(int Value) {
  FButtonInterval = Value;
  Invalidate();
}

void TskTitleBar::SetFormActive(bool Value) {
  FFormActive = Value;
  Invalidate();
}

void TskTitleBar::SetLeftBtnXOffset(int Value) {
  FLeftBtnXOffset = Value;
  Invalidate();
}

void TskTitleBar::SetRightBtnXOffset(int Value) {
  FRightBtnXOffset = Value;
  Invalidate();
}

void TskTitleBar::SetDrawAppIcon(bool Value) {
  FDrawAppIcon = Value;
  Invalidate();
}

void TskTitleBar::LayoutButtons() {
  for (int i = 0; i < FButtons->Count(); ++i) {
    TskTitleBarButton* button = FButtons->Items(i);
    if (button->ButtonType() == TskTitleBarBtnType::skMax) button->LoadPictures();
  }
  Invalidate();
}

plat::TCustomForm* TskTitleBar::HostForm() { return plat::GetParentForm(this); }

bool TskTitleBar::OnFrame() const { return dynamic_cast<const TskForm*>(Parent()) != nullptr; }

int TskTitleBar::SideBorderWidth() {
  plat::TCustomForm* form = HostForm();
  if (!OnFrame() || !form || !form->HandleAllocated()) return 0;
  return static_cast<int>(plat::SendMessage(form->Handle(), SKM_SIDEBORDERWIDTH, 0, 0));
}

bool TskTitleBar::IsMaximized() {
  plat::TCustomForm* form = HostForm();
  return form && form->WindowState() == plat::TWindowState::wsMaximized;
}

TskTitleBarButton* TskTitleBar::VisibleButton(TskTitleBarBtnType Type) const {
  for (int i = 0; i < FButtons->Count(); ++i) {
    TskTitleBarButton* button = FButtons->Items(i);
    if (button->Visible() && button->ButtonType() == Type) return button;
  }
  return nullptr;
}

// Layout and drawing.

plat::TRect TskTitleBar::ButtonRect(int Index) {
  const int side = SideBorderWidth();
  const int width = Width();
  int x = width + FRightBtnXOffset + side;
  for (int i = 0; i < FButtons->Count(); ++i) {
    TskTitleBarButton* button = FButtons->Items(i);
    if (!button->Visible() || button->ButtonType() == TskTitleBarBtnType::skControlBox) continue;
    const int w = button->PicNormal()->Width();
    x -= w + FButtonInterval + 1;
    if (x > width - w - 1) x = width - w - 1;
    if (i == Index) return {x, FButtonTop, x + w, FButtonTop + button->PicNormal()->Height()};
  }
  if (Index < 0 || Index >= FButtons->Count()) return {};
  TskTitleBarButton* box = FButtons->Items(Index);
  if (!box->Visible()) return {};
  const int left = std::max(FLeftBtnXOffset - (side - 1), 0);
  if (FDrawAppIcon) return {left + 3, FButtonTop, left + 3 + 16, FButtonTop + 16};
  return {left, FButtonTop - 1, left + box->PicNormal()->Width(), FButtonTop - 1 + box->PicNormal()->Height()};
}

int TskTitleBar::ButtonAt(plat::TPoint Point) {
  for (int i = 0; i < FButtons->Count(); ++i) {
    const plat::TRect rect = ButtonRect(i);
    if (!rect.IsEmpty() && rect.Contains(Point)) return i;
  }
  return -1;
}

plat::TPicture& TskTitleBar::StatePicture(TskTitleBarButton& Button, int Index) {
  if (Index != FHotButton) return *Button.PicNormal();
  return FPressed && Index == FPressedButton ? *Button.PicMouseDown() : *Button.PicMouseOn();
}

void TskTitleBar::DrawButtonPicture(plat::TCanvas& Canvas, TskTitleBarButton& Button, plat::TPicture& Picture, int X,
                                    int Y) {
  if (!Picture.Graphic()) return;
  plat::TBitmap through;
  through.SetSize(Button.PicNormal()->Width(), Button.PicNormal()->Height());
  through.Canvas()->Draw(0, 0, Picture.Graphic());
  through.SetTransparent(Button.Transparent());
  Canvas.Draw(X, Y, &through);
}

void TskTitleBar::Paint() {
  plat::TBitmap buffer;
  buffer.SetSize(Width(), Height());
  buffer.Canvas()->Brush()->SetColor(Color());
  buffer.Canvas()->FillRect({0, 0, Width(), Height()});
  DrawSections(buffer);
  buffer.Canvas()->SetFont(*Font());
  buffer.Canvas()->Brush()->SetStyle(plat::TBrushStyle::bsClear);
  DrawButtonsAndCaption(buffer);
  Canvas()->Draw(0, 0, &buffer);
}

void TskTitleBar::DrawSections(plat::TBitmap& Target) {
  plat::TCanvas& canvas = *Target.Canvas();
  const bool onFrame = OnFrame();
  const int side = SideBorderWidth();
  const int x = onFrame ? -(side > 0 ? side : 3) : 0;
  const int y = onFrame ? -3 : 0;
  const int width = Width();
  const auto picture = [this](int Index) -> plat::TGraphic* {
    if (Index >= FSections->Count()) return nullptr;
    plat::TGraphic* graphic = FSections->Items(Index)->Picture()->Graphic();
    return graphic && !graphic->Empty() ? graphic : nullptr;
  };
  plat::TGraphic* left = picture(0);
  plat::TGraphic* right = picture(1);
  plat::TGraphic* client = picture(2);
  if (left) canvas.Draw(x, y, left);
  if (right) canvas.Draw(width - right->Width() - x, y, right);
  if (client && left && right) {
    const int from = x + left->Width();
    const int to = width - right->Width() - x;
    // Narrower than its ends: no middle (a reversed rectangle would mirror it).
    if (to > from) canvas.StretchDraw({from, y, to, y + client->Height()}, client);
  }
}

void TskTitleBar::DrawButtonsAndCaption(plat::TBitmap& Target) {
  plat::TCanvas& canvas = *Target.Canvas();
  plat::POINT cursor{};
  plat::GetCursorPos(&cursor);
  const plat::TPoint mouse = ScreenToClient(plat::TPoint(cursor));
  const bool mouseInside = plat::TRect{0, 0, Width(), Height()}.Contains(mouse);
  FHotButton = -1;
  int captionRight = Width();
  int captionLeft = 0;
  bool hasControlBox = false;
  for (int i = 0; i < FButtons->Count(); ++i) {
    TskTitleBarButton* button = FButtons->Items(i);
    const plat::TRect rect = ButtonRect(i);
    if (!button->Visible()) continue;
    if (mouseInside && rect.Contains(mouse)) FHotButton = i;
    if (button->ButtonType() == TskTitleBarBtnType::skControlBox) {
      hasControlBox = true;
      captionLeft = rect.Left;
    } else {
      captionRight = std::min(captionRight, rect.Left);
    }
  }
  if (!hasControlBox) captionLeft = std::max(FLeftBtnXOffset - (SideBorderWidth() - 1), 0);
  for (int i = 0; i < FButtons->Count(); ++i) {
    TskTitleBarButton* button = FButtons->Items(i);
    if (!button->Visible()) continue;
    const plat::TRect rect = ButtonRect(i);
    if (button->ButtonType() != TskTitleBarBtnType::skControlBox) {
      DrawButtonPicture(canvas, *button, StatePicture(*button, i), rect.Left, rect.Top);
    } else if (FDrawAppIcon) {
      if (plat::Application && plat::Application->Icon() && !plat::Application->Icon()->Empty()) {
        canvas.StretchDraw(rect, plat::Application->Icon());
      } else if (plat::HICON icon = plat::LoadIcon(nullptr, "MAINICON")) {
        plat::DrawIconEx(canvas.Handle(), rect.Left, rect.Top, icon, 16, 16, 0, nullptr, plat::DI_NORMAL);
        plat::DestroyIcon(icon);
      }
      captionLeft = rect.Left - 3 + 21;
    } else {
      DrawButtonPicture(canvas, *button, StatePicture(*button, i), rect.Left, rect.Top);
      captionLeft = rect.Left + rect.Width() + 5;
    }
  }
  if (captionLeft == 0) captionLeft = 6;

  const plat::String caption = FitCaption(canvas, Caption(), captionRight - captionLeft);
  const bool rightToLeft = plat::SysLocale().MiddleEast && UseRightToLeftReading();
  // Centred beside the buttons; a theme without button pictures centres it in the bar.
  const int top = FButtonPicHeight > 0 ? FButtonTop : 0;
  const int bottom = FButtonPicHeight > 0 ? FButtonTop + FButtonPicHeight : Height();
  plat::RECT rect{captionLeft, top, rightToLeft ? captionRight - 10 : captionRight, bottom};
  plat::SetBkMode(canvas.Handle(), plat::TRANSPARENT);
  plat::SetTextColor(canvas.Handle(), plat::ColorToColorRef(Font()->Color()));
  plat::DrawText(canvas.Handle(), caption.c_str(), -1, &rect,
                 plat::DT_SINGLELINE | plat::DT_VCENTER | plat::DT_NOPREFIX | (rightToLeft ? plat::DT_RIGHT : 0));
}

// Mouse.

void TskTitleBar::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  plat::TCustomPanel::MouseDown(Button, Shift, X, Y);
  if (Button != plat::TMouseButton::mbLeft) return;
  FPressed = true;
  FPressedButton = ButtonAt({X, Y});
  Repaint();
  plat::TCustomForm* form = HostForm();
  if (FPressedButton >= 0 || !form || IsMaximized() || Shift.Contains(plat::TShiftStateItem::ssDouble)) return;
  // The system drags the window as if its own caption were pressed.
  plat::ReleaseCapture();
  plat::SendMessage(form->Handle(), plat::WM_NCLBUTTONDOWN, plat::HTCAPTION, 0);
  FPressed = false;
  FPressedButton = -1;
}

void TskTitleBar::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  plat::TCustomPanel::MouseUp(Button, Shift, X, Y);
  if (Button != plat::TMouseButton::mbLeft) return;
  const int released = ButtonAt({X, Y});
  const bool acts = FPressed && released >= 0 && released == FPressedButton;
  FPressed = false;
  FPressedButton = -1;
  if (acts) {
    TskTitleBarButton& button = *FButtons->Items(released);
    if (button.ButtonType() == TskTitleBarBtnType::skControlBox && !button.ControlBoxMenu()) {
      PopupControlMenu();
    } else {
      ButtonAction(button);
      if (button.ButtonType() == TskTitleBarBtnType::skCustom && OnCustomBtnsClick) OnCustomBtnsClick(this, released);
      if (button.ButtonType() == TskTitleBarBtnType::skHelp && OnHelpBtnClick) OnHelpBtnClick(this, released);
    }
  }
  if (!(ComponentState().Contains(plat::TComponentStateItem::csDestroying))) Repaint();
}

void TskTitleBar::MouseMove(plat::TShiftState Shift, int X, int Y) {
  plat::TCustomPanel::MouseMove(Shift, X, Y);
  Invalidate();
}

void TskTitleBar::DblClick() {
  plat::TCustomPanel::DblClick();
  plat::POINT cursor{};
  plat::GetCursorPos(&cursor);
  const int index = ButtonAt(ScreenToClient(plat::TPoint(cursor)));
  if (index < 0) {
    if (TskTitleBarButton* max = VisibleButton(TskTitleBarBtnType::skMax)) ButtonAction(*max);
  } else if (FButtons->Items(index)->ButtonType() == TskTitleBarBtnType::skControlBox) {
    CloseForm();
  }
}

void TskTitleBar::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_NCLBUTTONDOWN:
    case plat::WM_NCLBUTTONUP:
    case plat::WM_NCMOUSEMOVE:
      if (plat::TCustomForm* form = HostForm(); form && form->HandleAllocated()) {
        Message.Result = plat::SendMessage(form->Handle(), Message.Msg, Message.WParam, Message.LParam);
        return;
      }
      break;
    case plat::CM_MOUSELEAVE:
    case plat::CM_TEXTCHANGED: Invalidate(); break;
    default: break;
  }
  plat::TCustomPanel::WndProc(Message);
}

void TskTitleBar::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TCustomPanel::Notification(AComponent, Operation);
  if (Operation != plat::TOperation::opRemove) return;
  if (AComponent == FFileTheme) {
    FFileTheme = nullptr;
    SetUIStyle(TskUIStyle::DeepBlue);
  }
  if (AComponent == FControlMenu) FControlMenu = nullptr;
  for (int i = 0; i < FButtons->Count(); ++i)
    if (FButtons->Items(i)->ControlBoxMenu() == AComponent) FButtons->Items(i)->FControlBoxMenu = nullptr;
}

// Actions.

void TskTitleBar::ButtonAction(TskTitleBarButton& Button) {
  switch (Button.ButtonType()) {
    case TskTitleBarBtnType::skMax:
      MaximizeOrRestore();
      Button.LoadPictures();
      break;
    case TskTitleBarBtnType::skMin: Minimize(); break;
    case TskTitleBarBtnType::skClose: CloseForm(); break;
    case TskTitleBarBtnType::skControlBox:
      if (Button.ControlBoxMenu()) PopupAtBottomLeft(*Button.ControlBoxMenu());
      break;
    case TskTitleBarBtnType::skHelp:
    case TskTitleBarBtnType::skCustom: break;
  }
}

void TskTitleBar::MaximizeOrRestore() {
  plat::TCustomForm* form = HostForm();
  if (!form) return;
  if (IsMaximized()) {
    form->SetWindowState(plat::TWindowState::wsNormal);
    return;
  }
  form->SetWindowState(plat::TWindowState::wsMaximized);
  // A frame places its maximized form itself.
  if (!OnFrame()) {
    const plat::TRect area = GetMainWorkArea();
    form->SetBounds(area.Left - 4, area.Top - 4, area.Width() + 8, area.Height() + 3);
  }
}

void TskTitleBar::Minimize() {
  plat::TCustomForm* form = HostForm();
  if (!form) return;
  if (plat::Application && plat::Application->MainForm() == form && form->HandleAllocated())
    plat::SendMessage(form->Handle(), plat::WM_SYSCOMMAND, plat::SC_MINIMIZE, 0);
  else
    form->SetWindowState(plat::TWindowState::wsMinimized);
}

void TskTitleBar::CloseForm() {
  if (plat::TCustomForm* form = HostForm()) form->Close();
}

void TskTitleBar::PopupControlMenu() {
  if (FControlMenu) PopupAtBottomLeft(*FControlMenu);
}

void TskTitleBar::PopupAtBottomLeft(plat::TPopupMenu& Menu) {
  plat::TPoint at = ClientToScreen({0, Height()});
  if (plat::SysLocale().MiddleEast && UseRightToLeftReading()) at.X += RightToLeftMenuShift;
  Menu.Popup(std::max(at.X, 0), at.Y);
}

}  // namespace zorbit
