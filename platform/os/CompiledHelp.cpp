#include "platform/os/CompiledHelp.h"

#include <chm_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/os/IsolatedCall.h"
#include "platform/os/detail/CompiledHelpCheck.h"
#include "platform/rtl/FileHandles.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ScopeExit.h"

namespace plat {
namespace {

using THelpFile = std::unique_ptr<chmFile, decltype(&chm_close)>;

// The system data: a version number, then records of a 16-bit code, a
// 16-bit length and that many bytes; code 2 holds the default topic.
constexpr unsigned kDefaultTopicRecord = 2;
constexpr LONGINT64 kMaxSystemData = 1 << 16;

String ReadObject(chmFile* file, chmUnitInfo& unit, LONGINT64 maxSize) {
  const LONGINT64 size = static_cast<LONGINT64>(unit.length);
  if (size < 0 || size > maxSize) return String();
  String bytes(static_cast<std::size_t>(size), '\0');
  const LONGINT64 got =
      chm_retrieve_object(file, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, size);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

String WithLeadingSlash(const String& name) { return !name.empty() && name[0] == '/' ? name : "/" + name; }

String DefaultTopic(chmFile* file) {
  chmUnitInfo unit;
  if (chm_resolve_object(file, "/#SYSTEM", &unit) != CHM_RESOLVE_SUCCESS) return String();
  const String data = ReadObject(file, unit, kMaxSystemData);
  std::size_t at = 4;
  while (at + 4 <= data.size()) {
    const unsigned code = static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8;
    const std::size_t length = static_cast<unsigned char>(data[at + 2]) | static_cast<unsigned char>(data[at + 3]) << 8;
    at += 4;
    if (length > data.size() - at) break;
    if (code == kDefaultTopicRecord) {
      const String topic(data.c_str() + at, ::strnlen(data.c_str() + at, length));
      return topic.empty() ? String() : WithLeadingSlash(topic);
    }
    at += length;
  }
  return String();
}

// Splits a stored name into its parts; none for a name that could leave the
// folder or has an empty part.
std::vector<String> NameParts(const String& name) {
  std::vector<String> parts;
  std::size_t start = 1;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find('/', start), name.size());
    String part = name.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return {};
    parts.push_back(std::move(part));
    start = end + 1;
  }
  return parts;
}

struct TExtraction {
  chmFile* File;
  const TFolderHandle* Root;
  int Files = 0;
  Int64 Bytes = 0;
};

// Writes one stored file; false when it could not be.
bool WriteStoredFile(TExtraction& extraction, chmUnitInfo& unit) {
  const std::vector<String> parts = NameParts(unit.path);
  if (parts.empty()) return false;
  std::unique_ptr<TFolderHandle> owned;
  const TFolderHandle* folder = extraction.Root;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    owned = folder->OpenFolder(parts[i], true);
    if (!owned) return false;
    folder = owned.get();
  }
  const String bytes = ReadObject(extraction.File, unit, kMaxHelpBytes - extraction.Bytes);
  if (bytes.size() != unit.length) return false;
  const int handle = folder->CreateFile(parts.back());
  if (handle < 0) return false;
  const ScopeExit close([&] { FileClose(handle); });
  extraction.Bytes += static_cast<Int64>(bytes.size());
  return FileWrite(handle, bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
}

int ExtractOne(chmFile*, chmUnitInfo* unit, void* context) {
  auto& extraction = *static_cast<TExtraction*>(context);
  if (++extraction.Files > kMaxHelpFiles) return CHM_ENUMERATOR_SUCCESS;
  WriteStoredFile(extraction, *unit);
  return CHM_ENUMERATOR_CONTINUE;
}

// In the child: the topic's stored name, after extracting everything.
String Extract(const String& helpFile, const String& topic, const String& folder) {
  if (const String damage = detail::CompiledHelpDamage(helpFile); !damage.empty()) throw Exception(damage);
  const THelpFile file(chm_open(helpFile.c_str()), &chm_close);
  if (!file) throw Exception("it cannot be read as a compiled help file");
  const String wanted = topic.empty() ? DefaultTopic(file.get()) : WithLeadingSlash(topic);
  if (wanted.empty()) throw Exception("it names no default topic");
  chmUnitInfo unit;
  if (chm_resolve_object(file.get(), wanted.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
    throw Exception(Format("it holds no topic \"%s\"", {wanted}));
  const String stored = unit.path;
  const std::unique_ptr<TFolderHandle> root = TFolderHandle::Open(folder);
  if (!root) throw Exception(Format("the folder %s cannot be written", {folder}));
  TExtraction extraction{file.get(), root.get()};
  chm_enumerate(file.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, &ExtractOne, &extraction);
  return stored;
}

}  // namespace

String ExtractCompiledHelp(const String& helpFile, const String& topic, const String& folder) {
  String stored;
  try {
    stored = IsolatedCall([&] { return Extract(helpFile, topic, folder); });
  } catch (const EIsolatedCallError& e) {
    throw ECompiledHelpError(Format("The help file \"%s\" cannot be shown: %s", {helpFile, e.Message()}));
  }
  // The name comes back from the child: it must still lie below the folder.
  if (NameParts(stored).empty())
    throw ECompiledHelpError(Format("The help file \"%s\" cannot be shown: its topic has no usable name", {helpFile}));
  const String page = (folder.empty() || folder.back() != '/' ? folder + "/" : folder) + stored.substr(1);
  if (!FileExists(page))
    throw ECompiledHelpError(Format("The help file \"%s\" cannot be shown: its topic \"%s\" was not written", {helpFile, stored}));
  return page;
}

}  // namespace plat
