#include "platform/win/tests/PublishedWindows.h"

#include "platform/os/PosixFiles.h"
#include "platform/win/detail/WindowRegistryFolder.h"

namespace plat::testing {

std::optional<std::vector<TPublishedWindow>> EveryPublishedWindow() {
  std::vector<TPublishedWindow> every;
  for (const String& endpoint : WindowRegistryFolder::Endpoints()) {
    const auto text = ReadWholeFile(WindowRegistryFolder::ListPath(endpoint), TPublishedWindowLimits::MaxFileSize);
    if (!text) return std::nullopt;
    const auto windows = DecodeWindowList(*text);
    if (!windows) return std::nullopt;
    every.insert(every.end(), windows->begin(), windows->end());
  }
  return every;
}

}  // namespace plat::testing
