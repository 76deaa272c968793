// The Unicode editors on a real form in the headless display: their
// Unicode windows, wide texts of every plane surviving a new window, typed
// text, the wide combo's items and choice, the memo's styles and dialog
// codes, the edit-with-button's rules, and a picture of non-Latin text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/EsgUniComboBox.h"
#include "grid/EsgUniEdit.h"
#include "grid/EsgUniEditBtn.h"
#include "grid/EsgUniMemo.h"
#include "grid/tests/SpinFormTest.h"
#include "platform/rtl/Unicode.h"
#include "platform/rtl/WideStringList.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Focus.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Messages.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

// Cyrillic, the euro sign (outside Latin-1) and an emoji (outside the BMP).
const plat::WideString kWide = u"\u0416\u20AC\U0001F600";

class UnicodeEditors : public testing::SpinFormTest {
 protected:
  void Key(plat::UINT VirtualKey) {
    plat::InjectKeyPress(VirtualKey);
    Pump();
  }
  plat::DWORD Style(plat::TWinControl* Control) {
    return static_cast<plat::DWORD>(plat::GetWindowLongPtrA(Control->Handle(), plat::GWL_STYLE));
  }
};

// Each editor, its text read and written as wide text.
struct EditorKind {
  const char* Name;
  std::function<plat::TWinControl*(plat::TForm*)> Make;
  std::function<plat::WideString(plat::TWinControl*)> Text;
  std::function<void(plat::TWinControl*, const plat::WideString&)> SetText;
};

template <class T>
EditorKind Kind(const char* Name) {
  return {Name,
          [](plat::TForm* Form) {
            auto* editor = new T(Form);
            editor->SetParent(Form);
            editor->SetBounds(10, 10, 180, 24);
            return editor;
          },
          [](plat::TWinControl* Editor) { return static_cast<T*>(Editor)->Text(); },
          [](plat::TWinControl* Editor, const plat::WideString& Text) { static_cast<T*>(Editor)->SetText(Text); }};
}

std::vector<EditorKind> EveryEditor() {
  return {Kind<TEsgUniEdit>("TEsgUniEdit"), Kind<TEsgUniMemo>("TEsgUniMemo"), Kind<TEsgUniEditBtn>("TEsgUniEditBtn"),
          Kind<TESGUniComboBox>("TESGUniComboBox")};
}

TEST_F(UnicodeEditors, HaveUnicodeWindowsAndAnOemFont) {
  for (const EditorKind& kind : EveryEditor()) {
    plat::TWinControl* editor = kind.Make(FForm);
    EXPECT_TRUE(plat::IsWindowUnicode(editor->Handle())) << kind.Name;
    EXPECT_EQ(editor->Font()->Charset(), 255) << kind.Name;
    delete editor;
  }
}

TEST_F(UnicodeEditors, TextOfEveryPlaneSurvivesANewWindow) {
  for (const EditorKind& kind : EveryEditor()) {
    plat::TWinControl* editor = kind.Make(FForm);
    kind.SetText(editor, kWide);
    EXPECT_EQ(kind.Text(editor), kWide) << kind.Name;
    const plat::HWND before = editor->Handle();
    editor->Perform(plat::CM_RECREATEWND, 0, 0);
    Pump();
    EXPECT_NE(editor->Handle(), before) << kind.Name;
    EXPECT_TRUE(plat::IsWindowUnicode(editor->Handle())) << kind.Name;
    EXPECT_EQ(kind.Text(editor), kWide) << kind.Name;
    // The class library's own view of the text is the same, in UTF-8.
    EXPECT_EQ(editor->TControl::Text(), plat::WideToUtf8(kWide)) << kind.Name;
    delete editor;
  }
}

TEST_F(UnicodeEditors, TypedTextOfEveryPlaneArrivesWhole) {
  for (const EditorKind& kind : EveryEditor()) {
    plat::TWinControl* editor = kind.Make(FForm);
    kind.SetText(editor, u"");
    editor->SetFocus();
    Pump();
    plat::InjectText(plat::WideToUtf8(kWide));
    Pump();
    EXPECT_EQ(kind.Text(editor), kWide) << kind.Name;
    delete editor;
  }
}

TEST_F(UnicodeEditors, AWideTextWithANulEndsThere) {
  auto* edit = Place<TEsgUniEdit>(plat::Bounds(10, 10, 180, 24));
  edit->SetText(plat::WideString(u"ab\0cd", 5));
  EXPECT_EQ(edit->Text(), u"ab");
}

TEST_F(UnicodeEditors, TheEditWithAButtonStartsEmptyAndKeepsTheButtonsRules) {
  auto* edit = Place<TEsgUniEditBtn>(plat::Bounds(10, 10, 140, 24));
  std::vector<std::string> log;
  edit->OnClickBtn = [&](plat::TObject*) { log.push_back("click"); };
  EXPECT_EQ(edit->Text(), u"");
  EXPECT_EQ(edit->ButtonWidth(), 18);
  EXPECT_EQ(edit->Button()->BoundsRect(), plat::Bounds(140 - 18 - 5, 0, 18, 24 - 5));
  edit->SetFocus();
  Pump();
  Key(plat::VK_F4);
  EXPECT_EQ(log, (std::vector<std::string>{"click"}));
  edit->SetEditorEnabled(false);
  plat::InjectText("\u0416");
  Pump();
  EXPECT_EQ(edit->Text(), u"");
  edit->SetEditorEnabled(true);
  plat::InjectText("\u0416");
  Pump();
  EXPECT_EQ(edit->Text(), u"\u0416");
}

TEST_F(UnicodeEditors, TheComboShowsAChosenItemUnchanged) {
  auto* combo = Place<TESGUniComboBox>(plat::Bounds(10, 10, 160, 0));
  EXPECT_TRUE(combo->Flat());
  EXPECT_EQ(combo->ButtonWidth(), plat::GetSystemMetrics(plat::SM_CXVSCROLL) + 4);
  combo->Items()->Add(u"plain");
  combo->Items()->Add(kWide);
  combo->Items()->Add(u"\u4E2D\u6587");
  ASSERT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->Items()->Strings(1), kWide);
  EXPECT_EQ(combo->Items()->IndexOf(u"PLAIN"), 0);
  EXPECT_EQ(combo->Items()->IndexOf(u"\u4E2D\u6587"), 2);
  EXPECT_EQ(combo->Items()->IndexOf(u"none"), -1);
  std::vector<plat::WideString> changes;
  combo->OnChange = [&](plat::TObject*) { changes.push_back(combo->Text()); };
  combo->SetFocus();
  Pump();
  Key(plat::VK_DOWN);
  Key(plat::VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), kWide);
  EXPECT_EQ(changes, (std::vector<plat::WideString>{u"plain", kWide}));
}

TEST_F(UnicodeEditors, TheCombosItemsAreAssignedAndClearedWithTheTextKept) {
  auto* combo = Place<TESGUniComboBox>(plat::Bounds(10, 10, 160, 0));
  plat::TWideStringList items;
  items.Add(kWide);
  items.Add(u"second");
  combo->SetItems(&items);
  combo->SetItems(nullptr);
  EXPECT_EQ(combo->Items()->Text(), kWide + u"\r\nsecond\r\n");
  combo->SetText(u"typed \u0416");
  combo->Items()->Clear();
  EXPECT_EQ(combo->Items()->Count(), 0);
  EXPECT_EQ(combo->Text(), u"typed \u0416");
  EXPECT_THROW(combo->Items()->Delete(0), plat::EListError);
}

TEST_F(UnicodeEditors, BackspaceInTheComboReachesOnKeyPressAndDeletes) {
  auto* combo = Place<TESGUniComboBox>(plat::Bounds(10, 10, 160, 0));
  std::u32string pressed;
  combo->OnKeyPress = [&](plat::TObject*, char32_t& Key) { pressed.push_back(Key); };
  combo->SetText(kWide);
  combo->SetFocus();
  Pump();
  combo->Perform(plat::CB_SETEDITSEL, 0, plat::MAKELPARAM(0xFFFF, 0xFFFF));
  Key(plat::VK_BACK);
  EXPECT_EQ(pressed, U"\b");
  EXPECT_EQ(combo->Text(), u"\u0416\u20AC");
}

TEST_F(UnicodeEditors, TheMemoIsTwoHundredByAHundredAndChoosesItsStyles) {
  auto* memo = new TEsgUniMemo(FForm);
  memo->SetParent(FForm);
  EXPECT_EQ(memo->Width(), 200);
  EXPECT_EQ(memo->Height(), 100);
  EXPECT_FALSE(memo->AutoSize());
  struct Case {
    plat::TScrollStyle Bars;
    bool WordWrap;
    plat::DWORD Set;
    plat::DWORD Clear;
  };
  // clang-format off
  const Case cases[] = {
      {plat::TScrollStyle::ssNone,       true,  plat::ES_MULTILINE,                                   plat::ES_AUTOHSCROLL | plat::WS_HSCROLL | plat::WS_VSCROLL},
      {plat::TScrollStyle::ssHorizontal, false, plat::ES_MULTILINE | plat::ES_AUTOHSCROLL | plat::WS_HSCROLL, plat::WS_VSCROLL},
      {plat::TScrollStyle::ssVertical,   true,  plat::ES_MULTILINE | plat::WS_VSCROLL,               plat::ES_AUTOHSCROLL | plat::WS_HSCROLL},
      {plat::TScrollStyle::ssBoth,       false, plat::ES_MULTILINE | plat::WS_HSCROLL | plat::WS_VSCROLL, 0},
  };
  // clang-format on
  memo->SetText(kWide);
  for (const Case& c : cases) {
    memo->SetScrollBars(c.Bars);
    memo->SetWordWrap(c.WordWrap);
    Pump();
    const plat::DWORD style = Style(memo);
    EXPECT_EQ(style & c.Set, c.Set) << static_cast<int>(c.Bars);
    EXPECT_EQ(style & c.Clear, 0u) << static_cast<int>(c.Bars);
    EXPECT_EQ(memo->Text(), kWide) << static_cast<int>(c.Bars);
  }
}

TEST_F(UnicodeEditors, TheMemoScrollsALongLineWithoutWordWrap) {
  auto* memo = Place<TEsgUniMemo>(plat::Bounds(10, 10, 120, 80));
  const plat::WideString words =
      u"\u0416\u0416\u0416 \u0416\u0416\u0416 \u0416\u0416\u0416 \u0416\u0416\u0416 \u0416\u0416\u0416 "
      u"\u0416\u0416\u0416";
  memo->SetText(words);
  Pump();
  EXPECT_GT(memo->Perform(plat::EM_GETLINECOUNT, 0, 0), 1);
  memo->SetWordWrap(false);
  Pump();
  EXPECT_EQ(memo->Perform(plat::EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(memo->Text(), words);
}

TEST_F(UnicodeEditors, TheMemosDialogCodesFollowWantTabsAndWantReturns) {
  auto* memo = Place<TEsgUniMemo>(plat::Bounds(10, 10, 120, 80));
  struct Case {
    bool WantTabs;
    bool WantReturns;
    bool Tab;
    bool AllKeys;
  };
  const Case cases[] = {
      {false, true, false, true},
      {true, true, true, true},
      {true, false, true, false},
      {false, false, false, false},
  };
  for (const Case& c : cases) {
    memo->SetWantTabs(c.WantTabs);
    memo->SetWantReturns(c.WantReturns);
    const auto code = static_cast<plat::UINT>(memo->Perform(plat::WM_GETDLGCODE, 0, 0));
    EXPECT_EQ((code & plat::DLGC_WANTTAB) != 0, c.Tab) << c.WantTabs << c.WantReturns;
    EXPECT_EQ((code & plat::DLGC_WANTALLKEYS) != 0, c.AllKeys) << c.WantTabs << c.WantReturns;
  }
}

TEST_F(UnicodeEditors, PictureOfNonLatinText) {
  auto* edit = Place<TEsgUniEdit>(plat::Bounds(10, 10, 200, 24));
  edit->SetText(u"\u0416\u0438\u0437\u043D\u044C \u20AC \u4E2D\u6587 \u03A9\u03BC\u03B5\u03B3\u03B1");
  auto* button = Place<TEsgUniEditBtn>(plat::Bounds(10, 44, 200, 24));
  button->SetText(u"\u041F\u0440\u0438\u0432\u0435\u0442");
  auto* combo = Place<TESGUniComboBox>(plat::Bounds(10, 80, 200, 0));
  combo->Items()->Add(u"\u0394\u03AD\u03BB\u03C4\u03B1");
  combo->SetItemIndex(0);
  Pump();
  FForm->Repaint();
  Pump();
  testing::KeepForInspection(*plat::WindowPicture(FForm->Handle()), "grid/unicode-editors.png");
  // The text is drawn: the edit's field is not all background.
  int ink = 0;
  for (int x = 2; x < 150; ++x) ink += PixelAt(edit, {x, 10}) != PixelAt(edit, {2, 2});
  EXPECT_GT(ink, 0);
}

}  // namespace
}  // namespace zorbit
