#pragma once
// Owns one file descriptor and closes it when it goes.
#include <unistd.h>

#include <utility>

namespace zorbit::mgmtsvc {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int Fd) : FFd(Fd) {}
  UniqueFd(UniqueFd&& Other) noexcept : FFd(std::exchange(Other.FFd, -1)) {}
  UniqueFd& operator=(UniqueFd&& Other) noexcept {
    if (this != &Other) Reset(std::exchange(Other.FFd, -1));
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Reset(); }

  int Get() const { return FFd; }
  bool Valid() const { return FFd >= 0; }
  void Reset(int Fd = -1) {
    if (FFd >= 0) close(FFd);
    FFd = Fd;
  }

 private:
  int FFd = -1;
};

}  // namespace zorbit::mgmtsvc
