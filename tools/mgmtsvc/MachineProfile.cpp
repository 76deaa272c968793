#include "tools/mgmtsvc/MachineProfile.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "tools/mgmtsvc/CommaText.h"

namespace zorbit::mgmtsvc {

namespace {

using Json = nlohmann::ordered_json;

// Keeps a typo in a profile from waiting for an hour.
constexpr int kMaxDelayMs = 600'000;
constexpr int kMaxRetries = 1'000;
constexpr std::streamoff kMaxProfileSize = 64 * 1024 * 1024;

std::string ReplyText(const Json& Value) {
  switch (Value.type()) {
    case Json::value_t::string: return Value.get<std::string>();
    case Json::value_t::boolean: return Value.get<bool>() ? "True" : "False";
    case Json::value_t::null: return "";
    case Json::value_t::object: {
      std::vector<std::string> items;
      for (const auto& member : Value.items()) items.push_back(member.key() + "=" + ReplyText(member.value()));
      return JoinCommaText(items);
    }
    case Json::value_t::array: {
      std::vector<std::string> items;
      for (const Json& element : Value) items.push_back(ReplyText(element));
      return JoinCommaText(items);
    }
    default: return Value.dump();  // numbers
  }
}

// A reply travels as one line; a line end or a NUL inside it would cut it.
void CheckOneLine(const std::string& Text, const std::string& What) {
  if (Text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
    throw std::runtime_error(What + " holds a line end or a NUL character");
}

std::string TextMember(const Json& Object, const char* Key, bool Required) {
  auto found = Object.find(Key);
  if (found == Object.end()) {
    if (Required) throw std::runtime_error(std::string("\"") + Key + "\" is missing");
    return "";
  }
  if (!found->is_string()) throw std::runtime_error(std::string("\"") + Key + "\" must be a text");
  return found->get<std::string>();
}

int NumberMember(const Json& Object, const char* Key, int High) {
  auto found = Object.find(Key);
  if (found == Object.end()) return 0;
  if (!found->is_number_integer() || found->get<long long>() < 0 || found->get<long long>() > High)
    throw std::runtime_error(std::string("\"") + Key + "\" must be a whole number from 0 to " + std::to_string(High));
  return static_cast<int>(found->get<long long>());
}

}  // namespace

std::unique_ptr<MachineProfile> MachineProfile::FromJsonText(const std::string& Text, const std::string& Origin) {
  std::unique_ptr<MachineProfile> profile(new MachineProfile);
  Json root;
  try {
    root = Json::parse(Text);
  } catch (const Json::exception& error) {
    throw std::runtime_error("profile " + Origin + ": " + error.what());
  }
  if (!root.is_object()) throw std::runtime_error("profile " + Origin + ": the profile must be a JSON object");
  for (const auto& member : root.items())
    if (member.key() != "sensors" && member.key() != "entries")
      throw std::runtime_error("profile " + Origin + ": unknown key \"" + member.key() + "\"");

  const Json empty = Json::array();
  const Json& sensors = root.contains("sensors") ? root["sensors"] : empty;
  const Json& entries = root.contains("entries") ? root["entries"] : empty;
  if (!sensors.is_array() || !entries.is_array())
    throw std::runtime_error("profile " + Origin + ": \"sensors\" and \"entries\" must be lists");

  for (std::size_t i = 0; i < sensors.size(); ++i) {
    const Json& sensor = sensors[i];
    std::string where = "profile " + Origin + ": sensor " + std::to_string(i + 1) + ": ";
    if (!sensor.is_object() || !sensor.contains("name") || !sensor["name"].is_string() || !sensor.contains("value") ||
        sensor["value"].is_structured() || sensor.size() != 2)
      throw std::runtime_error(where + "a sensor is {\"name\": text, \"value\": number or text}");
    Sensor read{sensor["name"].get<std::string>(), ReplyText(sensor["value"])};
    CheckOneLine(read.Name + read.Value, where + "the sensor");
    profile->FSensors.push_back(std::move(read));
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    try {
      profile->FEntries.push_back(ReadEntry(entries[i]));
    } catch (const std::runtime_error& error) {
      throw std::runtime_error("profile " + Origin + ": entry " + std::to_string(i + 1) + ": " + error.what());
    }
  }
  return profile;
}

std::unique_ptr<MachineProfile> MachineProfile::FromFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary | std::ios::ate);
  if (!in) throw std::runtime_error("profile " + Path + ": cannot be opened");
  std::streamoff size = in.tellg();
  if (size < 0 || size > kMaxProfileSize)
    throw std::runtime_error("profile " + Path + ": not a readable file of at most 64 MB");
  std::string text(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(text.data(), size)) throw std::runtime_error("profile " + Path + ": cannot be read");
  return FromJsonText(text, Path);
}

MachineProfile::Entry MachineProfile::ReadEntry(const Json& Object) {
  if (!Object.is_object()) throw std::runtime_error("an entry must be a JSON object");
  static constexpr const char* kKeys[] = {"command", "module", "item", "request", "reply", "delay_ms", "retries"};
  for (const auto& member : Object.items())
    if (std::find(std::begin(kKeys), std::end(kKeys), member.key()) == std::end(kKeys))
      throw std::runtime_error("unknown key \"" + member.key() + "\"");

  Entry entry;
  entry.Command = Object.contains("command") ? TextMember(Object, "command", true) : "GetInfo";
  entry.Module = TextMember(Object, "module", true);
  if (Object.contains("item")) entry.Item = TextMember(Object, "item", true);
  if (auto request = Object.find("request"); request != Object.end()) {
    entry.AnyRequest = false;
    if (request->is_string()) {
      entry.ExactRequest = request->get<std::string>();
    } else if (request->is_object()) {
      for (const auto& member : request->items()) {
        if (member.value().is_structured())
          throw std::runtime_error("\"request\" values must be texts, numbers or booleans");
        entry.RequestValues.emplace_back(member.key(), ReplyText(member.value()));
      }
    } else {
      throw std::runtime_error("\"request\" must be a text or an object");
    }
  }
  if (!Object.contains("reply")) throw std::runtime_error("\"reply\" is missing");
  entry.Reply = ReplyText(Object["reply"]);
  CheckOneLine(entry.Reply, "\"reply\"");
  entry.DelayMs = NumberMember(Object, "delay_ms", kMaxDelayMs);
  entry.RetriesLeft = NumberMember(Object, "retries", kMaxRetries);
  return entry;
}

bool MachineProfile::Matches(const Entry& Candidate, const std::string& Command, const std::string& Module,
                             const std::string& Item, const std::string& Request, const plat::TStrings& RequestList) {
  if (Candidate.Command != Command || !plat::SameText(Candidate.Module, Module)) return false;
  if (Candidate.Item && !plat::SameText(*Candidate.Item, Item)) return false;
  if (Candidate.AnyRequest) return true;
  if (Candidate.ExactRequest) return *Candidate.ExactRequest == Request;
  for (const auto& [name, value] : Candidate.RequestValues)
    if (RequestList.IndexOfName(name) < 0 || RequestList.Values(name) != value) return false;
  return true;
}

std::optional<ProfileAnswer> MachineProfile::Answer(const std::string& Command, const std::string& Module,
                                                    const std::string& Item, const std::string& Request) {
  plat::TStringList requestList;
  requestList.SetCommaText(Request);
  for (Entry& entry : FEntries) {
    if (!Matches(entry, Command, Module, Item, Request, requestList)) continue;
    {
      std::lock_guard<std::mutex> lock(FRetryLock);
      if (entry.RetriesLeft > 0) {
        --entry.RetriesLeft;
        return ProfileAnswer{"Retry", entry.DelayMs};
      }
    }
    return ProfileAnswer{entry.Reply, entry.DelayMs};
  }
  return std::nullopt;
}

}  // namespace zorbit::mgmtsvc
