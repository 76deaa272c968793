#include "platform/win/Icons.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/gdi/Blits.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Shapes.h"
#include "platform/os/Resources.h"
#include "platform/gdi/TGraphic.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinErrors.h"

namespace plat {
namespace {

// One image of an icon in the three forms drawing needs.
struct IconPlanes {
  TSize Size;
  HBITMAP Blend = nullptr;  // premultiplied alpha, for DI_NORMAL
  HBITMAP Image = nullptr;  // black where transparent
  HBITMAP Mask = nullptr;   // black where the icon shows, white elsewhere
};

struct IconEntry {
  IconFile Source;                 // the images as made or read, for choosing one
  std::vector<IconPlanes> Images;  // the same, ready to draw
  bool Shared = false;
};

std::vector<std::unique_ptr<IconEntry>>& Icons() {
  static std::vector<std::unique_ptr<IconEntry>> icons;
  return icons;
}

IconEntry* EntryOf(HICON icon) {
  for (const auto& e : Icons())
    if (reinterpret_cast<HICON>(e.get()) == icon) return e.get();
  return nullptr;
}

constexpr TPixel Black = 0x000000;
constexpr TPixel White = 0xFFFFFF;

TPixel Premultiplied(TPixel p) {
  const TPixel a = p >> 24;
  auto scale = [a](TPixel channel) { return (channel * a + 127) / 255; };
  return (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
}

// The planes of an image whose alpha byte says where it shows.
IconPlanes PlanesOf(const Bitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  auto blend = std::make_unique<Bitmap>(w, h);
  auto image = std::make_unique<Bitmap>(w, h);
  auto mask = std::make_unique<Bitmap>(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const TPixel p = picture.At(x, y);
      const bool shows = (p >> 24) != 0;
      blend->Put(x, y, Premultiplied(p));
      image->Put(x, y, shows ? p & 0xFFFFFF : Black);
      mask->Put(x, y, shows ? Black : White);
    }
  }
  return {{w, h},
          GdiObjectTable::Adopt(std::move(blend)),
          GdiObjectTable::Adopt(std::move(image)),
          GdiObjectTable::Adopt(std::move(mask))};
}

HICON Register(std::unique_ptr<IconEntry> entry) {
  Icons().push_back(std::move(entry));
  return reinterpret_cast<HICON>(Icons().back().get());
}

void FreePlanes(IconEntry& entry) {
  for (const IconPlanes& planes : entry.Images) {
    DeleteObject(planes.Blend);
    DeleteObject(planes.Image);
    DeleteObject(planes.Mask);
  }
}

// The standard icons, drawn over a key colour that then becomes transparent.
constexpr COLORREF KeyColor = RGB(255, 0, 255);

void DrawStandardArt(HDC dc, Word id, int size) {
  COLORREF fill = RGB(255, 255, 255), edge = RGB(0, 0, 0), mark = RGB(0, 0, 160);
  const char* glyph = "i";
  switch (id) {
    case 32513:  // IDI_HAND
      fill = RGB(220, 0, 0);
      edge = RGB(128, 0, 0);
      mark = RGB(255, 255, 255);
      glyph = "X";
      break;
    case 32514: glyph = "?"; break;  // IDI_QUESTION
    case 32515:                      // IDI_EXCLAMATION
      fill = RGB(255, 220, 0);
      mark = RGB(0, 0, 0);
      glyph = "!";
      break;
    default: break;
  }
  const DCStateSaver saved(dc);
  HPEN pen = CreatePen(PS_SOLID, 1, edge);
  HBRUSH brush = CreateSolidBrush(fill);
  const ScopeExit freed([pen, brush] {
    DeleteObject(pen);
    DeleteObject(brush);
  });
  SelectObject(dc, pen);
  SelectObject(dc, brush);
  if (id == 32512) {  // IDI_APPLICATION: a window with its caption
    Rectangle(dc, 1, 2, size - 1, size - 2);
    const RECT caption{2, 3, size - 2, 3 + size / 5};
    HBRUSH title = CreateSolidBrush(RGB(0, 0, 128));
    FillRect(dc, &caption, title);
    DeleteObject(title);
    return;
  }
  if (id == 32515) {
    const POINT triangle[] = {{size / 2, 1}, {size - 1, size - 2}, {0, size - 2}};
    Polygon(dc, triangle, 3);
  } else {
    Ellipse(dc, 0, 0, size, size);
  }
  LOGFONTA lf;
  lf.lfHeight = -(size * 5 / 8);
  lf.lfWeight = FW_BOLD;
  std::strncpy(lf.lfFaceName, "Tahoma", LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectA(&lf);
  const ScopeExit fontFreed([font] { DeleteObject(font); });
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, mark);
  RECT r{0, id == 32515 ? size / 8 : 0, size, size};
  DrawTextA(dc, glyph, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

IconImage StandardImage(Word id, int size) {
  auto picture = std::make_unique<Bitmap>(size, size);
  picture->Fill(PixelFromColorRef(KeyColor));
  Bitmap* canvas = GdiObjectTable::Adopt(std::move(picture));
  const ScopeExit canvasFreed([canvas] { DeleteObject(canvas); });
  {
    const HDC dc = CreateCompatibleDC(nullptr);
    const ScopeExit deleted([dc] { DeleteDC(dc); });
    const DCStateSaver saved(dc);
    SelectObject(dc, canvas);
    DrawStandardArt(dc, id, size);
  }
  auto withAlpha = std::make_unique<Bitmap>(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const TPixel p = canvas->At(x, y) & 0xFFFFFF;
      withAlpha->Put(x, y, p == PixelFromColorRef(KeyColor) ? 0 : p | 0xFF000000u);
    }
  }
  return {std::move(withAlpha), 32, {}};
}

std::unique_ptr<IconEntry> MakeEntry(IconFile source) {
  auto entry = std::make_unique<IconEntry>();
  for (const IconImage& image : source.Images) entry->Images.push_back(PlanesOf(*image.Image));
  entry->Source = std::move(source);
  return entry;
}

HICON StandardIcon(Word id) {
  if (id < 32512 || id > 32516) return nullptr;
  static std::map<Word, HICON> made;
  if (const auto found = made.find(id); found != made.end()) return found->second;
  IconFile source;
  source.Images.push_back(StandardImage(id, 32));
  source.Images.push_back(StandardImage(id, 16));
  std::unique_ptr<IconEntry> entry = MakeEntry(std::move(source));
  entry->Shared = true;
  return made[id] = Register(std::move(entry));
}

std::unique_ptr<IconEntry> EntryFromFile(std::span<const Byte> data) {
  try {
    IconFile file = ReadIco(data);
    if (file.Cursor || file.Images.empty()) return nullptr;
    return MakeEntry(std::move(file));
  } catch (const EInvalidGraphic&) {
    return nullptr;
  }
}

String UpperCase(const char* name) {
  String upper(name);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

const IconPlanes& BestImage(const IconEntry& entry, int cx, int cy) {
  const IconImage& chosen = BestIconImage(entry.Source, cx, cy);
  return entry.Images[static_cast<std::size_t>(&chosen - entry.Source.Images.data())];
}

}  // namespace

HICON CreateIconFromIconFile(std::span<const Byte> data) {
  std::unique_ptr<IconEntry> entry = EntryFromFile(data);
  if (!entry) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  return Register(std::move(entry));
}

HICON LoadIconA(HINSTANCE instance, const char* name) {
  if (IS_INTRESOURCE(name)) {
    if (HICON standard = StandardIcon(static_cast<Word>(reinterpret_cast<std::uintptr_t>(name)))) return standard;
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  // A program's icons are shared like the standard ones: loaded once per name.
  static std::map<String, HICON> loaded;
  const String key = UpperCase(name);
  if (const auto found = loaded.find(key); found != loaded.end()) return found->second;
  HRSRC resource = FindResource(instance, name, RT_GROUP_ICON);
  if (!resource) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  const auto* bytes = static_cast<const Byte*>(LockResource(LoadResource(instance, resource)));
  std::unique_ptr<IconEntry> entry =
      bytes ? EntryFromFile({bytes, SizeofResource(instance, resource)}) : std::unique_ptr<IconEntry>();
  if (!entry) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  entry->Shared = true;
  return loaded[key] = Register(std::move(entry));
}

bool DestroyIcon(HICON icon) {
  IconEntry* entry = EntryOf(icon);
  if (!entry) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return false;
  }
  if (entry->Shared) return true;
  FreePlanes(*entry);
  std::erase_if(Icons(), [entry](const std::unique_ptr<IconEntry>& e) { return e.get() == entry; });
  return true;
}

std::vector<TSize> IconImageSizes(HICON icon) {
  std::vector<TSize> sizes;
  if (const IconEntry* entry = EntryOf(icon))
    for (const IconPlanes& p : entry->Images) sizes.push_back(p.Size);
  return sizes;
}

bool DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH flickerFreeBrush, UINT flags) {
  const IconEntry* entry = EntryOf(icon);
  if (!entry) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return false;
  }
  if (!(flags & DI_NORMAL) || cx < 0 || cy < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const TSize first = entry->Images.front().Size;
  if (cx == 0) cx = flags & DI_DEFAULTSIZE ? GetSystemMetrics(SM_CXICON) : first.cx;
  if (cy == 0) cy = flags & DI_DEFAULTSIZE ? GetSystemMetrics(SM_CYICON) : first.cy;
  const IconPlanes& image = BestImage(*entry, cx, cy);
  if (flickerFreeBrush) {
    const RECT area{x, y, x + cx, y + cy};
    FillRect(dc, &area, flickerFreeBrush);
  }
  const HDC source = CreateCompatibleDC(nullptr);
  if (!source) return false;
  const ScopeExit deleted([source] { DeleteDC(source); });
  const DCStateSaver saved(source);
  const int w = image.Size.cx, h = image.Size.cy;
  if ((flags & DI_NORMAL) == DI_NORMAL) {
    SelectObject(source, image.Blend);
    return AlphaBlend(dc, x, y, cx, cy, source, 0, 0, w, h, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
  }
  SelectObject(source, flags & DI_MASK ? image.Mask : image.Image);
  return StretchBlt(dc, x, y, cx, cy, source, 0, 0, w, h, SRCCOPY);
}

bool DrawIcon(HDC dc, int x, int y, HICON icon) {
  return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

}  // namespace plat
