#include "platform/gdi/ShellFileInfo.h"

#include <array>
#include <memory>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

enum class ShellIcon { Document, Folder, Text, Picture, Program, Count };

struct SystemImageList {
  int Size = 0;
  std::array<HBITMAP, static_cast<std::size_t>(ShellIcon::Count)> Icons{};
};

namespace {

constexpr TPixel Opaque(COLORREF c) { return 0xFF000000u | PixelFromColorRef(c); }

// Our own pictures, drawn at either size from the same proportions: all
// pixels outside the shapes stay transparent (alpha 0).
class IconPainter {
 public:
  explicit IconPainter(int size) : FImage(std::make_unique<Bitmap>(size, size)), FSize(size) { FImage->Fill(0); }
  // A rectangle in sixteenths of the icon.
  void Fill(int l, int t, int r, int b, COLORREF c) {
    for (int y = Scale(t); y < Scale(b); ++y)
      for (int x = Scale(l); x < Scale(r); ++x) FImage->Put(x, y, Opaque(c));
  }
  void Frame(int l, int t, int r, int b, COLORREF c) {
    const int L = Scale(l), T = Scale(t), R = Scale(r) - 1, B = Scale(b) - 1;
    for (int x = L; x <= R; ++x) FImage->Put(x, T, Opaque(c)), FImage->Put(x, B, Opaque(c));
    for (int y = T; y <= B; ++y) FImage->Put(L, y, Opaque(c)), FImage->Put(R, y, Opaque(c));
  }
  std::unique_ptr<Bitmap> Take() { return std::move(FImage); }

 private:
  int Scale(int sixteenths) const { return sixteenths * FSize / 16; }
  std::unique_ptr<Bitmap> FImage;
  int FSize;
};

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Outline = RGB(64, 64, 64);

void Page(IconPainter& p) {
  p.Fill(3, 1, 13, 15, White);
  p.Frame(3, 1, 13, 15, Outline);
}

HBITMAP Paint(ShellIcon icon, int size) {
  IconPainter p(size);
  switch (icon) {
    case ShellIcon::Folder:
      p.Fill(1, 3, 7, 5, RGB(230, 180, 40));
      p.Fill(1, 5, 15, 14, RGB(250, 210, 80));
      p.Frame(1, 5, 15, 14, RGB(150, 110, 20));
      break;
    case ShellIcon::Text:
      Page(p);
      for (int row = 4; row < 13; row += 3) p.Fill(5, row, 11, row + 1, RGB(0, 0, 128));
      break;
    case ShellIcon::Picture:
      Page(p);
      p.Fill(4, 3, 12, 9, RGB(120, 180, 255));
      p.Fill(4, 9, 12, 13, RGB(40, 160, 60));
      break;
    case ShellIcon::Program:
      p.Fill(1, 2, 15, 14, RGB(212, 208, 200));
      p.Fill(1, 2, 15, 5, RGB(10, 36, 106));
      p.Frame(1, 2, 15, 14, Outline);
      break;
    case ShellIcon::Document:
    case ShellIcon::Count:
      Page(p);
      p.Fill(9, 1, 13, 5, RGB(192, 192, 192));
      break;
  }
  return GdiObjectTable::Adopt(p.Take());
}

// The two lists live for the whole run, made at first use.
SystemImageList& ListOf(bool small) {
  static SystemImageList lists[2];
  SystemImageList& list = lists[small ? 0 : 1];
  if (list.Size == 0) {
    list.Size = small ? 16 : 32;
    for (std::size_t i = 0; i < list.Icons.size(); ++i) list.Icons[i] = Paint(static_cast<ShellIcon>(i), list.Size);
  }
  return list;
}

ShellIcon IconOfType(const String& path) {
  const String ext = LowerCase(ExtractFileExt(path));
  if (ext == ".txt" || ext == ".ini" || ext == ".log" || ext == ".csv") return ShellIcon::Text;
  if (ext == ".bmp" || ext == ".jpg" || ext == ".jpeg" || ext == ".gif" || ext == ".ico" || ext == ".png")
    return ShellIcon::Picture;
  if (ext == ".exe" || ext == ".com" || ext == ".bat") return ShellIcon::Program;
  return ShellIcon::Document;
}

}  // namespace

std::uintptr_t SHGetFileInfo(const String& path, DWORD fileAttributes, SHFILEINFO* info, UINT flags) {
  if (!info || !(flags & SHGFI_SYSICONINDEX)) return 0;
  ShellIcon icon;
  if (flags & SHGFI_USEFILEATTRIBUTES) {
    icon = (fileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? ShellIcon::Folder : IconOfType(path);
  } else if (DirectoryExists(path)) {
    icon = ShellIcon::Folder;
  } else if (FileExists(path)) {
    icon = IconOfType(path);
  } else {
    return 0;
  }
  info->iIcon = static_cast<int>(icon);
  info->dwAttributes = icon == ShellIcon::Folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  return reinterpret_cast<std::uintptr_t>(SystemImageListOf(flags & SHGFI_SMALLICON));
}

HIMAGELIST SystemImageListOf(UINT sizeFlag) { return &ListOf(sizeFlag & SHGFI_SMALLICON); }

int ImageList_GetImageCount(HIMAGELIST list) { return list ? static_cast<int>(list->Icons.size()) : 0; }

bool ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
  if (!list || !cx || !cy) return false;
  *cx = *cy = list->Size;
  return true;
}

bool ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT) {
  if (!list || index < 0 || index >= ImageList_GetImageCount(list)) return false;
  const HDC source = CreateCompatibleDC(nullptr);
  const ScopeExit deleted([source] { DeleteDC(source); });
  const DCStateSaver saved(source);
  SelectObject(source, list->Icons[static_cast<std::size_t>(index)]);
  return AlphaBlend(dc, x, y, list->Size, list->Size, source, 0, 0, list->Size, list->Size,
                    BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}

}  // namespace plat
