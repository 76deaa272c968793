// Loading a text grid stream into a shown advanced grid, beside cutting the
// same stream's lines at their first two commas into numbers and texts in a
// plain loop, in the same run, at 1,000 to 64,000 cells in two shapes:
// - diagonal: an N x N grid holding its N cells on the diagonal (a width
//   line per column, one cell line per row);
// - dense: a square grid of about N cells, every one of them filled.
// Both report cells/s: a flat rate over the sizes is a load that grows in
// proportion to the stream, and the ratio of the two rates is the price of
// the grid over the bare parse.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/TForm.h"
#include "support/GridOnBitmap.h"

namespace {

enum class TShape { Diagonal, Dense };

struct TGridText {
  std::string Text;
  int Cells = 0;
};

// The stream SaveGridText writes for the shape, fixed cells included.
TGridText MakeGridText(TShape Shape, int Cells) {
  const int side = Shape == TShape::Diagonal ? Cells : static_cast<int>(std::lround(std::sqrt(Cells)));
  TGridText made;
  made.Text = std::to_string(side) + "," + std::to_string(side) + "\r\n";
  for (int c = 0; c < side; ++c) made.Text += "cw " + std::to_string(c) + ",64\r\n";
  const auto addCell = [&made](int c, int r) {
    made.Text += std::to_string(c) + "," + std::to_string(r) + "," + gridbench::CellText(c, r) + "\r\n";
    ++made.Cells;
  };
  for (int r = 0; r < side; ++r) {
    if (Shape == TShape::Diagonal) {
      addCell(r, r);
      continue;
    }
    for (int c = 0; c < side; ++c) addCell(c, r);
  }
  return made;
}

void LoadIntoGrid(benchmark::State& state, TShape Shape) {
  const TGridText text = MakeGridText(Shape, static_cast<int>(state.range(0)));
  gridbench::TUiSession session;
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<plat::TForm>(nullptr);
    form->SetBounds(0, 0, 640, 480);
    auto* grid = new zorbit::TExtStringGrid(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 600, 400);
    grid->HandleNeeded();
    plat::TStringStream stream(text.Text);
    state.ResumeTiming();
    grid->LoadGridText(stream);
    benchmark::DoNotOptimize(grid->RowCount());
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * text.Cells, benchmark::Counter::kIsRate);
}

struct TParsedCell {
  int Col = 0;
  int Row = 0;
  std::string Text;
};

// The least a reader of the format does: every line cut at its first two
// commas, the numbers converted, the texts kept.
void ParseLines(benchmark::State& state, TShape Shape) {
  const TGridText text = MakeGridText(Shape, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<TParsedCell> cells;
    const std::string_view all = text.Text;
    for (std::size_t at = 0; at < all.size();) {
      const std::size_t end = all.find("\r\n", at);
      const std::string_view line = all.substr(at, end - at);
      at = end + 2;
      const std::size_t comma1 = line.find(',');
      const std::size_t comma2 = line.find(',', comma1 + 1);
      TParsedCell cell;
      const std::string_view first = line.substr(0, comma1);
      const std::string_view second = line.substr(comma1 + 1, comma2 - comma1 - 1);
      const std::size_t digits = first.starts_with("cw ") ? 3 : 0;
      std::from_chars(first.data() + digits, first.data() + first.size(), cell.Col);
      std::from_chars(second.data(), second.data() + second.size(), cell.Row);
      if (comma2 != std::string_view::npos) cell.Text = line.substr(comma2 + 1);
      cells.push_back(std::move(cell));
    }
    benchmark::DoNotOptimize(cells.data());
  }
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * text.Cells, benchmark::Counter::kIsRate);
}

void BM_LoadGridTextDiagonal(benchmark::State& state) { LoadIntoGrid(state, TShape::Diagonal); }
void BM_ParseLinesDiagonal(benchmark::State& state) { ParseLines(state, TShape::Diagonal); }
void BM_LoadGridTextDense(benchmark::State& state) { LoadIntoGrid(state, TShape::Dense); }
void BM_ParseLinesDense(benchmark::State& state) { ParseLines(state, TShape::Dense); }

void Sizes(benchmark::internal::Benchmark* b) {
  for (int cells : {1000, 4000, 16000, 64000}) b->Arg(cells);
  b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_LoadGridTextDiagonal)->Apply(Sizes);
BENCHMARK(BM_ParseLinesDiagonal)->Apply(Sizes);
BENCHMARK(BM_LoadGridTextDense)->Apply(Sizes);
BENCHMARK(BM_ParseLinesDense)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
