#pragma once
// Keeps the fake BIOS's state in a JSON file across runs. A missing file is
// created with the defaults. A file that cannot be read as a state is never
// overwritten in place: it is reported, kept beside as "<file>.corrupt", and
// the service goes on from the defaults, written anew. Every save replaces the
// file atomically (write "<file>.tmp.<pid>", flush it, rename it over, flush
// the folder), so neither a kill nor a power loss mid-save loses the state.
#include <iosfwd>
#include <string>

#include "tools/mgmtsvc/BiosState.h"

namespace zorbit::mgmtsvc {

class BiosStateFile {
 public:
  // An empty path keeps the state in memory only.
  explicit BiosStateFile(std::string Path);

  const std::string& Path() const { return FPath; }
  // A corrupt file is reported to Log. Temporary files that saves of earlier
  // runs left behind when killed (of processes no longer running) are
  // removed. Throws std::runtime_error when the file exists but cannot be
  // opened, or cannot be created or set aside.
  BiosState Load(std::ostream& Log) const;
  // Throws std::runtime_error when the file cannot be written; the old file then stays.
  void Save(const BiosState& State) const;

 private:
  void RemoveLeftovers(std::ostream& Log) const;

  std::string FPath;
};

}  // namespace zorbit::mgmtsvc
