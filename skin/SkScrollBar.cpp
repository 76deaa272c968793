#include "skin/SkScrollBar.h"

#include <algorithm>

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPicture.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Messages.h"
#include "skin/SkImageButton.h"
#include "skin/SkinPictures.h"
#include "skin/ThemeChoice.h"
#include "skin/ThemeValues.h"

namespace zorbit {

namespace {

constexpr int kArrowRepeat = 100;
constexpr int kMinimumSlider = 18;
constexpr plat::TColor kMagenta = 0xFF00FF;

// The three arrow pictures of a button: frames First.. First + 2 of the six
// of "ScrollBarButtonImage", turned for a horizontal bar.
void LoadArrow(TskImageButton& Button, const TskFileTheme* Theme, TskUIStyle Style, int First, bool Turn) {
  plat::TPicture pictures[3];
  for (int i = 0; i < 3; ++i) {
    plat::TBitmap& frame = *pictures[i].Bitmap();
    SkinBitmapFrame(Theme, Style, element::ScrollBarButtonImage, frame, 6, First + i);
    if (Turn) RotateLeft(frame);
  }
  Button.SetPicNormal(&pictures[0]);
  Button.SetPicMouseOn(&pictures[1]);
  Button.SetPicMouseDown(&pictures[2]);
}

void DrawPiece(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TBitmap& Piece) {
  if (Piece.Empty() || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  Piece.SetTransparentColor(kMagenta);
  Piece.SetTransparent(true);
  Canvas.StretchDraw(Rect, &Piece);
}

}  // namespace

TskScrollBar::TskScrollBar(plat::TComponent* AOwner) : plat::TCustomPanel(AOwner) {
  SetBevelOuter(plat::TPanelBevel::bvNone);
  SetBevelInner(plat::TPanelBevel::bvNone);
  auto style = ControlStyle();
  style.Exclude(plat::TControlStyleItem::csSetCaption);
  SetControlStyle(style);
  FTrack = new TskScrollTrackBar(this);
  FTrack->SetParent(this);
  FTrack->SetParentColor(true);
  FTrack->SetShowTick(false);
  FTrack->SetMax(100);
  FTrack->OnChange = [this](plat::TObject* Sender) {
    if (OnChange) OnChange(Sender);
  };
  FUpButton = new TskImageButton(this);
  FDownButton = new TskImageButton(this);
  int direction = -1;
  for (TskImageButton* button : {FUpButton, FDownButton}) {
    button->SetParent(this);
    button->SetTabStop(false);
    button->SetMouseContinuouslyDownInterval(kArrowRepeat);
    button->OnMouseContinuouslyDown = [this, direction](plat::TObject*) { Step(direction); };
    direction = 1;
  }
  // The arrows have their pictures, and so their sizes, before the first
  // layout.
  FUIStyle = GetOwnerFormUIStyle(AOwner);
  LoadPictures();
  SetBounds(Left(), Top(), Width(), 185);
  LayOut();
}

TskScrollBar::~TskScrollBar() {
  FTrack->OnChange = nullptr;
  FUpButton->OnMouseContinuouslyDown = nullptr;
  FDownButton->OnMouseContinuouslyDown = nullptr;
}

void TskScrollBar::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  SetUIStyle(FUIStyle);
}

void TskScrollBar::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  LoadPictures();
  LayOut();
}

void TskScrollBar::SetOrientation(TskProgressBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  LoadPictures();
  LayOut();
}

void TskScrollBar::SetLineButton(int Value) {
  const int length = Horizontal() ? Width() - FUpButton->Width() - FDownButton->Width()
                                  : Height() - FUpButton->Height() - FDownButton->Height();
  if (Value == FLineButton || Value > length) return;
  FLineButton = Value;
  BuildSlider();
}

void TskScrollBar::SetPosition(int Value) {
  if (Value != FTrack->Position()) FTrack->SetPosition(Value);
}

void TskScrollBar::SetPageSize(int Value) {
  FTrack->SetPageSize(Value);
  BuildSlider();
}

void TskScrollBar::Step(int Direction) {
  const std::int64_t target = static_cast<std::int64_t>(Position()) + std::int64_t{Direction} * FSmallChange;
  SetPosition(static_cast<int>(std::clamp<std::int64_t>(target, Min(), Max())));
}

void TskScrollBar::LoadPictures() {
  FTrack->SetBarImage(nullptr);
  SetColor(SkinColor(FFileTheme, FUIStyle, element::ScrollBarBackgroundColor));
  plat::TBitmap* pieces[] = {&FHead, &FMiddle, &FTail};
  for (int i = 0; i < 3; ++i) {
    SkinBitmapFrame(FFileTheme, FUIStyle, element::ScrollBarSliderImage, *pieces[i], 3, i + 1);
    if (!Horizontal()) RotateRight(*pieces[i]);
  }
  LoadArrow(*FUpButton, FFileTheme, FUIStyle, 1, Horizontal());
  LoadArrow(*FDownButton, FFileTheme, FUIStyle, 4, Horizontal());
  FUpButton->SetAutoSize(true);
  FDownButton->SetAutoSize(true);
}

void TskScrollBar::LayOut() {
  if (FLayingOut) return;
  FLayingOut = true;
  FTrack->SetOrientation(FOrientation);
  if (Width() == 0 || Height() == 0) {
    FLayingOut = false;
    SetVisible(false);
    return;
  }
  const int upWidth = FUpButton->Width();
  const int upHeight = FUpButton->Height();
  if (Horizontal()) {
    FUpButton->SetBounds(0, 0, upWidth, upHeight);
    const int trackWidth = Width() - upWidth - FDownButton->Width();
    FTrack->SetBounds(upWidth, 0, trackWidth, FTrack->Height());
    FDownButton->SetBounds(Width() - FDownButton->Width(), 0, FDownButton->Width(), FDownButton->Height());
    SetBounds(Left(), Top(), Width(), upHeight);
  } else {
    FUpButton->SetBounds(0, 0, upWidth, upHeight);
    const int trackHeight = Height() - upHeight - FDownButton->Height() - 1;
    FTrack->SetBounds(0, upHeight, FTrack->Width(), trackHeight);
    FDownButton->SetBounds(0, Height() - FDownButton->Height(), FDownButton->Width(), FDownButton->Height());
    SetBounds(Left(), Top(), upWidth, Height());
  }
  FLayingOut = false;
  BuildSlider();
}

void TskScrollBar::BuildSlider() {
  const int trackLength = Horizontal() ? FTrack->Width() : FTrack->Height();
  int length = 0;
  if (FLineButton > 0) {
    FLineButton = std::max(FLineButton, kMinimumSlider);
    length = FLineButton;
  } else {
    int page = PageSize();
    if (page < 10 || page > 100) page = 10;
    length = page * trackLength / 100;
  }
  const int thickness = Horizontal() ? FHead.Height() : FHead.Width();
  plat::TPicture slider;
  plat::TBitmap& picture = *slider.Bitmap();
  if (length > 0 && thickness > 0) {
    const int width = Horizontal() ? length : thickness;
    const int height = Horizontal() ? thickness : length;
    picture.SetSize(width, height);
    plat::TCanvas& canvas = *picture.Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.FillRect({0, 0, width, height});
    if (Horizontal()) {
      const int tailLeft = width - FTail.Width();
      DrawPiece(canvas, {FHead.Width(), 0, tailLeft, height}, FMiddle);
      DrawPiece(canvas, {0, 0, FHead.Width(), height}, FHead);
      DrawPiece(canvas, {tailLeft, 0, width, height}, FTail);
    } else {
      const int tailTop = height - FTail.Height();
      DrawPiece(canvas, {0, FHead.Height(), width, tailTop}, FMiddle);
      DrawPiece(canvas, {0, 0, width, FHead.Height()}, FHead);
      DrawPiece(canvas, {0, tailTop, width, height}, FTail);
    }
  }
  FTrack->SetSliderImage(&slider);
}

void TskScrollBar::Resize() {
  plat::TCustomPanel::Resize();
  LayOut();
}

void TskScrollBar::WndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  plat::TCustomPanel::WndProc(Message);
  switch (Message.Msg) {
    case plat::CM_VISIBLECHANGED:
      FTrack->SetVisible(Visible());
      FUpButton->SetVisible(Visible());
      FDownButton->SetVisible(Visible());
      break;
    case plat::CM_COLORCHANGED: FTrack->SetColor(Color()); break;
    default: break;
  }
}

void TskScrollBar::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TCustomPanel::Notification(AComponent, Operation);
  if (ForgetFreedTheme(FFileTheme, AComponent, Operation)) SetUIStyle(TskUIStyle::DeepBlue);
}

}  // namespace zorbit
