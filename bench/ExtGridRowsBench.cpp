// The advanced grid's rows beside the class library's string grid in the
// same run, both 100,000 rows x 10 columns of text on the headless display:
// - scrolling page by page from the top to the end, painting each page
//   into a bitmap;
// - inserting one row in the middle: the advanced grid's InsertRows beside
//   the string grid's own way (one more row, the last moved to the middle).
#include <benchmark/benchmark.h>


#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TStringGrid.h"
#include "support/GridOnBitmap.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/ScrollBars.h"

namespace {

using namespace plat;

constexpr int Rows = 100000;
constexpr int Cols = 10;
constexpr int Width = 800;
constexpr int Height = 600;

// The string grid with its row move reachable, as a descendant reaches it.
class TMovingGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  using TCustomGrid::MoveRow;
};

// A shown grid of the given class, filled, and a bitmap to paint it into.
template <typename TGrid>
struct TSetup : gridbench::TGridOnBitmap<TGrid> {
  TSetup() : gridbench::TGridOnBitmap<TGrid>({Width, Height, Cols, Rows, false}) { this->Show(); }
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

}  // namespace

BENCHMARK_MAIN();
