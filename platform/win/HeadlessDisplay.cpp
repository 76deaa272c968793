#include "platform/win/HeadlessDisplay.h"

#include "platform/gdi/PngCodec.h"
#include "platform/rtl/Exception.h"
#include "platform/win/detail/DropTargets.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {

HeadlessDisplay::HeadlessDisplay() : HeadlessDisplay({1024, 768}, {0, 0, 1024, 738}) {}

HeadlessDisplay::HeadlessDisplay(TSize screen, TRect workArea)
    : FMonitors{{{0, 0, screen.cx, screen.cy}, workArea}}, FDesktopPassage(std::make_unique<DropTargetPassage>()) {
  SetDefaultProgramLauncher(&FLaunches);
}

HeadlessDisplay::~HeadlessDisplay() {
  if (DefaultProgramLauncher() == &FLaunches) SetDefaultProgramLauncher(nullptr);
}

TSize HeadlessDisplay::ScreenSize() const {
  const TRect& primary = FMonitors.front().Bounds;
  return {primary.Width(), primary.Height()};
}

void HeadlessDisplay::SetMonitors(std::vector<MonitorArea> monitors) {
  if (monitors.empty()) throw Exception("A display needs at least one monitor");
  for (const MonitorArea& m : monitors)
    if (m.Bounds.IsEmpty() || m.WorkArea.IsEmpty() || !m.Bounds.Contains(m.WorkArea))
      throw Exception("A monitor's work area must lie inside it");
  FMonitors = std::move(monitors);
}

std::optional<String> HeadlessDisplay::DesktopClipboardText() { return FDesktopClipboardText; }

void HeadlessDisplay::WindowDestroyed(HWND window) {
  FLayers.erase(window);
  if (FKeyboardWindow == window) FKeyboardWindow = nullptr;
}

void HeadlessDisplay::WindowLayerChanged(HWND window, const LayerAttributes* layer) {
  if (layer)
    FLayers[window] = *layer;
  else
    FLayers.erase(window);
}

std::optional<LayerAttributes> HeadlessDisplay::WindowLayer(HWND window) const {
  const auto found = FLayers.find(window);
  return found == FLayers.end() ? std::nullopt : std::optional<LayerAttributes>(found->second);
}

void HeadlessDisplay::SetDesktopDropTarget(IDropTarget* target) {
  FDesktopPassage->Leave();
  FDesktopTarget = target;
}

DWORD HeadlessDisplay::DesktopDragOver(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) {
  return FDesktopPassage->MoveTo(nullptr, FDesktopTarget.Get(), data, screenPoint, keyState, okEffects);
}

void HeadlessDisplay::DesktopDragLeave() { FDesktopPassage->Leave(); }

DWORD HeadlessDisplay::DesktopDrop(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) {
  return FDesktopPassage->DropOn(nullptr, FDesktopTarget.Get(), data, screenPoint, keyState, okEffects);
}

void HeadlessDisplay::ModalLoopStarted(HWND window) {
  FModalWindows.push_back(window);
  if (FModalHook) FModalHook(window);
}

std::unique_ptr<Display> CreateHeadlessDisplay() { return std::make_unique<HeadlessDisplay>(); }

HeadlessDisplay* CurrentHeadlessDisplay() { return dynamic_cast<HeadlessDisplay*>(&CurrentDisplay()); }

std::unique_ptr<Bitmap> WindowPicture(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  if (!w || !w->Parent) return nullptr;
  const Bitmap* surface = w->Root()->Surface.get();
  if (!surface) return nullptr;
  const TPoint o = w->OriginInRoot();
  const TRect area = w->WindowBounds().Translated(o.X, o.Y).Intersected(surface->Bounds());
  if (area.IsEmpty()) return nullptr;
  auto picture = std::make_unique<Bitmap>(area.Width(), area.Height());
  for (int y = 0; y < area.Height(); ++y)
    for (int x = 0; x < area.Width(); ++x) picture->Put(x, y, surface->At(area.Left + x, area.Top + y));
  return picture;
}

std::vector<Byte> WindowScreenshot(HWND window) {
  const std::unique_ptr<Bitmap> picture = WindowPicture(window);
  return picture ? WritePng(*picture) : std::vector<Byte>{};
}

const Bitmap* WindowSurface(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  return w && IsAnnounced(w) ? w->Surface.get() : nullptr;
}

}  // namespace plat
