#pragma once
// The tool-tip tests' common ground, on the window tests' fixture: a form
// that owns the tool tip, tools added by real TTM_ADDTOOL messages, the
// notifications the form hears written into an event log ("TTN_SHOW 7",
// with the tool's uId) together with the tip window's showing and hiding
// ("shown", "hidden"), a TTN_GETDISPINFO answer the test sets, and the
// pointer moved by injected input on the virtual clock.
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/win/ToolTips.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {

class ToolTipTest : public WindowTest {
 public:
  void SetUp() override;

  // The form (a top-level window at 100, 100, 400 x 300, active) and a
  // tool tip it owns with these TTS_ styles.
  HWND Form() const { return FForm; }
  HWND MakeTip(DWORD styles);
  HWND Tip() const { return FTip; }

  // Adds a tool to the tip; the text LPSTR_TEXTCALLBACK asks the form.
  bool AddTool(UINT flags, UINT_PTR id, TRect rect, const char* text, HWND owner = nullptr);
  TOOLINFOA Info(UINT_PTR id, HWND owner = nullptr) const;
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // Notifications and the tip's showing and hiding since the last call.
  std::vector<std::string> Events();
  // What the form answers TTN_GETDISPINFO with (lpszText); how many times it was asked.
  std::string Answer = "Callback text";
  int Asked = 0;

  // The pointer to a point of a window's client area, then the queue run.
  void PointTo(HWND window, TPoint client);
  // The clock moved on, then the queue run.
  void Wait(int milliseconds);

  bool TipVisible() const;
  TRect TipRect() const;

  // The tip and the form around it as the screen would show them: the tip
  // inside its window region, blended at its layered opacity.
  Bitmap Composed() const;
  // Writes a picture into the build folder for a person to look at, and a
  // copy three times as large.
  static void Keep(const Bitmap& picture, const std::string& name);

 private:
  HWND FForm = nullptr;
  HWND FTip = nullptr;
  std::vector<std::string> FEvents;
};

// A notification code's name ("TTN_SHOW").
std::string NotificationName(UINT code);

}  // namespace plat::testing
