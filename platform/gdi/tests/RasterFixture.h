#pragma once
// A small bitmap in a memory DC for pixel-exact drawing tests, and pixel
// pictures: one character per pixel, so expected results read as drawings.
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/DeviceContext.h"

namespace plat::testing {

class Surface {
 public:
  Surface(int width, int height, COLORREF fill = RGB(255, 255, 255), bool monochrome = false)
      : FBitmap(monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                           : CreateCompatibleBitmap(nullptr, width, height)),
        FDc(CreateCompatibleDC(nullptr)),
        FOld(SelectObject(FDc, FBitmap)) {
    Fill(fill);
  }
  ~Surface() {
    SelectObject(FDc, FOld);
    DeleteDC(FDc);
    DeleteObject(FBitmap);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC Dc() const { return FDc; }
  Bitmap& Pixels() const { return *FBitmap; }
  int Width() const { return FBitmap->Width(); }
  int Height() const { return FBitmap->Height(); }

  void Fill(COLORREF c) { FBitmap->Fill(PixelFromColorRef(c)); }
  COLORREF At(int x, int y) const { return ColorRefFromPixel(FBitmap->At(x, y) & 0x00FFFFFF); }
  std::vector<TPixel> Snapshot() const {
    std::vector<TPixel> all;
    for (int y = 0; y < Height(); ++y) all.insert(all.end(), FBitmap->Row(y), FBitmap->Row(y) + Width());
    return all;
  }

  // Rows of characters by the key; a colour missing from it shows as '?'.
  std::vector<std::string> Picture(const std::map<COLORREF, char>& key) const {
    std::vector<std::string> rows;
    for (int y = 0; y < Height(); ++y) {
      std::string row;
      for (int x = 0; x < Width(); ++x) {
        auto it = key.find(At(x, y));
        row += it == key.end() ? '?' : it->second;
      }
      rows.push_back(row);
    }
    return rows;
  }
  // With '.' for white and '#' for black.
  std::vector<std::string> Picture() const { return Picture({{RGB(255, 255, 255), '.'}, {RGB(0, 0, 0), '#'}}); }

 private:
  HBITMAP FBitmap;
  HDC FDc;
  HGDIOBJ FOld;
};

// Selects an object for a scope and deletes it afterwards.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : FDc(dc), FObject(object), FOld(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(FDc, FOld);
    DeleteObject(FObject);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC FDc;
  HGDIOBJ FObject;
  HGDIOBJ FOld;
};

}  // namespace plat::testing
