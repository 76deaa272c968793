#include "platform/win/detail/WindowRegistryFolder.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <random>

#include "platform/os/PlatformRoot.h"

namespace plat {

namespace {

const char kListSuffix[] = ".list";

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

String WindowRegistryFolder::Path() { return RunFolder("windows"); }

String WindowRegistryFolder::NewEndpointName() {
  // The random part keeps a reused process id from meeting its
  // predecessor's left-over entries.
  std::random_device random;
  const std::uint64_t nonce = (static_cast<std::uint64_t>(random()) << 32) | random();
  char digits[17];
  static const char hex[] = "0123456789abcdef";
  for (int i = 0; i < 16; ++i) digits[i] = hex[(nonce >> (60 - 4 * i)) & 0xF];
  digits[16] = '\0';
  return std::to_string(::getpid()) + "-" + digits;
}

bool WindowRegistryFolder::IsEndpointName(const String& name) {
  const std::size_t dash = name.find('-');
  if (dash == String::npos || dash == 0 || dash > 10 || name.size() != dash + 17) return false;
  return std::all_of(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(dash), IsDigit) &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dash) + 1, name.end(), IsHexDigit);
}

std::vector<String> WindowRegistryFolder::Endpoints() {
  std::vector<String> names;
  DIR* folder = ::opendir(Path().c_str());
  if (folder == nullptr) return names;
  const std::size_t suffixSize = sizeof kListSuffix - 1;
  while (const dirent* entry = ::readdir(folder)) {
    const String file = entry->d_name;
    if (file.size() <= suffixSize || file.compare(file.size() - suffixSize, suffixSize, kListSuffix) != 0) continue;
    String name = file.substr(0, file.size() - suffixSize);
    if (IsEndpointName(name)) names.push_back(std::move(name));
  }
  ::closedir(folder);
  std::sort(names.begin(), names.end());
  return names;
}

void WindowRegistryFolder::Remove(const String& endpoint) {
  ::unlink(ListPath(endpoint).c_str());
  ::unlink(SocketPath(endpoint).c_str());
}

}  // namespace plat
