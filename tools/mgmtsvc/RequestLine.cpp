#include "tools/mgmtsvc/RequestLine.h"

#include <algorithm>

namespace zorbit::mgmtsvc {

namespace {

// The client's counter is a 32-bit integer; anything much longer is not a request number.
constexpr std::size_t kMaxIdLength = 20;

bool IsDecimal(std::string_view Text) {
  return !Text.empty() && Text.size() <= kMaxIdLength &&
         std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<RequestLine> ParseRequestLine(std::string_view Line) {
  std::size_t blank = Line.find(' ');
  if (blank == 0 || blank == std::string_view::npos) return std::nullopt;
  std::string_view rest = Line.substr(blank + 1);
  std::size_t comma = rest.find(',');
  std::string_view id = rest.substr(0, comma);
  if (!IsDecimal(id)) return std::nullopt;
  RequestLine request;
  request.Command = Line.substr(0, blank);
  request.Id = id;
  if (comma != std::string_view::npos) request.Data = rest.substr(comma + 1);
  return request;
}

}  // namespace zorbit::mgmtsvc
