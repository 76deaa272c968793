#pragma once
// One axis of a grid (its columns or its rows): how many cells, how many
// fixed at the start, each cell's extent (the default unless one was set),
// the line width after each cell, and the first scrollable cell shown. From
// that and the client extent it answers where a cell starts, which cell lies
// under a pixel, how many cells show whole, and how far the view can scroll.
//
// Work is proportional to the cells on screen, never to the count, so that a
// grid of a hundred thousand rows scrolls as fast as a small one; memory is
// proportional to the last cell given an extent of its own. Extents set for
// cells beyond the count are dropped; extents below 0 count as 0.
#include <vector>

namespace plat {

// A cell that shows and the pixel where it starts.
struct TShownCell {
  int Index;
  int Start;
};

class TGridAxis {
 public:
  int Count() const { return FCount; }
  void SetCount(int Value);
  int Fixed() const { return FFixed; }
  void SetFixed(int Value) { FFixed = Value; }
  // The first scrollable cell shown (LeftCol or TopRow).
  int First() const { return FFirst; }
  void SetFirst(int Value) { FFirst = Value; }
  int LineWidth() const { return FLineWidth; }
  void SetLineWidth(int Value) { FLineWidth = Value; }

  int DefaultExtent() const { return FDefault; }
  // Forgets every extent set: all cells take the new default.
  void SetDefaultExtent(int Value);
  int Extent(int Index) const;
  void SetExtent(int Index, int Value);
  // Whether any cell has an extent of its own.
  bool HasExtents() const { return !FExtents.empty(); }
  void MoveExtent(int FromIndex, int ToIndex) { MoveExtents(FromIndex, 1, ToIndex); }
  // Moves the extents of cells FromIndex..FromIndex+Count-1 so that they
  // start at ToIndex; those between shift by Count.
  void MoveExtents(int FromIndex, int Count, int ToIndex);
  // The extents of cells Cells (ascending, no repeats, inside the count) go
  // to the last places in their order, the others closing up; the reverse
  // puts the last cells' places at Cells with the extents given.
  void GatherExtents(const std::vector<int>& Cells);
  void ScatterExtents(const std::vector<int>& Cells, const std::vector<int>& Extents);

  // The pixel where the scrollable cells start (after the fixed ones).
  int FixedBoundary() const;
  // Where a fixed cell or a shown scrollable cell starts; -1 for a cell
  // scrolled out before First, or one starting at or past ClientExtent.
  int Start(int Index, int ClientExtent) const;
  // The cell under a pixel (lines belong to the cell before them); -1 past
  // the last cell or the client extent.
  int IndexAt(int Pixel, int ClientExtent) const;
  // The last cell that shows whole (at least First when any shows).
  int LastFullVisible(int ClientExtent) const;
  // Scrollable cells that show whole, at least 1.
  int VisibleCount(int ClientExtent) const;
  // The last cell that shows at all.
  int LastVisible(int ClientExtent) const;
  // Where the drawn cells end (their last line included), within the client.
  int GridExtent(int ClientExtent) const;
  // The largest First that still fills the view with the last cells.
  int MaxFirst(int ClientExtent) const;
  // The First closest to the present one that shows Index whole (or as
  // much of it as fits).
  int FirstShowing(int Index, int ClientExtent) const;
  // The cells that show, fixed ones first.
  std::vector<TShownCell> Shown(int ClientExtent) const;
  // The pixels the shown cells Low..High cover, lines included and cut to
  // the client; false when none of them shows.
  bool Span(int Low, int High, int ClientExtent, int& From, int& To) const;

 private:
  int FCount = 5;
  int FFixed = 1;
  int FFirst = 1;
  int FLineWidth = 1;
  int FDefault = 24;
  std::vector<int> FExtents;  // up to the last cell sized; the default after it
};

}  // namespace plat
