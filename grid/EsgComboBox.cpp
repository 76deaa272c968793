#include "grid/EsgComboBox.h"

#include <string>

namespace zorbit {

namespace {

constexpr int kMajor = 1;
constexpr int kMinor = 2;
constexpr int kRelease = 0;
constexpr int kBuild = 0;

}  // namespace

plat::String TESGCustomCombo::Version() const {
  return std::to_string(kMajor) + "." + std::to_string(kMinor) + "." + std::to_string(kRelease) + "." +
         std::to_string(kBuild);
}

}  // namespace zorbit
