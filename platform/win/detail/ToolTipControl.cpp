#include "platform/win/detail/ToolTipControl.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/Font.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Monitors.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/Timers.h"
#include "platform/win/ToolTips.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/MessageWatch.h"
#include "platform/win/detail/SystemFonts.h"
#include "platform/win/detail/ToolTipHover.h"
#include "platform/win/detail/ToolTipLayout.h"
#include "platform/win/detail/ToolTipPainter.h"
#include "platform/win/detail/ToolTipTools.h"

namespace plat {
namespace {

// While the control follows a tool it looks this often whether the pointer
// is still on it: leaving the tool's window tells the tool nothing.
constexpr UINT_PTR LeaveCheckTimer = 3;
constexpr UINT LeaveCheckInterval = 100;
// Titles that callers cut to 100 characters, an ellipsis included, fit whole.
constexpr std::size_t MaxTitleCharacters = 100;

struct ShownTip {
  ToolKey Tool;
  String Text;  // as it shows
  TipAnchor Anchor;
  bool Tracking = false;
  bool OwnerPlaced = false;  // TTN_SHOW answered TRUE: the owner chose the place
};

std::optional<ToolKey> KeyOf(const Tool* tool) { return tool ? std::optional<ToolKey>(tool->Key) : std::nullopt; }

std::optional<ToolKey> KeyOf(const TOOLINFOA* info) {
  return info ? std::optional<ToolKey>(ToolKey{info->hwnd, info->uId}) : std::nullopt;
}

bool IsMouseButtonMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return true;
    default: return false;
  }
}

std::size_t CharacterCount(const String& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The text a TTN_GETDISPINFO handler left in the record.
String AnsweredText(const NMTTDISPINFOA& info) {
  if (info.lpszText == info.szText) return String(info.szText, strnlen(info.szText, sizeof info.szText));
  if (!info.lpszText || info.lpszText == LPSTR_TEXTCALLBACK || IS_INTRESOURCE(info.lpszText)) return {};
  return String(info.lpszText);
}

OwnedGdiObject<Font> TipFont(bool bold) {
  LOGFONTA description = SystemLogFont(SystemFont::Status);
  if (bold) description.lfWeight = FW_BOLD;
  return OwnedGdiObject<Font>(CreateFontIndirectA(&description));
}

class ToolTipControl final : public ToolTipHover::Host,
                             public MessageWatcher,
                             public std::enable_shared_from_this<ToolTipControl> {
 public:
  explicit ToolTipControl(HWND window) : FWindow(window) {
    const int click = static_cast<int>(GetDoubleClickTime());
    FHover.Timing = {click, click * 10, click / 5};
  }

  std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // The window is going: nothing more is shown, watched or told.
  void Destroyed();

  // ToolTipHover::Host
  void StartTimer(UINT_PTR id, int milliseconds) override {
    if (!FGone) SetTimer(FWindow, id, static_cast<UINT>(std::max(milliseconds, 0)), nullptr);
  }
  void StopTimer(UINT_PTR id) override { KillTimer(FWindow, id); }
  bool ShowTip(const ToolKey& tool) override { return Show(tool, false); }
  void HideTip() override { Hide(); }

  // MessageWatcher
  void WatchedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void WatchedWindowGone(HWND window) override { std::erase(FWatched, window); }

 private:
  DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtrA(FWindow, GWL_STYLE)); }

  // Tools.
  LRESULT AddTool(const TOOLINFOA* info);
  void DeleteTool(const TOOLINFOA* info);
  void NewToolRect(const TOOLINFOA* info);
  LRESULT DescribeTool(const Tool* tool, TOOLINFOA* info) const;
  void UpdateTipText(const TOOLINFOA* info);
  void SyncWatching();

  // Settings.
  void SetDelayTime(WPARAM which, LPARAM lParam);
  LRESULT SetTitle(WPARAM icon, const char* title);
  void SetColor(COLORREF& colour, WPARAM value);
  LRESULT SetMaxTipWidth(LPARAM width);
  void SetMargin(const RECT* margin);
  void Activate(bool on);

  // The pointer.
  void MouseMessage(const MSG& msg);
  void TimerDue(UINT_PTR id);
  std::optional<ToolKey> ToolUnderPointer() const;
  void UpdateLeaveCheck();
  void PopUp();
  void Pop();

  // Tracking.
  void TrackActivate(bool on, const TOOLINFOA* info);
  void TrackPosition(TPoint screen);

  // Showing.
  bool Show(const ToolKey& key, bool tracking);
  void Hide();
  std::optional<String> TextOf(const ToolKey& key);
  void RefreshShownText();
  TipAnchor HoverAnchor(const Tool& tool) const;
  TipAnchor TrackAnchor(const Tool& tool) const;
  TipContent Content() const;
  void Relayout();
  void Paint();
  LRESULT Notify(const ToolKey& tool, UINT code) const;

  const HWND FWindow;
  bool FGone = false;
  bool FActive = true;
  ToolList FTools;
  ToolTipHover FHover{*this};
  std::vector<HWND> FWatched;
  bool FLeaveCheckRunning = false;

  // Looks.
  COLORREF FBackground = GetSysColor(COLOR_INFOBK);
  COLORREF FTextColor = GetSysColor(COLOR_INFOTEXT);
  String FTitle;
  int FIcon = 0;
  int FMaxWidth = -1;
  TRect FMargin;
  OwnedGdiObject<Font> FTextFont = TipFont(false);
  OwnedGdiObject<Font> FTitleFont = TipFont(true);

  // Tracking and what shows.
  std::optional<ToolKey> FTracking;
  TPoint FTrackPoint;
  std::optional<ShownTip> FShown;
  TipLayout FLayout;
  // Counts hides, so that a show interrupted by a notification that hid
  // the tip (or showed another) stops there.
  std::uint64_t FGeneration = 0;
};

std::optional<LRESULT> ToolTipControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;  // the paint covers everything
    case WM_PAINT: Paint(); return 0;
    case WM_TIMER: TimerDue(wParam); return 0;
    case TTM_ACTIVATE: Activate(wParam != 0); return 0;
    case TTM_SETDELAYTIME: SetDelayTime(wParam, lParam); return 0;
    case TTM_ADDTOOLA: return AddTool(ToolInfoOf(lParam));
    case TTM_DELTOOLA: DeleteTool(ToolInfoOf(lParam)); return 0;
    case TTM_NEWTOOLRECTA: NewToolRect(ToolInfoOf(lParam)); return 0;
    case TTM_RELAYEVENT:
      if (lParam) MouseMessage(*reinterpret_cast<const MSG*>(lParam));
      return 0;
    case TTM_GETTOOLINFOA: {
      TOOLINFOA* info = ToolInfoOf(lParam);
      return DescribeTool(info ? FTools.Find(*KeyOf(info)) : nullptr, info);
    }
    case TTM_UPDATETIPTEXTA: UpdateTipText(ToolInfoOf(lParam)); return 0;
    case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(FTools.Count());
    case TTM_ENUMTOOLSA: return DescribeTool(FTools.At(wParam), ToolInfoOf(lParam));
    case TTM_TRACKACTIVATE: TrackActivate(wParam != 0, ToolInfoOf(lParam)); return 0;
    case TTM_TRACKPOSITION: TrackPosition({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case TTM_SETTIPBKCOLOR: SetColor(FBackground, wParam); return 0;
    case TTM_SETTIPTEXTCOLOR: SetColor(FTextColor, wParam); return 0;
    case TTM_SETMAXTIPWIDTH: return SetMaxTipWidth(lParam);
    case TTM_SETMARGIN: SetMargin(reinterpret_cast<const RECT*>(lParam)); return 0;
    case TTM_POP: Pop(); return 0;
    case TTM_SETTITLEA: return SetTitle(wParam, reinterpret_cast<const char*>(lParam));
    case TTM_POPUP: PopUp(); return 0;
    default: return std::nullopt;
  }
}

void ToolTipControl::Destroyed() {
  FGone = true;
  for (HWND window : std::vector(FWatched)) StopWatchingWindowMessages(window, this);
  FWatched.clear();
  FShown.reset();
}

// Tools.

LRESULT ToolTipControl::AddTool(const TOOLINFOA* info) {
  if (!info || !FTools.Add(*info)) return FALSE;
  SyncWatching();
  return TRUE;
}

void ToolTipControl::DeleteTool(const TOOLINFOA* info) {
  if (!info || !FTools.Remove(*KeyOf(info))) return;
  const ToolKey key = *KeyOf(info);
  FHover.Forget(key);
  if (FTracking == key) FTracking.reset();
  if (FShown && FShown->Tool == key) Hide();
  SyncWatching();
  UpdateLeaveCheck();
}

void ToolTipControl::NewToolRect(const TOOLINFOA* info) {
  if (Tool* tool = info ? FTools.Find(*KeyOf(info)) : nullptr) tool->Rect = info->rect;
}

LRESULT ToolTipControl::DescribeTool(const Tool* tool, TOOLINFOA* info) const {
  if (!tool || !info) return FALSE;
  ToolList::Describe(*tool, *info);
  return TRUE;
}

void ToolTipControl::UpdateTipText(const TOOLINFOA* info) {
  Tool* tool = info ? FTools.Find(*KeyOf(info)) : nullptr;
  const std::optional<ToolText> text = info ? ReadToolText(info->lpszText) : std::nullopt;
  if (!tool || !text) return;
  tool->Callback = text->Callback;
  tool->Text = text->Text;
  if (FShown && FShown->Tool == tool->Key) RefreshShownText();
}

void ToolTipControl::SyncWatching() {
  const std::vector<HWND> wanted = FTools.WatchedWindows();
  for (HWND window : std::vector(FWatched)) {
    if (std::find(wanted.begin(), wanted.end(), window) != wanted.end()) continue;
    StopWatchingWindowMessages(window, this);
    std::erase(FWatched, window);
  }
  for (HWND window : wanted) {
    if (std::find(FWatched.begin(), FWatched.end(), window) != FWatched.end()) continue;
    if (WatchWindowMessages(window, this)) FWatched.push_back(window);
  }
}

void ToolTipControl::WatchedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE && !IsMouseButtonMessage(message)) return;
  // The tip's owner may destroy it while it hears of this.
  const std::shared_ptr<ToolTipControl> keep = shared_from_this();
  MSG msg;
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  MouseMessage(msg);
}

// Settings.

void ToolTipControl::SetDelayTime(WPARAM which, LPARAM lParam) {
  // The low word, signed: -1 asks for the default.
  const int value = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
  const int click = static_cast<int>(GetDoubleClickTime());
  ToolTipHover::Delays& timing = FHover.Timing;
  switch (which) {
    case TTDT_AUTOMATIC: {
      const int initial = value < 0 ? click : value;
      timing = {initial, initial * 10, initial / 5};
      break;
    }
    case TTDT_INITIAL: timing.Initial = value < 0 ? click : value; break;
    case TTDT_AUTOPOP: timing.AutoPop = value < 0 ? click * 10 : value; break;
    case TTDT_RESHOW: timing.Reshow = value < 0 ? click / 5 : value; break;
    default: break;
  }
}

LRESULT ToolTipControl::SetTitle(WPARAM icon, const char* title) {
  if (!title || IS_INTRESOURCE(title) || icon > TTI_ERROR) return FALSE;
  const String text(title);
  if (CharacterCount(text) > MaxTitleCharacters) return FALSE;
  FTitle = text;
  FIcon = static_cast<int>(icon);
  Relayout();
  return TRUE;
}

void ToolTipControl::SetColor(COLORREF& colour, WPARAM value) {
  colour = static_cast<COLORREF>(value & 0xFFFFFF);
  if (FShown) InvalidateRect(FWindow, nullptr, false);
}

LRESULT ToolTipControl::SetMaxTipWidth(LPARAM width) {
  const int old = FMaxWidth;
  FMaxWidth = static_cast<int>(std::clamp<LPARAM>(width, -1, 32767));
  Relayout();
  return old;
}

void ToolTipControl::SetMargin(const RECT* margin) {
  if (!margin) return;
  FMargin = {std::max(margin->Left, 0), std::max(margin->Top, 0), std::max(margin->Right, 0),
             std::max(margin->Bottom, 0)};
  Relayout();
}

void ToolTipControl::Activate(bool on) {
  FActive = on;
  if (on) return;
  FTracking.reset();
  FHover.Reset();
  Hide();
  UpdateLeaveCheck();
}

// The pointer.

void ToolTipControl::MouseMessage(const MSG& msg) {
  if (FGone || !FActive || FTracking) return;
  if (msg.message == WM_MOUSEMOVE) {
    const TPoint client{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    POINT screen = client;
    ClientToScreen(msg.hwnd, &screen);
    FHover.PointerOn(KeyOf(FTools.ToolAt(msg.hwnd, client)), screen);
  } else if (msg.message == WM_NCMOUSEMOVE) {
    FHover.PointerOn(std::nullopt, {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
  } else if (IsMouseButtonMessage(msg.message)) {
    FHover.Pressed();
  } else {
    return;
  }
  UpdateLeaveCheck();
}

void ToolTipControl::TimerDue(UINT_PTR id) {
  if (id == LeaveCheckTimer) {
    if (FActive && !FTracking) {
      POINT screen;
      GetCursorPos(&screen);
      FHover.PointerOn(ToolUnderPointer(), screen);
    }
  } else {
    FHover.TimerDue(id);
  }
  UpdateLeaveCheck();
}

std::optional<ToolKey> ToolTipControl::ToolUnderPointer() const {
  if (InputRouter::Instance().PointerOutside()) return std::nullopt;
  POINT screen;
  GetCursorPos(&screen);
  const HWND window = WindowFromPoint(screen);
  if (!window) return std::nullopt;
  POINT client = screen;
  ScreenToClient(window, &client);
  return KeyOf(FTools.ToolAt(window, client));
}

void ToolTipControl::UpdateLeaveCheck() {
  const bool wanted = !FGone && FHover.Current().has_value();
  if (wanted == FLeaveCheckRunning) return;
  FLeaveCheckRunning = wanted;
  if (wanted)
    SetTimer(FWindow, LeaveCheckTimer, LeaveCheckInterval, nullptr);
  else
    KillTimer(FWindow, LeaveCheckTimer);
}

void ToolTipControl::PopUp() {
  if (!FActive || FTracking) return;
  if (!FHover.Current()) {
    POINT screen;
    GetCursorPos(&screen);
    FHover.PointerOn(ToolUnderPointer(), screen);
  }
  FHover.ShowNow();
  UpdateLeaveCheck();
}

void ToolTipControl::Pop() {
  FTracking.reset();
  FHover.Pop();
  Hide();
  UpdateLeaveCheck();
}

// Tracking.

void ToolTipControl::TrackActivate(bool on, const TOOLINFOA* info) {
  const std::optional<ToolKey> key = KeyOf(info);
  if (!key) return;
  if (!on) {
    if (FTracking != key) return;
    FTracking.reset();
    Hide();
    return;
  }
  const Tool* tool = FTools.Find(*key);
  if (!tool || !(tool->Flags & TTF_TRACK) || !FActive) return;
  if (FShown && FShown->Tracking && FShown->Tool == *key) return;
  FHover.Reset();
  UpdateLeaveCheck();
  FTracking = key;
  Show(*key, true);
}

void ToolTipControl::TrackPosition(TPoint screen) {
  FTrackPoint = screen;
  if (!FShown || !FShown->Tracking) return;
  if (const Tool* tool = FTools.Find(FShown->Tool)) {
    FShown->Anchor = TrackAnchor(*tool);
    Relayout();
  }
}

// Showing.

bool ToolTipControl::Show(const ToolKey& key, bool tracking) {
  const Tool* tool = FTools.Find(key);
  if (FGone || !FActive || !tool) return false;
  if (!tracking && !(Style() & TTS_ALWAYSTIP) && GetActiveWindow() != GetAncestor(tool->Window(), GA_ROOT))
    return false;
  Hide();
  const std::uint64_t generation = FGeneration;
  const std::optional<String> text = TextOf(key);
  if (!text || FGone || generation != FGeneration) return false;
  const String shown = TipDisplayText(*text, (Style() & TTS_NOPREFIX) != 0);
  tool = FTools.Find(key);
  if (shown.empty() || !tool) return false;
  FShown = ShownTip{key, shown, tracking ? TrackAnchor(*tool) : HoverAnchor(*tool), tracking};
  Relayout();
  // Placed and still hidden: the owner may move it now.
  const bool ownerPlaced = Notify(key, TTN_SHOW) != 0;
  if (FGone || generation != FGeneration || !FShown) return false;
  FShown->OwnerPlaced = ownerPlaced;
  SetWindowPos(FWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return true;
}

void ToolTipControl::Hide() {
  ++FGeneration;
  if (!FShown) return;
  const ToolKey tool = FShown->Tool;
  FShown.reset();
  if (!IsWindowVisible(FWindow)) return;  // stopped before it showed
  Notify(tool, TTN_POP);
  // The owner may have shown another tip meanwhile.
  if (!FGone && !FShown) ShowWindow(FWindow, SW_HIDE);
}

std::optional<String> ToolTipControl::TextOf(const ToolKey& key) {
  const Tool* tool = FTools.Find(key);
  if (!tool) return std::nullopt;
  if (!tool->Callback) return tool->Text;
  NMTTDISPINFOA info;
  info.hdr = {FWindow, key.Id, TTN_GETDISPINFOA};
  info.uFlags = tool->Flags;
  info.lParam = tool->Param;
  SendMessageA(key.Owner, WM_NOTIFY, key.Id, reinterpret_cast<LPARAM>(&info));
  if (FGone) return std::nullopt;
  const String text = AnsweredText(info);
  if (Tool* again = (info.uFlags & TTF_DI_SETITEM) ? FTools.Find(key) : nullptr) {
    again->Callback = false;
    again->Text = text;
  }
  return text;
}

void ToolTipControl::RefreshShownText() {
  const ToolKey key = FShown->Tool;
  const std::uint64_t generation = FGeneration;
  const std::optional<String> text = TextOf(key);
  if (FGone || generation != FGeneration || !FShown) return;
  const String shown = text ? TipDisplayText(*text, (Style() & TTS_NOPREFIX) != 0) : String();
  if (shown.empty()) {
    FHover.Forget(key);
    Hide();
    UpdateLeaveCheck();
    return;
  }
  FShown->Text = shown;
  Relayout();
}

TipAnchor ToolTipControl::HoverAnchor(const Tool& tool) const {
  POINT pointer;
  GetCursorPos(&pointer);
  const TipPlacement placement =
      (tool.Flags & TTF_CENTERTIP) ? TipPlacement::CenteredBelow : TipPlacement::BelowPointer;
  return {placement, pointer, tool.ScreenArea()};
}

TipAnchor ToolTipControl::TrackAnchor(const Tool& tool) const {
  const TipPlacement placement = (tool.Flags & TTF_ABSOLUTE) ? TipPlacement::TrackAbsolute : TipPlacement::Track;
  return {placement, FTrackPoint, tool.ScreenArea()};
}

TipContent ToolTipControl::Content() const {
  TipContent content;
  content.Text = FShown ? FShown->Text : String();
  content.Title = FTitle;
  content.Icon = FIcon;
  content.MaxWidth = FMaxWidth;
  content.Margin = FMargin;
  content.Balloon = (Style() & TTS_BALLOON) != 0;
  content.ExpandTabs = (Style() & TTS_NOPREFIX) != 0;
  return content;
}

void ToolTipControl::Relayout() {
  if (!FShown || FGone) return;
  const TipAnchor& anchor = FShown->Anchor;
  const TPoint pointedAt = anchor.Placement == TipPlacement::CenteredBelow
                               ? TPoint{(anchor.Tool.Left + anchor.Tool.Right) / 2, anchor.Tool.Bottom}
                               : anchor.Point;
  MONITORINFO monitor;
  GetMonitorInfo(MonitorFromPoint(pointedAt, MONITOR_DEFAULTTONEAREST), &monitor);
  const TipContent content = Content();
  FLayout = LayOutTip(content, FTextFont.get(), FTitleFont.get(), anchor, monitor.rcWork);
  TRect place = FLayout.Window;
  if (FShown->OwnerPlaced) {
    RECT now;
    GetWindowRect(FWindow, &now);
    place = place.Translated(now.Left - place.Left, now.Top - place.Top);
  }
  SetWindowPos(FWindow, HWND_TOPMOST, place.Left, place.Top, place.Width(), place.Height(), SWP_NOACTIVATE);
  SetWindowRgn(FWindow, content.Balloon ? CreateBalloonRegion(FLayout) : nullptr, true);
  InvalidateRect(FWindow, nullptr, false);
}

void ToolTipControl::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(FWindow, &paint);
  if (FShown)
    PaintTip(dc, FLayout, Content(), FTextFont.get(), FTitleFont.get(),
             {FBackground, FTextColor, GetSysColor(COLOR_WINDOWFRAME)});
  EndPaint(FWindow, &paint);
}

LRESULT ToolTipControl::Notify(const ToolKey& tool, UINT code) const {
  NMHDR header{FWindow, tool.Id, code};
  return SendMessageA(tool.Owner, WM_NOTIFY, tool.Id, reinterpret_cast<LPARAM>(&header));
}

// The window class.

std::map<HWND, std::shared_ptr<ToolTipControl>>& Controls() {
  static std::map<HWND, std::shared_ptr<ToolTipControl>> controls;
  return controls;
}

// Whatever it was asked with, a tip is a frameless popup tool window that
// never takes the activation and stays on top.
void AdoptTipStyles(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~(WS_CAPTION | WS_THICKFRAME)) | WS_POPUP));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  SetWindowLongPtrA(window, GWL_EXSTYLE,
                    static_cast<LONG_PTR>(exStyle | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE));
}

LRESULT ToolTipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& controls = Controls();
  if (message == WM_NCCREATE) {
    AdoptTipStyles(window);
    controls[window] = std::make_shared<ToolTipControl>(window);
  }
  auto it = controls.find(window);
  if (it == controls.end()) return DefWindowProcA(window, message, wParam, lParam);
  // Kept through notifications whose handlers may destroy the window.
  const std::shared_ptr<ToolTipControl> control = it->second;
  if (message == WM_NCDESTROY) {
    control->Destroyed();
    controls.erase(it);
    return DefWindowProcA(window, message, wParam, lParam);
  }
  const std::optional<LRESULT> answer = control->Handle(message, wParam, lParam);
  return answer ? *answer : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterToolTipClass() {
  if (FindWindowClass(TOOLTIPS_CLASS)) return true;
  WNDCLASSA wc;
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = ToolTipProc;
  wc.lpszClassName = TOOLTIPS_CLASS;
  return RegisterClassA(&wc) != 0;
}

}  // namespace plat
