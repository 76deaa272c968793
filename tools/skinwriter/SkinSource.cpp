#include "tools/skinwriter/SkinSource.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/TGraphic.h"
#include "skin/ThemeElements.h"

namespace zorbit::skinwriter {

namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string ReadWhole(const std::filesystem::path& Path) {
  std::ifstream file(Path, std::ios::binary);
  if (!file) throw std::runtime_error(Path.string() + ": cannot be read");
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

// The element's own name when Name is an element of kind Kind (or of
// Alternative); "" when it is no element; raises when it is one of another kind.
std::string ElementOfKind(const std::string& Name, TskElementKind Kind, TskElementKind Alternative,
                          const std::string& Where) {
  const TskThemeElement element = ThemeElementByName(Name);
  if (element == 0) return std::string();
  const TskElementKind kind = *ThemeElementKind(element);
  if (kind != Kind && kind != Alternative)
    throw std::runtime_error(Where + ": " + Name + " takes another kind of value");
  return ThemeElementName(element);
}

// A decimal or $-hexadecimal integer; false when Text is neither.
bool ParseInteger(const std::string& Text, std::int32_t& Value) {
  if (Text.size() > 1 && Text[0] == '$') {
    std::uint32_t bits = 0;
    const char* end = Text.data() + Text.size();
    const auto [rest, error] = std::from_chars(Text.data() + 1, end, bits, 16);
    if (error != std::errc() || rest != end) return false;
    Value = static_cast<std::int32_t>(bits);
    return true;
  }
  const char* end = Text.data() + Text.size();
  const auto [rest, error] = std::from_chars(Text.data(), end, Value);
  return !Text.empty() && error == std::errc() && rest == end;
}

}  // namespace

void AddPictureFolder(TSkinFileWriter& Writer, const std::string& Folder) {
  std::vector<std::filesystem::path> pictures;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(Folder, error)) {
    if (item.is_regular_file() && Lower(item.path().extension().string()) == ".bmp") pictures.push_back(item.path());
  }
  if (error) throw std::runtime_error(Folder + ": " + error.message());
  std::sort(pictures.begin(), pictures.end());
  for (const auto& path : pictures) {
    const std::string where = path.string();
    const std::string stem = path.stem().string();
    const std::string name = ElementOfKind(stem, TskElementKind::Bitmap, TskElementKind::Bitmap, where);
    if (name.empty()) throw std::runtime_error(where + ": " + stem + " is not a theme element");
    const std::string bytes = ReadWhole(path);
    try {
      plat::ReadBmp(std::span(reinterpret_cast<const plat::Byte*>(bytes.data()), bytes.size()));
    } catch (const plat::EInvalidGraphic& e) {
      throw std::runtime_error(where + ": not a bitmap (" + e.Message() + ")");
    }
    Writer.AddBitmap(name, bytes);
  }
}

void AddValues(TSkinFileWriter& Writer, const std::string& Text, const std::string& SourceName) {
  std::istringstream lines(Text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string where = SourceName + ":" + std::to_string(number);
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    const auto equals = line.find('=');
    if (equals == std::string::npos) throw std::runtime_error(where + ": expected Name=value");
    const std::string name = Trim(line.substr(0, equals));
    const std::string value = Trim(line.substr(equals + 1));
    if (name.empty() || name.size() > kNameSize) throw std::runtime_error(where + ": a name has 1 to 64 bytes");

    std::int32_t number32 = 0;
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      Writer.AddText(name, value.substr(1, value.size() - 2));
    } else if (value == "true" || value == "false") {
      const std::string element = ElementOfKind(name, TskElementKind::Flag, TskElementKind::Flag, where);
      if (element.empty()) throw std::runtime_error(where + ": " + name + " is not a theme element");
      Writer.AddByte(element, value == "true" ? 1 : 0);
    } else if (ParseInteger(value, number32)) {
      const std::string element = ElementOfKind(name, TskElementKind::Integer, TskElementKind::Color, where);
      if (element.empty()) throw std::runtime_error(where + ": " + name + " is not a theme element");
      Writer.AddInteger(element, number32);
    } else {
      throw std::runtime_error(where + ": " + value + " is no integer, $BBGGRR colour, true, false or \"text\"");
    }
  }
}

}  // namespace zorbit::skinwriter
