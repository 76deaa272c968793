#include "platform/win/detail/WakeSources.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <vector>

namespace plat {
namespace {

using SteadyTime = std::chrono::steady_clock::time_point;

struct WakeSource {
  WakeSourceId Id = 0;
  int Fd = -1;
  std::function<void()> OnReady;
  int PollIntervalMs = -1;
  SteadyTime NextPoll;
};

struct WakeSourceList {
  std::vector<WakeSource> Sources;
  WakeSourceId LastId = 0;
};

WakeSourceList& List() {
  static WakeSourceList list;
  return list;
}

SteadyTime Now() { return std::chrono::steady_clock::now(); }

int MillisecondsUntil(SteadyTime when) {
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when - Now()).count();
  return static_cast<int>(std::clamp<long long>(ms, 0, 1 << 30));
}

}  // namespace

WakeSourceId AddWakeSource(int fd, std::function<void()> onReady, int pollIntervalMs) {
  if ((fd < 0 && pollIntervalMs <= 0) || !onReady) return 0;
  WakeSourceList& list = List();
  WakeSource source;
  source.Id = ++list.LastId;
  source.Fd = fd;
  source.OnReady = std::move(onReady);
  source.PollIntervalMs = pollIntervalMs;
  source.NextPoll = Now() + std::chrono::milliseconds(std::max(pollIntervalMs, 0));
  list.Sources.push_back(std::move(source));
  return list.LastId;
}

void RemoveWakeSource(WakeSourceId id) {
  auto& sources = List().Sources;
  std::erase_if(sources, [id](const WakeSource& s) { return s.Id == id; });
}

bool HasWakeSources() { return !List().Sources.empty(); }

bool PollWakeSources(int timeoutMs) {
  auto& sources = List().Sources;
  std::vector<pollfd> fds;
  std::vector<WakeSourceId> fdOwners;
  int timeout = timeoutMs;
  for (const WakeSource& s : sources) {
    if (s.Fd >= 0) {
      fds.push_back({s.Fd, POLLIN, 0});
      fdOwners.push_back(s.Id);
    }
    if (s.PollIntervalMs > 0) {
      int untilPoll = MillisecondsUntil(s.NextPoll);
      timeout = timeout < 0 ? untilPoll : std::min(timeout, untilPoll);
    }
  }
  if (fds.empty() && timeout < 0) return false;  // nothing could ever wake us

  int ready = ::poll(fds.data(), fds.size(), timeout);
  if (ready < 0 && errno != EINTR) return false;

  // Collect first: callbacks may add or remove sources.
  std::vector<WakeSourceId> due;
  for (std::size_t i = 0; ready > 0 && i < fds.size(); ++i)
    if (fds[i].revents != 0) due.push_back(fdOwners[i]);
  SteadyTime now = Now();
  for (WakeSource& s : sources) {
    if (s.PollIntervalMs > 0 && s.NextPoll <= now) {
      if (std::find(due.begin(), due.end(), s.Id) == due.end()) due.push_back(s.Id);
      s.NextPoll = now + std::chrono::milliseconds(s.PollIntervalMs);
    }
  }
  bool ran = false;
  for (WakeSourceId id : due) {
    auto it = std::find_if(sources.begin(), sources.end(), [id](const WakeSource& s) { return s.Id == id; });
    if (it == sources.end()) continue;             // removed by an earlier callback
    std::function<void()> callback = it->OnReady;  // the source may remove itself
    callback();
    ran = true;
  }
  return ran;
}

}  // namespace plat
