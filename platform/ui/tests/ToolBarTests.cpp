// The tool bar and its buttons on the headless display: where the bar puts
// its buttons, what clicks do to push, check and grouped buttons, what the
// bar draws and what custom-draw handlers are told and may take over, and
// tool bars declared in layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TToolBar.h"
#include "platform/ui/TToolButton.h"
#include "platform/ui/tests/ReferencePicture.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Menus.h"
#include "platform/win/VirtualKeys.h"

namespace plat::testing {
namespace {

using Picture = std::vector<std::string>;

// The classic scheme: W highlight, F face, S shadow, D dark shadow, K text,
// H the selection highlight, r red, b blue.
const std::map<COLORREF, char> kScheme{{RGB(255, 255, 255), 'W'}, {RGB(212, 208, 200), 'F'},
                                       {RGB(128, 128, 128), 'S'}, {RGB(64, 64, 64), 'D'},
                                       {RGB(0, 0, 0), 'K'},       {RGB(255, 0, 0), 'r'},
                                       {RGB(0, 0, 255), 'b'},     {ColorToColorRef(clHighlight), 'H'}};

Picture AsPicture(const Bitmap& Bits, TRect Area) {
  Picture rows;
  for (int y = Area.Top; y < Area.Bottom; ++y) {
    std::string row;
    for (int x = Area.Left; x < Area.Right; ++x) {
      const auto it = kScheme.find(ColorRefFromPixel(Bits.At(x, y)) & 0xFFFFFF);
      row += it == kScheme.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

// A picture written one row per line, after a first line break.
Picture Rows(const std::string& Text) {
  Picture rows;
  std::size_t at = Text.find('\n') + 1;
  while (at < Text.size()) {
    const std::size_t end = std::min(Text.find('\n', at), Text.size());
    rows.push_back(Text.substr(at, end - at));
    at = end + 1;
  }
  return rows;
}

class ToolBars : public StdControlsTest {
 protected:
  void TearDown() override {
    Display().SetModalHook(nullptr);
    StdControlsTest::TearDown();
  }
  TToolBar* MakeBar(int Width = 200) {
    TToolBar* bar = new TToolBar(Form());
    bar->SetParent(Form());
    bar->SetAlign(TAlign::alNone);
    bar->SetBounds(10, 10, Width, 29);
    return bar;
  }
  TToolButton* AddButton(TToolBar* Bar, const String& Caption = "",
                         TToolButtonStyle Style = TToolButtonStyle::tbsButton) {
    TToolButton* button = new TToolButton(Form());
    button->SetStyle(Style);
    button->SetCaption(Caption);
    button->SetParent(Bar);
    return button;
  }
  TPoint Middle(TControl* Control) { return OnScreen(Control, {Control->Width() / 2, Control->Height() / 2}); }
  void Click(TControl* Control) {
    InjectClick(Middle(Control));
    Pump();
    Clock().Advance(1000);  // the next click is no double click
  }
  // The size of a caption in the bar's font, as DrawText measures it.
  static TSize TextSize(TToolBar* Bar, const String& Text) {
    TFontMeasure measure(Bar->Font());
    RECT r{0, 0, 0, 0};
    DrawText(measure.DC(), Text.c_str(), static_cast<int>(Text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Width(), r.Height()};
  }
  // A list of 16 x 16 pictures, one per colour.
  TImageList* MakeImages(std::initializer_list<TColor> Colors) {
    TImageList* images = new TImageList(Form());
    for (TColor c : Colors) {
      TBitmap picture;
      picture.SetSize(16, 16);
      picture.Canvas()->Brush()->SetColor(c);
      picture.Canvas()->FillRect({0, 0, 16, 16});
      images->Add(&picture, nullptr);
    }
    return images;
  }
};

std::vector<TRect> BoundsOf(TToolBar* Bar) {
  std::vector<TRect> all;
  for (int i = 0; i < Bar->ButtonCount(); ++i) all.push_back(Bar->Buttons(i)->BoundsRect());
  return all;
}

TEST_F(ToolBars, LayOutButtonsInIndexOrder) {
  using S = TToolButtonStyle;
  struct Case {
    const char* Name;
    int Width;
    std::vector<S> Styles;
    std::function<void(TToolBar*, std::vector<TToolButton*>&)> Setup;
    std::vector<TRect> Expected;
    int Rows;
  };
  const auto none = [](TToolBar*, std::vector<TToolButton*>&) {};
  const Case cases[] = {
      {"one row",
       200,
       {S::tbsButton, S::tbsButton, S::tbsButton},
       none,
       {Bounds(0, 0, 23, 22), Bounds(23, 0, 23, 22), Bounds(46, 0, 23, 22)},
       1},
      {"indent, separator and divider",
       200,
       {S::tbsButton, S::tbsSeparator, S::tbsButton, S::tbsDivider},
       [](TToolBar* bar, auto&) { bar->SetIndent(5); },
       {Bounds(5, 0, 23, 22), Bounds(28, 0, 8, 22), Bounds(36, 0, 23, 22), Bounds(59, 0, 8, 22)},
       1},
      {"a separator keeps its own width",
       200,
       {S::tbsButton, S::tbsSeparator, S::tbsButton},
       [](TToolBar*, auto& b) { b[1]->SetWidth(20); },
       {Bounds(0, 0, 23, 22), Bounds(23, 0, 20, 22), Bounds(43, 0, 23, 22)},
       1},
      {"wrap ends the row",
       200,
       {S::tbsButton, S::tbsButton, S::tbsButton},
       [](TToolBar*, auto& b) { b[0]->SetWrap(true); },
       {Bounds(0, 0, 23, 22), Bounds(0, 22, 23, 22), Bounds(23, 22, 23, 22)},
       2},
      {"a full row wraps",
       60,
       {S::tbsButton, S::tbsButton, S::tbsButton},
       none,
       {Bounds(0, 0, 23, 22), Bounds(23, 0, 23, 22), Bounds(0, 22, 23, 22)},
       2},
      {"not wrapable: one row",
       60,
       {S::tbsButton, S::tbsButton, S::tbsButton},
       [](TToolBar* bar, auto&) { bar->SetWrapable(false); },
       {Bounds(0, 0, 23, 22), Bounds(23, 0, 23, 22), Bounds(46, 0, 23, 22)},
       1},
      {"hidden buttons take no room; button size",
       200,
       {S::tbsButton, S::tbsButton, S::tbsDropDown},
       [](TToolBar* bar, auto& b) {
         b[0]->SetVisible(false);  // it keeps the place it had
         bar->SetButtonWidth(30);
         bar->SetButtonHeight(25);
       },
       {Bounds(0, 0, 23, 22), Bounds(0, 0, 30, 25), Bounds(30, 0, 42, 25)},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TToolBar* bar = MakeBar(c.Width);
    std::vector<TToolButton*> buttons;
    for (S style : c.Styles) buttons.push_back(AddButton(bar, "", style));
    c.Setup(bar, buttons);
    EXPECT_EQ(BoundsOf(bar), c.Expected);
    EXPECT_EQ(bar->RowCount(), c.Rows);
    for (int i = 0; i < bar->ButtonCount(); ++i) EXPECT_EQ(bar->Buttons(i)->Index(), i);
    delete bar;  // and its buttons
  }
}

TEST_F(ToolBars, CaptionsAndImagesSizeTheButtons) {
  struct Case {
    const char* Name;
    bool List;
    bool Images;
  };
  const Case cases[] = {{"caption below the image", false, true},
                        {"caption beside the image", true, true},
                        {"caption only", false, false},
                        {"caption only, list", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TToolBar* bar = MakeBar(400);
    bar->SetShowCaptions(true);
    bar->SetList(c.List);
    if (c.Images) bar->SetImages(MakeImages({clRed}));
    TToolButton* longer = AddButton(bar, "&Longer caption");
    TToolButton* shorter = AddButton(bar, "Go");
    TToolButton* fitted = AddButton(bar, "Go");
    fitted->SetAutoSize(true);
    const TSize text = TextSize(bar, "Longer caption");
    const TSize go = TextSize(bar, "Go");
    const int image = c.Images ? 16 : 0;
    const int gapBeside = c.Images ? 4 : 0;
    const int gapBelow = c.Images ? 2 : 0;
    const int wide = c.List ? image + gapBeside + text.cx + 7 : std::max(image, text.cx) + 7;
    const int fit = c.List ? image + gapBeside + go.cx + 7 : std::max({image, go.cx}) + 7;
    const int high = std::max(22, c.List ? std::max(image, text.cy) + 6 : image + gapBelow + text.cy + 6);
    EXPECT_EQ(longer->BoundsRect(), Bounds(0, 0, std::max(23, wide), high));
    EXPECT_EQ(shorter->BoundsRect(), Bounds(std::max(23, wide), 0, std::max(23, wide), high));
    EXPECT_EQ(fitted->BoundsRect(), Bounds(2 * std::max(23, wide), 0, fit, high));
    delete bar;
  }
}

TEST_F(ToolBars, AutoSizeMakesTheBarAsHighAsItsRows) {
  TToolBar* bar = MakeBar(60);
  bar->SetAutoSize(true);
  for (int i = 0; i < 3; ++i) AddButton(bar);
  Pump();
  // Two rows of 22 and the top edge of two rings.
  EXPECT_EQ(bar->Height(), 2 * 22 + 2);
  EXPECT_EQ(bar->ClientHeight(), 44);
  bar->SetWidth(100);
  EXPECT_EQ(bar->RowCount(), 1);
  EXPECT_EQ(bar->Height(), 24);
  bar->SetEdgeBorders({});
  EXPECT_EQ(bar->Height(), 22);
  EXPECT_EQ(bar->ClientHeight(), 22);
}

TEST_F(ToolBars, ButtonsLeaveTheBarWhenFreedAndGoWithIt) {
  TToolBar* bar = MakeBar();
  TToolButton* a = AddButton(bar);
  TToolButton* b = AddButton(bar);
  b->SetName("tbLast");
  delete a;
  ASSERT_EQ(bar->ButtonCount(), 1);
  EXPECT_EQ(bar->Buttons(0), b);
  EXPECT_EQ(b->Left(), 0);
  EXPECT_THROW(bar->Buttons(1), EListError);
  EXPECT_THROW(bar->Buttons(-1), EListError);
  b->SetParent(Form());  // taken off the bar, it is no button of it
  EXPECT_EQ(bar->ButtonCount(), 0);
  EXPECT_EQ(b->Index(), -1);
  b->SetParent(bar);
  delete bar;
  EXPECT_EQ(Form()->FindComponent("tbLast"), nullptr);
}

TEST_F(ToolBars, ClicksCheckButtonsAndGroups) {
  using S = TToolButtonStyle;
  TToolBar* bar = MakeBar();
  TToolButton* push = AddButton(bar);
  TToolButton* check = AddButton(bar, "", S::tbsCheck);
  TToolButton* g1 = AddButton(bar, "", S::tbsCheck);
  TToolButton* g2 = AddButton(bar, "", S::tbsCheck);
  TToolButton* g3 = AddButton(bar, "", S::tbsCheck);
  AddButton(bar, "", S::tbsSeparator);
  TToolButton* other = AddButton(bar, "", S::tbsCheck);  // past the separator: another group
  TToolButton* disabled = AddButton(bar);
  for (TToolButton* g : {g1, g2, g3, other}) g->SetGrouped(true);
  disabled->SetEnabled(false);
  Pump();
  std::map<TToolButton*, int> clicks;
  for (int i = 0; i < bar->ButtonCount(); ++i) {
    TToolButton* b = bar->Buttons(i);
    b->OnClick = [&clicks, b](TObject*) { ++clicks[b]; };
  }
  const auto downs = [&] {
    std::string s;
    for (TToolButton* b : {push, check, g1, g2, g3, other}) s += b->Down() ? '1' : '0';
    return s;
  };

  Click(push);
  EXPECT_EQ(clicks[push], 1);
  EXPECT_EQ(downs(), "000000");
  Click(check);
  EXPECT_EQ(downs(), "010000");
  Click(check);
  EXPECT_EQ(downs(), "000000");
  Click(g1);
  Click(other);
  EXPECT_EQ(downs(), "001001");
  Click(g3);
  EXPECT_EQ(downs(), "000011");
  Click(g3);  // without AllowAllUp the down button stays down
  EXPECT_EQ(downs(), "000011");
  g3->SetAllowAllUp(true);
  Click(g3);
  EXPECT_EQ(downs(), "000001");
  g2->SetDown(true);  // by code too, the group stays exclusive
  g1->SetDown(true);
  EXPECT_EQ(downs(), "001001");
  Click(disabled);
  EXPECT_EQ(clicks[disabled], 0);
  EXPECT_EQ(clicks[check], 2);
  EXPECT_EQ(clicks[g3], 3);
  EXPECT_EQ(clicks[g1], 1);

  // Released away from the button, a press is no click and changes nothing.
  InjectDrag(Middle(check), OnScreen(check, {-40, 60}));
  Pump();
  EXPECT_EQ(clicks[check], 2);
  EXPECT_FALSE(check->Down());
}

TEST_F(ToolBars, DropDownMenusShowBelowTheirButtons) {
  TToolBar* bar = MakeBar();
  TToolButton* split = AddButton(bar, "", TToolButtonStyle::tbsDropDown);
  TToolButton* whole = AddButton(bar);
  TPopupMenu* menu = new TPopupMenu(Form());
  auto* zoom = new TMenuItem(menu);
  zoom->SetCaption("&Zoom");
  menu->Items()->Add(zoom);
  // Each menu is closed again at once.
  Display().SetModalHook([](HWND) { InjectKeyPress(VK_ESCAPE); });
  split->SetDropdownMenu(menu);
  whole->SetDropdownMenu(menu);
  Pump();
  std::vector<std::string> log;
  for (TToolButton* b : {split, whole}) b->OnClick = [&log](TObject*) { log.push_back("click"); };
  menu->OnPopup = [&](TObject*) {
    auto* button = static_cast<TToolButton*>(menu->PopupComponent());
    // Shown pressed while its menu is open.
    log.push_back(std::string("popup ") + (button == split ? "split" : "whole") +
                  (button->Pressed() ? " pressed" : ""));
  };
  ASSERT_EQ(split->Width(), 23 + 12);
  Click(split);                            // the button part
  InjectClick(OnScreen(split, {29, 11}));  // the arrow part
  Pump();
  Clock().Advance(1000);
  Click(whole);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "popup split pressed", "popup whole pressed"}));
  EXPECT_FALSE(split->Pressed());
  EXPECT_TRUE(split->CheckMenuDropdown());
  delete menu;
  EXPECT_EQ(split->DropdownMenu(), nullptr);
  EXPECT_FALSE(split->CheckMenuDropdown());
}

TEST_F(ToolBars, AcceleratorsClickCaptionedButtons) {
  TToolBar* bar = MakeBar();
  bar->SetShowCaptions(true);
  TToolButton* save = AddButton(bar, "&Save");
  TToolButton* print = AddButton(bar, "&Print");
  print->SetEnabled(false);
  int saves = 0;
  int prints = 0;
  save->OnClick = [&](TObject*) { ++saves; };
  print->OnClick = [&](TObject*) { ++prints; };
  Pump();
  Type("{A-S}{A-P}");
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(prints, 0);
  bar->SetShowCaptions(false);  // without captions there are no accelerators
  Type("{A-S}");
  EXPECT_EQ(saves, 1);
}

// The event log of the custom-draw handlers.
struct DrawLog {
  std::vector<std::string> Lines;

  static std::string StageName(TCustomDrawStage Stage) {
    switch (Stage) {
      case TCustomDrawStage::cdPrePaint: return "prepaint";
      case TCustomDrawStage::cdPostPaint: return "postpaint";
      case TCustomDrawStage::cdPreErase: return "preerase";
      case TCustomDrawStage::cdPostErase: return "posterase";
    }
    return "?";
  }
  static std::string StateNames(TCustomDrawState State) {
    static const std::pair<TCustomDrawStateItem, const char*> names[] = {
        {TCustomDrawStateItem::cdsSelected, "selected"}, {TCustomDrawStateItem::cdsDisabled, "disabled"},
        {TCustomDrawStateItem::cdsChecked, "checked"},   {TCustomDrawStateItem::cdsHot, "hot"},
        {TCustomDrawStateItem::cdsMarked, "marked"},     {TCustomDrawStateItem::cdsIndeterminate, "indeterminate"}};
    std::string s = "[";
    for (const auto& [item, name] : names) {
      if (!State.Contains(item)) continue;
      if (s.size() > 1) s += ' ';
      s += name;
    }
    return s + "]";
  }

  void Attach(TToolBar* Bar) {
    Bar->OnCustomDraw = [this](TToolBar*, const TRect&, bool&) { Lines.push_back("bar"); };
    Bar->OnAdvancedCustomDraw = [this](TToolBar*, const TRect&, TCustomDrawStage Stage, bool&) {
      Lines.push_back("bar " + StageName(Stage));
    };
    Bar->OnCustomDrawButton = [this](TToolBar*, TToolButton* Button, TCustomDrawState State, bool&) {
      Lines.push_back(Button->Name() + " " + StateNames(State));
    };
    Bar->OnAdvancedCustomDrawButton = [this](TToolBar*, TToolButton* Button, TCustomDrawState State,
                                             TCustomDrawStage Stage, TTBCustomDrawFlags&, bool&) {
      Lines.push_back(Button->Name() + " " + StageName(Stage) + " " + StateNames(State));
    };
  }
};

TEST_F(ToolBars, CustomDrawHandlersSeeTheStagesAndStates) {
  TToolBar* bar = MakeBar();
  bar->SetFlat(true);
  TToolButton* hot = AddButton(bar);
  TToolButton* held = AddButton(bar);
  TToolButton* off = AddButton(bar, "", TToolButtonStyle::tbsCheck);
  TToolButton* marked = AddButton(bar);
  hot->SetName("hot");
  held->SetName("held");
  off->SetName("off");
  marked->SetName("marked");
  off->SetDown(true);
  off->SetEnabled(false);
  marked->SetMarked(true);
  marked->SetIndeterminate(true);
  Pump();
  DrawLog log;
  log.Attach(bar);

  InjectMouseMove(Middle(hot));
  Pump();
  log.Lines.clear();
  bar->Repaint();
  EXPECT_NE(std::find(log.Lines.begin(), log.Lines.end(), "hot [hot]"), log.Lines.end());

  InjectMouseMove(Middle(held));
  InjectMouseDown(Middle(held));
  Pump();
  log.Lines.clear();
  bar->Repaint();
  const std::vector<std::string> expected = {
      "bar preerase",
      "bar posterase",
      "bar",
      "bar prepaint",
      "hot []",
      "hot prepaint []",
      "hot postpaint []",
      "held [selected hot]",
      "held prepaint [selected hot]",
      "held postpaint [selected hot]",
      "off [disabled checked]",
      "off prepaint [disabled checked]",
      "off postpaint [disabled checked]",
      "marked [marked indeterminate]",
      "marked prepaint [marked indeterminate]",
      "marked postpaint [marked indeterminate]",
      "bar postpaint",
  };
  EXPECT_EQ(log.Lines, expected);

  // Dragged off the button, it is no longer shown pressed; released, it is
  // neither pressed nor clicked.
  InjectMouseMove(OnScreen(held, {5, 60}));
  Pump();
  log.Lines.clear();
  bar->Repaint();
  EXPECT_NE(std::find(log.Lines.begin(), log.Lines.end(), "held []"), log.Lines.end());
  InjectMouseUp(OnScreen(held, {5, 60}));
  Pump();
}

TEST_F(ToolBars, DefaultDrawFalseLeavesThePixelsToTheHandler) {
  TToolBar* bar = MakeBar(100);
  bar->SetEdgeBorders({});
  TToolButton* a = AddButton(bar);
  TToolButton* b = AddButton(bar);
  Pump();
  // The standard look of a non-flat bar: each button a push button.
  EXPECT_EQ(PixelAt(a, {0, 0}), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(a, {22, 21}), RGB(64, 64, 64));

  // A button handler that draws its own button in blue.
  bar->OnCustomDrawButton = [](TToolBar* Sender, TToolButton* Button, TCustomDrawState, bool& DefaultDraw) {
    if (Button->Index() != 1) return;
    Sender->Canvas()->Brush()->SetColor(clBlue);
    Sender->Canvas()->FillRect(Button->BoundsRect());
    DefaultDraw = false;
  };
  bar->Repaint();
  EXPECT_EQ(PixelAt(a, {0, 0}), RGB(255, 255, 255));
  for (TPoint p : {TPoint{0, 0}, TPoint{11, 11}, TPoint{22, 21}}) EXPECT_EQ(PixelAt(b, p), RGB(0, 0, 255));

  // The bar's handler takes the whole bar: no button is drawn or asked.
  int asked = 0;
  bar->OnCustomDrawButton = [&](TToolBar*, TToolButton*, TCustomDrawState, bool&) { ++asked; };
  bar->OnCustomDraw = [](TToolBar* Sender, const TRect& ARect, bool& DefaultDraw) {
    Sender->Canvas()->Brush()->SetColor(clRed);
    Sender->Canvas()->FillRect(ARect);
    DefaultDraw = false;
  };
  bar->Repaint();
  EXPECT_EQ(asked, 0);
  const std::unique_ptr<Bitmap> picture = WindowPicture(bar->Handle());
  EXPECT_EQ(AsPicture(*picture, {0, 0, 100, 29}), Picture(29, std::string(100, 'r')));

  // Not erasing: what the pre-erase handler drew stays under the buttons.
  bar->OnCustomDraw = nullptr;
  bar->OnAdvancedCustomDraw = [](TToolBar* Sender, const TRect& ARect, TCustomDrawStage Stage, bool& DefaultDraw) {
    if (Stage != TCustomDrawStage::cdPreErase) return;
    Sender->Canvas()->Brush()->SetColor(clBlue);
    Sender->Canvas()->FillRect(ARect);
    DefaultDraw = false;
  };
  bar->Repaint();
  EXPECT_EQ(PixelAt(bar, {80, 10}), RGB(0, 0, 255));
  EXPECT_EQ(asked, 2);
}

TEST_F(ToolBars, FlatButtonsShowTheirStateAsEdges) {
  TToolBar* bar = MakeBar(44);
  bar->SetFlat(true);
  bar->SetAutoSize(true);
  bar->SetButtonWidth(8);
  bar->SetButtonHeight(6);
  TToolButton* hot = AddButton(bar);
  TToolButton* down = AddButton(bar, "", TToolButtonStyle::tbsCheck);
  AddButton(bar);
  AddButton(bar, "", TToolButtonStyle::tbsSeparator);
  down->SetDown(true);
  InjectMouseMove(Middle(hot));
  Pump();
  ASSERT_EQ(bar->Height(), 8);
  const std::unique_ptr<Bitmap> picture = WindowPicture(bar->Handle());
  // The top edge (lowered outside, raised inside), then: the hot button
  // raised, the down one sunken with a light face, a plain one flat, and a
  // flat separator's etched line.
  const Picture expected = Rows(R"(
SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS
WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW
WWWWWWWSSSSSSSSWFFFFFFFFFFFFFFFFFFFFFFFFFFFF
WFFFFFFSSFFFFFFWFFFFFFFFFFFSWFFFFFFFFFFFFFFF
WFFFFFFSSFWFWFFWFFFFFFFFFFFSWFFFFFFFFFFFFFFF
WFFFFFFSSFFWFWFWFFFFFFFFFFFSWFFFFFFFFFFFFFFF
WFFFFFFSSFFFFFFWFFFFFFFFFFFSWFFFFFFFFFFFFFFF
SSSSSSSSWWWWWWWWFFFFFFFFFFFFFFFFFFFFFFFFFFFF)");
  EXPECT_EQ(AsPicture(*picture, {0, 0, 44, 8}), expected);
}

TEST_F(ToolBars, ImagesForHotAndDisabledButtons) {
  TToolBar* bar = MakeBar();
  bar->SetFlat(true);
  bar->SetImages(MakeImages({clRed, clRed}));
  TToolButton* plain = AddButton(bar);
  TToolButton* hot = AddButton(bar);
  TToolButton* off = AddButton(bar);
  TToolButton* none = AddButton(bar);
  plain->SetImageIndex(0);
  hot->SetImageIndex(1);
  off->SetImageIndex(0);
  none->SetImageIndex(7);  // no such picture: nothing is drawn
  off->SetEnabled(false);
  const TPoint centre{11, 11};
  Pump();
  EXPECT_EQ(PixelAt(plain, centre), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(none, centre), RGB(212, 208, 200));
  // Disabled without a list for it: the picture in grey.
  const COLORREF grey = PixelAt(off, centre);
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));
  EXPECT_EQ(GetGValue(grey), GetBValue(grey));
  bar->SetHotImages(MakeImages({clBlue, clBlue}));
  bar->SetDisabledImages(MakeImages({clBlue}));
  InjectMouseMove(Middle(hot));
  Pump();
  EXPECT_EQ(PixelAt(hot, centre), RGB(0, 0, 255));
  EXPECT_EQ(PixelAt(off, centre), RGB(0, 0, 255));
  EXPECT_EQ(PixelAt(plain, centre), RGB(255, 0, 0));
  // A freed list is forgotten.
  delete bar->HotImages();
  EXPECT_EQ(bar->HotImages(), nullptr);
  bar->Repaint();
  EXPECT_EQ(PixelAt(hot, centre), RGB(255, 0, 0));
  // A list whose pictures grow makes the buttons grow.
  bar->Images()->SetSize(24, 24);
  EXPECT_EQ(plain->Width(), 24 + 7);
}

TEST_F(ToolBars, LooksRight) {
  TToolBar* bar = MakeBar(330);
  bar->SetFlat(true);
  bar->SetShowCaptions(true);
  bar->SetAutoSize(true);
  bar->SetImages(MakeImages({clRed, clGreen, clBlue}));
  const char* captions[] = {"&New", "&Open", "", "&Bold", "&Italic", "", "&Print"};
  std::vector<TToolButton*> buttons;
  for (const char* c : captions)
    buttons.push_back(AddButton(bar, c, *c ? TToolButtonStyle::tbsButton : TToolButtonStyle::tbsDivider));
  buttons[0]->SetImageIndex(0);
  buttons[1]->SetImageIndex(1);
  buttons[3]->SetStyle(TToolButtonStyle::tbsCheck);
  buttons[3]->SetDown(true);
  buttons[4]->SetStyle(TToolButtonStyle::tbsDropDown);
  buttons[4]->SetImageIndex(2);
  buttons[6]->SetImageIndex(0);
  buttons[6]->SetEnabled(false);
  InjectMouseMove(Middle(buttons[1]));
  Pump();
  const std::unique_ptr<Bitmap> picture = WindowPicture(bar->Handle());
  KeepForInspection(*picture, "toolbar.png");
  // The hot button's raised edge and the down one's sunken edge.
  EXPECT_EQ(PixelAt(buttons[1], {0, 0}), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(buttons[3], {0, 0}), RGB(128, 128, 128));
}

TEST_F(ToolBars, LayoutsDeclareBarsAndButtons) {
  TLayoutHandlers handlers;
  std::vector<std::string> clicked;
  handlers.RegisterHandler("ButtonClick",
                           [&](TObject* Sender) { clicked.push_back(static_cast<TComponent*>(Sender)->Name()); });
  bool drawn = false;
  handlers.RegisterHandler("BarDraw", [&](TToolBar*, const TRect&, bool&) { drawn = true; });
  ReadLayoutText(*Form(), R"({"Components": [
      {"Class": "TToolBar", "Name": "tbMain", "Flat": true, "ShowCaptions": true, "Indent": 4,
       "EdgeBorders": ["ebTop", "ebBottom"], "EdgeInner": "esNone", "ButtonWidth": 40,
       "OnCustomDraw": "BarDraw",
       "Components": [
         {"Class": "TToolButton", "Name": "tbOpen", "Caption": "Open", "OnClick": "ButtonClick"},
         {"Class": "TToolButton", "Name": "tbSep", "Style": "tbsSeparator", "Width": 12},
         {"Class": "TToolButton", "Name": "tbBold", "Caption": "Bold", "Style": "tbsCheck", "Grouped": true,
          "AllowAllUp": true, "Down": true, "ImageIndex": 3, "Wrap": true, "OnClick": "ButtonClick"},
         {"Class": "TToolButton", "Name": "tbFile", "MenuItem": "miFile"}]},
      {"Class": "TMainMenu", "Name": "mmMain", "Components": [
         {"Class": "TMenuItem", "Name": "miFile", "Caption": "&File"}]}]})",
                 "ToolBarLayout", handlers);
  auto* bar = dynamic_cast<TToolBar*>(Form()->FindComponent("tbMain"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->ButtonCount(), 4);
  EXPECT_EQ(bar->Buttons(3)->Caption(), "&File");  // from its item
  EXPECT_EQ(bar->Buttons(0)->Name(), "tbOpen");
  EXPECT_EQ(bar->Buttons(2)->Name(), "tbBold");
  EXPECT_TRUE(bar->Flat());
  EXPECT_EQ(bar->EdgeSizes(), (TRect{0, 1, 0, 1}));
  TToolButton* bold = bar->Buttons(2);
  EXPECT_TRUE(bold->Down());
  EXPECT_TRUE(bold->AllowAllUp());
  EXPECT_EQ(bold->ImageIndex(), 3);
  EXPECT_EQ(bar->Buttons(1)->BoundsRect(), Bounds(44, 0, 12, 22));
  EXPECT_EQ(bold->Left(), 56);
  Pump();
  EXPECT_TRUE(drawn);
  Click(bar->Buttons(0));
  Click(bold);
  EXPECT_FALSE(bold->Down());
  EXPECT_EQ(clicked, (std::vector<std::string>{"tbOpen", "tbBold"}));
}

// A menu bar made of tool buttons, driven through the headless display: each
// menu loop that starts runs the next step of a script and logs which
// button shows its menu.
class ToolBarMenus : public ToolBars {
 protected:
  using TStep = std::function<void()>;

  void SetUp() override {
    ToolBars::SetUp();
    FEdit = Make<TEdit>(Bounds(10, 100, 100, 21));
    FMenu = new TMainMenu(Form());
    FBar = MakeBar(300);
    FBar->SetFlat(true);
    FBar->SetShowCaptions(true);
    FBar->SetEdgeBorders({});
    const std::vector<std::pair<const char*, std::vector<const char*>>> menus = {
        {"&File", {"&Open", "E&xit"}}, {"&Edit", {"&Copy", "&Paste"}}, {"&Help", {"&About"}}};
    for (const auto& [caption, subs] : menus) {
      auto* top = new TMenuItem(FMenu);
      top->SetCaption(caption);
      FMenu->Items()->Add(top);
      for (const char* sub : subs) {
        auto* item = new TMenuItem(FMenu);
        item->SetCaption(sub);
        item->OnClick = [this, sub](TObject*) { Log.push_back(std::string("chose ") + sub); };
        top->Add(item);
      }
      TToolButton* button = AddButton(FBar);
      button->SetGrouped(true);
      button->SetAutoSize(true);
      button->SetMenuItem(top);
      Buttons.push_back(button);
    }
    Display().SetModalHook([this](HWND) {
      Log.push_back("open " + OpenButtons());
      if (FSteps.empty()) {
        ADD_FAILURE() << "a menu the script did not expect";
        EndMenu();
        return;
      }
      const TStep step = FSteps.front();
      FSteps.erase(FSteps.begin());
      step();
    });
    FEdit->SetFocus();
    Pump();
  }
  // The captions of the buttons shown pressed.
  std::string OpenButtons() {
    std::string open;
    for (TToolButton* b : Buttons)
      if (b->Pressed()) open += b->Caption();
    return open;
  }
  void Script(std::vector<TStep> Steps) { FSteps = std::move(Steps); }
  static TStep Keys(std::vector<UINT> Keys) {
    return [Keys] {
      for (UINT k : Keys) InjectKeyPress(k);
    };
  }

  TMainMenu* FMenu = nullptr;
  TToolBar* FBar = nullptr;
  TEdit* FEdit = nullptr;
  std::vector<TToolButton*> Buttons;
  std::vector<std::string> Log;

 private:
  std::vector<TStep> FSteps;
};

TEST_F(ToolBarMenus, ButtonsTakeTheirItems) {
  EXPECT_EQ(Buttons[1]->Caption(), "&Edit");
  EXPECT_EQ(Buttons[1]->Left(), Buttons[0]->Width());
  TMenuItem* edit = FMenu->Items()->Items(1);
  edit->SetCaption("&Edit more");
  edit->SetHint("Changes");
  edit->SetImageIndex(2);
  FBar->SetIndent(1);  // a new layout takes the items again
  EXPECT_EQ(Buttons[1]->Caption(), "&Edit more");
  EXPECT_EQ(Buttons[1]->Hint(), "Changes");
  EXPECT_EQ(Buttons[1]->ImageIndex(), 2);
  FMenu->Items()->Items(2)->SetVisible(false);
  FBar->SetIndent(0);
  EXPECT_FALSE(Buttons[2]->Visible());
  delete edit;  // the button forgets its item
  EXPECT_EQ(Buttons[1]->MenuItem(), nullptr);
}

TEST_F(ToolBarMenus, AClickOpensRightMovesOnChoosingRunsTheItemOnce) {
  Script({Keys({VK_RIGHT}), Keys({VK_DOWN, VK_RETURN})});
  Click(Buttons[0]);
  EXPECT_EQ(Log, (std::vector<std::string>{"open &File", "open &Edit", "chose &Copy"}));
  EXPECT_EQ(OpenButtons(), "");
  EXPECT_TRUE(FEdit->Focused());
}

TEST_F(ToolBarMenus, LeftGoesRoundAndEscapeCloses) {
  Script({Keys({VK_LEFT}), Keys({VK_ESCAPE})});
  Click(Buttons[0]);
  EXPECT_EQ(Log, (std::vector<std::string>{"open &File", "open &Help"}));
  EXPECT_EQ(OpenButtons(), "");
}

TEST_F(ToolBarMenus, HoveringAnotherMenuButtonMovesThere) {
  Script({[this] { InjectMouseMove(Middle(Buttons[2])); }, Keys({VK_DOWN, VK_RETURN})});
  Click(Buttons[0]);
  EXPECT_EQ(Log, (std::vector<std::string>{"open &File", "open &Help", "chose &About"}));
}

TEST_F(ToolBarMenus, AltWithTheMnemonicOpens) {
  Script({Keys({VK_DOWN, VK_DOWN, VK_RETURN})});
  Type("{A-E}");
  EXPECT_EQ(Log, (std::vector<std::string>{"open &Edit", "chose &Paste"}));
  EXPECT_TRUE(FEdit->Focused());
}

TEST_F(ToolBarMenus, F10ThenArrowsOpens) {
  InjectKeyPress(VK_F10);
  Pump();
  EXPECT_TRUE(FBar->Focused());
  EXPECT_TRUE(Buttons[0]->Hot());
  Script({Keys({VK_ESCAPE})});
  Type("{RIGHT}{RIGHT}{DOWN}");
  EXPECT_EQ(Log, (std::vector<std::string>{"open &Help"}));
  // The menu keys are done: the focus is back.
  EXPECT_TRUE(FEdit->Focused());
  EXPECT_FALSE(Buttons[2]->Hot());
  // Escape leaves the menu keys without opening anything.
  InjectKeyPress(VK_F10);
  Type("{ESC}");
  EXPECT_TRUE(FEdit->Focused());
  EXPECT_EQ(Log.size(), 1u);
}

TEST_F(ToolBarMenus, DisabledItemsDoNotOpen) {
  FMenu->Items()->Items(1)->SetEnabled(false);
  Click(Buttons[1]);
  Type("{A-E}");
  EXPECT_TRUE(Log.empty());
  EXPECT_FALSE(Buttons[1]->Enabled());  // taken from its item
  // Moving right from the first menu passes over it.
  Script({Keys({VK_RIGHT}), Keys({VK_ESCAPE})});
  Click(Buttons[0]);
  EXPECT_EQ(Log, (std::vector<std::string>{"open &File", "open &Help"}));
}

TEST_F(ToolBarMenus, AnItemWithoutSubItemsIsClickedWithItsButton) {
  auto* top = new TMenuItem(FMenu);
  top->SetCaption("&Now");
  top->OnClick = [this](TObject*) { Log.push_back("chose &Now"); };
  FMenu->Items()->Add(top);
  TToolButton* button = AddButton(FBar);
  button->SetMenuItem(top);
  Click(button);
  EXPECT_EQ(Log, (std::vector<std::string>{"chose &Now"}));
}

}  // namespace
}  // namespace plat::testing
