// Importing a 100,000-line CSV file into the advanced grid, beside reading
// the same file with std::getline and cutting each line at its commas into
// a vector of vectors of strings, in the same run. Both report lines/s;
// their ratio is the price of the grid's import over the bare minimum.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TForm.h"
#include "support/GridOnBitmap.h"
#include "testing/TempFolder.h"

namespace {

constexpr int Lines = 100000;

// Five fields a line, one of them quoted around a comma.
const std::string& CsvFile() {
  static const zorbit::testing::TTempFolder folder("zorbit-csv-bench");
  static const std::string path = [] {
    std::string content;
    for (int i = 0; i < Lines; ++i)
      content += std::to_string(i) + ",Name " + std::to_string(i) + "," + std::to_string(i % 97) +
                 ".5,\"quoted, text\",end\r\n";
    return folder.Write("big.csv", content);
  }();
  return path;
}

void BM_GridImportCsv(benchmark::State& state) {
  const std::string& file = CsvFile();
  gridbench::TUiSession session;
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<plat::TForm>(nullptr);
    auto* grid = new zorbit::TExtStringGrid(form.get());
    state.ResumeTiming();
    grid->ImportCsvFile(file);
    benchmark::DoNotOptimize(grid->RowCount());
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * Lines, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GridImportCsv)->Unit(benchmark::kMillisecond);

void BM_GetlineAndSplit(benchmark::State& state) {
  const std::string& file = CsvFile();
  for (auto _ : state) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::vector<std::string>& fields = rows.emplace_back();
      std::size_t start = 0;
      for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(line.substr(start, comma - start));
      fields.push_back(line.substr(start));
    }
    benchmark::DoNotOptimize(rows.data());
  }
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * Lines, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GetlineAndSplit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
