#pragma once
// The machine the stand-in pretends to be, loaded from a JSON profile: every
// request that is not a BIOS call is answered from its entries.
//
//   { "sensors": [ {"name": "CPU Temperature", "value": 52}, ... ],
//     "entries": [ {"module": "smbios", "item": "BIOS",
//                   "request": {"HandleID": "0"},
//                   "reply": {"Vendor": "Ovra", "Version": "1.07"}}, ... ] }
//
// An entry: "module" (required), "item" (absent: any item), "command" (default
// "GetInfo"; "GetField" entries take its three arguments as module, item and
// request), "request" (absent: any; a text: the request text exactly; an
// object: every named value must be in the request's name=value list, other
// entries of the request are ignored), "reply", "delay_ms" (wait before this
// reply only) and "retries" (the first N matching requests are answered
// "Retry"). Module, item and names compare without case, values exactly. The
// first matching entry answers.
//
// A reply is a text sent as it stands, or a value turned into comma text: an
// object becomes its "name=value" items, an array its items, nested values
// alike (so a multi-instance answer is an array of objects), numbers their
// decimal text (whole numbers exact to 64 bits, so 64-bit SMBIOS fields fit)
// and booleans "True"/"False".
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace plat {
class TStrings;
}

namespace zorbit::mgmtsvc {

struct ProfileAnswer {
  std::string Payload;
  int DelayMs = 0;
};

struct Sensor {
  std::string Name;
  std::string Value;
};

class MachineProfile {
 public:
  // Throw std::runtime_error naming the origin, the entry and the fault.
  static std::unique_ptr<MachineProfile> FromJsonText(const std::string& Text, const std::string& Origin);
  static std::unique_ptr<MachineProfile> FromFile(const std::string& Path);

  std::optional<ProfileAnswer> Answer(const std::string& Command, const std::string& Module, const std::string& Item,
                                      const std::string& Request);
  const std::vector<Sensor>& Sensors() const { return FSensors; }

 private:
  struct Entry {
    std::string Command;
    std::string Module;
    std::optional<std::string> Item;
    std::optional<std::string> ExactRequest;
    std::vector<std::pair<std::string, std::string>> RequestValues;
    bool AnyRequest = true;
    std::string Reply;
    int DelayMs = 0;
    int RetriesLeft = 0;
  };

  MachineProfile() = default;
  static Entry ReadEntry(const nlohmann::ordered_json& Json);
  static bool Matches(const Entry& Candidate, const std::string& Command, const std::string& Module,
                      const std::string& Item, const std::string& Request, const plat::TStrings& RequestList);

  std::vector<Entry> FEntries;
  std::vector<Sensor> FSensors;
  std::mutex FRetryLock;  // the retry counters are shared by every connection
};

}  // namespace zorbit::mgmtsvc
