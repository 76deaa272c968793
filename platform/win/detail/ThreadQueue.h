#pragma once
// The UI thread's queue: posted messages, the input waiting to become
// messages, the quit request, and the wait for more.
//
// Posted messages come before input, input before paint, paint before
// timers; but posted messages cannot starve the rest. The queue hands them
// out in rounds: a round takes the messages posted before it began (and
// those posted while input is routed: a mouse leave), not those posted while
// it runs; handing out input, paint or a timer ends it. Each round begins
// by taking in what the wake sources have ready, without waiting, so input
// the display received joins the queue even while messages keep being posted.
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "platform/win/Display.h"
#include "platform/win/Messages.h"

namespace plat {

struct QueuedMessage {
  MSG Msg;
  bool Unicode = false;      // posted through a W form: WM_CHAR carries UTF-16
  std::uint64_t Serial = 0;  // the order of posting; 0: in every round
};

// Input as fed by a display, before it is routed to a window.
struct RawInput {
  enum class Kind { MouseMove, MouseButton, MouseWheel, MouseExit, Key, Char, Composition };
  Kind What = Kind::MouseMove;
  TPoint Point;
  MouseButton Button = MouseButton::Left;
  bool Down = false;
  bool Horizontal = false;
  int Delta = 0;
  UINT VirtualKey = 0;
  char16_t Char = 0;
  WideString Composed;  // a composition's result
  std::int64_t Time = 0;  // on the window layer's clock, when fed
};

// Which windows a retrieval takes.
struct MessageFilter {
  HWND Hwnd = nullptr;  // null: any; HWND(-1): thread messages only
  UINT Min = 0;
  UINT Max = 0;
  bool Accepts(HWND window) const;
  bool Accepts(UINT message) const { return (Min == 0 && Max == 0) || (message >= Min && message <= Max); }
};

class ThreadQueue {
 public:
  static ThreadQueue& Instance();

  void Post(const MSG& msg, bool unicode);
  // Queues a message to be handed out next (characters made from a key).
  void PostFront(const MSG& msg, bool unicode);
  void PostQuit(int exitCode);
  void AddInput(const RawInput& input);
  // Queues a message made from input (the input router's output).
  void AddInputMessage(const MSG& msg, bool unicode);

  // Takes (or with !remove, looks at) the next message the filter passes.
  bool Retrieve(MSG* msg, bool* unicode, const MessageFilter& filter, bool remove);
  // Drops everything queued for a window that is going away.
  void Purge(HWND window);

  // What the thread does when it has nothing to do: hands new pixels to the
  // display and announces modal loops that are waiting.
  void Idle();
  // Idle, then waits until the clock, the input or a wake source may have
  // brought something. Throws Exception when nothing ever could.
  void Wait();

  void AnnounceModalLoop(HWND window) { FModalAnnouncements.push_back(window); }
  // The loop ended; if it was not announced yet, it never will be.
  void WithdrawModalLoop(HWND window);
  DWORD QueueStatus() const;

  // The last message handed out (GetMessageTime, GetMessagePos).
  DWORD LastTime = 0;
  TPoint LastPoint;

 private:
  bool HasWork() const;
  // The first message of the list the filter passes, among those up to the serial.
  bool Scan(std::deque<QueuedMessage>& list, MSG* msg, bool* unicode, const MessageFilter& filter, bool remove,
            std::uint64_t upToSerial);
  bool HasPosted(const MessageFilter& filter) const;
  bool RouteNextInput();
  void BeginRound();

  std::deque<QueuedMessage> FPosted;
  std::uint64_t FLastSerial = 0;
  std::optional<std::uint64_t> FRoundEnd;  // the last serial of the round under way
  bool FRoutingInput = false;
  std::deque<RawInput> FRawInput;
  std::deque<QueuedMessage> FInput;
  bool FQuitPosted = false;
  int FQuitCode = 0;
  std::vector<HWND> FModalAnnouncements;
};

}  // namespace plat
