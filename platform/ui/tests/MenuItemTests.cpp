// Menu items without the screen: shortcut texts, the item tree, radio
// groups, automatic mnemonics, actions driving items and the menu's change
// notifications.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/Menus.h"
#include "platform/win/VirtualKeys.h"

namespace uitest {
namespace {

class MenuItems : public FormTest {
 protected:
  // An item of the test's menu (owned by it) with that caption, under Parent.
  TMenuItem* Item(TMenuItem* Parent, const String& Caption) {
    auto* item = new TMenuItem(FMenu.get());
    item->SetCaption(Caption);
    Parent->Add(item);
    return item;
  }
  TPopupMenu* Menu() const { return FMenu.get(); }

  void TearDown() override {
    FMenu.reset();
    FormTest::TearDown();
  }

 private:
  std::unique_ptr<TPopupMenu> FMenu = std::make_unique<TPopupMenu>(nullptr);
};

// What a popup's window-layer menu shows: the entries' texts in order.
std::vector<std::string> EntryTexts(HMENU Menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(Menu); ++i) {
    char buffer[128] = {};
    GetMenuStringA(Menu, i, buffer, sizeof buffer, MF_BYPOSITION);
    const UINT state = GetMenuState(Menu, i, MF_BYPOSITION);
    texts.push_back((state & MF_SEPARATOR) ? "-" : buffer);
  }
  return texts;
}

constexpr TShiftState kShift{TShiftStateItem::ssShift};
constexpr TShiftState kCtrl{TShiftStateItem::ssCtrl};
constexpr TShiftState kAlt{TShiftStateItem::ssAlt};

TEST(ShortCutTexts, ReadAndWrittenBothWays) {
  struct Case {
    Word Key;
    TShiftState Shift;
    const char* Text;
  };
  const Case cases[] = {
      {'S', kCtrl, "Ctrl+S"},
      {VK_DELETE, kShift, "Shift+Del"},
      {VK_F4, kAlt, "Alt+F4"},
      {VK_F1, {}, "F1"},
      {VK_F12, kShift, "Shift+F12"},
      {'A', kShift + kCtrl + kAlt, "Shift+Ctrl+Alt+A"},
      {'7', kCtrl, "Ctrl+7"},
      {VK_RETURN, {}, "Enter"},
      {VK_ESCAPE, {}, "Esc"},
      {VK_BACK, kAlt, "Alt+BkSp"},
      {VK_TAB, kCtrl, "Ctrl+Tab"},
      {VK_SPACE, kCtrl, "Ctrl+Space"},
      {VK_PRIOR, {}, "PgUp"},
      {VK_NEXT, {}, "PgDn"},
      {VK_HOME, {}, "Home"},
      {VK_END, {}, "End"},
      {VK_LEFT, kCtrl, "Ctrl+Left"},
      {VK_DOWN, {}, "Down"},
      {VK_INSERT, kShift, "Shift+Ins"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    const TShortCut value = ShortCut(c.Key, c.Shift);
    EXPECT_EQ(ShortCutToText(value), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), value);
    Word key = 0;
    TShiftState shift;
    ShortCutToKey(value, key, shift);
    EXPECT_EQ(key, c.Key);
    EXPECT_EQ(shift, c.Shift);
  }
  EXPECT_EQ(ShortCut('S', kCtrl), 'S' | scCtrl);
}

TEST(ShortCutTexts, ReadingIsLenientWritingIsOneWay) {
  const std::map<std::string, TShortCut> reads = {
      {"ctrl+s", ShortCut('S', kCtrl)},
      {"Alt+Shift+X", ShortCut('X', kShift + kAlt)},
      {"DEL", ShortCut(VK_DELETE, {})},
      {"F24", ShortCut(VK_F1 + 23, {})},
      {"", scNone},
      {"Ctrl+", scNone},
      {"Ctrl+Shift", scNone},
      {"Hyper+S", scNone},
      {"F25", scNone},
      {"SS", scNone},
  };
  for (const auto& [text, value] : reads) EXPECT_EQ(TextToShortCut(text), value) << text;
  // The keypad's digits read like the digit keys; keys without a name have no text.
  EXPECT_EQ(ShortCutToText(ShortCut(VK_NUMPAD5, kCtrl)), "Ctrl+5");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_SHIFT, kShift)), "");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_LBUTTON, {})), "");
  // Mouse buttons and double clicks in the shift state are not modifiers.
  EXPECT_EQ(ShortCut('S', kCtrl + TShiftState{TShiftStateItem::ssLeft, TShiftStateItem::ssDouble}),
            ShortCut('S', kCtrl));
  EXPECT_EQ(ShortCut(0x1FF, kCtrl), scNone);
}

TEST(ShortCutTexts, FollowTheTranslation) {
  SetResourceTextTranslator([](const String& text) {
    if (text == "Ctrl+") return String("Strg+");
    if (text == "Del") return String("Entf");
    return text;
  });
  const ScopeExit untranslated([] { SetResourceTextTranslator({}); });
  EXPECT_EQ(ShortCutToText(ShortCut('S', kCtrl)), "Strg+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, kShift)), "Shift+Entf");
  EXPECT_EQ(TextToShortCut("Strg+Entf"), ShortCut(VK_DELETE, kCtrl));
  EXPECT_EQ(TextToShortCut("Ctrl+S"), scNone);
}

TEST_F(MenuItems, TheTreeKeepsOrderAndRefusesWhatWouldBreakIt) {
  TMenuItem* root = Menu()->Items();
  TMenuItem* file = Item(root, "&File");
  TMenuItem* open = Item(file, "&Open...");
  TMenuItem* line = Item(file, "-");
  TMenuItem* exit = Item(file, "E&xit");
  EXPECT_EQ(file->Count(), 3);
  EXPECT_EQ(exit->Parent(), file);
  EXPECT_EQ(exit->MenuIndex(), 2);
  EXPECT_EQ(file->IndexOf(line), 1);
  EXPECT_TRUE(line->IsLine());
  EXPECT_FALSE(open->IsLine());
  EXPECT_EQ(file->Find("open..."), open);
  EXPECT_EQ(file->Find("&Exit"), exit);
  EXPECT_EQ(file->Find("Close"), nullptr);
  EXPECT_EQ(open->GetParentMenu(), Menu());

  exit->SetMenuIndex(0);
  EXPECT_EQ(file->Items(0), exit);
  EXPECT_EQ(file->Items(1), open);

  // Every item has a command of its own.
  EXPECT_NE(open->Command(), 0);
  EXPECT_NE(open->Command(), exit->Command());
  EXPECT_NE(file->Command(), open->Command());

  auto refused = [](auto action, const char* message) {
    try {
      action();
      ADD_FAILURE() << "not refused: " << message;
    } catch (const EMenuError& error) {
      EXPECT_EQ(error.Message(), message);
    }
  };
  refused([&] { root->Add(open); }, "Menu inserted twice");
  refused([&] { open->Add(file); }, "Menu inserted twice");
  refused([&] { file->Items(3); }, "Menu index out of range");
  refused([&] { file->Insert(5, new TMenuItem(Menu())); }, "Menu index out of range");
  refused([&] { root->Remove(open); }, "Sub-menu is not in menu");
  EXPECT_EQ(file->Count(), 3);

  // Removing keeps the item; deleting a parent deletes what is below it.
  file->Remove(line);
  EXPECT_EQ(line->Parent(), nullptr);
  EXPECT_EQ(file->Count(), 2);
  const int owned = Menu()->ComponentCount();
  delete file;
  EXPECT_EQ(root->Count(), 0);
  EXPECT_EQ(Menu()->ComponentCount(), owned - 3);
}

TEST_F(MenuItems, CheckingARadioItemUnchecksItsGroupAmongItsSiblings) {
  TMenuItem* view = Item(Menu()->Items(), "View");
  TMenuItem* other = Item(Menu()->Items(), "Other");
  std::vector<TMenuItem*> items;
  // Group 1: three radio items, a plain item; group 2: one radio item.
  for (const char* caption : {"Small", "Medium", "Large", "Grid", "Sorted"}) items.push_back(Item(view, caption));
  for (int i = 0; i < 3; ++i) {
    items[i]->SetRadioItem(true);
    items[i]->SetGroupIndex(1);
  }
  items[4]->SetRadioItem(true);
  items[4]->SetGroupIndex(2);
  TMenuItem* elsewhere = Item(other, "Elsewhere");
  elsewhere->SetRadioItem(true);
  elsewhere->SetGroupIndex(1);

  auto checked = [&] {
    std::string marks;
    for (TMenuItem* item : items) marks += item->Checked() ? 'x' : '.';
    return marks + (elsewhere->Checked() ? 'x' : '.');
  };
  for (TMenuItem* item : {items[3], items[4], elsewhere}) item->SetChecked(true);
  EXPECT_EQ(checked(), "...xxx");
  items[0]->SetChecked(true);
  EXPECT_EQ(checked(), "x..xxx");
  items[2]->SetChecked(true);
  EXPECT_EQ(checked(), "..xxxx");
  // Unchecking checks nothing else.
  items[2]->SetChecked(false);
  EXPECT_EQ(checked(), "...xxx");
  // A checked item joining the group turns the others off.
  items[1]->SetChecked(true);
  items[4]->SetGroupIndex(1);
  EXPECT_EQ(checked(), "...xxx");
  items[1]->SetChecked(true);
  EXPECT_EQ(checked(), ".x.x.x");

  // AutoCheck: a radio item's click checks it, a plain item's toggles it.
  items[0]->SetAutoCheck(true);
  items[3]->SetAutoCheck(true);
  items[0]->Click();
  items[0]->Click();
  items[3]->Click();
  EXPECT_EQ(checked(), "x....x");
}

TEST_F(MenuItems, AutomaticHotkeysAreUniqueAmongSiblings) {
  struct Case {
    const char* Name;
    std::vector<String> Captions;
    std::vector<String> Expected;
  };
  const Case cases[] = {
      {"first letters", {"Open", "Options", "Exit"}, {"&Open", "O&ptions", "&Exit"}},
      {"marks kept", {"Save As", "&Save", "Sort"}, {"Save &As", "&Save", "S&ort"}},
      {"words first", {"Zoom In", "Zoom Out", "Zoom"}, {"&Zoom In", "Zoom &Out", "Zoo&m"}},
      {"lines skipped", {"-", "Copy", "-", "Cut"}, {"-", "&Copy", "-", "C&ut"}},
      {"ampersands", {"Fish && Chips"}, {"&Fish && Chips"}},
      {"digits", {"1 item", "1 more"}, {"&1 item", "1 &more"}},
      {"nothing free", {"A", "a", "Ab"}, {"&A", "a", "A&b"}},
      {"control menu",
       {"Mi&nimize", "Ma&ximize/Restore", "-", "&Close"},
       {"Mi&nimize", "Ma&ximize/Restore", "-", "&Close"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Menu()->Items()->Clear();
    for (const String& caption : c.Captions) Item(Menu()->Items(), caption);
    Menu()->RethinkHotkeys();
    std::vector<String> captions;
    for (int i = 0; i < Menu()->Items()->Count(); ++i) captions.push_back(Menu()->Items()->Items(i)->Caption());
    EXPECT_EQ(captions, c.Expected);
  }
  // Manual: captions stay as written.
  Menu()->Items()->Clear();
  Menu()->SetAutoHotkeys(TMenuAutoFlag::maManual);
  Item(Menu()->Items(), "Open");
  Menu()->RethinkHotkeys();
  EXPECT_EQ(Menu()->Items()->Items(0)->Caption(), "Open");
}

TEST_F(MenuItems, HiddenItemsAndSpareLinesAreLeftOutOfThePopup) {
  Menu()->SetAutoHotkeys(TMenuAutoFlag::maManual);
  TMenuItem* root = Menu()->Items();
  for (const char* caption : {"-", "Cut", "-", "Hidden", "-", "Paste", "-"}) Item(root, caption);
  root->Items(3)->SetVisible(false);
  EXPECT_EQ(EntryTexts(Menu()->Handle()), (std::vector<std::string>{"Cut", "-", "Paste"}));
  Menu()->SetAutoLineReduction(TMenuAutoFlag::maManual);
  EXPECT_EQ(EntryTexts(Menu()->Handle()), (std::vector<std::string>{"-", "Cut", "-", "-", "Paste", "-"}));
  // A shortcut is shown after a tab; changes reach the handle when next asked for.
  root->Items(5)->SetShortCut(ShortCut('V', kCtrl));
  root->Items(3)->SetVisible(true);
  EXPECT_EQ(EntryTexts(Menu()->Handle()),
            (std::vector<std::string>{"-", "Cut", "-", "Hidden", "-", "Paste\tCtrl+V", "-"}));
}

TEST_F(MenuItems, AnActionDrivesItsItems) {
  auto* action = new TAction(Menu());
  action->SetCaption("&Save");
  action->SetHint("Saves the file");
  action->SetShortCut(ShortCut('S', kCtrl));
  action->SetImageIndex(3);
  action->SetChecked(true);
  int executed = 0;
  action->OnExecute = [&executed](TObject*) { ++executed; };
  TMenuItem* first = Item(Menu()->Items(), "");
  TMenuItem* second = Item(Menu()->Items(), "");
  int clicked = 0;
  second->OnClick = [&clicked](TObject*) { ++clicked; };
  for (TMenuItem* item : {first, second}) item->SetAction(action);

  auto shows = [](TMenuItem* item) {
    return item->Caption() + "|" + item->Hint() + "|" + ShortCutToText(item->ShortCut()) + "|" +
           std::to_string(item->ImageIndex()) + "|" + (item->Checked() ? "checked" : "") + "|" +
           (item->Enabled() ? "enabled" : "") + "|" + (item->Visible() ? "visible" : "");
  };
  EXPECT_EQ(shows(first), "&Save|Saves the file|Ctrl+S|3|checked|enabled|visible");
  action->SetEnabled(false);
  action->SetChecked(false);
  action->SetCaption("Save &All");
  action->SetVisible(false);
  EXPECT_EQ(shows(second), "Save &All|Saves the file|Ctrl+S|3|||");

  // The click runs the action, not OnClick; a disabled action does not run.
  action->SetEnabled(true);
  second->Click();
  EXPECT_EQ(executed, 1);
  EXPECT_EQ(clicked, 0);
  action->SetEnabled(false);
  second->Click();
  EXPECT_EQ(executed, 1);

  // The update pass asks the action.
  int updates = 0;
  action->OnUpdate = [&updates](TObject*) { ++updates; };
  Menu()->UpdateItems();
  EXPECT_EQ(updates, 2);

  // An action deleted leaves the item as it was, running OnClick again.
  delete action;
  EXPECT_EQ(second->Action(), nullptr);
  EXPECT_EQ(second->Caption(), "Save &All");
  second->SetEnabled(true);
  second->Click();
  EXPECT_EQ(clicked, 1);
}

TEST_F(MenuItems, ChangesReachTheMenusOnChange) {
  std::vector<std::string> log;
  Menu()->OnChange = [this, &log](TObject* Sender, TMenuItem* Source, bool Rebuild) {
    EXPECT_EQ(Sender, Menu());
    log.push_back((Source ? Source->Caption() : String("menu")) + (Rebuild ? " rebuild" : " look"));
  };
  TMenuItem* edit = Item(Menu()->Items(), "Edit");
  TMenuItem* undo = Item(edit, "Undo");
  undo->SetEnabled(false);
  undo->SetCaption("Undo typing");
  undo->SetCaption("Undo typing");  // no change, no notice
  auto* images = new TImageList(Menu());
  Menu()->SetImages(images);
  images->SetSize(20, 20);
  delete images;
  EXPECT_EQ(Menu()->Images(), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"Edit rebuild", "Undo rebuild", "Undo look", "Undo typing rebuild",
                                           "menu rebuild", "menu rebuild", "menu rebuild"}));
}

}  // namespace
}  // namespace uitest
