#pragma once
// The display without a screen: windows live only in their backing
// bitmaps. Tests drive it with input injection (InputInjection.h), answer
// modal windows through the modal hook and take PNG screenshots. While it
// lives, programs and documents that would be started (Launcher.h) are
// recorded in Launches() instead, unless a test set a launcher of its own.
#include <functional>
#include <map>
#include <vector>

#include "platform/os/Launcher.h"
#include "platform/win/Display.h"
#include "platform/win/DragDrop.h"

namespace plat {

class DropTargetPassage;

class HeadlessDisplay : public Display {
 public:
  // One monitor of 1024 x 768 with a 30-pixel panel at the bottom.
  HeadlessDisplay();
  HeadlessDisplay(TSize screen, TRect workArea);
  ~HeadlessDisplay() override;

  const char* Name() const override { return "headless"; }
  TSize ScreenSize() const override;
  TRect WorkArea() const override { return FMonitors.front().WorkArea; }
  int RefreshRate() const override { return 60; }
  std::vector<MonitorArea> Monitors() const override { return FMonitors; }
  // Replaces the monitors, the primary one first. An empty list, or a
  // monitor whose work area lies outside it, raises Exception and changes
  // nothing.
  void SetMonitors(std::vector<MonitorArea> monitors);

  void WindowCreated(HWND) override {}
  void WindowDestroyed(HWND window) override;
  void WindowShown(HWND, bool) override {}
  void WindowMoved(HWND, const TRect&) override {}
  void WindowRegionChanged(HWND, const Region*) override {}
  void WindowTextChanged(HWND, const String&) override {}
  void WindowLayerChanged(HWND window, const LayerAttributes* layer) override;
  void WindowRaised(HWND) override {}
  void WindowActivated(HWND window) override { FKeyboardWindow = window; }
  void WindowPixelsChanged(HWND, const TRect&) override {}
  void CaptureChanged(HWND) override {}
  void CursorChanged(HCURSOR cursor) override { FCursor = cursor; }
  void ClipboardTextChanged(const String& text) override { FPublishedClipboardText = text; }
  std::optional<String> DesktopClipboardText() override;
  DWORD DesktopDragOver(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) override;
  void DesktopDragLeave() override;
  DWORD DesktopDrop(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) override;
  void ModalLoopStarted(HWND window) override;
  void Beep(UINT type) override { FBeeps.push_back(type); }

  // Called with the modal window each time a modal loop starts; it may
  // read the window, inject input or end the loop. Without a hook a modal
  // loop in a test would wait for ever: the hook is how tests answer.
  using ModalHook = std::function<void(HWND window)>;
  void SetModalHook(ModalHook hook) { FModalHook = std::move(hook); }
  // The modal windows seen so far, oldest first.
  const std::vector<HWND>& ModalWindows() const { return FModalWindows; }

  // How the screen would compose a layered window, as last told; none
  // for a window shown as it is.
  std::optional<LayerAttributes> WindowLayer(HWND window) const;

  // The window that holds the desktop's keyboard focus: the one last told
  // activated, null once it went.
  HWND KeyboardWindow() const { return FKeyboardWindow; }

  // The cursor the window layer last set.
  HCURSOR Cursor() const { return FCursor; }
  // Clipboard text this program gave the desktop, and text "another
  // program" puts on the desktop's clipboard.
  const String& PublishedClipboardText() const { return FPublishedClipboardText; }
  void SetDesktopClipboardText(const String& text) { FDesktopClipboardText = text; }

  // The sounds the program asked for (their MessageBeep kinds), oldest first.
  const std::vector<UINT>& Beeps() const { return FBeeps; }

  // The drop target of "another program" under every point outside our
  // windows: our drags that leave them reach it as they would reach a
  // desktop window (null: nothing outside takes drags). Other programs'
  // drags over our windows are fed with FeedExternalDragOver and kin.
  void SetDesktopDropTarget(IDropTarget* target);

  // What the program would have started or opened, oldest first.
  TRecordingLauncher& Launches() { return FLaunches; }

 private:
  std::vector<MonitorArea> FMonitors;
  HCURSOR FCursor = nullptr;
  HWND FKeyboardWindow = nullptr;
  String FPublishedClipboardText;
  std::optional<String> FDesktopClipboardText;
  ModalHook FModalHook;
  std::vector<HWND> FModalWindows;
  std::map<HWND, LayerAttributes> FLayers;
  TRecordingLauncher FLaunches;
  std::vector<UINT> FBeeps;
  InterfacePtr<IDropTarget> FDesktopTarget;
  std::unique_ptr<DropTargetPassage> FDesktopPassage;
};

// The headless display in force, or null when another backend is.
HeadlessDisplay* CurrentHeadlessDisplay();

// A PNG picture of the window as it is in its backing bitmap (a child
// window: its part of it), frame included. Empty for no window.
std::vector<Byte> WindowScreenshot(HWND window);
// The same, as a bitmap.
std::unique_ptr<Bitmap> WindowPicture(HWND window);

}  // namespace plat
