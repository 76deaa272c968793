#include "platform/rtl/Paths.h"

#include <unistd.h>

#include <vector>

namespace plat {

namespace {

// 0-based position of the last delimiter, npos when none.
std::size_t LastDelimiterPos(const String& path) { return path.find_last_of('/'); }

}  // namespace

bool IsPathDelimiter(char c) { return c == '/' || c == '\\'; }

String NormalizePath(const String& path) {
  String out;
  out.reserve(path.size());
  for (char c : path) {
    if (IsPathDelimiter(c)) {
      if (out.empty() || out.back() != '/') {
        out += '/';
      }
    } else {
      out += c;
    }
  }
  return out;
}

String ExtractFilePath(const String& fileName) {
  const String path = NormalizePath(fileName);
  const std::size_t last = LastDelimiterPos(path);
  return last == String::npos ? String() : path.substr(0, last + 1);
}

String ExtractFileDir(const String& fileName) {
  const String path = NormalizePath(fileName);
  const std::size_t last = LastDelimiterPos(path);
  if (last == String::npos) {
    return String();
  }
  return path.substr(0, last == 0 ? 1 : last);  // the root keeps its delimiter
}

String ExtractFileName(const String& fileName) {
  const String path = NormalizePath(fileName);
  const std::size_t last = LastDelimiterPos(path);
  return last == String::npos ? path : path.substr(last + 1);
}

String ExtractFileExt(const String& fileName) {
  const String name = ExtractFileName(fileName);
  const std::size_t dot = name.rfind('.');
  return dot == String::npos ? String() : name.substr(dot);
}

String ChangeFileExt(const String& fileName, const String& extension) {
  const String path = NormalizePath(fileName);
  const std::size_t dot = path.find_last_of("./");
  if (dot == String::npos || path[dot] != '.') {
    return path + extension;
  }
  return path.substr(0, dot) + extension;
}

String IncludeTrailingPathDelimiter(const String& path) {
  String out = NormalizePath(path);
  if (out.empty() || out.back() != '/') {
    out += '/';
  }
  return out;
}

String ExcludeTrailingPathDelimiter(const String& path) {
  String out = NormalizePath(path);
  if (out.size() > 1 && out.back() == '/') {
    out.pop_back();
  }
  return out;
}

String ExpandFileName(const String& fileName) {
  String path = NormalizePath(fileName);
  if (path.empty() || path[0] != '/') {
    std::vector<char> buffer(4096);
    const String cwd = ::getcwd(buffer.data(), buffer.size()) ? String(buffer.data()) : String("/");
    path = cwd + "/" + path;
  }
  std::vector<String> parts;
  std::size_t pos = 1;
  while (pos <= path.size()) {
    std::size_t next = path.find('/', pos);
    if (next == String::npos) {
      next = path.size();
    }
    const String part = path.substr(pos, next - pos);
    if (part == "..") {
      if (!parts.empty()) {
        parts.pop_back();
      }
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    pos = next + 1;
  }
  String out;
  for (const String& part : parts) {
    out += '/' + part;
  }
  const bool trailing = path.back() == '/' && !parts.empty();
  return out.empty() ? String("/") : (trailing ? out + '/' : out);
}

}  // namespace plat
