#include "tools/mgmtsvc/ServiceOptions.h"

#include <charconv>
#include <stdexcept>

namespace zorbit::mgmtsvc {

namespace {

// Upper bounds keep a mistyped switch from turning into an absurd wait or allocation.
constexpr long kMaxDelayMs = 3'600'000;
constexpr long kMaxStale = 10'000;
constexpr long kMaxOverlong = 64L * 1024 * 1024;
constexpr long kMaxDropAfter = 1'000'000'000;
constexpr long kMaxTimeoutMs = 3'600'000;

class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& Args) : FArgs(Args) {}

  bool AtEnd() const { return FIndex >= FArgs.size(); }
  const std::string& Next() { return FArgs[FIndex++]; }

  const std::string& Value(const std::string& Option) {
    if (AtEnd()) throw std::invalid_argument(Option + " needs a value");
    return Next();
  }

  long Number(const std::string& Option, long Low, long High) {
    const std::string& text = Value(Option);
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < Low || value > High)
      throw std::invalid_argument(Option + " takes a number from " + std::to_string(Low) + " to " +
                                  std::to_string(High) + ", not \"" + text + "\"");
    return value;
  }

 private:
  const std::vector<std::string>& FArgs;
  std::size_t FIndex = 0;
};

}  // namespace

ServiceOptions ParseServiceOptions(const std::vector<std::string>& Args) {
  ServiceOptions options;
  ArgumentReader reader(Args);
  while (!reader.AtEnd()) {
    const std::string& option = reader.Next();
    if (option == "--port") {
      options.Port = static_cast<int>(reader.Number(option, 0, 65535));
    } else if (option == "--profile") {
      options.ProfileFile = reader.Value(option);
    } else if (option == "--state") {
      options.StateFile = reader.Value(option);
    } else if (option == "--log") {
      options.LogFile = reader.Value(option);
    } else if (option == "--line-timeout-ms") {
      options.LineTimeoutMs = static_cast<int>(reader.Number(option, 1, kMaxTimeoutMs));
    } else if (option == "--send-timeout-ms") {
      options.SendTimeoutMs = static_cast<int>(reader.Number(option, 1, kMaxTimeoutMs));
    } else if (option == "--delay-ms") {
      options.DelayMs = static_cast<int>(reader.Number(option, 0, kMaxDelayMs));
    } else if (option == "--silent") {
      options.Silent = true;
    } else if (option == "--stale") {
      options.Stale = static_cast<int>(reader.Number(option, 0, kMaxStale));
    } else if (option == "--bare-id") {
      options.BareId = true;
    } else if (option == "--overlong") {
      options.Overlong = reader.Number(option, 1, kMaxOverlong);
    } else if (option == "--close-mid-read") {
      options.CloseMidRead = true;
    } else if (option == "--drop-after") {
      options.DropAfter = static_cast<int>(reader.Number(option, 1, kMaxDropAfter));
    } else if (option == "--refuse") {
      options.Refuse = true;
    } else if (option == "--fail") {
      const std::string& name = reader.Value(option);
      auto feature = BiosFeatureFromName(name);
      if (!feature)
        throw std::invalid_argument("--fail takes one of: " + BiosFeatureNames() + "; not \"" + name + "\"");
      options.FailFeatures.insert(*feature);
    } else if (option == "--asset-tag-fallback-only") {
      options.AssetTagFallbackOnly = true;
    } else {
      throw std::invalid_argument("unknown argument \"" + option + "\"");
    }
  }
  return options;
}

const char* ServiceUsage() {
  return "usage: mgmtsvc [--port N] [--profile FILE] [--state FILE] [--log FILE]\n"
         "               [--line-timeout-ms N] [--send-timeout-ms N]\n"
         "               [--delay-ms N] [--silent] [--stale N] [--bare-id] [--overlong N]\n"
         "               [--close-mid-read] [--drop-after N] [--refuse]\n"
         "               [--fail FEATURE]... [--asset-tag-fallback-only]\n"
         "FEATURE: bootorder bootflag supervisor user assettag serial parallel infrared\n";
}

}  // namespace zorbit::mgmtsvc
