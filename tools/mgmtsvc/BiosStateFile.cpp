#include "tools/mgmtsvc/BiosStateFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
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

std::string TemporaryPath(const std::string& Path, pid_t Pid) { return Path + ".tmp." + std::to_string(Pid); }

// The process that wrote Name, when Name is one of our temporary names for File.
std::optional<pid_t> TemporaryWriter(const std::string& Name, const std::string& File) {
  const std::string prefix = File + ".tmp.";
  if (Name.size() <= prefix.size() || Name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  const std::string digits = Name.substr(prefix.size());
  if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(c); }))
    return std::nullopt;
  return static_cast<pid_t>(std::atol(digits.c_str()));
}

bool ProcessRuns(pid_t Pid) { return Pid > 0 && (kill(Pid, 0) == 0 || errno == EPERM); }

// Makes a rename in the folder of Path durable.
void FlushFolderOf(const std::string& Path) {
  std::string folder = std::filesystem::path(Path).parent_path().string();
  if (folder.empty()) folder = ".";
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error(SystemError("cannot open the folder " + folder));
  const bool flushed = fsync(fd) == 0;
  std::string message = flushed ? std::string() : SystemError("cannot flush the folder " + folder);
  close(fd);
  if (!flushed) throw std::runtime_error(message);
}

}  // namespace

BiosStateFile::BiosStateFile(std::string Path) : FPath(std::move(Path)) {}

BiosState BiosStateFile::Load(std::ostream& Log) const {
  if (FPath.empty()) return BiosState{};
  RemoveLeftovers(Log);
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
  std::string temporary = TemporaryPath(FPath, getpid());
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
  FlushFolderOf(FPath);
}

void BiosStateFile::RemoveLeftovers(std::ostream& Log) const {
  const std::filesystem::path path(FPath);
  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  const std::string file = path.filename().string();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const auto writer = TemporaryWriter(entry.path().filename().string(), file);
    if (!writer || ProcessRuns(*writer)) continue;
    std::error_code removeError;
    std::filesystem::remove(entry.path(), removeError);
    if (removeError)
      Log << "mgmtsvc: cannot remove " << entry.path().string() << ": " << removeError.message() << "\n";
    else
      Log << "mgmtsvc: removed " << entry.path().string() << ", left by a save that did not end\n";
  }
}

}  // namespace zorbit::mgmtsvc
