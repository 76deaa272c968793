#pragma once
// The files of the Unix-domain sockets a process has bound, read from
// /proc: a server killed before it could tidy up leaves them behind, and
// whoever started it removes them.
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

// The paths of the sockets the process holds that have a file (abstract
// sockets have none); empty when the process is gone or cannot be seen.
std::vector<String> BoundSocketFiles(int pid);

// Removes each path that is still a socket; anything else of that name is
// left alone.
void RemoveSocketFiles(const std::vector<String>& paths);

}  // namespace plat
