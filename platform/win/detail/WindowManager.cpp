#include "platform/win/detail/WindowManager.h"

#include <algorithm>

#include "platform/win/Cursors.h"
#include "platform/win/Display.h"
#include "platform/win/detail/ForeignWindows.h"
#include "platform/win/detail/ToolTipControl.h"
#include "platform/win/detail/User32Exports.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/ZOrder.h"

namespace plat {
namespace {

std::uintptr_t& LastHandleValue() {
  static std::uintptr_t last = 0x10000;
  return last;
}

ForeignWindows*& Foreign() {
  static ForeignWindows* foreign = nullptr;
  return foreign;
}

std::shared_ptr<WindowClassRecord> RootClass(const char* name) {
  auto c = std::make_shared<WindowClassRecord>();
  c->Name = name;
  return c;
}

}  // namespace

HWND AllocateWindowHandle() {
  // Even values well above zero, so no handle looks like a small
  // integer or one of the insert-after markers.
  LastHandleValue() += 2;
  return reinterpret_cast<HWND>(LastHandleValue());
}

void SetForeignWindows(ForeignWindows* foreign) { Foreign() = foreign; }
ForeignWindows* InstalledForeignWindows() { return Foreign(); }

ForeignWindows* ForeignFor(HWND window) {
  if (window && Foreign()) return Foreign();
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return nullptr;
}

void AddWindowListObserver(WindowListObserver* observer) {
  auto& list = WindowManager::Instance().Observers;
  if (observer && std::find(list.begin(), list.end(), observer) == list.end()) list.push_back(observer);
}

void RemoveWindowListObserver(WindowListObserver* observer) {
  std::erase(WindowManager::Instance().Observers, observer);
}

WindowManager& WindowManager::Instance() {
  static WindowManager manager;
  return manager;
}

WindowManager::WindowManager() {
  // Programs may look the window layer's functions up by name, and make
  // the common controls' windows, from the moment it exists.
  RegisterUser32Exports();
  RegisterToolTipClass();
  FDesktop = std::make_shared<Window>(AllocateWindowHandle(), RootClass("#32769"));
  FDesktop->Stage = Window::Life::Alive;
  FDesktop->Style = WS_VISIBLE | WS_CLIPCHILDREN;
  FWindows.emplace(FDesktop->Handle(), FDesktop);
  FMessageRoot = std::make_shared<Window>(AllocateWindowHandle(), RootClass("Message"));
  FMessageRoot->Stage = Window::Life::Alive;
  FWindows.emplace(FMessageRoot->Handle(), FMessageRoot);
}

Window* WindowManager::Find(HWND handle) const {
  auto it = FWindows.find(handle);
  return it == FWindows.end() || it->second->Stage == Window::Life::Dead ? nullptr : it->second.get();
}

Window* WindowManager::FindOrFail(HWND handle) const {
  Window* w = Find(handle);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

std::shared_ptr<Window> WindowManager::Keep(const Window* window) const {
  if (!window) return nullptr;
  auto it = FWindows.find(window->Handle());
  return it == FWindows.end() ? nullptr : it->second;
}

Window* WindowManager::Desktop() {
  // The desktop follows the screen of the display in force.
  const TSize screen = CurrentDisplay().ScreenSize();
  FDesktop->Rect = FDesktop->Client = {0, 0, screen.cx, screen.cy};
  return FDesktop.get();
}

Window* WindowManager::MessageRoot() { return FMessageRoot.get(); }

Window* WindowManager::Create(std::shared_ptr<WindowClassRecord> windowClass) {
  auto w = std::make_shared<Window>(AllocateWindowHandle(), std::move(windowClass));
  Window* raw = w.get();
  FWindows.emplace(raw->Handle(), std::move(w));
  return raw;
}

void WindowManager::Remove(Window* window) { FWindows.erase(window->Handle()); }

bool IsAnnounced(const Window* window) { return window && WindowManager::Instance().IsDesktop(window->Parent); }

void WindowManager::AnnounceCreated(Window* w) {
  if (!IsAnnounced(w) || w->Announced) return;
  w->Announced = true;
  CurrentDisplay().WindowCreated(w->Handle());
  CurrentDisplay().WindowMoved(w->Handle(), w->ScreenRect());
  // A region given while the window was being made (WM_CREATE, the first
  // WM_SIZE) came before the display knew the window.
  if (w->Shape) CurrentDisplay().WindowRegionChanged(w->Handle(), &*w->Shape);
  for (WindowListObserver* o : std::vector(Observers)) o->TopLevelWindowCreated(w->Handle());
}

void WindowManager::AnnounceDestroyed(Window* w) {
  if (!w->Announced) return;
  w->Announced = false;
  for (WindowListObserver* o : std::vector(Observers)) o->TopLevelWindowDestroyed(w->Handle());
  CurrentDisplay().WindowDestroyed(w->Handle());
}

void WindowManager::AnnounceShown(Window* w) {
  if (!w->Announced) return;
  CurrentDisplay().WindowShown(w->Handle(), w->IsVisibleStyle());
  for (WindowListObserver* o : std::vector(Observers)) o->TopLevelWindowVisibilityChanged(w->Handle());
}

void WindowManager::AnnounceMoved(Window* w) {
  if (w->Announced) CurrentDisplay().WindowMoved(w->Handle(), w->ScreenRect());
}

void WindowManager::AnnounceText(Window* w) {
  if (!w->Announced) return;
  CurrentDisplay().WindowTextChanged(w->Handle(), w->Text);
  for (WindowListObserver* o : std::vector(Observers)) o->TopLevelWindowTextChanged(w->Handle());
}

void WindowManager::AnnounceRegion(Window* w) {
  if (w->Announced) CurrentDisplay().WindowRegionChanged(w->Handle(), w->Shape ? &*w->Shape : nullptr);
}

void WindowManager::AnnounceLayer(Window* w) {
  if (w->Announced) CurrentDisplay().WindowLayerChanged(w->Handle(), w->Layer ? &*w->Layer : nullptr);
}

void WindowManager::AnnounceRaised(Window* w) {
  if (!w->Announced) return;
  CurrentDisplay().WindowRaised(w->Handle());
  // Its owned windows go back above it, lowest first.
  const auto& list = w->Parent->Children;
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    if (*it != w && (*it)->Announced && IsOwnedBy(*it, w)) CurrentDisplay().WindowRaised((*it)->Handle());
}

void WindowManager::AnnounceActivated(Window* w) {
  if (w->Announced) CurrentDisplay().WindowActivated(w->Handle());
}

void WindowManager::FlushSurfaces() {
  for (Window* w : std::vector(Desktop()->Children)) {
    if (w->SurfaceDirty.IsEmpty() || !w->Announced) continue;
    const TRect dirty = w->SurfaceDirty;
    w->SurfaceDirty = {};
    CurrentDisplay().WindowPixelsChanged(w->Handle(), dirty);
  }
}

void WindowManager::IntroduceAll() {
  Display& display = CurrentDisplay();
  display.CursorChanged(VisibleCursor());
  display.CaptureChanged(Capture);
  Window* desktop = Desktop();
  // Bottom first, so the display stacks them as they are.
  for (auto it = desktop->Children.rbegin(); it != desktop->Children.rend(); ++it) {
    Window* w = *it;
    if (!w->Announced) continue;
    display.WindowCreated(w->Handle());
    display.WindowMoved(w->Handle(), w->ScreenRect());
    if (w->Shape) display.WindowRegionChanged(w->Handle(), &*w->Shape);
    if (w->Layer) display.WindowLayerChanged(w->Handle(), &*w->Layer);
    if (!w->Text.empty()) display.WindowTextChanged(w->Handle(), w->Text);
    if (w->IsVisibleStyle()) display.WindowShown(w->Handle(), true);
    if (w->Surface) display.WindowPixelsChanged(w->Handle(), w->WindowBounds());
  }
}

}  // namespace plat
