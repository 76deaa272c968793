#pragma once
// TImgBtn: a picture button with a caption. It shows Pic, PicUp (hovered)
// or PicDown (down); it can stay down (Stateless off), toggle up again
// (AllowAllUp), and belong to a group (GroupID) in which one button of a
// parent is down at a time. Picture and caption go in one of nine layouts;
// the background can be blended with the parent's (SemiPercent). No themes.
//
// AllowAllUp toggles from the state saved at the press, so a click on a
// down button brings it up. The blend uses a capture of the parent under the
// button taken when the mouse enters, painted there and then (no messages
// run meanwhile); without a capture of the button's current size the
// background is Color.
#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPicture.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/TImage.h"

namespace zorbit {

enum class TGraphicLayout {
  glGraphicTopLeft,
  glGraphicTopCenter,
  glGraphicTopRight,
  glGraphicCenterLeft,
  glGraphicCenter,
  glGraphicCenterRight,
  glGraphicBottomLeft,
  glGraphicBottomCenter,
  glGraphicBottomRight,
};

class TImgBtn : public plat::TImage {
 public:
  explicit TImgBtn(plat::TComponent* AOwner);
  ~TImgBtn() override;

  // The normal picture; setting it also shows it.
  plat::TPicture* Pic() const { return FPic.get(); }
  void SetPic(const plat::TPicture* Value);
  // Shown while hovered and up.
  plat::TPicture* PicUp() const { return FPicUp.get(); }
  void SetPicUp(const plat::TPicture* Value) { FPicUp->SetGraphic(Value ? Value->Graphic() : nullptr); }
  // Shown while down.
  plat::TPicture* PicDown() const { return FPicDown.get(); }
  void SetPicDown(const plat::TPicture* Value) { FPicDown->SetGraphic(Value ? Value->Graphic() : nullptr); }

  // The caption's font when hovered and when down (Font when normal).
  plat::TFont* FontHightlight() const { return FFontHightlight.get(); }
  void SetFontHightlight(const plat::TFont* Value);
  plat::TFont* FontDown() const { return FFontDown.get(); }
  void SetFontDown(const plat::TFont* Value);
  plat::TColor DownColor() const { return FDownColor; }
  void SetDownColor(plat::TColor Value);

  bool Stateless() const { return FStateless; }
  void SetStateless(bool Value) { FStateless = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // -1: no group.
  int GroupID() const { return FGroupID; }
  void SetGroupID(int Value) { FGroupID = Value; }
  TGraphicLayout Layout() const { return FLayout; }
  void SetLayout(TGraphicLayout Value);
  plat::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(plat::TAlignment Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Gaps between picture and caption.
  int IdentX() const { return FIdentX; }
  void SetIdentX(int Value);
  int IdentY() const { return FIdentY; }
  void SetIdentY(int Value);
  // Sized to picture and caption when painted.
  void SetAutoSize(bool Value) override;
  // A one-pixel raised (up) or sunken (down) edge.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // Percent of the parent's background blended in; kept within 0..100.
  int SemiPercent() const { return FSemiPercent; }
  void SetSemiPercent(int Value);
  // Paints the background while hovered even when Transparent.
  bool ShowOver() const { return FShowOver; }
  void SetShowOver(bool Value);

  bool Down() const { return FDown; }

  void Click() override;

 protected:
  // Autosize happens as the button is painted.
  void AdjustSize() override {}
  void Paint() override;
  void WndProc(plat::TMessage& Message) override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

 private:
  bool Designing() const;
  void ShowPicture(const plat::TPicture& Picture) { this->Picture()->Assign(Picture); }
  void MouseEnter();
  void MouseLeave();
  // Every other TImgBtn of the parent in this group goes up.
  void ReleaseGroup();
  // The parent painted under the button into FParentCapture.
  void CaptureParent();
  void FillPictures();
  void UpdateAutoSize(int PictureWidth, int PictureHeight, int LineHeight, int TextWidth);
  void PaintBackground(plat::TCanvas& Canvas);
  void PaintCaption(plat::TCanvas& Canvas, plat::TRect Rect, bool CentreColumn);

  std::unique_ptr<plat::TPicture> FPic;
  std::unique_ptr<plat::TPicture> FPicUp;
  std::unique_ptr<plat::TPicture> FPicDown;
  std::unique_ptr<plat::TFont> FFontHightlight;
  std::unique_ptr<plat::TFont> FFontDown;
  plat::TColor FDownColor = plat::clWindow;
  bool FStateless = true;
  bool FAllowAllUp = false;
  int FGroupID = -1;
  TGraphicLayout FLayout = TGraphicLayout::glGraphicCenter;
  plat::TAlignment FAlignment = plat::TAlignment::taCenter;
  bool FWordWrap = false;
  int FIdentX = 0;
  int FIdentY = 0;
  bool FFlat = false;
  int FSemiPercent = 0;
  bool FShowOver = false;

  bool FDown = false;
  bool FHovered = false;
  bool FMouseHeld = false;
  bool FSavedDown = false;
  // While set the button paints nothing: the parent is being captured.
  bool FCapturing = false;
  plat::TBitmap FParentCapture;
};

}  // namespace zorbit
