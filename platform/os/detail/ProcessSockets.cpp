#include "platform/os/detail/ProcessSockets.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>

namespace plat {
namespace {

// The inode numbers of the sockets among the process's descriptors.
std::set<String> SocketInodes(int pid) {
  std::set<String> inodes;
  const String folder = "/proc/" + std::to_string(pid) + "/fd";
  DIR* entries = ::opendir(folder.c_str());
  if (entries == nullptr) return inodes;
  while (const dirent* entry = ::readdir(entries)) {
    char target[64];
    const ssize_t size = ::readlink((folder + "/" + entry->d_name).c_str(), target, sizeof target - 1);
    if (size <= 0) continue;
    const String link(target, static_cast<std::size_t>(size));
    // "socket:[12345]"
    if (link.rfind("socket:[", 0) == 0 && link.back() == ']') inodes.insert(link.substr(8, link.size() - 9));
  }
  ::closedir(entries);
  return inodes;
}

}  // namespace

std::vector<String> BoundSocketFiles(int pid) {
  std::vector<String> paths;
  const std::set<String> inodes = SocketInodes(pid);
  if (inodes.empty()) return paths;
  // "Num RefCount Protocol Flags Type St Inode Path", one socket a line.
  std::ifstream table("/proc/net/unix");
  String line;
  std::getline(table, line);
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    String num, refCount, protocol, flags, type, state, inode, path;
    if (!(fields >> num >> refCount >> protocol >> flags >> type >> state >> inode >> path)) continue;
    if (!path.empty() && path.front() == '/' && inodes.count(inode) != 0) paths.push_back(path);
  }
  return paths;
}

void RemoveSocketFiles(const std::vector<String>& paths) {
  for (const String& path : paths) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) ::unlink(path.c_str());
  }
}

}  // namespace plat
