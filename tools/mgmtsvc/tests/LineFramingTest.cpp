// The pieces between the socket and the dispatcher: line framing and what a
// dropped line looks like in the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/mgmtsvc/LineBuffer.h"
#include "tools/mgmtsvc/LogText.h"

namespace zorbit::mgmtsvc {
namespace {

// Feeds Chunks one after another, taking what each makes whole: the lines,
// and "<overlong>" for each over-long line.
std::vector<std::string> Frame(const std::vector<std::string>& Chunks, std::size_t MaxLine) {
  LineBuffer buffer(MaxLine);
  std::vector<std::string> taken;
  for (const std::string& chunk : Chunks) {
    buffer.Append(chunk);
    std::string_view line;
    for (auto result = buffer.Take(line); result != LineBuffer::Taken::NeedMore; result = buffer.Take(line))
      taken.push_back(result == LineBuffer::Taken::Line ? std::string(line) : "<overlong>");
  }
  return taken;
}

TEST(LineBuffer, FramingTable) {
  struct Case {
    const char* Name;
    std::vector<std::string> Chunks;
    std::vector<std::string> Lines;
    bool Partial;
  };
  const Case cases[] = {
      {"CR LF and LF", {"a\r\nb\n\r\n"}, {"a", "b", ""}, false},
      {"split anywhere", {"ab", "c\r", "\nd", "e\n"}, {"abc", "de"}, false},
      {"a partial line stays", {"a\nbc"}, {"a"}, true},
      {"a line of the limit", {"12345678\n"}, {"12345678"}, false},
      {"a CR counts towards the limit", {"1234567\r\n12345678\r\n"}, {"1234567", "<overlong>"}, false},
      {"one over the limit", {"123456789\nok\n"}, {"<overlong>", "ok"}, false},
      {"over the limit before its end came", {"1234", "56789", "0123", "45\nok\n"}, {"<overlong>", "ok"}, false},
      {"still inside an over-long line", {"1234567890"}, {"<overlong>"}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Frame(c.Chunks, 8), c.Lines) << c.Name;
    LineBuffer buffer(8);
    for (const std::string& chunk : c.Chunks) {
      buffer.Append(chunk);
      std::string_view line;
      while (buffer.Take(line) != LineBuffer::Taken::NeedMore) {
      }
    }
    EXPECT_EQ(buffer.HoldsPartialLine(), c.Partial) << c.Name;
  }
}

TEST(LineBuffer, ManyShortLinesAcrossChunksComeOutWhole) {
  std::string stream;
  for (int i = 0; i < 100000; ++i) stream += std::to_string(i) + "\n";
  std::vector<std::string> chunks;
  for (std::size_t at = 0; at < stream.size(); at += 4093) chunks.push_back(stream.substr(at, 4093));
  const std::vector<std::string> lines = Frame(chunks, 16);
  ASSERT_EQ(lines.size(), 100000u);
  for (int i = 0; i < 100000; i += 997) EXPECT_EQ(lines[i], std::to_string(i));
  EXPECT_EQ(lines.back(), "99999");
}

TEST(LogText, ExcerptTable) {
  struct Case {
    std::string Bytes;
    std::size_t Max;
    std::string Text;
  };
  const Case cases[] = {
      {"GetInfo x,1", 80, "GetInfo x,1"},
      {std::string("\0\t\r\x1B\x7F", 5), 80, R"(\x00\x09\x0D\x1B\x7F)"},
      {"back\\slash", 80, R"(back\\slash)"},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", 80, "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
      {"\xC2\x85", 80, R"(\xC2\x85)"},                            // a C1 control character
      {"\xC0\xAF \xE0\x80\xAF", 80, R"(\xC0\xAF \xE0\x80\xAF)"},  // over-long forms
      {"\xED\xA0\x80", 80, R"(\xED\xA0\x80)"},                    // a surrogate
      {"\xF4\x90\x80\x80", 80, R"(\xF4\x90\x80\x80)"},            // beyond U+10FFFF
      {"\xE2\x82", 80, R"(\xE2\x82)"},                            // cut short
      {"abcdef", 4, "abcd ... (6 bytes)"},
      {"ab\xC3\xA9", 3, "ab ... (4 bytes)"},  // never half a character
      {"abcd", 4, "abcd"},
  };
  for (const Case& c : cases) EXPECT_EQ(LogExcerpt(c.Bytes, c.Max), c.Text) << c.Bytes;
}

}  // namespace
}  // namespace zorbit::mgmtsvc
