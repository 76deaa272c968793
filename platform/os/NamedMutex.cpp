#include "platform/os/NamedMutex.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/HandleTable.h"
#include "platform/rtl/LastError.h"
#include "platform/os/PlatformRoot.h"
#include "platform/os/PosixFiles.h"

namespace plat {

namespace {

using Clock = std::chrono::steady_clock;

// This process's id, kept up to date across fork: taking and releasing a
// mutex asks for it every time, and a system call each time is not free.
pid_t CurrentProcess() {
  static std::atomic<pid_t> current = [] {
    ::pthread_atfork(nullptr, nullptr, [] { current.store(::getpid()); });
    return ::getpid();
  }();
  return current.load();
}

// What this process knows of one mutex: which of its threads owns it, and
// its open description of the owner file (flock belongs to the description,
// so the process takes the cross-process lock once for all its threads).
struct TMutexState {
  explicit TMutexState(String basePath) : BasePath(std::move(basePath)) {}
  ~TMutexState() {
    if (OwnerFd >= 0) ::close(OwnerFd);
  }

  const String BasePath;
  std::mutex Lock;
  std::condition_variable Changed;
  std::thread::id Owner;
  unsigned Recursion = 0;
  bool Acquiring = false;  // a thread of this process is taking the file lock
  int OwnerFd = -1;
  pid_t Process = CurrentProcess();  // whose ownership and owner file the fields above are
  int HandleCount = 0;         // guarded by the registry's lock
};

// A forked child inherits the state with its parent's owner file
// description, whose flock is the parent's: locking it would not exclude the
// parent, unlocking it would free the parent's ownership. The child starts
// owning nothing and opens the owner file for itself. Caller holds
// state.Lock.
void AdoptInForkedChild(TMutexState& state) {
  const pid_t self = CurrentProcess();
  if (state.Process == self) return;
  if (state.OwnerFd >= 0) ::close(state.OwnerFd);  // the parent's description keeps its lock
  state.OwnerFd = -1;
  state.Owner = std::thread::id();
  state.Recursion = 0;
  state.Acquiring = false;
  state.Process = self;
}

struct TStateRegistry {
  std::mutex Lock;
  std::map<String, std::shared_ptr<TMutexState>> States;
};

TStateRegistry& StateRegistry() {
  static TStateRegistry registry;
  return registry;
}

// Unlocks the owner file, keeping its mark when the owner did not release
// the mutex, so the next owner learns that it was abandoned. Caller holds
// state.Lock.
void GiveUpOwnership(TMutexState& state, bool released) {
  if (released) static_cast<void>(::ftruncate(state.OwnerFd, 0));
  ::flock(state.OwnerFd, LOCK_UN);
  state.Owner = std::thread::id();
  state.Recursion = 0;
  state.Changed.notify_all();
}

// The mutexes a thread owns, abandoned when the thread ends.
struct TOwnedByThread {
  std::vector<std::weak_ptr<TMutexState>> States;
  ~TOwnedByThread() {
    for (const auto& weak : States) {
      if (const auto state = weak.lock()) {
        std::lock_guard<std::mutex> guard(state->Lock);
        AdoptInForkedChild(*state);
        if (state->Owner == std::this_thread::get_id()) GiveUpOwnership(*state, false);
      }
    }
  }
};

thread_local TOwnedByThread ownedByThread;

// Each mutex once: a thread that takes a long-lived mutex again and again
// must not grow the list.
void RememberOwned(const std::shared_ptr<TMutexState>& state) {
  auto& states = ownedByThread.States;
  std::erase_if(states, [](const auto& weak) { return weak.expired(); });
  const auto same = [&state](const auto& weak) { return !weak.owner_before(state) && !state.owner_before(weak); };
  if (std::none_of(states.begin(), states.end(), same)) states.push_back(state);
}

class TMutexHandle : public TKernelObject {
 public:
  TMutexHandle(std::shared_ptr<TMutexState> state, int handlesFd) : FState(std::move(state)), FHandlesFd(handlesFd) {}

  ~TMutexHandle() override {
    {
      TStateRegistry& registry = StateRegistry();
      std::lock_guard<std::mutex> guard(registry.Lock);
      if (--FState->HandleCount == 0) {
        // The last handle of this process: an owner that did not release the
        // mutex abandons it.
        std::lock_guard<std::mutex> stateGuard(FState->Lock);
        AdoptInForkedChild(*FState);
        if (FState->Recursion > 0) GiveUpOwnership(*FState, false);
        registry.States.erase(FState->BasePath);
      }
    }
    ::close(FHandlesFd);  // drops this handle's shared lock after the owner lock
  }

  const std::shared_ptr<TMutexState>& State() const { return FState; }

 private:
  std::shared_ptr<TMutexState> FState;
  int FHandlesFd;
};

std::shared_ptr<TMutexState> StateFor(const String& basePath) {
  TStateRegistry& registry = StateRegistry();
  std::lock_guard<std::mutex> guard(registry.Lock);
  auto& state = registry.States[basePath];
  if (!state) state = std::make_shared<TMutexState>(basePath);
  ++state->HandleCount;
  return state;
}

bool CheckName(const String& name) {
  if (name.empty()) {
    SetLastError(ERROR_INVALID_NAME);
    return false;
  }
  if (name.size() > MAX_MUTEX_NAME) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return false;
  }
  return true;
}

// Takes the owner file's lock by the deadline (none: wait as long as it
// takes). Answers WAIT_OBJECT_0, WAIT_ABANDONED, WAIT_TIMEOUT or WAIT_FAILED.
DWORD LockOwnerFile(TMutexState& state, std::optional<Clock::time_point> deadline) {
  if (state.OwnerFd < 0) {
    state.OwnerFd = ::open((state.BasePath + ".owner").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (state.OwnerFd < 0) {
      SetLastError(ErrorFromErrno(errno));
      return WAIT_FAILED;
    }
  }
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    if (::flock(state.OwnerFd, deadline ? LOCK_EX | LOCK_NB : LOCK_EX) == 0) break;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) {
      SetLastError(ErrorFromErrno(errno));
      return WAIT_FAILED;
    }
    const auto now = Clock::now();
    if (now >= *deadline) return WAIT_TIMEOUT;
    // Another process owns it; look again soon, but not busily.
    std::this_thread::sleep_for(std::min<Clock::duration>(pause, *deadline - now));
    pause = std::min(pause * 2, std::chrono::milliseconds(16));
  }
  struct stat info {};
  const bool abandoned = ::fstat(state.OwnerFd, &info) == 0 && info.st_size > 0;
  const std::string mark = std::to_string(CurrentProcess()) + "\n";
  // A released mutex left the file empty; only an abandoned one has a mark to clear.
  if (abandoned) static_cast<void>(::ftruncate(state.OwnerFd, 0));
  static_cast<void>(::pwrite(state.OwnerFd, mark.data(), mark.size(), 0));
  return abandoned ? WAIT_ABANDONED : WAIT_OBJECT_0;
}

DWORD Acquire(const std::shared_ptr<TMutexState>& statePtr, DWORD milliseconds) {
  TMutexState& state = *statePtr;
  std::optional<Clock::time_point> deadline;
  if (milliseconds != INFINITE) deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  std::unique_lock<std::mutex> lock(state.Lock);
  AdoptInForkedChild(state);
  const auto me = std::this_thread::get_id();
  if (state.Owner == me) {
    ++state.Recursion;
    return WAIT_OBJECT_0;
  }
  const auto available = [&] { return state.Owner == std::thread::id() && !state.Acquiring; };
  if (!deadline) {
    state.Changed.wait(lock, available);
  } else if (!state.Changed.wait_until(lock, *deadline, available)) {
    return WAIT_TIMEOUT;
  }
  state.Acquiring = true;
  lock.unlock();
  const DWORD result = LockOwnerFile(state, deadline);
  lock.lock();
  state.Acquiring = false;
  if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
    state.Owner = me;
    state.Recursion = 1;
    RememberOwned(statePtr);
  } else {
    state.Changed.notify_all();
  }
  return result;
}

// Opens a handle under the guard lock. create: make the mutex when nobody
// holds it; otherwise answer null with ERROR_FILE_NOT_FOUND then.
HANDLE OpenHandle(const String& name, bool create, bool initialOwner) {
  if (!CheckName(name)) return nullptr;
  const String basePath = RunFolder("mutex") + "/" + EscapeFileName(name);
  const String handlesPath = basePath + ".handles";
  if (!create && ::access(handlesPath.c_str(), F_OK) != 0) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  TFileLock guard(basePath + ".guard");
  if (!guard.Locked()) return nullptr;
  const int fd = ::open(handlesPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    SetLastError(ErrorFromErrno(errno));
    return nullptr;
  }
  // Only the holder of the guard ever asks for the exclusive lock, so a
  // refusal means that some handle is open somewhere.
  const bool exists = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  if (!exists && !create) {
    ::close(fd);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  if (!exists) {
    // A new mutex: forget the mark of an owner that died with the last one.
    const int owner = ::open((basePath + ".owner").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (owner >= 0) ::close(owner);
  }
  while (::flock(fd, LOCK_SH) != 0 && errno == EINTR) {
  }
  auto handle = std::make_shared<TMutexHandle>(StateFor(basePath), fd);
  if (!exists && initialOwner) Acquire(handle->State(), INFINITE);
  const HANDLE result = RegisterHandle(handle);
  SetLastError(exists && create ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return result;
}

}  // namespace

HANDLE CreateMutex(const String& name, bool initialOwner) { return OpenHandle(name, true, initialOwner); }

HANDLE OpenMutex(DWORD /*desiredAccess*/, bool /*inheritHandle*/, const String& name) {
  return OpenHandle(name, false, false);
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  const auto mutex = LookupHandle<TMutexHandle>(handle);
  if (!mutex) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  return Acquire(mutex->State(), milliseconds);
}

bool ReleaseMutex(HANDLE handle) {
  const auto mutex = LookupHandle<TMutexHandle>(handle);
  if (!mutex) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  TMutexState& state = *mutex->State();
  std::lock_guard<std::mutex> guard(state.Lock);
  AdoptInForkedChild(state);
  if (state.Owner != std::this_thread::get_id()) {
    SetLastError(ERROR_NOT_OWNER);
    return false;
  }
  if (--state.Recursion == 0) GiveUpOwnership(state, true);
  return true;
}

}  // namespace plat
