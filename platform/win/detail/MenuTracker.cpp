#include "platform/win/detail/MenuTracker.h"

#include "platform/win/MessageViews.h"

#include <algorithm>

#include "platform/rtl/Unicode.h"
#include "platform/win/Cursors.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageHooks.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/DefaultFrame.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/MenuPainter.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowMenus.h"

namespace plat {
namespace {

MenuTracker*& Running() {
  thread_local MenuTracker* running = nullptr;
  return running;
}

LRESULT MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;  // the paint covers everything
    case WM_CAPTURECHANGED:
      // Whoever takes the capture (WM_CANCELMODE, another window) ends the menu.
      if (MenuTracker* tracker = MenuTracker::Current()) tracker->Cancel();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      if (MenuTracker* tracker = MenuTracker::Current()) tracker->PaintMenuWindow(window, dc);
      EndPaint(window, &ps);
      return 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterMenuWindowClass() {
  if (FindWindowClass(MenuWindowClass)) return true;
  WNDCLASSA wc;
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = MenuWindowProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = MenuWindowClass;
  return RegisterClassA(&wc) != 0;
}

TRect ScreenRectOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

// Places a popup of `size` at a point as the TPM_* alignment says, then
// keeps it inside the work area: first by flipping to the other side of
// the point, then by shifting; a rectangle to exclude is stepped around
// (beside it, or below and above it with TPM_VERTICAL).
TRect PlacePopup(TSize size, TPoint at, UINT flags, const TRect* exclude) {
  const TRect work = CurrentDisplay().WorkArea();
  int left = (flags & TPM_RIGHTALIGN) ? at.X - size.cx : (flags & TPM_CENTERALIGN) ? at.X - size.cx / 2 : at.X;
  int top = (flags & TPM_BOTTOMALIGN) ? at.Y - size.cy : (flags & TPM_VCENTERALIGN) ? at.Y - size.cy / 2 : at.Y;
  auto fit = [](int& start, int length, int point, int low, int high) {
    if (start + length > high) start = point - length >= low ? point - length : high - length;
    if (start < low) start = point + length <= high ? point : low;
  };
  fit(left, size.cx, at.X, work.Left, work.Right);
  fit(top, size.cy, at.Y, work.Top, work.Bottom);
  if (exclude && TRect{left, top, left + size.cx, top + size.cy}.Intersects(*exclude)) {
    int& start = (flags & TPM_VERTICAL) ? top : left;
    const int length = (flags & TPM_VERTICAL) ? size.cy : size.cx;
    const int after = (flags & TPM_VERTICAL) ? exclude->Bottom : exclude->Right;
    const int before = (flags & TPM_VERTICAL) ? exclude->Top : exclude->Left;
    const int high = (flags & TPM_VERTICAL) ? work.Bottom : work.Right;
    const int low = (flags & TPM_VERTICAL) ? work.Top : work.Left;
    if (after + length <= high)
      start = after;
    else if (before - length >= low)
      start = before - length;
  }
  left = std::max(work.Left, std::min(left, work.Right - size.cx));
  top = std::max(work.Top, std::min(top, work.Bottom - size.cy));
  return {left, top, left + size.cx, top + size.cy};
}

const MenuItem* ItemOf(HMENU menu, int position) {
  const MenuRecord* record = MenuStore::Instance().Find(menu);
  if (!record || position < 0 || static_cast<std::size_t>(position) >= record->Items.size()) return nullptr;
  return &record->Items[static_cast<std::size_t>(position)];
}

bool IsSystemMenu(HMENU menu) {
  const MenuRecord* record = MenuStore::Instance().Find(menu);
  return record && record->SystemMenuOf;
}

MouseButton ButtonOf(UINT pressMessage) {
  switch (pressMessage) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK: return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK: return MouseButton::Middle;
    default: return MouseButton::Left;
  }
}

// The system menu's commands are offered as the window's state allows.
void PrepareSystemMenu(HMENU menu, HWND owner) {
  const Window* w = WindowManager::Instance().Find(owner);
  if (!w) return;
  const bool minimized = w->IsMinimized(), maximized = w->IsMaximized();
  const std::pair<WPARAM, bool> states[] = {
      {SC_RESTORE, minimized || maximized},
      {SC_MOVE, !maximized},
      {SC_SIZE, !maximized && !minimized && (w->Style & WS_THICKFRAME)},
      {SC_MINIMIZE, !minimized && (w->Style & WS_MINIMIZEBOX)},
      {SC_MAXIMIZE, !maximized && (w->Style & WS_MAXIMIZEBOX)},
      {SC_CLOSE, !(w->Class->Style & CS_NOCLOSE)},
  };
  for (const auto& [command, enabled] : states)
    EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

MenuTracker* MenuTracker::Current() { return Running(); }

MenuTracker::MenuTracker(HWND owner, UINT flags, bool popupMode) : FOwner(owner), FFlags(flags), FPopupMode(popupMode) {
  Running() = this;
}

MenuTracker::~MenuTracker() { Running() = nullptr; }

LRESULT MenuTracker::Notify(UINT message, WPARAM wParam, LPARAM lParam) {
  if ((FFlags & TPM_NONOTIFY) || !IsWindow(FOwner)) return 0;
  return SendMessageA(FOwner, message, wParam, lParam);
}

UINT MenuTracker::RunPopup(HWND owner, HMENU menu, UINT flags, TPoint at, const TRect* exclude) {
  if (Current()) {
    SetLastError(ERROR_POPUP_ALREADY_ACTIVE);
    return 0;
  }
  MenuTracker tracker(owner, flags, true);
  tracker.FByMouse = true;
  tracker.Begin(menu, nullptr);
  if (!tracker.FDone && tracker.OpenLevel(menu, 0, at, flags, exclude)) {
    tracker.FCapture = tracker.FLevels.front().Window;
    SetCapture(tracker.FCapture);
    tracker.Run(tracker.FCapture);
  }
  return tracker.Finish();
}

void MenuTracker::RunSystemMenu(HWND owner) {
  Window* w = WindowManager::Instance().Find(owner);
  if (!w || Current()) return;
  const HMENU menu = GetSystemMenu(owner, false);
  const FrameLayout frame = LayOutWindowFrame(w, w->WindowBounds());
  const TPoint corner = w->ScreenOrigin();
  const TPoint at{corner.X + frame.Border, corner.Y + (frame.Caption.IsEmpty() ? 0 : frame.Caption.Bottom + 1)};
  MenuTracker tracker(owner, 0, false);
  tracker.Begin(menu, nullptr);
  if (!tracker.FDone && tracker.OpenLevel(menu, 0, at, TPM_LEFTALIGN | TPM_TOPALIGN, nullptr)) {
    tracker.FCapture = tracker.FLevels.front().Window;
    SetCapture(tracker.FCapture);
    tracker.MoveSelection(0, 1);
    tracker.Run(tracker.FCapture);
  }
  tracker.Finish();
}

void MenuTracker::RunMenuBar(HWND owner, int item, bool open, bool byMouse) {
  Window* w = WindowManager::Instance().Find(owner);
  if (!w || Current()) return;
  const HMENU bar = MenuBarOf(w);
  const MenuRecord* record = MenuStore::Instance().Find(bar);
  if (!record || item < 0 || static_cast<std::size_t>(item) >= record->Items.size()) return;
  MenuTracker tracker(owner, 0, false);
  tracker.FBar = bar;
  tracker.FByMouse = byMouse;
  tracker.FMouseUsed = byMouse;
  tracker.Begin(bar, owner);
  if (!tracker.FDone) {
    tracker.SwitchBar(item, open, !byMouse, byMouse);
    // A command on the bar itself, named by its letter, is chosen at once.
    if (open && !byMouse && !tracker.FDone) {
      const MenuItem* chosen = ItemOf(bar, item);
      if (chosen && !chosen->SubMenu) tracker.ChooseBarItem(item);
    }
    tracker.CheckEnd();
    tracker.Run(tracker.FLevels.empty() ? owner : tracker.FLevels.front().Window);
  }
  tracker.Finish();
}

void MenuTracker::Begin(HMENU initMenu, HWND capture) {
  FActiveAtStart = GetActiveWindow();
  Notify(WM_ENTERMENULOOP, FPopupMode ? TRUE : FALSE, 0);
  Notify(WM_INITMENU, reinterpret_cast<WPARAM>(initMenu), 0);
  if (capture) {
    FCapture = capture;
    SetCapture(capture);
  }
  CheckEnd();
}

void MenuTracker::Run(HWND announced) {
  const ModalLoopScope scope(announced);
  MSG msg;
  while (!FDone) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the loops outside end too
      break;
    }
    if (!CallMsgFilter(&msg, MSGF_MENU)) HandleMessage(msg);
    CheckEnd();
  }
}

void MenuTracker::CheckEnd() {
  if (FDone) return;
  const bool ownerGone = !IsWindow(FOwner);
  const bool captureLost = FCapture && GetCapture() != FCapture;
  const bool deactivated = GetActiveWindow() != FActiveAtStart;
  const bool menuGone = (FBar && !IsMenu(FBar)) || std::any_of(FLevels.begin(), FLevels.end(), [](const Level& l) {
                          return !IsMenu(l.Menu) || !IsWindow(l.Window);
                        });
  FDone = ownerGone || captureLost || deactivated || menuGone;
}

UINT MenuTracker::Finish() {
  FDone = true;
  Notify(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  while (!FLevels.empty()) CloseDeepest();
  if (FBar) {
    FBarSelected = -1;
    RepaintBar();
  }
  if (FCapture && GetCapture() == FCapture) ReleaseCapture();
  Notify(WM_EXITMENULOOP, FPopupMode ? TRUE : FALSE, 0);
  if (!FChoice || !IsWindow(FOwner)) return 0;
  if (FFlags & TPM_RETURNCMD) return *FChoice;
  if (FChoiceIsSystem)
    PostMessageA(FOwner, WM_SYSCOMMAND, *FChoice, 0);
  else
    PostMessageA(FOwner, WM_COMMAND, MAKEWPARAM(static_cast<Word>(*FChoice), 0), 0);
  return *FChoice;
}

void MenuTracker::Cancel() {
  if (FDone) return;
  FDone = true;
  // Wakes the loop should it be waiting.
  PostMessageA(nullptr, WM_NULL, 0, 0);
}

bool MenuTracker::OpenLevel(HMENU menu, int position, TPoint at, UINT placement, const TRect* exclude) {
  const bool system = IsSystemMenu(menu);
  if (system) PrepareSystemMenu(menu, FOwner);
  Notify(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
         MAKELPARAM(static_cast<Word>(position), static_cast<Word>(system ? TRUE : FALSE)));
  CheckEnd();
  if (FDone || !IsMenu(menu) || !RegisterMenuWindowClass()) return false;
  PopupLayout layout = LayOutPopup(FOwner, menu);
  CheckEnd();
  if (FDone || !IsMenu(menu)) return false;
  const TRect r = PlacePopup(layout.Size, at, placement, exclude);
  Window* owner = WindowManager::Instance().Find(FOwner);
  const HWND window =
      CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, MenuWindowClass, "", WS_POPUP, r.Left, r.Top, r.Width(),
                      r.Height(), owner ? owner->Root()->Handle() : nullptr, nullptr, nullptr, nullptr);
  if (!window) return false;
  FLevels.push_back({menu, window, std::move(layout), -1});
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  return true;
}

void MenuTracker::OpenSubMenu(std::size_t level, bool selectFirst) {
  CloseAbove(level);
  const Level& l = FLevels[level];
  const MenuItem* item = ItemOf(l.Menu, l.Selected);
  if (!item || !item->SubMenu || item->IsDisabled()) return;
  const TRect window = ScreenRectOf(l.Window);
  const TRect row = l.Layout.Items[static_cast<std::size_t>(l.Selected)].Translated(window.Left, window.Top);
  const TRect exclude{window.Left + MenuPopupBorder, row.Top, window.Right - MenuPopupBorder, row.Bottom};
  if (OpenLevel(item->SubMenu, l.Selected, {window.Right - MenuPopupBorder, row.Top - MenuPopupBorder},
                TPM_LEFTALIGN | TPM_TOPALIGN, &exclude) &&
      selectFirst)
    MoveSelection(FLevels.size() - 1, 1);
}

void MenuTracker::CloseDeepest() {
  const Level l = FLevels.back();
  FLevels.pop_back();
  if (IsWindow(l.Window)) DestroyWindow(l.Window);
  Notify(WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(l.Menu), MAKELPARAM(0, IsSystemMenu(l.Menu) ? MF_SYSMENU : 0));
}

void MenuTracker::CloseAbove(std::size_t level) {
  while (FLevels.size() > level + 1) CloseDeepest();
}

void MenuTracker::NotifySelect(HMENU menu, int position, bool byMouse) {
  const MenuItem* item = ItemOf(menu, position);
  if (!item) return;
  UINT flags = MF_HILITE | (item->State & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT)) |
               (item->Type & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR));
  if (item->SubMenu) flags |= MF_POPUP;
  if (byMouse) flags |= MF_MOUSESELECT;
  if (IsSystemMenu(menu)) flags |= MF_SYSMENU;
  const UINT id = item->SubMenu ? static_cast<UINT>(position) : item->Id;
  Notify(WM_MENUSELECT, MAKEWPARAM(static_cast<Word>(id), static_cast<Word>(flags)), reinterpret_cast<LPARAM>(menu));
}

void MenuTracker::Select(std::size_t level, int item, bool byMouse) {
  Level& l = FLevels[level];
  if (l.Selected == item) return;
  l.Selected = item;
  InvalidateRect(l.Window, nullptr, false);
  if (item >= 0) NotifySelect(l.Menu, item, byMouse);
}

void MenuTracker::MoveSelection(std::size_t level, int step) {
  const Level& l = FLevels[level];
  const MenuRecord* record = MenuStore::Instance().Find(l.Menu);
  if (!record || record->Items.empty()) return;
  const int count = static_cast<int>(record->Items.size());
  int at = l.Selected >= 0 ? l.Selected : (step > 0 ? -1 : count);
  // Separators are passed over; disabled items can be highlighted.
  for (int tries = 0; tries < count; ++tries) {
    at = ((at + step) % count + count) % count;
    if (!record->Items[static_cast<std::size_t>(at)].IsSeparator()) {
      Select(level, at, false);
      return;
    }
  }
}

void MenuTracker::Choose(std::size_t level, int position) {
  const HMENU menu = FLevels[level].Menu;
  const MenuItem* item = ItemOf(menu, position);
  if (!item || item->IsSeparator()) return;
  if (item->SubMenu) {
    Select(level, position, false);
    if (level < FLevels.size()) OpenSubMenu(level, true);
    return;
  }
  if (item->IsDisabled()) return;
  FChoice = item->Id;
  FChoiceIsSystem = IsSystemMenu(menu);
  FDone = true;
}

void MenuTracker::Hover(std::size_t level, int position) {
  const MenuItem* item = ItemOf(FLevels[level].Menu, position);
  if (item && item->IsSeparator()) position = -1;
  if (position < 0 || FLevels[level].Selected != position) CloseAbove(level);
  Select(level, position, true);
  if (FDone || level >= FLevels.size()) return;
  item = ItemOf(FLevels[level].Menu, position);
  if (item && item->SubMenu && FLevels.size() == level + 1) OpenSubMenu(level, false);
}

void MenuTracker::SwitchBar(int item, bool open, bool selectFirst, bool byMouse) {
  while (!FLevels.empty()) CloseDeepest();
  FBarDropped = FBarDropped || open;
  if (FBarSelected != item) {
    FBarSelected = item;
    RepaintBar();
    NotifySelect(FBar, item, byMouse);
  }
  if (open && !FDone) OpenBarPopup(selectFirst);
}

void MenuTracker::OpenBarPopup(bool selectFirst) {
  const MenuItem* item = ItemOf(FBar, FBarSelected);
  const auto anchor = BarItemRect(FBarSelected);
  if (!item || !item->SubMenu || item->IsDisabled() || !anchor) return;
  if (!OpenLevel(item->SubMenu, FBarSelected, {anchor->Left, anchor->Bottom},
                 TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL, &*anchor))
    return;
  FBarDropped = true;
  if (selectFirst) MoveSelection(0, 1);
}

void MenuTracker::ChooseBarItem(int position) {
  const MenuItem* item = ItemOf(FBar, position);
  if (!item || item->IsSeparator() || item->IsDisabled()) return;
  if (item->SubMenu) {
    if (FLevels.empty()) OpenBarPopup(true);
    return;
  }
  FChoice = item->Id;
  FDone = true;
}

std::optional<TRect> MenuTracker::BarItemRect(int position) const {
  const Window* w = WindowManager::Instance().Find(FOwner);
  if (!w || position < 0) return std::nullopt;
  const TRect bar = LayOutWindowFrame(w, w->WindowBounds()).MenuBar;
  const BarLayout layout = LayOutMenuBar(FOwner, FBar, bar.Width());
  if (static_cast<std::size_t>(position) >= layout.Items.size()) return std::nullopt;
  const TPoint origin = w->ScreenOrigin() + bar.TopLeft();
  return layout.Items[static_cast<std::size_t>(position)].Translated(origin.X, origin.Y);
}

void MenuTracker::RepaintBar() {
  if (IsWindow(FOwner)) RedrawWindow(FOwner, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

MenuTracker::Spot MenuTracker::Locate(TPoint p) const {
  for (std::size_t k = FLevels.size(); k-- > 0;) {
    const TRect window = ScreenRectOf(FLevels[k].Window);
    if (!window.Contains(p)) continue;
    const auto& items = FLevels[k].Layout.Items;
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].Translated(window.Left, window.Top).Contains(p))
        return {static_cast<int>(k), static_cast<int>(i), false};
    return {static_cast<int>(k), -1, false};
  }
  if (FBar) {
    const MenuRecord* record = MenuStore::Instance().Find(FBar);
    for (std::size_t i = 0; record && i < record->Items.size(); ++i)
      if (const auto r = BarItemRect(static_cast<int>(i)); r && r->Contains(p)) return {-1, static_cast<int>(i), true};
  }
  return {};
}

void MenuTracker::HandleMessage(MSG& msg) {
  if (IsMouseInputMessage(msg.message)) {
    HandleMouse(msg);
    return;
  }
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: HandleKey(msg); return;
    case WM_CHAR:
    case WM_SYSCHAR: HandleChar(msg.wParam); return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR: return;  // the menu has the keyboard
    default: DispatchMessage(&msg);
  }
}

void MenuTracker::HandleMouse(const MSG& msg) {
  const Spot at = Locate(msg.pt);
  switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      if (at.Level >= 0 && at.Item >= 0) {
        FMouseUsed = true;
        Hover(static_cast<std::size_t>(at.Level), at.Item);
      } else if (at.OnBar && at.Item != FBarSelected && FMouseUsed) {
        SwitchBar(at.Item, FBarDropped, false, true);
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
      FMouseUsed = true;
      FByMouse = true;
      if (at.Level >= 0) {
        if (at.Item >= 0) Hover(static_cast<std::size_t>(at.Level), at.Item);
      } else if (at.OnBar && !(at.Item == FBarSelected && !FLevels.empty())) {
        SwitchBar(at.Item, true, false, true);
      } else {
        // Outside every menu (or the open bar item again): dismissed, and
        // the click, release included, goes nowhere.
        FDone = true;
        InputRouter::Instance().SwallowNextRelease(ButtonOf(msg.message));
      }
      return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP: {
      const bool left = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
      if (!FMouseUsed || (!left && !(FFlags & TPM_RIGHTBUTTON) && !FBar)) return;
      if (at.Level >= 0 && at.Item >= 0)
        Choose(static_cast<std::size_t>(at.Level), at.Item);
      else if (at.OnBar && at.Item == FBarSelected && FLevels.empty())
        ChooseBarItem(at.Item);
      return;
    }
    default: return;
  }
}

void MenuTracker::HandleKey(MSG& msg) {
  const bool inPopup = !FLevels.empty();
  const std::size_t deepest = FLevels.size() - 1;
  switch (msg.wParam) {
    case VK_UP:
    case VK_DOWN:
      if (inPopup)
        MoveSelection(deepest, msg.wParam == VK_DOWN ? 1 : -1);
      else if (FBar)
        OpenBarPopup(true);
      return;
    case VK_RIGHT: {
      const MenuItem* item = inPopup ? ItemOf(FLevels[deepest].Menu, FLevels[deepest].Selected) : nullptr;
      if (item && item->SubMenu && !item->IsDisabled())
        OpenSubMenu(deepest, true);
      else if (FBar)
        SwitchBar((FBarSelected + 1) % GetMenuItemCount(FBar), FBarDropped, true, false);
      return;
    }
    case VK_LEFT:
      if (FLevels.size() > 1)
        CloseDeepest();
      else if (FBar)
        SwitchBar((FBarSelected + GetMenuItemCount(FBar) - 1) % GetMenuItemCount(FBar), FBarDropped, true, false);
      return;
    case VK_RETURN:
      if (inPopup && FLevels[deepest].Selected >= 0)
        Choose(deepest, FLevels[deepest].Selected);
      else if (!inPopup && FBar)
        ChooseBarItem(FBarSelected);
      return;
    case VK_ESCAPE:
      if (FLevels.size() > 1) {
        CloseDeepest();
      } else if (FBar && FBarDropped) {
        // Back to the bar alone, its item still selected.
        if (inPopup) CloseDeepest();
        FBarDropped = false;
      } else {
        FDone = true;
      }
      return;
    case VK_MENU:
    case VK_F10: FDone = true; return;
    default: TranslateMessage(&msg);  // letters come back as characters: mnemonics
  }
}

void MenuTracker::ActivateByKey(std::optional<std::size_t> level, int position) {
  if (level) {
    Select(*level, position, false);
    if (!FDone && *level < FLevels.size()) Choose(*level, position);
  } else {
    SwitchBar(position, true, true, false);
    if (!FDone) ChooseBarItem(position);
  }
}

void MenuTracker::HandleChar(WPARAM character) {
  if (character == 0) return;
  const std::optional<std::size_t> level =
      FLevels.empty() ? std::nullopt : std::optional<std::size_t>(FLevels.size() - 1);
  const HMENU menu = level ? FLevels[*level].Menu : FBar;
  const MenuRecord* record = MenuStore::Instance().Find(menu);
  if (!record) return;
  const char32_t wanted = UnicodeLower(static_cast<char32_t>(character));
  std::vector<int> matches;
  for (std::size_t i = 0; i < record->Items.size(); ++i)
    if (!record->Items[i].IsSeparator() && !record->Items[i].IsOwnerDraw() &&
        MnemonicOf(record->Items[i].Text) == wanted)
      matches.push_back(static_cast<int>(i));
  const int current = level ? FLevels[*level].Selected : FBarSelected;
  if (matches.size() == 1) {
    ActivateByKey(level, matches.front());
  } else if (matches.size() > 1) {
    // Several share the letter: each press moves to the next.
    const auto next = std::upper_bound(matches.begin(), matches.end(), current);
    const int target = next == matches.end() ? matches.front() : *next;
    if (level)
      Select(*level, target, false);
    else
      SwitchBar(target, false, false, false);
  } else {
    const Word flags = static_cast<Word>((level ? MF_POPUP : 0) | (IsSystemMenu(menu) ? MF_SYSMENU : 0));
    const LRESULT answer =
        Notify(WM_MENUCHAR, MAKEWPARAM(static_cast<Word>(character), flags), reinterpret_cast<LPARAM>(menu));
    CheckEnd();
    if (FDone || !IsMenu(menu) || (level && *level >= FLevels.size())) return;
    const int position = LOWORD(static_cast<std::uintptr_t>(answer));
    switch (HIWORD(static_cast<std::uintptr_t>(answer))) {
      case MNC_EXECUTE: ActivateByKey(level, position); break;
      case MNC_SELECT:
        if (level)
          Select(*level, position, false);
        else
          SwitchBar(position, false, false, false);
        break;
      case MNC_CLOSE: FDone = true; break;
      default: break;
    }
  }
}

int MenuTracker::BarSelection(HWND window) const { return window == FOwner && FBar ? FBarSelected : -1; }

bool MenuTracker::PaintMenuWindow(HWND window, HDC dc) const {
  for (const Level& l : FLevels)
    if (l.Window == window) {
      PaintPopupMenu(dc, FOwner, l.Menu, l.Layout, {l.Selected, FByMouse});
      return true;
    }
  return false;
}

std::optional<TRect> MenuTracker::OpenItemRect(HMENU menu, UINT position) const {
  for (const Level& l : FLevels)
    if (l.Menu == menu && position < l.Layout.Items.size()) {
      const TRect window = ScreenRectOf(l.Window);
      return l.Layout.Items[position].Translated(window.Left, window.Top);
    }
  return std::nullopt;
}

}  // namespace plat
