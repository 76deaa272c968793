// Forms built from their layouts: nested aligned controls in place and
// painted in the headless display, events bound, OnCreate inside
// construction, and layouts with misspelt names refused.
#include <gtest/gtest.h>

#include "platform/ui/LayoutError.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/InputInjection.h"

namespace uitest {
namespace {

class TfmNested : public TForm {
 public:
  explicit TfmNested(TComponent* AOwner, const String& Layout = "TestNestedForm") : TForm(AOwner) {
    TLayoutHandlers handlers;
    handlers.RegisterHandler("FormCreate", this, &TfmNested::FormCreate);
    handlers.RegisterHandler("ContentClick", this, &TfmNested::ContentClick);
    handlers.RegisterHandler("TickerTimer", this, &TfmNested::TickerTimer);
    handlers.RegisterHandler("ActGoExecute", this, &TfmNested::ActGoExecute);
    CreateFromLayout(Layout, handlers);
  }

  TControl* Part(const char* name) const { return dynamic_cast<TControl*>(FindComponent(name)); }

  bool CreatedComplete = false;
  int Clicks = 0;
  int Ticks = 0;
  int Runs = 0;

 private:
  void FormCreate(TObject*) {
    // Everything the layout makes is in place when OnCreate runs.
    const TControl* content = Part("Content");
    CreatedComplete = content && content->Parent() == Part("Body") && content->OnClick;
  }
  void ContentClick(TObject*) { ++Clicks; }
  void TickerTimer(TObject*) { ++Ticks; }
  void ActGoExecute(TObject*) { ++Runs; }
};

class LayoutForms : public FormTest {};

TEST_F(LayoutForms, NestedAlignedPanelsTakeTheirPlacesAndPaint) {
  auto* form = new TfmNested(Application);
  EXPECT_TRUE(form->CreatedComplete);
  EXPECT_EQ(form->Name(), "fmNested");
  EXPECT_EQ(form->Caption(), "Nested panels");
  EXPECT_EQ(form->Part("Header")->Caption(), "");  // names read from a layout are no captions
  EXPECT_TRUE(form->KeyPreview());
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(form->ClientHeight(), 200);
  EXPECT_EQ(form->Part("Header")->BoundsRect(), Rect(0, 0, 300, 40));
  EXPECT_EQ(form->Part("Body")->BoundsRect(), Rect(0, 40, 300, 200));
  EXPECT_EQ(form->Part("Footer")->BoundsRect(), Rect(5, 130, 295, 155));  // kept to its maximum height
  EXPECT_EQ(form->Part("Side")->BoundsRect(), Rect(5, 5, 65, 130));
  EXPECT_EQ(form->Part("Content")->BoundsRect(), Rect(65, 5, 295, 130));

  form->Show();
  Pump();
  EXPECT_EQ(form->Left(), (Screen->Width() - form->Width()) / 2);
  struct Probe {
    const char* Part;
    TPoint At;
    TColor Expected;
  };
  for (const Probe& p :
       {Probe{"Header", {0, 0}, clNavy}, Probe{"Header", {299, 39}, clNavy}, Probe{"Body", {2, 2}, clSilver},
        Probe{"Body", {297, 157}, clSilver}, Probe{"Side", {0, 0}, clGreen}, Probe{"Side", {59, 124}, clGreen},
        Probe{"Footer", {0, 0}, clMaroon}, Probe{"Footer", {289, 24}, clMaroon}, Probe{"Content", {0, 0}, clYellow},
        Probe{"Content", {229, 124}, clYellow}})
    EXPECT_EQ(PixelAt(form->Part(p.Part), p.At), static_cast<COLORREF>(p.Expected)) << p.Part;
  const std::vector<Byte> png = WindowScreenshot(form->Handle());
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');

  // A bigger form: the panels follow.
  form->SetClientWidth(400);
  Pump();
  EXPECT_EQ(form->Part("Content")->BoundsRect(), Rect(65, 5, 395, 130));
  EXPECT_EQ(PixelAt(form->Part("Content"), {329, 10}), static_cast<COLORREF>(clYellow));
}

TEST_F(LayoutForms, TheLayoutsEventsReachTheFormsHandlers) {
  auto* form = new TfmNested(Application);
  form->Show();
  Pump();
  ClickControl(form->Part("Content"));
  Pump();
  EXPECT_EQ(form->Clicks, 1);
  Clock().Advance(250);
  Pump();
  EXPECT_EQ(form->Ticks, 1);
  auto* go = dynamic_cast<TAction*>(form->FindComponent("ActGo"));
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->Caption(), "Go");
  EXPECT_NE(go->ActionList(), nullptr);
  go->Execute();
  EXPECT_EQ(form->Runs, 1);
}

TEST_F(LayoutForms, CheckedBoxesReadFromALayoutFireNoClickUntilLoaded) {
  std::vector<String> clicks;
  TLayoutHandlers handlers;
  handlers.RegisterHandler("Clicked", [&clicks](TObject* Sender) {
    clicks.push_back(dynamic_cast<TComponent*>(Sender)->Name());
  });
  auto* form = new TForm(Application);
  ReadLayoutText(*form, R"({"Name": "fmChecks", "Components": [
      {"Class": "TCheckBox", "Name": "cbOn", "OnClick": "Clicked", "Checked": true},
      {"Class": "TRadioButton", "Name": "rbOn", "OnClick": "Clicked", "Checked": true}]})",
                 "Checks", handlers);
  auto* box = dynamic_cast<TCheckBox*>(form->FindComponent("cbOn"));
  auto* radio = dynamic_cast<TRadioButton*>(form->FindComponent("rbOn"));
  ASSERT_TRUE(box && radio);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(radio->Checked());
  EXPECT_TRUE(clicks.empty());

  box->SetChecked(false);
  radio->SetChecked(false);
  radio->SetChecked(true);
  EXPECT_EQ(clicks, (std::vector<String>{"cbOn", "rbOn"}));
}

TEST_F(LayoutForms, AMisspeltHandlerFailsTheFormNamingIt) {
  try {
    new TfmNested(Application, "TestMisspeltForm");
    ADD_FAILURE() << "the form was made";
  } catch (const ELayoutError& e) {
    EXPECT_NE(e.Message().find("ContentClik"), String::npos) << e.Message();
  }
  // Nothing of it is left.
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Screen->FormCount(), 0);
}

}  // namespace
}  // namespace uitest
