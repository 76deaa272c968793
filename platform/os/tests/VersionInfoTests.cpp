#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/os/Module.h"
#include "platform/os/VersionInfo.h"
#include "platform/os/tests/OsTestHelper.h"
#include "platform/rtl/LastError.h"
#include "testing/FileContent.h"
#include "testing/PlatformRoot.h"

namespace {

using namespace plat;
using zorbit::testing::ReadFileContent;
using zorbit::testing::TPlatformRoot;
using zorbit::testing::WriteFileContent;

std::uint64_t Get(const std::string& bytes, std::size_t offset, std::size_t size) {
  std::uint64_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return value;
}

void Put(std::string& bytes, std::size_t offset, std::size_t size, std::uint64_t value) {
  for (std::size_t i = 0; i < size; ++i, value >>= 8) bytes.at(offset + i) = static_cast<char>(value & 0xff);
}

// The offset of the section header of .zorbit_version in an ELF image.
std::size_t ResourceSectionHeader(const std::string& image) {
  const std::uint64_t table = Get(image, 40, 8);
  const std::uint64_t count = Get(image, 60, 2);
  const std::uint64_t names = Get(image, table + Get(image, 62, 2) * 64 + 24, 8);
  for (std::uint64_t i = 0; i < count; ++i) {
    const std::size_t header = table + i * 64;
    if (std::strcmp(image.c_str() + names + Get(image, header, 4), ".zorbit_version") == 0) return header;
  }
  return 0;
}

class VersionInfoTest : public ::testing::Test {
 protected:
  // Writes bytes to a file in the temporary folder and answers its path.
  std::string FileWith(const std::string& bytes) {
    const std::string path = FRoot.Path() + "/sample" + std::to_string(FCount++);
    WriteFileContent(path, bytes);
    return path;
  }

  TPlatformRoot FRoot;
  int FCount = 0;
};

TEST_F(VersionInfoTest, EmbeddedResourceIsReadFromTheProgramFile) {
  const std::string helper = ostest::HelperPath();
  EXPECT_GT(GetFileVersionInfoSize(helper), 60u);
  // A path written with "\", as programs build them, names the same file.
  std::string backslashed = helper;
  backslashed[backslashed.rfind('/')] = '\\';
  EXPECT_EQ(GetFileVersionInfoSize(backslashed), GetFileVersionInfoSize(helper));
  const std::optional<TVersionInfo> info = GetFileVersionInfo(helper);
  ASSERT_TRUE(info.has_value());
  const struct {
    const char* SubBlock;
    std::optional<std::string> Value;
  } cases[] = {
      {"\\StringFileInfo\\040904e4\\CompanyName", "Ovra Test \"Quoted\" \\ Co"},
      {"\\StringFileInfo\\040904e4\\FileDescription", "Ovra Zorbit Management"},
      {"\\StringFileInfo\\040904e4\\ProductName", "Ovra Zorbit Management"},
      {"\\StringFileInfo\\040904e4\\FileVersion", "2.3.4.5"},
      {"\\StringFileInfo\\040904e4\\ProductVersion", "1.2"},
      {"\\StringFileInfo\\040904e4\\InternalName", "os_test_helper"},
      {"\\StringFileInfo\\040904e4\\OriginalFileName", "os_test_helper"},
      {"StringFileInfo\\040904E4\\productversion", "1.2"},     // no leading "\", other case
      {"\\StringFileInfo\\040904e4\\Comments", std::nullopt},  // given empty: left out
      {"\\StringFileInfo\\040904e4\\LegalCopyright", std::nullopt},
      {"\\StringFileInfo\\040704b0\\ProductName", std::nullopt},
      {"\\StringFileInfo\\040904e4", std::nullopt},
      {"\\", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(VerQueryValue(*info, c.SubBlock), c.Value) << c.SubBlock;

  VS_FIXEDFILEINFO fixed;
  ASSERT_TRUE(VerQueryValue(*info, "\\", fixed));
  EXPECT_EQ(fixed.dwSignature, VS_FFI_SIGNATURE);
  EXPECT_EQ(fixed.dwFileVersionMS, 0x00020003u);
  EXPECT_EQ(fixed.dwFileVersionLS, 0x00040005u);
  EXPECT_EQ(fixed.dwProductVersionMS, 0x00010002u);
  EXPECT_EQ(fixed.dwProductVersionLS, 0u);
  EXPECT_FALSE(VerQueryValue(*info, "\\VarFileInfo\\Translation", fixed));
}

TEST_F(VersionInfoTest, FilesWithoutAResourceHaveNone) {
  const std::string elf = ReadFileContent(ostest::HelperPath());
  const struct {
    std::string Path;
    DWORD Error;
  } cases[] = {
      {GetModuleFileName(), ERROR_RESOURCE_TYPE_NOT_FOUND},  // this test program embeds none
      {FRoot.Path() + "/missing", ERROR_FILE_NOT_FOUND},
      {FRoot.Path(), ERROR_BAD_FORMAT},  // a folder
      {"/dev/null", ERROR_BAD_FORMAT},
      {FileWith(""), ERROR_BAD_FORMAT},
      {FileWith("MZ\x90\x00 not an ELF file"), ERROR_BAD_FORMAT},
      {FileWith(elf.substr(0, 64)), ERROR_BAD_FORMAT},  // header only
  };
  for (const auto& c : cases) {
    SetLastError(0);
    EXPECT_EQ(GetFileVersionInfoSize(c.Path), 0u) << c.Path;
    EXPECT_EQ(GetLastError(), c.Error) << c.Path;
    EXPECT_FALSE(GetFileVersionInfo(c.Path).has_value());
  }
}

TEST_F(VersionInfoTest, DamagedHeadersFailCleanly) {
  const std::string original = ReadFileContent(ostest::HelperPath());
  const std::size_t resource = ResourceSectionHeader(original);
  ASSERT_NE(resource, 0u);
  const struct {
    const char* What;
    std::size_t Offset;
    std::size_t Size;
    std::uint64_t Value;
  } damages[] = {
      {"32-bit class", 4, 1, 1},
      {"big-endian", 5, 1, 2},
      {"section table far away", 40, 8, 0xFFFFFFFFFFFFFFF0ull},
      {"section table past the end", 40, 8, original.size()},
      {"entry size", 58, 2, 40},
      {"names index out of range", 62, 2, 0xFFFE},
      {"resource name offset huge", resource, 4, 0xFFFFFFFF},
      {"resource offset huge", resource + 24, 8, 0xFFFFFFFFFFFFFF00ull},
      {"resource size huge", resource + 32, 8, 0x7FFFFFFFFFFFFFFFull},
      {"resource size too small", resource + 32, 8, 20},
  };
  for (const auto& damage : damages) {
    std::string image = original;
    Put(image, damage.Offset, damage.Size, damage.Value);
    const std::string path = FileWith(image);
    EXPECT_EQ(GetFileVersionInfoSize(path), 0u) << damage.What;
    EXPECT_NE(GetLastError(), ERROR_SUCCESS) << damage.What;
  }
  for (const std::size_t size : {original.size() / 2, original.size() - 1, std::size_t{1000}})
    EXPECT_EQ(GetFileVersionInfoSize(FileWith(original.substr(0, size))), 0u) << size;
}

TEST_F(VersionInfoTest, RandomDamageNeverCrashes) {
  const std::string original = ReadFileContent(ostest::HelperPath());
  const std::size_t resource = ResourceSectionHeader(original);
  const std::size_t table = Get(original, 40, 8);
  std::mt19937 random(2804);
  for (int round = 0; round < 60; ++round) {
    std::string image = original;
    for (int flip = 0; flip < 4; ++flip) {
      // Damage the ELF header, the section table or the resource's header.
      const std::size_t regions[] = {0, table, resource};
      const std::size_t base = regions[random() % 3];
      const std::size_t span = base == table ? Get(original, 60, 2) * 64 : 64;
      image.at(base + random() % span) = static_cast<char>(random());
    }
    const std::string path = FileWith(image);
    const std::optional<TVersionInfo> info = GetFileVersionInfo(path);
    if (info) {
      EXPECT_EQ(info->Fixed().dwSignature, VS_FFI_SIGNATURE);
    }
    std::remove(path.c_str());
  }
}

TEST(VersionResource, BrokenSectionContentsAreRefused) {
  std::string good("ZVERSRC1", 8);
  for (const std::uint32_t number : {0xFEEF04BDu, 0x10000u, 1u, 2u, 3u, 4u, 0x3Fu, 0u, 0u, 1u, 0u, 0u, 0u})
    for (int b = 0; b < 4; ++b) good += static_cast<char>((number >> (8 * b)) & 0xff);
  const std::string entry = std::string("040904e4\0Name\0Value\0", 20);
  ASSERT_TRUE(TVersionInfo::FromSection(good + entry + '\0').has_value());
  EXPECT_TRUE(TVersionInfo::FromSection(good + entry + '\0' + "trailing padding").has_value());
  std::string badSignature = good;
  badSignature[8] = 0;
  const struct {
    const char* What;
    std::string Bytes;
  } broken[] = {
      {"empty", ""},
      {"short", good.substr(0, 30)},
      {"magic", "XVERSRC1" + good.substr(8) + '\0'},
      {"signature", badSignature + '\0'},
      {"no end mark", good + entry},
      {"block only", good + std::string("040904e4\0", 9)},
      {"no value", good + std::string("040904e4\0Name\0", 14)},
      {"unterminated value", good + std::string("040904e4\0Name\0Val", 17)},
  };
  for (const auto& b : broken) EXPECT_FALSE(TVersionInfo::FromSection(b.Bytes).has_value()) << b.What;
}

}  // namespace
