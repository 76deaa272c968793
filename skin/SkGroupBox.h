#pragma once
// The skinned group box: a panel (TskCustomPanel) that draws a one-pixel
// frame in BorderColor with its caption set into the top line, and passes
// its style and theme on to the skinned controls directly inside it.
//
// Its caption is its own text; the panel's text stays one blank. Applying a
// style (every UIStyle or FileTheme change) first gives the direct children
// that publish FileTheme and UIStyle this box's theme and style, then sets
// BorderColor from "ControlBorderColor" and the font colour from
// "ControlFontColor". A deleted theme is forgotten: the children get
// DeepBlue and no theme first, then the box takes DeepBlue.
//
// Children go inside 3 pixels at the left, right and bottom, and below the
// caption line (the font's height + 5) at the top.
#include "skin/SkImagePanel.h"
#include "skin/ThemeElements.h"

namespace zorbit {

class TskFileTheme;

class TskCustomGroupBox : public TskCustomPanel {
 public:
  explicit TskCustomGroupBox(plat::TComponent* AOwner);

  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value);
  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  const plat::String& Caption() const { return FCaption; }
  void SetCaption(const plat::String& Value);
  plat::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(plat::TColor Value);

 protected:
  virtual void ApplyGroupStyle(TskUIStyle Style);

  void PaintTo(plat::TCanvas& Canvas) override;
  void AdjustClientRect(plat::TRect& Rect) override;
  void WndProc(plat::TMessage& Message) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  int FontHeight() const;

  TskFileTheme* FFileTheme = nullptr;
  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  plat::String FCaption;
  plat::TColor FBorderColor = plat::clBlack;
};

class TskGroupBox : public TskCustomGroupBox {
 public:
  using TskCustomGroupBox::TskCustomGroupBox;
};

}  // namespace zorbit
