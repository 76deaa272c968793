// The class library's clipboard over the real one: several formats set in
// one bracket stand side by side, a set outside a bracket replaces all,
// bytes come back exactly, and a clipboard held open elsewhere refuses.
#include <gtest/gtest.h>

#include "platform/ui/TClipboard.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/Clipboard.h"
#include "platform/win/GlobalMemory.h"

namespace plat::testing {
namespace {

class ClipboardClass : public StdControlsTest {
 protected:
  void SetUp() override {
    StdControlsTest::SetUp();
    Clipboard()->Clear();
  }
  const UINT FCells = RegisterClipboardFormatA("Zorbit Test Cells");
};

TEST_F(ClipboardClass, FormatsSetInOneBracketStandSideBySide) {
  ASSERT_TRUE(Clipboard()->Open());
  EXPECT_TRUE(Clipboard()->SetAsText("a\tb"));
  const char cells[] = {'\0', 'x', '\xFF'};
  EXPECT_TRUE(Clipboard()->SetBuffer(FCells, cells, sizeof cells));
  Clipboard()->Close();

  EXPECT_TRUE(Clipboard()->HasText());
  EXPECT_TRUE(Clipboard()->HasFormat(FCells));
  EXPECT_EQ(Clipboard()->AsText(), "a\tb");
  EXPECT_EQ(Clipboard()->GetBuffer(FCells), String(cells, sizeof cells));
}

TEST_F(ClipboardClass, ASetOutsideABracketReplacesEveryFormat) {
  const char cells[] = "old";
  ASSERT_TRUE(Clipboard()->SetBuffer(FCells, cells, sizeof cells));
  ASSERT_TRUE(Clipboard()->SetAsText("new"));
  EXPECT_FALSE(Clipboard()->HasFormat(FCells));
  EXPECT_EQ(Clipboard()->GetBuffer(FCells), "");
  EXPECT_EQ(Clipboard()->AsText(), "new");
}

TEST_F(ClipboardClass, TextEndsAtItsFirstNul) {
  ASSERT_TRUE(Clipboard()->SetAsText(String("ab\0cd", 5)));
  EXPECT_EQ(Clipboard()->AsText(), "ab");
}

TEST_F(ClipboardClass, AClipboardHeldOpenElsewhereRefusesAndNothingLeaks) {
  const int live = GlobalLiveCount();
  ASSERT_TRUE(OpenClipboard(Form()->Handle()));
  EXPECT_FALSE(Clipboard()->Open());
  EXPECT_FALSE(Clipboard()->SetBuffer(FCells, "x", 1));
  EXPECT_EQ(GlobalLiveCount(), live);
  EXPECT_EQ(Clipboard()->GetBuffer(FCells), "");
  CloseClipboard();
  // The refused Open left no bracket behind: a set now replaces all.
  EXPECT_TRUE(Clipboard()->SetAsText("after"));
  EXPECT_EQ(Clipboard()->AsText(), "after");
}

}  // namespace
}  // namespace plat::testing
