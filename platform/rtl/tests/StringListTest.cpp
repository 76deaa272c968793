#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Streams.h"
#include "testing/StringsItems.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

using zorbit::testing::Items;
using zorbit::testing::TTempFolder;

void Fill(TStrings& list, const std::vector<String>& items) {
  list.Clear();
  for (const String& s : items) {
    list.Add(s);
  }
}

struct SplitCase {
  const char* Rule;
  String Text;
  std::vector<String> Items;
};

class CommaTextSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CommaTextSplit, SplitsByTheRules) {
  TStringList list;
  list.SetCommaText(GetParam().Text);
  EXPECT_EQ(Items(list), GetParam().Items) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CommaTextSplit,
    ::testing::Values(SplitCase{"empty text gives an empty list", "", {}},
                      SplitCase{"plain items", "a,b,c", {"a", "b", "c"}},
                      SplitCase{"leading codes 1 to 32 are skipped", "\x01\t \r\na,b", {"a", "b"}},
                      SplitCase{"blanks alone give no item", "   ", {}},
                      SplitCase{"quoted item keeps blanks and commas", "\"a b,c\",d", {"a b,c", "d"}},
                      SplitCase{"doubled quotes stand for one", "\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
                      SplitCase{"unclosed quote runs to the end", "\"abc", {"abc"}},
                      SplitCase{"text after a closing quote starts the next item", "\"a\"b,c", {"a", "b", "c"}},
                      SplitCase{"a quote after a closing quote opens the next item", "\"a\" \"b c\"", {"a", "b c"}},
                      SplitCase{"an item ending at a quote", "a\"b\",c", {"a\"b\"", "c"}},
                      SplitCase{"blanks then a comma after a closing quote", "\"a\" \t, b", {"a", "b"}},
                      SplitCase{"unclosed quote after an item runs to the end", "a,\"b,c", {"a", "b,c"}},
                      SplitCase{"item ends at a blank; blanks and one comma are skipped", "a b,c", {"a", "b", "c"}},
                      SplitCase{"blanks around a comma", "a , b", {"a", "b"}},
                      SplitCase{"item ends at a control character", "a\tb", {"a", "b"}},
                      SplitCase{"a NUL ends the text", String("a,b\0c,d", 7), {"a", "b"}},
                      SplitCase{"a comma that ends the text adds one empty item", "a,", {"a", ""}},
                      SplitCase{"a comma followed by blanks adds nothing", "a, ", {"a"}},
                      SplitCase{"a leading comma gives an empty first item", ",a", {"", "a"}},
                      SplitCase{"two commas", ",,", {"", "", ""}},
                      SplitCase{"two double quotes are one empty item", "\"\"", {""}},
                      SplitCase{"name=value items", "EAX=10,nocache=true", {"EAX=10", "nocache=true"}},
                      SplitCase{"quoted name=value item", "\"Name=A B\",x=1", {"Name=A B", "x=1"}}));

struct JoinCase {
  const char* Rule;
  std::vector<String> Items;
  String Text;
};

class CommaTextJoin : public ::testing::TestWithParam<JoinCase> {};

TEST_P(CommaTextJoin, JoinsByTheRulesAndRoundTrips) {
  TStringList list;
  Fill(list, GetParam().Items);
  EXPECT_EQ(list.CommaText(), GetParam().Text) << GetParam().Rule;
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(Items(back), GetParam().Items) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CommaTextJoin,
    ::testing::Values(JoinCase{"empty list", {}, ""}, JoinCase{"plain items are not quoted", {"a", "b"}, "a,b"},
                      JoinCase{"one empty item is two quotes", {""}, "\"\""},
                      JoinCase{"empty items among others", {"", "a", ""}, ",a,"},
                      JoinCase{"blank is quoted", {"a b"}, "\"a b\""},
                      JoinCase{"control character is quoted", {"a\tb", "c\x01"}, "\"a\tb\",\"c\x01\""},
                      JoinCase{"comma is quoted", {"a,b"}, "\"a,b\""},
                      JoinCase{"quote is quoted and doubled", {"say \"hi\""}, "\"say \"\"hi\"\"\""},
                      JoinCase{"hostile mix",
                               {" lead", "trail ", "\"", ",", "x\r\ny"},
                               "\" lead\",\"trail \",\"\"\"\",\",\",\"x\r\ny\""}));

struct NameValueCase {
  const char* Rule;
  std::vector<String> Items;
  String Name;
  String Value;
};

class NameValueLookup : public ::testing::TestWithParam<NameValueCase> {};

TEST_P(NameValueLookup, FindsByTheRules) {
  TStringList list;
  Fill(list, GetParam().Items);
  EXPECT_EQ(list.Values(GetParam().Name), GetParam().Value) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(Rules, NameValueLookup,
                         ::testing::Values(NameValueCase{"name before the first =", {"a=b=c"}, "a", "b=c"},
                                           NameValueCase{"case is ignored", {"Result=ok"}, "RESULT", "ok"},
                                           NameValueCase{"the first match wins", {"x=1", "X=2"}, "x", "1"},
                                           NameValueCase{"missing name gives empty", {"x=1"}, "y", ""},
                                           NameValueCase{"entry without = has no name", {"x", "x=2"}, "x", "2"},
                                           NameValueCase{"empty name", {"=v"}, "", "v"}));

TEST(NameValueWrite, SetEmptyDeletesSetMissingAppends) {
  TStringList list;
  Fill(list, {"a=1", "b=2"});
  list.SetValues("B", "3");
  EXPECT_EQ(Items(list), (std::vector<String>{"a=1", "B=3"}));
  list.SetValues("c", "4");
  EXPECT_EQ(Items(list), (std::vector<String>{"a=1", "B=3", "c=4"}));
  list.SetValues("A", "");
  EXPECT_EQ(Items(list), (std::vector<String>{"B=3", "c=4"}));
  list.SetValues("missing", "");
  EXPECT_EQ(list.Count(), 2);
}

TEST(NameValueWrite, SortedListPlacesNewEntry) {
  TStringList list;
  list.SetSorted(true);
  list.SetValues("b", "1");
  list.SetValues("a", "2");
  EXPECT_EQ(Items(list), (std::vector<String>{"a=2", "b=1"}));
}

TEST(NameValue, NamesAndValueFromIndex) {
  TStringList list;
  Fill(list, {"key=value", "plain", "k2="});
  EXPECT_EQ(list.Names(0), "key");
  EXPECT_EQ(list.ValueFromIndex(0), "value");
  // An entry without a separator has neither name nor value.
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.ValueFromIndex(1), "");
  EXPECT_EQ(list.ValueFromIndex(2), "");
  EXPECT_EQ(list.IndexOfName("K2"), 2);
  list.SetNameValueSeparator(':');
  list.Add("x:y");
  EXPECT_EQ(list.Values("x"), "y");
}

TEST(StringList, IndexErrorsCarryTheIndex) {
  TStringList list;
  list.Add("a");
  struct Op {
    const char* Name;
    std::function<void()> Run;
    int Index;
  };
  const std::vector<Op> ops = {
      {"Strings", [&] { list.Strings(1); }, 1},
      {"SetStrings", [&] { list.SetStrings(-1, "x"); }, -1},
      {"Objects", [&] { list.Objects(5); }, 5},
      {"Delete", [&] { list.Delete(1); }, 1},
      {"Insert past the end", [&] { list.Insert(2, "x"); }, 2},
      {"Exchange", [&] { list.Exchange(0, 3); }, 3},
      {"Move", [&] { list.Move(0, 1); }, 1},
  };
  for (const Op& op : ops) {
    try {
      op.Run();
      ADD_FAILURE() << op.Name << " did not raise";
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(op.Index) + ")") << op.Name;
    }
  }
  EXPECT_EQ(Items(list), (std::vector<String>{"a"}));  // nothing lost on the way
}

TEST(StringList, InsertDeleteMoveExchange) {
  TStringList list;
  Fill(list, {"a", "b", "c"});
  list.Insert(0, "z");
  list.Insert(4, "end");
  EXPECT_EQ(Items(list), (std::vector<String>{"z", "a", "b", "c", "end"}));
  list.Delete(0);
  list.Move(0, 2);
  EXPECT_EQ(Items(list), (std::vector<String>{"b", "c", "a", "end"}));
  list.Exchange(0, 3);
  EXPECT_EQ(Items(list), (std::vector<String>{"end", "c", "a", "b"}));
  EXPECT_EQ(list.IndexOf("A"), 2);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("A"), -1);
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
  TObject one;
  TObject two;
  TStringList list;
  list.AddObject("b", &two);
  list.AddObject("a", &one);
  list.Sort();
  EXPECT_EQ(list.Objects(0), &one);
  EXPECT_EQ(list.Objects(1), &two);
  list.Move(0, 1);
  EXPECT_EQ(list.Objects(1), &one);
  EXPECT_EQ(list.IndexOfObject(&two), 0);
}

struct SortedCase {
  TDuplicates Duplicates;
  std::vector<String> Expected;
  bool Raises;
};

TEST(StringList, SortedAddHonoursDuplicates) {
  const std::vector<SortedCase> cases = {
      {dupIgnore, {"a", "B", "c"}, false},
      {dupAccept, {"a", "b", "B", "c"}, false},  // before its equal
      {dupError, {"a", "B", "c"}, true},
  };
  for (const SortedCase& c : cases) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.Duplicates);
    for (const char* s : {"c", "a", "B"}) {
      list.Add(s);
    }
    if (c.Raises) {
      EXPECT_THROW(list.Add("b"), EStringListError);
    } else {
      list.Add("b");
    }
    EXPECT_EQ(Items(list), c.Expected);
  }
}

TEST(StringList, SortedListRefusesPositionalChanges) {
  TStringList list;
  list.SetSorted(true);
  list.Add("x");
  EXPECT_THROW(list.Insert(0, "a"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, "a"), EStringListError);
}

TEST(StringList, FindReportsInsertionPoint) {
  TStringList list;
  list.SetSorted(true);
  Fill(list, {"b", "d", "f"});
  int index = -1;
  EXPECT_TRUE(list.Find("D", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find("e", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("z", index));
  EXPECT_EQ(index, 3);
}

TEST(StringList, CaseSensitiveSortAndCustomSort) {
  TStringList list;
  Fill(list, {"b", "B", "a", "A"});
  list.SetCaseSensitive(true);
  list.Sort();
  EXPECT_EQ(Items(list), (std::vector<String>{"A", "B", "a", "b"}));
  Fill(list, {"10", "9", "100"});
  list.CustomSort([](TStringList& l, int i, int j) {
    return static_cast<int>(l.Strings(i).size()) - static_cast<int>(l.Strings(j).size());
  });
  EXPECT_EQ(Items(list), (std::vector<String>{"9", "10", "100"}));
}

TEST(StringList, TextSplitsOnEveryLineBreakAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd\n\re");
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "b", "c", "d", "", "e"}));
  list.SetText("x\r\n");
  EXPECT_EQ(Items(list), (std::vector<String>{"x"}));
  Fill(list, {"1", "", "2"});
  EXPECT_EQ(list.Text(), "1\r\n\r\n2\r\n");
  list.SetText(String("bin\0ary", 7));
  EXPECT_EQ(list.Strings(0), String("bin\0ary", 7));
}

TEST(StringList, DelimitedTextUsesDelimiterAndQuote) {
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  list.SetDelimitedText("a;'b;c';'it''s'");
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "b;c", "it's"}));
  EXPECT_EQ(list.DelimitedText(), "a;'b;c';'it''s'");
  EXPECT_EQ(list.CommaText(), "a,b;c,it's");
  list.SetDelimitedText("'x'y;z");
  EXPECT_EQ(Items(list), (std::vector<String>{"x", "y", "z"}));
}

TEST(StringList, ChangeEventsAndUpdateBracket) {
  TStringList list;
  int changing = 0;
  int changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add("a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
  list.SetCommaText("x,y,z");  // one bracket around the whole load
  EXPECT_EQ(changed, 3);
}

TEST(StringList, AssignAddStringsEquals) {
  TStringList source;
  Fill(source, {"one", "two"});
  source.SetSorted(true);
  TStringList copy;
  copy.Add("old");
  copy.Assign(source);
  EXPECT_TRUE(copy.Equals(source));
  EXPECT_TRUE(copy.Sorted());
  TStringList more;
  more.Add("zero");
  more.AddStrings(source);
  EXPECT_EQ(Items(more), (std::vector<String>{"zero", "one", "two"}));
  EXPECT_FALSE(more.Equals(source));
}

TEST(StringList, FilesAndStreams) {
  TTempFolder dir;
  const String withBom = dir.Write("bom.txt", "\xEF\xBB\xBFline1\nline2");
  TStringList list;
  list.LoadFromFile(withBom);
  EXPECT_EQ(Items(list), (std::vector<String>{"line1", "line2"}));
  list.SaveToFile(dir.File("out.txt"));
  EXPECT_EQ(dir.Read("out.txt"), "line1\r\nline2\r\n");
  TStringStream stream;
  list.SaveToStream(stream);
  stream.SetPosition(0);
  TStringList back;
  back.LoadFromStream(stream);
  EXPECT_TRUE(back.Equals(list));
  EXPECT_THROW(list.LoadFromFile(dir.File("missing.txt")), EFOpenError);
}

}  // namespace
}  // namespace plat
