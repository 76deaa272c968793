// skin_sample_pictures <folder>: draws the pictures of the sample skin (our
// own art, in a copper-and-slate look unlike every built-in style, so a test
// can tell the skin's pixels from a built-in style's) and writes them into
// the folder as "<ElementName>.bmp", 24 bits. Multi-state pictures are strips
// of equal-width frames: each frame darker than the one before.
#include <functional>
#include <iostream>
#include <string>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"

namespace {

using namespace plat;

constexpr TColor kCopper = static_cast<TColor>(RGB(196, 110, 52));
constexpr TColor kSlate = static_cast<TColor>(RGB(54, 66, 82));
constexpr TColor kCream = static_cast<TColor>(RGB(250, 240, 222));

TColor Darker(TColor color, int steps) {
  const COLORREF rgb = ColorToColorRef(color);
  const auto shade = [steps](int channel) { return static_cast<Byte>(channel * (10 - steps) / 10); };
  return static_cast<TColor>(RGB(shade(GetRValue(rgb)), shade(GetGValue(rgb)), shade(GetBValue(rgb))));
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
  c.Brush()->SetColor(color);
  c.FillRect(r);
}

void Outline(TCanvas& c, TColor pen, TColor brush) {
  c.Pen()->SetColor(pen);
  c.Pen()->SetWidth(1);
  c.Brush()->SetColor(brush);
}

using TDrawFrame = std::function<void(TCanvas&, const TRect&, int Frame)>;

// A strip of Count frames of FrameWidth x Height, drawn by Draw on a cream ground.
void Strip(const std::string& Folder, const std::string& Name, int FrameWidth, int Height, int Count,
           const TDrawFrame& Draw) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(FrameWidth * Count, Height);
  TCanvas& c = *bitmap.Canvas();
  Fill(c, TRect{0, 0, FrameWidth * Count, Height}, kCream);
  for (int frame = 0; frame < Count; ++frame) {
    Draw(c, TRect{frame * FrameWidth, 0, (frame + 1) * FrameWidth, Height}, frame);
  }
  bitmap.SaveToFile(Folder + "/" + Name + ".bmp");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: skin_sample_pictures <folder>\n";
    return 2;
  }
  const std::string folder = argv[1];
  // Normal, hot, pressed.
  Strip(folder, "ButtonImage", 74, 21, 3, [](TCanvas& c, const TRect& r, int frame) {
    Outline(c, kSlate, Darker(kCopper, frame * 2));
    c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 6, 6);
  });
  // Unchecked, checked, each normal and pressed.
  Strip(folder, "CheckBoxImage", 13, 13, 4, [](TCanvas& c, const TRect& r, int frame) {
    Outline(c, kSlate, frame % 2 ? Darker(kCream, 2) : kCream);
    c.Rectangle(r);
    if (frame >= 2) Fill(c, TRect{r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3}, kCopper);
  });
  Strip(folder, "RadioButtonImage", 13, 13, 4, [](TCanvas& c, const TRect& r, int frame) {
    Outline(c, kSlate, frame % 2 ? Darker(kCream, 2) : kCream);
    c.Ellipse(r);
    if (frame >= 2) {
      Outline(c, kCopper, kCopper);
      c.Ellipse(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4);
    }
  });
  // Six buttons (close, maximize, restore, minimize, help, menu), each normal, hot and pressed.
  Strip(folder, "TitleBarButtonImage", 19, 19, 18, [](TCanvas& c, const TRect& r, int frame) {
    Outline(c, kCream, Darker(kCopper, frame % 3 * 2));
    c.Rectangle(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    Fill(c, TRect{r.Left + 5, r.Top + 8, r.Right - 5, r.Top + 11}, kCream);
  });
  Strip(folder, "TitleBarLeftImage", 40, 28, 1, [](TCanvas& c, const TRect& r, int) {
    Fill(c, r, kSlate);
    Fill(c, TRect{r.Left + 6, r.Top + 8, r.Left + 18, r.Top + 20}, kCopper);
  });
  Strip(folder, "TitleBarClientImage", 8, 28, 1, [](TCanvas& c, const TRect& r, int) {
    Fill(c, r, kSlate);
    Fill(c, TRect{r.Left, r.Bottom - 3, r.Right, r.Bottom}, kCopper);
  });
  Strip(folder, "TitleBarRightImage", 40, 28, 1, [](TCanvas& c, const TRect& r, int) {
    Fill(c, r, kSlate);
    Fill(c, TRect{r.Left, r.Bottom - 3, r.Right - 6, r.Bottom}, kCopper);
  });
  return 0;
}
