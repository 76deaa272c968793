// The registry among many sibling keys: reading a value of the last of
// 12,500 to 50,000 keys through TRegistry (the hive parsed once, then kept
// while its file is unchanged), and parsing such a hive from its text. The
// read stays flat and the parse grows in step with the hive.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/os/PlatformRoot.h"
#include "platform/os/Registry.h"
#include "platform/os/RegistryHive.h"
#include "testing/PlatformRoot.h"

namespace {

std::string SiblingsHive(int keys) {
  std::string text = "REGEDIT4\r\n\r\n";
  for (int i = 0; i < keys; ++i)
    text += "[HKEY_CURRENT_USER\\Software\\Key" + std::to_string(i) + "]\r\n\"Value\"=\"" + std::to_string(i) +
            "\"\r\n\r\n";
  return text;
}

void BM_ReadAmongSiblings(benchmark::State& state) {
  const zorbit::testing::TPlatformRoot root;
  const int keys = static_cast<int>(state.range(0));
  const std::string hive = plat::RegistryHivePath("HKCU");
  std::filesystem::create_directories(std::filesystem::path(hive).parent_path());
  std::ofstream(hive, std::ios::binary) << SiblingsHive(keys);
  const std::string last = "Software\\Key" + std::to_string(keys - 1);
  // The first read parses the hive; the timed ones find it kept.
  {
    plat::TRegistry registry;
    registry.OpenKeyReadOnly(last);
    benchmark::DoNotOptimize(registry.ReadString("Value"));
  }
  for (auto _ : state) {
    plat::TRegistry registry;
    registry.OpenKeyReadOnly(last);
    benchmark::DoNotOptimize(registry.ReadString("Value"));
  }
}
BENCHMARK(BM_ReadAmongSiblings)->Arg(12500)->Arg(25000)->Arg(50000);

void BM_ParseSiblings(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const std::string text = SiblingsHive(keys);
  for (auto _ : state) {
    plat::TRegistryHive hive("HKEY_CURRENT_USER");
    benchmark::DoNotOptimize(hive.Parse(text));
  }
  state.SetItemsProcessed(state.iterations() * keys);
}
BENCHMARK(BM_ParseSiblings)->Arg(12500)->Arg(25000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
