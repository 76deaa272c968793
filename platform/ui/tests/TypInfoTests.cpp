// Published properties read by name: a class registered here that publishes
// a FileTheme string (as a skin engine asks for it), the standard controls'
// own properties of each kind, and the errors for names that do not exist or
// cannot be read. Component properties assigned by name run their setter.
#include <gtest/gtest.h>

#include "platform/gdi/TFont.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TypInfo.h"
#include "platform/ui/tests/FormTestFixture.h"

namespace uitest {
namespace {

class TThemedPanel : public TPanel {
 public:
  using TPanel::TPanel;
  const String& FileTheme() const { return FFileTheme; }
  void SetFileTheme(const String& Value) { FFileTheme = Value; }
  void SetBadge(int Value) { FBadge = Value; }
  int Badge() const { return FBadge; }
  TPanel* Partner() const { return FPartner; }
  void SetPartner(TPanel* Value) {
    FPartner = Value;
    ++PartnerAssignments;
  }
  int PartnerAssignments = 0;
  float Zoom() const { return FZoom; }
  void SetZoom(float Value) { FZoom = Value; }
  TDateTime Stamp() const { return FStamp; }
  void SetStamp(TDateTime Value) { FStamp = Value; }

 private:
  float FZoom = 1;
  TDateTime FStamp = 0;
  String FFileTheme;
  int FBadge = 0;
  TPanel* FPartner = nullptr;
};

class TypInfo : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    RegisterLayoutClass<TThemedPanel, TPanel>("TThemedPanel")
        .StringProperty("FileTheme", &TThemedPanel::FileTheme, &TThemedPanel::SetFileTheme)
        .IntegerProperty("Badge", &TThemedPanel::SetBadge)  // written by layouts, never read
        .ComponentProperty("Partner", &TThemedPanel::Partner, &TThemedPanel::SetPartner)
        .FloatProperty("Zoom", &TThemedPanel::Zoom, &TThemedPanel::SetZoom)
        .DateTimeProperty("Stamp", &TThemedPanel::Stamp, &TThemedPanel::SetStamp);
    FForm = new TForm(Application);
  }

  TForm* FForm = nullptr;
};

TEST_F(TypInfo, AClassOfItsOwnPublishesAndReadsItsString) {
  auto* themed = new TThemedPanel(FForm);
  auto* plain = new TPanel(FForm);
  themed->SetFileTheme("Ovra.skin");
  EXPECT_TRUE(IsPublishedProp(*themed, "FileTheme"));
  EXPECT_TRUE(IsPublishedProp(*themed, "filetheme"));
  EXPECT_FALSE(IsPublishedProp(*plain, "FileTheme"));
  EXPECT_EQ(GetStrProp(*themed, "FileTheme"), "Ovra.skin");
  // What the base classes publish comes along.
  themed->SetBevelOuter(TBevelCut::bvLowered);
  EXPECT_EQ(GetEnumProp(*themed, "BevelOuter"), "bvLowered");
}

TEST_F(TypInfo, StandardControlsReadEveryKind) {
  auto* button = new TButton(FForm);
  button->SetParent(FForm);
  button->SetCaption("&Apply");
  button->SetAlign(TAlign::alClient);
  button->SetVisible(false);
  button->SetTag(42);
  button->Font()->SetStyle(TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline});

  EXPECT_EQ(GetStrProp(*button, "Caption"), "&Apply");
  EXPECT_EQ(GetEnumProp(*button, "Align"), "alClient");
  EXPECT_EQ(GetOrdProp(*button, "Align"), static_cast<int>(TAlign::alClient));
  EXPECT_EQ(GetOrdProp(*button, "Visible"), 0);
  EXPECT_EQ(GetEnumProp(*button, "Visible"), "False");
  EXPECT_EQ(GetOrdProp(*button, "Tag"), 42);
  EXPECT_EQ(GetObjectProp(*button, "Font"), button->Font());
  EXPECT_EQ(GetOrdProp(*button->Font(), "Style"), 0b101);  // fsBold and fsUnderline
  EXPECT_EQ(GetObjectProp(*button, "PopupMenu"), nullptr);
  EXPECT_EQ(GetObjectProp(*FForm, "ActiveControl"), nullptr);
  button->SetVisible(true);
  FForm->SetActiveControl(button);
  EXPECT_EQ(GetObjectProp(*FForm, "ActiveControl"), button);
  EXPECT_TRUE(IsPublishedProp(*button, "OnClick"));  // events are published too
}

TEST_F(TypInfo, EachPropertyReportsItsKind) {
  auto* themed = new TThemedPanel(FForm);
  const struct {
    const char* Property;
    TTypeKind Kind;
  } cases[] = {
      {"FileTheme", TTypeKind::tkString},    {"Badge", TTypeKind::tkInteger},     {"Tag", TTypeKind::tkInteger},
      {"Visible", TTypeKind::tkEnumeration}, {"Align", TTypeKind::tkEnumeration}, {"Partner", TTypeKind::tkClass},
      {"Font", TTypeKind::tkClass},          {"OnClick", TTypeKind::tkMethod},    {"Zoom", TTypeKind::tkFloat},
      {"Stamp", TTypeKind::tkFloat},
  };
  for (const auto& c : cases) EXPECT_EQ(PropType(*themed, c.Property), c.Kind) << c.Property;
  EXPECT_EQ(PropType(*themed->Font(), "Style"), TTypeKind::tkSet);
  EXPECT_THROW(PropType(*themed, "Skin"), EPropertyError);
}

TEST_F(TypInfo, UnknownUnreadableAndMismatchedNamesRaise) {
  auto* themed = new TThemedPanel(FForm);
  using TRead = String (*)(const TObject&, const String&);
  const TRead asString = [](const TObject& o, const String& n) { return GetStrProp(o, n); };
  const TRead asOrdinal = [](const TObject& o, const String& n) { return std::to_string(GetOrdProp(o, n)); };
  const TRead asEnum = [](const TObject& o, const String& n) { return GetEnumProp(o, n); };
  const TRead asObject = [](const TObject& o, const String& n) { return String(GetObjectProp(o, n) ? "some" : ""); };
  const struct {
    const char* Property;
    TRead Read;
    const char* Message;
  } cases[] = {
      {"Skin", asString, "Property Skin does not exist"},
      {"Badge", asOrdinal, "Property Badge cannot be read"},
      {"OnClick", asString, "Property OnClick is not of the kind asked for"},
      {"FileTheme", asOrdinal, "Property FileTheme is not of the kind asked for"},
      {"Tag", asEnum, "Property Tag is not of the kind asked for"},
      {"Caption", asObject, "Property Caption is not of the kind asked for"},
  };
  for (const auto& c : cases) {
    try {
      c.Read(*themed, c.Property);
      ADD_FAILURE() << c.Property << ": no exception";
    } catch (const EPropertyError& e) {
      EXPECT_EQ(e.Message(), c.Message) << c.Property;
    }
  }
  EXPECT_TRUE(IsPublishedProp(*themed, "Badge"));
  EXPECT_FALSE(IsReadableProp(*themed, "Badge"));
  EXPECT_FALSE(IsReadableProp(*themed, "OnClick"));
  EXPECT_TRUE(IsReadableProp(*themed, "FileTheme"));
  EXPECT_FALSE(IsPublishedProp(*themed, "Skin"));
}

TEST_F(TypInfo, ComponentPropertiesAreAssignedThroughTheirSetter) {
  auto* themed = new TThemedPanel(FForm);
  auto* partner = new TPanel(FForm);
  SetObjectProp(*themed, "partner", partner);
  EXPECT_EQ(themed->Partner(), partner);
  // The same value again still reaches the setter: callers use it to make a
  // component take up what changed inside the object it refers to.
  SetObjectProp(*themed, "Partner", partner);
  EXPECT_EQ(themed->PartnerAssignments, 2);
  SetObjectProp(*themed, "Partner", nullptr);
  EXPECT_EQ(themed->Partner(), nullptr);
  EXPECT_EQ(themed->PartnerAssignments, 3);
}

TEST_F(TypInfo, WritingGoesThroughTheSettersOfEachKind) {
  auto* themed = new TThemedPanel(FForm);
  auto* popup = new TPopupMenu(FForm);
  SetOrdProp(*themed, "Badge", 7);
  EXPECT_EQ(themed->Badge(), 7);
  SetOrdProp(*themed, "Align", static_cast<int>(TAlign::alRight));
  EXPECT_EQ(themed->Align(), TAlign::alRight);
  SetOrdProp(*themed, "Visible", 0);
  EXPECT_FALSE(themed->Visible());
  SetStrProp(*themed, "filetheme", "Ovra.skin");
  EXPECT_EQ(themed->FileTheme(), "Ovra.skin");
  SetStrProp(*themed, "Caption", "Body");
  EXPECT_EQ(themed->Caption(), "Body");
  SetOrdProp(*themed->Font(), "Style", 0b11);
  EXPECT_EQ(themed->Font()->Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic}));
  SetObjectProp(*themed, "PopupMenu", popup);
  EXPECT_EQ(themed->PopupMenu(), popup);
  SetObjectProp(*themed, "PopupMenu", nullptr);
  EXPECT_EQ(themed->PopupMenu(), nullptr);
  SetFloatProp(*themed, "Zoom", 1.25);
  EXPECT_FLOAT_EQ(themed->Zoom(), 1.25f);
  EXPECT_DOUBLE_EQ(GetFloatProp(*themed, "Zoom"), 1.25);
  SetFloatProp(*themed, "Stamp", 45356.5);
  EXPECT_DOUBLE_EQ(GetFloatProp(*themed, "stamp"), 45356.5);
}

TEST_F(TypInfo, WritingAValueThePropertyCannotHoldRaisesAndChangesNothing) {
  auto* themed = new TThemedPanel(FForm);
  auto* button = new TButton(FForm);
  button->SetName("Apply");
  using TWrite = void (*)(TObject&, TObject*);
  const struct {
    TWrite Write;
    const char* Message;
  } cases[] = {
      {[](TObject& o, TObject*) { SetOrdProp(o, "Skin", 1); }, "Property Skin does not exist"},
      {[](TObject& o, TObject*) { SetOrdProp(o, "FileTheme", 1); }, "Property FileTheme is not of the kind asked for"},
      {[](TObject& o, TObject*) { SetOrdProp(o, "Align", 99); }, "Invalid property value 99"},
      {[](TObject& o, TObject*) { SetStrProp(o, "Skin", "x"); }, "Property Skin does not exist"},
      {[](TObject& o, TObject*) { SetStrProp(o, "Align", "alRight"); }, "Property Align is not of the kind asked for"},
      {[](TObject& o, TObject*) { SetOrdProp(o, "Badge", 1LL << 40); }, "Invalid property value 1099511627776"},
      {[](TObject& o, TObject* b) { SetObjectProp(o, "PopupMenu", b); },
       "Component Apply is not of a class the property takes"},
      {[](TObject& o, TObject* b) { SetObjectProp(o, "Caption", b); }, "Property Caption is not of the kind asked for"},
      {[](TObject& o, TObject*) { SetFloatProp(o, "Zoom", 1e39); }, "Invalid property value 1e+39"},
      {[](TObject& o, TObject*) { SetFloatProp(o, "Tag", 1); }, "Property Tag is not of the kind asked for"},
  };
  for (const auto& c : cases) {
    try {
      c.Write(*themed, button);
      ADD_FAILURE() << c.Message << ": no exception";
    } catch (const EPropertyError& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
  }
  EXPECT_EQ(themed->Align(), TAlign::alNone);
  EXPECT_EQ(themed->PopupMenu(), nullptr);
}

}  // namespace
}  // namespace uitest
