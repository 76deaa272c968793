// Balloon tips: the texts shortened by characters, the icons kept to the
// standard ones, the tool tip window Enable makes and frees, and the text
// it is given for the cell under the pointer.
#include <gtest/gtest.h>

#include <string>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/BalloonText.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ToolTips.h"
#include "platform/win/Windows.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

std::string Repeat(const std::string& Piece, int Count) {
  std::string text;
  for (int i = 0; i < Count; ++i) text += Piece;
  return text;
}

TEST(BalloonText, LongTextsAndTitlesAreShortenedByCharacters) {
  const struct {
    const char* Name;
    std::string Text;
    std::string Expected;
  } texts[] = {
      {"2,000 characters: 1,021 and an ellipsis", Repeat("a", 2000), Repeat("a", 1021) + "..."},
      {"1,024 characters stay", Repeat("a", 1024), Repeat("a", 1024)},
      {"1,025 characters are cut", Repeat("a", 1025), Repeat("a", 1021) + "..."},
      {"two-byte characters count once", Repeat("\xC3\xA9", 1100), Repeat("\xC3\xA9", 1021) + "..."},
      {"1,024 two-byte characters stay", Repeat("\xC3\xA9", 1024), Repeat("\xC3\xA9", 1024)},
      {"leading breaks and tabs are skipped", "\r\n\t\nText", "Text"},
      {"tabs become blanks but the last", "a\tb\t", "a b\t"},
      {"skipped characters do not count", "\n\n" + Repeat("b", 1024), Repeat("b", 1024)},
  };
  for (const auto& c : texts) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(detail::BalloonText(c.Text), c.Expected);
  }
  EXPECT_EQ(detail::BalloonTitle(Repeat("t", 120)), Repeat("t", 97) + "...");
  EXPECT_EQ(detail::BalloonTitle(Repeat("t", 100)), Repeat("t", 100));
  EXPECT_EQ(detail::BalloonTitle(Repeat("\xE2\x82\xAC", 101)), Repeat("\xE2\x82\xAC", 97) + "...");
}

TEST(BalloonText, IconsOutsideTheStandardOnesBecomeNone) {
  const struct {
    int Given, Shown;
  } icons[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}, {100, 0}};
  for (const auto& c : icons) EXPECT_EQ(detail::BalloonIcon(c.Given), c.Shown) << c.Given;
}

class Balloons : public testing::FormTest {
 protected:
  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);

  void SetUp() override {
    FormTest::SetUp();
    FForm->SetBounds(0, 0, 500, 400);
    FGrid->SetParent(FForm);
    FGrid->SetBounds(10, 10, 400, 300);
    FForm->Show();
    Pump();
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  // Asks the grid for the text as the tip would, with the pointer over a cell.
  std::string AskText(int Col, int Row) {
    const plat::TRect r = FGrid->CellRect(Col, Row);
    plat::InjectMouseMove(OnScreen(FGrid, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
    Pump();
    plat::NMTTDISPINFOA info;
    info.hdr.hwndFrom = FGrid->BalloonWindow();
    info.hdr.code = plat::TTN_GETDISPINFO;
    plat::SendMessageA(FGrid->Handle(), plat::WM_NOTIFY, 0, reinterpret_cast<plat::LPARAM>(&info));
    return info.lpszText ? std::string(info.lpszText) : std::string("(none)");
  }
};

TEST_F(Balloons, EnableMakesTheTipWindowAndDisableFreesIt) {
  EXPECT_EQ(FGrid->BalloonWindow(), nullptr);
  FGrid->Balloon()->SetEnable(true);
  const plat::HWND tip = FGrid->BalloonWindow();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(plat::SendMessageA(tip, plat::TTM_GETTOOLCOUNT, 0, 0), 1);
  FGrid->Balloon()->SetEnable(false);
  EXPECT_EQ(FGrid->BalloonWindow(), nullptr);
  EXPECT_FALSE(plat::IsWindow(tip));
}

TEST_F(Balloons, TheCellUnderThePointerGivesTheText) {
  FGrid->SetCells(1, 2, "<b>bold</b>\tcell");
  FGrid->SetCellWideText(2, 2, u"\u00e9t\u00e9");
  FGrid->Balloon()->SetEnable(true);
  EXPECT_EQ(AskText(1, 2), "bold cell");
  EXPECT_EQ(FGrid->BalloonCell(), (plat::TGridCoord{1, 2}));
  EXPECT_EQ(AskText(2, 2), "\xC3\xA9t\xC3\xA9");
  FGrid->SetCells(1, 3, Repeat("x", 2000));
  EXPECT_EQ(AskText(1, 3), Repeat("x", 1021) + "...");
}

TEST_F(Balloons, TheEventMayChangeTextTitleAndIcon) {
  FGrid->Balloon()->SetEnable(true);
  std::string title;
  int icon = -5;
  FGrid->OnCellBalloon = [&](plat::TObject*, int col, int row, plat::String& t, plat::String& text, int& i) {
    title = t;
    icon = i;
    text = "row " + std::to_string(row) + " col " + std::to_string(col);
    t = Repeat("T", 120);
    i = 7;
  };
  EXPECT_EQ(AskText(2, 1), "row 1 col 2");
  EXPECT_EQ(title, " ");
  EXPECT_EQ(icon, 1);
}

TEST_F(Balloons, ADisabledBalloonGivesNoText) {
  FGrid->Balloon()->SetEnable(true);
  FGrid->Balloon()->SetEnable(false);
  EXPECT_EQ(AskText(1, 1), "(none)");
}

}  // namespace
}  // namespace zorbit
