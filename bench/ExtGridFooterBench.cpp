// Column aggregates and footers beside plain loops over the same texts, in
// the same run:
// - summing a column of 1,000,000 rows with SumOfColumn, with no hidden
//   rows and with every other row hidden (500,000, read from their saved
//   cells), beside a loop that parses the same 1,000,000 texts with strtod
//   and adds them (goal: at most 3 times the loop);
// - the footer recalculation after one edit on 100,000 rows (the cell
//   written, then CellsChanged recalculating every footer; one column sums),
//   beside the loop over that column's 100,000 texts and beside one
//   SumOfColumn of it (goal: at most 2 times summing the column once).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "support/GridOnBitmap.h"

namespace {

constexpr int Cols = 3;
constexpr int SumCol = 1;

std::string NumberText(int Row) { return std::to_string(Row % 1000) + "." + std::to_string(Row % 100); }

// A grid of one fixed row and Rows number rows in column SumCol.
struct TNumberGrid {
  explicit TNumberGrid(int Rows) : Setup({800, 600, Cols, 1, false}) {
    zorbit::TExtStringGrid* grid = Setup.Grid();
    grid->SetRowCount(Rows + 1);
    for (int r = 1; r <= Rows; ++r) grid->SetCells(SumCol, r, NumberText(r));
  }
  gridbench::TGridOnBitmap<zorbit::TExtStringGrid> Setup;
};

double PlainSum(const std::vector<std::string>& Texts) {
  double sum = 0;
  for (const std::string& text : Texts) sum += std::strtod(text.c_str(), nullptr);
  return sum;
}

std::vector<std::string> NumberTexts(int Rows) {
  std::vector<std::string> texts;
  texts.reserve(static_cast<std::size_t>(Rows));
  for (int r = 1; r <= Rows; ++r) texts.push_back(NumberText(r));
  return texts;
}

void BM_PlainSumLoop(benchmark::State& state) {
  const std::vector<std::string> texts = NumberTexts(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PlainSum(texts));
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(texts.size()),
                                                benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlainSumLoop)->Arg(1000000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Range 0: the rows; range 1: every other row hidden (1) or none (0).
void BM_SumOfColumn(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  TNumberGrid numbers(rows);
  zorbit::TExtStringGrid* grid = numbers.Setup.Grid();
  if (state.range(1)) {
    std::vector<int> hide;
    for (int r = 2; r <= rows; r += 2) hide.push_back(r);
    grid->HideRowList(hide);
  }
  // Past the rows on show the range counts the hidden ones too.
  const int last = grid->RowCount() + grid->HiddenRowCount() - 1;
  for (auto _ : state) benchmark::DoNotOptimize(grid->SumOfColumn(SumCol, 1, last));
  state.counters["hidden"] = grid->HiddenRowCount();
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * rows, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SumOfColumn)->Args({1000000, 0})->Args({1000000, 1})->Args({100000, 0})->Unit(benchmark::kMillisecond);

void BM_FooterAfterOneEdit(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  // The footer row below the numbers.
  TNumberGrid numbers(rows + 1);
  zorbit::TExtStringGrid* grid = numbers.Setup.Grid();
  grid->FloatingFooter()->SetVisible(true);
  grid->GetCellProperties(SumCol, grid->RowCount() - 1)->SetCalcType(1);
  int row = 1;
  for (auto _ : state) {
    grid->SetCells(SumCol, row, NumberText(row + 7));
    grid->CellsChanged({SumCol, row, SumCol, row});
    row = row % rows + 1;
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * rows, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FooterAfterOneEdit)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
