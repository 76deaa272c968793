// Proportional scroll bars: the thumb's page is the share of the normal
// rows (columns) that the grid shows, while the positions stay 0..127 (the
// range grows so that the last position is still 127).
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/Nearest.h"
#include "platform/win/ScrollBars.h"

namespace zorbit {

using detail::Nearest;

namespace {

constexpr int ThumbRange = 127;
constexpr float Whole = 0.9999f;

}  // namespace

void TExtStringGrid::SetScrollProportional(bool Value) {
  FScrollProportional = Value;
  if (Value) {
    UpdateProportionalScroll();
  } else if (HandleAllocated()) {
    // Standard thumbs again: no page.
    plat::SCROLLINFO info{};
    info.fMask = plat::SIF_PAGE;
    plat::SetScrollInfo(Handle(), plat::SB_HORZ, &info, true);
    plat::SetScrollInfo(Handle(), plat::SB_VERT, &info, true);
  }
}

void TExtStringGrid::UpdateProportionalScroll() {
  UpdateProportionalBar(false);
  UpdateProportionalBar(true);
}

void TExtStringGrid::UpdateProportionalBar(bool Vertical) {
  if (Loading() || Designing() || !FScrollProportional || !HandleAllocated()) return;
  const int bar = Vertical ? plat::SB_VERT : plat::SB_HORZ;
  plat::SCROLLINFO info{};
  info.fMask = plat::SIF_ALL;
  plat::GetScrollInfo(Handle(), bar, &info);
  const int w = GridLineWidth();
  const int fixedCount = Vertical ? TBaseGrid::FixedRows() : TBaseGrid::FixedCols();
  const int count = Vertical ? RowCount() : ColCount();
  const int first = Vertical ? TopRow() : LeftCol();
  const auto extent = [this, Vertical](int Index) { return Vertical ? RowHeights(Index) : ColWidths(Index); };
  long long fixed = w;
  for (int i = 0; i < fixedCount; ++i) fixed += w + extent(i);
  long long total = w;
  long long scrolled = w;
  for (int i = fixedCount; i < count; ++i) {
    total += w + extent(i);
    if (i < first) scrolled += w + extent(i);
  }
  const int size = Vertical ? Height() : Width();
  const float d = static_cast<float>(size - fixed) / static_cast<float>(total);
  // All in view, or a grid too small to show any normal cell: no thumb to size.
  if (d >= Whole || d <= 0) return;
  info.fMask = plat::SIF_ALL;
  info.nMin = 0;
  info.nMax = Nearest((ThumbRange + d) / (1 - d));
  info.nPage = static_cast<plat::UINT>(info.nMax - (ThumbRange - 1));
  if (size < total)
    info.nPos = Nearest(static_cast<double>(scrolled) / static_cast<double>(total - size) * (ThumbRange + 1));
  else if (Vertical)
    info.nPos = ThumbRange;
  plat::SetScrollInfo(Handle(), bar, &info, true);
  CopyScrollInfoToFlat(bar);
}

}  // namespace zorbit
