// Importing a 10,000 x 10 workbook into the advanced grid through the
// spreadsheet application, beside importing the same values from a CSV file
// in the same run; and, apart, the spreadsheet server's start-up (the
// profile already made). Both imports report cells/s; their ratio is the
// price of going through the application (wall time: most of the work is
// done by the application's processes), whose start-up the first
// import of a program pays once on top.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "extgrid/TExtStringGrid.h"
#include "platform/os/SpreadsheetAutomation.h"
#include "platform/ui/TForm.h"
#include "support/GridOnBitmap.h"
#include "testing/PlatformRoot.h"
#include "testing/SpreadsheetFiles.h"
#include "testing/TempFolder.h"

namespace {

constexpr int Rows = 10000;
constexpr int Columns = 10;

// The values as book.csv, and made by the application from it into
// book.xls and book.xlsx; the server's profile below a root of the run's own.
struct TFiles {
  zorbit::testing::TPlatformRoot Root{"zorbit-workbook-bench"};
  zorbit::testing::TTempFolder Folder{"zorbit-workbook-bench"};
  bool Made = false;

  TFiles() {
    if (!zorbit::testing::SpreadsheetApplicationInstalled()) return;
    std::string content;
    for (int r = 0; r < Rows; ++r) {
      for (int c = 0; c < Columns; ++c) {
        if (c > 0) content += ",";
        content += c % 2 == 0 ? "Name " + std::to_string(r * Columns + c) : std::to_string((r * 31 + c) % 1000) + ".5";
      }
      content += "\n";
    }
    Folder.Write("book.csv", content);
    Made = zorbit::testing::ConvertWorkbooks(Folder, {"book.csv"}, "xls").ExitCode == 0 &&
           zorbit::testing::ConvertWorkbooks(Folder, {"book.csv"}, "xlsx").ExitCode == 0;
    // Started here, so that the imports measure a running server.
    if (Made) plat::CreateSpreadsheetApplication("excel.application")->Quit();
  }
};

const TFiles& Files() {
  static const TFiles files;
  return files;
}

void Import(benchmark::State& state, const std::string& file, bool csv) {
  if (!Files().Made) {
    state.SkipWithError(zorbit::testing::kSpreadsheetApplicationMissing);
    return;
  }
  gridbench::TUiSession session;
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<plat::TForm>(nullptr);
    auto* grid = new zorbit::TExtStringGrid(form.get());
    state.ResumeTiming();
    csv ? grid->ImportCsvFile(file) : grid->ImportSpreadsheetFile(file);
    benchmark::DoNotOptimize(grid->RowCount());
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * Rows * Columns, benchmark::Counter::kIsRate);
}

void BM_GridImportCsv(benchmark::State& state) { Import(state, Files().Folder.File("book.csv"), true); }
BENCHMARK(BM_GridImportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GridImportXls(benchmark::State& state) { Import(state, Files().Folder.File("book.xls"), false); }
BENCHMARK(BM_GridImportXls)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GridImportXlsx(benchmark::State& state) { Import(state, Files().Folder.File("book.xlsx"), false); }
BENCHMARK(BM_GridImportXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ServerStartUp(benchmark::State& state) {
  if (!Files().Made) {
    state.SkipWithError(zorbit::testing::kSpreadsheetApplicationMissing);
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    plat::ShutdownSpreadsheetApplication();
    state.ResumeTiming();
    plat::CreateSpreadsheetApplication("excel.application")->Quit();
  }
  plat::ShutdownSpreadsheetApplication();
}
BENCHMARK(BM_ServerStartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
