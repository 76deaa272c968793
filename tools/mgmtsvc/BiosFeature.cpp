#include "tools/mgmtsvc/BiosFeature.h"

#include <array>
#include <utility>

namespace zorbit::mgmtsvc {

namespace {

constexpr std::array<std::pair<std::string_view, BiosFeature>, 8> kFeatures{{
    {"bootorder", BiosFeature::BootOrder},
    {"bootflag", BiosFeature::BootFlag},
    {"supervisor", BiosFeature::Supervisor},
    {"user", BiosFeature::User},
    {"assettag", BiosFeature::AssetTag},
    {"serial", BiosFeature::Serial},
    {"parallel", BiosFeature::Parallel},
    {"infrared", BiosFeature::Infrared},
}};

}  // namespace

std::optional<BiosFeature> BiosFeatureFromName(std::string_view Name) {
  for (const auto& [name, feature] : kFeatures)
    if (name == Name) return feature;
  return std::nullopt;
}

std::string BiosFeatureNames() {
  std::string names;
  for (const auto& entry : kFeatures) {
    if (!names.empty()) names += ' ';
    names += entry.first;
  }
  return names;
}

}  // namespace zorbit::mgmtsvc
