#include "testing/FifoFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "testing/WaitUntil.h"

namespace zorbit::testing {

TFifoFile::TFifoFile(const TTempFolder& Folder, const std::string& Name) : FPath(Folder.File(Name)) {
  if (::mkfifo(FPath.c_str(), 0600) != 0) throw std::runtime_error("cannot make the FIFO " + FPath);
}

bool TFifoFile::EndsWithoutAWriter(const std::function<void()>& Work) const {
  std::mutex lock;
  std::condition_variable ended;
  bool done = false;
  bool released = false;
  std::thread watchdog([&] {
    std::unique_lock<std::mutex> guard(lock);
    if (ended.wait_for(guard, kDefaultWait, [&] { return done; })) return;
    released = true;
    // A reader waits in open() for a writer, then in read() for bytes; a
    // writer that comes and goes ends both waits.
    const int fd = ::open(FPath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) ::close(fd);
  });
  Work();
  {
    const std::lock_guard<std::mutex> guard(lock);
    done = true;
  }
  ended.notify_one();
  watchdog.join();
  return !released;
}

}  // namespace zorbit::testing
