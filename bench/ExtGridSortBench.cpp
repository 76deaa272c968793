// Sorting and grouping the advanced grid beside plain C++ in the same run:
// - 1,000,000 rows x 10 columns sorted by a number column then a text
//   column (the indexed sort), on random, already sorted and all-equal
//   keys, beside parsing the same keys, std::sort of row indexes and
//   applying the permutation to a vector of rows;
// - 50,000 and 100,000 rows grouped into 1,000 groups with summary rows and
//   ungrouped again, beside the sort of that column alone.
// The grids are filled once; between iterations (untimed) UnSort puts the
// loaded order back.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "support/GridOnBitmap.h"

namespace {

using namespace zorbit;

constexpr int SortRows = 1000000;
constexpr int Cols = 10;
// Columns: 0 a row number, 1 a number, 2 a word, 3 and 4 the same in every
// row, the rest filler text.
constexpr int NumberCol = 1, WordCol = 2, SameNumberCol = 3, SameWordCol = 4;

std::string Word(std::mt19937& Random) {
  std::string word;
  for (int n = 3 + static_cast<int>(Random() % 6); n > 0; --n) word += static_cast<char>('a' + Random() % 26);
  return word;
}

// The table the benchmarks sort, as texts.
std::vector<std::vector<std::string>> MakeTable(int Rows, int Groups) {
  std::mt19937 random(42);
  std::vector<std::vector<std::string>> table(static_cast<std::size_t>(Rows));
  for (int r = 0; r < Rows; ++r) {
    auto& row = table[static_cast<std::size_t>(r)];
    row.push_back(std::to_string(r));
    row.push_back(std::to_string(static_cast<int>(random() % static_cast<unsigned>(Groups))) + "." +
                  std::to_string(random() % 10));
    row.push_back(Word(random));
    row.push_back("7");
    row.push_back("same");
    for (int c = 5; c < Cols; ++c) row.push_back("R" + std::to_string(r) + " C" + std::to_string(c));
  }
  return table;
}

gridbench::TUiSession& Session() {
  static gridbench::TUiSession session;
  return session;
}

// A grid holding Table below one fixed row.
std::unique_ptr<TExtStringGrid> MakeGrid(const std::vector<std::vector<std::string>>& Table) {
  Session();
  auto grid = std::make_unique<TExtStringGrid>(nullptr);
  grid->SetColCount(Cols);
  grid->SetRowCount(static_cast<int>(Table.size()) + 1);
  for (std::size_t r = 0; r < Table.size(); ++r)
    for (int c = 0; c < Cols; ++c) grid->SetCells(c, static_cast<int>(r) + 1, Table[r][static_cast<std::size_t>(c)]);
  return grid;
}

struct TSortSetup {
  std::vector<std::vector<std::string>> Table = MakeTable(SortRows, SortRows / 10);
  std::unique_ptr<TExtStringGrid> Grid = MakeGrid(Table);
};

TSortSetup& SortSetup() {
  static TSortSetup setup;
  return setup;
}

enum class TInput { Random, Sorted, AllEqual };

void GridIndexedSort(benchmark::State& state, TInput Input) {
  TExtStringGrid& grid = *SortSetup().Grid;
  grid.SortSettings()->SetFull(true);
  const bool equal = Input == TInput::AllEqual;
  const auto sort = [&] {
    grid.SortIndexes()->Clear();
    grid.SortIndexes()->AppendColumn(equal ? SameNumberCol : NumberCol, true);
    grid.SortIndexes()->AppendColumn(equal ? SameWordCol : WordCol, true);
    grid.SortByIndexColumns();
  };
  if (Input == TInput::Sorted) sort();
  for (auto _ : state) {
    sort();
    state.PauseTiming();
    if (Input == TInput::Random) grid.UnSort();
    state.ResumeTiming();
  }
  // After the loop: untimed.
  grid.UnSort();
  state.SetItemsProcessed(state.iterations() * SortRows);
}

void BaselineSort(benchmark::State& state) {
  const std::vector<std::vector<std::string>>& table = SortSetup().Table;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::vector<std::string>> rows = table;
    state.ResumeTiming();
    std::vector<double> numbers(rows.size());
    std::vector<std::string> words(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const std::string& text = rows[r][NumberCol];
      std::from_chars(text.data(), text.data() + text.size(), numbers[r]);
      words[r] = rows[r][WordCol];
    }
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return numbers[a] != numbers[b] ? numbers[a] < numbers[b] : words[a] < words[b];
    });
    std::vector<std::vector<std::string>> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t r : order) sorted.push_back(std::move(rows[r]));
    benchmark::DoNotOptimize(sorted.data());
    state.PauseTiming();
    sorted.clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * SortRows);
}

BENCHMARK_CAPTURE(GridIndexedSort, Random, TInput::Random)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(GridIndexedSort, Sorted, TInput::Sorted)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(GridIndexedSort, AllEqual, TInput::AllEqual)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BaselineSort)->Unit(benchmark::kMillisecond)->Iterations(1);

// Grids of 50,000 and 100,000 rows, 1,000 distinct numbers in column 1.
TExtStringGrid& GroupGrid(int Rows) {
  static std::unique_ptr<TExtStringGrid> half = MakeGrid(MakeTable(50000, 1000));
  static std::unique_ptr<TExtStringGrid> full = MakeGrid(MakeTable(100000, 1000));
  return Rows == 50000 ? *half : *full;
}

// Column 1's texts as whole numbers, so that the groups are 1,000.
void GroupKeys(TExtStringGrid& Grid) {
  for (int r = 1; r < Grid.RowCount(); ++r) {
    const std::string& text = Grid.Cells(NumberCol, r);
    Grid.SetCells(NumberCol, r, text.substr(0, text.find('.')));
  }
}

void GroupAndUngroup(benchmark::State& state) {
  TExtStringGrid& grid = GroupGrid(static_cast<int>(state.range(0)));
  GroupKeys(grid);
  grid.Grouping()->SetSummary(true);
  for (auto _ : state) {
    grid.GroupOnColumn(NumberCol);
    grid.RemoveGrouping();
    state.PauseTiming();
    grid.UnSort();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void SortGroupColumn(benchmark::State& state) {
  TExtStringGrid& grid = GroupGrid(static_cast<int>(state.range(0)));
  GroupKeys(grid);
  for (auto _ : state) {
    grid.SortSettings()->SetColumn(NumberCol);
    grid.QSort();
    state.PauseTiming();
    grid.UnSort();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(GroupAndUngroup)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SortGroupColumn)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
