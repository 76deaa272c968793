#pragma once
// The fake BIOS's features, as named on the command line (--fail FEATURE).
#include <optional>
#include <string>
#include <string_view>

namespace zorbit::mgmtsvc {

enum class BiosFeature { BootOrder, BootFlag, Supervisor, User, AssetTag, Serial, Parallel, Infrared };

std::optional<BiosFeature> BiosFeatureFromName(std::string_view Name);
// The names accepted by BiosFeatureFromName, blank-separated, for messages.
std::string BiosFeatureNames();

}  // namespace zorbit::mgmtsvc
