#include "platform/rtl/FileUtils.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace plat {

struct TFindState {
  std::vector<TSearchRec> Entries;
  std::size_t Next = 0;
};

namespace {

bool StatPath(const String& path, struct stat& info) { return ::stat(NormalizePath(path).c_str(), &info) == 0; }

// Failure of a routine that reports it by its result: sets the last error
// (from errno of the Linux call just made, for the second) and answers false.
bool FailedWith(DWORD error) {
  SetLastError(error);
  return false;
}
bool FailedWithErrno() { return FailedWith(ErrorFromErrno(errno)); }

// The entries of a folder, without "." and ".."; false, with the last error
// set, when the folder cannot be read.
bool ListFolder(const String& dir, std::vector<String>& names) {
  names.clear();
  DIR* handle = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!handle) {
    // A folder that is not there is a missing path, as for any search.
    return FailedWith(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno));
  }
  while (const dirent* entry = ::readdir(handle)) {
    const String name = entry->d_name;
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  }
  ::closedir(handle);
  return true;
}

// "*" and "?" over code points, letters compared without case.
bool MatchFrom(const std::u32string& name, std::size_t n, const std::u32string& mask, std::size_t m) {
  // Iterative matching with one backtrack point for the last "*".
  std::size_t starMask = std::u32string::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == U'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::u32string::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == U'*') {
    ++m;
  }
  return m == mask.size();
}

std::u32string FoldedCodePoints(const String& s) {
  std::u32string out;
  for (std::size_t pos = 0; pos < s.size();) {
    out += UnicodeLower(DecodeUtf8(s, pos));
  }
  return out;
}

int AttributesOf(const String& name, const struct stat& info) {
  int attr = 0;
  if (S_ISDIR(info.st_mode)) {
    attr |= faDirectory;
  } else if (S_ISREG(info.st_mode)) {
    attr |= faArchive;
  } else {
    attr |= faSysFile;
  }
  if (!name.empty() && name[0] == '.') {
    attr |= faHidden;
  }
  if ((info.st_mode & S_IWUSR) == 0) {
    attr |= faReadOnly;
  }
  return attr;
}

TDateTime ModificationTime(const struct stat& info) {
  return UnixToLocalDateTime(static_cast<Int64>(info.st_mtim.tv_sec), info.st_mtim.tv_nsec);
}

}  // namespace

bool FileExists(const String& fileName) {
  struct stat info {};
  return StatPath(fileName, info) && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const String& dir) {
  struct stat info {};
  return StatPath(dir, info) && S_ISDIR(info.st_mode);
}

bool CreateDir(const String& dir) {
  if (::mkdir(NormalizePath(dir).c_str(), 0777) == 0) {
    return true;
  }
  // Only a missing parent makes a new entry fail this way.
  return FailedWith(errno == ENOENT ? ERROR_PATH_NOT_FOUND : ErrorFromErrno(errno));
}

bool ForceDirectories(const String& dir) {
  const String path = ExcludeTrailingPathDelimiter(dir);
  if (path.empty()) {
    return FailedWith(ERROR_INVALID_PARAMETER);
  }
  if (DirectoryExists(path)) {
    return true;
  }
  const String parent = ExtractFileDir(path);
  if (!parent.empty() && parent != path && !ForceDirectories(parent)) {
    return false;
  }
  return CreateDir(path) || DirectoryExists(path);
}

bool RemoveDir(const String& dir) { return ::rmdir(NormalizePath(dir).c_str()) == 0 || FailedWithErrno(); }

bool DeleteFile(const String& fileName) {
  struct stat info {};
  if (!StatPath(fileName, info)) {
    return FailedWithErrno();
  }
  // Folders are not files: unlink would refuse them anyway, but say so plainly.
  if (S_ISDIR(info.st_mode)) {
    return FailedWith(ERROR_ACCESS_DENIED);
  }
  return ::unlink(NormalizePath(fileName).c_str()) == 0 || FailedWithErrno();
}

bool RenameFile(const String& oldName, const String& newName) {
  // Like the classic call, an existing target is not replaced.
  const String from = NormalizePath(oldName);
  const String to = NormalizePath(newName);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return FailedWithErrno();
  }
  struct stat info {};
  if (::lstat(to.c_str(), &info) == 0) {
    return FailedWith(ERROR_ALREADY_EXISTS);
  }
  return ::rename(from.c_str(), to.c_str()) == 0 || FailedWithErrno();
}

Int64 FileSize(const String& fileName) {
  struct stat info {};
  return StatPath(fileName, info) && !S_ISDIR(info.st_mode) ? static_cast<Int64>(info.st_size) : -1;
}

bool FileAge(const String& fileName, TDateTime& fileDateTime) {
  struct stat info {};
  if (!StatPath(fileName, info) || S_ISDIR(info.st_mode)) {
    return false;
  }
  fileDateTime = ModificationTime(info);
  return true;
}

namespace {

// The access time kept and the modification time set, as utimensat and
// futimens take them; false for a time that is no number.
bool ModificationTimes(TDateTime fileDateTime, timespec (&times)[2]) {
  if (!std::isfinite(fileDateTime)) {
    return FailedWith(ERROR_INVALID_PARAMETER);
  }
  const double whole = std::floor(fileDateTime * SecsPerDay) / SecsPerDay;
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(LocalDateTimeToUnix(whole));
  times[1].tv_nsec =
      std::clamp(static_cast<long>(std::llround((fileDateTime - whole) * SecsPerDay * 1e9)), 0L, 999999999L);
  return true;
}

}  // namespace

int FileSetDate(const String& fileName, TDateTime fileDateTime) {
  timespec times[2]{};
  if (!ModificationTimes(fileDateTime, times) ||
      (::utimensat(AT_FDCWD, NormalizePath(fileName).c_str(), times, 0) != 0 && !FailedWithErrno())) {
    return static_cast<int>(GetLastError());
  }
  return 0;
}

int FileSetDate(int handle, TDateTime fileDateTime) {
  timespec times[2]{};
  if (!ModificationTimes(fileDateTime, times) || (::futimens(handle, times) != 0 && !FailedWithErrno())) {
    return static_cast<int>(GetLastError());
  }
  return 0;
}

String GetTempDir() {
  const char* dir = std::getenv("TMPDIR");
  return IncludeTrailingPathDelimiter(dir && *dir ? dir : "/tmp");
}

String GetCurrentDir() {
  std::vector<char> buffer(4096);
  return ::getcwd(buffer.data(), buffer.size()) ? String(buffer.data()) : String();
}

bool SetCurrentDir(const String& dir) { return ::chdir(NormalizePath(dir).c_str()) == 0 || FailedWithErrno(); }

bool MatchesMask(const String& name, const String& mask) {
  if (mask == "*.*") {
    return true;
  }
  return MatchFrom(FoldedCodePoints(name), 0, FoldedCodePoints(mask), 0);
}

String FindFileNoCase(const String& path) {
  const String normal = NormalizePath(path);
  if (normal.empty()) {
    return String();
  }
  struct stat info {};
  if (::stat(normal.c_str(), &info) == 0) {
    return normal;
  }
  String resolved = normal[0] == '/' ? "/" : "";
  std::size_t pos = normal[0] == '/' ? 1 : 0;
  while (pos < normal.size()) {
    std::size_t next = normal.find('/', pos);
    if (next == String::npos) {
      next = normal.size();
    }
    const String part = normal.substr(pos, next - pos);
    pos = next + 1;
    if (part.empty()) {
      continue;
    }
    String candidate = resolved + part;
    if (::lstat(candidate.c_str(), &info) != 0) {
      std::vector<String> names;
      ListFolder(resolved.empty() ? "." : resolved, names);
      const auto match =
          std::find_if(names.begin(), names.end(), [&](const String& n) { return AnsiSameText(n, part); });
      if (match == names.end()) {
        return String();
      }
      candidate = resolved + *match;
    }
    resolved = candidate;
    if (pos < normal.size() || normal.back() == '/') {
      resolved += '/';
    }
  }
  return resolved;
}

int FindFirst(const String& path, int attr, TSearchRec& f) {
  const String normal = NormalizePath(path);
  const String dir = ExtractFilePath(normal);
  const String mask = ExtractFileName(normal);
  auto state = std::make_shared<TFindState>();
  // Hidden, system and folder entries only when asked for; plain files always.
  const int excluded = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
  std::vector<String> names;
  if (!ListFolder(dir, names)) {
    f = TSearchRec();
    return static_cast<int>(GetLastError());
  }
  for (const String& name : names) {
    struct stat info {};
    if (!MatchesMask(name, mask) || ::stat((dir + name).c_str(), &info) != 0) {
      continue;
    }
    TSearchRec entry;
    entry.Name = name;
    entry.Attr = AttributesOf(name, info);
    if ((entry.Attr & excluded) != 0) {
      continue;
    }
    entry.Size = S_ISDIR(info.st_mode) ? 0 : static_cast<Int64>(info.st_size);
    entry.Time = ModificationTime(info);
    entry.ExcludeAttr = excluded;
    state->Entries.push_back(std::move(entry));
  }
  std::sort(state->Entries.begin(), state->Entries.end(),
            [](const TSearchRec& a, const TSearchRec& b) { return AnsiCompareText(a.Name, b.Name) < 0; });
  f = TSearchRec();
  if (state->Entries.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return ERROR_FILE_NOT_FOUND;
  }
  f.FindHandle = std::move(state);
  return FindNext(f);
}

int FindNext(TSearchRec& f) {
  if (!f.FindHandle || f.FindHandle->Next >= f.FindHandle->Entries.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return ERROR_NO_MORE_FILES;
  }
  std::shared_ptr<TFindState> state = f.FindHandle;
  f = state->Entries[state->Next++];
  f.FindHandle = std::move(state);
  return 0;
}

void FindClose(TSearchRec& f) { f.FindHandle.reset(); }

}  // namespace plat
