// What TExtGridButton paints, read back from the headless display as ASCII
// pictures: the flat faces of each state with their borders and the frame
// shrunk or not, gradients, rounded corners, the drop-down part, the
// raised push button (classic and visual style), the lifted glyph over its
// shade, and the disabled glyph and caption; the grey and shade pictures
// made from a glyph.
#include <gtest/gtest.h>

#include <string>

#include "grid/TExtGridButton.h"
#include "grid/detail/GlyphShades.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/WindowPos.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

using plat::TColor;
using plat::TPoint;

class ExtGridButtonPaint : public plat::testing::StdControlsTest {
 protected:
  // A flat button without caption: face aqua, hot yellow, pressed red,
  // checked lime, the hot border black.
  TExtGridButton* MakeButton(int Width, int Height) {
    auto* button = Make<TExtGridButton>({10, 10, 10 + Width, 10 + Height});
    button->SetColor(plat::clAqua);
    button->SetColorHot(plat::clYellow);
    button->SetColorDown(plat::clRed);
    button->SetColorChecked(plat::clLime);
    button->SetBorderHotColor(plat::clBlack);
    Pump();
    return button;
  }
  void Hover(plat::TControl* Control) {
    plat::InjectMouseMove(OnScreen(Control, {1, 1}));
    Pump();
  }
  void Repaint(plat::TControl* Control) {
    Control->Invalidate();
    Pump();
  }
  // The control as characters: f button face, a aqua, y yellow, r red, l
  // lime, b blue, # black, w white, g 808080, ? anything else; rows
  // joined by "|".
  std::string Ascii(plat::TControl* Control) {
    std::string out;
    for (int y = 0; y < Control->Height(); ++y) {
      if (y > 0) out += '|';
      for (int x = 0; x < Control->Width(); ++x) out += Char(PixelAt(Control, {x, y}));
    }
    return out;
  }
  static char Char(plat::COLORREF c) {
    const auto is = [c](TColor color) { return c == plat::ColorToColorRef(color); };
    return is(plat::clBtnFace)                 ? 'f'
           : is(plat::clAqua)                  ? 'a'
           : is(plat::clYellow)                ? 'y'
           : is(plat::clRed)                   ? 'r'
           : is(plat::clLime)                  ? 'l'
           : is(plat::clBlue)                  ? 'b'
           : is(plat::clBlack)                 ? '#'
           : is(plat::clWhite)                 ? 'w'
           : is(static_cast<TColor>(0x808080)) ? 'g'
                                               : '?';
  }
  // Keeps the control's part of the form, four times enlarged.
  void Keep(plat::TControl* Control, const std::string& Name) {
    const auto form = plat::WindowPicture(Form()->Handle());
    plat::RECT window{};
    plat::GetWindowRect(Form()->Handle(), &window);
    const TPoint origin = OnScreen(Control, {0, 0});
    const int left = origin.X - window.Left, top = origin.Y - window.Top, zoom = 4;
    plat::Bitmap picture(Control->Width() * zoom, Control->Height() * zoom);
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x) picture.Put(x, y, form->At(left + x / zoom, top + y / zoom));
    testing::KeepForInspection(picture, Name);
  }
};

TEST_F(ExtGridButtonPaint, FlatFacesPerState) {
  struct Case {
    const char* Name;
    void (*Prepare)(TExtGridButton*);
    bool Hovered;
    bool Pressed;
    const char* Picture;
  };
  const Case cases[] = {
      {"up: the frame shrinks without a down border", [](TExtGridButton*) {}, false, false,
       "ffffffff|faaaaaaf|faaaaaaf|faaaaaaf|ffffffff"},
      {"up with a border and a down border: full size",
       [](TExtGridButton* b) {
         b->SetBorderColor(plat::clBlue);
         b->SetBorderDownColor(plat::clWhite);
       },
       false, false, "bbbbbbbb|baaaaaab|baaaaaab|baaaaaab|bbbbbbbb"},
      {"hot", [](TExtGridButton*) {}, true, false, "ffffffff|f######f|f#yyyy#f|f######f|ffffffff"},
      {"pressed: the down border", [](TExtGridButton* b) { b->SetBorderDownColor(plat::clBlue); }, true, true,
       "bbbbbbbb|brrrrrrb|brrrrrrb|brrrrrrb|bbbbbbbb"},
      {"checked",
       [](TExtGridButton* b) {
         b->SetStyle(TExtGridButtonStyle::tasCheck);
         b->SetDown(true);
       },
       false, false, "ffffffff|fllllllf|fllllllf|fllllllf|ffffffff"},
      {"down in a group",
       [](TExtGridButton* b) {
         b->SetGroupIndex(1);
         b->SetDown(true);
       },
       false, false, "ffffffff|fllllllf|fllllllf|fllllllf|ffffffff"},
      {"rounded border",
       [](TExtGridButton* b) {
         b->SetRounded(true);
         b->SetBorderColor(plat::clBlue);
       },
       false, false, "ffffffff|fabbbbaf|fbaaaabf|fabbbbaf|ffffffff"},
  };
  for (const Case& c : cases) {
    TExtGridButton* button = MakeButton(8, 5);
    c.Prepare(button);
    if (c.Hovered) Hover(button);
    if (c.Pressed) plat::InjectMouseDown(OnScreen(button, {1, 1}));
    Repaint(button);
    EXPECT_EQ(Ascii(button), c.Picture) << c.Name;
    if (c.Pressed) plat::InjectMouseUp(OnScreen(button, {1, 1}));
    Pump();
    delete button;
  }
}

TEST_F(ExtGridButtonPaint, SixteenBandGradients) {
  TExtGridButton* button = MakeButton(4, 18);
  button->SetColor(plat::clRed);
  button->SetColorTo(plat::clBlue);
  Repaint(button);
  // Inside the one-pixel ring: 16 bands over 16 rows, red at the top.
  EXPECT_EQ(PixelAt(button, {1, 1}), plat::ColorToColorRef(plat::clRed));
  EXPECT_EQ(PixelAt(button, {1, 16}), plat::RGB(16, 0, 239));  // band 15: 15/16 of the way
  EXPECT_NE(PixelAt(button, {1, 8}), PixelAt(button, {1, 9}));
}

TEST_F(ExtGridButtonPaint, TheDropDownPart) {
  TExtGridButton* button = MakeButton(24, 9);
  button->SetDropDownButton(true);
  button->Font()->SetColor(plat::clBlack);
  Repaint(button);
  // The arrow 4 to 8 pixels from the right edge, around the middle row.
  EXPECT_EQ(Ascii(button),
            "ffffffffffffffffffffffff|"
            "faaaaaaaaaaaaaaaaaaaaaaf|"
            "faaaaaaaaaaaaaaaaaaaaaaf|"
            "faaaaaaaaaaaaaa#####aaaf|"
            "faaaaaaaaaaaaaaa###aaaaf|"
            "faaaaaaaaaaaaaaaa#aaaaaf|"
            "faaaaaaaaaaaaaaaaaaaaaaf|"
            "faaaaaaaaaaaaaaaaaaaaaaf|"
            "ffffffffffffffffffffffff");
  Hover(button);
  // Hot: the separator 12 pixels left of the frame's right edge.
  EXPECT_EQ(Ascii(button),
            "ffffffffffffffffffffffff|"
            "f######################f|"
            "f#yyyyyyyyy#yyyyyyyyyy#f|"
            "f#yyyyyyyyy#yyy#####yy#f|"
            "f#yyyyyyyyy#yyyy###yyy#f|"
            "f#yyyyyyyyy#yyyyy#yyyy#f|"
            "f#yyyyyyyyy#yyyyyyyyyy#f|"
            "f######################f|"
            "ffffffffffffffffffffffff");
}

TEST_F(ExtGridButtonPaint, RaisedButtonsClassicAndThemed) {
  TExtGridButton* button = MakeButton(8, 6);
  button->SetFlat(false);
  Repaint(button);
  const std::string up = Ascii(button);
  plat::InjectMouseDown(OnScreen(button, {2, 2}));
  Repaint(button);
  const std::string pushed = Ascii(button);
  plat::InjectMouseUp(OnScreen(button, {2, 2}));
  Pump();
  EXPECT_NE(up, pushed);
  EXPECT_EQ(up.find('a'), std::string::npos);  // the desktop's button, not the colours
  Keep(button, "grid/extgridbutton-raised.png");

  plat::testing::ThemeRecorder style;
  button->SetAutoXPStyle(true);
  Repaint(button);
  plat::InjectMouseDown(OnScreen(button, {2, 2}));
  Repaint(button);
  plat::InjectMouseUp(OnScreen(button, {2, 2}));
  Pump();
  using Call = plat::testing::RecordingThemeService::DrawCall;
  const std::vector<Call> calls = style.Service().Calls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.front(), (Call{u"button", 1, 1, {0, 0, 8, 6}}));
  EXPECT_EQ(calls[1], (Call{u"button", 1, 3, {0, 0, 8, 6}}));
  EXPECT_EQ(style.Service().OpenCount(), 0u);
}

// A 4 x 3 glyph: red with a white corner (its transparent colour) at the
// bottom left.
std::unique_ptr<plat::TBitmap> RedGlyph() {
  auto glyph = std::make_unique<plat::TBitmap>();
  glyph->SetSize(4, 3);
  glyph->Canvas()->Brush()->SetColor(plat::clRed);
  glyph->Canvas()->FillRect({0, 0, 4, 3});
  glyph->Canvas()->SetPixels(0, 2, plat::clWhite);
  return glyph;
}

TEST_F(ExtGridButtonPaint, AHoveredGlyphLiftsOffItsShade) {
  TExtGridButton* button = MakeButton(12, 9);
  button->SetColor(plat::clBtnFace);
  button->SetColorHot(plat::clAqua);
  button->SetBorderHotColor(plat::clNone);
  button->SetGlyph(RedGlyph().get());
  Repaint(button);
  EXPECT_EQ(Ascii(button),
            "ffffffffffff|"
            "ffffffffffff|"
            "ffffffffffff|"
            "ffffrrrrffff|"
            "ffffrrrrffff|"
            "fffffrrrffff|"
            "ffffffffffff|"
            "ffffffffffff|"
            "ffffffffffff");
  // Hot: the glyph one pixel up and left, its shade two pixels down and
  // right of it.
  Hover(button);
  EXPECT_EQ(Ascii(button),
            "ffffffffffff|"
            "faaaaaaaaaaf|"
            "faarrrraaaaf|"
            "faarrrraaaaf|"
            "faaarrrggaaf|"
            "faaaaggggaaf|"
            "faaaaagggaaf|"
            "faaaaaaaaaaf|"
            "ffffffffffff");
  Keep(button, "grid/extgridbutton-shade.png");
  // A new glyph brings its own shade: a 2 x 2 one, its corner clear too.
  plat::TBitmap small;
  small.SetSize(2, 2);
  small.Canvas()->Brush()->SetColor(plat::clRed);
  small.Canvas()->FillRect({0, 0, 2, 2});
  small.Canvas()->SetPixels(0, 1, plat::clWhite);
  button->SetGlyph(&small);
  Repaint(button);
  EXPECT_EQ(Ascii(button),
            "ffffffffffff|"
            "faaaaaaaaaaf|"
            "faaaaaaaaaaf|"
            "faaarraaaaaf|"
            "faaaaraaaaaf|"
            "faaaaaggaaaf|"
            "faaaaaagaaaf|"
            "faaaaaaaaaaf|"
            "ffffffffffff");
  button->SetShaded(false);
  Repaint(button);
  EXPECT_EQ(Ascii(button).find('g'), std::string::npos);
}

TEST_F(ExtGridButtonPaint, HotThenDisabledGlyphAndCaption) {
  TExtGridButton* button = MakeButton(60, 20);
  button->SetColor(plat::clBtnFace);
  button->SetGlyph(RedGlyph().get());
  button->SetCaption("Find");
  button->Font()->SetName("Arial");
  Hover(button);
  Keep(button, "grid/extgridbutton-hot.png");
  EXPECT_NE(Ascii(button).find('r'), std::string::npos);
  button->SetEnabled(false);
  Repaint(button);
  Keep(button, "grid/extgridbutton-disabled.png");
  const std::string picture = Ascii(button);
  EXPECT_EQ(picture.find('r'), std::string::npos);
  int grey = 0, highlight = 0, shadow = 0;
  for (int y = 0; y < button->Height(); ++y)
    for (int x = 0; x < button->Width(); ++x) {
      const plat::COLORREF c = PixelAt(button, {x, y});
      grey += c == plat::RGB(138, 138, 138);
      highlight += c == plat::ColorToColorRef(plat::clBtnHighlight);
      shadow += c == plat::ColorToColorRef(plat::clBtnShadow);
    }
  EXPECT_EQ(grey, 11);  // the grey glyph, its corner left out
  EXPECT_GT(highlight, 5);
  EXPECT_GT(shadow, 5);
}

TEST(GlyphShades, GreyCopyAndShade) {
  plat::TBitmap glyph;
  glyph.SetSize(3, 1);
  glyph.Canvas()->SetPixels(0, 0, plat::clWhite);
  glyph.Canvas()->SetPixels(1, 0, plat::clRed);
  glyph.Canvas()->SetPixels(2, 0, static_cast<TColor>(plat::RGB(1, 1, 0)));
  plat::TBitmap grey;
  detail::MakeGreyGlyph(glyph, grey);
  // round((R + G + B) / 3) / 2 + 96
  EXPECT_EQ(grey.Canvas()->Pixels(0, 0), static_cast<TColor>(plat::RGB(223, 223, 223)));
  EXPECT_EQ(grey.Canvas()->Pixels(1, 0), static_cast<TColor>(plat::RGB(138, 138, 138)));
  EXPECT_EQ(grey.Canvas()->Pixels(2, 0), static_cast<TColor>(plat::RGB(96, 96, 96)));  // round(2/3) = 1, halved: 0

  // The bottom-left pixel (white here) is the glyph's transparent colour.
  plat::TBitmap shade;
  detail::MakeGlyphShade(glyph, shade);
  EXPECT_EQ(shade.Canvas()->Pixels(0, 0), plat::clWhite);
  EXPECT_EQ(shade.Canvas()->Pixels(1, 0), static_cast<TColor>(0x808080));
  EXPECT_EQ(shade.Canvas()->Pixels(2, 0), static_cast<TColor>(0x808080));
}

}  // namespace
}  // namespace zorbit
