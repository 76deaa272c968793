// The delimiter chosen from two lines and lines cut into fields, as tables.
#include <gtest/gtest.h>

#include <vector>

#include "extgrid/detail/CsvFields.h"

namespace zorbit::detail {
namespace {

TEST(CsvFields, DelimiterFromTheFirstTwoLines) {
  struct Case {
    const char* name;
    const char* line1;
    const char* line2;
    char expected;
  };
  const Case cases[] = {
      {"equal odd runs: the earlier candidate wins the tie", "a;b,c", "d;e,f", ','},
      {"no equal counts: the third pass takes the first to exceed", "a,b", "c;d", ','},
      {"semicolons", "a;b;c", "d;e;f", ';'},
      {"tab", "a\tb", "c\td", '\t'},
      {"the highest equal count wins", "a,b;c;d", "e,f;g;h", ';'},
      {"a doubled candidate is an escaped character", "a,,b;c", "d;e", ';'},
      {"a run at the line's end counts whatever its length", "a,,", "b,", ','},
      {"plain counts when no odd runs match", "a,,b", "c,,d", ','},
      {"one line: the second is empty", "a|b", "", '|'},
      {"the larger count of either line", "a-b", "c+d+e", '+'},
      {"none at all", "abc", "def", '\0'},
      {"two empty lines", "", "", '\0'},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectCsvDelimiter(c.line1, c.line2), c.expected) << c.name;
}

std::vector<plat::String> Fields(const plat::String& line, char delimiter = ',', bool tilde = false) {
  std::vector<plat::String> fields;
  SplitCsvLine(line, delimiter, tilde, [&](plat::String&& field) { fields.push_back(std::move(field)); });
  return fields;
}

TEST(CsvFields, LinesCutIntoFields) {
  struct Case {
    const char* name;
    plat::String line;
    std::vector<plat::String> fields;
  };
  const Case cases[] = {
      {"plain", "a,b,c", {"a", "b", "c"}},
      {"quoted field holding the delimiter", "\"x,y\",z", {"x,y", "z"}},
      {"doubled quotes become one", "\"say \"\"hi\"\"\",z", {"say \"hi\"", "z"}},
      {"text after the closing quote is dropped", "\"ab\"junk,c", {"ab", "c"}},
      {"quoted last field loses its quotes", "a,\"b\"", {"a", "b"}},
      {"a lone quote inside a plain field goes", "x\"y,z", {"xy", "z"}},
      {"empty fields", ",,a", {"", "", "a"}},
      {"nothing after the last delimiter", "a,b,", {"a", "b"}},
      {"no delimiter: the whole line", "just text", {"just text"}},
      {"empty line", "", {}},
      {"an unterminated quote takes the rest of the line", "a,\"open,b,c", {"a", "open,b,c"}},
      {"unterminated at the start", "\"open,b", {"open,b"}},
      {"vertical tab is a line break", "a\vb,c", {"a\r\nb", "c"}},
      {"a tilde is not", "a~b,c", {"a~b", "c"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Fields(c.line), c.fields) << c.name;
}

TEST(CsvFields, TildeLineBreaksAndOtherDelimiters) {
  EXPECT_EQ(Fields("a~b,^,x^", ',', true), (std::vector<plat::String>{"a\r\nb", "", "x^"}));
  EXPECT_EQ(Fields("a\vb", ',', true), (std::vector<plat::String>{"a\vb"}));
  EXPECT_EQ(Fields("a;b,c", ';'), (std::vector<plat::String>{"a", "b,c"}));
  EXPECT_EQ(Fields("a\tb", '\t'), (std::vector<plat::String>{"a", "b"}));
  // No delimiter found: a NUL byte in the line does not split it.
  EXPECT_EQ(Fields(plat::String("a\0b", 3), '\0'), (std::vector<plat::String>{plat::String("a\0b", 3)}));
}

}  // namespace
}  // namespace zorbit::detail
