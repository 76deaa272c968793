// The filter matcher on the pattern that makes a backtracking matcher take
// exponential time, "*a*a*...*a*b" on 10,000 characters of "a", beside a
// plain scan of the same text in the same run. The matcher stays within a
// small multiple of the scan times the number of "*".
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "grid/ExtUtilMatcher.h"

namespace {

constexpr std::size_t TextLength = 10000;

std::string Pathological(int stars) {
  std::string pattern;
  for (int i = 0; i < stars; ++i) pattern += "*a";
  return pattern + "*b";
}

void BM_PathologicalPattern(benchmark::State& state) {
  const std::string text(TextLength, 'a');
  const std::string pattern = Pathological(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(zorbit::EvaluateFilterCondition(pattern, text, true));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TextLength));
}
BENCHMARK(BM_PathologicalPattern)->Arg(5)->Arg(20)->Arg(40);

void BM_PathologicalPatternWithoutCase(benchmark::State& state) {
  const std::string text(TextLength, 'a');
  const std::string pattern = Pathological(20);
  for (auto _ : state) benchmark::DoNotOptimize(zorbit::EvaluateFilterCondition(pattern, text, false));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TextLength));
}
BENCHMARK(BM_PathologicalPatternWithoutCase);

// Baseline: one pass over the text looking for the "b" the pattern needs.
void BM_ScanBaseline(benchmark::State& state) {
  const std::string text(TextLength, 'a');
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::find(text.begin(), text.end(), 'b'));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TextLength));
}
BENCHMARK(BM_ScanBaseline);

}  // namespace

BENCHMARK_MAIN();
