// Grid-cell mark-up (bold, coloured fonts, anchors, entities; 30 to 80
// characters) measured and drawn by RenderHtml, beside DrawText of the same
// cells' stripped text in the same run: the cost of the mark-up over plain
// text, as a cell paint pays it. Each iteration handles every cell once.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "grid/HtmlRenderer.h"
#include "grid/HtmlText.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"

namespace {

const std::vector<std::string>& Cells() {
  static const std::vector<std::string> cells = {
      "<B>Serial</B> number: <FONT color=\"clRed\">unknown</FONT>",
      "Vendor &amp; model <A href=\"vendor\">details</A>",
      "<FONT color=\"#0000FF\">BIOS</FONT> version <B>1.07</B> &copy; 2024",
      "Release <I>date</I> 12/31/2024 <A href=\"notes\">release notes</A> &euro; 0",
      "<B>Memory</B> 16384 MB in <FONT color=\"clGreen\">2 slots</FONT> of 4",
      "Plain text of a cell with &lt;brackets&gt; and a <B>bold</B> word at its end",
  };
  return cells;
}

constexpr plat::TRect CellRect{0, 0, 220, 40};

class CellCanvas {
 public:
  CellCanvas() {
    FBitmap.SetSize(CellRect.Right, CellRect.Bottom);
    FBitmap.Canvas()->Font()->SetName("Tahoma");
    FBitmap.Canvas()->Font()->SetSize(8);
    FBitmap.Canvas()->Brush()->SetColor(plat::clWindow);
  }
  plat::TCanvas& Canvas() { return *FBitmap.Canvas(); }

 private:
  plat::TBitmap FBitmap;
};

void RenderCells(benchmark::State& state, bool measureOnly) {
  CellCanvas canvas;
  zorbit::THtmlRenderOptions options;
  options.CheckOnly = measureOnly;
  zorbit::THtmlRenderResult result;
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& cell : Cells()) {
      benchmark::DoNotOptimize(zorbit::RenderHtml(canvas.Canvas(), cell, CellRect, options, result));
      bytes += cell.size();
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_RenderHtmlMeasure(benchmark::State& state) { RenderCells(state, true); }
BENCHMARK(BM_RenderHtmlMeasure);

void BM_RenderHtmlDraw(benchmark::State& state) { RenderCells(state, false); }
BENCHMARK(BM_RenderHtmlDraw);

// Baseline: the stripped text of the same cells through the text call, as a
// plain cell paints it.
void BM_DrawTextBaseline(benchmark::State& state) {
  CellCanvas canvas;
  std::vector<std::string> plain;
  for (const std::string& cell : Cells()) plain.push_back(zorbit::StripHtml(cell));
  canvas.Canvas().TextWidth("x");  // selects the font into the DC
  const plat::HDC dc = canvas.Canvas().Handle();
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& text : plain) {
      plat::TRect rect = CellRect;
      benchmark::DoNotOptimize(plat::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect,
                                               plat::DT_SINGLELINE | plat::DT_NOPREFIX | plat::DT_END_ELLIPSIS));
      bytes += text.size();
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_DrawTextBaseline);

}  // namespace

BENCHMARK_MAIN();
