// lang_pictures <folder>: draws the System Info page buttons, 45 x 45, each
// in its normal ("_a") and selected ("_b") look, and writes them into the
// folder: the Summary pair as JPEG, the others as BMP. The names are those
// that pfqtheme.ini maps the page pictures to.
#include <cstdio>  // before jpeglib.h, which uses FILE
#include <jpeglib.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/TBitmap.h"

namespace {

using namespace plat;

constexpr int kSize = 45;

struct TLook {
  TColor Back;
  TColor Border;
  TColor Ink;
  TColor Accent;
};
// The program's teal (4608000) carries the normal look's drawing and the selected look's face.
constexpr TLook kNormal{static_cast<TColor>(RGB(236, 242, 243)), static_cast<TColor>(RGB(150, 172, 176)),
                        static_cast<TColor>(RGB(0, 0x50, 0x46)), static_cast<TColor>(RGB(110, 190, 180))};
constexpr TLook kSelected{static_cast<TColor>(RGB(0, 0x50, 0x46)), static_cast<TColor>(RGB(0, 0x2E, 0x28)),
                          static_cast<TColor>(RGB(244, 250, 249)), static_cast<TColor>(RGB(120, 210, 196))};

void SetPen(TCanvas& c, TColor color, int width = 1) {
  c.Pen()->SetColor(color);
  c.Pen()->SetWidth(width);
}
void SetFill(TCanvas& c, TColor color) { c.Brush()->SetColor(color); }
void Line(TCanvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}
// An outlined shape with the face showing through.
void Outline(TCanvas& c, const TLook& look, int width) {
  SetPen(c, look.Ink, width);
  SetFill(c, look.Back);
}
void Solid(TCanvas& c, TColor color) {
  SetPen(c, color);
  SetFill(c, color);
}

void DrawSummary(TCanvas& c, const TLook& look) {
  Outline(c, look, 2);
  c.Rectangle(12, 9, 34, 38);
  Solid(c, look.Accent);
  c.RoundRect(18, 6, 28, 13, 4, 4);
  SetPen(c, look.Ink, 2);
  for (int y = 18; y <= 33; y += 5) Line(c, 16, y, 30, y);
}

void DrawProcessor(TCanvas& c, const TLook& look) {
  SetPen(c, look.Ink, 2);
  for (int i = 0; i < 4; ++i) {
    const int p = 17 + i * 4;
    Line(c, p, 9, p, 36);
    Line(c, 9, p, 36, p);
  }
  Solid(c, look.Ink);
  c.Rectangle(13, 13, 33, 33);
  Solid(c, look.Accent);
  c.Rectangle(18, 18, 28, 28);
}

void DrawMotherboard(TCanvas& c, const TLook& look) {
  Outline(c, look, 2);
  c.Rectangle(7, 9, 39, 37);
  Solid(c, look.Accent);
  c.Rectangle(11, 13, 31, 17);
  c.Rectangle(11, 20, 31, 24);
  Solid(c, look.Ink);
  c.Rectangle(24, 27, 34, 34);
  c.Ellipse(11, 27, 18, 34);
}

void DrawNetwork(TCanvas& c, const TLook& look) {
  SetPen(c, look.Ink, 2);
  Line(c, 13, 19, 13, 31);
  Line(c, 13, 31, 32, 31);
  Line(c, 32, 31, 32, 19);
  Outline(c, look, 2);
  c.Rectangle(5, 8, 21, 19);
  c.Rectangle(24, 8, 40, 19);
  Solid(c, look.Accent);
  c.Rectangle(8, 11, 18, 16);
  c.Rectangle(27, 11, 37, 16);
  Solid(c, look.Ink);
  c.Rectangle(18, 28, 28, 36);
}

void DrawMemory(TCanvas& c, const TLook& look) {
  SetPen(c, look.Ink, 1);
  for (int x = 8; x <= 37; x += 3) Line(c, x, 30, x, 34);
  Outline(c, look, 2);
  c.Rectangle(5, 14, 41, 31);
  Solid(c, look.Ink);
  for (int i = 0; i < 4; ++i) c.Rectangle(8 + i * 8, 18, 14 + i * 8, 26);
  Solid(c, look.Back);
  c.Rectangle(21, 29, 25, 33);
}

void DrawVideo(TCanvas& c, const TLook& look) {
  Solid(c, look.Ink);
  const std::array<TPoint, 4> stand{{{19, 29}, {26, 29}, {29, 37}, {16, 37}}};
  c.Polygon(stand);
  Outline(c, look, 2);
  c.RoundRect(6, 7, 39, 31, 5, 5);
  Solid(c, look.Accent);
  c.Rectangle(10, 11, 35, 27);
}

void DrawAudio(TCanvas& c, const TLook& look) {
  Solid(c, look.Ink);
  const std::array<TPoint, 6> speaker{{{8, 18}, {14, 18}, {22, 10}, {22, 35}, {14, 27}, {8, 27}}};
  c.Polygon(speaker);
  SetPen(c, look.Accent, 2);
  c.Arc(18, 15, 30, 30, 24, 30, 24, 15);
  SetPen(c, look.Ink, 2);
  c.Arc(18, 9, 38, 36, 28, 36, 28, 9);
}

std::vector<Byte> EncodeJpeg(const Bitmap& image) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.Width());
  info.image_height = static_cast<JDIMENSION>(image.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 92, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(image.Width()) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < image.Width(); ++x) {
      const TPixel p = image.At(x, y);
      row[static_cast<std::size_t>(x) * 3] = static_cast<JSAMPLE>((p >> 16) & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<JSAMPLE>((p >> 8) & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(p & 0xFF);
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<Byte> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

bool WriteFile(const std::string& path, const std::vector<Byte>& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

struct TPage {
  const char* Name;  // file name without the look suffix
  bool Jpeg;
  std::function<void(TCanvas&, const TLook&)> Draw;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lang_pictures <folder>\n";
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const TPage pages[] = {
      {"sys_1", true, DrawSummary},        {"sys_2", false, DrawProcessor}, {"sys_4", false, DrawMotherboard},
      {"sys_network", false, DrawNetwork}, {"sys_5", false, DrawMemory},    {"sys_6", false, DrawVideo},
      {"sys_7", false, DrawAudio},
  };
  for (const TPage& page : pages) {
    for (const auto& [suffix, look] : {std::pair{"_a", kNormal}, std::pair{"_b", kSelected}}) {
      TBitmap bitmap;
      bitmap.SetSize(kSize, kSize);
      TCanvas& canvas = *bitmap.Canvas();
      Solid(canvas, clWhite);
      canvas.Rectangle(0, 0, kSize, kSize);
      SetPen(canvas, look.Border, 1);
      SetFill(canvas, look.Back);
      canvas.RoundRect(0, 0, kSize, kSize, 12, 12);
      page.Draw(canvas, look);
      const std::string path = folder + page.Name + suffix + (page.Jpeg ? ".jpg" : ".bmp");
      const Bitmap& image = *bitmap.Image();
      if (!WriteFile(path, page.Jpeg ? EncodeJpeg(image) : WriteBmp(image))) {
        std::cerr << "lang_pictures: cannot write " << path << "\n";
        return 1;
      }
    }
  }
  return 0;
}
