#pragma once
// The grid's quick sort over rows Lo..Hi. Each range takes the row in its
// middle as pivot (TakePivot copies it aside, as PivotRow); index i climbs
// over the rows the pivot orders after, j descends over the rows that order
// after the pivot, and the two rows they stop at are exchanged, until they
// cross. Where equal rows end up follows from exactly this scheme, so every
// sort of the grid runs it.
//
// Compare(A, B) answers -1, 0 or 1 (either may be PivotRow); Sign is 1 for
// ascending and -1 for descending. Exchange(I, J) is asked for each pair
// (I < J) the scheme would exchange and may decline.
//
// Promises: the nesting stays within log2 of the rows, whatever the input:
// the smaller side of a split is sorted by a nested call and the larger one
// by the same call again, which gives the same order as sorting both by
// nested calls. Returns the deepest nesting reached (1 for a single range,
// 0 when there is nothing to sort).
#include <algorithm>
#include <type_traits>

namespace zorbit::detail {

namespace quicksort {

template <typename TTakePivot, typename TCompare, typename TExchange>
struct TRun {
  int PivotRow;
  int Sign;
  TTakePivot& TakePivot;
  TCompare& Compare;
  TExchange& Exchange;
  int Deepest = 0;

  void Sort(int Lo, int Hi, int Depth) {
    while (Lo < Hi) {
      Deepest = std::max(Deepest, Depth);
      TakePivot(Lo + (Hi - Lo) / 2);
      int i = Lo;
      int j = Hi;
      do {
        while (i < Hi && Compare(PivotRow, i) == Sign) ++i;
        while (j > Lo && Compare(j, PivotRow) == Sign) --j;
        if (j >= i) {
          if (i != j) Exchange(i, j);
          --j;
          ++i;
        }
      } while (j >= i);
      // Lo..j and i..Hi are sorted apart; the smaller one nested.
      if (j - Lo < Hi - i) {
        Sort(Lo, j, Depth + 1);
        Lo = i;
      } else {
        Sort(i, Hi, Depth + 1);
        Hi = j;
      }
    }
  }
};

}  // namespace quicksort

template <typename TTakePivot, typename TCompare, typename TExchange>
int QuickSortRows(int Lo, int Hi, int PivotRow, int Sign, TTakePivot&& TakePivot, TCompare&& Compare,
                  TExchange&& Exchange) {
  quicksort::TRun<std::remove_reference_t<TTakePivot>, std::remove_reference_t<TCompare>,
                  std::remove_reference_t<TExchange>>
      run{PivotRow, Sign, TakePivot, Compare, Exchange};
  run.Sort(Lo, Hi, 1);
  return run.Deepest;
}

}  // namespace zorbit::detail
