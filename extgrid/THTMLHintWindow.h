#pragma once
// THTMLHintWindow: the hint window that shows its text as HTML of the
// grid dialect. It is measured as HTML within the width given; shown, it
// is 16 pixels wider and 4 higher than its text (measured within 1,008
// pixels), kept on the screen (moved left to end 2 pixels before the
// screen's right edge, up to end 2 pixels above its bottom, when it fits at
// all), top-most and without taking the activation. It paints a flat
// frame (cl3DLight top and left, cl3DDkShadow bottom and right) and the
// text 4 pixels in from the left, centred vertically. It has no border of
// its own and casts a drop shadow on systems that have one.
#include "platform/ui/THintWindow.h"

namespace zorbit {

class THTMLHintWindow : public plat::THintWindow {
 public:
  explicit THTMLHintWindow(plat::TComponent* AOwner);

  plat::TRect CalcHintRect(int MaxWidth, const plat::String& AHint) override;
  void ActivateHint(plat::TRect Rect, const plat::String& AHint) override;
  // The size of the text last measured for showing.
  int TextWidth() const { return FTextWidth; }
  int TextHeight() const { return FTextHeight; }

  // The widest a shown hint's text is measured in.
  static constexpr int MaxTextWidth = 1008;

 protected:
  void CreateParams(plat::TCreateParams& Params) override;
  void Paint() override;
  void WndProc(plat::TMessage& Message) override;

 private:
  // The text's size rendered as HTML within MaxWidth, in the hint's font.
  plat::TPoint MeasureHtml(const plat::String& Html, int MaxWidth);

  int FTextWidth = 0;
  int FTextHeight = 0;
};

}  // namespace zorbit
