#include "tools/mgmtsvc/CommandDispatcher.h"

#include <vector>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringUtils.h"
#include "tools/mgmtsvc/CommaText.h"

namespace zorbit::mgmtsvc {

namespace {

// The item at Index of a comma text, empty when the text has fewer items.
std::string ItemAt(const std::vector<std::string>& Items, std::size_t Index) {
  return Index < Items.size() ? Items[Index] : std::string();
}

}  // namespace

CommandDispatcher::CommandDispatcher(MachineProfile& Profile, FakeBios& Bios, AlertBook& Alerts)
    : FProfile(Profile), FBios(Bios), FAlerts(Alerts) {}

bool CommandDispatcher::AwaitsReply(std::string_view Command) {
  return Command != "EnableAlert" && Command != "DisableAlert" && Command != "Unsubscribe";
}

std::optional<CommandAnswer> CommandDispatcher::Handle(const RequestLine& Request, ClientKey Client) {
  const std::string& command = Request.Command;
  std::vector<std::string> items = SplitCommaText(Request.Data);
  if (command == "GetInfo") return GetInfo(items);
  if (command == "GetField") return GetField(items);
  if (command == "AvaliableSensors") return CommandAnswer{JoinCommaText(FAlerts.SensorNames())};
  if (command == "IsAlertEnabled") return CommandAnswer{FAlerts.IsEnabled(ItemAt(items, 0)) ? "True" : "False"};
  if (command == "Subscribe") return CommandAnswer{std::to_string(FAlerts.Subscribe(Client))};
  if (command == "WaitAlert") return CommandAnswer{FAlerts.Wait(plat::StrToIntDef(ItemAt(items, 0), -1))};
  if (command == "EnableAlert") {
    double low = 0;
    double high = 0;
    if (ReadSensorNumber(ItemAt(items, 1), low) && ReadSensorNumber(ItemAt(items, 2), high))
      FAlerts.Enable(ItemAt(items, 0), low, high);
    return std::nullopt;
  }
  if (command == "DisableAlert") {
    FAlerts.Disable(ItemAt(items, 0));
    return std::nullopt;
  }
  if (command == "Unsubscribe") {
    FAlerts.Unsubscribe(plat::StrToIntDef(ItemAt(items, 0), -1));
    return std::nullopt;
  }
  return CommandAnswer{};
}

void CommandDispatcher::ClientGone(ClientKey Client) { FAlerts.ClientGone(Client); }

CommandAnswer CommandDispatcher::GetInfo(const std::vector<std::string>& Items) {
  // Module, item and the client's request text, each an item of one comma text.
  std::string module = ItemAt(Items, 0);
  std::string request = ItemAt(Items, 2);
  if (plat::SameText(module, "int15")) return CommandAnswer{FBios.Call(request)};
  auto answer = FProfile.Answer("GetInfo", module, ItemAt(Items, 1), request);
  return answer ? CommandAnswer{answer->Payload, answer->DelayMs} : CommandAnswer{};
}

CommandAnswer CommandDispatcher::GetField(const std::vector<std::string>& Items) {
  auto answer = FProfile.Answer("GetField", ItemAt(Items, 0), ItemAt(Items, 1), ItemAt(Items, 2));
  return answer ? CommandAnswer{answer->Payload, answer->DelayMs} : CommandAnswer{};
}

}  // namespace zorbit::mgmtsvc
