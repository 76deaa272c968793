#include "grid/HtmlColors.h"

#include <array>
#include <string_view>

#include "grid/detail/HtmlMarkup.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {

namespace {

struct NamedColor {
  std::string_view Name;
  plat::TColor Value;
};

constexpr plat::TColor Sys(int index) { return static_cast<plat::TColor>(0xFF000000u + static_cast<unsigned>(index)); }

constexpr std::array<NamedColor, 40> ColorNames{{
    {"clred", 0x0000FF},
    {"clblack", 0x000000},
    {"clblue", 0xFF0000},
    {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},
    {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},
    {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},
    {"clgray", 0x808080},
    {"clolive", 0x008080},
    {"clnavy", 0x800000},
    {"clpurple", 0x800080},
    {"clteal", 0x808000},
    {"clmaroon", 0x000080},
    {"clbackground", Sys(1)},
    {"clactivecaption", Sys(2)},
    {"clinactivecaption", Sys(3)},
    {"clmenu", Sys(4)},
    {"clwindow", Sys(5)},
    {"clwindowframe", Sys(6)},
    {"clmenutext", Sys(7)},
    {"clwindowtext", Sys(8)},
    {"clcaptiontext", Sys(9)},
    {"clactiveborder", Sys(10)},
    {"clinactiveborder", Sys(11)},
    {"clappworkspace", Sys(12)},
    {"clhighlight", Sys(13)},
    {"clhighlighttext", Sys(14)},
    {"clbtnface", Sys(15)},
    {"clbtnshadow", Sys(16)},
    {"clgraytext", Sys(17)},
    {"clbtntext", Sys(18)},
    {"clinactivecaptiontext", Sys(19)},
    {"clbtnhighlight", Sys(20)},
    {"cl3ddkshadow", Sys(21)},
    {"cl3dlight", Sys(22)},
    {"clinfotext", Sys(23)},
    {"clinfobk", Sys(24)},
}};

int HexDigit(char c) {
  c = detail::UpperAscii(c);
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct Entity {
  std::string_view Name;  // with "&" and ";"
  char32_t Character;
};

// One pass over the text: a replacement is never read again.
plat::String DecodeOnce(const plat::String& Text, std::initializer_list<Entity> entities) {
  if (Text.find('&') == plat::String::npos) return Text;
  plat::String out;
  out.reserve(Text.size());
  for (std::size_t pos = 0; pos < Text.size();) {
    bool decoded = false;
    if (Text[pos] == '&') {
      for (const Entity& e : entities) {
        if (detail::StartsWithNoCase(Text, pos, e.Name)) {
          plat::AppendUtf8(out, e.Character);
          pos += e.Name.size();
          decoded = true;
          break;
        }
      }
    }
    if (!decoded) out += Text[pos++];
  }
  return out;
}

}  // namespace

bool ParseHtmlColor(const plat::String& Value, plat::TColor& Color) {
  if (!Value.empty() && Value[0] == '#') {
    if (Value.size() != 7) return false;
    unsigned rgb[3];
    for (int i = 0; i < 3; ++i) {
      const int high = HexDigit(Value[1 + 2 * i]), low = HexDigit(Value[2 + 2 * i]);
      if (high < 0 || low < 0) return false;
      rgb[i] = static_cast<unsigned>(high * 16 + low);
    }
    Color = static_cast<plat::TColor>(rgb[0] + rgb[1] * 256 + rgb[2] * 65536);
    return true;
  }
  const plat::String name = plat::LowerCase(Value);
  Color = plat::clBlack;
  for (const NamedColor& c : ColorNames)
    if (c.Name == name) Color = c.Value;
  return true;
}

plat::String DecodeHtmlEntities(const plat::String& Text) {
  return DecodeOnce(Text, {{"&amp;", U'&'},
                           {"&quot;", U'"'},
                           {"&sect;", U'\u00A7'},
                           {"&permil;", U'\u2030'},
                           {"&reg;", U'\u00AE'},
                           {"&copy;", U'\u00A9'},
                           {"&para;", U'\u00B6'},
                           {"&trade;", U'\u2122'},
                           {"&euro;", U'\u20AC'}});
}

plat::String UnescapeHtmlValue(const plat::String& Text) {
  return DecodeOnce(Text, {{"&lt;", U'<'}, {"&gt;", U'>'}, {"&amp;", U'&'}, {"&quot;", U'"'}});
}

plat::String EscapeHtmlValue(const plat::String& Text) {
  plat::String out;
  out.reserve(Text.size());
  for (char c : Text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace zorbit
