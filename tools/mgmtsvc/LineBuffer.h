#pragma once
// The framing of a request stream: bytes are added as they arrive and taken
// out as lines ending in LF (a CR before it is dropped). A line longer than
// the limit is dropped whole, its bytes discarded as they come rather than
// kept. Lines are consumed by moving an offset; the consumed front is erased
// only once it outweighs the rest, so many short lines cost linear time.
#include <cstddef>
#include <string>
#include <string_view>

namespace zorbit::mgmtsvc {

class LineBuffer {
 public:
  enum class Taken { Line, Overlong, NeedMore };

  explicit LineBuffer(std::size_t MaxLine) : FMaxLine(MaxLine) {}

  void Append(std::string_view Bytes);
  // Line: the next line, valid until the next Append. Overlong: once for each
  // line longer than the limit. NeedMore: no whole line is buffered.
  Taken Take(std::string_view& Line);
  // Part of a line (or of a dropped over-long line) has come without its end.
  bool HoldsPartialLine() const { return FDiscarding || FStart < FBuffer.size(); }

 private:
  std::size_t FMaxLine;
  std::string FBuffer;
  std::size_t FStart = 0;    // bytes before this are consumed
  std::size_t FScanned = 0;  // bytes from FStart to here hold no LF
  bool FDiscarding = false;  // inside an over-long line
};

}  // namespace zorbit::mgmtsvc
