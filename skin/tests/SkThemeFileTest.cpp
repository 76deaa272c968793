// The skin-file reader on real files written by the tests: every kind of
// entry, names at the edge of their field, duplicates, and hostile files
// patched byte by byte, each refused with the stream's read error.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Streams.h"
#include "skin/SkThemeFile.h"
#include "skin/tests/SkinFiles.h"
#include "testing/ProjectPaths.h"
#include "testing/TempFolder.h"

namespace skintest {
namespace {

using namespace zorbit;
using namespace zorbit::skinwriter;

class ThemeFileReader : public ::testing::Test {
 protected:
  std::string Write(const std::string& Bytes) { return FFolder.Write("theme.skn", Bytes); }

  zorbit::testing::TTempFolder FFolder{"zorbit-skin"};
};

TEST_F(ThemeFileReader, ReadsEveryKindOfEntry) {
  TSkinFileWriter writer = AllKindsSkin();
  writer.Add({"Unknown", 7, "ignored"});  // other kinds are skipped
  TskThemeFileReader reader(Write(writer.Image()));

  EXPECT_EQ(reader.GetInt("FormMinWidthInt"), 140);
  EXPECT_EQ(reader.GetInt("FormBackgroundColor"), 0xE7E7E7);
  EXPECT_TRUE(reader.GetBool("ButtonTransparentBool"));
  EXPECT_EQ(reader.Texts().Strings(0), "Author=Zorbit");
  plat::TStream* picture = reader.GetBitmapStream("ButtonImage");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Position(), 0);
  EXPECT_EQ(picture->Size(), static_cast<plat::Int64>(writer.Entries()[0].Data.size()));
  picture->SetPosition(5);
  EXPECT_EQ(reader.GetBitmapStream("ButtonImage")->Position(), 0);  // rewound for each caller

  EXPECT_EQ(reader.Pictures().Count() + reader.Integers().Count() + reader.Bytes().Count() + reader.Texts().Count(), 5);
  // Absent entries, and a value asked of the wrong list.
  EXPECT_EQ(reader.GetBitmapStream("CheckBoxImage"), nullptr);
  EXPECT_EQ(reader.GetInt("FormBorderWidthInt"), -1);
  EXPECT_EQ(reader.GetInt("ButtonTransparentBool"), -1);
  EXPECT_FALSE(reader.GetBool("FormMinWidthInt"));
}

TEST_F(ThemeFileReader, NamesFillTheirFieldDuplicatesKeepTheFirstAndCaseIsIgnored) {
  const std::string longName(64, 'N');  // no room for a NUL: read whole
  TSkinFileWriter writer;
  writer.AddInteger(longName, 64);
  writer.AddInteger("ButtonImage", 1);
  writer.AddInteger("BUTTONIMAGE", 2);
  writer.AddByte("Flag", 0);
  writer.AddByte("flag", 1);
  writer.AddInteger("Negative", -1);
  // A byte entry's flag is its low byte; an integer keeps its sign.
  writer.AddByte("High", 0x00);
  TskThemeFileReader reader(Write(writer.Image()));

  EXPECT_EQ(reader.GetInt(longName), 64);
  EXPECT_EQ(reader.GetInt(longName.substr(0, 63)), -1);
  EXPECT_EQ(reader.GetInt("buttonimage"), 1);
  EXPECT_EQ(reader.Integers().Count(), 4);
  EXPECT_FALSE(reader.GetBool("FLAG"));
  EXPECT_EQ(reader.GetInt("Negative"), -1);  // indistinguishable from an absent entry
}

TEST_F(ThemeFileReader, OnlyTheTerminatorIsAnEmptyTheme) {
  TskThemeFileReader reader(Write(TSkinFileWriter().Image()));
  EXPECT_EQ(reader.Pictures().Count() + reader.Integers().Count() + reader.Bytes().Count() + reader.Texts().Count(), 0);
}

TEST_F(ThemeFileReader, OddHeaderAndValueSizesReadOnlyWhatTheyHold) {
  TSkinFileWriter writer;
  writer.Add({"Short", static_cast<std::uint8_t>(TSkinEntryKind::Integer), std::string("\x34\x12", 2)});
  writer.Add({"Long", static_cast<std::uint8_t>(TSkinEntryKind::Integer), std::string("\x07\0\0\0\xFF\xFF", 6)});
  writer.Add({"Empty", static_cast<std::uint8_t>(TSkinEntryKind::Byte), ""});
  writer.Add({"Wide", static_cast<std::uint8_t>(TSkinEntryKind::Byte), "\x01\x02"});
  std::string image = writer.Image();
  PutLE32(image, kHeaderSizeField, 0xFFFFFFFF);  // only 24 bytes are header
  TskThemeFileReader reader(Write(image));
  EXPECT_EQ(reader.GetInt("Short"), 0x1234);  // zero-extended
  EXPECT_EQ(reader.GetInt("Long"), 7);
  EXPECT_FALSE(reader.GetBool("Empty"));
  EXPECT_EQ(reader.Bytes().Strings(0), "Empty=0");
  EXPECT_TRUE(reader.GetBool("Wide"));

  // A header shorter than 24 bytes leaves the first-entry offset 0: the
  // header itself read as an entry, whose next offset (inside the first
  // entry's name, all NUL) ends the chain.
  for (const std::uint32_t headerSize : {0u, 8u, 20u}) {
    PutLE32(image, kHeaderSizeField, headerSize);
    TskThemeFileReader empty(Write(image));
    EXPECT_EQ(empty.Integers().Count() + empty.Bytes().Count(), 0) << headerSize;
  }
}

// Patches a well-formed file of two entries (a picture, an integer).
struct THostileCase {
  const char* Name;
  std::function<void(std::string&)> Patch;
};

TEST_F(ThemeFileReader, HostileFilesRaiseTheStreamReadError) {
  TSkinFileWriter writer;
  writer.AddBitmap("ButtonImage", StripPicture(20, 20, {plat::RGB(1, 2, 3)}));
  writer.AddInteger("FormMinWidthInt", 5);
  const std::string good = writer.Image();
  const std::uint32_t first = TSkinFileWriter::EntryOffset(0);
  const std::uint32_t second = TSkinFileWriter::EntryOffset(1);
  const auto size = static_cast<std::uint32_t>(good.size());
  const THostileCase cases[] = {
      {"first entry past the end", [&](std::string& f) { PutLE32(f, kFirstEntryField, size); }},
      {"first entry overlapping the end", [&](std::string& f) { PutLE32(f, kFirstEntryField, size - 76); }},
      {"first entry offset 4 GB", [&](std::string& f) { PutLE32(f, kFirstEntryField, 0xFFFFFFFF); }},
      {"data past the end", [&](std::string& f) { PutLE32(f, first + kDataOffsetField, size + 1); }},
      {"data overlapping the end", [&](std::string& f) { PutLE32(f, second + kDataOffsetField, size - 3); }},
      {"picture of 4 GB", [&](std::string& f) { PutLE32(f, first + kDataSizeField, 0xFFFFFFFF); }},
      {"picture offset and size wrapping",
       [&](std::string& f) {
         PutLE32(f, first + kDataOffsetField, 0xFFFFFFF0);
         PutLE32(f, first + kDataSizeField, 0x20);
       }},
      {"text of 4 GB",
       [&](std::string& f) {
         f[first + kKindField] = static_cast<char>(TSkinEntryKind::Text);
         PutLE32(f, first + kDataSizeField, 0xFFFFFFFF);
       }},
      {"integer past the end", [&](std::string& f) { PutLE32(f, second + kDataOffsetField, 0xFFFFFFFE); }},
      {"next entry past the end", [&](std::string& f) { PutLE32(f, first + kNextEntryField, size); }},
      {"chain looping back", [&](std::string& f) { PutLE32(f, second + kNextEntryField, first); }},
      {"entry pointing at itself", [&](std::string& f) { PutLE32(f, first + kNextEntryField, first); }},
      // The integer entry made a second picture of the first one's data:
      // the two would take more than the file holds.
      {"pictures sharing their data",
       [&](std::string& f) {
         f[second + kKindField] = static_cast<char>(TSkinEntryKind::Bitmap);
         std::memcpy(&f[second + kDataOffsetField], &f[first + kDataOffsetField], 8);
       }},
      // Entries 8 bytes apart, overlapping, of a kind that is skipped, the
      // last one ending the chain: no offset repeats, but the chain is longer
      // than the file could hold entries.
      {"chain of overlapping entries",
       [&](std::string& f) {
         f.assign(TSkinFileWriter::EntryOffset(10), '\0');
         f.replace(0, kHeaderSize, good.substr(0, kHeaderSize));
         for (std::uint32_t at = first; at + kEntrySize <= f.size(); at += 8) {
           f[at + kKindField] = 9;
           PutLE32(f, at + kNextEntryField, at + 8 + kEntrySize <= f.size() ? at + 8 : 0);
         }
       }},
  };
  for (const auto& c : cases) {
    std::string hostile = good;
    c.Patch(hostile);
    EXPECT_THROW(TskThemeFileReader{Write(hostile)}, plat::EReadError) << c.Name;
  }
}

TEST_F(ThemeFileReader, EveryTruncationIsRefused) {
  const std::string good = AllKindsSkin().Image();
  for (std::size_t length = 0; length < good.size(); ++length) {
    EXPECT_THROW(TskThemeFileReader{Write(good.substr(0, length))}, plat::EReadError) << length;
  }
}

// The fuzzer's seeds stay what their names say.
TEST_F(ThemeFileReader, TheSeedFilesReadAsTheirNamesSay) {
  const auto seed = [](const std::string& Name) { return zorbit::testing::SourcePath("skin/tests/data/" + Name); };
  TskThemeFileReader allKinds(seed("all-kinds.skn"));
  EXPECT_EQ(allKinds.GetInt("FormMinWidthInt"), 130);
  EXPECT_EQ(allKinds.GetInt(std::string(64, 'N')), -1);
  EXPECT_NE(allKinds.GetBitmapStream("ButtonImage"), nullptr);
  EXPECT_EQ(TskThemeFileReader(seed("empty.skn")).Integers().Count(), 0);
  EXPECT_EQ(TskThemeFileReader(seed("short-header.skn")).Integers().Count(), 0);
  EXPECT_THROW(TskThemeFileReader{seed("looping.skn")}, plat::EReadError);
}

TEST_F(ThemeFileReader, AMissingFileRaisesTheOpenError) {
  EXPECT_THROW(TskThemeFileReader{FFolder.File("missing.skn")}, plat::EFOpenError);
}

}  // namespace
}  // namespace skintest
