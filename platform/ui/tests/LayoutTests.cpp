#include <gtest/gtest.h>

#include "platform/rtl/DateTime.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/tests/LayoutTestClasses.h"

namespace uitest {
namespace {

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    Journal().clear();
    Handlers.RegisterHandler("btnHelpClick", [this](TObject* sender) { Clicked.push_back(sender); });
    Handlers.RegisterHandler("lbWWWClick", [this](TObject* sender) { Clicked.push_back(sender); });
    Handlers.RegisterHandler("RootShow", [this](TObject* sender) { Clicked.push_back(sender); });
    Handlers.RegisterHandler("MeasureRow", [](TObject*, int& height) { height = 17; });
  }

  TWidget* Widget(const String& name) { return dynamic_cast<TWidget*>(Root.FindComponent(name)); }

  TTestRoot Root;
  TLayoutHandlers Handlers;
  std::vector<TObject*> Clicked;
};

TEST_F(LayoutTest, SetsPropertiesOfEveryKind) {
  ReadLayoutText(Root, R"({
    "Name": "fmAll",
    "Caption": "All kinds",
    "Components": [
      {"Class": "TWidget", "Name": "wAll",
       "Width": -12, "Level": 255, "Color": "clRed", "Tag": -9000000000,
       "Caption": "Grüße \"quoted\"", "Visible": false, "Shape": "STELLIPSE", "Sides": ["sdTop", "sdBottom"],
       "Scale": -2.5e-3, "Ratio": 7, "Due": "2024-03-05T14:30:15.5",
       "Font": {"Name": "Arial", "Style": ["fsBold", "fsItalic"]}, "Font.Size": 9, "Font.Color": 4608000,
       "Items": [{"Caption": "one", "Weight": 1}, {"Caption": "two", "Target": "wLater"}],
       "Lines": ["alpha", "", "gamma"],
       "Buddy": "wLater",
       "OnClick": "btnHelpClick", "OnMeasure": "MeasureRow"},
      {"Class": "TFancyWidget", "Name": "wLater", "Glow": true, "Color": 255, "Sides": [], "Buddy": null}
    ]})",
                 "AllKinds", Handlers);

  EXPECT_EQ(Root.Name(), "fmAll");
  EXPECT_EQ(Root.Caption, "All kinds");
  TWidget* all = Widget("wAll");
  auto* later = dynamic_cast<TFancyWidget*>(Root.FindComponent("wLater"));
  ASSERT_TRUE(all && later);
  EXPECT_EQ(all->Width, -12);
  EXPECT_EQ(all->Level, 255);
  EXPECT_EQ(all->Color, clRed);
  EXPECT_EQ(all->Tag(), static_cast<std::intptr_t>(-9000000000LL));
  EXPECT_EQ(all->Caption, "Grüße \"quoted\"");
  EXPECT_FALSE(all->Visible);
  EXPECT_EQ(all->Shape, TShape::stEllipse);
  EXPECT_EQ(all->Sides, (TSides{TSide::sdTop, TSide::sdBottom}));
  EXPECT_DOUBLE_EQ(all->Scale, -0.0025);
  EXPECT_FLOAT_EQ(all->Ratio, 7.0f);
  EXPECT_NEAR(all->Due, EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 15, 500), 1e-9);
  EXPECT_EQ(all->Font()->Name(), "Arial");
  EXPECT_EQ(all->Font()->Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic}));
  EXPECT_EQ(all->Font()->Size(), 9);
  EXPECT_EQ(all->Font()->Color(), 4608000);
  ASSERT_EQ(all->Items().Count(), 2);
  auto* second = dynamic_cast<TWidgetItem*>(all->Items().Items(1));
  EXPECT_EQ(dynamic_cast<TWidgetItem*>(all->Items().Items(0))->Weight, 1);
  EXPECT_EQ(second->Caption, "two");
  EXPECT_EQ(second->Target, later);  // a component written later in the layout
  EXPECT_EQ(all->Lines()->Text(), "alpha\r\n\r\ngamma\r\n");
  EXPECT_EQ(all->Buddy, later);
  EXPECT_TRUE(later->Glow);
  EXPECT_EQ(later->Color, 255);
  EXPECT_EQ(later->Buddy, nullptr);

  ASSERT_TRUE(all->OnClick);
  all->OnClick(all);
  EXPECT_EQ(Clicked, std::vector<TObject*>{all});
  int height = 0;
  all->OnMeasure(all, height);
  EXPECT_EQ(height, 17);
}

TEST_F(LayoutTest, NestedComponentsAreOwnedByTheRootAndPlacedInTheirContainer) {
  ReadLayoutText(Root, R"({"Name": "fmNest", "Components": [
      {"Class": "TWidget", "Name": "outer", "Components": [
        {"Class": "TWidget", "Name": "inner", "Components": [{"Class": "TWidget", "Name": "innermost"}]}]},
      {"Class": "TWidget", "Name": "beside"}]})",
                 "Nest", Handlers);

  ASSERT_EQ(Root.ComponentCount(), 4);
  for (int i = 0; i < Root.ComponentCount(); ++i) {
    EXPECT_EQ(Root.Components(i)->Owner(), &Root);
  }
  EXPECT_EQ(Widget("outer")->ParentComponent, &Root);
  EXPECT_EQ(Widget("inner")->ParentComponent, Widget("outer"));
  EXPECT_EQ(Widget("innermost")->ParentComponent, Widget("inner"));
  EXPECT_EQ(Widget("beside")->ParentComponent, &Root);
}

TEST_F(LayoutTest, EverythingIsLoadingWhileReadAndLoadedComesLastRootAfterAll) {
  ReadLayoutText(Root, R"({"Name": "fmState", "Components": [
      {"Class": "TWidget", "Name": "a", "Width": 1, "Components": [{"Class": "TWidget", "Name": "b", "Width": 2}]},
      {"Class": "TWidget", "Name": "c", "Width": 3}]})",
                 "State", Handlers);

  const TComponentState loadingAndReading{TComponentStateItem::csLoading, TComponentStateItem::csReading};
  for (const char* name : {"a", "b", "c"}) {
    EXPECT_EQ(Widget(name)->StateWhenWidthSet, loadingAndReading) << name;
    EXPECT_TRUE(Widget(name)->ComponentState().Empty()) << name;
  }
  EXPECT_TRUE(Root.ComponentState().Empty());
  EXPECT_EQ(Journal(), (std::vector<String>{"a in fmState", "b in a", "c in fmState", "Loaded a", "Loaded b",
                                            "Loaded c", "Loaded root fmState"}));
}

TEST_F(LayoutTest, NamesOfPropertiesValuesClassesAndHandlersIgnoreCase) {
  ReadLayoutText(Root, R"({"Components": [{"Class": "twidget", "Name": "w",
      "WIDTH": 5, "shape": "sttriangle", "font.style": ["FSUNDERLINE"], "color": "CLWINDOW", "onclick": "BTNHELPCLICK"}]})",
                 "Case", Handlers);

  TWidget* w = Widget("w");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Width, 5);
  EXPECT_EQ(w->Shape, TShape::stTriangle);
  EXPECT_EQ(w->Font()->Style(), TFontStyles{TFontStyle::fsUnderline});
  EXPECT_EQ(w->Color, clWindow);
  EXPECT_TRUE(w->OnClick);
}

TEST_F(LayoutTest, AnInheritedLayoutIsReadFirstAndChangedByTheDerivedOne) {
  ReadLayout(Root, "TestDerived", Handlers);

  EXPECT_EQ(Root.Name(), "fmTest");
  EXPECT_EQ(Root.Caption, "Derived window");
  TWidget* body = Widget("PanelBody");
  TWidget* help = Widget("btnHelp");
  TWidget* about = Widget("btnAbout");
  auto* www = dynamic_cast<TFancyWidget*>(Root.FindComponent("lbWWW"));
  ASSERT_TRUE(body && help && about && www);
  EXPECT_EQ(Root.ComponentCount(), 5);

  // Changed by the derived layout, kept where the base placed it.
  EXPECT_EQ(help->Width, 556);
  EXPECT_EQ(help->Caption, "Help");
  EXPECT_EQ(help->Font()->Style(), TFontStyles{TFontStyle::fsBold});
  EXPECT_EQ(help->ParentComponent, body);
  EXPECT_EQ(body->Font()->Name(), "Arial");
  EXPECT_EQ(Root.FindComponent("Theme")->Tag(), 7);
  // Added by the derived layout, referring to components of both.
  EXPECT_EQ(www->ParentComponent, body);
  EXPECT_TRUE(www->Glow);
  EXPECT_EQ(www->Buddy, about);
  EXPECT_EQ(about->Buddy, help);
  ASSERT_EQ(body->Items().Count(), 1);
  EXPECT_EQ(dynamic_cast<TWidgetItem*>(body->Items().Items(0))->Target, www);

  // Handlers of both layouts are bound.
  help->OnClick(help);
  www->OnClick(www);
  Root.OnShow(&Root);
  EXPECT_EQ(Clicked, (std::vector<TObject*>{help, www, &Root}));
  // Each component is loaded once, after both layouts.
  EXPECT_EQ(std::count(Journal().begin(), Journal().end(), "Loaded btnHelp"), 1);
  EXPECT_EQ(Journal().back(), "Loaded root fmTest");
}

TEST_F(LayoutTest, ReferencesMayFormCyclesAndTheRootStillGoesCleanly) {
  auto root = std::make_unique<TTestRoot>();
  ReadLayoutText(*root, R"({"Components": [
      {"Class": "TWidget", "Name": "a", "Buddy": "b", "Items": [{"Target": "a"}, {"Target": "b"}]},
      {"Class": "TWidget", "Name": "b", "Buddy": "a"},
      {"Class": "TWidget", "Name": "self", "Buddy": "self"}]})",
                 "Cycles", Handlers);
  auto* a = dynamic_cast<TWidget*>(root->FindComponent("a"));
  auto* b = dynamic_cast<TWidget*>(root->FindComponent("b"));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Buddy, b);
  EXPECT_EQ(b->Buddy, a);

  delete b;  // a hears of it and lets go of its buddy
  EXPECT_EQ(a->Buddy, nullptr);
  root.reset();  // the sanitizers watch for any use of what went
}

TEST(LayoutClasses, RegisteringIsIdempotentAndConflictsAreErrors) {
  RegisterTestClasses();
  const TLayoutClass* widget = TLayoutClasses::Global().Find("TWidget");
  ASSERT_NE(widget, nullptr);
  RegisterTestClasses();
  EXPECT_EQ(TLayoutClasses::Global().Find("twidget"), widget);
  EXPECT_EQ(widget->Parent(), TLayoutClasses::Global().Find("TComponent"));
  EXPECT_NE(widget->FindProperty("Tag"), nullptr);   // inherited
  EXPECT_EQ(widget->FindProperty("Glow"), nullptr);  // a derived class's own

  // The most derived registered class serves objects of unregistered classes.
  class TUnregisteredWidget : public TFancyWidget {
   public:
    using TFancyWidget::TFancyWidget;
  };
  TUnregisteredWidget object(nullptr);
  EXPECT_EQ(TLayoutClasses::Global().ClassOf(object), TLayoutClasses::Global().Find("TFancyWidget"));

  try {
    RegisterLayoutClass<TFancyWidget, TWidget>("TWidget");
    FAIL() << "a second class took the name";
  } catch (const ELayoutError& error) {
    EXPECT_EQ(error.Message(), "A class named TWidget already exists");
  }
  class TOrphan : public TComponent {
   public:
    using TComponent::TComponent;
  };
  class TOrphanChild : public TOrphan {
   public:
    using TOrphan::TOrphan;
  };
  try {
    RegisterLayoutClass<TOrphanChild, TOrphan>("TOrphanChild");
    FAIL() << "registered above an unregistered base";
  } catch (const ELayoutError& error) {
    EXPECT_EQ(error.Message(), "Class TOrphan must be registered before TOrphanChild");
  }
}

}  // namespace
}  // namespace uitest
