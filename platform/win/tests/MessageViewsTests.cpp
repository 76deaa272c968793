// Mouse and key messages decoded into views: a table of encoded messages
// with the view each decodes to, and the view encoding back to the same
// parameters.
#include <gtest/gtest.h>

#include "platform/win/MessageViews.h"
#include "platform/win/VirtualKeys.h"

namespace plat::testing {
namespace {

// The class library's message record, as the views take it.
struct TRecord {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

struct MouseCase {
  const char* Name;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  TPoint Pos;
  WPARAM Keys;
  LRESULT HitTest;
  int WheelDelta;
  bool InScreen;
};

// The low word of lParam is x, the high word y, both signed.
constexpr LPARAM Packed(Word x, Word y) { return MAKELPARAM(x, y); }

const MouseCase kMouseCases[] = {
    {"Move", WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, Packed(10, 20), {10, 20}, MK_LBUTTON | MK_SHIFT, HTCLIENT, 0, false},
    {"LeftOfAndAboveTheWindow",
     WM_MOUSEMOVE,
     MK_LBUTTON,
     Packed(0xFFFB, 0xFF9C),
     {-5, -100},
     MK_LBUTTON,
     HTCLIENT,
     0,
     false},
    {"FarCorner", WM_LBUTTONUP, 0, Packed(0x7FFF, 0x8000), {32767, -32768}, 0, HTCLIENT, 0, false},
    {"RightDoubleClick",
     WM_RBUTTONDBLCLK,
     MK_RBUTTON | MK_CONTROL,
     Packed(3, 4),
     {3, 4},
     MK_RBUTTON | MK_CONTROL,
     HTCLIENT,
     0,
     false},
    {"MiddleDown", WM_MBUTTONDOWN, MK_MBUTTON, Packed(1, 2), {1, 2}, MK_MBUTTON, HTCLIENT, 0, false},
    {"Hover", WM_MOUSEHOVER, 0, Packed(7, 8), {7, 8}, 0, HTCLIENT, 0, false},
    {"WheelAway",
     WM_MOUSEWHEEL,
     MAKEWPARAM(MK_CONTROL, 120),
     Packed(150, 60),
     {150, 60},
     MK_CONTROL,
     HTCLIENT,
     120,
     true},
    {"WheelTowards", WM_MOUSEWHEEL, MAKEWPARAM(0, 0xFF10), Packed(0xFFFF, 5), {-1, 5}, 0, HTCLIENT, -240, true},
    {"WheelLeft", WM_MOUSEHWHEEL, MAKEWPARAM(MK_SHIFT, 0xFF88), Packed(1, 1), {1, 1}, MK_SHIFT, HTCLIENT, -120, true},
    {"CaptionPress", WM_NCLBUTTONDOWN, HTCAPTION, Packed(300, 12), {300, 12}, 0, HTCAPTION, 0, true},
    {"FrameMove", WM_NCMOUSEMOVE, HTBOTTOMRIGHT, Packed(0xFFF6, 400), {-10, 400}, 0, HTBOTTOMRIGHT, 0, true},
    {"ContextMenuFromTheMouse", WM_CONTEXTMENU, 0x1234, Packed(20, 30), {20, 30}, 0, HTCLIENT, 0, true},
    {"ContextMenuFromTheKeyboard", WM_CONTEXTMENU, 0x1234, -1, {-1, -1}, 0, HTCLIENT, 0, true},
};

class MouseMessages : public ::testing::TestWithParam<MouseCase> {};

TEST_P(MouseMessages, DecodeAsTheMessageCarriesThemAndEncodeBack) {
  const MouseCase& c = GetParam();
  const TMouseMessage view = TMouseMessage::From(c.Msg, c.WParam, c.LParam);
  EXPECT_EQ(view.Msg, c.Msg);
  EXPECT_EQ(view.Pos, c.Pos);
  EXPECT_EQ(view.Keys, c.Keys);
  EXPECT_EQ(view.HitTest, c.HitTest);
  EXPECT_EQ(view.WheelDelta, c.WheelDelta);
  EXPECT_EQ(view.InScreenCoordinates(), c.InScreen);
  EXPECT_EQ(view.FromKeyboard(), c.Msg == WM_CONTEXTMENU && c.LParam == -1);
  // A record decodes as its parameters do.
  const TMouseMessage fromRecord = TMouseMessage::From(TRecord{c.Msg, c.WParam, c.LParam});
  EXPECT_EQ(fromRecord.Pos, view.Pos);
  EXPECT_EQ(fromRecord.Keys, view.Keys);
  EXPECT_EQ(fromRecord.WheelDelta, view.WheelDelta);
  // The position's two words come back as they were.
  EXPECT_EQ(static_cast<std::uint32_t>(view.LParam()), static_cast<std::uint32_t>(c.LParam));
  // WM_CONTEXTMENU's wParam (the window clicked) is not the view's to keep.
  if (c.Msg != WM_CONTEXTMENU) {
    EXPECT_EQ(view.WParam(), c.WParam);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, MouseMessages, ::testing::ValuesIn(kMouseCases),
                         [](const ::testing::TestParamInfo<MouseCase>& test) { return test.param.Name; });

TEST(MouseMessageKeys, EachFlagIsHeldOnItsOwn) {
  const TMouseMessage view = TMouseMessage::From(WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, 0);
  EXPECT_TRUE(view.Holds(MK_LBUTTON));
  EXPECT_TRUE(view.Holds(MK_CONTROL));
  EXPECT_FALSE(view.Holds(MK_RBUTTON));
  EXPECT_FALSE(view.Holds(MK_MBUTTON));
  EXPECT_FALSE(view.Holds(MK_SHIFT));
}

struct KeyCase {
  const char* Name;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  TKeyMessage View;
};

const KeyCase kKeyCases[] = {
    {"FirstPress", WM_KEYDOWN, 'A', 0x001E0001, {WM_KEYDOWN, 'A', 1, 0x1E, false, false, false, false}},
    {"RepeatCount", WM_KEYDOWN, 'A', 0x001E0005, {WM_KEYDOWN, 'A', 5, 0x1E, false, false, false, false}},
    {"Extended", WM_KEYDOWN, VK_LEFT, 0x014B0001, {WM_KEYDOWN, VK_LEFT, 1, 0x4B, true, false, false, false}},
    {"AltDown", WM_SYSKEYDOWN, VK_F4, 0x203E0001, {WM_SYSKEYDOWN, VK_F4, 1, 0x3E, false, true, false, false}},
    {"HeldDown", WM_KEYDOWN, 'B', 0x40300001, {WM_KEYDOWN, 'B', 1, 0x30, false, false, true, false}},
    {"Released",
     WM_KEYUP,
     VK_DELETE,
     static_cast<LPARAM>(0xC1530001u),
     {WM_KEYUP, VK_DELETE, 1, 0x53, true, false, true, true}},
    {"AltReleased",
     WM_SYSKEYUP,
     VK_MENU,
     static_cast<LPARAM>(0xE0380001u),
     {WM_SYSKEYUP, VK_MENU, 1, 0x38, false, true, true, true}},
    {"Character", WM_CHAR, 'a', 0x001E0001, {WM_CHAR, 'a', 1, 0x1E, false, false, false, false}},
};

class KeyMessages : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyMessages, DecodeEachBitAndEncodeBack) {
  const KeyCase& c = GetParam();
  for (const TKeyMessage& view :
       {TKeyMessage::From(c.Msg, c.WParam, c.LParam), TKeyMessage::From(TRecord{c.Msg, c.WParam, c.LParam})}) {
    EXPECT_EQ(view.Msg, c.View.Msg);
    EXPECT_EQ(view.Key, c.View.Key);
    EXPECT_EQ(view.RepeatCount, c.View.RepeatCount);
    EXPECT_EQ(view.ScanCode, c.View.ScanCode);
    EXPECT_EQ(view.Extended, c.View.Extended);
    EXPECT_EQ(view.AltDown, c.View.AltDown);
    EXPECT_EQ(view.PreviousDown, c.View.PreviousDown);
    EXPECT_EQ(view.Releasing, c.View.Releasing);
  }
  EXPECT_EQ(c.View.WParam(), c.WParam);
  EXPECT_EQ(static_cast<std::uint32_t>(c.View.LParam()), static_cast<std::uint32_t>(c.LParam));
}

INSTANTIATE_TEST_SUITE_P(Table, KeyMessages, ::testing::ValuesIn(kKeyCases),
                         [](const ::testing::TestParamInfo<KeyCase>& test) { return test.param.Name; });

TEST(KeyMessageData, ASignExtendedReleaseDecodesTheSame) {
  // Key data that went through a 32-bit signed value comes back sign-extended.
  const TKeyMessage view =
      TKeyMessage::From(WM_KEYUP, 'A', static_cast<LPARAM>(static_cast<std::int32_t>(0xC01E0001u)));
  EXPECT_TRUE(view.Releasing);
  EXPECT_TRUE(view.PreviousDown);
  EXPECT_FALSE(view.AltDown);
  EXPECT_EQ(view.ScanCode, 0x1E);
  EXPECT_EQ(view.RepeatCount, 1);
}

}  // namespace
}  // namespace plat::testing
