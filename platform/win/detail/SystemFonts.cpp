#include "platform/win/detail/SystemFonts.h"

#include <cstring>

#include "platform/gdi/Font.h"

namespace plat {
namespace {

HFONT MakeFont(int weight) {
  LOGFONTA lf;
  lf.lfHeight = -11;  // 8 points at 96 DPI
  lf.lfWeight = weight;
  std::strncpy(lf.lfFaceName, "Tahoma", LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectA(&lf);
  GdiObjectTable::MarkStock(font);  // shared: DeleteObject leaves it alone
  return font;
}

}  // namespace

HFONT CaptionFont() {
  static HFONT font = MakeFont(FW_BOLD);
  return font;
}

HFONT MessageFont() {
  static HFONT font = MakeFont(FW_NORMAL);
  return font;
}

HFONT MenuFont() {
  static HFONT font = MakeFont(FW_NORMAL);
  return font;
}

HFONT MenuDefaultItemFont() {
  static HFONT font = MakeFont(FW_BOLD);
  return font;
}

}  // namespace plat
