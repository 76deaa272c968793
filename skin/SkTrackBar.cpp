#include "skin/SkTrackBar.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Messages.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkImagePanel.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinPictures.h"
#include "skin/ThemeChoice.h"
#include "skin/ThemeValues.h"

namespace zorbit {

namespace {

using Wide = __int128;

constexpr plat::UINT_PTR kPagingTimer = 1;
constexpr plat::UINT kPagingInterval = 100;
constexpr plat::TColor kTickColor = plat::clBlack;

// N / D (D > 0) rounded to the nearest whole number, halves to the even one.
std::int64_t RoundHalfEven(Wide N, Wide D) {
  Wide q = N / D;
  Wide r = N % D;
  if (r < 0) {
    q -= 1;
    r += D;
  }
  if (2 * r > D || (2 * r == D && (q & 1) != 0)) q += 1;
  return static_cast<std::int64_t>(q);
}

// N / D (D > 0) rounded up.
Wide CeilDiv(Wide N, Wide D) {
  Wide q = N / D;
  if (N % D != 0 && N > 0) q += 1;
  return q;
}

int ClampToInt(std::int64_t Value, int Low, int High) {
  return static_cast<int>(std::clamp<std::int64_t>(Value, Low, High));
}

}  // namespace

TskTrackBar::TskTrackBar(plat::TComponent* AOwner)
    : plat::TCustomPanel(AOwner), FBarImage(std::make_unique<plat::TPicture>()) {
  SetBevelOuter(plat::TPanelBevel::bvNone);
  SetBevelInner(plat::TPanelBevel::bvNone);
  SetParentColor(true);
  FSlider = new TskImagePanel(this);
  // The bar follows the mouse itself once the slider is pressed.
  auto sliderStyle = FSlider->ControlStyle();
  sliderStyle.Exclude(plat::TControlStyleItem::csCaptureMouse);
  FSlider->SetControlStyle(sliderStyle);
  FSlider->SetAutoSize(true);
  FSlider->SetParent(this);
  FSlider->OnMouseDown = [this](plat::TObject*, plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    SliderMouseDown(Button, Shift, X, Y);
  };
  auto style = ControlStyle();
  style.Exclude(plat::TControlStyleItem::csAcceptsControls);
  style.Exclude(plat::TControlStyleItem::csSetCaption);
  SetControlStyle(style);
  FUIStyle = GetOwnerFormUIStyle(AOwner);
  SetUIStyle(FUIStyle);
}

TskTrackBar::~TskTrackBar() {
  *FAlive = false;
  FSlider->OnMouseDown = nullptr;
}

plat::TPicture* TskTrackBar::SliderImage() const { return FSlider->Picture(); }

void TskTrackBar::SetOrientation(TskProgressBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  LoadPictures();
}

void TskTrackBar::SetFileTheme(TskFileTheme* Value) {
  LinkFileTheme(*this, FFileTheme, Value);
  SetUIStyle(FUIStyle);
}

void TskTrackBar::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  if (Value == TskUIStyle::MacOS) FTransparent = true;
  LoadPictures();
}

void TskTrackBar::SetBarImage(const plat::TPicture* Value) {
  FBarImage->SetGraphic(Value ? Value->Graphic() : nullptr);
  RebuildBar();
}

void TskTrackBar::SetSliderImage(const plat::TPicture* Value) {
  FSlider->SetPicture(Value);
  // The bar is as thick as the slider it now holds.
  RebuildBar();
}

void TskTrackBar::SetMin(int Value) {
  Value = std::min(Value, FMax);
  if (FMin == Value) return;
  FMin = Value;
  MoveTo(FPosition);
}

void TskTrackBar::SetMax(int Value) {
  Value = std::max(Value, FMin);
  if (FMax == Value) return;
  FMax = Value;
  MoveTo(FPosition);
}

void TskTrackBar::SetPosition(int Value) { MoveTo(Value); }

void TskTrackBar::SetPageSize(int Value) {
  if (Value >= 0 && Value <= FMax) FPageSize = Value;
}

void TskTrackBar::SetLineSize(int Value) {
  if (Value >= 0 && Value <= FMax) FLineSize = Value;
}

void TskTrackBar::SetShowTick(bool Value) {
  FShowTick = Value;
  Invalidate();
}

void TskTrackBar::SetFrequency(int Value) {
  FFrequency = Value;
  Invalidate();
}

void TskTrackBar::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

int TskTrackBar::SliderLength() const { return Horizontal() ? FSlider->Width() : FSlider->Height(); }

int TskTrackBar::SliderOffset() const {
  if (FMin == FMax) return 0;
  const Wide span = BarLength() - SliderLength();
  return static_cast<int>(span * (static_cast<Wide>(FPosition) - FMin) / (static_cast<Wide>(FMax) - FMin));
}

int TskTrackBar::ValueAt(int Offset) const {
  const int slider = SliderLength();
  const int length = BarLength();
  if (slider >= length || FMin == FMax) return FMin;
  const Wide range = static_cast<Wide>(FMax) - FMin;
  const std::int64_t steps = RoundHalfEven((static_cast<Wide>(Offset) - slider / 2) * range, length - slider);
  return ClampToInt(static_cast<std::int64_t>(FMin) + steps, FMin, FMax);
}

std::vector<int> TskTrackBar::TickOffsets() const {
  std::vector<int> offsets;
  if (FMin == FMax) return offsets;
  const Wide range = static_cast<Wide>(FMax) - FMin;
  const int half = SliderLength() / 2;
  const Wide span = BarLength() - SliderLength();
  const Wide frequency = std::max(FFrequency, 1);
  const auto offsetOf = [&](Wide Steps) { return static_cast<int>(span * Steps / range) + half; };
  const auto add = [&](int Offset) {
    if (offsets.empty() || offsets.back() != Offset) offsets.push_back(Offset);
  };
  for (Wide steps = 0; steps < range;) {
    add(offsetOf(steps));
    if (span <= 0) break;
    // The first value past this pixel: at most one tick per pixel, and a
    // wide range costs no more than the bar is long.
    const Wide nextPixel = CeilDiv((offsets.back() - half + 1) * range, span);
    steps = std::max(steps + frequency, CeilDiv(nextPixel, frequency) * frequency);
  }
  add(offsetOf(range));
  return offsets;
}

bool TskTrackBar::MoveTo(std::int64_t Value) {
  FPosition = ClampToInt(Value, FMin, FMax);
  PlaceSlider();
  Invalidate();
  if (FPosition == FLastPosition) return true;
  FLastChange = static_cast<std::int64_t>(FPosition) - FLastPosition;
  FLastPosition = FPosition;
  if (!OnChange) return true;
  const std::shared_ptr<bool> alive = FAlive;
  OnChange(this);
  return *alive;
}

void TskTrackBar::LoadPictures() {
  if (!UsesOwnPictures()) {
    SkinBitmap(FFileTheme, FUIStyle, element::TrackBarBarImage, *FBarImage->Bitmap());
    plat::TPicture slider;
    SkinBitmap(FFileTheme, FUIStyle, Horizontal() ? element::TrackBarSliderImage : element::TrackBarSliderVImage,
               *slider.Bitmap());
    FSlider->SetPicture(&slider);
  }
  RebuildBar();
}

void TskTrackBar::RebuildBar() {
  if (FRebuilding) return;
  FRebuilding = true;
  plat::TBitmap picture;
  if (auto* bitmap = dynamic_cast<plat::TBitmap*>(FBarImage->Graphic())) picture.Assign(*bitmap);
  const int length = std::max(BarLength(), 0);
  FBar.SetSize(length, picture.Height());
  if (length > 0 && picture.Height() > 0) {
    FillRectColor(*FBar.Canvas(), {0, 0, length, picture.Height()}, Color());
    DrawThreePart(picture, *FBar.Canvas(), {0, 0, length, picture.Height()}, false, false);
    if (!Horizontal()) RotateLeft(FBar);
  }
  FSlider->SetTransparent(SliderTransparent());
  const int sliderThickness = Horizontal() ? FSlider->Height() : FSlider->Width();
  const int thickness = std::max(picture.Height(), sliderThickness);
  if (Horizontal()) {
    SetBounds(Left(), Top(), Width(), thickness);
  } else {
    SetBounds(Left(), Top(), thickness, Height());
  }
  FRebuilding = false;
  PlaceSlider();
  Invalidate();
}

void TskTrackBar::PlaceSlider() {
  const int offset = SliderOffset();
  if (Horizontal()) {
    FSlider->SetBounds(offset, std::max((Height() - FSlider->Height()) / 2, 0), FSlider->Width(), FSlider->Height());
  } else {
    FSlider->SetBounds(std::max((Width() - FSlider->Width()) / 2, 0), offset, FSlider->Width(), FSlider->Height());
  }
}

void TskTrackBar::Resize() {
  plat::TCustomPanel::Resize();
  RebuildBar();
}

void TskTrackBar::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  plat::TBitmap buffer;
  buffer.SetSize(Width(), Height());
  plat::TCanvas& canvas = *buffer.Canvas();
  if (FTransparent) {
    DrawParentBackground(canvas, *this);
  } else {
    FillRectColor(canvas, ClientRect(), Color());
  }
  if (!FBar.Empty()) {
    if (Horizontal()) {
      canvas.Draw(0, (Height() - FBar.Height()) / 2, &FBar);
    } else {
      canvas.Draw((Width() - FBar.Width()) / 2, 0, &FBar);
    }
  }
  if (Focused() && TabStop()) canvas.DrawFocusRect(ClientRect());
  if (FShowTick) DrawTicks(canvas);
  Canvas()->Draw(0, 0, &buffer);
}

void TskTrackBar::DrawTicks(plat::TCanvas& Canvas) {
  Canvas.Pen()->SetColor(kTickColor);
  Canvas.Pen()->SetStyle(plat::TPenStyle::psSolid);
  const int w = Width();
  const int h = Height();
  for (const int at : TickOffsets()) {
    if (Horizontal()) {
      Canvas.MoveTo(at, h - 3);
      Canvas.LineTo(at, h);
    } else {
      Canvas.MoveTo(0, at);
      Canvas.LineTo(3, at);
      Canvas.MoveTo(w - 3, at);
      Canvas.LineTo(w, at);
    }
  }
}

void TskTrackBar::TakeFocus() {
  if (FocusOnClick() && Enabled() && CanFocus() && !Focused()) SetFocus();
}

void TskTrackBar::SliderMouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  if (Button == plat::TMouseButton::mbLeft) {
    FPressed = AlongBar(X + FSlider->Left(), Y + FSlider->Top());
    FDragging = true;
    TakeFocus();
    SetMouseCapture(true);
  }
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X + FSlider->Left(), Y + FSlider->Top());
}

void TskTrackBar::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  const std::shared_ptr<bool> alive = FAlive;
  plat::TCustomPanel::MouseDown(Button, Shift, X, Y);
  if (!*alive || Button != plat::TMouseButton::mbLeft || FDragging) return;
  TakeFocus();
  const int at = AlongBar(X, Y);
  FPressed = at;
  const int under = ValueAt(at);
  const std::int64_t position = FPosition;
  const bool beyond = at >= SliderOffset() + SliderLength();
  if (!MoveTo(beyond ? std::min<std::int64_t>(position + FPageSize, under)
                     : std::max<std::int64_t>(position - FPageSize, under))) {
    return;
  }
  StartPaging();
}

void TskTrackBar::MouseMove(plat::TShiftState Shift, int X, int Y) {
  const std::shared_ptr<bool> alive = FAlive;
  plat::TCustomPanel::MouseMove(Shift, X, Y);
  if (!*alive) return;
  const int at = AlongBar(X, Y);
  if (FDragging) {
    MoveTo(ValueAt(at));
    return;
  }
  if (!ClientRect().Contains(plat::TPoint{X, Y})) {
    StopPaging();
  } else if (FPaging) {
    FPressed = at;
  }
}

void TskTrackBar::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  StopPaging();
  FDragging = false;
  SetMouseCapture(false);
  plat::TCustomPanel::MouseUp(Button, Shift, X, Y);
}

void TskTrackBar::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  const std::shared_ptr<bool> alive = FAlive;
  plat::TCustomPanel::KeyDown(Key, Shift);
  if (!*alive) return;
  const std::int64_t position = FPosition;
  switch (Key) {
    case plat::VK_PRIOR: MoveTo(position - FPageSize); break;
    case plat::VK_NEXT: MoveTo(position + FPageSize); break;
    case plat::VK_END: MoveTo(FMax); break;
    case plat::VK_HOME: MoveTo(FMin); break;
    case plat::VK_LEFT:
    case plat::VK_UP: MoveTo(position - FLineSize); break;
    case plat::VK_RIGHT:
    case plat::VK_DOWN: MoveTo(position + FLineSize); break;
    default: break;
  }
}

void TskTrackBar::PageToward(int Offset, std::int64_t Step) {
  const std::int64_t target = ValueAt(Offset);
  const std::int64_t position = FPosition;
  if (target > position) {
    MoveTo(std::min(position + Step, target));
  } else if (target < position) {
    MoveTo(std::max(position - Step, target));
  }
}

void TskTrackBar::StartPaging() {
  if (!HandleAllocated()) return;
  FPaging = true;
  plat::SetTimer(Handle(), kPagingTimer, kPagingInterval, nullptr);
}

void TskTrackBar::StopPaging() {
  if (!FPaging) return;
  FPaging = false;
  // A window timer: killing it from inside its own tick is safe.
  if (HandleAllocated()) plat::KillTimer(Handle(), kPagingTimer);
}

void TskTrackBar::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_ERASEBKGND: Message.Result = 1; return;
    case plat::WM_GETDLGCODE: Message.Result = plat::DLGC_WANTARROWS; return;
    case plat::WM_TIMER:
      if (Message.WParam != kPagingTimer) break;
      if (FPaging) {
        const std::int64_t step = static_cast<std::int64_t>(FPageSize) * (Horizontal() ? 3 : 1);
        PageToward(FPressed, step);
      }
      return;
    case plat::CM_ENABLEDCHANGED:
    case plat::CM_VISIBLECHANGED:
    case plat::WM_CANCELMODE:
      StopPaging();
      FDragging = false;
      break;
    default: break;
  }
  plat::TCustomPanel::WndProc(Message);
}

void TskTrackBar::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TCustomPanel::Notification(AComponent, Operation);
  if (ForgetFreedTheme(FFileTheme, AComponent, Operation)) SetUIStyle(TskUIStyle::DeepBlue);
}

TskScrollTrackBar::TskScrollTrackBar(plat::TComponent* AOwner) : TskTrackBar(AOwner) {
  SetTransparent(false);
  SetSliderImage(nullptr);
  SetBarImage(nullptr);
}

}  // namespace zorbit
