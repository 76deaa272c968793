#include "tools/mgmtsvc/BiosStateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "platform/rtl/ScopeExit.h"

namespace zorbit::mgmtsvc {

namespace {

constexpr off_t kMaxStateFileSize = 1024 * 1024;

std::string SystemError(const std::string& What) { return What + ": " + std::strerror(errno); }

void WriteAll(int Fd, const std::string& Text, const std::string& Path) {
  std::size_t done = 0;
  while (done < Text.size()) {
    ssize_t written = write(Fd, Text.data() + done, Text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw std::runtime_error(SystemError("cannot write " + Path));
    done += static_cast<std::size_t>(written);
  }
}

}  // namespace

BiosStateFile::BiosStateFile(std::string Path) : FPath(std::move(Path)) {}

BiosState BiosStateFile::Load(std::ostream& Log) const {
  if (FPath.empty()) return BiosState{};
  struct stat info {};
  if (stat(FPath.c_str(), &info) != 0) {
    if (errno != ENOENT) throw std::runtime_error(SystemError("cannot examine " + FPath));
    BiosState defaults;
    Save(defaults);
    return defaults;
  }
  if (!S_ISREG(info.st_mode)) throw std::runtime_error(FPath + " is not a regular file");
  std::ifstream in(FPath, std::ios::binary);
  if (!in) throw std::runtime_error(SystemError("cannot open " + FPath));
  try {
    // A state file is a few hundred bytes; anything far larger is not one.
    if (info.st_size > kMaxStateFileSize) throw std::runtime_error("the file is too large");
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    if (!in.read(text.data(), info.st_size)) throw std::runtime_error("the file cannot be read whole");
    return BiosStateFromJson(nlohmann::ordered_json::parse(text));
  } catch (const std::exception& error) {
    std::string kept = FPath + ".corrupt";
    Log << "mgmtsvc: the state file " << FPath << " is unusable (" << error.what() << "); it is kept as " << kept
        << " and the BIOS starts from its defaults\n";
    if (std::rename(FPath.c_str(), kept.c_str()) != 0) throw std::runtime_error(SystemError("cannot rename " + FPath));
    BiosState defaults;
    Save(defaults);
    return defaults;
  }
}

void BiosStateFile::Save(const BiosState& State) const {
  if (FPath.empty()) return;
  std::string text = BiosStateToJson(State).dump(2) + "\n";
  std::string temporary = FPath + ".tmp." + std::to_string(getpid());
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error(SystemError("cannot create " + temporary));
  {
    plat::ScopeExit removed([&temporary] { unlink(temporary.c_str()); });
    const plat::ScopeExit closed([fd] { close(fd); });
    WriteAll(fd, text, temporary);
    if (fsync(fd) != 0) throw std::runtime_error(SystemError("cannot flush " + temporary));
    removed.Dismiss();
  }
  if (std::rename(temporary.c_str(), FPath.c_str()) != 0) {
    std::string message = SystemError("cannot replace " + FPath);
    unlink(temporary.c_str());
    throw std::runtime_error(message);
  }
}

}  // namespace zorbit::mgmtsvc
