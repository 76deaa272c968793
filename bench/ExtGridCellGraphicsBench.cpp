// One page of the advanced grid where every cell holds a check box or a
// progress bar (alternating, in the default XP look), beside the same page
// of plain text, painted into a bitmap in the same run. The goal: graphics
// cost at most twice the plain page.
#include <benchmark/benchmark.h>

#include "extgrid/TExtStringGrid.h"
#include "support/GridOnBitmap.h"

namespace {

constexpr int Width = 1280;
constexpr int Height = 800;

struct TPage : gridbench::TGridOnBitmap<zorbit::TExtStringGrid> {
  TPage() : gridbench::TGridOnBitmap<zorbit::TExtStringGrid>({Width, Height, Width / 65 + 1, Height / 25 + 1, true}) {}
};

void Measure(benchmark::State& state, TPage& page) {
  page.Show();
  for (auto _ : state) page.Paint();
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * page.Cells(), benchmark::Counter::kIsRate);
}

void BM_PlainTextPage(benchmark::State& state) {
  TPage page;
  Measure(state, page);
}
BENCHMARK(BM_PlainTextPage)->Unit(benchmark::kMillisecond);

void BM_CheckBoxAndProgressPage(benchmark::State& state) {
  TPage page;
  zorbit::TExtStringGrid* grid = page.Grid();
  for (int r = 1; r < grid->RowCount(); ++r)
    for (int c = 1; c < grid->ColCount(); ++c) {
      zorbit::TCellGraphic* graphic = grid->CreateCellGraphic(c, r);
      if ((r + c) % 2 == 0) {
        graphic->SetCellType(zorbit::TCellType::ctCheckBox);
        graphic->SetCellBoolean(r % 3 == 0);
        graphic->SetCellHAlign(zorbit::TCellHAlign::haBeforeText);
      } else {
        graphic->SetCellType(zorbit::TCellType::ctProgress);
        grid->SetCellText(c, r, std::to_string((r * 7 + c * 13) % 101));
      }
    }
  Measure(state, page);
}
BENCHMARK(BM_CheckBoxAndProgressPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
