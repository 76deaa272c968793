// Geometry and control helpers on real controls and forms in the headless
// display: points on edges, placing, passing a style on through published
// properties (a small skinned test control logs its setters), the work area
// of the main form's monitor, form activity and the scroll-bar routine
// looked up by name.
#include "skin/SkinGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/os/ModuleExports.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TForm.h"
#include "platform/win/WindowStyles.h"
#include "skin/detail/ScrollBarInfoRoutine.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

using plat::TPoint;
using plat::TRect;

TEST(SkinGeometry, PointInRectIncludesAllFourEdges) {
  const TRect r{10, 20, 30, 40};
  struct Case {
    TPoint Point;
    bool Inside;
  };
  for (Case c : {Case{{10, 20}, true}, Case{{30, 40}, true}, Case{{30, 20}, true}, Case{{20, 30}, true},
                 Case{{9, 30}, false}, Case{{31, 30}, false}, Case{{20, 19}, false}, Case{{20, 41}, false}})
    EXPECT_EQ(PointInRect(c.Point, r), c.Inside) << c.Point.X << "," << c.Point.Y;
}

// A skinned control as the class library sees it: FileTheme and UIStyle
// published, every setter call logged.
class TLoggingSkinControl : public plat::TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  plat::TComponent* FileTheme() const { return FTheme; }
  void SetFileTheme(plat::TComponent* Value) {
    FTheme = Value;
    Log->push_back(Name() + ".FileTheme=" + (Value ? Value->Name() : "none"));
  }
  TskUIStyle UIStyle() const { return FStyle; }
  void SetUIStyle(TskUIStyle Value) {
    FStyle = Value;
    Log->push_back(Name() + ".UIStyle=" + std::to_string(static_cast<int>(Value)));
  }
  std::vector<std::string>* Log = nullptr;

 private:
  plat::TComponent* FTheme = nullptr;
  TskUIStyle FStyle = TskUIStyle::DeepBlue;
};

// Publishes only UIStyle, as the skinned image button does.
class TStyleOnlyControl : public TLoggingSkinControl {
 public:
  using TLoggingSkinControl::TLoggingSkinControl;
};

constexpr const char* StyleNames[] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};

class SkinGeometryForms : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    plat::RegisterLayoutClass<TLoggingSkinControl, plat::TCustomControl>("TskLoggingControl")
        .ComponentProperty("FileTheme", &TLoggingSkinControl::FileTheme, &TLoggingSkinControl::SetFileTheme)
        .EnumProperty("UIStyle", &TLoggingSkinControl::UIStyle, &TLoggingSkinControl::SetUIStyle, StyleNames);
    plat::RegisterLayoutClass<TStyleOnlyControl, plat::TCustomControl>("TskStyleOnlyControl")
        .EnumProperty("UIStyle", &TStyleOnlyControl::UIStyle, &TStyleOnlyControl::SetUIStyle, StyleNames);
    FForm = new plat::TForm(plat::Application);
  }

  template <typename T>
  T* Child(plat::TWinControl* parent, const char* name) {
    auto* control = new T(FForm);
    control->SetName(name);
    control->SetParent(parent);
    return control;
  }

  plat::TForm* FForm = nullptr;
};

TEST_F(SkinGeometryForms, ControlsArePlacedByPointAndByRectangle) {
  auto* panel = Child<plat::TPanel>(FForm, "Panel");
  SetControlBounds(*panel, TRect{5, 7, 45, 27});
  EXPECT_EQ(panel->BoundsRect(), (TRect{5, 7, 45, 27}));
  SetControlPos(*panel, TPoint{12, 3});
  EXPECT_EQ(panel->BoundsRect(), (TRect{12, 3, 52, 23}));
}

TEST_F(SkinGeometryForms, ContainerApplyUIStyleSetsThemeThenStyleOfDirectChildrenInOrder) {
  std::vector<std::string> log;
  auto* group = Child<plat::TPanel>(FForm, "Group");
  auto* first = Child<TLoggingSkinControl>(group, "First");
  Child<plat::TPanel>(group, "Plain");
  auto* styleOnly = Child<TStyleOnlyControl>(group, "StyleOnly");
  auto* second = Child<TLoggingSkinControl>(group, "Second");
  auto* grandchild = Child<TLoggingSkinControl>(FForm, "Grandchild");
  grandchild->SetParent(second);
  for (TLoggingSkinControl* c : {first, static_cast<TLoggingSkinControl*>(styleOnly), second, grandchild})
    c->Log = &log;
  auto* theme = new plat::TComponent(FForm);
  theme->SetName("Theme");

  EXPECT_TRUE(HasPublishedProperty(*first, "filetheme"));
  EXPECT_FALSE(HasPublishedProperty(*styleOnly, "FileTheme"));
  ContainerApplyUIStyle(*group, TskUIStyle::WinXP, theme);
  EXPECT_EQ(log, (std::vector<std::string>{"First.FileTheme=Theme", "First.UIStyle=2", "Second.FileTheme=Theme",
                                           "Second.UIStyle=2"}));
  log.clear();
  ContainerApplyUIStyle(*group, TskUIStyle::DeepBlue, nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"First.FileTheme=none", "First.UIStyle=3", "Second.FileTheme=none",
                                           "Second.UIStyle=3"}));
}

TEST_F(SkinGeometryForms, TheWorkAreaIsTheMainFormsMonitorsOrElseThePrimaryOne) {
  Display().SetMonitors(
      {{TRect{0, 0, 1024, 768}, TRect{0, 0, 1024, 740}}, {TRect{1024, 0, 2048, 768}, TRect{1064, 0, 2048, 768}}});
  EXPECT_EQ(GetMainWorkArea(), (TRect{0, 0, 1024, 740}));  // no main form yet
  plat::TForm* main = nullptr;
  plat::Application->CreateForm(main);
  main->SetBounds(1500, 100, 300, 200);
  EXPECT_EQ(GetMainWorkArea(), (TRect{1064, 0, 2048, 768}));
  main->SetBounds(100, 100, 300, 200);
  EXPECT_EQ(GetMainWorkArea(), (TRect{0, 0, 1024, 740}));
}

TEST_F(SkinGeometryForms, FormsAreActiveByTheirOwnFlagUntilThereIsAMainForm) {
  EXPECT_FALSE(IsFormActive(FForm));  // no main form: the form's own flag
  FForm->Show();
  Pump();
  ASSERT_TRUE(FForm->Active());
  EXPECT_TRUE(IsFormActive(FForm));

  plat::TForm* main = nullptr;
  plat::Application->CreateForm(main);
  main->Show();
  Pump();
  ASSERT_TRUE(plat::Application->Active());
  EXPECT_TRUE(IsFormActive(nullptr));
  EXPECT_TRUE(IsFormActive(main));
  EXPECT_EQ(IsFormActive(FForm), FForm->Active());
  EXPECT_FALSE(FForm->Active());
}

TEST_F(SkinGeometryForms, SafeGetScrollBarInfoReadsTheSystemsScrollBar) {
  auto* list = Child<plat::TListBox>(FForm, "List");
  list->SetBounds(0, 0, 100, 60);
  for (int i = 0; i < 30; ++i) list->Items()->Add("line " + std::to_string(i));
  FForm->Show();
  Pump();
  plat::SCROLLBARINFO info;
  ASSERT_TRUE(SafeGetScrollBarInfo(list->Handle(), plat::OBJID_VSCROLL, &info));
  EXPECT_GT(info.xyThumbBottom, info.xyThumbTop);
}

TEST_F(SkinGeometryForms, AMissingScrollBarRoutineAnswersFalseEveryTimeWithoutLookingAgain) {
  auto* list = Child<plat::TListBox>(FForm, "List");
  const plat::HMODULE user32 = plat::GetModuleHandle("USER32");
  ASSERT_NE(user32, nullptr);
  const plat::FARPROC system = plat::GetProcAddress(user32, "GetScrollBarInfo");
  ASSERT_NE(system, nullptr);
  plat::SCROLLBARINFO info;
  {
    detail::ScrollBarInfoRoutine routine;
    plat::RegisterProcAddress("USER32", "GetScrollBarInfo", nullptr);
    EXPECT_FALSE(routine.Call(list->Handle(), plat::OBJID_VSCROLL, &info));
    plat::RegisterProcAddress("USER32", "GetScrollBarInfo", system);  // back, but not looked for again
    EXPECT_FALSE(routine.Call(list->Handle(), plat::OBJID_VSCROLL, &info));
    EXPECT_FALSE(routine.Call(list->Handle(), plat::OBJID_VSCROLL, &info));
  }
  detail::ScrollBarInfoRoutine fresh;
  EXPECT_TRUE(fresh.Call(list->Handle(), plat::OBJID_VSCROLL, &info));
}

}  // namespace
}  // namespace zorbit
