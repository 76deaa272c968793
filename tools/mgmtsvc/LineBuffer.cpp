#include "tools/mgmtsvc/LineBuffer.h"

#include <utility>

namespace zorbit::mgmtsvc {

void LineBuffer::Append(std::string_view Bytes) {
  // Moving the unconsumed rest costs no more than the bytes consumed before it.
  if (FStart > 0 && FStart >= FBuffer.size() - FStart) {
    FBuffer.erase(0, FStart);
    FScanned -= FStart;
    FStart = 0;
  }
  FBuffer.append(Bytes);
}

LineBuffer::Taken LineBuffer::Take(std::string_view& Line) {
  for (;;) {
    const std::size_t end = FBuffer.find('\n', FScanned);
    if (end == std::string::npos) {
      FScanned = FBuffer.size();
      if (FBuffer.size() - FStart <= FMaxLine) return Taken::NeedMore;
      FBuffer.clear();
      FStart = FScanned = 0;
      return std::exchange(FDiscarding, true) ? Taken::NeedMore : Taken::Overlong;
    }
    std::string_view line(FBuffer.data() + FStart, end - FStart);
    FStart = FScanned = end + 1;
    if (std::exchange(FDiscarding, false)) continue;  // the end of a line reported before
    if (line.size() > FMaxLine) return Taken::Overlong;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    Line = line;
    return Taken::Line;
  }
}

}  // namespace zorbit::mgmtsvc
