#include "platform/win/detail/SystemFonts.h"

#include <cstring>

#include "platform/gdi/Font.h"

namespace plat {
namespace {

HFONT MakeFont(const LOGFONTA& lf) {
  HFONT font = CreateFontIndirectA(&lf);
  GdiObjectTable::MarkStock(font);  // shared: DeleteObject leaves it alone
  return font;
}

}  // namespace

LOGFONTA SystemLogFont(SystemFont kind) {
  LOGFONTA lf;
  lf.lfHeight = -11;  // 8 points at 96 DPI
  lf.lfWeight = kind == SystemFont::Caption || kind == SystemFont::SmallCaption ? FW_BOLD : FW_NORMAL;
  std::strncpy(lf.lfFaceName, "Tahoma", LF_FACESIZE - 1);
  return lf;
}

HFONT CaptionFont() {
  static HFONT font = MakeFont(SystemLogFont(SystemFont::Caption));
  return font;
}

HFONT MessageFont() {
  static HFONT font = MakeFont(SystemLogFont(SystemFont::Message));
  return font;
}

HFONT MenuFont() {
  static HFONT font = MakeFont(SystemLogFont(SystemFont::Menu));
  return font;
}

HFONT MenuDefaultItemFont() {
  static HFONT font = [] {
    LOGFONTA lf = SystemLogFont(SystemFont::Menu);
    lf.lfWeight = FW_BOLD;
    return MakeFont(lf);
  }();
  return font;
}

}  // namespace plat
