#include "platform/gdi/FontResolver.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/gdi/FontLibrary.h"
#include "platform/gdi/TextConstants.h"
#include "platform/rtl/Exception.h"

namespace plat {

namespace {

struct Alias {
  const char* WindowsName;
  const char* InstalledName;
};

// Windows faces whose metric-compatible stand-ins carry another name.
constexpr Alias Aliases[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

constexpr const char* LastResortFamily = "DejaVu Sans";
constexpr std::size_t MaxResolvedNames = 256;

String Lower(String s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

String Trimmed(const String& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == String::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

String InstalledName(const String& face) {
  const String lower = Lower(face);
  for (const Alias& alias : Aliases) {
    if (lower == Lower(alias.WindowsName)) return alias.InstalledName;
  }
  return face;
}

// The scalable files of one family. Bitmap-only sfnt files count as scalable
// here (FreeType selects their strikes); the old .fon formats do not, so a
// folder holding both forms of a face always yields the same file.
std::vector<FontFile> FamilyFiles(const String& family) {
  std::vector<FontFile> files;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_WEIGHT, FC_SLANT, FC_FONTFORMAT, nullptr);
  FcFontSet* set = FcFontList(FontConfiguration(), pattern, objects);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  if (set == nullptr) return files;
  for (int i = 0; i < set->nfont; ++i) {
    FcPattern* font = set->fonts[i];
    FcChar8* file = nullptr;
    FcChar8* format = nullptr;
    FcChar8* name = nullptr;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch) continue;
    const String formatName = reinterpret_cast<const char*>(format);
    if (formatName != "TrueType" && formatName != "CFF") continue;
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(font, FC_SLANT, 0, &slant);
    FcPatternGetString(font, FC_FAMILY, 0, &name);
    FontFile entry;
    entry.Path = reinterpret_cast<const char*>(file);
    entry.Index = index;
    entry.Family = name != nullptr ? reinterpret_cast<const char*>(name) : family;
    entry.Weight = FcWeightToOpenType(weight);
    entry.Italic = slant != FC_SLANT_ROMAN;
    files.push_back(std::move(entry));
  }
  FcFontSetDestroy(set);
  // fontconfig lists in no promised order.
  std::sort(files.begin(), files.end(),
            [](const FontFile& a, const FontFile& b) { return std::tie(a.Path, a.Index) < std::tie(b.Path, b.Index); });
  return files;
}

// The file nearest in weight, then in slant.
std::optional<FontFile> BestFile(const String& family, int weight, bool italic) {
  const std::vector<FontFile> files = FamilyFiles(family);
  const FontFile* best = nullptr;
  auto cost = [&](const FontFile& f) { return std::abs(f.Weight - weight) * 2 + (f.Italic != italic ? 1000 : 0); };
  for (const FontFile& f : files) {
    if (best == nullptr || cost(f) < cost(*best)) best = &f;
  }
  if (best == nullptr) return std::nullopt;
  return *best;
}

struct StyleWord {
  const char* Suffix;
  bool Bold;
  bool Italic;
};

// "Arial Bold" names Arial in bold: the style words a face name may end with.
constexpr StyleWord StyleWords[] = {
    {" bold italic", true, true},
    {" bold", true, false},
    {" italic", false, true},
};

String FamilyForPitch(Byte pitchAndFamily) {
  const Byte family = pitchAndFamily & 0xF0;
  if ((pitchAndFamily & 0x03) == FIXED_PITCH || family == FF_MODERN) return "Liberation Mono";
  if (family == FF_ROMAN) return "Liberation Serif";
  return LastResortFamily;
}

FontChoice Resolve(const String& faceName, int weight, bool italic, Byte pitchAndFamily) {
  String face = Trimmed(faceName);
  std::optional<FontFile> file = face.empty() ? std::nullopt : BestFile(InstalledName(face), weight, italic);
  if (!file) {
    const String lower = Lower(face);
    for (const StyleWord& word : StyleWords) {
      const String suffix = word.Suffix;
      if (lower.size() <= suffix.size() || lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) != 0) {
        continue;
      }
      if (word.Bold) weight = std::max(weight, FW_BOLD);
      italic = italic || word.Italic;
      file = BestFile(InstalledName(Trimmed(face.substr(0, face.size() - suffix.size()))), weight, italic);
      break;
    }
  }
  if (!file) file = BestFile(FamilyForPitch(pitchAndFamily), weight, italic);
  if (!file) file = BestFile(LastResortFamily, weight, italic);
  if (!file) throw Exception("No font is installed for \"" + faceName + "\"");
  FontChoice choice;
  choice.SyntheticBold = weight >= FW_SEMIBOLD && file->Weight < FW_SEMIBOLD;
  choice.SyntheticItalic = italic && !file->Italic;
  choice.File = std::move(*file);
  return choice;
}

}  // namespace

FontChoice ResolveFont(const String& faceName, int weight, bool italic, Byte pitchAndFamily) {
  if (weight == FW_DONTCARE) weight = FW_NORMAL;
  using Key = std::tuple<String, int, bool, Byte>;
  static std::map<Key, FontChoice> resolved;
  const Key key{Lower(faceName), weight, italic, pitchAndFamily};
  if (resolved.size() >= MaxResolvedNames) resolved.clear();  // names come from outside
  auto found = resolved.find(key);
  if (found == resolved.end()) found = resolved.emplace(key, Resolve(faceName, weight, italic, pitchAndFamily)).first;
  return found->second;
}

const FontFile& FallbackFontFile() {
  static const FontFile file = ResolveFont(LastResortFamily, FW_NORMAL, false, DEFAULT_PITCH).File;
  return file;
}

}  // namespace plat
