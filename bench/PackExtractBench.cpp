// Unpacking language packs of 2,000 to 16,000 one-byte members, made with
// gcab when the benchmark starts, beside writing the same files straight to
// the file system in the same run. Both grow linearly with the member count:
// finding a member's existing file without case must not list the target
// folder again for each member. The files go below TMPDIR: a tmpfs there
// keeps a busy disk out of the numbers.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "app/cabfiles.h"
#include "platform/rtl/FileHandles.h"
#include "testing/TempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string MemberName(int index) { return "m" + std::to_string(100000 + index) + ".txt"; }

// A scratch folder for the whole run, removed at exit; with a trailing "/".
const std::string& ScratchPath() {
  static const zorbit::testing::TTempFolder scratch("zorbit-bench");
  static const std::string path = scratch.Path() + "/";
  return path;
}

// The pack of that many members, made once.
const std::string& Pack(int members) {
  static std::map<int, std::string> packs;
  auto& pack = packs[members];
  if (pack.empty()) {
    const std::string stage = ScratchPath() + "stage" + std::to_string(members) + "/";
    fs::create_directories(stage);
    for (int i = 0; i < members; ++i) {
      std::ofstream(stage + MemberName(i)) << 'x';
    }
    pack = ScratchPath() + "pack" + std::to_string(members) + ".lpk";
    // The shell expands the names: a command text holding them all would be too long.
    const std::string command = "cd " + stage + " && gcab -c -z " + pack + " m*.txt";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("gcab failed");
    fs::remove_all(stage);
  }
  return pack;
}

// A fresh, empty target for each round; the clean-up is not timed.
std::string FreshTarget(benchmark::State& state) {
  const std::string target = ScratchPath() + "target/";
  state.PauseTiming();
  fs::remove_all(target);
  fs::create_directories(target);
  state.ResumeTiming();
  return target;
}

// Packs of 2,000 to 16,000 members, each twice the one before.
void MemberCounts(benchmark::internal::Benchmark* bench) {
  for (const int members : {2000, 4000, 8000, 16000}) bench->Arg(members);
}

void BM_ExtractAll(benchmark::State& state) {
  const int members = static_cast<int>(state.range(0));
  const std::string& pack = Pack(members);
  for (auto _ : state) {
    zorbit::TCABFile cab;
    cab.SetCABFile(pack);
    cab.SetTargetPath(FreshTarget(state));
    if (!cab.ExtractAll()) state.SkipWithError("the pack did not unpack");
  }
  state.SetComplexityN(members);
  state.SetItemsProcessed(state.iterations() * members);
}
BENCHMARK(BM_ExtractAll)->Apply(MemberCounts)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Baseline: the same one-byte files created and written by the file handle routines.
void BM_WriteFilesBaseline(benchmark::State& state) {
  const int members = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const std::string target = FreshTarget(state);
    for (int i = 0; i < members; ++i) {
      const int handle = plat::FileCreate(target + MemberName(i));
      benchmark::DoNotOptimize(plat::FileWrite(handle, "x", 1));
      plat::FileClose(handle);
    }
  }
  state.SetComplexityN(members);
  state.SetItemsProcessed(state.iterations() * members);
}
BENCHMARK(BM_WriteFilesBaseline)->Apply(MemberCounts)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
