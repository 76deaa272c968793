// TControlList frees its controls first to last, and forgets a control
// that its owner or parent frees first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/TControlList.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/tests/StdControlsFixture.h"

namespace zorbit {
namespace {

// A panel that writes its name into a log when it is freed.
class TLoggedPanel : public plat::TPanel {
 public:
  TLoggedPanel(plat::TComponent* AOwner, std::vector<std::string>& Log) : plat::TPanel(AOwner), FLog(Log) {}
  ~TLoggedPanel() override { FLog.push_back(Name()); }

 private:
  std::vector<std::string>& FLog;
};

class ControlListTest : public plat::testing::StdControlsTest {
 protected:
  TLoggedPanel* MakePanel(const char* Name, plat::TComponent* Owner) {
    auto* panel = new TLoggedPanel(Owner, FLog);
    panel->SetName(Name);
    panel->SetParent(Form());
    return panel;
  }
  std::vector<std::string> FLog;
};

TEST_F(ControlListTest, FreesItsControlsFirstToLast) {
  {
    TControlList list;
    list.Add(MakePanel("first", nullptr));
    list.Add(MakePanel("second", Form()));
    list.Add(list.Item(0));  // held once
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1)->Name(), "second");
    EXPECT_THROW(list.Item(2), plat::EListError);
  }
  EXPECT_EQ(FLog, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(Form()->ControlCount(), 0);
}

TEST_F(ControlListTest, AControlFreedElsewhereLeavesTheList) {
  TControlList list;
  auto* owner = new plat::TComponent(nullptr);
  list.Add(MakePanel("owned", owner));
  list.Add(MakePanel("kept", nullptr));
  delete owner;
  EXPECT_EQ(FLog, (std::vector<std::string>{"owned"}));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Item(0)->Name(), "kept");
}

}  // namespace
}  // namespace zorbit
