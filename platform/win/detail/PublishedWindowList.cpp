#include "platform/win/detail/PublishedWindowList.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace plat {

namespace {

const char kHeader[] = "ZorbitWindows 1\n";

void AppendEscaped(String& out, const String& field) {
  static const char digits[] = "0123456789ABCDEF";
  const std::size_t size = std::min(field.size(), TPublishedWindowLimits::MaxFieldSize);
  for (std::size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(field[i]);
    if (byte < 0x20 || byte == '\\') {
      out += "\\x";
      out += digits[byte >> 4];
      out += digits[byte & 0x0F];
    } else {
      out += static_cast<char>(byte);
    }
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<String> Unescaped(std::string_view field) {
  String out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char c = field[i];
    if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
    if (c == '\\') {
      if (field.size() - i < 4 || field[i + 1] != 'x') return std::nullopt;
      const int high = HexDigit(field[i + 2]);
      const int low = HexDigit(field[i + 3]);
      if (high < 0 || low < 0) return std::nullopt;
      out += static_cast<char>(high * 16 + low);
      i += 3;
    } else {
      out += c;
    }
    if (out.size() > TPublishedWindowLimits::MaxFieldSize) return std::nullopt;
  }
  return out;
}

// Splits a line at tabs into exactly count fields.
std::optional<std::vector<std::string_view>> Fields(std::string_view line, std::size_t count) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (fields.size() > count) return std::nullopt;
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (fields.size() != count) return std::nullopt;
  return fields;
}

std::optional<TPublishedWindow> DecodeLine(std::string_view line) {
  const auto fields = Fields(line, 4);
  if (!fields) return std::nullopt;
  TPublishedWindow window;
  const std::string_view id = (*fields)[0];
  if (id.empty() || id.size() > 16) return std::nullopt;
  const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), window.Id, 16);
  if (error != std::errc() || end != id.data() + id.size() || window.Id == 0) return std::nullopt;
  const std::string_view visible = (*fields)[1];
  if (visible != "0" && visible != "1") return std::nullopt;
  window.Visible = visible == "1";
  auto className = Unescaped((*fields)[2]);
  auto title = Unescaped((*fields)[3]);
  if (!className || !title) return std::nullopt;
  window.ClassName = std::move(*className);
  window.Title = std::move(*title);
  return window;
}

}  // namespace

String EncodeWindowList(const std::vector<TPublishedWindow>& windows) {
  String out = kHeader;
  char id[20];
  for (const TPublishedWindow& window : windows) {
    const auto [end, error] = std::to_chars(id, id + sizeof id, window.Id, 16);
    static_cast<void>(error);
    out.append(id, end);
    out += window.Visible ? "\t1\t" : "\t0\t";
    AppendEscaped(out, window.ClassName);
    out += '\t';
    AppendEscaped(out, window.Title);
    out += '\n';
  }
  return out;
}

std::optional<std::vector<TPublishedWindow>> DecodeWindowList(const String& text) {
  if (text.size() > TPublishedWindowLimits::MaxFileSize) return std::nullopt;
  std::string_view rest(text);
  const std::string_view header(kHeader);
  if (rest.substr(0, header.size()) != header) return std::nullopt;
  rest.remove_prefix(header.size());
  std::vector<TPublishedWindow> windows;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    // A list cut short (no final line break) is refused, not half read.
    if (end == std::string_view::npos) return std::nullopt;
    if (windows.size() == TPublishedWindowLimits::MaxWindows) return std::nullopt;
    auto window = DecodeLine(rest.substr(0, end));
    if (!window) return std::nullopt;
    windows.push_back(std::move(*window));
    rest.remove_prefix(end + 1);
  }
  return windows;
}

}  // namespace plat
