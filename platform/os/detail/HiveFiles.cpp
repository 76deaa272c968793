#include "platform/os/detail/HiveFiles.h"

#include <sys/stat.h>

#include <map>
#include <mutex>
#include <optional>

#include "platform/os/PosixFiles.h"
#include "platform/rtl/LastError.h"

namespace plat::detail {

namespace {

// Hive files beyond this are refused rather than read into memory.
constexpr std::size_t kMaxHiveSize = 64u << 20;

// What tells one state of a file from another: a write replaces the file, so
// its identity changes; size and change time catch writes in place.
struct TFileStamp {
  dev_t Device = 0;
  ino_t Inode = 0;
  off_t Size = 0;
  timespec Changed{};
  timespec Modified{};

  bool operator==(const TFileStamp& other) const {
    return Device == other.Device && Inode == other.Inode && Size == other.Size &&
           Changed.tv_sec == other.Changed.tv_sec && Changed.tv_nsec == other.Changed.tv_nsec &&
           Modified.tv_sec == other.Modified.tv_sec && Modified.tv_nsec == other.Modified.tv_nsec;
  }
};

std::optional<TFileStamp> StampOf(const String& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return TFileStamp{info.st_dev, info.st_ino, info.st_size, info.st_ctim, info.st_mtim};
}

struct TCachedHive {
  TFileStamp Stamp;
  std::shared_ptr<const TRegistryHive> Hive;
};

std::mutex& CacheLock() {
  static std::mutex lock;
  return lock;
}

std::map<String, TCachedHive>& Cache() {
  static std::map<String, TCachedHive> cache;
  return cache;
}

std::unique_ptr<TRegistryHive> Parse(const String& path, const String& rootName) {
  auto hive = std::make_unique<TRegistryHive>(rootName);
  const std::optional<String> text = ReadWholeFile(path, kMaxHiveSize);
  if (!text) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return hive;
    return nullptr;
  }
  if (!hive->Parse(*text)) {
    SetLastError(ERROR_BADDB);
    return nullptr;
  }
  return hive;
}

}  // namespace

std::shared_ptr<const TRegistryHive> ReadHive(const String& path, const String& rootName) {
  const std::optional<TFileStamp> stamp = StampOf(path);
  if (!stamp) return Parse(path, rootName);  // missing (empty) or unreadable
  {
    const std::lock_guard<std::mutex> guard(CacheLock());
    const auto found = Cache().find(path);
    if (found != Cache().end() && found->second.Stamp == *stamp) return found->second.Hive;
  }
  std::shared_ptr<const TRegistryHive> hive = Parse(path, rootName);
  // Kept under the stamp taken before the read: if the file changed while
  // it was read, the next read sees another stamp and reads it again.
  const std::lock_guard<std::mutex> guard(CacheLock());
  if (hive) {
    Cache()[path] = TCachedHive{*stamp, hive};
  } else {
    Cache().erase(path);
  }
  return hive;
}

std::unique_ptr<TRegistryHive> ReadHiveForChange(const String& path, const String& rootName) {
  return Parse(path, rootName);
}

bool WriteHive(const String& path, std::unique_ptr<TRegistryHive> hive) {
  const bool stored = ReplaceFileAtomically(path, hive->Serialize());
  const std::optional<TFileStamp> stamp = stored ? StampOf(path) : std::nullopt;
  const std::lock_guard<std::mutex> guard(CacheLock());
  if (stamp) {
    Cache()[path] = TCachedHive{*stamp, std::move(hive)};
  } else {
    Cache().erase(path);
  }
  return stored;
}

}  // namespace plat::detail
