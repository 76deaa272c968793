// The string grid beside its baselines in the same run:
// - painting a full 1280 x 800 grid of text cells into a bitmap, beside
//   DrawText of the same texts into the same cells of the same bitmap;
// - writing 1,000,000 cells (1,000 x 1,000) into the grid, beside filling a
//   vector of vectors of strings with the same texts; each reports the
//   heap bytes it holds per cell.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/TStringGrid.h"
#include "support/GridOnBitmap.h"
#include "support/HeapInUse.h"

namespace {

using namespace plat;

constexpr int Width = 1280;
constexpr int Height = 800;
constexpr int CellCols = 1000;
constexpr int CellRows = 1000;

using gridbench::CellText;
using gridbench::HeapInUse;

// A borderless grid whose client area is 1280 x 800, every cell shown
// holding a text.
struct TPaintSetup : gridbench::TGridOnBitmap<TStringGrid> {
  TPaintSetup() : TGridOnBitmap({Width, Height, Width / 65 + 1, Height / 25 + 1, true}) { Show(); }
};

void BM_GridPaint(benchmark::State& state) {
  TPaintSetup setup;
  for (auto _ : state) setup.Paint();
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * setup.Cells(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GridPaint)->Unit(benchmark::kMillisecond);

void BM_DrawTextSameCells(benchmark::State& state) {
  TPaintSetup setup;
  SelectObject(setup.DC(), setup.Grid()->Font()->Handle());
  std::vector<std::pair<RECT, String>> cells;
  for (int r = 0; r < setup.Grid()->RowCount(); ++r)
    for (int c = 0; c < setup.Grid()->ColCount(); ++c) {
      const TRect rect = setup.Grid()->CellRect(c, r);
      cells.push_back({RECT{rect.Left + 2, rect.Top + 2, rect.Right, rect.Bottom}, setup.Grid()->Cells(c, r)});
    }
  for (auto _ : state)
    for (auto& [rect, text] : cells)
      DrawTextA(setup.DC(), text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_NOPREFIX);
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * setup.Cells(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DrawTextSameCells)->Unit(benchmark::kMillisecond);

void BM_GridWriteMillionCells(benchmark::State& state) {
  gridbench::TUiSession session;
  long long held = 0;
  for (auto _ : state) {
    const long long before = HeapInUse();
    auto grid = std::make_unique<TStringGrid>(nullptr);
    grid->SetColCount(CellCols);
    grid->SetRowCount(CellRows);
    for (int r = 0; r < CellRows; ++r)
      for (int c = 0; c < CellCols; ++c) grid->SetCells(c, r, CellText(c, r));
    held = HeapInUse() - before;
    state.PauseTiming();
    grid.reset();
    state.ResumeTiming();
  }
  state.counters["bytes/cell"] = static_cast<double>(held) / (CellCols * CellRows);
  state.counters["MB/million"] = static_cast<double>(held) / (1 << 20);
}
BENCHMARK(BM_GridWriteMillionCells)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_VectorOfVectorsMillionCells(benchmark::State& state) {
  long long held = 0;
  for (auto _ : state) {
    const long long before = HeapInUse();
    auto cells = std::make_unique<std::vector<std::vector<std::string>>>(CellRows);
    for (int r = 0; r < CellRows; ++r) {
      (*cells)[static_cast<std::size_t>(r)].resize(CellCols);
      for (int c = 0; c < CellCols; ++c)
        (*cells)[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = CellText(c, r);
    }
    held = HeapInUse() - before;
    state.PauseTiming();
    cells.reset();
    state.ResumeTiming();
  }
  state.counters["bytes/cell"] = static_cast<double>(held) / (CellCols * CellRows);
  state.counters["MB/million"] = static_cast<double>(held) / (1 << 20);
}
BENCHMARK(BM_VectorOfVectorsMillionCells)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
