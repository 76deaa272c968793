// A second program for the drag-and-drop tests between processes: one
// window on the display in force (the SDL one under the tests' X server),
// either the source of a text drag or a drop target. It reports on
// standard output, one line each:
//
//   dnd_test_helper source LEFT TOP TEXT     a press in the window drags TEXT
//   dnd_test_helper target LEFT TOP          the window takes drops
//
//   ready                        the window is shown
//   dragged drop|cancel EFFECT   the drag ended (EFFECT: none, copy, move)
//   drop text TEXT               text was dropped
//   drop files N NAME|NAME...    files were dropped
//
// It ends when its standard input closes.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/win/BlockDataObject.h"
#include "platform/win/Clipboard.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/DragDrop.h"
#include "platform/win/DropFiles.h"
#include "platform/win/GlobalText.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/rtl/Unicode.h"

namespace {

using namespace plat;

std::string gDragText;

void Report(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  std::fflush(stdout);
}

const char* EffectWord(DWORD effect) {
  if (effect & DROPEFFECT_MOVE) return "move";
  if (effect & DROPEFFECT_COPY) return "copy";
  return "none";
}

class TextSource final : public TInterfacedObject<IDropSource> {
 public:
  HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) override {
    if (escapePressed) return DRAGDROP_S_CANCEL;
    return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

class ReportingTarget final : public TInterfacedObject<IDropTarget> {
 public:
  HRESULT DragEnter(IDataObject*, DWORD keyState, POINTL, DWORD* effect) override { return Answer(keyState, effect); }
  HRESULT DragOver(DWORD keyState, POINTL, DWORD* effect) override { return Answer(keyState, effect); }
  HRESULT DragLeave() override { return S_OK; }
  HRESULT Drop(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) override {
    FORMATETC files{CF_HDROP};
    FORMATETC text{CF_UNICODETEXT};
    STGMEDIUM medium;
    if (data->GetData(&files, &medium) == S_OK) {
      std::string line;
      for (const String& name : DroppedFileNames(medium.hGlobal)) line += (line.empty() ? "" : "|") + name;
      Report("drop files " + std::to_string(DragQueryFileA(medium.hGlobal, 0xFFFFFFFF, nullptr, 0)) + " " + line);
      ReleaseStgMedium(&medium);
    } else if (data->GetData(&text, &medium) == S_OK) {
      Report("drop text " + WideToUtf8(GlobalWideText(medium.hGlobal)));
      ReleaseStgMedium(&medium);
    } else {
      Report("drop nothing");
    }
    return Answer(keyState, effect);
  }

 private:
  static HRESULT Answer(DWORD keyState, DWORD* effect) {
    if (keyState & MK_CONTROL)
      *effect = DROPEFFECT_COPY;
    else
      *effect = (*effect & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
    return S_OK;
  }
};

LRESULT HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN && !gDragText.empty()) {
    InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks(gDragText));
    InterfacePtr<IDropSource> source(new TextSource);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    Report(std::string("dragged ") + (result == DRAGDROP_S_DROP ? "drop " : "cancel ") + EffectWord(effect));
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProc(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  const std::string mode = argv[1];
  if (mode == "source" && argc > 4) gDragText = argv[4];
  OleInitialize(nullptr);
  WNDCLASSA windowClass;
  windowClass.lpfnWndProc = HelperProc;
  windowClass.lpszClassName = "DndHelper";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "DndHelper", mode.c_str(), WS_POPUP | WS_VISIBLE, std::atoi(argv[2]),
                                std::atoi(argv[3]), 200, 150, nullptr, nullptr, nullptr, nullptr);
  if (!window) return 3;
  if (mode == "target") RegisterDragDrop(window, InterfacePtr<IDropTarget>(new ReportingTarget).Get());
  const WakeSourceId input = AddWakeSource(STDIN_FILENO, [window] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) DestroyWindow(window);
  });
  Report("ready");
  MSG msg;
  while (GetMessage(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  RemoveWakeSource(input);
  OleUninitialize();
  return 0;
}
