#include "tools/mgmtsvc/AlertBook.h"

#include "platform/rtl/Conversions.h"
#include "platform/rtl/FormatSettings.h"
#include "tools/mgmtsvc/CommaText.h"

namespace zorbit::mgmtsvc {

bool ReadSensorNumber(const std::string& Text, double& Value) {
  return plat::TryStrToFloat(Text, Value, plat::FormatSettings()) ||
         plat::TryStrToFloat(Text, Value, plat::TFormatSettings::English());
}

AlertBook::AlertBook(std::vector<Sensor> Sensors) : FSensors(std::move(Sensors)) {}

std::vector<std::string> AlertBook::SensorNames() const {
  std::vector<std::string> names;
  for (const Sensor& sensor : FSensors) names.push_back(sensor.Name);
  return names;
}

void AlertBook::Enable(const std::string& Name, double Low, double High) {
  std::lock_guard<std::mutex> lock(FLock);
  FAlerts[Name] = Bounds{Low, High};
}

void AlertBook::Disable(const std::string& Name) {
  std::lock_guard<std::mutex> lock(FLock);
  FAlerts.erase(Name);
}

bool AlertBook::IsEnabled(const std::string& Name) const {
  std::lock_guard<std::mutex> lock(FLock);
  return FAlerts.count(Name) > 0;
}

int AlertBook::Subscribe() {
  std::lock_guard<std::mutex> lock(FLock);
  FSubscriptions.insert(FNextSubscription);
  return FNextSubscription++;
}

void AlertBook::Unsubscribe(int Id) {
  std::lock_guard<std::mutex> lock(FLock);
  FSubscriptions.erase(Id);
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
