#pragma once
// The comma-text rules the client uses for every list it sends and reads,
// taken from the runtime's string list so that both sides split and quote alike.
#include <string>
#include <vector>

namespace zorbit::mgmtsvc {

std::vector<std::string> SplitCommaText(const std::string& Text);
std::string JoinCommaText(const std::vector<std::string>& Items);

}  // namespace zorbit::mgmtsvc
