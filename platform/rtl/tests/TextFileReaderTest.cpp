// Text files read line by line: the three line ends, ends that straddle the
// reader's buffer, rewinding, and the failures of opening and reading.
#include "platform/rtl/TextFileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

std::vector<String> AllLines(TTextFileReader& reader) {
  std::vector<String> lines;
  for (String line; reader.ReadLine(line);) lines.push_back(line);
  return lines;
}

TEST(TextFileReader, LinesEndAtCrLfLfOrALoneCr) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<String> lines;
  };
  const Case cases[] = {
      {"empty file", "", {}},
      {"one line without end", "a,b", {"a,b"}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"LF", "a\nb\n", {"a", "b"}},
      {"lone CR", "a\rb\r", {"a", "b"}},
      {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"empty lines", "\n\r\n\r", {"", "", ""}},
      {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
      {"lone CRs before an LF", "a\rb\rc\nd\re", {"a", "b", "c", "d", "e"}},
      {"NUL and vertical tab kept", std::string("x\0y\x0Bz\n", 6), {String("x\0y\x0Bz", 5)}},
  };
  zorbit::testing::TTempFolder folder;
  for (const Case& c : cases) {
    TTextFileReader reader;
    ASSERT_TRUE(reader.Open(folder.Write("t.csv", c.content))) << c.name;
    EXPECT_EQ(AllLines(reader), c.lines) << c.name;
  }
}

TEST(TextFileReader, LineEndsAcrossTheBufferAndLongLines) {
  zorbit::testing::TTempFolder folder;
  // A CR LF whose LF starts the second 64 KiB block, then a line longer
  // than the buffer.
  const std::string first(64 * 1024 - 1, 'a');
  const std::string long_(200 * 1024, 'b');
  TTextFileReader reader;
  ASSERT_TRUE(reader.Open(folder.Write("t.csv", first + "\r\n" + long_ + "\rlast")));
  EXPECT_EQ(AllLines(reader), (std::vector<String>{first, long_, "last"}));
  String line;
  EXPECT_FALSE(reader.ReadLine(line));
  reader.Reset();
  ASSERT_TRUE(reader.ReadLine(line));
  EXPECT_EQ(line, first);
}

TEST(TextFileReader, OpenFailureIsAResultAndAReadFailureRaises) {
  zorbit::testing::TTempFolder folder;
  TTextFileReader reader;
  EXPECT_FALSE(reader.Open(folder.File("missing.csv")));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(reader.IsOpen());
  // A folder opens for reading but cannot be read.
  ASSERT_TRUE(reader.Open(folder.Path()));
  String line;
  try {
    reader.ReadLine(line);
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_NE(e.ErrorCode(), 0);
    EXPECT_EQ(e.Message(), "I/O error " + std::to_string(e.ErrorCode()));
  }
  EXPECT_TRUE(reader.IsOpen());
  reader.Close();
  EXPECT_FALSE(reader.IsOpen());
}

}  // namespace
}  // namespace plat
