#include "platform/rtl/HashedStringList.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace plat {
namespace {

// The hashed list must answer every look-up as the plain list does, whatever
// was done to both before: the same random edits go to each, and after every
// edit each probe gives the same index in both.
TEST(HashedStringList, AnswersAsThePlainListThroughAnyEdits) {
  const std::vector<String> names = {"alpha", "ALPHA", "Beta", "gamma", "Äpfel", "äPFEL", "x=y", ""};
  std::mt19937 random(7);
  auto pick = [&](std::size_t n) { return static_cast<int>(random() % n); };
  auto entry = [&] { return names[static_cast<std::size_t>(pick(names.size()))] + (pick(3) ? "=v" : ""); };

  TStringList plain;
  THashedStringList hashed;
  for (int step = 0; step < 3000; ++step) {
    const int count = plain.Count();
    switch (pick(count ? 8 : 2)) {
      case 0:
      case 1: {
        const String e = entry();
        plain.Add(e);
        hashed.Add(e);
        break;
      }
      case 2: {
        const int at = pick(static_cast<std::size_t>(count) + 1);
        const String e = entry();
        plain.Insert(at, e);
        hashed.Insert(at, e);
        break;
      }
      case 3: {
        const int at = pick(static_cast<std::size_t>(count));
        plain.Delete(at);
        hashed.Delete(at);
        break;
      }
      case 4: {
        const int at = pick(static_cast<std::size_t>(count));
        const String e = entry();
        plain.SetStrings(at, e);
        hashed.SetStrings(at, e);
        break;
      }
      case 5: {
        const int a = pick(static_cast<std::size_t>(count)), b = pick(static_cast<std::size_t>(count));
        plain.Exchange(a, b);
        hashed.Exchange(a, b);
        break;
      }
      case 6: {
        const bool sensitive = !plain.CaseSensitive();
        plain.SetCaseSensitive(sensitive);
        hashed.SetCaseSensitive(sensitive);
        break;
      }
      default: {
        const String name = names[static_cast<std::size_t>(pick(names.size()))];
        const String value = pick(4) ? "w" : "";  // an empty value removes the name
        plain.SetValues(name, value);
        hashed.SetValues(name, value);
        break;
      }
    }
    ASSERT_EQ(plain.Count(), hashed.Count());
    for (const String& probe : names) {
      ASSERT_EQ(plain.IndexOfName(probe), hashed.IndexOfName(probe)) << "name " << probe << " at step " << step;
      ASSERT_EQ(plain.IndexOf(probe + "=v"), hashed.IndexOf(probe + "=v")) << "entry " << probe << " at step " << step;
    }
    if (plain.Count() > 40) {
      plain.Clear();
      hashed.Clear();
    }
  }
}

TEST(HashedStringList, ChangesMadeByAnOnChangeHandlerAreSeen) {
  THashedStringList list;
  list.Add("a=1");
  ASSERT_EQ(list.IndexOfName("a"), 0);
  // The handler puts an entry in front while an append is under way.
  bool inserting = false;
  list.OnChange = [&](TObject*) {
    if (inserting) return;
    inserting = true;
    list.Insert(0, "front=0");
  };
  list.Add("b=2");
  list.OnChange = nullptr;
  EXPECT_EQ(list.IndexOfName("front"), 0);
  EXPECT_EQ(list.IndexOfName("a"), 1);
  EXPECT_EQ(list.IndexOfName("b"), 2);
}

}  // namespace
}  // namespace plat
