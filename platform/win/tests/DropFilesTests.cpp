// Dropped-file blocks read as DragQueryFile reads them: within the block,
// whatever its header claims.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/win/DropFiles.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/GlobalText.h"

namespace plat::testing {
namespace {

// A header with the given offset and width, then the raw list bytes.
std::vector<Byte> Block(DWORD offset, bool wide, const std::vector<Byte>& list) {
  DROPFILES header;
  header.pFiles = offset;
  header.fWide = wide ? TRUE : FALSE;
  std::vector<Byte> block(sizeof header);
  std::memcpy(block.data(), &header, sizeof header);
  block.insert(block.end(), list.begin(), list.end());
  return block;
}

std::vector<Byte> Narrow(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<Byte> Wide(const std::u16string& text) {
  std::vector<Byte> bytes(text.size() * 2);
  std::memcpy(bytes.data(), text.data(), bytes.size());
  return bytes;
}

struct FilesCase {
  const char* Name;
  std::vector<Byte> Bytes;
  std::vector<String> Names;
};

// clang-format off
const FilesCase kFilesCases[] = {
    {"NarrowList", Block(20, false, Narrow(std::string("a.csv\0b\xC3\xA4.txt\0\0", 15))), {"a.csv", "b\xC3\xA4.txt"}},
    {"WideList", Block(20, true, Wide(std::u16string(u"c:\\x.csv\0y\0\0", 13))), {"c:\\x.csv", "y"}},
    {"EmptyList", Block(20, true, Wide(std::u16string(u"\0", 1))), {}},
    {"OffsetPastTheEnd", Block(4000, false, Narrow(std::string("a\0\0", 3))), {}},
    {"OffsetAtTheEnd", Block(23, false, Narrow(std::string("a\0\0", 3))), {}},
    {"LastNameWithoutItsZero", Block(20, false, Narrow(std::string("a\0bcd", 5))), {"a"}},
    {"ListWithoutTheEmptyName", Block(20, false, Narrow(std::string("a\0b\0", 4))), {"a", "b"}},
    {"OddWideTail", Block(20, true, {'a', 0, 'b'}), {}},
    {"HeaderCutShort", {20, 0, 0, 0, 0, 0}, {}},
    {"OffsetIntoTheHeader", Block(0, false, {}), {}},
};
// clang-format on

class DroppedFiles : public ::testing::TestWithParam<FilesCase> {};

TEST_P(DroppedFiles, AreReadWithinTheBlock) {
  const FilesCase& c = GetParam();
  HDROP drop = GlobalBlockOfBytes(c.Bytes);
  ASSERT_NE(drop, nullptr);
  EXPECT_EQ(DroppedFileNames(drop), c.Names);
  EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), c.Names.size());
  const auto past = static_cast<UINT>(c.Names.size());
  char buffer[8] = "unset";
  EXPECT_EQ(DragQueryFileA(drop, past, buffer, sizeof buffer), 0u);
  EXPECT_EQ(DragQueryFileA(drop, 0x7FFFFFFF, buffer, sizeof buffer), 0u);
  DragFinish(drop);
}

INSTANTIATE_TEST_SUITE_P(Blocks, DroppedFiles, ::testing::ValuesIn(kFilesCases),
                         [](const ::testing::TestParamInfo<FilesCase>& param) { return std::string(param.param.Name); });

TEST(DropFiles, MadeBlocksReadBackAndBuffersAreCutToFit) {
  const int live = GlobalLiveCount();
  HDROP drop = CreateDropFiles({"/tmp/one file.csv", "", "/tmp/\xC3\xA4.xls"});
  ASSERT_NE(drop, nullptr);
  EXPECT_EQ(DroppedFileNames(drop), (std::vector<String>{"/tmp/one file.csv", "/tmp/\xC3\xA4.xls"}));
  EXPECT_EQ(DragQueryFileA(drop, 0, nullptr, 0), 17u);
  char small[5];
  EXPECT_EQ(DragQueryFileA(drop, 0, small, sizeof small), 4u);
  EXPECT_STREQ(small, "/tmp");
  char16_t wide[32];
  EXPECT_EQ(DragQueryFileW(drop, 1, wide, 32), 10u);
  EXPECT_EQ(std::u16string(wide), u"/tmp/ä.xls");
  POINT at;
  EXPECT_TRUE(DragQueryPoint(drop, &at));
  DragFinish(drop);
  EXPECT_EQ(GlobalLiveCount(), live);
}

TEST(DropFiles, ABadHandleReadsAsNoFiles) {
  EXPECT_EQ(DragQueryFileA(reinterpret_cast<HDROP>(0x1234), 0xFFFFFFFF, nullptr, 0), 0u);
  POINT at;
  EXPECT_FALSE(DragQueryPoint(nullptr, &at));
}

}  // namespace
}  // namespace plat::testing
