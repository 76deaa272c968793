#pragma once
// The skinned track bar: a bar picture across the control and a slider (a
// child TskImagePanel) that the user drags, pages with the mouse or moves
// with the keys; TskScrollTrackBar is the variant inside TskScrollBar,
// whose pictures the scroll bar gives it.
//
// Values: Min <= Max always (the value being set yields); Position is kept
// within them; PageSize and LineSize are taken only within 0..Max. Position
// maths runs in 64 bits, so the ends of the integer range neither overflow
// nor trap. A slider as long as the bar (or longer) reads Min wherever the
// mouse is.
//
// OnChange fires after a change of Position has been drawn, once per change
// (the last position reported is remembered). Whatever OnChange does,
// deleting the bar included, the bar touches nothing of itself afterwards.
//
// Ticks (ShowTick, Min <> Max): Min, every Frequency-th value after it
// (a Frequency below 1 counts as 1) up to Max, and Max; never more than
// one per pixel column, so a wide range costs no more than the bar is long.
//
// Paging: a press on the bar beside the slider moves Position by PageSize
// toward the mouse, then a 100 ms window timer repeats it (3 x PageSize
// when horizontal) up to the value under the mouse. The timer stops on the
// release, when the mouse leaves the bar, and when the bar is disabled or
// hidden; stopping it from inside its own tick is safe.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"
#include "platform/ui/TCustomPanel.h"
#include "skin/ThemeElements.h"

namespace zorbit {

class TskFileTheme;
class TskImagePanel;

enum class TskProgressBarOrientation { skHorizontal, skVertical };

class TskTrackBar : public plat::TCustomPanel {
 public:
  explicit TskTrackBar(plat::TComponent* AOwner);
  ~TskTrackBar() override;

  TskProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TskProgressBarOrientation Value);
  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value);
  TskUIStyle UIStyle() const { return FUIStyle; }
  // Stores and reloads the pictures; MacOS also makes the bar transparent.
  void SetUIStyle(TskUIStyle Value);
  plat::TPicture* BarImage() const { return FBarImage.get(); }
  void SetBarImage(const plat::TPicture* Value);
  plat::TPicture* SliderImage() const;
  virtual void SetSliderImage(const plat::TPicture* Value);

  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int Value);
  bool ShowTick() const { return FShowTick; }
  void SetShowTick(bool Value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // The slider control (owned by the bar).
  TskImagePanel* Slider() const { return FSlider; }
  // The value under a point at Offset pixels along the bar, clamped to
  // Min..Max.
  int ValueAt(int Offset) const;
  // Where the slider's leading edge lies for Position.
  int SliderOffset() const;
  // The pixel columns (rows when vertical) where ticks go, in order.
  std::vector<int> TickOffsets() const;
  // Whether the paging timer runs.
  bool Paging() const { return FPaging; }

  plat::TNotifyEvent OnChange;

 protected:
  virtual void LoadPictures();
  virtual bool UsesOwnPictures() const { return false; }
  virtual bool FocusOnClick() const { return true; }
  virtual bool SliderTransparent() const { return FOrientation == TskProgressBarOrientation::skHorizontal; }

  void Paint() override;
  void Resize() override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseMove(plat::TShiftState Shift, int X, int Y) override;
  void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void WndProc(plat::TMessage& Message) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  bool Horizontal() const { return FOrientation == TskProgressBarOrientation::skHorizontal; }
  int BarLength() const { return Horizontal() ? Width() : Height(); }
  int SliderLength() const;
  int AlongBar(int X, int Y) const { return Horizontal() ? X : Y; }
  // Builds the cached bar, sizes the slider and the bar's thickness.
  void RebuildBar();
  void PlaceSlider();
  // Position := Value clamped, then the slider placed, the bar repainted and
  // OnChange fired when the position moved. False when OnChange deleted the
  // bar.
  bool MoveTo(std::int64_t Value);
  void PageToward(int Offset, std::int64_t Step);
  void StartPaging();
  void StopPaging();
  void TakeFocus();
  void SliderMouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y);
  void DrawTicks(plat::TCanvas& Canvas);

  TskProgressBarOrientation FOrientation = TskProgressBarOrientation::skHorizontal;
  TskFileTheme* FFileTheme = nullptr;
  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  std::unique_ptr<plat::TPicture> FBarImage;
  plat::TBitmap FBar;
  TskImagePanel* FSlider = nullptr;
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FPageSize = 2;
  int FLineSize = 1;
  bool FShowTick = true;
  int FFrequency = 1;
  bool FTransparent = false;
  int FLastPosition = 0;
  std::int64_t FLastChange = 0;
  bool FDragging = false;
  int FPressed = 0;  // where the mouse is along the bar while paging
  bool FPaging = false;
  bool FRebuilding = false;
  // Cleared when the bar is deleted: code that called out checks it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// The track inside TskScrollBar: its pictures come from the scroll bar,
// a press does not take the focus, and the slider is opaque.
class TskScrollTrackBar : public TskTrackBar {
 public:
  // Starts without the theme's pictures, which the bar's constructor loaded
  // before this class's choice could count.
  explicit TskScrollTrackBar(plat::TComponent* AOwner);

 protected:
  bool UsesOwnPictures() const override { return true; }
  bool FocusOnClick() const override { return false; }
  bool SliderTransparent() const override { return false; }
};

}  // namespace zorbit
