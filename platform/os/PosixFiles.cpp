#include "platform/os/PosixFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>

#include "platform/rtl/LastError.h"

namespace plat {

bool MakeFolders(const String& path, unsigned mode) {
  if (path.empty()) return false;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  const String parent = ParentFolder(path);
  if (!parent.empty() && parent != path && !MakeFolders(parent, mode)) return false;
  if (::mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0 || errno == EEXIST) return true;
  SetLastError(ErrorFromErrno(errno));
  return false;
}

String ParentFolder(const String& path) {
  String trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const auto slash = trimmed.find_last_of('/');
  if (slash == String::npos) return String();
  if (slash == 0) return "/";
  return trimmed.substr(0, slash);
}

std::optional<String> ReadWholeFile(const String& path, std::size_t maxSize) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    SetLastError(ErrorFromErrno(errno));
    return std::nullopt;
  }
  String content;
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 || content.size() + static_cast<std::size_t>(got) > maxSize) {
      SetLastError(got < 0 ? ERROR_READ_FAULT : ERROR_INVALID_DATA);
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    content.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return content;
}

bool ReplaceFileAtomically(const String& path, const String& content) {
  // A random suffix keeps concurrent writers (threads or processes) off each
  // other's temporary file.
  thread_local std::mt19937_64 random{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
  const String temporary = path + suffix;
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    SetLastError(ErrorFromErrno(errno));
    return false;
  }
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t put = ::write(fd, content.data() + written, content.size() - written);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    written += static_cast<std::size_t>(put);
  }
  const int writeErrno = errno;
  if (::close(fd) != 0 || written != content.size()) {
    SetLastError(written != content.size() ? ErrorFromErrno(writeErrno) : ERROR_WRITE_FAULT);
    ::unlink(temporary.c_str());
    return false;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    SetLastError(ErrorFromErrno(errno));
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

String EscapeFileName(const String& name) {
  static const char digits[] = "0123456789ABCDEF";
  String escaped;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '_' || (c == '.' && i > 0);
    if (plain) {
      escaped += static_cast<char>(c);
    } else {
      escaped += '%';
      escaped += digits[c >> 4];
      escaped += digits[c & 15];
    }
  }
  // File names hold at most 255 bytes and callers add short extensions.
  constexpr std::size_t kMaxLength = 180;
  if (escaped.size() <= kMaxLength) return escaped;
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the whole name
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char tail[24];
  std::snprintf(tail, sizeof tail, "~%016llx", static_cast<unsigned long long>(hash));
  return escaped.substr(0, kMaxLength - 17) + tail;
}

TFileLock::TFileLock(const String& path) {
  FFd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (FFd < 0) {
    SetLastError(ErrorFromErrno(errno));
    return;
  }
  while (::flock(FFd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    SetLastError(ErrorFromErrno(errno));
    ::close(FFd);
    FFd = -1;
    return;
  }
}

TFileLock::~TFileLock() {
  if (FFd >= 0) ::close(FFd);
}

}  // namespace plat
