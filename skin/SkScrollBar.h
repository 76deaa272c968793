#pragma once
// The skinned scroll bar: two arrow buttons (TskImageButton, repeating
// every 100 ms while held) around a track (TskScrollTrackBar) whose slider
// is built from three theme pieces (head, stretched middle, tail).
//
// Layout follows creation, resizing, orientation and style changes: a bar
// of zero width or height hides itself; vertically the up button sits at
// the top, the down button at the bottom and the track between them, and
// the bar is as wide as the up button; horizontally the same from left to
// right, as high as the left button. The slider is LineButton pixels long
// (at least 18, stored back) or, with LineButton 0, PageSize percent of the
// track (a PageSize outside 10..100 taken as 10).
//
// Each 100 ms tick of a held arrow moves Position by SmallChange; a press
// shorter than a tick moves nothing. Max, Min, Position, PageSize and
// OnChange are the track's (OnChange is called with the track as sender).
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/TCustomPanel.h"
#include "skin/SkTrackBar.h"
#include "skin/ThemeElements.h"

namespace zorbit {

class TskFileTheme;
class TskImageButton;

class TskScrollBar : public plat::TCustomPanel {
 public:
  explicit TskScrollBar(plat::TComponent* AOwner);
  ~TskScrollBar() override;

  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value);
  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  TskProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TskProgressBarOrientation Value);
  int LineButton() const { return FLineButton; }
  // Taken only when it changes and fits between the arrows.
  void SetLineButton(int Value);
  int Max() const { return FTrack->Max(); }
  void SetMax(int Value) { FTrack->SetMax(Value); }
  int Min() const { return FTrack->Min(); }
  void SetMin(int Value) { FTrack->SetMin(Value); }
  int Position() const { return FTrack->Position(); }
  void SetPosition(int Value);
  int PageSize() const { return FTrack->PageSize(); }
  void SetPageSize(int Value);
  int LargeChange() const { return FTrack->PageSize(); }
  void SetLargeChange(int Value) { FTrack->SetPageSize(Value); }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }

  TskScrollTrackBar* Track() const { return FTrack; }
  TskImageButton* UpButton() const { return FUpButton; }
  TskImageButton* DownButton() const { return FDownButton; }

  plat::TNotifyEvent OnChange;

 protected:
  void Resize() override;
  void WndProc(plat::TMessage& Message) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  bool Horizontal() const { return FOrientation == TskProgressBarOrientation::skHorizontal; }
  void LayOut();
  void LoadPictures();
  void BuildSlider();
  void Step(int Direction);

  TskFileTheme* FFileTheme = nullptr;
  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  TskProgressBarOrientation FOrientation = TskProgressBarOrientation::skHorizontal;
  int FLineButton = 0;
  int FSmallChange = 1;
  TskScrollTrackBar* FTrack = nullptr;
  TskImageButton* FUpButton = nullptr;
  TskImageButton* FDownButton = nullptr;
  plat::TBitmap FHead;
  plat::TBitmap FMiddle;
  plat::TBitmap FTail;
  bool FLayingOut = false;
};

}  // namespace zorbit
