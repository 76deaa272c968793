// How formats travel as the desktop's drag types, both ways, and what
// becomes of bytes another program sends.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/win/Clipboard.h"
#include "platform/win/DropFiles.h"
#include "platform/win/GlobalText.h"
#include "platform/win/detail/XdndFormats.h"

namespace plat::testing {
namespace {

std::vector<Byte> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

CLIPFORMAT RichText() { return static_cast<CLIPFORMAT>(RegisterClipboardFormat("Rich Text Format")); }
CLIPFORMAT Column() { return static_cast<CLIPFORMAT>(RegisterClipboardFormat("Grid Column")); }

TEST(XdndFormats, TypesAndFormatsMapBothWays) {
  EXPECT_EQ(FormatsOfTypes({"text/uri-list", "UTF8_STRING", "image/png", "text/plain;charset=utf-8", "text/rtf"}),
            (std::vector<CLIPFORMAT>{CF_HDROP, CF_UNICODETEXT, CF_TEXT, RichText()}));
  EXPECT_EQ(TypesOfFormats({CF_TEXT, Column(), 0xBEEF}),
            (std::vector<String>{"text/plain;charset=utf-8", "UTF8_STRING", "application/x-zorbit-grid-column"}));
  EXPECT_EQ(TypeForFormat(CF_UNICODETEXT, {"text/rtf", "UTF8_STRING"}), "UTF8_STRING");
  EXPECT_EQ(TypeForFormat(CF_HDROP, {"UTF8_STRING"}), std::nullopt);
  EXPECT_EQ(FormatForType("UTF8_STRING", {CF_TEXT, CF_UNICODETEXT}), CF_UNICODETEXT);
  EXPECT_EQ(FormatForType("text/rtf", {CF_TEXT}), std::nullopt);
}

struct ReplyCase {
  const char* Name;
  CLIPFORMAT Format;
  const char* Type;
  std::string Reply;
  std::optional<std::vector<Byte>> Block;
};

std::vector<Byte> WideBlock(const std::u16string& text) {
  std::vector<Byte> bytes((text.size() + 1) * 2, 0);
  std::memcpy(bytes.data(), text.data(), text.size() * 2);
  return bytes;
}

// clang-format off
const ReplyCase kReplyCases[] = {
    {"Utf8Text", CF_TEXT, "UTF8_STRING", "grüße", Bytes(std::string("grüße\0", 8))},
    {"TextEndsAtAZero", CF_TEXT, "text/plain;charset=utf-8", std::string("ab\0cd", 5), Bytes(std::string("ab\0", 3))},
    {"UnicodeText", CF_UNICODETEXT, "UTF8_STRING", "ä1", WideBlock(u"ä1")},
    {"RichText", CF_TEXT, "text/rtf", "{\\rtf1}", std::nullopt},
    {"ColumnOfFourBytes", 0, "application/x-zorbit-grid-column", std::string("\x03\0\0\0", 4),
     Bytes(std::string("\x03\0\0\0", 4))},
    {"ColumnOfThreeBytes", 0, "application/x-zorbit-grid-column", std::string("\x03\0\0", 3), std::nullopt},
    {"ColumnOfFiveBytes", 0, "application/x-zorbit-grid-column", std::string("\x03\0\0\0\0", 5), std::nullopt},
    {"NoLocalFiles", CF_HDROP, "text/uri-list", "http://a/b\r\nfile://host/c\r\n", std::nullopt},
    {"UnknownType", CF_TEXT, "image/png", "x", std::nullopt},
};
// clang-format on

class SelectionReplies : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(SelectionReplies, BecomeTheFormatsBlockOrNothing) {
  const ReplyCase& c = GetParam();
  const CLIPFORMAT format = c.Format != 0 ? c.Format : Column();
  EXPECT_EQ(FormatBytesFromType(format, c.Type, Bytes(c.Reply)), c.Block);
}

INSTANTIATE_TEST_SUITE_P(Replies, SelectionReplies, ::testing::ValuesIn(kReplyCases),
                         [](const ::testing::TestParamInfo<ReplyCase>& param) { return std::string(param.param.Name); });

struct UriCase {
  const char* Name;
  std::string List;
  std::vector<String> Files;
};

// clang-format off
const UriCase kUriCases[] = {
    {"OneFile", "file:///tmp/a.csv\r\n", {"/tmp/a.csv"}},
    {"PercentDecoded", "file:///tmp/Some%20Dir/d%C3%A4ta.csv", {"/tmp/Some Dir/däta.csv"}},
    {"Localhost", "file://localhost/x\n", {"/x"}},
    {"CommentsAndBlankLinesPassedBy", "# list\r\n\r\nfile:///a\r\n#file:///b\r\n", {"/a"}},
    {"OtherHostsAndSchemesPassedBy", "file://server/a\r\nsmb://s/b\r\nfile:///c", {"/c"}},
    {"BadEscapesPassedBy", "file:///a%2\r\nfile:///b%zz\r\nfile:///c%00d\r\nfile:///ok", {"/ok"}},
    {"RelativePassedBy", "file:relative\r\nfile://", {}},
};
// clang-format on

class UriLists : public ::testing::TestWithParam<UriCase> {};

TEST_P(UriLists, YieldLocalFilesOnly) { EXPECT_EQ(LocalFilesOfUriList(GetParam().List), GetParam().Files); }

INSTANTIATE_TEST_SUITE_P(Lists, UriLists, ::testing::ValuesIn(kUriCases),
                         [](const ::testing::TestParamInfo<UriCase>& param) { return std::string(param.param.Name); });

TEST(XdndFormats, TheNumberOfDroppedFilesIsBounded) {
  std::string list;
  for (std::size_t i = 0; i < kMaxDroppedFiles + 10; ++i) list += "file:///f" + std::to_string(i) + "\n";
  EXPECT_EQ(LocalFilesOfUriList(list).size(), kMaxDroppedFiles);
}

TEST(XdndFormats, OurBlocksBecomeTypeBytesAndComeBackUnchanged) {
  HDROP drop = CreateDropFiles({"/tmp/a b/ü.csv", "/srv/x%y"});
  const std::vector<Byte> block = GlobalBytes(drop);
  DragFinish(drop);
  const auto list = TypeBytesFromFormat("text/uri-list", CF_HDROP, block);
  ASSERT_TRUE(list);
  EXPECT_EQ(String(list->begin(), list->end()), "file:///tmp/a%20b/%C3%BC.csv\r\nfile:///srv/x%25y\r\n");
  const auto back = FormatBytesFromType(CF_HDROP, "text/uri-list", *list);
  ASSERT_TRUE(back);
  HDROP again = GlobalBlockOfBytes(*back);
  EXPECT_EQ(DroppedFileNames(again), (std::vector<String>{"/tmp/a b/ü.csv", "/srv/x%y"}));
  DragFinish(again);

  EXPECT_EQ(TypeBytesFromFormat("UTF8_STRING", CF_UNICODETEXT, WideBlock(u"wide ä")), Bytes("wide ä"));
  EXPECT_EQ(TypeBytesFromFormat("text/rtf", RichText(), Bytes(std::string("{\\rtf1}\0junk", 12))), Bytes("{\\rtf1}"));
  EXPECT_EQ(TypeBytesFromFormat("application/x-zorbit-grid-column", Column(), Bytes("ab")), std::nullopt);
  EXPECT_EQ(TypeBytesFromFormat("text/uri-list", CF_TEXT, Bytes("x")), std::nullopt);
}

}  // namespace
}  // namespace plat::testing
