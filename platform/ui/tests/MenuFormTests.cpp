// Menus on a form in the headless display: the menu bar opened with the
// mouse and with Alt and a mnemonic, walked with the arrow keys, chosen,
// dismissed; shortcuts that fire without any menu window; popup menus by
// right click and by Popup(X, Y); a tool bar beside them whose buttons
// click an item and drop a popup menu down; an owner-drawn popup against its
// reference picture. The form comes from its layout.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/TBrush.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/LayoutError.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TToolBar.h"
#include "platform/ui/TToolButton.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/ui/tests/ReferencePicture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Menus.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"

namespace uitest {
namespace {

using Log = std::vector<std::string>;

class TfmMenus : public TForm {
 public:
  explicit TfmMenus(TComponent* AOwner) : TForm(AOwner) {
    TLayoutHandlers handlers;
    handlers.RegisterHandler("ItemClick", this, &TfmMenus::ItemClick);
    handlers.RegisterHandler("PopupPopup", this, &TfmMenus::PopupPopup);
    CreateFromLayout("MenuForm", handlers);
  }

  template <typename T = TMenuItem>
  T* Part(const char* Name) const {
    return dynamic_cast<T*>(FindComponent(Name));
  }

  Log Clicks;

 private:
  void ItemClick(TObject* Sender) { Clicks.push_back(dynamic_cast<TComponent*>(Sender)->Name()); }
  void PopupPopup(TObject*) { Clicks.push_back("(popup)"); }
};

TPoint Middle(const RECT& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// Takes a picture of a menu window once it has painted what the input
// queued before Arm did: the menu loop's message filter sees the paint,
// queues an Escape, and takes the picture when the Escape arrives (the
// paint being done), which then closes the menu.
class TakePictureAfterPaint {
 public:
  TakePictureAfterPaint() { FHook = SetWindowsHookExA(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId()); }
  ~TakePictureAfterPaint() {
    UnhookWindowsHookEx(FHook);
    Current = nullptr;
  }
  TakePictureAfterPaint(const TakePictureAfterPaint&) = delete;
  TakePictureAfterPaint& operator=(const TakePictureAfterPaint&) = delete;

  void Arm(HWND Window) {
    FWindow = Window;
    Current = this;
  }
  const std::unique_ptr<Bitmap>& Picture() const { return FPicture; }

 private:
  static LRESULT Filter(int Code, WPARAM WParam, LPARAM LParam) {
    const auto* msg = reinterpret_cast<const MSG*>(LParam);
    TakePictureAfterPaint* self = Current;
    if (self && Code == MSGF_MENU && msg) {
      if (!self->FPainted && msg->message == WM_PAINT && msg->hwnd == self->FWindow) {
        self->FPainted = true;
        InjectKeyPress(VK_ESCAPE);
      } else if (self->FPainted && !self->FPicture && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        self->FPicture = WindowPicture(self->FWindow);
      }
    }
    return CallNextHookEx(nullptr, Code, WParam, LParam);
  }

  static inline TakePictureAfterPaint* Current = nullptr;
  HHOOK FHook = nullptr;
  HWND FWindow = nullptr;
  bool FPainted = false;
  std::unique_ptr<Bitmap> FPicture;
};

class MenuForms : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new TfmMenus(Application);
    FForm->Show();
    Pump();
  }

  TfmMenus* Form() const { return FForm; }
  TMainMenu* Bar() const { return FForm->Part<TMainMenu>("MainMenu"); }
  TPopupMenu* Popup() const { return FForm->Part<TPopupMenu>("Popup"); }

  // Where the bar's item lies on the screen.
  TPoint BarItem(int Index) const {
    RECT r{};
    EXPECT_TRUE(GetMenuItemRect(FForm->Handle(), Bar()->Handle(), Index, &r));
    return Middle(r);
  }
  // Where an item of an open popup lies on the screen.
  TPoint OpenItem(const char* Name) const {
    TMenuItem* item = FForm->Part(Name);
    RECT r{};
    EXPECT_TRUE(GetMenuItemRect(FForm->Handle(), item->Parent()->Handle(), item->MenuIndex(), &r)) << Name;
    return Middle(r);
  }

  friend void ExpectPopupPicture(MenuForms& Test, TPopupMenu* Menu, int Downs, const std::string& Reference);

  // Runs Steps once the menu loop that Start begins has shown its menu
  // window: Steps injects what the user does in it. Answers the windows
  // the menu loops showed.
  std::vector<HWND> WhileMenuOpen(const std::function<void()>& Start, const std::function<void(HWND)>& Steps) {
    std::vector<HWND> windows;
    Display().SetModalHook([&windows, &Steps](HWND window) {
      windows.push_back(window);
      Steps(window);
    });
    Start();
    Pump();
    Display().SetModalHook(nullptr);
    return windows;
  }

  // Whether any of the menu windows is still on show.
  static bool AnyShown(const std::vector<HWND>& Windows) {
    for (HWND window : Windows)
      if (IsWindow(window) && IsWindowVisible(window)) return true;
    return false;
  }

 private:
  TfmMenus* FForm = nullptr;
};

TEST_F(MenuForms, TheLayoutDeclaresTheMenusTheirItemsAndTheirPlaces) {
  TfmMenus* form = Form();
  ASSERT_TRUE(Bar());
  EXPECT_EQ(form->Menu(), Bar());
  EXPECT_EQ(GetMenu(form->Handle()), Bar()->Handle());
  EXPECT_EQ(form->Part<TCustomEdit>("Pad")->PopupMenu(), Popup());
  EXPECT_EQ(GetMenuItemCount(Bar()->Handle()), 2);
  EXPECT_EQ(Bar()->Items()->Items(0), form->Part("miFile"));
  EXPECT_EQ(form->Part("miRecent")->Parent(), form->Part("miFile"));
  EXPECT_EQ(form->Part("miNew")->ShortCut(), ShortCut('N', TShiftState{TShiftStateItem::ssCtrl}));
  EXPECT_EQ(form->Part("miRefresh")->ShortCut(), ShortCut(VK_F5, {}));
  EXPECT_FALSE(form->Part("miLocked")->Enabled());
  EXPECT_TRUE(form->Part("miSmall")->Checked());
  EXPECT_TRUE(form->Part("miLarge")->RadioItem());
  EXPECT_EQ(form->Part("miLarge")->GroupIndex(), 1);
  EXPECT_TRUE(form->Part("miRefresh")->Default());
  EXPECT_EQ(form->Part("miRefresh")->Hint(), "Reads it again");
  EXPECT_EQ(form->Part("miRefresh")->ImageIndex(), 2);
  EXPECT_EQ(Popup()->Items()->Count(), 2);
  // The bar takes room from the client area: the client keeps its size.
  EXPECT_EQ(form->ClientHeight(), 160);
}

TEST_F(MenuForms, LayoutsRefuseBadShortCutsAndMenusOfTheWrongKind) {
  struct Case {
    const char* Name;
    const char* Text;
    const char* Message;
  };
  const Case cases[] = {
      {"unknown key",
       R"({"Components": [{"Class": "TMainMenu", "Name": "M", "Components": [
            {"Class": "TMenuItem", "Name": "mi", "ShortCut": "Ctrl+Banana"}]}]})",
       "Error reading mi.ShortCut in layout Broken: 'Ctrl+Banana' is not a valid shortcut"},
      {"popup as menu bar", R"({"Menu": "P", "Components": [{"Class": "TPopupMenu", "Name": "P"}]})",
       "Error reading fmBroken.Menu in layout Broken: Component P is not of a class the property takes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* form = new TForm(Application);
    form->SetName("fmBroken");
    try {
      ReadLayoutText(*form, c.Text, "Broken", {});
      ADD_FAILURE() << "read without error";
    } catch (const ELayoutError& error) {
      EXPECT_EQ(error.Message(), c.Message);
    }
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(form->ComponentCount(), 0);
    delete form;
  }
}

TEST_F(MenuForms, TheMouseOpensTheBarAndChoosesOnce) {
  const std::vector<HWND> windows =
      WhileMenuOpen([&] { InjectClick(BarItem(0)); }, [&](HWND) { InjectClick(OpenItem("miNew")); });
  EXPECT_EQ(windows.size(), 1u);
  EXPECT_EQ(Form()->Clicks, (Log{"miFile", "miNew"}));
  EXPECT_FALSE(AnyShown(windows));
  // Nothing more comes later.
  Pump();
  EXPECT_EQ(Form()->Clicks, (Log{"miFile", "miNew"}));
}

TEST_F(MenuForms, AltAndAMnemonicOpenTheBarAndTheArrowsWalkIntoASubmenuAndBack) {
  const std::vector<HWND> windows = WhileMenuOpen([&] { InjectKeyPress('F', {VK_MENU}); },
                                                  [&](HWND) {
                                                    // New is highlighted; Recent opens and closes again;
                                                    // Locked is passed; the line is skipped.
                                                    for (UINT key : {VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_DOWN})
                                                      InjectKeyPress(key);
                                                    InjectKeyPress(VK_RETURN);
                                                  });
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(Form()->Clicks, (Log{"miFile", "miRecent", "miExit"}));
  EXPECT_FALSE(AnyShown(windows));

  // Into the submenu and choosing there, by keys and by mnemonic.
  Form()->Clicks.clear();
  WhileMenuOpen([&] { InjectKeyPress('F', {VK_MENU}); },
                [&](HWND) {
                  for (UINT key : {VK_DOWN, VK_RIGHT, VK_DOWN}) InjectKeyPress(key);
                  InjectKeyPress(VK_RETURN);
                });
  WhileMenuOpen([&] { InjectKeyPress('V', {VK_MENU}); }, [&](HWND) { InjectKeyPress('L'); });
  EXPECT_EQ(Form()->Clicks, (Log{"miFile", "miRecent", "miSecond", "miView", "miLarge"}));
  // Large was checked by its click and Small unchecked as its group says.
  EXPECT_TRUE(Form()->Part("miLarge")->Checked());
  EXPECT_FALSE(Form()->Part("miSmall")->Checked());
}

TEST_F(MenuForms, TheHighlightedItemsHintBecomesTheApplicationsHint) {
  std::vector<std::string> hints;
  Application->OnHint = [&hints](TObject*) { hints.push_back(Application->Hint()); };
  Form()->Part("miLarge")->SetHint("Large icons|Shows large icons");
  WhileMenuOpen([&] { InjectKeyPress('V', {VK_MENU}); },
                [&](HWND) {
                  // Small (no hint), Large, Refresh; then out of the menu.
                  for (UINT key : {VK_DOWN, VK_DOWN, VK_ESCAPE, VK_ESCAPE}) InjectKeyPress(key);
                });
  EXPECT_EQ(hints, (std::vector<std::string>{"Shows large icons", "Reads it again", ""}));
  Application->OnHint = nullptr;
}

TEST_F(MenuForms, EscapeAndAClickOutsideCloseWithoutAChoice) {
  struct Case {
    const char* Name;
    std::function<void()> Dismiss;
  };
  const Case cases[] = {
      // The first Escape closes the popup, the second leaves the bar.
      {"escape", [] { InjectKeyPress(VK_ESCAPE), InjectKeyPress(VK_ESCAPE); }},
      {"click outside",
       [] {
         InjectClick({900, 650});
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Form()->Clicks.clear();
    Clock().Advance(1000);  // two clicks on the bar, not a double click
    const std::vector<HWND> windows = WhileMenuOpen([&] { InjectClick(BarItem(1)); }, [&](HWND) { c.Dismiss(); });
    EXPECT_EQ(Form()->Clicks, Log{"miView"});
    EXPECT_FALSE(AnyShown(windows));
    // The form takes keys as before: the menu loop is over.
    InjectKeyPress(VK_F5);
    Pump();
    EXPECT_EQ(Form()->Clicks, (Log{"miView", "miRefresh"}));
  }
}

TEST_F(MenuForms, ADisabledItemCannotBeChosen) {
  const std::vector<HWND> windows = WhileMenuOpen([&] { InjectClick(BarItem(0)); },
                                                  [&](HWND) {
                                                    InjectClick(OpenItem("miLocked"));
                                                    InjectKeyPress(VK_RETURN);
                                                    // Still open: Escape twice ends it.
                                                    InjectKeyPress(VK_ESCAPE);
                                                    InjectKeyPress(VK_ESCAPE);
                                                  });
  EXPECT_EQ(Form()->Clicks, Log{"miFile"});
  EXPECT_FALSE(AnyShown(windows));
  // Nor run by its shortcut.
  InjectKeyPress('L', {VK_CONTROL});
  Pump();
  EXPECT_EQ(Form()->Clicks, Log{"miFile"});
}

TEST_F(MenuForms, ShortCutsFireTheirItemsWithoutOpeningAMenu) {
  std::vector<std::string> keys;
  Form()->Part<TCustomEdit>("Pad")->OnKeyDown = [&keys](TObject*, Word& Key, TShiftState) {
    keys.push_back(std::to_string(Key));
  };
  Display().SetModalHook([](HWND) { ADD_FAILURE() << "a menu window opened"; });
  InjectKeyPress('N', {VK_CONTROL});  // the bar's
  InjectKeyPress(VK_F5);              // the bar's, in a submenu of another item
  InjectKeyPress('X', {VK_CONTROL});  // the focused control's popup menu's
  InjectKeyPress('Q', {VK_CONTROL});  // nobody's: an ordinary key
  Pump();
  Display().SetModalHook(nullptr);
  EXPECT_EQ(Form()->Clicks, (Log{"miNew", "miRefresh", "miCut"}));
  // Keys that are nobody's shortcut reach the control: Ctrl itself each time, and Q.
  const std::string ctrl = std::to_string(VK_CONTROL);
  EXPECT_EQ(keys, (std::vector<std::string>{ctrl, ctrl, ctrl, std::to_string('Q')}));
  EXPECT_TRUE(Display().ModalWindows().empty());

  // The form's OnShortCut comes first and may take the key.
  Form()->OnShortCut = [](TWMKey& Msg, bool& Handled) { Handled = Msg.CharCode == 'N'; };
  InjectKeyPress('N', {VK_CONTROL});
  InjectKeyPress(VK_F5);
  Pump();
  EXPECT_EQ(Form()->Clicks, (Log{"miNew", "miRefresh", "miCut", "miRefresh"}));
}

TEST_F(MenuForms, APopupMenuOpensOnARightClickAndAtAPoint) {
  TCustomEdit* pad = Form()->Part<TCustomEdit>("Pad");
  const std::vector<HWND> windows = WhileMenuOpen(
      [&] {
        InjectClick(OnScreen(pad, {10, 10}), MouseButton::Right);
      },
      [&](HWND) { InjectClick(OpenItem("miPaste")); });
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(Form()->Clicks, (Log{"(popup)", "miPaste"}));
  EXPECT_EQ(Popup()->PopupComponent(), pad);
  EXPECT_FALSE(AnyShown(windows));

  // At a point, chosen with the keyboard; aligned by its right edge.
  Form()->Clicks.clear();
  Popup()->SetAlignment(TPopupAlignment::paRight);
  RECT shown{};
  WhileMenuOpen([&] { Popup()->Popup(500, 300); },
                [&](HWND window) {
                  GetWindowRect(window, &shown);
                  InjectKeyPress(VK_DOWN);
                  InjectKeyPress(VK_RETURN);
                });
  EXPECT_EQ(Form()->Clicks, (Log{"(popup)", "miCut"}));
  EXPECT_EQ(shown.Right, 500);
  EXPECT_EQ(shown.Top, 300);

  // Without AutoPopup a right click shows nothing.
  Form()->Clicks.clear();
  Popup()->SetAutoPopup(false);
  EXPECT_TRUE(WhileMenuOpen(
                  [&] {
                    InjectClick(OnScreen(pad, {10, 10}), MouseButton::Right);
                  },
                  [](HWND) { InjectKeyPress(VK_ESCAPE); })
                  .empty());
  EXPECT_EQ(Form()->Clicks, Log{});
}

TEST_F(MenuForms, ToolButtonsBesideTheMenusClickAnItemAndDropThePopupDown) {
  auto* newButton = Form()->Part<TToolButton>("tbNew");
  auto* editButton = Form()->Part<TToolButton>("tbEdit");
  ASSERT_TRUE(newButton && editButton);
  EXPECT_EQ(newButton->Caption(), "&New");  // from its item

  // A button tied to an item without sub-items clicks the item, once.
  EXPECT_TRUE(WhileMenuOpen(
                  [&] {
                    InjectClick(OnScreen(newButton, {5, 5}));
                  },
                  [](HWND) { InjectKeyPress(VK_ESCAPE); })
                  .empty());
  EXPECT_EQ(Form()->Clicks, Log{"miNew"});

  // The arrow part drops the popup menu down below the button.
  Form()->Clicks.clear();
  RECT shown{};
  const std::vector<HWND> windows = WhileMenuOpen(
      [&] {
        InjectClick(OnScreen(editButton, {editButton->Width() - 4, 5}));
      },
      [&](HWND window) {
        GetWindowRect(window, &shown);
        InjectClick(OpenItem("miPaste"));
      });
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(Form()->Clicks, (Log{"(popup)", "miPaste"}));
  EXPECT_EQ(shown.Top, OnScreen(editButton, {0, editButton->Height()}).Y);
  EXPECT_FALSE(AnyShown(windows));
}

// An owner-drawn popup menu of the form with these captions.
TPopupMenu* OwnerDrawnMenu(TForm* Form, std::initializer_list<const char*> Captions) {
  auto* menu = new TPopupMenu(Form);
  menu->SetOwnerDraw(true);
  menu->SetAutoHotkeys(TMenuAutoFlag::maManual);
  for (const char* caption : Captions) {
    auto* item = new TMenuItem(Form);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  return menu;
}

// Pops Menu up, presses Down Downs times, and compares the menu window, once
// painted, with the reference picture Reference; Escape closes it.
void ExpectPopupPicture(MenuForms& Test, TPopupMenu* Menu, int Downs, const std::string& Reference) {
  TakePictureAfterPaint take;
  Test.WhileMenuOpen([&] { Menu->Popup(200, 150); },
                     [&](HWND window) {
                       take.Arm(window);
                       for (int i = 0; i < Downs; ++i) InjectKeyPress(VK_DOWN);
                     });
  const std::unique_ptr<Bitmap>& shot = take.Picture();
  ASSERT_TRUE(shot);
  const plat::testing::TPictureMatch match =
      plat::testing::MatchReference(*shot, plat::testing::TestDataDir() + "/" + Reference + ".png", 24);
  // A few pixels may differ where anti-aliased text rounds otherwise.
  const bool close = match.Loaded && match.Differing * 1000 <= shot->Width() * shot->Height();
  if (!close) {
    ADD_FAILURE() << Reference << " does not match (" << match.Differing << " pixels differ, loaded " << match.Loaded
                  << "); the picture is kept in " << plat::testing::KeepForInspection(*shot, Reference + ".actual.png");
  }
}

TEST_F(MenuForms, AnOwnerDrawnPopupMeasuresAndDrawsItsItemsThroughItsHandlers) {
  TPopupMenu* menu = OwnerDrawnMenu(Form(), {"Red", "-", "Green", "Blue"});
  const TColor stripes[] = {clYellow, clAqua, clLime};
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    TMenuItem* item = menu->Items()->Items(i);
    const TColor stripe = stripes[i % 3];
    item->OnMeasureItem = [](TObject* Sender, TCanvas*, int& Width, int& Height) {
      Width = 90;
      Height = static_cast<TMenuItem*>(Sender)->IsLine() ? 6 : 20;
    };
    item->OnDrawItem = [stripe](TObject* Sender, TCanvas* Canvas, TRect Rect, bool Selected) {
      const auto* self = static_cast<TMenuItem*>(Sender);
      Canvas->Brush()->SetColor(self->IsLine() ? clBlack : Selected ? clNavy : stripe);
      Canvas->FillRect(Rect);
      if (self->IsLine()) return;
      Canvas->Brush()->SetColor(clRed);
      Canvas->FillRect({Rect.Left + 4, Rect.Top + 4, Rect.Left + 16, Rect.Bottom - 4});
      Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
      Canvas->Font()->SetColor(Selected ? clWhite : clBlack);
      Canvas->TextOut(Rect.Left + 22, Rect.Top + 3, self->Caption());
    };
  }
  // Green highlighted: Down passes the line.
  ExpectPopupPicture(*this, menu, 2, "OwnerDrawnPopup");
  EXPECT_EQ(Form()->Clicks, Log{});
}

TEST_F(MenuForms, AnOwnerDrawnItemIsChosenByItsLetter) {
  TPopupMenu* menu = OwnerDrawnMenu(Form(), {"&Open", "&Wrap", "-", "&Save", "&Send", "&Close"});
  std::vector<String> chosen;
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    TMenuItem* item = menu->Items()->Items(i);
    item->OnClick = [&chosen, item](TObject*) { chosen.push_back(item->Caption()); };
  }
  // One item with the letter is chosen at once.
  WhileMenuOpen([&] { menu->Popup(200, 150); }, [](HWND) { InjectKeyPress('C'); });
  EXPECT_EQ(chosen, std::vector<String>{"&Close"});
  // Two with it: the letter selects the next of them, Enter chooses.
  chosen.clear();
  WhileMenuOpen([&] { menu->Popup(200, 150); },
                [](HWND) {
                  InjectKeyPress('S');
                  InjectKeyPress(VK_RETURN);
                });
  EXPECT_EQ(chosen, std::vector<String>{"&Save"});
  chosen.clear();
  WhileMenuOpen([&] { menu->Popup(200, 150); },
                [](HWND) {
                  InjectKeyPress('S');
                  InjectKeyPress('S');
                  InjectKeyPress(VK_RETURN);
                });
  EXPECT_EQ(chosen, std::vector<String>{"&Send"});
  // A letter no item has chooses nothing.
  chosen.clear();
  WhileMenuOpen([&] { menu->Popup(200, 150); },
                [](HWND) {
                  InjectKeyPress('Q');
                  InjectKeyPress(VK_ESCAPE);
                });
  EXPECT_TRUE(chosen.empty());
}

TEST_F(MenuForms, OwnerDrawnItemsWithoutHandlersHaveTheStandardLook) {
  TPopupMenu* menu = OwnerDrawnMenu(Form(), {"Open", "Wrap", "-", "Save", "Close"});
  TMenuItem* root = menu->Items();
  root->Items(0)->SetShortCut(ShortCut('O', TShiftState{TShiftStateItem::ssCtrl}));
  root->Items(1)->SetChecked(true);
  root->Items(3)->SetEnabled(false);
  root->Items(4)->SetDefault(true);
  // Open highlighted.
  ExpectPopupPicture(*this, menu, 1, "OwnerDrawnStandard");
}

}  // namespace
}  // namespace uitest
