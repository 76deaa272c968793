#include "platform/win/Cursors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <span>
#include <string>
#include <memory>
#include <vector>

#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/TGraphic.h"
#include "platform/os/Resources.h"
#include "platform/rtl/StringUtils.h"
#include "platform/win/Display.h"
#include "platform/win/WinErrors.h"

namespace plat {
namespace {

constexpr int CursorSize = 32;
constexpr TPixel Black = 0x000000;
constexpr TPixel White = 0xFFFFFF;

// A picture drawn as rows of text: 'X' black, '.' white, anything else
// lets the screen show through.
using Art = std::vector<const char*>;

// clang-format off
const Art ArrowArt = {
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      X..X",
    "      X..X",
    "       XX",
};
const Art IBeamArt = {
    "XXX XXX",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "   X",
    "XXX XXX",
};
const Art HourglassArt = {
    "XXXXXXXXXXX",
    "X.........X",
    " XXXXXXXXX",
    " X.......X",
    " X.......X",
    "  X.....X",
    "   X...X",
    "    X.X",
    "    X.X",
    "   X...X",
    "  X.....X",
    " X.......X",
    " X.......X",
    " XXXXXXXXX",
    "X.........X",
    "XXXXXXXXXXX",
};
const Art UpArrowArt = {
    "    X",
    "   X.X",
    "  X...X",
    " X.....X",
    "XXXX.XXXX",
    "   X.X",
    "   X.X",
    "   X.X",
    "   X.X",
    "   X.X",
    "   X.X",
    "   X.X",
    "   X.X",
    "   X.X",
    "   X.X",
    "   XXX",
};
const Art SizeWEArt = {
    "    X           X",
    "   XX           XX",
    "  X.XXXXXXXXXXXXX.X",
    " X.................X",
    "X...................X",
    " X.................X",
    "  X.XXXXXXXXXXXXX.X",
    "   XX           XX",
    "    X           X",
};
const Art SizeNWSEArt = {
    "XXXXXXX",
    "X.....X",
    "X....X",
    "X...X",
    "X..X.X",
    "X.X X.X",
    "XX   X.X",
    "      X.X",
    "       X.X",
    "        X.X",
    "         X.X XX",
    "          X.X.X",
    "           X..X",
    "          X...X",
    "         X....X",
    "        X.....X",
    "        XXXXXXX",
};
const Art HandArt = {
    "     XX",
    "    X..X",
    "    X..X",
    "    X..X",
    "    X..XXX",
    "    X..X..XXX",
    " XX X..X..X..XX",
    "X..XX........X.X",
    "X...X..........X",
    " X.............X",
    "  X............X",
    "  X...........X",
    "   X..........X",
    "   X.........X",
    "    X........X",
    "    X........X",
    "    XXXXXXXXXX",
};
const Art QuestionArt = {
    " XXXXX ",
    "X.....X",
    "X.XXX..X",
    " X  X..X",
    "   X..X",
    "  X..X",
    "  X..X",
    "  XXXX",
    "  X..X",
    "  XXXX",
};
// clang-format on

struct CursorImage {
  std::unique_ptr<Bitmap> Color = std::make_unique<Bitmap>(CursorSize, CursorSize);
  std::unique_ptr<Bitmap> Mask = std::make_unique<Bitmap>(CursorSize, CursorSize);
  TPoint HotSpot;

  CursorImage() {
    Color->Fill(Black);
    Mask->Fill(White);
  }
  void Put(int x, int y, TPixel c) {
    if (x < 0 || y < 0 || x >= CursorSize || y >= CursorSize) return;
    Color->Put(x, y, c);
    Mask->Put(x, y, Black);
  }
  void Draw(const Art& art, int left, int top, bool mirror = false, bool transpose = false) {
    int width = 0;
    for (const char* row : art) width = std::max(width, static_cast<int>(std::char_traits<char>::length(row)));
    for (std::size_t r = 0; r < art.size(); ++r) {
      for (int c = 0; art[r][c]; ++c) {
        if (art[r][c] != 'X' && art[r][c] != '.') continue;
        int x = mirror ? width - 1 - c : c, y = static_cast<int>(r);
        if (transpose) std::swap(x, y);
        Put(left + x, top + y, art[r][c] == 'X' ? Black : White);
      }
    }
  }
  // A ring and a bar, for "no".
  void DrawNo() {
    const double cx = 10.5, cy = 10.5;
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 22; ++x) {
        const double d = std::hypot(x - cx, y - cy);
        const double diag = std::abs((x - cx) - (y - cy)) / std::sqrt(2.0);
        if ((d >= 7.5 && d < 10.5) || (d < 8 && diag < 1.6))
          Put(x, y, Black);
        else if (d >= 6.5 && d < 11.5)
          Put(x, y, White);
      }
    }
  }
  void DrawCross() {
    for (int i = 0; i < 21; ++i) {
      for (int t = -1; t <= 1; ++t) {
        Put(10 + t, i, t == 0 ? Black : White);
        Put(i, 10 + t, t == 0 ? Black : White);
      }
    }
    Put(10, 10, Black);
  }
};

struct CursorEntry {
  Word Id;              // a standard cursor's identifier; 0 for the others
  bool Shared = false;  // a program's cursor resource, never freed
  CursorImage Image;
};

std::vector<std::unique_ptr<CursorEntry>> MakeCursors() {
  std::vector<std::unique_ptr<CursorEntry>> list;
  auto add = [&list](Word id, TPoint hot) -> CursorImage& {
    list.push_back(std::make_unique<CursorEntry>());
    list.back()->Id = id;
    list.back()->Image.HotSpot = hot;
    return list.back()->Image;
  };
  add(32512, {0, 0}).Draw(ArrowArt, 0, 0);
  add(32513, {3, 8}).Draw(IBeamArt, 0, 0);
  add(32514, {5, 8}).Draw(HourglassArt, 0, 0);
  add(32515, {10, 10}).DrawCross();
  add(32516, {4, 0}).Draw(UpArrowArt, 0, 0);
  add(32642, {8, 8}).Draw(SizeNWSEArt, 0, 0);
  add(32643, {6, 8}).Draw(SizeNWSEArt, 0, 0, true);
  add(32644, {10, 4}).Draw(SizeWEArt, 0, 0);
  add(32645, {4, 10}).Draw(SizeWEArt, 0, 0, false, true);
  CursorImage& all = add(32646, {10, 10});
  all.Draw(SizeWEArt, 0, 6);
  all.Draw(SizeWEArt, 6, 0, false, true);
  add(32648, {10, 10}).DrawNo();
  add(32649, {5, 0}).Draw(HandArt, 0, 0);
  CursorImage& starting = add(32650, {0, 0});
  starting.Draw(ArrowArt, 0, 0);
  starting.Draw(HourglassArt, 14, 14);
  CursorImage& help = add(32651, {0, 0});
  help.Draw(ArrowArt, 0, 0);
  help.Draw(QuestionArt, 13, 0);
  return list;
}

std::vector<std::unique_ptr<CursorEntry>>& Cursors() {
  static std::vector<std::unique_ptr<CursorEntry>> cursors = MakeCursors();
  return cursors;
}

const CursorEntry* Entry(HCURSOR cursor) {
  for (const auto& e : Cursors())
    if (reinterpret_cast<HCURSOR>(e.get()) == cursor) return e.get();
  return nullptr;
}

struct PointerState {
  HCURSOR Current = nullptr;
  int ShowCount = 0;
};

PointerState& Pointer() {
  static PointerState state;
  return state;
}

void Tell() { CurrentDisplay().CursorChanged(VisibleCursor()); }

// A cursor file's image nearest 32 x 32 as a cursor picture: the screen
// shows through where the image is transparent.
std::unique_ptr<CursorEntry> EntryFromFile(std::span<const Byte> data) {
  IconFile file;
  try {
    file = ReadIco(data);
  } catch (const EInvalidGraphic&) {
    return nullptr;
  }
  const IconImage& image = BestIconImage(file, CursorSize, CursorSize);
  auto entry = std::make_unique<CursorEntry>();
  entry->Id = 0;
  entry->Shared = true;
  entry->Image.HotSpot = {std::min(image.HotSpot.X, CursorSize - 1), std::min(image.HotSpot.Y, CursorSize - 1)};
  for (int y = 0; y < std::min(image.Image->Height(), CursorSize); ++y)
    for (int x = 0; x < std::min(image.Image->Width(), CursorSize); ++x)
      if (const TPixel p = image.Image->At(x, y); p >> 24) entry->Image.Put(x, y, p & 0xFFFFFF);
  return entry;
}

HCURSOR ResourceCursor(HINSTANCE instance, const String& name) {
  // Loaded once per name and shared, like the standard ones.
  static std::map<String, HCURSOR> loaded;
  const String key = UpperCase(name);
  if (const auto found = loaded.find(key); found != loaded.end()) return found->second;
  const auto module = reinterpret_cast<HMODULE>(instance);
  HRSRC resource = FindResource(module, name, RT_GROUP_CURSOR);
  const auto* bytes = resource ? static_cast<const Byte*>(LockResource(LoadResource(module, resource))) : nullptr;
  std::unique_ptr<CursorEntry> entry = bytes ? EntryFromFile({bytes, SizeofResource(module, resource)}) : nullptr;
  if (!entry) {
    SetLastError(resource ? ERROR_RESOURCE_DATA_NOT_FOUND : ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  Cursors().push_back(std::move(entry));
  return loaded[key] = reinterpret_cast<HCURSOR>(Cursors().back().get());
}

}  // namespace

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
  if (IS_INTRESOURCE(name)) {
    const auto id = static_cast<Word>(reinterpret_cast<std::uintptr_t>(name));
    if (!instance)
      for (const auto& e : Cursors())
        if (e->Id && e->Id == id) return reinterpret_cast<HCURSOR>(e.get());
    // A numbered resource is named "#" and its number, as resource scripts name it.
    return ResourceCursor(instance, "#" + std::to_string(id));
  }
  return ResourceCursor(instance, name);
}

HCURSOR SetCursor(HCURSOR cursor) {
  PointerState& p = Pointer();
  const HCURSOR old = p.Current;
  if (cursor && !Entry(cursor)) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return nullptr;
  }
  if (cursor != old) {
    p.Current = cursor;
    Tell();
  }
  return old;
}

HCURSOR GetCursor() { return Pointer().Current; }

HCURSOR VisibleCursor() { return Pointer().ShowCount >= 0 ? Pointer().Current : nullptr; }

int ShowCursor(bool show) {
  PointerState& p = Pointer();
  const bool wasShown = p.ShowCount >= 0;
  p.ShowCount += show ? 1 : -1;
  if (wasShown != (p.ShowCount >= 0)) Tell();
  return p.ShowCount;
}

HCURSOR CreateCursor(HINSTANCE, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane) {
  if (width < 1 || height < 1 || width > CursorSize || height > CursorSize || !andPlane || !xorPlane || xHotSpot < 0 ||
      yHotSpot < 0 || xHotSpot >= width || yHotSpot >= height) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto entry = std::make_unique<CursorEntry>();
  entry->Id = 0;
  entry->Image.HotSpot = {xHotSpot, yHotSpot};
  const auto* andBits = static_cast<const Byte*>(andPlane);
  const auto* xorBits = static_cast<const Byte*>(xorPlane);
  // Rows are padded to 16-bit words, the leftmost pixel in the high bit.
  const int rowBytes = (width + 15) / 16 * 2;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int at = y * rowBytes + x / 8;
      const Byte bit = static_cast<Byte>(0x80 >> (x % 8));
      const bool transparent = (andBits[at] & bit) != 0;
      const bool white = (xorBits[at] & bit) != 0;
      entry->Image.Color->Put(x, y, white ? White : Black);
      entry->Image.Mask->Put(x, y, transparent ? White : Black);
    }
  }
  Cursors().push_back(std::move(entry));
  return reinterpret_cast<HCURSOR>(Cursors().back().get());
}

bool DestroyCursor(HCURSOR cursor) {
  auto& list = Cursors();
  const auto found = std::find_if(list.begin(), list.end(), [cursor](const std::unique_ptr<CursorEntry>& e) {
    return reinterpret_cast<HCURSOR>(e.get()) == cursor;
  });
  // The standard cursors are shared and stay.
  if (found == list.end() || (*found)->Id != 0 || (*found)->Shared) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return false;
  }
  if (Pointer().Current == cursor) SetCursor(nullptr);
  list.erase(found);
  return true;
}

CursorPicture GetCursorPicture(HCURSOR cursor) {
  const CursorEntry* e = Entry(cursor);
  if (!e) return {};
  return {e->Image.Color.get(), e->Image.Mask.get(), e->Image.HotSpot};
}

}  // namespace plat
