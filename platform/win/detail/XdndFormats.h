#pragma once
// How clipboard formats travel as the desktop's drag types (MIME types
// and X targets), both ways:
//   text/plain;charset=utf-8, UTF8_STRING   CF_UNICODETEXT and CF_TEXT
//   text/uri-list                            CF_HDROP (local file:// only)
//   text/rtf                                 "Rich Text Format"
//   application/x-zorbit-grid-column         "Grid Column" (4 bytes)
// Bytes from another program are untrusted: text ends at a zero, a uri
// list yields only local files (percent-decoded, at most kMaxDroppedFiles),
// a column is exactly 4 bytes; anything else converts to nothing.
#include <optional>
#include <vector>

#include "platform/win/Ole.h"

namespace plat {

inline constexpr std::size_t kMaxDroppedFiles = 4096;

// The formats a drag of these types offers (each once, table order).
std::vector<CLIPFORMAT> FormatsOfTypes(const std::vector<String>& types);
// The types our drag offers for these formats (each once, table order).
std::vector<String> TypesOfFormats(const std::vector<CLIPFORMAT>& formats);
// The first offered type that carries the format; none when none does.
std::optional<String> TypeForFormat(CLIPFORMAT format, const std::vector<String>& offered);
// The format whose bytes a type is answered from, among those offered
// (Unicode text before 8-bit text).
std::optional<CLIPFORMAT> FormatForType(const String& type, const std::vector<CLIPFORMAT>& offered);

// Another program's bytes of a type as the block of a format.
std::optional<std::vector<Byte>> FormatBytesFromType(CLIPFORMAT format, const String& type,
                                                     const std::vector<Byte>& bytes);
// Our block of a format as the bytes of a type.
std::optional<std::vector<Byte>> TypeBytesFromFormat(const String& type, CLIPFORMAT format,
                                                     const std::vector<Byte>& block);

// The local files of a uri list (file:// URIs with no host or
// "localhost"; comments and other schemes are passed by).
std::vector<String> LocalFilesOfUriList(const String& list);
// Absolute file names as a uri list (CR LF after each).
String UriListOfFiles(const std::vector<String>& files);

}  // namespace plat
