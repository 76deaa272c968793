#include "platform/win/tests/ToolTipFixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/gdi/PngCodec.h"
#include "platform/gdi/Region.h"
#include "platform/win/Focus.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "testing/ProjectPaths.h"

namespace plat::testing {

std::string NotificationName(UINT code) {
  switch (code) {
    case TTN_GETDISPINFOA: return "TTN_GETDISPINFO";
    case TTN_SHOW: return "TTN_SHOW";
    case TTN_POP: return "TTN_POP";
    default: return "notification " + std::to_string(code);
  }
}

void ToolTipTest::SetUp() {
  WindowTest::SetUp();
  FForm = Make("form", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 400, 300));
  SetActiveWindow(FForm);
  Handle(FForm, WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom != FTip) return 0;
    FEvents.push_back(NotificationName(header->code) + " " + std::to_string(header->idFrom) + " " +
                      (IsWindowVisible(FTip) ? "visible" : "hidden"));
    if (header->code == TTN_GETDISPINFOA) {
      ++Asked;
      auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
      info->lpszText = Answer.data();
    }
    return 0;
  });
  Pump();
}

HWND ToolTipTest::MakeTip(DWORD styles) {
  FTip = CreateWindowExA(0, TOOLTIPS_CLASS, nullptr, WS_POPUP | styles, 0, 0, 0, 0, FForm, nullptr, nullptr, nullptr);
  return FTip;
}

TOOLINFOA ToolTipTest::Info(UINT_PTR id, HWND owner) const {
  TOOLINFOA info;
  info.hwnd = owner ? owner : FForm;
  info.uId = id;
  return info;
}

bool ToolTipTest::AddTool(UINT flags, UINT_PTR id, TRect rect, const char* text, HWND owner) {
  TOOLINFOA info = Info(id, owner);
  info.uFlags = flags;
  info.rect = rect;
  info.lpszText = const_cast<char*>(text);
  return Send(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

LRESULT ToolTipTest::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(FTip, message, wParam, lParam);
}

std::vector<std::string> ToolTipTest::Events() { return std::exchange(FEvents, {}); }

void ToolTipTest::PointTo(HWND window, TPoint client) {
  InjectMouseMove(ClientPointOnScreen(window, client));
  Pump();
}

void ToolTipTest::Wait(int milliseconds) {
  Clock().Advance(milliseconds);
  Pump();
}

bool ToolTipTest::TipVisible() const { return IsWindowVisible(FTip); }

TRect ToolTipTest::TipRect() const {
  RECT r;
  GetWindowRect(FTip, &r);
  return r;
}

Bitmap ToolTipTest::Composed() const {
  RECT formRect;
  GetWindowRect(FForm, &formRect);
  const TRect tipRect = TipRect();
  // The tip with some of the form around it.
  const TRect area = TipVisible() ? tipRect.Inflated(24, 24) : TRect(formRect);
  Bitmap picture(area.Width(), area.Height());
  for (int y = 0; y < area.Height(); ++y)
    for (int x = 0; x < area.Width(); ++x) picture.Put(x, y, 0x3A6EA5);  // the desktop
  const auto lay = [&](HWND window, const TRect& at) {
    const std::unique_ptr<Bitmap> pixels = WindowPicture(window);
    if (!pixels) return;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(window, region) != ERROR;
    const std::optional<LayerAttributes> layer = CurrentHeadlessDisplay()->WindowLayer(window);
    const int alpha = layer && (layer->Flags & LWA_ALPHA) ? layer->Alpha : 255;
    for (int y = 0; y < pixels->Height(); ++y)
      for (int x = 0; x < pixels->Width(); ++x) {
        const TPoint p{at.Left - area.Left + x, at.Top - area.Top + y};
        if ((shaped && !PtInRegion(region, x, y)) || !picture.Bounds().Contains(p)) continue;
        const TPixel over = pixels->At(x, y), under = picture.At(p.X, p.Y);
        TPixel mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
          const int a = static_cast<int>((over >> shift) & 0xFF), b = static_cast<int>((under >> shift) & 0xFF);
          mixed |= static_cast<TPixel>((a * alpha + b * (255 - alpha)) / 255) << shift;
        }
        picture.Put(p.X, p.Y, mixed);
      }
    DeleteObject(region);
  };
  lay(FForm, formRect);
  if (TipVisible()) lay(FTip, tipRect);
  return picture;
}

void ToolTipTest::Keep(const Bitmap& picture, const std::string& name) {
  const auto write = [](const Bitmap& image, const std::string& file) {
    const std::string path = zorbit::testing::BuildPath("platform/win/tooltips/" + file + ".png");
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const std::vector<Byte> png = WritePng(image);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  };
  write(picture, name);
  // Three times as large, for the pixels.
  constexpr int Zoom = 3;
  Bitmap zoomed(picture.Width() * Zoom, picture.Height() * Zoom);
  for (int y = 0; y < zoomed.Height(); ++y)
    for (int x = 0; x < zoomed.Width(); ++x) zoomed.Put(x, y, picture.At(x / Zoom, y / Zoom));
  write(zoomed, name + "-x3");
}

}  // namespace plat::testing
