#include "platform/rtl/WideStrings.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/AnsiStringsForWideStrings.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/WideCompare.h"
#include "platform/rtl/WideStringList.h"
#include "testing/StringsItems.h"

namespace plat {
namespace {

using zorbit::testing::Items;
using WideItems = std::vector<WideString>;

void Fill(TWideStrings& list, const WideItems& items) {
  list.Clear();
  for (const WideString& s : items) list.Add(s);
}

// Objects are only compared by address here.
TObject* Tag(int n) { return reinterpret_cast<TObject*>(static_cast<std::uintptr_t>(0x1000 * n)); }

std::vector<TObject*> ObjectsOf(const TWideStrings& list) {
  std::vector<TObject*> objects;
  for (int i = 0; i < list.Count(); ++i) objects.push_back(list.Objects(i));
  return objects;
}

struct SplitCase {
  const char* Rule;
  WideString Text;
  WideItems Lines;
};

class WideTextSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(WideTextSplit, CutsAtEveryBreak) {
  TWideStringList list;
  list.Add(u"left over");
  list.SetText(GetParam().Text);
  EXPECT_EQ(Items(list), GetParam().Lines) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, WideTextSplit,
    ::testing::Values(SplitCase{"CR LF twice between letters", u"a\r\n\r\nb", {u"a", u"", u"b"}},
                      SplitCase{"a break at the end adds nothing", u"a\r\n", {u"a"}},
                      SplitCase{"empty text, no lines", u"", {}},
                      SplitCase{"a lone break is one empty line", u"\r\n", {u""}},
                      SplitCase{"LF, CR, VT and FF", u"a\nb\rc\vd\fe", {u"a", u"b", u"c", u"d", u"e"}},
                      SplitCase{"line and paragraph separators", u"a\u2028b\u2029c", {u"a", u"b", u"c"}},
                      SplitCase{"LF CR is two breaks", u"a\n\rb", {u"a", u"", u"b"}},
                      SplitCase{"two CRs are two breaks", u"a\r\rb", {u"a", u"", u"b"}},
                      SplitCase{"NUL breaks", WideString(u"a\0b", 3), {u"a", u"b"}},
                      SplitCase{"a surrogate pair stays whole", u"\U0001F600x\n\u4E2D", {u"\U0001F600x", u"\u4E2D"}}));

TEST(WideStrings, TextEndsEveryEntryWithCrLf) {
  TWideStringList list;
  EXPECT_EQ(list.Text(), u"");
  list.Add(u"");
  EXPECT_EQ(list.Text(), u"\r\n");
  list.Add(u"\u4E2D");
  EXPECT_EQ(list.Text(), u"\r\n\u4E2D\r\n");
}

TEST(WideStrings, ZeroTerminatedTextStopsAtTheZeroAndNullClears) {
  TWideStringList list;
  list.SetText(u"a\r\nb");
  EXPECT_EQ(Items(list), (WideItems{u"a", u"b"}));
  list.SetText(static_cast<const char16_t*>(nullptr));
  EXPECT_EQ(list.Count(), 0);
}

struct CompareCase {
  const char* Rule;
  WideString S1;
  WideString S2;
  int Result;
};

class WideCompareText : public ::testing::TestWithParam<CompareCase> {};

TEST_P(WideCompareText, OrdersWithoutCase) {
  EXPECT_EQ(CompareTextWinNT(GetParam().S1, GetParam().S2, LANG_ENGLISH_US), GetParam().Result) << GetParam().Rule;
  EXPECT_EQ(CompareTextWinNT(GetParam().S2, GetParam().S1, LANG_ENGLISH_US), -GetParam().Result) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WideCompareText,
    ::testing::Values(CompareCase{"ASCII case", u"Abc", u"aBC", 0}, CompareCase{"Greek case", u"\u0391\u03B2", u"\u03B1\u0392", 0},
                      CompareCase{"Cyrillic case", u"\u0416", u"\u0436", 0}, CompareCase{"order ignores case", u"a", u"B", -1},
                      CompareCase{"a prefix sorts first", u"ab", u"abc", -1}, CompareCase{"empty sorts first", u"", u"a", -1},
                      CompareCase{"characters above U+FFFF after the rest", u"\uFFFD", u"\U00010000", -1},
                      CompareCase{"unpaired surrogates differ", u"\xD800", u"\xDC00", -1},
                      CompareCase{"an unpaired surrogate is not U+FFFD", u"\xD800", u"\uFFFD", -1}));

TEST(WideStrings, IndexOfIgnoresCaseButEqualsDoesNot) {
  TWideStringList list;
  TWideStringList other;
  EXPECT_EQ(list.IndexOf(u"x"), -1);
  Fill(list, {u"alpha", u"\u0414\u043E\u043C", u"\U0001F600"});
  Fill(other, {u"ALPHA", u"\u0434\u043E\u043C", u"\U0001F600"});
  EXPECT_EQ(list.IndexOf(u"ALPHA"), 0);
  EXPECT_EQ(list.IndexOf(u"\u0434\u041E\u041C"), 1);
  EXPECT_EQ(list.IndexOf(u"\U0001F600"), 2);
  EXPECT_EQ(list.IndexOf(u"\xD83D"), -1);
  EXPECT_FALSE(list.Equals(other));
  other.Assign(list);
  EXPECT_TRUE(list.Equals(other));
}

TEST(WideStrings, PutMoveAndExchangeCarryTheObjects) {
  TWideStringList list;
  list.AddObject(u"a", Tag(1));
  list.AddObject(u"b", Tag(2));
  list.AddObject(u"c", Tag(3));
  list.SetStrings(1, u"B");
  EXPECT_EQ(list.Objects(1), Tag(2));
  list.Move(0, 2);
  EXPECT_EQ(Items(list), (WideItems{u"B", u"c", u"a"}));
  EXPECT_EQ(ObjectsOf(list), (std::vector<TObject*>{Tag(2), Tag(3), Tag(1)}));
  list.Exchange(0, 1);
  EXPECT_EQ(Items(list), (WideItems{u"c", u"B", u"a"}));
  EXPECT_EQ(ObjectsOf(list), (std::vector<TObject*>{Tag(3), Tag(2), Tag(1)}));
}

TEST(WideStrings, IndexesOutOfRangeRaise) {
  TWideStringList list;
  list.Add(u"a");
  EXPECT_THROW(list.Strings(1), EStringListError);
  EXPECT_THROW(list.Delete(-1), EStringListError);
  EXPECT_THROW(list.Insert(2, u"x"), EStringListError);
  try {
    list.Objects(5);
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (5)");
  }
}

TEST(WideStrings, AssignAndAddStringsConvertBetweenTheForms) {
  TStringList ansi;
  ansi.AddObject("\xC3\xBC" "ber", Tag(1));
  ansi.AddObject("\xE4\xB8\xAD", Tag(2));
  TWideStringList wide;
  wide.Add(u"old");
  wide.Assign(ansi);
  EXPECT_EQ(Items(wide), (WideItems{u"\u00FCber", u"\u4E2D"}));
  EXPECT_EQ(ObjectsOf(wide), (std::vector<TObject*>{Tag(1), Tag(2)}));

  TStringList back;
  back.Add("old");
  wide.AddObject(u"\U0001F600", Tag(3));
  wide.AssignTo(back);
  EXPECT_EQ(Items(back), (std::vector<String>{"\xC3\xBC" "ber", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80"}));
  EXPECT_EQ(back.Objects(2), Tag(3));

  TWideStringList copy;
  copy.AddStrings(wide);
  copy.AddStrings(ansi);
  EXPECT_EQ(copy.Count(), 5);
  EXPECT_EQ(copy.Objects(4), Tag(2));
}

// A list given itself, or its own ANSI view, keeps its entries.
TEST(WideStrings, ItselfAsSourceLosesNothing) {
  TWideStringList list;
  Fill(list, {u"a", u"\u4E2D"});
  const WideItems before = Items(list);
  list.Assign(list);
  EXPECT_EQ(Items(list), before);
  list.Assign(list.AnsiStrings());
  EXPECT_EQ(Items(list), before);
  list.SetAnsiStrings(list.AnsiStrings());
  EXPECT_EQ(Items(list), before);
  list.AssignTo(list.AnsiStrings());
  EXPECT_EQ(Items(list), before);
  list.AddStrings(list);
  EXPECT_EQ(Items(list), (WideItems{u"a", u"\u4E2D", u"a", u"\u4E2D"}));
  list.AddStrings(list.AnsiStrings());
  EXPECT_EQ(list.Count(), 8);
}

TEST(WideStrings, AnsiViewReadsAndWritesTheWideEntries) {
  TWideStringList wide;
  wide.AddObject(u"\u4E2D", Tag(1));
  wide.Add(u"x\xD800y");
  TAnsiStringsForWideStrings& view = wide.AnsiStrings();
  EXPECT_EQ(&view.WideStrings(), &wide);
  EXPECT_EQ(Items(view), (std::vector<String>{"\xE4\xB8\xAD", "x\xEF\xBF\xBDy"}));
  EXPECT_EQ(view.Objects(0), Tag(1));
  view.Insert(1, "\xC3\xA9");
  view.Delete(0);
  EXPECT_EQ(Items(wide), (WideItems{u"\u00E9", u"x\xD800y"}));

  TStringList ansi;
  ansi.Add("one");
  wide.SetAnsiStrings(ansi);
  EXPECT_EQ(Items(wide), (WideItems{u"one"}));
  view.Clear();
  EXPECT_EQ(wide.Count(), 0);
}

// Records each change of the update state.
class TLoggingWideList : public TWideStringList {
 public:
  std::vector<bool> Log;

 protected:
  void SetUpdateState(bool Updating) override { Log.push_back(Updating); }
};

TEST(WideStrings, UpdateStateChangesOnlyAtTheOuterBracket) {
  TLoggingWideList list;
  list.BeginUpdate();
  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_EQ(list.Log, (std::vector<bool>{true}));
  list.EndUpdate();
  EXPECT_EQ(list.Log, (std::vector<bool>{true, false}));

  list.Log.clear();
  list.SetText(u"a\nb\nc");
  EXPECT_EQ(list.Log, (std::vector<bool>{true, false}));

  list.Log.clear();
  TStringList ansi;
  ansi.Add("x");
  list.SetAnsiStrings(ansi);
  EXPECT_EQ(list.Log, (std::vector<bool>{true, false}));
}

TEST(WideStrings, AMoveToABadIndexLosesNothingAndClosesItsBracket) {
  TLoggingWideList list;
  list.AddObject(u"a", Tag(1));
  list.Add(u"b");
  for (const int target : {2, -1}) {
    list.Log.clear();
    EXPECT_THROW(list.Move(0, target), EStringListError) << target;
    EXPECT_EQ(Items(list), (WideItems{u"a", u"b"})) << target;
    EXPECT_EQ(list.Objects(0), Tag(1)) << target;
    EXPECT_EQ(list.Log, (std::vector<bool>{true, false})) << target;
  }
}

}  // namespace
}  // namespace plat
