#include "platform/rtl/FolderHandle.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"

namespace plat {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

bool FailedWithErrno() {
  SetLastError(ErrorFromErrno(errno));
  return false;
}

// A name of one entry: never a path, nor the folder itself or its parent.
bool IsEntryName(const String& name) {
  if (name.empty() || name == "." || name == ".." || name.find('/') != String::npos) {
    SetLastError(ERROR_INVALID_NAME);
    return false;
  }
  return true;
}

// The entries of the folder open as descriptor, read through a descriptor of
// its own so that the caller's keeps its position.
bool ListAt(int descriptor, std::vector<String>& names) {
  names.clear();
  const int own = ::openat(descriptor, ".", kFolderFlags);
  if (own < 0) {
    return FailedWithErrno();
  }
  DIR* folder = ::fdopendir(own);
  if (!folder) {
    ::close(own);
    return FailedWithErrno();
  }
  while (const dirent* entry = ::readdir(folder)) {
    const String name = entry->d_name;
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  }
  ::closedir(folder);
  return true;
}

// Removes the entry and, for a folder, all below it first; a link is an
// entry like a file.
bool DeleteTreeAt(int parent, const String& name) {
  const int folder = ::openat(parent, name.c_str(), kFolderFlags | O_NOFOLLOW);
  if (folder < 0) {
    return ::unlinkat(parent, name.c_str(), 0) == 0 || errno == ENOENT || FailedWithErrno();
  }
  std::vector<String> names;
  bool whole = ListAt(folder, names);
  for (const String& entry : names) {
    whole = DeleteTreeAt(folder, entry) && whole;
  }
  ::close(folder);
  return whole && (::unlinkat(parent, name.c_str(), AT_REMOVEDIR) == 0 || FailedWithErrno());
}

}  // namespace

TFolderHandle::TFolderHandle(int descriptor, String path) : FDescriptor(descriptor), FPath(std::move(path)) {}

TFolderHandle::~TFolderHandle() { ::close(FDescriptor); }

std::unique_ptr<TFolderHandle> TFolderHandle::Open(const String& path) {
  if (NormalizePath(path).empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return nullptr;
  }
  const String normal = IncludeTrailingPathDelimiter(NormalizePath(path));
  const int descriptor = ::open(normal.c_str(), kFolderFlags);
  if (descriptor < 0) {
    FailedWithErrno();
    return nullptr;
  }
  return std::unique_ptr<TFolderHandle>(new TFolderHandle(descriptor, normal));
}

bool TFolderHandle::List(std::vector<String>& names) const { return ListAt(FDescriptor, names); }

std::unique_ptr<TFolderHandle> TFolderHandle::OpenFolder(const String& name, bool create) const {
  if (!IsEntryName(name)) {
    return nullptr;
  }
  if (create && ::mkdirat(FDescriptor, name.c_str(), 0777) != 0 && errno != EEXIST) {
    FailedWithErrno();
    return nullptr;
  }
  const int descriptor = ::openat(FDescriptor, name.c_str(), kFolderFlags | O_NOFOLLOW);
  if (descriptor < 0) {
    FailedWithErrno();
    return nullptr;
  }
  return std::unique_ptr<TFolderHandle>(new TFolderHandle(descriptor, FPath + name + "/"));
}

int TFolderHandle::CreateFile(const String& name) const {
  if (!IsEntryName(name)) {
    return -1;
  }
  const int handle = ::openat(FDescriptor, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  return handle >= 0 || FailedWithErrno() ? handle : -1;
}

bool TFolderHandle::DeleteFile(const String& name) const {
  return IsEntryName(name) && (::unlinkat(FDescriptor, name.c_str(), 0) == 0 || FailedWithErrno());
}

bool TFolderHandle::RemoveDir(const String& name) const {
  return IsEntryName(name) && (::unlinkat(FDescriptor, name.c_str(), AT_REMOVEDIR) == 0 || FailedWithErrno());
}

String CreatePrivateFolder(const String& parent, const String& prefix) {
  String pattern = IncludeTrailingPathDelimiter(NormalizePath(parent)) + prefix + "XXXXXX";
  if (!::mkdtemp(pattern.data())) {
    FailedWithErrno();
    return String();
  }
  return pattern + "/";
}

bool DeleteTree(const String& path) {
  const String folder = ExcludeTrailingPathDelimiter(NormalizePath(path));
  const String parent = ExtractFileDir(folder);
  const int descriptor = ::open(parent.empty() ? "." : parent.c_str(), kFolderFlags);
  if (descriptor < 0) {
    return FailedWithErrno();
  }
  const bool gone = IsEntryName(ExtractFileName(folder)) && DeleteTreeAt(descriptor, ExtractFileName(folder));
  ::close(descriptor);
  return gone;
}

}  // namespace plat
