// The character filter of the text editors, as a table of one character
// typed into a text with the caret and selection given.
#include <gtest/gtest.h>

#include <string>

#include "extgrid/detail/EditCharFilter.h"
#include "testing/LocaleScope.h"

namespace zorbit::detail {
namespace {

struct FilterCase {
  const char* Name;
  TEditorType Type;
  char32_t Key;
  std::string Text;
  int SelStart;
  std::string SelText;
  TCharVerdict Verdict;
  char32_t KeyAfter;
};

// clang-format off
const FilterCase kCases[] = {
  {"NumericMinusAtStartOfTwoDigits", TEditorType::edNumeric,         U'-', "12",  0, "",   TCharVerdict::cvAccept, U'-'},
  {"NumericMinusAfterFirstDigit",    TEditorType::edNumeric,         U'-', "12",  1, "",   TCharVerdict::cvRefuse, U'-'},
  {"NumericSecondMinus",             TEditorType::edNumeric,         U'-', "-12", 0, "",   TCharVerdict::cvRefuse, U'-'},
  {"NumericMinusOverSelectedMinus",  TEditorType::edNumeric,         U'-', "-12", 0, "-",  TCharVerdict::cvAccept, U'-'},
  {"NumericLetter",                  TEditorType::edNumeric,         U'a', "12",  2, "",   TCharVerdict::cvRefuse, U'a'},
  {"NumericBackspace",               TEditorType::edNumeric,         U'\b', "12", 2, "",   TCharVerdict::cvAccept, U'\b'},
  {"NumericDecimalSeparator",        TEditorType::edNumeric,         U'.', "12",  2, "",   TCharVerdict::cvRefuse, U'.'},
  {"PositiveMinus",                  TEditorType::edPositiveNumeric, U'-', "12",  0, "",   TCharVerdict::cvRefuse, U'-'},
  {"PositiveDigit",                  TEditorType::edPositiveNumeric, U'7', "12",  2, "",   TCharVerdict::cvAccept, U'7'},
  {"FloatFirstSeparator",            TEditorType::edFloat,           U'.', "12",  2, "",   TCharVerdict::cvAccept, U'.'},
  {"FloatSecondSeparator",           TEditorType::edFloat,           U'.', "1.2", 3, "",   TCharVerdict::cvRefuse, U'.'},
  {"FloatSeparatorOverSelectedOne",  TEditorType::edFloat,           U'.', "1.2", 1, ".",  TCharVerdict::cvAccept, U'.'},
  {"FloatThousandSeparatorIgnored",  TEditorType::edFloat,           U',', "1",   1, "",   TCharVerdict::cvIgnore, U','},
  {"FloatMinusAtStart",              TEditorType::edFloat,           U'-', "1.5", 0, "",   TCharVerdict::cvAccept, U'-'},
  {"FloatEditBtnSecondSeparator",    TEditorType::edFloatEditBtn,    U'.', "0.5", 3, "",   TCharVerdict::cvRefuse, U'.'},
  {"NumericEditBtnLetter",           TEditorType::edNumericEditBtn,  U'x', "5",   1, "",   TCharVerdict::cvRefuse, U'x'},
  {"EditBtnAnything",                TEditorType::edEditBtn,         U'x', "5",   1, "",   TCharVerdict::cvAccept, U'x'},
  {"UpperCase",                      TEditorType::edUpperCase,       U'a', "",    0, "",   TCharVerdict::cvAccept, U'A'},
  {"CapitalUpperCasesUmlaut",        TEditorType::edCapital,         U'ä', "",    0, "",   TCharVerdict::cvAccept, U'Ä'},
  {"LowerCase",                      TEditorType::edLowerCase,       U'Q', "",    0, "",   TCharVerdict::cvAccept, U'q'},
  {"MixedCaseLetsTheCharacterIn",    TEditorType::edMixedCase,       U'q', "",    0, "",   TCharVerdict::cvAccept, U'q'},
  {"NormalAnything",                 TEditorType::edNormal,          U'-', "12",  1, "",   TCharVerdict::cvAccept, U'-'},
  {"PasswordAnything",               TEditorType::edPassword,        U'%', "",    0, "",   TCharVerdict::cvAccept, U'%'},
};
// clang-format on

class CharFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(CharFilter, DecidesAsTheTypeSays) {
  const testing::TLocaleScope english(plat::TFormatSettings::English());
  const FilterCase& c = GetParam();
  char32_t key = c.Key;
  EXPECT_EQ(FilterEditChar(c.Type, key, {c.Text, c.SelStart, c.SelText}), c.Verdict);
  EXPECT_EQ(key, c.KeyAfter);
}

INSTANTIATE_TEST_SUITE_P(Types, CharFilter, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FilterCase>& Case) { return Case.param.Name; });

TEST(CharFilterLimit, AtTheLimitOnlyBackspaceEscapeAndEnterPass) {
  EXPECT_FALSE(PassesLengthLimit(U'4', 3, 3, 0));
  EXPECT_TRUE(PassesLengthLimit(U'\b', 3, 3, 0));
  EXPECT_TRUE(PassesLengthLimit(U'\x1b', 3, 3, 0));
  EXPECT_TRUE(PassesLengthLimit(U'\r', 3, 3, 0));
  EXPECT_TRUE(PassesLengthLimit(U'4', 3, 3, 1));  // typing over a selection
  EXPECT_TRUE(PassesLengthLimit(U'4', 3, 2, 0));
  EXPECT_TRUE(PassesLengthLimit(U'4', 0, 99, 0));  // no limit
}

struct PasteCase {
  const char* Name;
  TEditorType Type;
  std::string Result;
  bool Accepted;
  std::string After;
};

// clang-format off
const PasteCase kPastes[] = {
  {"NumericDigits",          TEditorType::edNumeric,         "123",   true,  "123"},
  {"NumericLetterAfter",     TEditorType::edNumeric,         "12a",   false, "12a"},
  {"NumericDecimal",         TEditorType::edNumeric,         "1.5",   false, "1.5"},
  {"PositiveNegative",       TEditorType::edPositiveNumeric, "-5",    false, "-5"},
  {"FloatDecimal",           TEditorType::edFloat,           "-1.25", true,  "-1.25"},
  {"FloatWord",              TEditorType::edFloat,           "one",   false, "one"},
  {"MixedCase",              TEditorType::edMixedCase,       "mary ann", true, "Mary Ann"},
  {"UpperCase",              TEditorType::edUpperCase,       "abc",   true,  "ABC"},
  {"LowerCase",              TEditorType::edLowerCase,       "AbC",   true,  "abc"},
  {"NormalUnchanged",        TEditorType::edNormal,          "x y",   true,  "x y"},
};
// clang-format on

class PasteFilter : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteFilter, AcceptsOrConvertsTheResult) {
  const testing::TLocaleScope english(plat::TFormatSettings::English());
  const PasteCase& c = GetParam();
  std::string result = c.Result;
  EXPECT_EQ(FilterPastedText(c.Type, result), c.Accepted);
  EXPECT_EQ(result, c.After);
}

INSTANTIATE_TEST_SUITE_P(Types, PasteFilter, ::testing::ValuesIn(kPastes),
                         [](const ::testing::TestParamInfo<PasteCase>& Case) { return Case.param.Name; });

}  // namespace
}  // namespace zorbit::detail
