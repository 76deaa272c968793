// Text drawing through the glyph cache beside FreeType rendering the same
// glyphs directly, in the same run: a grid of 1,000 short cell texts drawn
// with DrawText (one line, vertically centred, end ellipsis, no prefixes, as
// grid cells are), against loading, hinting and rendering each glyph of the
// same texts with FreeType and copying its bits out.
#include <benchmark/benchmark.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/Blits.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FontResolver.h"
#include "platform/gdi/Shapes.h"

namespace {

using namespace plat;

constexpr int Columns = 10;
constexpr int Rows = 100;
constexpr int CellWidth = 80;
constexpr int CellHeight = 18;
constexpr int FontHeight = -11;  // Tahoma at 8 points

std::vector<std::string> CellTexts() {
  const char* words[] = {"Item", "Value", "BIOS", "Motherboard", "Processor", "Memory", "Version", "Vendor"};
  std::vector<std::string> texts;
  for (int i = 0; i < Columns * Rows; ++i) {
    texts.push_back(i % 3 == 0 ? std::to_string(i * 37) : std::string(words[i % 8]) + " " + std::to_string(i % 100));
  }
  return texts;
}

std::int64_t GlyphCount(const std::vector<std::string>& texts) {
  std::int64_t glyphs = 0;
  for (const std::string& text : texts) glyphs += static_cast<std::int64_t>(text.size());
  return glyphs;
}

void ReportRates(benchmark::State& state, const std::vector<std::string>& texts) {
  const double iterations = static_cast<double>(state.iterations());
  state.counters["cells/s"] =
      benchmark::Counter(iterations * static_cast<double>(texts.size()), benchmark::Counter::kIsRate);
  state.counters["glyphs/s"] =
      benchmark::Counter(iterations * static_cast<double>(GlyphCount(texts)), benchmark::Counter::kIsRate);
}

void BM_DrawTextCells(benchmark::State& state) {
  const std::vector<std::string> texts = CellTexts();
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, Columns * CellWidth, Rows * CellHeight);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  LOGFONTA description;
  description.lfHeight = FontHeight;
  std::strcpy(description.lfFaceName, "Tahoma");
  HFONT font = CreateFontIndirectA(&description);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  for (auto _ : state) {
    for (int i = 0; i < Columns * Rows; ++i) {
      RECT cell = Bounds((i % Columns) * CellWidth, (i / Columns) * CellHeight, CellWidth, CellHeight);
      const std::string& text = texts[static_cast<std::size_t>(i)];
      DrawTextA(dc, text.data(), static_cast<int>(text.size()), &cell,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    benchmark::ClobberMemory();
  }
  ReportRates(state, texts);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteDC(dc);
  DeleteObject(bitmap);
}
BENCHMARK(BM_DrawTextCells)->Unit(benchmark::kMillisecond);

void BM_FreeTypeSameGlyphs(benchmark::State& state) {
  const std::vector<std::string> texts = CellTexts();
  const FontFile file = ResolveFont("Tahoma", FW_NORMAL, false, DEFAULT_PITCH).File;
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, file.Path.c_str(), file.Index, &face) != 0) {
    state.SkipWithError("FreeType could not open the face");
    return;
  }
  FT_Set_Pixel_Sizes(face, 0, -FontHeight);
  std::vector<unsigned char> sink(64 * 64);
  for (auto _ : state) {
    for (const std::string& text : texts) {
      for (unsigned char c : text) {
        if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) continue;
        const FT_Bitmap& glyph = face->glyph->bitmap;
        const std::size_t bytes =
            static_cast<std::size_t>(glyph.rows) * static_cast<std::size_t>(std::abs(glyph.pitch));
        std::memcpy(sink.data(), glyph.buffer, std::min(bytes, sink.size()));
      }
    }
    benchmark::DoNotOptimize(sink.data());
    benchmark::ClobberMemory();
  }
  ReportRates(state, texts);
  FT_Done_Face(face);
  FT_Done_FreeType(library);
}
BENCHMARK(BM_FreeTypeSameGlyphs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
