// A second process for the cross-process window tests. It publishes its
// top-level windows and reports on standard output what other processes do
// to them, one line each:
//
//   win_test_helper [--mutex NAME] CLASS TITLE shown|hidden [CLASS TITLE shown|hidden ...]
//
//   ready                    the windows exist and are published
//   close CLASS              WM_CLOSE arrived
//   show CLASS 0|1           WM_SHOWWINDOW (hidden / shown)
//   activate CLASS           the window became the active window
//
// With --mutex it holds that named mutex, as a running copy of the program
// does. It ends with exit code 0 when its last window is destroyed, or
// when its standard input closes.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "platform/os/NamedMutex.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Display.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace {

int gLiveWindows = 0;

void Report(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

plat::LRESULT ReportingProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  const std::string className = plat::WindowClassName(window);
  switch (message) {
    case plat::WM_CLOSE: Report("close " + className); break;
    case plat::WM_SHOWWINDOW: Report("show " + className + (wParam != 0 ? " 1" : " 0")); break;
    case plat::WM_ACTIVATE:
      if (plat::LOWORD(wParam) != plat::WA_INACTIVE) Report("activate " + className);
      break;
    case plat::WM_DESTROY:
      if (--gLiveWindows == 0) plat::PostQuitMessage(0);
      break;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--mutex") == 0) {
    if (plat::CreateMutex(argv[2], false) == nullptr) return 2;
    first = 3;
  }
  if ((argc - first) % 3 != 0 || argc == first) {
    std::fputs("usage: win_test_helper [--mutex NAME] CLASS TITLE shown|hidden ...\n", stderr);
    return 2;
  }
  plat::SetDisplay(plat::CreateHeadlessDisplay());
  if (!plat::StartWindowPublishing()) return 3;

  std::set<std::string> registered;
  for (int i = first; i < argc; i += 3) {
    if (registered.insert(argv[i]).second) {
      plat::WNDCLASSA windowClass;
      windowClass.lpfnWndProc = ReportingProc;
      windowClass.lpszClassName = argv[i];
      if (plat::RegisterClassA(&windowClass) == 0) return 4;
    }
    const bool shown = std::strcmp(argv[i + 2], "shown") == 0;
    plat::HWND window = plat::CreateWindowExA(0, argv[i], argv[i + 1], plat::WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                                              nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) return 4;
    ++gLiveWindows;
    if (shown) plat::ShowWindow(window, plat::SW_SHOWNORMAL);
  }

  // The test ends the helper by closing its input.
  const plat::WakeSourceId input = plat::AddWakeSource(STDIN_FILENO, [] {
    char byte;
    if (::read(STDIN_FILENO, &byte, 1) <= 0) plat::PostQuitMessage(0);
  });
  Report("ready");

  plat::MSG message;
  while (plat::GetMessage(&message, nullptr, 0, 0) > 0) {
    plat::TranslateMessage(&message);
    plat::DispatchMessage(&message);
  }
  plat::RemoveWakeSource(input);
  plat::StopWindowPublishing();
  return 0;
}
