// Loading a language pack's string table of 5,000 to 20,000 keys, beside
// reading the same file into an INI object alone (the part the table cannot
// avoid). The table's cost per key stays flat as the file grows.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

#include "app/StringTable.h"
#include "platform/rtl/IniFiles.h"

namespace {

std::string TableFile(int keys) {
  const std::string path = "/tmp/zorbit-strtab-bench-" + std::to_string(::getpid()) + "-" + std::to_string(keys);
  std::ofstream out(path);
  out << "[General]\n";
  for (int i = 0; i < keys; ++i) out << "Text number " << i << "=Translation of text " << i << "\n";
  return path;
}

void BM_LoadStringTable(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const std::string path = TableFile(keys);
  for (auto _ : state) {
    zorbit::TStringTable table;
    table.LoadFromIni(path);
    benchmark::DoNotOptimize(table.Lookup("General", "Text number 1"));
  }
  state.SetItemsProcessed(state.iterations() * keys);
  std::remove(path.c_str());
}
BENCHMARK(BM_LoadStringTable)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ReadIniBaseline(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const std::string path = TableFile(keys);
  for (auto _ : state) {
    plat::TMemIniFile ini(path);
    benchmark::DoNotOptimize(ini.ReadString("General", "Text number 1", ""));
  }
  state.SetItemsProcessed(state.iterations() * keys);
  std::remove(path.c_str());
}
BENCHMARK(BM_ReadIniBaseline)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
