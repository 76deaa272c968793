// The SMBIOS code-to-text converters and the size texts: every table
// boundary, the widest shifts and sizes, and the words that are looked up.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

#include "service/SmbiosText.h"
#include "service/tests/HardwareTestSupport.h"

namespace zorbit::testing {
namespace {

// Every table runs under a locale with a decimal point and one with a decimal comma.
class SmbiosTextTest : public ::testing::TestWithParam<bool> {
 protected:
  SmbiosTextTest() : FLocale(German() ? plat::TFormatSettings::German() : plat::TFormatSettings::English()) {}
  void SetUp() override { InstallBracketLookup(); }
  void TearDown() override { AppHooks() = {}; }

  bool German() const { return GetParam(); }

 private:
  TLocaleScope FLocale;
};

struct TextCase {
  unsigned Code;
  const char* Text;
};

void ExpectTexts(const std::function<plat::String(unsigned)>& Convert, std::initializer_list<TextCase> Cases) {
  for (const TextCase& c : Cases) EXPECT_EQ(Convert(c.Code), c.Text) << "code " << c.Code;
}

TEST(LocalizeText, WithoutAStringTableTheEnglishTextStands) {
  AppHooks() = {};
  EXPECT_EQ(LocalizeText("Unknown"), "Unknown");
  EXPECT_EQ(DeviceSizeText(512, 0), "512 MB");
}

TEST_P(SmbiosTextTest, LocalizeTextLooksUpSectionGeneral) {
  AppHooks().Lookup = [](const plat::String& Section, const plat::String& Key) { return Section + "/" + Key; };
  EXPECT_EQ(LocalizeText("GHz"), "General/GHz");
}

TEST_P(SmbiosTextTest, SupportedAndEnabled) {
  EXPECT_EQ(SupportedText(true), "<Supported>");
  EXPECT_EQ(SupportedText(false), "<Not Supported>");
  ExpectTexts([](unsigned v) { return EnabledText(static_cast<int>(v)); },
              {{0, "<Disabled>"}, {1, "<Enabled>"}, {0x80000000u, "<Enabled>"}, {0xFFFFFFFFu, "<Enabled>"}});
}

TEST_P(SmbiosTextTest, BiosRomSize) {
  ExpectTexts([](unsigned v) { return BiosRomSizeText(static_cast<std::uint8_t>(v)); },
              {{0, "64 <KB>"}, {15, "1024 <KB>"}, {255, "16384 <KB>"}});
}

TEST_P(SmbiosTextTest, ProcessorUpgradeTableBoundaries) {
  ExpectTexts([](unsigned v) { return ProcessorUpgradeText(static_cast<std::uint8_t>(v)); },
              {{0, ""},
               {1, "<Other>"},
               {2, "<Unknown>"},
               {14, "<Socket A (Socket 462)>"},
               {15, "<Socket 478>"},
               {21, "<Socket LGA775>"},
               {22, ""},
               {128, ""},
               {255, ""}});
}

TEST_P(SmbiosTextTest, MemoryTypeTableBoundaries) {
  ExpectTexts([](unsigned v) { return MemoryTypeText(static_cast<std::uint8_t>(v)); }, {{0, "<Other>"},
                                                                                        {1, "<Other>"},
                                                                                        {2, "<Unknown>"},
                                                                                        {3, "<DRAM>"},
                                                                                        {19, "<DDR2>"},
                                                                                        {20, "<DDR2 FB-DIMM>"},
                                                                                        {21, "<Other>"},
                                                                                        {128, "<Other>"},
                                                                                        {255, "<Other>"}});
}

TEST_P(SmbiosTextTest, MemoryTypesOfTodaysTable) {
  ExpectTexts([](unsigned v) { return MemoryTypeText(static_cast<std::uint8_t>(v)); },
              {// 0x15 to 0x17 are reserved.
               {0x15, "<Other>"},
               {0x17, "<Other>"},
               {0x18, "<DDR3>"},
               {0x19, "<FBD2>"},
               {0x1A, "<DDR4>"},
               {0x1B, "<LPDDR>"},
               {0x1C, "<LPDDR2>"},
               {0x1D, "<LPDDR3>"},
               {0x1E, "<LPDDR4>"},
               {0x1F, "<Logical non-volatile device>"},
               {0x20, "<HBM>"},
               {0x21, "<HBM2>"},
               {0x22, "<DDR5>"},
               {0x23, "<LPDDR5>"},
               {0x24, "<HBM3>"},
               {0x25, "<MRDIMM>"},
               // A code newer than the table.
               {0x26, "<Other>"},
               {0x7F, "<Other>"}});
}

TEST_P(SmbiosTextTest, SupportedMemoryTypes) {
  ExpectTexts([](unsigned v) { return MemoryTypesText(static_cast<std::uint16_t>(v)); },
              {{0, "<None>"},
               {0x0004, "<Other>"},
               {0x001F, "<Other>"},
               {0x0020, "<Parity>"},
               {0x0140, "<ECC>,<DIMM>"},
               {0x07E0, "<Parity>,<ECC>,<SIMM>,<DIMM>,<Burst EDO>,<SDRAM>"},
               {0x0400, "<SDRAM>"},
               // Bits 11 to 15 name nothing: alone they count as none at all.
               {0x0800, "<None>"},
               {0x8000, "<None>"},
               {0x8001, "<Other>"},
               {0xFFFF, "<Parity>,<ECC>,<SIMM>,<DIMM>,<Burst EDO>,<SDRAM>"}});
}

TEST_P(SmbiosTextTest, ModuleInstalledSizeUpToThirtyOneBitsOfShift) {
  ExpectTexts([](unsigned v) { return ModuleInstalledSizeText(static_cast<std::uint8_t>(v)); },
              {{0x00, "1 <MB> <(Single-bank Connection)>"},
               {0x07, "128 <MB> <(Single-bank Connection)>"},
               {0x87, "128 <MB> <(Double-bank Connection)>"},
               {0x1F, "2147483648 <MB> <(Single-bank Connection)>"},
               {0x9F, "2147483648 <MB> <(Double-bank Connection)>"},
               // Only the low five bits shift: 0x7C is 124, shifted by 28.
               {0x7C, "268435456 <MB> <(Single-bank Connection)>"},
               {0x7D, "<Not Determinable>"},
               {0x7E, "<Disabled>"},
               {0x7F, "<Not Installed>"},
               {0xFD, "<Not Determinable>"},
               {0xFF, "<Not Installed>"}});
}

TEST_P(SmbiosTextTest, ModuleSizeInMegabytes) {
  const std::pair<std::uint8_t, std::int64_t> cases[] = {{0x00, 1},          {0x0A, 1024},      {0x8A, 1024},
                                                         {0x1F, 2147483648}, {0x7C, 268435456}, {0x7D, 0},
                                                         {0x7E, 0},          {0x7F, 0},         {0xFF, 0}};
  for (const auto& [code, megabytes] : cases) EXPECT_EQ(ModuleSizeMB(code), megabytes) << int(code);
}

TEST_P(SmbiosTextTest, ArrayCapacityPicksTheUnitThatDividesEvenly) {
  ExpectTexts([](unsigned v) { return ArrayCapacityText(ArrayCapacityBytes(v, 0)); },
              {{0x80000000u, "<Unknown>"},
               {0, "0 <GB>"},
               {4194304, "4 <GB>"},
               {134217728, "128 <GB>"},
               {1536, "1536 <KB>"},
               {524288, "512 <MB>"},
               {1, "1 <KB>"},
               {1024, "1 <MB>"},
               {0xFFF00000u, "4095 <GB>"},
               {0x80000400u, "2097153 <MB>"},
               {0x7FFFFFFFu, "2147483647 <KB>"},
               {0xFFFFFFFFu, "4294967295 <KB>"}});
}

TEST_P(SmbiosTextTest, ArrayCapacityBeyondTwoTerabytesIsInTheExtendedField) {
  constexpr std::uint64_t kGB = 1ull << 30;
  const struct {
    std::uint32_t CapacityKB;
    std::uint64_t Extended;
    std::optional<std::uint64_t> Bytes;
    const char* Text;
  } cases[] = {
      // 0x80000000 hands over to the extended field; 0 there is unknown.
      {0x80000000u, 0, std::nullopt, "<Unknown>"},
      {0x80000000u, 4096 * kGB, 4096 * kGB, "4096 <GB>"},
      {0x80000000u, 2048 * kGB, 2048 * kGB, "2048 <GB>"},
      {0x80000000u, 3 * kGB + (1 << 20), 3 * kGB + (1 << 20), "3073 <MB>"},
      {0x80000000u, 1025, 1025, "1025 <Bytes>"},
      {0x80000000u, ~0ull, ~0ull, "18446744073709551615 <Bytes>"},
      {0x80000000u, ~0ull << 30, ~0ull << 30, "17179869183 <GB>"},
      // Any other capacity stands, whatever the extended field holds.
      {0x7FFFFFFFu, 4096 * kGB, 0x7FFFFFFFull * 1024, "2147483647 <KB>"},
      {0x80000001u, 4096 * kGB, 0x80000001ull * 1024, "2147483649 <KB>"},
      {0, 4096 * kGB, 0, "0 <GB>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArrayCapacityBytes(c.CapacityKB, c.Extended), c.Bytes) << c.CapacityKB << " " << c.Extended;
    EXPECT_EQ(ArrayCapacityText(c.Bytes), c.Text) << c.CapacityKB << " " << c.Extended;
  }
}

TEST_P(SmbiosTextTest, DeviceSizeValueAndText) {
  struct Case {
    std::uint16_t Size;
    std::uint32_t ExtendedSize;
    int Megabytes;
    const char* Text;
  };
  const Case cases[] = {{0x0000, 0, 0, "<No Module Installed>"},
                        {0x0001, 0, 1, "1 <MB>"},
                        {0x0400, 0, 1024, "1024 <MB>"},
                        {0x7FFE, 0, 32766, "32766 <MB>"},
                        {0x7FFF, 0, 32767, "32767 <MB>"},
                        {0x8000, 0, 0, "0 <KB>"},
                        {0x8400, 0, 1, "1024 <KB>"},
                        {0x83FF, 0, 0, "1023 <KB>"},
                        {0xFFFE, 0, 31, "32766 <KB>"},
                        {0xFFFF, 0, 0, "<Unknown>"},
                        // 0x7FFF hands over to the extended size in MB; 0 there, as in
                        // tables from before the field, leaves the word standing.
                        {0x7FFF, 32768, 32768, "32768 <MB>"},
                        {0x7FFF, 65536, 65536, "65536 <MB>"},
                        {0x7FFF, 0x7FFFFFFF, 0x7FFFFFFF, "2147483647 <MB>"},
                        // Bit 31 is reserved.
                        {0x7FFF, 0x80000000u, 32767, "32767 <MB>"},
                        {0x7FFF, 0xFFFFFFFFu, 0x7FFFFFFF, "2147483647 <MB>"},
                        // Any other word ignores the extended size.
                        {0x7FFE, 65536, 32766, "32766 <MB>"},
                        {0x0000, 65536, 0, "<No Module Installed>"},
                        {0x8400, 65536, 1, "1024 <KB>"},
                        {0xFFFF, 65536, 0, "<Unknown>"}};
  for (const Case& c : cases) {
    EXPECT_EQ(DeviceSizeValue(c.Size, c.ExtendedSize), c.Megabytes) << c.Size << " " << c.ExtendedSize;
    EXPECT_EQ(DeviceSizeText(c.Size, c.ExtendedSize), c.Text) << c.Size << " " << c.ExtendedSize;
  }
}

struct ByteSizeCase {
  double Bytes;
  const char* English;
  const char* German;
  const char* Unit;
};

// Each limit is inclusive; digits grow from 3 to 6 as the value passes 10, 100 and 1000.
const ByteSizeCase ByteSizeCases[] = {
    {0, "0", "0", "Bytes"},
    {1, "1", "1", "Bytes"},
    {10.5, "10.5", "10,5", "Bytes"},
    {1000.5, "1000.5", "1000,5", "Bytes"},
    {1024, "1024", "1024", "Bytes"},
    {1025, "1", "1", "KB"},
    {1536, "1.5", "1,5", "KB"},
    {10 * 1024 + 512, "10.5", "10,5", "KB"},
    {1048576, "1024", "1024", "KB"},
    {1048577, "1", "1", "MB"},
    {123456789, "117.74", "117,74", "MB"},
    {1073741824, "1024", "1024", "MB"},
    {1073741825, "1", "1", "GB"},
    {80026361856, "74.53", "74,53", "GB"},
    {120031511040, "111.79", "111,79", "GB"},
    {2000398934016, "1863.02", "1863,02", "GB"},
    {1e30, "9.31323E20", "9,31323E20", "GB"},
    {-5, "-5", "-5", "Bytes"},
};

TEST_P(SmbiosTextTest, ByteSizeNumberInTheLocaleAndEnglishUnit) {
  for (const ByteSizeCase& c : ByteSizeCases) {
    const TByteSizeText text = ByteSizeText(c.Bytes);
    EXPECT_EQ(text.Number, German() ? c.German : c.English) << c.Bytes;
    EXPECT_EQ(text.Unit, c.Unit) << c.Bytes;
  }
}

TEST_P(SmbiosTextTest, ByteSizeOfNoNumberIsStillAText) {
  EXPECT_EQ(ByteSizeText(std::numeric_limits<double>::infinity()).Unit, "GB");
  EXPECT_EQ(ByteSizeText(std::numeric_limits<double>::quiet_NaN()).Unit, "GB");
  EXPECT_EQ(ByteSizeText(std::numeric_limits<double>::max()).Unit, "GB");
}

INSTANTIATE_TEST_SUITE_P(Locales, SmbiosTextTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& test) { return test.param ? "German" : "English"; });

}  // namespace
}  // namespace zorbit::testing
