#pragma once
// What other processes read in the window-registry folder, for tests of the
// layers above that check what their windows publish.
#include <optional>
#include <vector>

#include "platform/win/detail/PublishedWindowList.h"

namespace plat::testing {

// The windows of every publishing process, this one's included; none when
// a list cannot be read or decoded.
std::optional<std::vector<TPublishedWindow>> EveryPublishedWindow();

}  // namespace plat::testing
