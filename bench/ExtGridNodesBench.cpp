// Contracting and then expanding every node of the advanced grid, at two
// sizes in the same run: 100,000 rows x 5 columns with 1,000 nodes (the
// baseline) and ten times as many rows and nodes. Each node heads 100 rows.
// The goal is linear work: ten times the rows in at most twelve times the
// time.
#include <benchmark/benchmark.h>

#include "extgrid/TExtStringGrid.h"
#include "support/GridOnBitmap.h"

namespace {

constexpr int Cols = 5;
constexpr int RowsPerNode = 100;

void BM_ContractThenExpandAllNodes(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  gridbench::TGridOnBitmap<zorbit::TExtStringGrid> setup({800, 600, Cols, rows + 1, false});
  zorbit::TExtStringGrid* grid = setup.Grid();
  for (int row = 1; row + RowsPerNode <= rows + 1; row += RowsPerNode) grid->AddNode(row, RowsPerNode);
  setup.Show();
  for (auto _ : state) {
    grid->ContractAllNodes();
    grid->ExpandAllNodes();
  }
  state.counters["nodes"] = grid->NodeCount();
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * rows, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ContractThenExpandAllNodes)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
