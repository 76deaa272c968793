// Raster throughput of the drawing layer beside the plain memory operation
// that moves the same bytes, in the same run: FillRect against memset and a
// SRCCOPY BitBlt against memcpy, on a 1024 x 768 bitmap.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gdi/Blits.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Shapes.h"

namespace {

using namespace plat;

constexpr int Width = 1024;
constexpr int Height = 768;
constexpr std::size_t Bytes = static_cast<std::size_t>(Width) * Height * 4;

void ReportPixels(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(Bytes));
  state.counters["Mpix/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * Width * Height / 1e6, benchmark::Counter::kIsRate);
}

// A memory DC on a bitmap of the benchmark's size.
struct Canvas {
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, Width, Height);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  ~Canvas() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
};

void BM_FillRect(benchmark::State& state) {
  Canvas canvas;
  HBRUSH brush = CreateSolidBrush(RGB(212, 208, 200));
  const RECT all{0, 0, Width, Height};
  for (auto _ : state) {
    FillRect(canvas.dc, &all, brush);
    benchmark::ClobberMemory();
  }
  DeleteObject(brush);
  ReportPixels(state);
}
BENCHMARK(BM_FillRect);

void BM_MemsetBaseline(benchmark::State& state) {
  std::vector<Byte> pixels(Bytes);
  Byte value = 0;
  for (auto _ : state) {
    std::memset(pixels.data(), ++value, Bytes);
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
  ReportPixels(state);
}
BENCHMARK(BM_MemsetBaseline);

void BM_BitBlt(benchmark::State& state) {
  Canvas source, dest;
  const RECT all{0, 0, Width, Height};
  FillRect(source.dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  for (auto _ : state) {
    BitBlt(dest.dc, 0, 0, Width, Height, source.dc, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  ReportPixels(state);
}
BENCHMARK(BM_BitBlt);

void BM_MemcpyBaseline(benchmark::State& state) {
  std::vector<Byte> from(Bytes, 0x80), to(Bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), Bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  ReportPixels(state);
}
BENCHMARK(BM_MemcpyBaseline);

}  // namespace

BENCHMARK_MAIN();
