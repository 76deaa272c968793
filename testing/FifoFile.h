#pragma once
// A named pipe (FIFO) in a test's folder, for readers that must refuse one
// instead of waiting on it for a writer that never comes.
//
//   const TFifoFile fifo(folder, "pipe.bmp");
//   EXPECT_TRUE(fifo.EndsWithoutAWriter([&] { picture.LoadFromFile(fifo.Path()); }));
//
// EndsWithoutAWriter runs Work on the calling thread while a watchdog waits
// for it with WaitUntil.h's bound. Should Work still run then, the watchdog
// opens the pipe for writing and closes it again, which lets a reader
// blocked on it go, and the answer is false: a regression fails the test
// instead of hanging it.
//
// Throws std::runtime_error when the pipe cannot be made.
#include <functional>
#include <string>

#include "testing/TempFolder.h"

namespace zorbit::testing {

class TFifoFile {
 public:
  TFifoFile(const TTempFolder& Folder, const std::string& Name);

  const std::string& Path() const { return FPath; }
  bool EndsWithoutAWriter(const std::function<void()>& Work) const;

 private:
  std::string FPath;
};

}  // namespace zorbit::testing
