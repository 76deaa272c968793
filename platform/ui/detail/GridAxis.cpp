#include "platform/ui/detail/GridAxis.h"

#include <algorithm>

namespace plat {

void TGridAxis::SetCount(int Value) {
  FCount = Value;
  if (static_cast<int>(FExtents.size()) > Value) FExtents.resize(static_cast<std::size_t>(Value));
}

void TGridAxis::SetDefaultExtent(int Value) {
  FDefault = std::max(Value, 0);
  FExtents.clear();
}

int TGridAxis::Extent(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(FExtents.size())) return FDefault;
  return FExtents[static_cast<std::size_t>(Index)];
}

void TGridAxis::SetExtent(int Index, int Value) {
  if (Index < 0 || Index >= FCount) return;
  // Only up to the last cell sized: a huge count costs nothing until then.
  if (Index >= static_cast<int>(FExtents.size())) FExtents.resize(static_cast<std::size_t>(Index) + 1, FDefault);
  FExtents[static_cast<std::size_t>(Index)] = std::max(Value, 0);
}

void TGridAxis::MoveExtents(int FromIndex, int Count, int ToIndex) {
  if (FExtents.empty() || FromIndex == ToIndex || Count < 1) return;
  const auto needed = static_cast<std::size_t>(std::max(FromIndex, ToIndex)) + static_cast<std::size_t>(Count);
  if (FExtents.size() < needed) FExtents.resize(needed, FDefault);
  const auto from = FExtents.begin() + FromIndex;
  const auto to = FExtents.begin() + ToIndex;
  if (FromIndex < ToIndex)
    std::rotate(from, from + Count, to + Count);
  else
    std::rotate(to, from, from + Count);
}

void TGridAxis::GatherExtents(const std::vector<int>& Cells) {
  if (FExtents.empty() || Cells.empty()) return;
  FExtents.resize(static_cast<std::size_t>(FCount), FDefault);
  std::vector<int> gathered;
  gathered.reserve(FExtents.size());
  std::size_t next = 0;
  for (int i = 0; i < FCount; ++i) {
    if (next < Cells.size() && Cells[next] == i)
      ++next;
    else
      gathered.push_back(FExtents[static_cast<std::size_t>(i)]);
  }
  for (const int cell : Cells) gathered.push_back(FExtents[static_cast<std::size_t>(cell)]);
  FExtents = std::move(gathered);
}

void TGridAxis::ScatterExtents(const std::vector<int>& Cells, const std::vector<int>& Extents) {
  if (Cells.empty()) return;
  const bool plain = std::all_of(Extents.begin(), Extents.end(), [this](int e) { return std::max(e, 0) == FDefault; });
  if (FExtents.empty() && plain) return;
  FExtents.resize(static_cast<std::size_t>(FCount), FDefault);
  const std::size_t staying = FExtents.size() - Cells.size();
  std::vector<int> scattered;
  scattered.reserve(FExtents.size());
  std::size_t next = 0, kept = 0;
  for (int i = 0; i < FCount; ++i) {
    if (next < Cells.size() && Cells[next] == i)
      scattered.push_back(std::max(Extents[next++], 0));
    else
      scattered.push_back(kept < staying ? FExtents[kept++] : FDefault);
  }
  FExtents = std::move(scattered);
}

int TGridAxis::FixedBoundary() const {
  int pixel = 0;
  for (int i = 0; i < FFixed; ++i) pixel += Extent(i) + FLineWidth;
  return pixel;
}

int TGridAxis::Start(int Index, int ClientExtent) const {
  if (Index < 0 || Index >= FCount) return -1;
  int pixel = 0;
  if (Index < FFixed) {
    for (int i = 0; i < Index; ++i) pixel += Extent(i) + FLineWidth;
    return pixel < ClientExtent ? pixel : -1;
  }
  if (Index < FFirst) return -1;
  pixel = FixedBoundary();
  // No cell from First on has an extent of its own: no walk needed.
  if (static_cast<int>(FExtents.size()) <= FFirst) {
    const long long start = pixel + static_cast<long long>(Index - FFirst) * (FDefault + FLineWidth);
    return start < ClientExtent ? static_cast<int>(start) : -1;
  }
  for (int i = FFirst; i < Index && pixel < ClientExtent; ++i) pixel += Extent(i) + FLineWidth;
  return pixel < ClientExtent ? pixel : -1;
}

int TGridAxis::IndexAt(int Pixel, int ClientExtent) const {
  if (Pixel < 0 || Pixel >= ClientExtent) return -1;
  int end = 0;
  for (int i = 0; i < FFixed && i < FCount; ++i) {
    end += Extent(i) + FLineWidth;
    if (Pixel < end) return i;
  }
  for (int i = FFirst; i < FCount && end < ClientExtent; ++i) {
    end += Extent(i) + FLineWidth;
    if (Pixel < end) return i;
  }
  return -1;
}

int TGridAxis::LastFullVisible(int ClientExtent) const {
  int end = FixedBoundary();
  int last = FFirst;
  for (int i = FFirst; i < FCount; ++i) {
    end += Extent(i) + FLineWidth;
    // The line after a cell may fall outside; the cell still shows whole.
    if (end - FLineWidth > ClientExtent) break;
    last = i;
  }
  return std::min(last, std::max(FCount - 1, 0));
}

int TGridAxis::VisibleCount(int ClientExtent) const { return std::max(LastFullVisible(ClientExtent) - FFirst + 1, 1); }

int TGridAxis::LastVisible(int ClientExtent) const {
  int end = FixedBoundary();
  int last = FFirst - 1;
  for (int i = FFirst; i < FCount && end < ClientExtent; ++i) {
    end += Extent(i) + FLineWidth;
    last = i;
  }
  return last;
}

int TGridAxis::GridExtent(int ClientExtent) const {
  int end = FixedBoundary();
  for (int i = FFirst; i < FCount && end < ClientExtent; ++i) end += Extent(i) + FLineWidth;
  return std::min(end, ClientExtent);
}

int TGridAxis::MaxFirst(int ClientExtent) const {
  const int room = ClientExtent - FixedBoundary();
  int first = FCount - 1;
  int used = Extent(first) + FLineWidth;
  // The last cell's line may fall outside the view.
  while (first > FFixed && used + Extent(first - 1) <= room) {
    --first;
    used += Extent(first) + FLineWidth;
  }
  return std::max(first, FFixed);
}

int TGridAxis::FirstShowing(int Index, int ClientExtent) const {
  if (Index < FFixed) return FFirst;
  if (Index < FFirst) return Index;
  if (Index <= LastFullVisible(ClientExtent) && Start(Index, ClientExtent) >= 0) return FFirst;
  // Index becomes the last cell that shows whole.
  const int room = ClientExtent - FixedBoundary();
  int first = Index;
  int used = Extent(Index);
  while (first > FFixed && used + FLineWidth + Extent(first - 1) <= room) {
    --first;
    used += FLineWidth + Extent(first);
  }
  return first;
}

std::vector<TShownCell> TGridAxis::Shown(int ClientExtent) const {
  std::vector<TShownCell> cells;
  int pixel = 0;
  for (int i = 0; i < FFixed && i < FCount && pixel < ClientExtent; ++i) {
    cells.push_back({i, pixel});
    pixel += Extent(i) + FLineWidth;
  }
  for (int i = FFirst; i < FCount && pixel < ClientExtent; ++i) {
    cells.push_back({i, pixel});
    pixel += Extent(i) + FLineWidth;
  }
  return cells;
}

bool TGridAxis::Span(int Low, int High, int ClientExtent, int& From, int& To) const {
  const int last = LastVisible(ClientExtent);
  if (Low >= FFixed && Low < FFirst) Low = FFirst;
  if (High > last) High = last;
  if (High >= FFixed && High < FFirst) High = FFixed - 1;
  if (Low < 0) Low = 0;
  if (Low > High) return false;
  From = Start(Low, ClientExtent);
  const int start = Start(High, ClientExtent);
  if (From < 0 || start < 0) return false;
  To = std::min(start + Extent(High) + FLineWidth, ClientExtent);
  return true;
}

}  // namespace plat
