#pragma once
// One request line of the service protocol: "Command Id,Data" (the line end
// already removed). The request number is kept as the text the client sent,
// because the reply must echo it character for character.
#include <optional>
#include <string>
#include <string_view>

namespace zorbit::mgmtsvc {

struct RequestLine {
  std::string Command;
  std::string Id;
  std::string Data;
};

// Empty when the line has no command, no blank or no decimal request number:
// such a line cannot be answered in a way the client could match.
std::optional<RequestLine> ParseRequestLine(std::string_view Line);

}  // namespace zorbit::mgmtsvc
