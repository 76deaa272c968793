// Translation by tag of a real form, read from its layout and shown in the
// headless display, with the string table loaded from a pack made with gcab:
// tagged and untagged controls, id keys in decimal and hexadecimal, ids the
// table lacks, hints, images, and the recursion through panels and group boxes.
#include "app/Translate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "AppTestSupport.h"
#include "app/Localization.h"
#include "app/StringTable.h"
#include "grid/TMarkupLabel.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace {

using namespace apptest;
using plat::String;
using plat::TControl;

constexpr const char* kTable = R"([ZorbitFormComponent]
Password=Kennwort
Enable=Aktivieren
Apply=Anwenden
OK=Gut
The hint=Der Hinweis
769=Startreihenfolge
<B>Change Password</B>=<B>Kennwort ändern</B>
1026=<B>Kennwort setzen</B>
=Leer
[HexOne]
HEX=1
0301=Startreihenfolge (hex)
[HexTrue]
HEX=true
[HexTwo]
HEX=2
[HexZero]
HEX=0
[HexWord]
HEX=yes
)";

constexpr const char* kLayout = R"({
  "Name": "fmTranslated", "Caption": "Password", "Tag": 65536,
  "Components": [
    {"Class": "TPanel", "Name": "Body", "Align": "alClient", "Caption": "Password", "Tag": 65536,
     "Components": [
       {"Class": "TLabel", "Name": "lbByText", "Caption": "Password", "Tag": 65536},
       {"Class": "TLabel", "Name": "lbUntagged", "Caption": "Password", "Tag": 0},
       {"Class": "TLabel", "Name": "lbById", "Caption": "Boot order", "Tag": 66305},
       {"Class": "TLabel", "Name": "lbMissingId", "Caption": "Boot order", "Tag": 66770},
       {"Class": "TLabel", "Name": "lbShownHint", "Caption": "x", "Tag": 65536, "Hint": "The hint", "ShowHint": true},
       {"Class": "TLabel", "Name": "lbHiddenHint", "Caption": "x", "Tag": 65536, "Hint": "The hint"},
       {"Class": "TLabel", "Name": "lbUntaggedHint", "Caption": "x", "Hint": "The hint", "ShowHint": true},
       {"Class": "TLabel", "Name": "lbEmpty", "Caption": "", "Tag": 65536, "ShowHint": true},
       {"Class": "TGroupBox", "Name": "Group", "Caption": "Password", "Tag": 65536,
        "Components": [
          {"Class": "TCheckBox", "Name": "cbEnable", "Caption": "Enable", "Tag": 65536,
           "Hint": "The hint", "ShowHint": true},
          {"Class": "TButton", "Name": "btnApply", "Caption": "Apply", "Tag": 65536,
           "Hint": "The hint", "ShowHint": true},
          {"Class": "TPanel", "Name": "Inner",
           "Components": [{"Class": "TButton", "Name": "btnDeep", "Caption": "Apply", "Tag": 65536}]}
        ]},
       {"Class": "TSpeedButton", "Name": "sbOK", "Caption": "OK", "Tag": 65536, "Hint": "The hint"},
       {"Class": "TSpeedButton", "Name": "sbUntagged", "Caption": "OK", "Hint": "The hint"},
       {"Class": "TImage", "Name": "imgShown", "Hint": "The hint", "ShowHint": true},
       {"Class": "TImage", "Name": "imgHidden", "Hint": "The hint", "Tag": 65536},
       {"Class": "TImage", "Name": "imgById", "Hint": "The hint", "ShowHint": true, "Tag": 66305},
       {"Class": "TImage", "Name": "imgTagged", "Hint": "The hint", "ShowHint": true, "Tag": 65536}
     ]}
  ]
})";

class TranslateTest : public zorbit::testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    zorbit::InitializeLocalization();
    const std::string resources = Folder.Path() + "Resources/";
    std::filesystem::create_directories(resources);
    MakePack(resources + "Test_ZorbitN.lpk", {{"strtab_Windows.ini", kTable}});
    zorbit::CreateLocalization(resources, Folder.Path() + "AppData/Ovra/Quilmo").Load("Test_ZorbitN");
    ASSERT_EQ(zorbit::StringTable()->Lookup(zorbit::kFormComponentSection, "Password"), "Kennwort");

    Form = new plat::TForm(plat::Application);
    plat::ReadLayoutText(*Form, kLayout, "TranslateTest", plat::TLayoutHandlers());
    // Not a layout class: made here, as a window's creation handler would.
    for (const auto& [name, tag, lines] :
         {std::tuple{"hlbByText", 65536, std::vector<String>{"<B>Change", " Password</B>"}},
          std::tuple{"hlbById", 65536 + 1026, std::vector<String>{"<B>Set</B>"}},
          std::tuple{"hlbUntagged", 0, std::vector<String>{"<B>Change Password</B>"}}}) {
      auto* label = new zorbit::TMarkupLabel(Form);
      label->SetName(name);
      label->SetTag(tag);
      plat::TStringList text;
      for (const String& line : lines) text.Add(line);
      label->SetHTMLText(&text);
      label->SetParent(Part<plat::TWinControl>("Body"));
    }
    Form->Show();
    Pump();
  }
  void TearDown() override {
    delete Form;
    zorbit::FinalizeLocalization();
    FormTest::TearDown();
  }

  template <typename T = TControl>
  T* Part(const char* name) const {
    auto* part = dynamic_cast<T*>(Form->FindComponent(name));
    EXPECT_NE(part, nullptr) << name;
    return part;
  }
  String HtmlOf(const char* name) const {
    String text;
    const plat::TStrings* lines = Part<zorbit::TMarkupLabel>(name)->HTMLText();
    for (int i = 0; i < lines->Count(); ++i) text += lines->Strings(i);
    return text;
  }

  TSandboxFolder Folder;
  plat::TForm* Form = nullptr;
};

TEST_F(TranslateTest, TagKeyIsDecimalUnlessTheSectionSaysHex) {
  const struct {
    const char* Section;
    int Id;
    const char* Key;
  } cases[] = {
      {"ZorbitFormComponent", 769, "769"},  // no HEX key: the lookup answers "HEX", no Boolean
      {"HexOne", 769, "0301"},
      {"HexTrue", 769, "0301"},
      {"HexTwo", 769, "0301"},
      {"HexZero", 769, "769"},
      {"HexWord", 769, "769"},
      {"NoSuchSection", 769, "769"},
      {"HexOne", 1, "0001"},
      {"HexOne", 65535, "FFFF"},
  };
  for (const auto& c : cases) EXPECT_EQ(zorbit::TagKey(c.Id, c.Section), c.Key) << c.Section << " " << c.Id;
}

TEST_F(TranslateTest, ControlsTakeTheirTextsByTag) {
  zorbit::Translate(zorbit::kFormComponentSection, Form);
  const struct {
    const char* Control;
    const char* Caption;
    const char* Hint;
  } cases[] = {
      {"lbByText", "Kennwort", ""},
      {"lbUntagged", "Password", ""},  // the table has the key, but the label is not tagged
      {"lbById", "Startreihenfolge", ""},
      {"lbMissingId", "1234", ""},  // an id the table lacks shows its key
      {"lbShownHint", "x", "Der Hinweis"},
      {"lbHiddenHint", "x", "The hint"},
      {"lbUntaggedHint", "x", "The hint"},
      {"lbEmpty", "", ""},        // nothing is looked up for an empty caption or hint
      {"Body", "Password", ""},   // a panel's own Tag is never read
      {"Group", "Password", ""},  // nor a plain group box's
      {"cbEnable", "Aktivieren", "Der Hinweis"},
      {"btnApply", "Anwenden", "The hint"},  // buttons have no hint translated
      {"btnDeep", "Anwenden", ""},           // two levels down
      {"sbOK", "Gut", "Der Hinweis"},        // a speed button's hint, shown or not
      {"sbUntagged", "OK", "The hint"},
      {"imgShown", "", "Der Hinweis"},  // an image's hint is translated without the tag
      {"imgHidden", "", "The hint"},    // but never when it is not shown
      {"imgById", "", "Startreihenfolge"},
      {"imgTagged", "", "Der Hinweis"},  // tagged without an id: keyed by its hint, never by "0"
  };
  for (const auto& c : cases) {
    const TControl* control = Part(c.Control);
    if (!control) continue;
    if (!control->InheritsFrom<plat::TImage>()) {
      EXPECT_EQ(const_cast<TControl*>(control)->Caption(), c.Caption) << c.Control;
    }
    EXPECT_EQ(control->Hint(), c.Hint) << c.Control;
  }
  EXPECT_EQ(Form->Caption(), "Password");  // the window itself is not translated
}

TEST_F(TranslateTest, AnHtmlLabelIsKeyedByItsWholeText) {
  zorbit::Translate(zorbit::kFormComponentSection, Form);
  EXPECT_EQ(HtmlOf("hlbByText"), "<B>Kennwort ändern</B>");
  EXPECT_EQ(Part<zorbit::TMarkupLabel>("hlbByText")->HTMLText()->Count(), 1);
  EXPECT_EQ(HtmlOf("hlbById"), "<B>Kennwort setzen</B>");
  EXPECT_EQ(HtmlOf("hlbUntagged"), "<B>Change Password</B>");
}

TEST_F(TranslateTest, AHexSectionLooksIdsUpByTheirHexKey) {
  zorbit::Translate("HexOne", Form);
  EXPECT_EQ(Part("lbById")->Caption(), "Startreihenfolge (hex)");
  EXPECT_EQ(Part("lbMissingId")->Caption(), "04D2");
  EXPECT_EQ(Part("imgById")->Hint(), "Startreihenfolge (hex)");
  // Keys by text are not in that section: the texts stay.
  EXPECT_EQ(Part("lbByText")->Caption(), "Password");
}

TEST_F(TranslateTest, TranslatingTwiceKeepsTranslatedTexts) {
  // The main window translates the Security window again after its own
  // refresh; texts already translated are keys the table lacks.
  zorbit::Translate(zorbit::kFormComponentSection, Form);
  zorbit::Translate(zorbit::kFormComponentSection, Form);
  EXPECT_EQ(Part("lbByText")->Caption(), "Kennwort");
  EXPECT_EQ(Part("cbEnable")->Hint(), "Der Hinweis");
}

TEST_F(TranslateTest, WithoutAStringTableNothingChanges) {
  zorbit::FinalizeLocalization();
  zorbit::Translate(zorbit::kFormComponentSection, Form);
  zorbit::Translate(zorbit::kFormComponentSection, nullptr);
  EXPECT_EQ(Part("lbById")->Caption(), "Boot order");
  EXPECT_EQ(Part("imgShown")->Hint(), "The hint");
  EXPECT_EQ(zorbit::TagKey(769, "HexOne"), "769");
  zorbit::InitializeLocalization();
}

}  // namespace
