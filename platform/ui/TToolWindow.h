#pragma once
// A windowed control with a 3-D edge on chosen sides, drawn in its frame
// (the non-client area), so the client area lies inside the edge. Each ring
// of the edge (EdgeOuter, then EdgeInner) that is not esNone takes one pixel
// on every side named in EdgeBorders. The base of tool bars.
#include "platform/ui/TCustomControl.h"
#include "platform/ui/ToolBarTypes.h"

namespace plat {

class TToolWindow : public TCustomControl {
 public:
  // All four sides, raised inside and lowered outside.
  explicit TToolWindow(TComponent* AOwner);

  TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
  void SetEdgeBorders(TEdgeBorders Value);
  TEdgeStyle EdgeInner() const { return FEdgeInner; }
  void SetEdgeInner(TEdgeStyle Value);
  TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
  void SetEdgeOuter(TEdgeStyle Value);

  // The pixels the edge takes on each side (Left, Top, Right, Bottom).
  TRect EdgeSizes() const;

 protected:
  void WndProc(TMessage& Message) override;
  // The edge changed: the frame is worked out and drawn again.
  virtual void EdgeChanged();

 private:
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);

  TEdgeBorders FEdgeBorders{TEdgeBorder::ebLeft, TEdgeBorder::ebTop, TEdgeBorder::ebRight, TEdgeBorder::ebBottom};
  TEdgeStyle FEdgeInner = TEdgeStyle::esRaised;
  TEdgeStyle FEdgeOuter = TEdgeStyle::esLowered;
};

}  // namespace plat
