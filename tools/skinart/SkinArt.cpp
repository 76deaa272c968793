// skin_pictures <manifest> <folder>: draws the built-in styles' pictures
// (our own art) that the manifest lists, each at its size and frame count,
// into <folder> as 24-bit BMP files named after them, and the program icon
// MAINICON.ico (32 and 16 pixels). A manifest line that names no known
// style or part, or sizes that do not divide into frames, fail the build.
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpCodec.h"
#include "tools/skinart/Raster.h"
#include "tools/skinart/Styles.h"

namespace skinart {
namespace {

struct Entry {
  std::string Name;
  int Width = 0, Height = 0, Frames = 1;
};

// Pressed and hot variants of a colour.
Rgb Hot(Rgb c) { return Shade(c, 0.35); }
Rgb Pressed(Rgb c) { return Shade(c, -0.18); }
Rgb StateColour(Rgb c, int state) { return state == 1 ? Hot(c) : state == 2 ? Pressed(c) : c; }

// A framed rounded box: Border outside, the glassy face inside.
void FramedBox(Raster& r, Box b, double radius, Rgb border, const std::function<Rgb(double)>& face) {
  r.RoundBox(b, radius, [&](double) { return border; });
  r.RoundBox({b.X + 1, b.Y + 1, b.W - 2, b.H - 2}, std::max(radius - 1, 0.0), face);
}

std::function<Rgb(double)> FaceOf(const Palette& p, int state) {
  auto s = [state](Rgb c) { return StateColour(c, state); };
  if (state == 2)  // pressed: the light falls the other way
    return Glass(s(p.FaceBottom), s(p.FaceMid2), s(p.FaceMid), s(p.FaceTop), 1 - p.FaceSplit);
  return Glass(s(p.FaceTop), s(p.FaceMid), s(p.FaceMid2), s(p.FaceBottom), p.FaceSplit);
}

// --- push buttons -----------------------------------------------------------

void DrawButton(Raster& r, const Palette& p, int state) {
  const double w = r.Width(), h = r.Height();
  const Rgb border = state == 1 ? Mix(p.Border, p.Accent, 0.6) : p.Border;
  FramedBox(r, {0, 0, w, h}, p.ButtonRadius, border, FaceOf(p, state));
  if (state == 1) r.RoundFrame({1, 1, w - 2, h - 2}, std::max(p.ButtonRadius - 1, 0.0), 1, Mix(p.Accent, White, 0.5));
}

// --- check box, radio button, check list --------------------------------------

enum class Mark { Check, Dot, FlatCheck };

void DrawCheck(Raster& r, const Palette& p, int frame, Mark mark) {
  const bool checked = frame == 0 || frame == 2;
  const bool disabled = frame >= 2;
  const double size = std::min(r.Width(), r.Height()) - (r.Height() > 13 ? 2 : 0);
  const double x = (r.Width() - size) / 2, y = (r.Height() - size) / 2;
  auto dim = [&](Rgb c) { return disabled ? Mix(c, p.Back, 0.55) : c; };
  const Rgb ink = dim(Shade(p.Accent, -0.3));
  const Box box{x, y, size, size};
  if (mark == Mark::Dot) {
    FramedBox(r, box, size / 2, dim(p.Border), Gradient(dim(Shade(p.FaceMid2, -0.05)), dim(White)));
    if (checked) r.Disc(x + size / 2, y + size / 2, size * 0.2, ink);
    return;
  }
  const double radius = mark == Mark::FlatCheck ? 0 : (size > 13 ? 3 : 1.5);
  FramedBox(r, box, radius, dim(p.Border), Gradient(dim(Shade(p.FaceMid2, -0.05)), dim(White)));
  if (!checked) return;
  const double s = size;
  r.Stroke(x + s * 0.25, y + s * 0.52, x + s * 0.43, y + s * 0.72, s * 0.15, ink);
  r.Stroke(x + s * 0.43, y + s * 0.72, x + s * 0.76, y + s * 0.28, s * 0.15, ink);
}

// --- title bar ----------------------------------------------------------------

// The whole bar, of which the left, middle and right pictures are cut.
Raster TitleBar(const Palette& p, int width, int height, int leftWidth) {
  Raster bar(width, height, p.TitleTop);
  for (int y = 0; y < height; ++y) bar.FillRect(0, y, width, 1, TitleColour(p, y, height));
  bar.FillRect(0, 0, width, 1, Shade(p.TitleTop, 0.3));
  bar.FillRect(0, height - 1, width, 1, Shade(p.TitleBottom, -0.3));
  // A soft light behind where the caption starts, inside the left picture.
  bar.Shape(
      [&](double x, double y) {
        return std::hypot((x - leftWidth * 0.3) / (leftWidth * 0.5), (y - height * 0.3) / height) < 1;
      },
      [&](int, int) { return White; });
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < leftWidth; ++x) {
      const double fade = std::max(0.0, 1 - x / (leftWidth * 0.8));
      bar.Put(x, y, Mix(TitleColour(p, y, height), bar.At(x, y), 0.12 * fade));
    }
  for (int y = 0; y < height; ++y)
    for (int x = leftWidth; x < width; ++x) bar.Put(x, y, TitleColour(p, y, height));
  bar.FillRect(0, 0, width, 1, Shade(p.TitleTop, 0.3));
  bar.FillRect(0, height - 1, width, 1, Shade(p.TitleBottom, -0.3));
  return bar;
}

// Glyphs of the title buttons in a unit square scaled to the frame.
void TitleGlyph(Raster& r, int kind, Rgb ink) {
  const double s = r.Width(), o = 0, t = std::max(1.4, s / 9);
  auto L = [&](double x1, double y1, double x2, double y2, double w) {
    r.Stroke(o + x1 * s, o + y1 * s, o + x2 * s, o + y2 * s, w, ink);
  };
  auto Square = [&](double x1, double y1, double x2, double y2) {
    L(x1, y1, x2, y1, t * 1.4);
    L(x2, y1, x2, y2, t * 0.8);
    L(x2, y2, x1, y2, t * 0.8);
    L(x1, y2, x1, y1, t * 0.8);
  };
  switch (kind) {
    case 0:  // control box: a small window
      Square(0.3, 0.3, 0.7, 0.7);
      break;
    case 1: {  // help: a question mark
      const double pts[][2] = {{0.36, 0.36}, {0.42, 0.26}, {0.52, 0.23}, {0.62, 0.27},
                               {0.65, 0.37}, {0.58, 0.46}, {0.51, 0.52}, {0.51, 0.6}};
      for (std::size_t i = 0; i + 1 < std::size(pts); ++i) L(pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1], t);
      r.Disc(0.51 * s, 0.74 * s, t * 0.75, ink);
      break;
    }
    case 2: Square(0.28, 0.28, 0.72, 0.72); break;  // maximize
    case 3:                                         // restore: two windows
      Square(0.38, 0.24, 0.76, 0.6);
      Square(0.24, 0.42, 0.6, 0.78);
      break;
    case 4: L(0.3, 0.7, 0.7, 0.7, t * 1.3); break;  // minimize
    case 5:                                         // close
      L(0.3, 0.3, 0.7, 0.7, t * 1.2);
      L(0.7, 0.3, 0.3, 0.7, t * 1.2);
      break;
  }
}

void DrawTitleButton(Raster& r, const Palette& p, int frame, int titleHeight) {
  const int kind = frame / 3, state = frame % 3;
  if (!p.TitleButtonTransparent)
    for (int y = 0; y < r.Height(); ++y)
      r.FillRect(0, y, r.Width(), 1, TitleColour(p, std::min(y + p.TitleButtonRow, titleHeight - 1), titleHeight));
  const bool close = kind == 5;
  const Rgb top = StateColour(close ? p.CloseTop : p.TitleButtonTop, state);
  const Rgb bottom = StateColour(close ? p.CloseBottom : p.TitleButtonBottom, state);
  const double s = r.Width();
  FramedBox(r, {0.5, 0.5, s - 1, r.Height() - 1.0}, p.TitleButtonRadius, p.TitleButtonBorder,
            Glass(Shade(top, 0.2), top, Mix(top, bottom, 0.6), bottom, 0.5));
  TitleGlyph(r, kind, close && p.TitleGlyph.R < 128 ? White : p.TitleGlyph);
}

// --- bars in three parts ---------------------------------------------------------

void DrawGroove(Raster& r, const Palette& p) {
  const double h = r.Height();
  FramedBox(r, {0, 0, double(r.Width()), h}, h / 2, Shade(p.Border, 0.2),
            Gradient(Shade(p.Back, -0.25), Shade(p.Back, 0.4)));
}

void DrawProgress(Raster& r, const Palette& p) {
  const double h = r.Height();
  FramedBox(r, {0, 0, double(r.Width()), h}, 4, p.Border,
            Glass(Shade(p.Accent, 0.55), Shade(p.Accent, 0.2), p.Accent, Shade(p.Accent, 0.3), 0.5));
}

// --- track-bar sliders: a pointer across (down) or upright (right) -------------

void DrawSlider(Raster& r, const Palette& p, bool upright) {
  const double w = r.Width(), h = r.Height();
  const double len = upright ? w : h, thick = upright ? h : w;
  const double body = len - thick / 2 - 0.5;
  auto inside = [&](double x, double y) {
    const double along = upright ? x : y, across = upright ? y : x;
    if (along < 0 || across < 0 || across > thick) return false;
    if (along <= body) return true;
    return std::abs(across - thick / 2) <= (len - along) * (thick / 2) / (len - body);
  };
  r.Shape(inside, [&](int, int) { return p.Border; });
  auto inner = [&](double x, double y) {
    const double along = upright ? x : y, across = upright ? y : x;
    return inside(x, y) && along > 1 && across > 1 && across < thick - 1 &&
           inside(upright ? x + 1.5 : x, upright ? y : y + 1.5);
  };
  r.Shape(inner, [&](int x, int) { return FaceOf(p, 0)((upright ? 0.5 : (x + 0.5) / w)); });
}

// --- scroll bars ------------------------------------------------------------------

void DrawScrollButton(Raster& r, const Palette& p, int frame) {
  const bool down = frame >= 3;
  const int state = frame % 3;
  const double w = r.Width(), h = r.Height();
  FramedBox(r, {0, 0, w, h}, 2, Shade(p.Border, 0.25), FaceOf(p, state));
  const double cx = w / 2, cy = h / 2, a = std::min(w, h) * 0.22;
  const Rgb ink = Shade(p.Border, -0.2);
  r.Shape(
      [&](double x, double y) {
        const double dy = down ? y - (cy - a / 2) : (cy + a / 2) - y;  // 0 at the base, a at the tip
        return dy >= 0 && dy <= a && std::abs(x - cx) <= (a - dy) * 1.1;
      },
      [&](int, int) { return ink; });
}

void DrawScrollThumb(Raster& r, const Palette& p) {
  const double w = r.Width(), h = r.Height();
  FramedBox(r, {0, 1, w, h - 2}, (h - 2) / 2, Shade(p.Border, 0.15), FaceOf(p, 0));
}

// --- the rest -----------------------------------------------------------------------

void DrawChevron(Raster& r, const Palette& p, int state) {
  const double w = r.Width(), h = r.Height();
  if (state > 0) FramedBox(r, {0, 0, w, h}, 2, p.Border, FaceOf(p, state));
  const Rgb ink = Shade(p.Border, -0.2);
  for (double x0 : {w * 0.28, w * 0.5}) {
    r.Stroke(x0, h * 0.3, x0 + w * 0.18, h * 0.5, 1.6, ink);
    r.Stroke(x0 + w * 0.18, h * 0.5, x0, h * 0.7, 1.6, ink);
  }
}

void DrawTab(Raster& r, const Palette& p, int state) {
  const double w = r.Width(), h = r.Height();
  const double top = state == 2 ? 0 : 2;
  const auto face = state == 2 ? Gradient(White, p.Back) : FaceOf(p, state == 1 ? 1 : 0);
  FramedBox(r, {0, top, w, h + 6 - top}, 4, p.Border, face);  // the bottom runs into the tab line
}

void DrawTabLine(Raster& r, const Palette& p) {
  r.FillRect(0, 0, r.Width(), r.Height(), Shade(p.Back, 0.5));
  r.FillRect(0, 0, r.Width(), 1, p.Border);
}

void DrawGrip(Raster& r, const Palette& p, int state) {
  const double w = r.Width(), h = r.Height();
  FramedBox(r, {1, 1, w - 2, h - 2}, 3, p.Border, FaceOf(p, state));
  for (int i = -1; i <= 1; ++i) r.Disc(w / 2 + i * 3.5, h / 2, 1.1, Shade(p.Border, -0.2));
}

void DrawMenuBand(Raster& r, Rgb top, Rgb bottom) {
  for (int y = 0; y < r.Height(); ++y) r.FillRect(0, y, r.Width(), 1, Mix(top, bottom, (y + 0.5) / r.Height()));
}

void DrawPattern(Raster& r, bool pinstripes) {
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) {
      const bool mark = pinstripes ? y % 2 == 1 : (x + y) % 4 == 0 && y % 2 == 0;
      r.Put(x, y,
            pinstripes ? (mark ? Rgb{0xE2, 0xE2, 0xE2} : Rgb{0xEC, 0xEC, 0xEC})
                       : (mark ? Rgb{0xF0, 0xF0, 0xF0} : Rgb{0xFB, 0xFB, 0xFB}));
    }
}

void DrawMenuCheck(Raster& r) {
  r.Stroke(4, 8.5, 7, 11.5, 2, Black);
  r.Stroke(7, 11.5, 12, 4.5, 2, Black);
}

// --- one picture ----------------------------------------------------------------

std::string Prefix(const std::string& name) { return name.substr(0, name.find('_')); }
std::string Part(const std::string& name) {
  const auto at = name.find('_');
  return at == std::string::npos ? "" : name.substr(at + 1);
}

const Entry& Find(const std::vector<Entry>& all, const std::string& name) {
  for (const Entry& e : all)
    if (e.Name == name) return e;
  throw std::runtime_error("the manifest lacks " + name);
}

// The pictures of one frame each; whole strips for pictures drawn in one piece.
Raster Draw(const Entry& e, const std::vector<Entry>& all) {
  const std::string prefix = Prefix(e.Name), part = Part(e.Name);
  if (e.Name == "MENU_CHECKED") {
    Raster r(e.Width, e.Height, White);
    DrawMenuCheck(r);
    return r;
  }
  const Palette* found = PaletteOf(prefix);
  if (!found) throw std::runtime_error("no style for " + e.Name);
  const Palette& p = *found;
  const int fw = e.Width / e.Frames;
  Raster strip(e.Width, e.Height, Magenta);
  auto frames = [&](Rgb back, const std::function<void(Raster&, int)>& draw) {
    for (int i = 0; i < e.Frames; ++i) {
      Raster frame(fw, e.Height, back);
      draw(frame, i);
      for (int y = 0; y < e.Height; ++y)
        for (int x = 0; x < fw; ++x) strip.Put(i * fw + x, y, frame.At(x, y));
    }
  };
  auto whole = [&](Rgb back, const std::function<void(Raster&)>& draw) {
    Raster r(e.Width, e.Height, back);
    draw(r);
    strip = r;
  };

  if (part == "BUTTON") {
    frames(p.ButtonTransparent ? Magenta : p.Back, [&](Raster& r, int i) { DrawButton(r, p, i); });
  } else if (part == "CHECKBOX" || part == "RADIOBUTTON" || part == "CHECKLIST") {
    const Mark mark = part == "CHECKBOX" ? Mark::Check : part == "RADIOBUTTON" ? Mark::Dot : Mark::FlatCheck;
    frames(p.Back, [&](Raster& r, int i) { DrawCheck(r, p, i, mark); });
  } else if (part == "TITLEBTN") {
    const int titleHeight = Find(all, prefix + "_TITLE_LEFT").Height;
    frames(Magenta, [&](Raster& r, int i) { DrawTitleButton(r, p, i, titleHeight); });
  } else if (part == "TITLE_LEFT" || part == "TITLE_CLIENT" || part == "TITLE_RIGHT") {
    const Entry& l = Find(all, prefix + "_TITLE_LEFT");
    const Entry& c = Find(all, prefix + "_TITLE_CLIENT");
    const Entry& rt = Find(all, prefix + "_TITLE_RIGHT");
    const Raster bar = TitleBar(p, l.Width + c.Width + rt.Width, e.Height, l.Width);
    const int from = part == "TITLE_LEFT" ? 0 : part == "TITLE_CLIENT" ? l.Width : l.Width + c.Width;
    whole(Magenta, [&](Raster& r) {
      for (int y = 0; y < e.Height; ++y)
        for (int x = 0; x < e.Width; ++x) r.Put(x, y, bar.At(from + x, y));
    });
  } else if (part == "PROGRESSBAR") {
    whole(Magenta, [&](Raster& r) { DrawProgress(r, p); });
  } else if (part == "TRACKBAR_BAR" || part == "SIDECHENNEL_BAR") {
    whole(Magenta, [&](Raster& r) { DrawGroove(r, p); });
  } else if (part == "TRACKBAR_SLIDER") {
    whole(Magenta, [&](Raster& r) { DrawSlider(r, p, false); });
  } else if (part == "TRACKBAR_SLIDER_V") {
    whole(p.Back, [&](Raster& r) { DrawSlider(r, p, true); });
  } else if (part == "SCROLLBAR_BUTTON") {
    frames(p.ScrollBack, [&](Raster& r, int i) { DrawScrollButton(r, p, i); });
  } else if (part == "SCROLLBAR_TRACK") {
    whole(p.ScrollBack, [&](Raster& r) { DrawScrollThumb(r, p); });
  } else if (part == "SCROLLBUTTON") {
    frames(p.Back, [&](Raster& r, int i) { DrawChevron(r, p, i); });
  } else if (part == "TAB") {
    frames(Magenta, [&](Raster& r, int i) { DrawTab(r, p, i); });
  } else if (part == "TAB_LINE") {
    whole(p.Back, [&](Raster& r) { DrawTabLine(r, p); });
  } else if (part == "SIDECHENNEL_HANDLE") {
    frames(p.Back, [&](Raster& r, int i) { DrawGrip(r, p, i); });
  } else if (part == "MENU_BAR") {
    whole(White, [&](Raster& r) { DrawMenuBand(r, Rgb{0xFA, 0xFA, 0xFA}, Rgb{0xDC, 0xDC, 0xDC}); });
  } else if (part == "MENU_SELECT") {
    whole(White, [&](Raster& r) { DrawMenuBand(r, Shade(p.Accent, 0.25), Shade(p.Accent, -0.1)); });
  } else if (part == "FORM_BACKGROUND") {
    whole(White, [&](Raster& r) { DrawPattern(r, prefix == "MACOS"); });
  } else {
    throw std::runtime_error("no drawing for " + e.Name);
  }
  return strip;
}

void WriteBmpFile(const Raster& r, const std::string& path) {
  plat::Bitmap image(r.Width(), r.Height());
  r.CopyTo(image, 0);
  const std::vector<plat::Byte> bytes = plat::WriteBmp(image);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

// --- the program icon -----------------------------------------------------------

Raster IconImage(int size) {
  const Palette& p = *PaletteOf("BLUEGLASS");
  Raster r(size, size, Magenta);
  const double s = size;
  FramedBox(r, {0.5, 0.5, s - 1, s - 1}, s * 0.22, Shade(p.TitleBottom, -0.3),
            Glass(p.TitleTop, p.TitleMid, p.TitleMid2, p.TitleBottom, 0.5));
  const double w = std::max(1.5, s / 8);
  r.Stroke(s * 0.3, s * 0.3, s * 0.7, s * 0.3, w, White);
  r.Stroke(s * 0.7, s * 0.3, s * 0.3, s * 0.7, w, White);
  r.Stroke(s * 0.3, s * 0.7, s * 0.7, s * 0.7, w, White);
  return r;
}

void Append32(std::vector<plat::Byte>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<plat::Byte>(v >> (8 * i)));
}

// An icon file of 32-bit images with alpha and an AND mask (magenta = transparent).
void WriteIcon(const std::vector<Raster>& images, const std::string& path) {
  std::vector<std::vector<plat::Byte>> dibs;
  for (const Raster& r : images) {
    std::vector<plat::Byte> dib;
    const int n = r.Width();
    Append32(dib, 40, 4);
    Append32(dib, n, 4);
    Append32(dib, 2 * n, 4);
    Append32(dib, 1, 2);
    Append32(dib, 32, 2);
    for (int i = 0; i < 6; ++i) Append32(dib, 0, 4);
    auto clear = [&](int x, int y) {
      const Rgb c = r.At(x, y);
      return c.R == 255 && c.G == 0 && c.B == 255;
    };
    for (int y = n - 1; y >= 0; --y)
      for (int x = 0; x < n; ++x) {
        const Rgb c = r.At(x, y);
        Append32(dib, clear(x, y) ? 0u : (0xFF000000u | (c.R << 16) | (c.G << 8) | c.B), 4);
      }
    const int maskStride = ((n + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
      std::vector<plat::Byte> row(maskStride, 0);
      for (int x = 0; x < n; ++x)
        if (clear(x, y)) row[x / 8] |= static_cast<plat::Byte>(0x80 >> (x % 8));
      dib.insert(dib.end(), row.begin(), row.end());
    }
    dibs.push_back(std::move(dib));
  }
  std::vector<plat::Byte> file;
  Append32(file, 0, 2);
  Append32(file, 1, 2);
  Append32(file, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<plat::Byte>(images[i].Width()));
    file.push_back(static_cast<plat::Byte>(images[i].Height()));
    Append32(file, 0, 2);
    Append32(file, 1, 2);
    Append32(file, 32, 2);
    Append32(file, static_cast<std::uint32_t>(dibs[i].size()), 4);
    Append32(file, offset, 4);
    offset += static_cast<std::uint32_t>(dibs[i].size());
  }
  for (const auto& dib : dibs) file.insert(file.end(), dib.begin(), dib.end());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<Entry> ReadManifest(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<Entry> entries;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Entry e;
    if (!(fields >> e.Name >> e.Width >> e.Height >> e.Frames) || e.Width <= 0 || e.Height <= 0 || e.Frames < 1 ||
        e.Width % e.Frames != 0)
      throw std::runtime_error("bad manifest line: " + line);
    entries.push_back(e);
  }
  return entries;
}

}  // namespace
}  // namespace skinart

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: skin_pictures <manifest> <folder>\n";
    return 2;
  }
  try {
    const std::vector<skinart::Entry> entries = skinart::ReadManifest(argv[1]);
    const std::string folder = argv[2];
    for (const skinart::Entry& e : entries)
      skinart::WriteBmpFile(skinart::Draw(e, entries), folder + "/" + e.Name + ".bmp");
    skinart::WriteIcon({skinart::IconImage(32), skinart::IconImage(16)}, folder + "/MAINICON.ico");
  } catch (const std::exception& error) {
    std::cerr << "skin_pictures: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
