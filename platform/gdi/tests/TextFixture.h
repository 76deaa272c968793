#pragma once
// Fonts for text tests, and where ink lands on a surface.
#include <cstring>

#include "platform/gdi/Font.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat::testing {

inline HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, int escapement = 0, bool italic = false,
                      bool underline = false, bool strikeOut = false) {
  LOGFONTA font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfEscapement = escapement;
  font.lfItalic = italic ? 1 : 0;
  font.lfUnderline = underline ? 1 : 0;
  font.lfStrikeOut = strikeOut ? 1 : 0;
  std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirectA(&font);
}

// The smallest rectangle holding every pixel that is not the background.
inline TRect InkBounds(const Surface& surface, COLORREF background = RGB(255, 255, 255)) {
  TRect ink;
  bool any = false;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      if (surface.At(x, y) == background) continue;
      ink = any ? ink.United(Bounds(x, y, 1, 1)) : Bounds(x, y, 1, 1);
      any = true;
    }
  }
  return ink;
}

inline int CountColour(const Surface& surface, COLORREF colour) {
  int count = 0;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) count += surface.At(x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace plat::testing
