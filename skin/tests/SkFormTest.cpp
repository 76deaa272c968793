// The skinned frame on a form in the headless display: the form it takes
// over, the edge it paints, the region it cuts, the maximized placement,
// the refusals, the values of a skin file and the fall-back when the theme
// goes.
#include <gtest/gtest.h>

#include "platform/gdi/Region.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkButton.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/SkinGeometry.h"
#include "skin/tests/FrameFixture.h"
#include "skin/tests/SkinFiles.h"
#include "testing/TempFolder.h"

namespace skintest {
namespace {

using namespace zorbit;
using plat::COLORREF;

constexpr COLORREF Black = 0x000000;
constexpr COLORREF DeepBlueBackground = 0xE8E8E8;

class SkinnedFrame : public FrameTest {};

TEST_F(SkinnedFrame, TheDeepBlueEdgeAndTheClientArea) {
  Screenshot("frame-deepblue");
  const int w = FForm->Width();
  const int h = FForm->Height();
  const int mid = h / 2;
  EXPECT_EQ(WindowPixel(0, mid), Black);
  EXPECT_EQ(WindowPixel(1, mid), DeepBlueBackground);
  EXPECT_EQ(WindowPixel(2, mid), DeepBlueBackground);
  EXPECT_EQ(WindowPixel(w - 1, mid), Black);
  EXPECT_EQ(WindowPixel(w - 3, mid), DeepBlueBackground);
  const std::map<COLORREF, char> legend{{Black, '#'}, {DeepBlueBackground, '.'}};
  EXPECT_EQ(WindowRow(h - 1, 0, 8, legend), "########");
  EXPECT_EQ(WindowRow(h - 2, 0, 8, legend), "#.......");

  plat::RECT client{};
  plat::GetClientRect(FForm->Handle(), &client);
  EXPECT_EQ(client.Width(), w - 6);
  EXPECT_EQ(client.Height(), h - 4);
  const plat::TPoint origin = FForm->ClientToScreen({0, 0});
  EXPECT_EQ(origin - WindowPointOnScreen(0, 0), plat::TPoint(3, 3));
  EXPECT_EQ(FFrame->BoundsRect(), plat::TRect(0, 0, w - 6, h - 4));
}

TEST_F(SkinnedFrame, TakesTheFormOverOnce) {
  // Single becomes dialog, without the system caption.
  EXPECT_EQ(FForm->BorderStyle(), plat::TFormBorderStyle::bsDialog);
  EXPECT_EQ(plat::GetWindowLong(FForm->Handle(), plat::GWL_STYLE) & plat::WS_CAPTION, 0);
  EXPECT_EQ(FForm->Constraints()->MinWidth(), GetBuiltinInt(TskUIStyle::DeepBlue, element::FormMinWidthInt));
  EXPECT_EQ(FForm->Constraints()->MinHeight(), 50);
  EXPECT_EQ(FFrame->HostForm(), FForm);
  EXPECT_EQ(FFrame->Caption(), "Skinned");
  EXPECT_EQ(FFrame->Version(), "5.8");
  FFrame->SetVersion("6.0");
  EXPECT_EQ(FFrame->Version(), "5.8");

  // A second frame stays a plain panel.
  auto* second = new TskForm(FForm);
  EXPECT_EQ(second->HostForm(), nullptr);
  EXPECT_EQ(second->Caption(), "");
  // The title bar asks the frame for its side picture.
  EXPECT_EQ(plat::SendMessage(FForm->Handle(), SKM_SIDEBORDERWIDTH, 0, 0), 0);

  // Freed, the frame gives the form its caption back.
  delete FFrame;
  FFrame = nullptr;
  EXPECT_NE(plat::GetWindowLong(FForm->Handle(), plat::GWL_STYLE) & plat::WS_CAPTION, 0);
}

TEST_F(SkinnedFrame, RoundTopCornersCutTheWindow) {
  FFrame->SetRoundCorner(13);
  FFrame->SetRoundCornerBottom(0);
  const int w = FForm->Width();
  const int h = FForm->Height();
  const auto inside = [this](int X, int Y) {
    const plat::HRGN region = plat::CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(plat::GetWindowRgn(FForm->Handle(), region), plat::ERROR);
    const bool result = plat::PtInRegion(region, X, Y);
    plat::DeleteObject(region);
    return result;
  };
  EXPECT_FALSE(inside(0, 0));
  EXPECT_FALSE(inside(w - 1, 0));
  EXPECT_TRUE(inside(6, 6));
  EXPECT_TRUE(inside(0, h - 1));  // square at the bottom
  EXPECT_TRUE(inside(w - 1, h - 1));
  EXPECT_EQ(FFrame->RoundCorner(), 13);

  // Without title bar the corners read 0 and the region is square.
  FFrame->SetTitleBarVisible(false);
  EXPECT_EQ(FFrame->RoundCorner(), 0);
  EXPECT_EQ(FFrame->RoundCornerBottom(), 0);
  EXPECT_TRUE(inside(0, 0));
}

TEST_F(SkinnedFrame, AMaximizedFormCoversTheWorkAreaWithFourPixelsToSpare) {
  FForm->SetWindowState(plat::TWindowState::wsMaximized);
  Pump();
  Screenshot("frame-maximized");
  const plat::TRect area = GetMainWorkArea();
  EXPECT_EQ(FForm->BoundsRect(), plat::TRect(area.Left - 4, area.Top - 4, area.Right + 4, area.Bottom - 1));
  FForm->SetWindowState(plat::TWindowState::wsNormal);
  Pump();
  EXPECT_EQ(FForm->BoundsRect(), plat::TRect(100, 80, 420, 280));
}

TEST_F(SkinnedFrame, RefusesItselfAsFormPanel) {
  auto* panel = new plat::TPanel(FForm);
  panel->SetParent(FFrame);
  panel->SetCaption("Body");
  const auto texts = MessagesDuring(Display(), [this] { FFrame->SetFormPanel(FFrame); });
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], "Sorry, you can't select the Form assign to FormPanel property");
  EXPECT_EQ(FFrame->FormPanel(), nullptr);

  FFrame->SetFormPanel(panel);
  EXPECT_EQ(panel->Align(), plat::TAlign::alClient);
  EXPECT_EQ(panel->BevelOuter(), plat::TPanelBevel::bvNone);
  EXPECT_EQ(panel->Caption(), "");
  delete panel;
  EXPECT_EQ(FFrame->FormPanel(), nullptr);
}

// A skin file with its own edge, background and title pictures.
zorbit::skinwriter::TSkinFileWriter EdgeSkin(COLORREF Border, int Width, COLORREF Background, COLORREF Title) {
  zorbit::skinwriter::TSkinFileWriter writer;
  writer.AddInteger("FormBorderColor", static_cast<int>(Border));
  writer.AddInteger("FormBorderWidthInt", Width);
  writer.AddInteger("FormBackgroundColor", static_cast<int>(Background));
  writer.AddBitmap("TitleBarLeftImage", StripPicture(40, 30, {Title}));
  writer.AddBitmap("TitleBarClientImage", StripPicture(10, 30, {Title}));
  writer.AddBitmap("TitleBarRightImage", StripPicture(40, 30, {Title}));
  return writer;
}

TEST_F(SkinnedFrame, ASkinFileChangesTheEdgeOnTheNextReapplyAndItsLossFallsBack) {
  zorbit::testing::TTempFolder folder{"zorbit-frame"};
  auto* theme = new TskFileTheme(FForm);
  const std::string file = folder.Write("edge.skn", EdgeSkin(0x0000FF, 2, 0x00FF00, 0xFF0000).Image());
  FFrame->SetFileTheme(theme);
  FFrame->SetUIStyle(TskUIStyle::FromThemeFile);
  theme->SetThemeFile(file);
  Pump();
  Screenshot("frame-skinfile");
  const int mid = FForm->Height() / 2;
  const std::map<COLORREF, char> legend{{0x0000FF, 'r'}, {0x00FF00, 'g'}, {0xFF0000, 'b'}, {Black, '#'}};
  EXPECT_EQ(WindowRow(mid, 0, 4, legend), "rrgg");
  EXPECT_EQ(WindowRow(0, 0, 6, legend), "rrbbbb");  // the title pictures run into the top edge
  EXPECT_EQ(FFrame->TitleBar()->Height(), 27);

  // The file changes on disk; the re-apply takes it.
  folder.Write("edge.skn", EdgeSkin(0x00FFFF, 1, 0xFFFF00, 0x00FF00).Image());
  theme->Reapply();
  Pump();
  const std::map<COLORREF, char> second{{0x00FFFF, 'y'}, {0xFFFF00, 'c'}, {0x00FF00, 'g'}};
  EXPECT_EQ(WindowRow(mid, 0, 4, second), "yccc");
  EXPECT_EQ(WindowRow(0, 0, 6, second), "yggggg");

  delete theme;
  Pump();
  EXPECT_EQ(FFrame->FileTheme(), nullptr);
  EXPECT_EQ(FFrame->UIStyle(), TskUIStyle::DeepBlue);
  EXPECT_EQ(WindowPixel(0, mid), Black);
  EXPECT_EQ(WindowPixel(1, mid), DeepBlueBackground);
}

TEST_F(SkinnedFrame, AutoUpdateSubGivesTheStyleAndThemeToDirectChildrenOnly) {
  auto* direct = new TskButton(FForm);
  direct->SetParent(FFrame);
  auto* panel = new plat::TCustomPanel(FForm);
  panel->SetParent(FFrame);
  auto* nested = new TskButton(FForm);
  nested->SetParent(panel);
  auto* theme = new TskFileTheme(FForm);

  // Off by default: the frame changes alone.
  EXPECT_FALSE(FFrame->UIStyleAutoUpdateSub());
  FFrame->SetUIStyle(TskUIStyle::WinXP);
  EXPECT_EQ(direct->UIStyle(), TskUIStyle::DeepBlue);

  FFrame->SetUIStyleAutoUpdateSub(true);
  FFrame->SetUIStyle(TskUIStyle::MacOS);
  FFrame->SetFileTheme(theme);
  EXPECT_EQ(direct->UIStyle(), TskUIStyle::MacOS);
  EXPECT_EQ(direct->FileTheme(), theme);
  EXPECT_EQ(nested->UIStyle(), TskUIStyle::DeepBlue);
  EXPECT_EQ(nested->FileTheme(), nullptr);
}

TEST_F(SkinnedFrame, SkinFileSizesAreKeptInRange) {
  zorbit::testing::TTempFolder folder{"zorbit-frame"};
  zorbit::skinwriter::TSkinFileWriter writer;
  writer.AddInteger("FormBorderWidthInt", 100000);
  writer.AddInteger("FormRoundCornerInt", -50);
  writer.AddInteger("FormBottomRoundCornerInt", 1 << 30);
  auto* theme = new TskFileTheme(FForm);
  theme->SetThemeFile(folder.Write("wild.skn", writer.Image()));
  FFrame->SetFileTheme(theme);
  FFrame->SetUIStyle(TskUIStyle::FromThemeFile);
  Pump();
  EXPECT_EQ(FFrame->BorderWidth(), 20);
  EXPECT_EQ(FFrame->RoundCorner(), -1);
  EXPECT_EQ(FFrame->RoundCornerBottom(), 64);
  // Without a left title picture the bar keeps the built-in height.
  plat::TBitmap left;
  GetBuiltinBitmap(TskUIStyle::DeepBlue, element::TitleBarLeftImage, &left);
  EXPECT_EQ(FFrame->TitleBar()->Height(), left.Height() - 3);
}

TEST_F(SkinnedFrame, ScreenshotsInTheOtherStyles) {
  for (const auto& [style, name] : {std::pair{TskUIStyle::MacOS, "frame-macos"},
                                    {TskUIStyle::WinXP, "frame-winxp"},
                                    {TskUIStyle::Protein, "frame-protein"},
                                    {TskUIStyle::BlueGlass, "frame-blueglass"}}) {
    FFrame->SetUIStyle(style);
    Pump();
    Screenshot(name);
    EXPECT_EQ(FFrame->BorderWidth(), GetBuiltinInt(style, element::FormBorderWidthInt)) << name;
  }
}

TEST_F(SkinnedFrame, TheSampleSkin) {
  auto* theme = new TskFileTheme(FForm);
  theme->SetThemeFile(SAMPLE_SKIN_PATH);
  ASSERT_TRUE(theme->CanUse());
  FFrame->SetFileTheme(theme);
  FFrame->SetUIStyle(TskUIStyle::FromThemeFile);
  FFrame->SetCaption("Sample skin");
  Pump();
  Screenshot("frame-sample-skin");
  const std::map<COLORREF, char> legend{{0x524236, '#'}, {0xDEF0FA, '.'}};
  EXPECT_EQ(WindowRow(FForm->Height() / 2, 0, 5, legend), "##...");
  EXPECT_EQ(WindowRow(FForm->Height() - 1, 0, 5, legend), "#####");
  EXPECT_EQ(FFrame->TitleBar()->Font()->Color(), 0xDEF0FA);
  EXPECT_EQ(FFrame->RoundCorner(), 6);
}

}  // namespace
}  // namespace skintest
