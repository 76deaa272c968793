#include "platform/ui/DragCursors.h"

#include <array>
#include <span>
#include <string_view>

#include "platform/win/Cursors.h"

namespace plat {

namespace {

constexpr int kSize = 32;
constexpr int kRowBytes = kSize / 8;

// A picture of up to 32 x 32 drawn as rows of text: 'X' black, '.' white,
// anything else transparent.
class TCursorArt {
 public:
  TCursorArt() {
    FAnd.fill(0xFF);
    FXor.fill(0x00);
  }
  void Draw(std::span<const std::string_view> rows, int left, int top, bool transpose = false) {
    int y = top;
    for (std::string_view row : rows) {
      for (int x = 0; x < static_cast<int>(row.size()); ++x)
        if (row[static_cast<std::size_t>(x)] == 'X' || row[static_cast<std::size_t>(x)] == '.')
          Put(transpose ? left + y - top : left + x, transpose ? top + x : y, row[static_cast<std::size_t>(x)] == '.');
      ++y;
    }
  }
  // A small sheet: a white box with a black border.
  void Sheet(int left, int top) {
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 11; ++x) Put(left + x, top + y, !(x == 0 || y == 0 || x == 10 || y == 7));
  }
  HCURSOR Make(int hotX, int hotY) const {
    return CreateCursor(nullptr, hotX, hotY, kSize, kSize, FAnd.data(), FXor.data());
  }

 private:
  void Put(int x, int y, bool white) {
    if (x < 0 || y < 0 || x >= kSize || y >= kSize) return;
    const auto at = static_cast<std::size_t>(y * kRowBytes + x / 8);
    const auto bit = static_cast<Byte>(0x80 >> (x % 8));
    FAnd[at] = static_cast<Byte>(FAnd[at] & ~bit);
    FXor[at] = static_cast<Byte>(white ? (FXor[at] | bit) : (FXor[at] & ~bit));
  }

  std::array<Byte, kSize * kRowBytes> FAnd{};
  std::array<Byte, kSize * kRowBytes> FXor{};
};

// clang-format off
constexpr std::string_view kArrow[] = {
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
    "XX   X..X",
    "X     X..X",
    "       X..X",
    "        XX",
};
// clang-format on

// Two bars with arrows pointing away from them, for sizing across.
// clang-format off
constexpr std::string_view kSplitter[] = {
    "        X.X X.X",
    "        X.X X.X",
    "    X   X.X X.X   X",
    "   XX   X.X X.X   XX",
    "  X.XXXXX.X X.XXXXX.X",
    " X.......X X.......X",
    "X........X X........X",
    " X.......X X.......X",
    "  X.XXXXX.X X.XXXXX.X",
    "   XX   X.X X.X   XX",
    "    X   X.X X.X   X",
    "        X.X X.X",
    "        X.X X.X",
};
// clang-format on

}  // namespace

std::vector<TOwnCursor> CreateOwnCursors() {
  std::vector<TOwnCursor> cursors;
  TCursorArt drag;
  drag.Draw(kArrow, 0, 0);
  drag.Sheet(9, 18);
  cursors.push_back({crDrag, drag.Make(0, 0)});

  TCursorArt multi;
  multi.Draw(kArrow, 0, 0);
  multi.Sheet(12, 21);
  multi.Sheet(9, 18);
  cursors.push_back({crMultiDrag, multi.Make(0, 0)});

  TCursorArt split;
  split.Draw(kSplitter, 0, 0);
  cursors.push_back({crHSplit, split.Make(10, 6)});
  TCursorArt across;
  across.Draw(kSplitter, 0, 0, true);
  cursors.push_back({crVSplit, across.Make(6, 10)});
  return cursors;
}

}  // namespace plat
