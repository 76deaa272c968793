#include "platform/win/Caret.h"

#include <algorithm>
#include <memory>

#include "platform/os/SysTime.h"
#include "platform/win/detail/CaretState.h"
#include "platform/win/Clock.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowDC.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

constexpr int MaxCaretSide = 1024;

struct CaretData {
  HWND Owner = nullptr;
  std::unique_ptr<Bitmap> Shape;  // null: solid
  bool Grey = false;
  int Width = 0;
  int Height = 0;
  TPoint Pos;
  int HideCount = 1;   // created hidden
  int PaintHides = 0;  // its window is being drawn on
  bool Drawn = false;  // its pixels are inverted on the screen now
  std::int64_t NextBlink = 0;
  UINT BlinkTime = 530;
};

CaretData& Caret() {
  static CaretData caret;
  return caret;
}

bool Visible(const CaretData& c) { return c.Owner && c.HideCount == 0 && c.PaintHides == 0; }

// Inverts the caret's pixels (drawing twice restores them).
void Invert(CaretData& c) {
  Window* w = WindowManager::Instance().Find(c.Owner);
  if (!w) return;
  HDC dc = GetDC(c.Owner);
  if (!dc) return;
  Bitmap* target = dc->Target();
  if (target) {
    const Region& clip = dc->EffectiveClip();
    for (int y = 0; y < c.Height; ++y) {
      for (int x = 0; x < c.Width; ++x) {
        TPixel mask = 0xFFFFFF;
        if (c.Grey) mask = ((x + y) % 2) ? 0xFFFFFF : 0;
        if (c.Shape) mask = c.Shape->At(x, y) & 0xFFFFFF;
        const TPoint t = dc->ToTarget(TPoint{c.Pos.X + x, c.Pos.Y + y});
        if (mask && clip.Contains(t)) target->Put(t.X, t.Y, target->At(t.X, t.Y) ^ mask);
      }
    }
  }
  ReleaseDC(c.Owner, dc);
  c.Drawn = !c.Drawn;
}

void TakeOff(CaretData& c) {
  if (c.Drawn) Invert(c);
}

void PutOn(CaretData& c) {
  if (Visible(c) && !c.Drawn) Invert(c);
  c.NextBlink = CurrentClock().Now() + c.BlinkTime;
}

bool OwnedBy(const CaretData& c, HWND window) { return c.Owner && (!window || window == c.Owner); }

}  // namespace

bool CreateCaret(HWND window, HBITMAP bitmap, int width, int height) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  DestroyCaret();
  CaretData& c = Caret();
  const UINT blink = c.BlinkTime;
  c = CaretData{};
  c.BlinkTime = blink;
  if (bitmap == reinterpret_cast<HBITMAP>(1)) {
    c.Grey = true;
  } else if (bitmap) {
    const Bitmap* shape = GdiObjectTable::As<Bitmap>(bitmap, OBJ_BITMAP);
    if (!shape) {
      SetLastError(ERROR_INVALID_HANDLE);
      return false;
    }
    width = shape->Width();
    height = shape->Height();
    c.Shape = std::make_unique<Bitmap>(*shape);
  }
  c.Width = std::clamp(width > 0 ? width : GetSystemMetrics(SM_CXBORDER), 1, MaxCaretSide);
  c.Height = std::clamp(height > 0 ? height : GetSystemMetrics(SM_CYBORDER), 1, MaxCaretSide);
  if (c.Shape) {
    c.Width = std::min(c.Width, c.Shape->Width());
    c.Height = std::min(c.Height, c.Shape->Height());
  }
  c.Owner = window;
  return true;
}

bool DestroyCaret() {
  CaretData& c = Caret();
  if (!c.Owner) return false;
  TakeOff(c);
  const UINT blink = c.BlinkTime;
  c = CaretData{};
  c.BlinkTime = blink;
  return true;
}

bool ShowCaret(HWND window) {
  CaretData& c = Caret();
  if (!OwnedBy(c, window)) return false;
  if (c.HideCount > 0 && --c.HideCount == 0) PutOn(c);
  return true;
}

bool HideCaret(HWND window) {
  CaretData& c = Caret();
  if (!OwnedBy(c, window)) return false;
  TakeOff(c);
  ++c.HideCount;
  return true;
}

bool SetCaretPos(int x, int y) {
  CaretData& c = Caret();
  if (!c.Owner) return false;
  TakeOff(c);
  c.Pos = {std::clamp(x, -MaxCoordinate, MaxCoordinate), std::clamp(y, -MaxCoordinate, MaxCoordinate)};
  PutOn(c);
  return true;
}

bool GetCaretPos(POINT* point) {
  if (!point || !Caret().Owner) return false;
  *point = Caret().Pos;
  return true;
}

UINT GetCaretBlinkTime() { return Caret().BlinkTime; }

bool SetCaretBlinkTime(UINT milliseconds) {
  Caret().BlinkTime = milliseconds ? milliseconds : 530;
  return true;
}

std::optional<std::int64_t> CaretNextBlink() {
  const CaretData& c = Caret();
  if (!Visible(c) || c.BlinkTime == INFINITE) return std::nullopt;
  return c.NextBlink;
}

void CaretBlink(std::int64_t now) {
  CaretData& c = Caret();
  if (!Visible(c) || c.BlinkTime == INFINITE || now < c.NextBlink) return;
  Invert(c);
  c.NextBlink = now + c.BlinkTime;
}

void CaretHide(Window* window) {
  CaretData& c = Caret();
  Window* owner = WindowManager::Instance().Find(c.Owner);
  if (!owner || !window->Contains(owner)) return;
  TakeOff(c);
  ++c.PaintHides;
}

void CaretRestore(Window* window) {
  CaretData& c = Caret();
  Window* owner = WindowManager::Instance().Find(c.Owner);
  if (!owner || !window->Contains(owner) || c.PaintHides == 0) return;
  if (--c.PaintHides == 0) PutOn(c);
}

void CaretWindowGone(Window* window) {
  if (Caret().Owner == window->Handle()) DestroyCaret();
}

}  // namespace plat
