// The advanced grid's paint beside the class library's string grid in the
// same run: a full 1280 x 800 grid of text cells painted into a bitmap, the
// advanced grid with bands, fixed cells in the XP look and a bold caption
// every fifth row, the string grid plainly with the same texts.
#include <benchmark/benchmark.h>


#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TStringGrid.h"
#include "support/GridOnBitmap.h"

namespace {

using namespace plat;

constexpr int Width = 1280;
constexpr int Height = 800;

// A borderless grid of type T filling 1280 x 800, every cell holding a
// text, and a bitmap to paint it into.
template <typename T>
struct TPaintSetup : gridbench::TGridOnBitmap<T> {
  TPaintSetup() : gridbench::TGridOnBitmap<T>({Width, Height, Width / 65 + 1, Height / 25 + 1, true}) {}
};

template <typename T>
void Measure(benchmark::State& state, TPaintSetup<T>& setup) {
  setup.Show();
  for (auto _ : state) setup.Paint();
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * setup.Cells(), benchmark::Counter::kIsRate);
}

void BM_AdvancedGridPaint(benchmark::State& state) {
  TPaintSetup<zorbit::TExtStringGrid> setup;
  setup.Grid()->Bands()->SetActive(true);
  for (int r = 1; r < setup.Grid()->RowCount(); r += 5)
    setup.Grid()->SetCellFontStyle(1, r, {TFontStyle::fsBold});
  Measure(state, setup);
}
BENCHMARK(BM_AdvancedGridPaint)->Unit(benchmark::kMillisecond);

void BM_StringGridPaintBaseline(benchmark::State& state) {
  TPaintSetup<TStringGrid> setup;
  Measure(state, setup);
}
BENCHMARK(BM_StringGridPaintBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
