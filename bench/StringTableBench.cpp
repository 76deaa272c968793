// Loading a language pack's string table of 5,000 to 20,000 keys, beside
// reading the same file into an INI object alone (the part the table cannot
// avoid). The table's cost per key stays flat as the file grows.
#include <benchmark/benchmark.h>

#include <string>

#include "app/StringTable.h"
#include "platform/rtl/IniFiles.h"
#include "testing/TempFolder.h"

namespace {

std::string TableFile(const zorbit::testing::TTempFolder& folder, int keys) {
  std::string text = "[General]\n";
  for (int i = 0; i < keys; ++i)
    text += "Text number " + std::to_string(i) + "=Translation of text " + std::to_string(i) + "\n";
  return folder.Write("strtab.ini", text);
}

void BM_LoadStringTable(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const zorbit::testing::TTempFolder folder;
  const std::string path = TableFile(folder, keys);
  for (auto _ : state) {
    zorbit::TStringTable table;
    table.LoadFromIni(path);
    benchmark::DoNotOptimize(table.Lookup("General", "Text number 1"));
  }
  state.SetItemsProcessed(state.iterations() * keys);
}
BENCHMARK(BM_LoadStringTable)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ReadIniBaseline(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const zorbit::testing::TTempFolder folder;
  const std::string path = TableFile(folder, keys);
  for (auto _ : state) {
    plat::TMemIniFile ini(path);
    benchmark::DoNotOptimize(ini.ReadString("General", "Text number 1", ""));
  }
  state.SetItemsProcessed(state.iterations() * keys);
}
BENCHMARK(BM_ReadIniBaseline)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
