#include "extgrid/detail/CellTextMeasure.h"

#include <algorithm>

#include "grid/ExtUtilFields.h"
#include "grid/ExtUtilText.h"
#include "grid/ExtUtilUnicode.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TextConstants.h"
#include "platform/rtl/Unicode.h"

namespace zorbit::detail {

using plat::String;

namespace {

constexpr int kHtmlKind = 1;
constexpr int kUnicodeKind = 5;

}  // namespace

TCellTextMeasure::TCellTextMeasure() { FScratch.SetSize(1, 1); }

int TCellTextMeasure::LineHeight(const plat::TFont& Font) {
  plat::TCanvas& canvas = *FScratch.Canvas();
  canvas.SetFont(Font);
  return canvas.TextHeight("gh");
}

plat::TSize TCellTextMeasure::Measure(const String& Text, const plat::TFont& Font, const TCellTextLayout& Layout,
                                      const THtmlRenderOptions& Options) {
  plat::TCanvas& canvas = *FScratch.Canvas();
  canvas.SetFont(Font);
  const int kind = ClassifyCellText(Text, Layout.Html);
  if (kind == kHtmlKind) {
    THtmlRenderOptions options = Options;
    options.CheckOnly = true;
    options.WordWrap = Layout.WordWrap;
    // Unwrapped mark-up gets all the room it wants.
    const int width = Layout.WordWrap ? std::max(1, Layout.WrapWidth) : 1 << 20;
    THtmlRenderResult result;
    RenderHtml(canvas, Text, plat::TRect{0, 0, width, 1 << 20}, options, result);
    return {result.XSize, result.YSize};
  }
  const String plain = kind == kUnicodeKind ? plat::WideToUtf8(DecodeUnicodeCellText(Text)) : Text;
  if (Layout.WordWrap) {
    plat::RECT r{0, 0, std::max(1, Layout.WrapWidth), 0};
    plat::DrawTextExA(canvas.Handle(), plain.data(), static_cast<int>(plain.size()), &r,
                      plat::DT_CALCRECT | plat::DT_WORDBREAK | plat::DT_EDITCONTROL | plat::DT_NOPREFIX, nullptr);
    return {r.Width(), r.Height()};
  }
  int widest = 0;
  int lines = 0;
  if (Layout.MultiLine) {
    for (String rest = plain; lines == 0 || !rest.empty(); ++lines)
      widest = std::max(widest, canvas.TextWidth(TakeFirstLine(rest)));
  } else {
    widest = canvas.TextWidth(plain);
    lines = 1;
  }
  return {widest, canvas.TextHeight("gh") * lines};
}

}  // namespace zorbit::detail
