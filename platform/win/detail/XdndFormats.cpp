#include "platform/win/detail/XdndFormats.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Unicode.h"
#include "platform/win/Clipboard.h"
#include "platform/win/DropFiles.h"
#include "platform/win/GlobalText.h"

namespace plat {
namespace {

enum class Kind { Text, Files, RichText, Column };

struct TypeKind {
  const char* Type;
  Kind What;
};

constexpr TypeKind kTypes[] = {
    {"text/plain;charset=utf-8", Kind::Text},
    {"UTF8_STRING", Kind::Text},
    {"text/uri-list", Kind::Files},
    {"text/rtf", Kind::RichText},
    {"application/x-zorbit-grid-column", Kind::Column},
};

CLIPFORMAT RichTextFormat() { return static_cast<CLIPFORMAT>(RegisterClipboardFormat("Rich Text Format")); }
CLIPFORMAT ColumnFormat() { return static_cast<CLIPFORMAT>(RegisterClipboardFormat("Grid Column")); }

std::vector<CLIPFORMAT> FormatsOfKind(Kind kind) {
  switch (kind) {
    case Kind::Text: return {CF_UNICODETEXT, CF_TEXT};
    case Kind::Files: return {CF_HDROP};
    case Kind::RichText: return {RichTextFormat()};
    case Kind::Column: return {ColumnFormat()};
  }
  return {};
}

std::optional<Kind> KindOfType(const String& type) {
  for (const TypeKind& t : kTypes)
    if (type == t.Type) return t.What;
  return std::nullopt;
}

std::optional<Kind> KindOfFormat(CLIPFORMAT format) {
  for (Kind kind : {Kind::Text, Kind::Files, Kind::RichText, Kind::Column}) {
    const std::vector<CLIPFORMAT> formats = FormatsOfKind(kind);
    if (std::find(formats.begin(), formats.end(), format) != formats.end()) return kind;
  }
  return std::nullopt;
}

String UpToZero(const std::vector<Byte>& bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), Byte{0});
  return String(bytes.begin(), end);
}

std::vector<Byte> WithZero(const String& text) {
  std::vector<Byte> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

std::vector<Byte> WideWithZero(const WideString& text) {
  std::vector<Byte> bytes((text.size() + 1) * sizeof(char16_t), 0);
  std::memcpy(bytes.data(), text.data(), text.size() * sizeof(char16_t));
  return bytes;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The path of a local file URI, percent-decoded; none for another host,
// another scheme, a bad escape or a decoded zero.
std::optional<String> LocalPath(const String& uri) {
  constexpr std::string_view scheme = "file://";
  if (uri.size() < scheme.size() || uri.compare(0, scheme.size(), scheme) != 0) return std::nullopt;
  String rest = uri.substr(scheme.size());
  if (rest.compare(0, 9, "localhost") == 0) rest.erase(0, 9);
  if (rest.empty() || rest.front() != '/') return std::nullopt;
  String path;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] != '%') {
      path.push_back(rest[i]);
      continue;
    }
    if (i + 2 >= rest.size()) return std::nullopt;
    const int high = HexValue(rest[i + 1]), low = HexValue(rest[i + 2]);
    if (high < 0 || low < 0 || (high == 0 && low == 0)) return std::nullopt;
    path.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return path;
}

bool Unreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::strchr("-._~/", c) != nullptr;
}

}  // namespace

std::vector<CLIPFORMAT> FormatsOfTypes(const std::vector<String>& types) {
  std::vector<CLIPFORMAT> formats;
  for (const String& type : types)
    if (const auto kind = KindOfType(type))
      for (CLIPFORMAT format : FormatsOfKind(*kind))
        if (std::find(formats.begin(), formats.end(), format) == formats.end()) formats.push_back(format);
  return formats;
}

std::vector<String> TypesOfFormats(const std::vector<CLIPFORMAT>& formats) {
  std::vector<String> types;
  for (const TypeKind& t : kTypes) {
    const bool offered = std::any_of(formats.begin(), formats.end(),
                                     [&t](CLIPFORMAT format) { return KindOfFormat(format) == t.What; });
    if (offered) types.push_back(t.Type);
  }
  return types;
}

std::optional<String> TypeForFormat(CLIPFORMAT format, const std::vector<String>& offered) {
  const auto kind = KindOfFormat(format);
  if (!kind) return std::nullopt;
  for (const TypeKind& t : kTypes)
    if (t.What == *kind && std::find(offered.begin(), offered.end(), t.Type) != offered.end()) return String(t.Type);
  return std::nullopt;
}

std::optional<CLIPFORMAT> FormatForType(const String& type, const std::vector<CLIPFORMAT>& offered) {
  const auto kind = KindOfType(type);
  if (!kind) return std::nullopt;
  for (CLIPFORMAT format : FormatsOfKind(*kind))
    if (std::find(offered.begin(), offered.end(), format) != offered.end()) return format;
  return std::nullopt;
}

std::optional<std::vector<Byte>> FormatBytesFromType(CLIPFORMAT format, const String& type,
                                                     const std::vector<Byte>& bytes) {
  if (KindOfType(type) != KindOfFormat(format) || !KindOfType(type)) return std::nullopt;
  switch (*KindOfType(type)) {
    case Kind::Text:
      if (format == CF_UNICODETEXT) return WideWithZero(Utf8ToWide(UpToZero(bytes)));
      return WithZero(UpToZero(bytes));
    case Kind::RichText: return WithZero(UpToZero(bytes));
    case Kind::Column:
      if (bytes.size() != 4) return std::nullopt;
      return bytes;
    case Kind::Files: {
      const std::vector<String> files = LocalFilesOfUriList(UpToZero(bytes));
      if (files.empty()) return std::nullopt;
      HDROP drop = CreateDropFiles(files);
      if (!drop) return std::nullopt;
      std::vector<Byte> block = GlobalBytes(drop);
      DragFinish(drop);
      return block;
    }
  }
  return std::nullopt;
}

std::optional<std::vector<Byte>> TypeBytesFromFormat(const String& type, CLIPFORMAT format,
                                                     const std::vector<Byte>& block) {
  if (KindOfType(type) != KindOfFormat(format) || !KindOfType(type)) return std::nullopt;
  switch (*KindOfType(type)) {
    case Kind::Text: {
      if (format != CF_UNICODETEXT) {
        const String text = UpToZero(block);
        return std::vector<Byte>(text.begin(), text.end());
      }
      WideString wide(block.size() / sizeof(char16_t), u'\0');
      if (!wide.empty()) std::memcpy(wide.data(), block.data(), wide.size() * sizeof(char16_t));
      wide.resize(std::min(wide.find(u'\0'), wide.size()));
      const String text = WideToUtf8(wide);
      return std::vector<Byte>(text.begin(), text.end());
    }
    case Kind::RichText: {
      const String text = UpToZero(block);
      return std::vector<Byte>(text.begin(), text.end());
    }
    case Kind::Column:
      if (block.size() < 4) return std::nullopt;
      return std::vector<Byte>(block.begin(), block.begin() + 4);
    case Kind::Files: {
      HDROP drop = GlobalBlockOfBytes(block);
      if (!drop) return std::nullopt;
      const std::vector<String> files = DroppedFileNames(drop);
      DragFinish(drop);
      const String list = UriListOfFiles(files);
      if (list.empty()) return std::nullopt;
      return std::vector<Byte>(list.begin(), list.end());
    }
  }
  return std::nullopt;
}

std::vector<String> LocalFilesOfUriList(const String& list) {
  std::vector<String> files;
  std::size_t start = 0;
  while (start < list.size() && files.size() < kMaxDroppedFiles) {
    std::size_t end = list.find('\n', start);
    if (end == String::npos) end = list.size();
    String line = list.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    if (auto path = LocalPath(line)) files.push_back(std::move(*path));
  }
  return files;
}

String UriListOfFiles(const std::vector<String>& files) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  String list;
  for (const String& file : files) {
    if (file.empty() || file.front() != '/') continue;
    list += "file://";
    for (unsigned char c : file) {
      if (Unreserved(c)) {
        list.push_back(static_cast<char>(c));
      } else {
        list.push_back('%');
        list.push_back(kHex[c >> 4]);
        list.push_back(kHex[c & 15]);
      }
    }
    list += "\r\n";
  }
  return list;
}

}  // namespace plat
