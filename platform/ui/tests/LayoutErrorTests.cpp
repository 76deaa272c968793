// Layouts that must not load: misspelt names, values of the wrong kind, and
// hostile texts. Each fails with an ELayoutError naming what is at fault and
// leaves the root as it was.
#include <gtest/gtest.h>

#include "platform/ui/LayoutReader.h"
#include "platform/ui/tests/LayoutTestClasses.h"

namespace uitest {
namespace {

class LayoutErrorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    Handlers.RegisterHandler("btnHelpClick", [](TObject*) {});
    Handlers.RegisterHandler("RootShow", [](TObject*) {});
  }

  // The message of the failed read; "" when it loaded.
  String Failure(const String& text, const String& name = "Form") {
    try {
      ReadLayoutText(Root, text, name, Handlers);
    } catch (const ELayoutError& error) {
      return error.Message();
    }
    return "";
  }

  TTestRoot Root;
  TLayoutHandlers Handlers;
};

// A widget entry with the given members.
String WidgetLayout(const String& members) {
  return R"({"Components": [{"Class": "TWidget", "Name": "btnHelp", )" + members + "}]}";
}

struct TBadValue {
  const char* Members;
  const char* Message;
};

TEST_F(LayoutErrorTest, MisspeltNamesAreNamedInTheMessage) {
  const TBadValue cases[] = {
      {R"("Captoin": "Help")", "Error reading btnHelp.Captoin in layout Form: Property Captoin does not exist"},
      {R"("OnClick": "btnHelpClik")",
       "Error reading btnHelp.OnClick in layout Form: Event handler btnHelpClik not found"},
      {R"("Font": {"Stlye": ["fsBold"]})",
       "Error reading btnHelp.Font.Stlye in layout Form: Property Stlye does not exist"},
      {R"("Font.Sise": 9)", "Error reading btnHelp.Font.Sise in layout Form: Property Sise does not exist"},
      {R"("Width.Size": 9)", "Error reading btnHelp.Width in layout Form: Property Width.Size does not exist"},
      {R"("Items": [{"Wieght": 1}])",
       "Error reading btnHelp.Items[0].Wieght in layout Form: Property Wieght does not exist"},
      {R"("Buddy": "btnHlep")", "Error reading btnHelp.Buddy in layout Form: Component btnHlep not found"},
      {R"("OnMeasure": "btnHelpClick")",
       "Error reading btnHelp.OnMeasure in layout Form: Event handler btnHelpClick does not fit the event"},
  };
  for (const TBadValue& bad : cases) {
    EXPECT_EQ(Failure(WidgetLayout(bad.Members)), bad.Message) << bad.Members;
    EXPECT_EQ(Root.ComponentCount(), 0) << bad.Members;
  }
  EXPECT_EQ(Failure(R"({"Components": [{"Class": "TWidgte", "Name": "btnHelp"}]})"),
            "Error reading btnHelp in layout Form: Class TWidgte not found");
  EXPECT_EQ(Failure(R"({"Class": "TTestRoot"})"),
            "Error reading TTestRoot.Class in layout Form: Property Class does not exist");
}

TEST_F(LayoutErrorTest, ValuesOfTheWrongKindOrRangeAreRefused) {
  const TBadValue cases[] = {
      {R"("Width": "10")", "Invalid property value \"10\""},
      {R"("Width": 1.5)", "Invalid property value 1.5"},
      {R"("Width": 3000000000)", "Invalid property value 3000000000"},
      {R"("Width": -2147483649)", "Invalid property value -2147483649"},
      {R"("Tag": 18446744073709551615)", "Invalid property value 18446744073709551615"},
      {R"("Level": 256)", "Invalid property value 256"},
      {R"("Level": -1)", "Invalid property value -1"},
      {R"("Width": "clRed")", "Invalid property value \"clRed\""},  // no names for this integer
      {R"("Color": "clRedd")", "Invalid property value \"clRedd\""},
      {R"("Width": null)", "Invalid property value null"},
      {R"("Visible": 1)", "Invalid property value 1"},
      {R"("Visible": "true")", "Invalid property value \"true\""},
      {R"("Caption": 5)", "Invalid property value 5"},
      {R"("Caption": ["a"])", "Invalid property value [...]"},
      {R"("Scale": "2.5")", "Invalid property value \"2.5\""},
      {R"("Scale": true)", "Invalid property value true"},
      {R"("Ratio": 1e39)", "Invalid property value 1e+39"},
      {R"("Due": 45356)", "Invalid property value 45356"},
      {R"("Due": "05.03.2024")", "Invalid property value \"05.03.2024\""},
      {R"("Due": "2023-02-29")", "Invalid property value \"2023-02-29\""},
      {R"("Shape": "stCircle")", "Invalid property value \"stCircle\""},
      {R"("Shape": 1)", "Invalid property value 1"},
      {R"("Sides": "sdLeft")", "Invalid property value \"sdLeft\""},
      {R"("Sides": ["sdLeft", "sdMiddle"])", "Invalid property value \"sdMiddle\""},
      {R"("Font": 12)", "Invalid property value 12"},
      {R"("Font.Style": "fsBold")", "Invalid property value \"fsBold\""},
      {R"("Items": {"Caption": "x"})", "Invalid property value {...}"},
      {R"("Items": [1])", "Each entry of btnHelp.Items must be an object"},
      {R"("Lines": ["a", 2])", "Invalid property value [...]"},
      {R"("Buddy": 3)", "Invalid property value 3"},
      {R"("Buddy": "Theme")", "Component Theme is not of a class the property takes"},
      {R"("OnClick": true)", "Invalid property value true"},
      {R"("Width": "a very long text that goes on and on and on")",
       "Invalid property value \"a very long text that goes on and on an..."},
  };
  for (const TBadValue& bad : cases) {
    const String layout = R"({"Components": [{"Class": "TComponent", "Name": "Theme"},
        {"Class": "TWidget", "Name": "btnHelp", )" +
                          String(bad.Members) + "}]}";
    const String message = Failure(layout);
    EXPECT_NE(message.find(bad.Message), String::npos) << bad.Members << " gave: " << message;
    EXPECT_EQ(message.rfind("Error reading btnHelp.", 0), 0u) << message;
    EXPECT_EQ(Root.ComponentCount(), 0) << bad.Members;
  }
}

TEST_F(LayoutErrorTest, BadStructureIsRefused) {
  const TBadValue cases[] = {
      {R"({"Name": })", "Layout Form is not valid: [json.exception.parse_error"},
      {R"([1, 2])", "Layout Form is not valid: it is not a JSON object"},
      {"", "Layout Form is not valid: [json.exception.parse_error"},
      {"{\"Name\": \"\xff\"}", "Layout Form is not valid: [json.exception.parse_error"},
      {R"({"Name": 5})", "Error reading TTestRoot.Name in layout Form: Invalid property value 5"},
      {R"({"Name": "1Form"})", "'1Form' is not a valid component name"},
      {R"({"Components": {}})", "Error reading TTestRoot.Components in layout Form: Invalid property value {...}"},
      {R"({"Components": [5]})", "Each entry of Components must be an object"},
      {R"({"Components": [{}]})", "An entry of Components has neither a class nor a name"},
      {R"({"Components": [{"Class": 5}]})", "Invalid property value 5"},
      {R"({"Components": [{"Class": "TWidget", "Name": ["a"]}]})", "Invalid property value [...]"},
      {R"({"Components": [{"Name": "Ghost", "Width": 1}]})",
       "Error reading Ghost in layout Form: Component Ghost not found"},
      {R"({"Components": [{"Class": "TWidget", "Name": "a b"}]})", "'a b' is not a valid component name"},
      {R"({"Components": [{"Class": "TWidget", "Name": "a"}, {"Class": "TWidget", "Name": "A"}]})",
       "A component named A already exists"},
      {R"({"Components": [{"Class": "TWidget", "Name": "a"}, {"Name": "a", "Width": 2}]})",
       "Component a is listed twice"},
      {R"({"Components": [{"Class": "TWidgetItem", "Name": "i"}]})", "Class TWidgetItem cannot be created"},
      {R"({"Inherits": 3})", "Layout Form is not valid: Invalid property value 3"},
      {R"({"Inherits": "NoSuchLayout"})", "Layout NoSuchLayout not found"},
      {R"({"Inherits": "Form"})", "Layout Form is not valid: it inherits itself through Form"},
  };
  for (const TBadValue& bad : cases) {
    const String message = Failure(bad.Members);
    EXPECT_NE(message.find(bad.Message), String::npos) << bad.Members << " gave: " << message;
    EXPECT_EQ(Root.ComponentCount(), 0) << bad.Members;
    EXPECT_TRUE(Root.ComponentState().Empty()) << bad.Members;
  }
}

TEST_F(LayoutErrorTest, InheritanceCyclesAndEmptyLayoutsFailCleanly) {
  try {
    ReadLayout(Root, "CycleA", Handlers);
    FAIL() << "a cycle loaded";
  } catch (const ELayoutError& error) {
    EXPECT_EQ(error.Message(), "Layout CycleB is not valid: it inherits itself through cyclea");
  }
  EXPECT_THROW(ReadLayout(Root, "Empty", Handlers), ELayoutError);  // a resource, but no JSON
  EXPECT_THROW(ReadLayout(Root, "Dot", Handlers), ELayoutError);    // a bitmap, not a layout
  EXPECT_TRUE(Root.Caption.empty());
}

TEST_F(LayoutErrorTest, HugeNestingSizeAndCountAreRefused) {
  // Components nested 200 deep.
  String nested;
  for (int i = 0; i < 200; ++i) nested += R"({"Class": "TWidget", "Components": [)";
  for (int i = 0; i < 200; ++i) nested += "]}";
  EXPECT_EQ(Failure(R"({"Components": [)" + nested + "]}"),
            "Layout Form is not valid: it is nested more than 100 levels deep");
  // Brackets inside strings do not count; unbalanced ones are the parser's.
  EXPECT_EQ(Failure(R"({"Caption": "[[[{{{\"", "Lines": [[[[[[)" + String(200000, '[') + "}"),
            "Layout Form is not valid: it is nested more than 100 levels deep");
  EXPECT_EQ(Failure(R"({"Caption": ")" + String(1u << 20, 'x') + R"("})"),
            "Layout Form is not valid: it is larger than 1048576 bytes");

  // Objects with more members than any component has.
  String members = R"({"Components": [{"Class": "TWidget")";
  for (int i = 0; i < 300; ++i) members += ", \"Width\": " + std::to_string(i);
  EXPECT_EQ(Failure(members + "}]}"), "Layout Form is not valid: it has an object of more than 256 members");

  String many = R"({"Components": [)";
  for (int i = 0; i <= 1024; ++i) many += String(i ? "," : "") + R"({"Class": "TComponent"})";
  EXPECT_EQ(Failure(many + "]}"), "Layout Form is not valid: it has more than 1024 components");
  EXPECT_EQ(Root.ComponentCount(), 0);
}

TEST_F(LayoutErrorTest, LongListsWithinTheLimitsLoad) {
  String lines = R"({"Components": [{"Class": "TWidget", "Name": "w", "Lines": [)";
  String items = R"(], "Items": [)";
  for (int i = 0; i < 10000; ++i) {
    lines += String(i ? "," : "") + R"("line")";
    items += String(i ? "," : "") + R"({"Weight": 1})";
  }
  EXPECT_EQ(Failure(lines + items + "]}]}"), "");
  auto* widget = dynamic_cast<TWidget*>(Root.FindComponent("w"));
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->Lines()->Count(), 10000);
  EXPECT_EQ(widget->Items().Count(), 10000);
}

TEST_F(LayoutErrorTest, AFailedReadDeletesWhatItMadeAndKeepsWhatWasThere) {
  ReadLayout(Root, "TestBase", Handlers);
  ASSERT_EQ(Root.ComponentCount(), 4);
  auto* help = dynamic_cast<TWidget*>(Root.FindComponent("btnHelp"));

  // Inherits nothing: it adds a component and changes one already there.
  const String message = Failure(R"({"Components": [
      {"Class": "TWidget", "Name": "extra"},
      {"Name": "btnHelp", "Width": 99, "Shape": "stOval"}]})");
  EXPECT_EQ(message, "Error reading btnHelp.Shape in layout Form: Invalid property value \"stOval\"");
  EXPECT_EQ(Root.ComponentCount(), 4);
  EXPECT_EQ(Root.FindComponent("extra"), nullptr);
  EXPECT_EQ(Root.FindComponent("btnHelp"), help);
  EXPECT_TRUE(help->ComponentState().Empty());
  EXPECT_TRUE(Root.ComponentState().Empty());

  // A derived layout that fails takes its base's components with it.
  TTestRoot fresh;
  EXPECT_THROW(ReadLayoutText(fresh, R"({"Inherits": "TestBase", "Captoin": "x"})", "Broken", Handlers), ELayoutError);
  EXPECT_EQ(fresh.ComponentCount(), 0);
}

}  // namespace
}  // namespace uitest
