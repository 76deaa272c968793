#include <gtest/gtest.h>

#include <set>

#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TPersistent.h"
#include "platform/ui/UiConsts.h"

namespace plat {
namespace {

class TPear : public TPersistent {
 public:
  int Weight = 0;
};

// Knows how to put itself into a pear; pears know nothing of apples.
class TApple : public TPersistent {
 public:
  int Weight = 0;

 protected:
  void AssignTo(TPersistent* Dest) const override {
    if (auto* pear = dynamic_cast<TPear*>(Dest)) {
      pear->Weight = Weight;
      return;
    }
    TPersistent::AssignTo(Dest);
  }
};

TEST(Persistent, AssignAsksTheSourceAndFailsWithBothClassNames) {
  TApple apple;
  apple.Weight = 150;
  TPear pear;
  pear.Assign(&apple);
  EXPECT_EQ(pear.Weight, 150);

  try {
    apple.Assign(&pear);
    FAIL() << "an apple took a pear";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a TPear to a TApple");
  }
  try {
    pear.Assign(nullptr);
    FAIL() << "a pear took nothing";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Cannot assign a nil to a TPear");
  }
}

TEST(Persistent, TheErrorTextPassesTheTranslatorAndItsTableIsKnown) {
  InitClassLibrary();
  EXPECT_EQ(LoadStr(SAssignError.Identifier), "Cannot assign a %s to a %s");
  SetResourceTextTranslator([](const String& text) {
    return text == "Cannot assign a TPear to a TPear" ? String("Birne an Birne geht nicht") : text;
  });
  TPear a;
  TPear b;
  try {
    a.Assign(&b);
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "Birne an Birne geht nicht");
  }
  SetResourceTextTranslator(nullptr);

  std::set<int> seen;
  for (const TResStringRec* rec : UiResStringTable()) {
    EXPECT_GE(rec->Identifier, 64000);
    EXPECT_LE(rec->Identifier, 64999);
    EXPECT_TRUE(seen.insert(rec->Identifier).second) << rec->Text;
  }
}

}  // namespace
}  // namespace plat
