#pragma once
// Starting programs detached from the caller, for services and the program
// launcher.
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

struct TSpawnRequest {
  std::vector<String> Argv;         // Argv[0]: the program, found on PATH when it has no "/"
  std::vector<String> Environment;  // complete "NAME=value" list
  String Directory;                 // "" keeps the caller's current folder
  String OutputPath;                // stdout and stderr are appended here; "" is /dev/null
};

// Starts the program in a session and process group of its own (the group's
// id is the program's process id); stdin is /dev/null. The program
// is not a child of the caller (an intermediate process ends at once), so it
// never lingers as the caller's zombie. Answers its process id, or 0 with the
// last error set (ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ...) when it could
// not be started, including when its program could not be executed.
int SpawnDetached(const TSpawnRequest& request);

// The caller's environment as a "NAME=value" list, without the named variable.
std::vector<String> EnvironmentWithout(const String& name);

// The program's path: itself when it holds a "/", else the first executable
// file of that name on PATH; "" when there is none.
String FindProgram(const String& name);

}  // namespace plat
