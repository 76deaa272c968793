#include "grid/detail/ExtGridButtonColors.h"

#include "platform/gdi/ThemeServices.h"
#include "platform/os/OsVersion.h"

namespace zorbit::detail {

namespace {

constexpr plat::TColor C(unsigned Value) { return static_cast<plat::TColor>(Value); }

constexpr TExtGridButtonColors kDefault{plat::clBtnFace, plat::clNone, C(0xEED2C1),  plat::clNone, C(0xE2B598),
                                        plat::clNone,    C(0xE8E6E1),  plat::clNone, C(0xC56A31)};
// The three schemes differ only in the face.
constexpr TExtGridButtonColors Scheme(unsigned Color, unsigned ColorTo) {
  return {C(Color), C(ColorTo), C(0xCCF4FF), C(0x91D0FF), C(0x4E91FE), C(0x8ED3FF), C(0x8ED3FF), C(0x55ADFF), C(0)};
}
constexpr TExtGridButtonColors kBlue = Scheme(0xFDEADA, 0xE4AE88);
constexpr TExtGridButtonColors kOlive = Scheme(0xCFF0EA, 0x8CC0B1);
constexpr TExtGridButtonColors kSilver = Scheme(0xECE2E1, 0xB39698);

}  // namespace

bool VisualStylesInForce() {
  plat::OSVERSIONINFO version;
  if (!plat::GetVersionEx(&version)) return false;
  const bool generation = version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1);
  return generation && plat::IsThemeActive();
}

const TExtGridButtonColors& CurrentThemeButtonColors() {
  if (!VisualStylesInForce()) return kDefault;
  plat::WideString colorName;
  if (plat::GetCurrentThemeName(nullptr, &colorName, nullptr) != plat::S_OK) return kDefault;
  if (colorName == u"NormalColor") return kBlue;
  if (colorName == u"HomeStead") return kOlive;
  if (colorName == u"Metallic") return kSilver;
  return kDefault;
}

}  // namespace zorbit::detail
