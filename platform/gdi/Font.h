#pragma once
// The HFONT object: a logical font description, made real (face file, size,
// glyph cache) on first use and shared with every equal description.
#include <memory>

#include "platform/gdi/FontTypes.h"
#include "platform/gdi/GdiObjects.h"

namespace plat {

class RealizedFont;

class Font : public GdiObject {
 public:
  explicit Font(const LOGFONTW& font);
  ~Font() override;

  DWORD ObjectType() const override { return OBJ_FONT; }
  // A LOGFONTW when the buffer is exactly that size, else a LOGFONTA.
  int Describe(int size, void* buffer) const override;

  const LOGFONTW& LogFont() const { return FLogFont; }
  RealizedFont& Realized();
  // The metrics of the realized face with this description's styles.
  TEXTMETRICW Metrics();

 private:
  LOGFONTW FLogFont;
  std::shared_ptr<RealizedFont> FRealized;
};

// Face names are UTF-8 in the ANSI form; longer names are cut to the field.
LOGFONTW WideLogFont(const LOGFONTA& font);
LOGFONTA AnsiLogFont(const LOGFONTW& font);

HFONT CreateFontIndirectA(const LOGFONTA* font);
HFONT CreateFontIndirectW(const LOGFONTW* font);
inline HFONT CreateFontIndirect(const LOGFONTA* font) { return CreateFontIndirectA(font); }

// The metrics of the font selected into the DC.
bool GetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
bool GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
inline bool GetTextMetrics(HDC dc, TEXTMETRICA* metrics) { return GetTextMetricsA(dc, metrics); }

// The font selected into a live DC (the stock system font when none is).
Font* SelectedFont(HDC dc);

}  // namespace plat
