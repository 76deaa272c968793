#pragma once
// Wake sources: file descriptors the message wait watches besides the
// queue, so that a display backend or the cross-process socket can feed the
// UI thread without threads of its own. A source's callback runs on the UI
// thread, inside the message wait, whenever its descriptor is readable (or
// has hung up); it typically posts or sends messages. A source without a
// descriptor (fd -1) and with a poll interval is simply called that often
// while the thread waits, for backends that cannot give a descriptor.
#include <functional>

namespace plat {

using WakeSourceId = int;

// Answers an id above 0, or 0 when neither a descriptor nor an interval is
// given. pollIntervalMs, when positive, also calls the source at least that
// often (in real time) while the message wait sleeps.
WakeSourceId AddWakeSource(int fd, std::function<void()> onReady, int pollIntervalMs = -1);
// Removing an unknown id does nothing; a source may remove itself (or
// another) from its callback.
void RemoveWakeSource(WakeSourceId id);
bool HasWakeSources();

// Used by the message wait: waits up to timeoutMs real milliseconds (-1 for
// no limit, 0 to only look) for a source to become ready, runs the callbacks
// of the ready ones, and answers whether any ran.
bool PollWakeSources(int timeoutMs);

}  // namespace plat
