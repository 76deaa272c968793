// Importing a 100,000-line CSV file into the advanced grid, beside reading
// the same file with std::getline and cutting each line at its commas into
// a vector of vectors of strings, in the same run. Both report lines/s;
// their ratio is the price of the grid's import over the bare minimum.
//
// Measured twice: steady (many imports in one process) and first (the first
// import in a fresh process, which pays whatever is set up on first use).
// Each first import runs in a child of its own and reports the processor
// time it took, so the load of the machine does not count.
#include <benchmark/benchmark.h>

#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/os/IsolatedCall.h"
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

void ReportLines(benchmark::State& state) {
  state.counters["lines/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * Lines, benchmark::Counter::kIsRate);
}

// The grid's import on a grid made beforehand, in a session made beforehand.
class TGridImport {
 public:
  TGridImport() : FForm(std::make_unique<plat::TForm>(nullptr)), FGrid(new zorbit::TExtStringGrid(FForm.get())) {}
  void Run(const std::string& File) {
    FGrid->ImportCsvFile(File);
    benchmark::DoNotOptimize(FGrid->RowCount());
  }

 private:
  std::unique_ptr<plat::TForm> FForm;
  zorbit::TExtStringGrid* FGrid;
};

void GetlineAndSplit(const std::string& File) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream in(File, std::ios::binary);
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

void BM_GridImportCsv(benchmark::State& state) {
  const std::string& file = CsvFile();
  gridbench::TUiSession session;
  for (auto _ : state) {
    state.PauseTiming();
    auto import = std::make_unique<TGridImport>();
    state.ResumeTiming();
    import->Run(file);
    state.PauseTiming();
    import.reset();
    state.ResumeTiming();
  }
  ReportLines(state);
}
BENCHMARK(BM_GridImportCsv)->Unit(benchmark::kMillisecond);

void BM_GetlineAndSplit(benchmark::State& state) {
  const std::string& file = CsvFile();
  for (auto _ : state) GetlineAndSplit(file);
  ReportLines(state);
}
BENCHMARK(BM_GetlineAndSplit)->Unit(benchmark::kMillisecond);

// Work run first in a fresh process: a child made for the round, which
// sets up with Prepare (not timed), then times Work in processor seconds.
template <typename TPrepared>
void FirstInFreshProcess(benchmark::State& state, const std::function<void(TPrepared&)>& Work) {
  for (auto _ : state) {
    const std::string seconds = plat::IsolatedCall([&Work] {
      TPrepared prepared;
      const std::clock_t start = std::clock();
      Work(prepared);
      return std::to_string(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    });
    state.SetIterationTime(std::stod(seconds));
  }
  ReportLines(state);
}

// What a first import needs before it starts: the class library and a grid.
struct TFreshGrid {
  gridbench::TUiSession Session;
  TGridImport Import;
};
struct TNothing {};

void BM_GridImportCsvFirst(benchmark::State& state) {
  const std::string& file = CsvFile();
  FirstInFreshProcess<TFreshGrid>(state, [&file](TFreshGrid& fresh) { fresh.Import.Run(file); });
}
BENCHMARK(BM_GridImportCsvFirst)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_GetlineAndSplitFirst(benchmark::State& state) {
  const std::string& file = CsvFile();
  FirstInFreshProcess<TNothing>(state, [&file](TNothing&) { GetlineAndSplit(file); });
}
BENCHMARK(BM_GetlineAndSplitFirst)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
