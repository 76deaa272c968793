#include "platform/ui/TToolWindow.h"

#include "platform/gdi/StandardLooks.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

int RingCount(TEdgeStyle Inner, TEdgeStyle Outer) {
  return (Inner != TEdgeStyle::esNone ? 1 : 0) + (Outer != TEdgeStyle::esNone ? 1 : 0);
}

}  // namespace

TToolWindow::TToolWindow(TComponent* AOwner) : TCustomControl(AOwner) {}

void TToolWindow::SetEdgeBorders(TEdgeBorders Value) {
  if (FEdgeBorders == Value) return;
  FEdgeBorders = Value;
  EdgeChanged();
}

void TToolWindow::SetEdgeInner(TEdgeStyle Value) {
  if (FEdgeInner == Value) return;
  FEdgeInner = Value;
  EdgeChanged();
}

void TToolWindow::SetEdgeOuter(TEdgeStyle Value) {
  if (FEdgeOuter == Value) return;
  FEdgeOuter = Value;
  EdgeChanged();
}

TRect TToolWindow::EdgeSizes() const {
  const int rings = RingCount(FEdgeInner, FEdgeOuter);
  const auto side = [&](TEdgeBorder Border) { return FEdgeBorders.Contains(Border) ? rings : 0; };
  return {side(TEdgeBorder::ebLeft), side(TEdgeBorder::ebTop), side(TEdgeBorder::ebRight), side(TEdgeBorder::ebBottom)};
}

void TToolWindow::EdgeChanged() {
  if (!HandleAllocated()) return;
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Invalidate();
}

void TToolWindow::WMNCCalcSize(TMessage& Message) {
  DefaultHandler(Message);
  RECT* rect = NcCalcSizeRect(Message.WParam, Message.LParam);
  if (!rect) return;
  const TRect edge = EdgeSizes();
  rect->Left += edge.Left;
  rect->Top += edge.Top;
  rect->Right -= edge.Right;
  rect->Bottom -= edge.Bottom;
}

void TToolWindow::WMNCPaint(TMessage& Message) {
  DefaultHandler(Message);
  const int rings = RingCount(FEdgeInner, FEdgeOuter);
  if (rings == 0 || FEdgeBorders.Empty()) return;
  const HDC dc = GetWindowDC(Handle());
  if (!dc) return;
  const ScopeExit released([this, dc] { ReleaseDC(Handle(), dc); });
  UINT edge = 0;
  if (FEdgeOuter != TEdgeStyle::esNone) edge |= FEdgeOuter == TEdgeStyle::esRaised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER;
  if (FEdgeInner != TEdgeStyle::esNone) edge |= FEdgeInner == TEdgeStyle::esRaised ? BDR_RAISEDINNER : BDR_SUNKENINNER;
  UINT sides = 0;
  if (FEdgeBorders.Contains(TEdgeBorder::ebLeft)) sides |= BF_LEFT;
  if (FEdgeBorders.Contains(TEdgeBorder::ebTop)) sides |= BF_TOP;
  if (FEdgeBorders.Contains(TEdgeBorder::ebRight)) sides |= BF_RIGHT;
  if (FEdgeBorders.Contains(TEdgeBorder::ebBottom)) sides |= BF_BOTTOM;
  RECT whole{0, 0, Width(), Height()};
  DrawEdge(dc, &whole, edge, sides);
}

void TToolWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: WMNCCalcSize(Message); return;
    case WM_NCPAINT: WMNCPaint(Message); return;
    default: TCustomControl::WndProc(Message); return;
  }
}

}  // namespace plat
