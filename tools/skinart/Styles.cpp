#include "tools/skinart/Styles.h"

#include <map>

namespace skinart {
namespace {

constexpr Rgb Hex(unsigned rgb) {
  return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF)};
}

const Palette MacOS{
    Hex(0xE7E7E7), Hex(0xFDFDFD), Hex(0xEEEEEE), Hex(0xDEDEDE), Hex(0xF4F4F4),
    0.5,           Hex(0x8A8A8A), Hex(0x3973C4), Hex(0xF2F2F2), Hex(0xDCDCDC),
    Hex(0xD2D2D2), Hex(0xBDBDBD), 0.5,           Hex(0xF6F6F6), Hex(0xB8B8B8),
    Hex(0x7A7A7A), Hex(0x4A4A4A), Hex(0xF29A8E), Hex(0xC8402F), Hex(0xC9C9C9),
    11.5,          8.5,           true,          false,         4,
};

const Palette WinXP{
    Hex(0xEFEBDE),
    Hex(0xFFFFFF),
    Hex(0xF6F5F1),
    Hex(0xF0EFE9),
    Hex(0xD8D5CA),
    0.5,
    Hex(0x003C74),
    Hex(0x21A121),
    Hex(0x3D95FF),
    Hex(0x0A5FE8),
    Hex(0x0054E3),
    Hex(0x0041B8),
    0.25,
    Hex(0x6FA8FF),
    Hex(0x1953D8),
    Hex(0xFFFFFF),
    Hex(0xFFFFFF),
    Hex(0xF08A6A),
    Hex(0xC4360E),
    Hex(0xF9F9F9),
    3,
    3,
    false,
    false,
    5,
};

const Palette DeepBlue{
    Hex(0xE8E8E8),
    Hex(0xE9EEF6),
    Hex(0xD3DCEB),
    Hex(0xC3CFE3),
    Hex(0xAFBFDA),
    0.5,
    Hex(0x1C2C4C),
    Hex(0x24477A),
    Hex(0x34507E),
    Hex(0x1B2F55),
    Hex(0x15264A),
    Hex(0x0D1A35),
    0.45,
    Hex(0x3E5F95),
    Hex(0x1A2F57),
    Hex(0x7F97C2),
    Hex(0xFFFFFF),
    Hex(0xC85A4E),
    Hex(0x8A2118),
    Hex(0xF5F5F5),
    2,
    2,
    false,
    false,
    2,
};

const Palette Protein{
    Hex(0xFBFBFB),
    Hex(0xFFFFFF),
    Hex(0xF7F7F7),
    Hex(0xEDEDED),
    Hex(0xDDDDDD),
    0.5,
    Hex(0x6E6E6E),
    Hex(0x2D30C4),
    Hex(0x9BA0A7),
    Hex(0x80858C),
    Hex(0x767B82),
    Hex(0x5E636A),
    0.5,
    Hex(0xC3C6CB),
    Hex(0x8B9097),
    Hex(0x50545A),
    Hex(0xFFFFFF),
    Hex(0xE58B86),
    Hex(0xB0332C),
    Hex(0xF5F5F5),
    3,
    4,
    false,
    true,
    2,
};

const Palette BlueGlass{
    Hex(0xE7E7E7),
    Hex(0xF4F9FF),
    Hex(0xDCEBFD),
    Hex(0xC2DCFA),
    Hex(0xDDEEFF),
    0.5,
    Hex(0x3A6CB0),
    Hex(0x5E5EEC),
    Hex(0x8CB5EC),
    Hex(0x5A8ED8),
    Hex(0x2F66BA),
    Hex(0x1E4F9E),
    0.5,
    Hex(0xB5D3F7),
    Hex(0x3C73C2),
    Hex(0x1D4485),
    Hex(0xFFFFFF),
    Hex(0xF4A291),
    Hex(0xC23A21),
    Hex(0xF4F4F4),
    6,
    5,
    true,
    true,
    6,
};

}  // namespace

const Palette* PaletteOf(const std::string& prefix) {
  static const std::map<std::string, const Palette*> palettes{
      {"MACOS", &MacOS},     {"WINXP", &WinXP},         {"DEEPBLUE", &DeepBlue},
      {"PROTEIN", &Protein}, {"BLUEGLASS", &BlueGlass}, {"MORE", &DeepBlue},
  };
  auto it = palettes.find(prefix);
  return it == palettes.end() ? nullptr : it->second;
}

Rgb TitleColour(const Palette& p, int row, int height) {
  return Glass(p.TitleTop, p.TitleMid, p.TitleMid2, p.TitleBottom, p.TitleSplit)((row + 0.5) / height);
}

}  // namespace skinart
