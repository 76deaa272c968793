// The advanced grid's rows beside the class library's string grid in the
// same run, both 100,000 rows x 10 columns of text on the headless display:
// - scrolling page by page from the top to the end, painting each page
//   into a bitmap, both grids with the same row height so that a page
//   holds the same rows;
// - inserting one row in the middle: the advanced grid's InsertRows beside
//   the string grid's own way (one more row, the last moved to the middle);
// - the heap the advanced grid holds for those cells, beside a vector of
//   vectors of strings holding the same texts.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TStringGrid.h"
#include "support/GridOnBitmap.h"
#include "support/HeapInUse.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/ScrollBars.h"

namespace {

using namespace plat;

constexpr int Rows = 100000;
constexpr int Cols = 10;
constexpr int Width = 800;
constexpr int Height = 600;
constexpr int RowHeight = 21;

// The string grid with its row move reachable, as a descendant reaches it.
class TMovingGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  using TCustomGrid::MoveRow;
};

// A shown grid of the given class, filled, and a bitmap to paint it into.
template <typename TGrid>
struct TSetup : gridbench::TGridOnBitmap<TGrid> {
  TSetup() : gridbench::TGridOnBitmap<TGrid>({Width, Height, Cols, Rows, false}) {
    this->Grid()->SetDefaultRowHeight(RowHeight);
    this->Show();
  }
};

template <typename TGrid>
void ScrollAllPages(benchmark::State& state) {
  TSetup<TGrid> setup;
  long long pages = 0;
  for (auto _ : state) {
    setup.Grid()->SetTopRow(1);
    for (int last = -1; setup.Grid()->TopRow() != last;) {
      last = setup.Grid()->TopRow();
      SendMessage(setup.Grid()->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
      setup.Paint();
      ++pages;
    }
  }
  state.counters["pages/s"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
}

void BM_ExtGridScrollPages(benchmark::State& state) { ScrollAllPages<zorbit::TExtStringGrid>(state); }
BENCHMARK(BM_ExtGridScrollPages)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_StringGridScrollPages(benchmark::State& state) { ScrollAllPages<TStringGrid>(state); }
BENCHMARK(BM_StringGridScrollPages)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExtGridInsertMiddleRow(benchmark::State& state) {
  TSetup<zorbit::TExtStringGrid> setup;
  for (auto _ : state) setup.Grid()->InsertRows(Rows / 2, 1);
}
BENCHMARK(BM_ExtGridInsertMiddleRow)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_StringGridInsertMiddleRow(benchmark::State& state) {
  TSetup<TMovingGrid> setup;
  for (auto _ : state) {
    setup.Grid()->SetRowCount(setup.Grid()->RowCount() + 1);
    setup.Grid()->MoveRow(setup.Grid()->RowCount() - 1, Rows / 2);
  }
}
BENCHMARK(BM_StringGridInsertMiddleRow)->Unit(benchmark::kMicrosecond)->Iterations(200);

// Heap bytes per cell and in all, the same texts in both.
void ReportHeld(benchmark::State& state, long long held) {
  state.counters["bytes/cell"] = static_cast<double>(held) / (static_cast<double>(Rows) * Cols);
  state.counters["MB"] = static_cast<double>(held) / (1 << 20);
}

void BM_ExtGridHoldCells(benchmark::State& state) {
  gridbench::TUiSession session;
  long long held = 0;
  for (auto _ : state) {
    const long long before = gridbench::HeapInUse();
    auto form = std::make_unique<plat::TForm>(nullptr);
    auto* grid = new zorbit::TExtStringGrid(form.get());
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, gridbench::CellText(c, r));
    held = gridbench::HeapInUse() - before;
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
  ReportHeld(state, held);
}
BENCHMARK(BM_ExtGridHoldCells)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_VectorOfVectorsHoldCells(benchmark::State& state) {
  long long held = 0;
  for (auto _ : state) {
    const long long before = gridbench::HeapInUse();
    auto cells = std::make_unique<std::vector<std::vector<std::string>>>(Rows);
    for (int r = 0; r < Rows; ++r) {
      (*cells)[static_cast<std::size_t>(r)].resize(Cols);
      for (int c = 0; c < Cols; ++c)
        (*cells)[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = gridbench::CellText(c, r);
    }
    held = gridbench::HeapInUse() - before;
    state.PauseTiming();
    cells.reset();
    state.ResumeTiming();
  }
  ReportHeld(state, held);
}
BENCHMARK(BM_VectorOfVectorsHoldCells)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
