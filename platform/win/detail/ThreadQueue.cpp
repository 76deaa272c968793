#include "platform/win/detail/ThreadQueue.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/rtl/Exception.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/detail/CaretState.h"
#include "platform/win/Clock.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/detail/TimerQueue.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

constexpr std::uint64_t AnySerial = std::numeric_limits<std::uint64_t>::max();

}  // namespace

bool MessageFilter::Accepts(HWND window) const {
  if (!Hwnd) return true;
  if (Hwnd == reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1))) return window == nullptr;
  if (window == Hwnd) return true;
  const WindowManager& wm = WindowManager::Instance();
  const plat::Window* filter = wm.Find(Hwnd);
  const plat::Window* w = wm.Find(window);
  return filter && w && filter->Contains(w);
}

ThreadQueue& ThreadQueue::Instance() {
  static ThreadQueue queue;
  return queue;
}

void ThreadQueue::Post(const MSG& msg, bool unicode) {
  // What routing input posts comes before the input's own messages.
  FPosted.push_back({msg, unicode, FRoutingInput ? 0 : ++FLastSerial});
}
void ThreadQueue::PostFront(const MSG& msg, bool unicode) { FPosted.push_front({msg, unicode}); }

void ThreadQueue::PostQuit(int exitCode) {
  FQuitPosted = true;
  FQuitCode = exitCode;
}

void ThreadQueue::AddInput(const RawInput& input) { FRawInput.push_back(input); }

void ThreadQueue::AddInputMessage(const MSG& msg, bool unicode) { FInput.push_back({msg, unicode}); }

void ThreadQueue::WithdrawModalLoop(HWND window) {
  const auto found = std::find(FModalAnnouncements.begin(), FModalAnnouncements.end(), window);
  if (found != FModalAnnouncements.end()) FModalAnnouncements.erase(found);
}

void ThreadQueue::Purge(HWND window) {
  std::erase_if(FPosted, [window](const QueuedMessage& q) { return q.Msg.hwnd == window; });
  std::erase_if(FInput, [window](const QueuedMessage& q) { return q.Msg.hwnd == window; });
  std::erase(FModalAnnouncements, window);
}

bool ThreadQueue::Scan(std::deque<QueuedMessage>& list, MSG* msg, bool* unicode, const MessageFilter& filter,
                       bool remove, std::uint64_t upToSerial) {
  for (auto it = list.begin(); it != list.end();) {
    if (it->Serial > upToSerial || !filter.Accepts(it->Msg.message) || !filter.Accepts(it->Msg.hwnd)) {
      ++it;
      continue;
    }
    *msg = it->Msg;
    *unicode = it->Unicode;
    Window* w = WindowManager::Instance().Find(it->Msg.hwnd);
    if (!remove || !w || !IsCharMessage(it->Msg.message) || it->Unicode == w->Unicode) {
      if (remove) list.erase(it);
      return true;
    }
    // A character handed out in the form of the window's procedure: UTF-8
    // bytes one message each, UTF-16 units once the bytes make a character.
    const std::vector<WPARAM> parts = ConvertCharMessage(w, it->Msg.wParam, w->Unicode);
    it = list.erase(it);
    if (parts.empty()) continue;
    msg->wParam = parts[0];
    *unicode = w->Unicode;
    for (std::size_t i = parts.size(); i-- > 1;) {
      QueuedMessage rest{*msg, w->Unicode};
      rest.Msg.wParam = parts[i];
      FPosted.push_front(rest);
    }
    return true;
  }
  return false;
}

bool ThreadQueue::HasPosted(const MessageFilter& filter) const {
  return std::any_of(FPosted.begin(), FPosted.end(), [&filter](const QueuedMessage& q) {
    return filter.Accepts(q.Msg.message) && filter.Accepts(q.Msg.hwnd);
  });
}

bool ThreadQueue::RouteNextInput() {
  if (FRawInput.empty()) return false;
  // Input becomes messages one piece at a time, as it is asked for, so
  // routing sees the windows as the earlier messages left them.
  const RawInput next = FRawInput.front();
  FRawInput.pop_front();
  const bool outer = std::exchange(FRoutingInput, true);
  const ScopeExit routed([this, outer] { FRoutingInput = outer; });
  InputRouter::Instance().Route(next);
  return true;
}

void ThreadQueue::BeginRound() {
  if (HasWakeSources()) PollWakeSources(0);
  FRoundEnd = FLastSerial;
}

bool ThreadQueue::Retrieve(MSG* msg, bool* unicode, const MessageFilter& filter, bool remove) {
  *unicode = false;
  if (!FRoundEnd) BeginRound();
  for (;;) {
    if (Scan(FPosted, msg, unicode, filter, remove, *FRoundEnd)) return true;
    if (FQuitPosted && !filter.Hwnd && filter.Accepts(WM_QUIT) && !HasPosted(filter)) {
      *msg = MSG{};
      msg->message = WM_QUIT;
      msg->wParam = static_cast<WPARAM>(FQuitCode);
      msg->time = static_cast<DWORD>(CurrentClock().Now());
      if (remove) FQuitPosted = false;
      return true;
    }
    if (Scan(FInput, msg, unicode, filter, remove, AnySerial)) {
      if (remove) FRoundEnd.reset();
      return true;
    }
    if (RouteNextInput()) continue;
    // Only messages posted during the round are left: the next round takes them.
    if (!HasPosted(filter)) break;
    BeginRound();
  }
  FRoundEnd.reset();
  auto accepts = [&filter](HWND h) { return filter.Accepts(h); };
  if (filter.Accepts(WM_PAINT)) {
    if (Window* w = NextWindowToPaint(accepts)) {
      *msg = MSG{};
      msg->hwnd = w->Handle();
      msg->message = WM_PAINT;
      msg->time = static_cast<DWORD>(CurrentClock().Now());
      return true;
    }
  }
  if (filter.Accepts(WM_TIMER)) {
    if (auto timer = TimerQueue::Instance().TakeDue(accepts, remove)) {
      *msg = *timer;
      return true;
    }
  }
  return false;
}

bool ThreadQueue::HasWork() const {
  if (!FPosted.empty() || FQuitPosted || !FInput.empty() || !FRawInput.empty()) return true;
  if (NextWindowToPaint([](HWND) { return true; })) return true;
  auto due = TimerQueue::Instance().NextDue();
  return due && *due <= CurrentClock().Now();
}

DWORD ThreadQueue::QueueStatus() const {
  DWORD status = 0;
  if (!FPosted.empty() || FQuitPosted) status |= QS_POSTMESSAGE;
  for (const QueuedMessage& q : FInput)
    status |= q.Msg.message >= WM_KEYFIRST && q.Msg.message <= WM_KEYLAST ? QS_KEY : QS_MOUSE;
  for (const RawInput& r : FRawInput)
    status |= r.What == RawInput::Kind::Key || r.What == RawInput::Kind::Char || r.What == RawInput::Kind::Composition
                  ? QS_KEY : QS_MOUSE;
  if (NextWindowToPaint([](HWND) { return true; })) status |= QS_PAINT;
  auto due = TimerQueue::Instance().NextDue();
  if (due && *due <= CurrentClock().Now()) status |= QS_TIMER;
  return status;
}

void ThreadQueue::Idle() {
  WindowManager& wm = WindowManager::Instance();
  wm.FlushSurfaces();
  // A modal loop is announced once it has shown and painted its window.
  while (!FModalAnnouncements.empty() && !HasWork()) {
    const HWND window = FModalAnnouncements.front();
    FModalAnnouncements.erase(FModalAnnouncements.begin());
    if (wm.Find(window)) CurrentDisplay().ModalLoopStarted(window);
    wm.FlushSurfaces();
  }
}

void ThreadQueue::Wait() {
  Idle();
  if (HasWork()) return;
  Clock& clock = CurrentClock();
  std::optional<std::int64_t> deadline = TimerQueue::Instance().NextDue();
  for (auto other : {CaretNextBlink(), InputRouter::Instance().NextHoverDue()})
    if (other && (!deadline || *other < *deadline)) deadline = other;

  std::int64_t now = clock.Now();
  if (deadline && *deadline > now && clock.SkipTo(*deadline)) now = clock.Now();
  if (deadline && *deadline <= now) {
    CaretBlink(now);
    InputRouter::Instance().HoverTick(now);
    PollWakeSources(0);
    return;
  }
  if (clock.IsVirtual() || !deadline) {
    // Only a wake source can bring anything now.
    if (!HasWakeSources())
      throw Exception("The message queue would wait for ever: nothing can wake it" +
                      String(clock.IsVirtual() ? " (the virtual clock stands still)" : ""));
    PollWakeSources(-1);
    return;
  }
  PollWakeSources(static_cast<int>(std::min<std::int64_t>(*deadline - now, 1 << 30)));
}

}  // namespace plat
