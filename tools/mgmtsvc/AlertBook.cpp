#include "tools/mgmtsvc/AlertBook.h"

#include <climits>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/FormatSettings.h"
#include "tools/mgmtsvc/CommaText.h"

namespace zorbit::mgmtsvc {

bool ReadSensorNumber(const std::string& Text, double& Value) {
  return plat::TryStrToFloat(Text, Value, plat::FormatSettings()) ||
         plat::TryStrToFloat(Text, Value, plat::TFormatSettings::English());
}

AlertBook::AlertBook(std::vector<Sensor> Sensors, int FirstSubscription)
    : FSensors(std::move(Sensors)), FNextSubscription(FirstSubscription) {}

std::vector<std::string> AlertBook::SensorNames() const {
  std::vector<std::string> names;
  for (const Sensor& sensor : FSensors) names.push_back(sensor.Name);
  return names;
}

bool AlertBook::Enable(const std::string& Name, double Low, double High) {
  std::lock_guard<std::mutex> lock(FLock);
  if (Name.size() > kMaxNameLength) return false;
  auto alert = FAlerts.find(Name);
  if (alert != FAlerts.end()) {
    alert->second = Bounds{Low, High};
    return true;
  }
  if (FAlerts.size() >= kMaxAlerts) return false;
  FAlerts.emplace(Name, Bounds{Low, High});
  return true;
}

void AlertBook::Disable(const std::string& Name) {
  std::lock_guard<std::mutex> lock(FLock);
  FAlerts.erase(Name);
}

bool AlertBook::IsEnabled(const std::string& Name) const {
  std::lock_guard<std::mutex> lock(FLock);
  return FAlerts.count(Name) > 0;
}

int AlertBook::Subscribe(ClientKey Client) {
  std::lock_guard<std::mutex> lock(FLock);
  std::set<int>& held = FSubscriptionsOf[Client];
  if (held.size() >= kMaxSubscriptionsPerClient) return -1;
  // Fewer numbers are in use than there are clients times their share, so
  // the search ends soon.
  const auto advance = [this] { FNextSubscription = FNextSubscription == INT_MAX ? 1 : FNextSubscription + 1; };
  while (FSubscriptions.count(FNextSubscription)) advance();
  const int id = FNextSubscription;
  advance();
  FSubscriptions.emplace(id, Client);
  held.insert(id);
  return id;
}

void AlertBook::Unsubscribe(int Id) {
  std::lock_guard<std::mutex> lock(FLock);
  auto subscription = FSubscriptions.find(Id);
  if (subscription == FSubscriptions.end()) return;
  auto held = FSubscriptionsOf.find(subscription->second);
  held->second.erase(Id);
  if (held->second.empty()) FSubscriptionsOf.erase(held);
  FSubscriptions.erase(subscription);
}

void AlertBook::ClientGone(ClientKey Client) {
  std::lock_guard<std::mutex> lock(FLock);
  auto held = FSubscriptionsOf.find(Client);
  if (held == FSubscriptionsOf.end()) return;
  for (int id : held->second) FSubscriptions.erase(id);
  FSubscriptionsOf.erase(held);
}

std::string AlertBook::Wait(int Id) const {
  std::lock_guard<std::mutex> lock(FLock);
  if (!FSubscriptions.count(Id)) return "-1,0,";
  for (const Sensor& sensor : FSensors) {
    auto alert = FAlerts.find(sensor.Name);
    double value = 0;
    if (alert == FAlerts.end() || !ReadSensorNumber(sensor.Value, value)) continue;
    if (value < alert->second.Low || value > alert->second.High)
      return JoinCommaText({"1", "1", JoinCommaText({sensor.Name, sensor.Value})});
  }
  return "0,0,";
}

}  // namespace zorbit::mgmtsvc
