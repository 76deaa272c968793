#pragma once
// The window-registry folder (RunFolder("windows")): each process that
// publishes its top-level windows keeps two entries there under one name of
// its own, "<pid>-<16 hex digits>":
//
//   <name>.sock   the Unix socket its UI thread answers requests on
//   <name>.list   its top-level windows (PublishedWindowList.h)
//
// The socket is listening before the list is written and the list goes
// first when the process ends, so a list whose socket refuses connections
// belongs to a process that died without tidying up: anyone may remove it.
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

class WindowRegistryFolder {
 public:
  // The folder, made on demand.
  static String Path();
  // A fresh name for this process.
  static String NewEndpointName();
  static bool IsEndpointName(const String& name);

  static String SocketPath(const String& endpoint) { return Path() + "/" + endpoint + ".sock"; }
  static String ListPath(const String& endpoint) { return Path() + "/" + endpoint + ".list"; }

  // The names of every process that published a list, sorted.
  static std::vector<String> Endpoints();
  // Removes a process's entries.
  static void Remove(const String& endpoint);
};

}  // namespace plat
