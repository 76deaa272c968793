#pragma once
// The sensor-alert side of the service: alerts switched on per sensor with a
// lower and an upper bound, and subscriptions that ask whether one fired.
// Shared by every connection, as the real service shares it between processes.
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "tools/mgmtsvc/MachineProfile.h"

namespace zorbit::mgmtsvc {

// A number as the client writes it (the locale's decimal separator) or as a
// profile holds it (a point).
bool ReadSensorNumber(const std::string& Text, double& Value);

class AlertBook {
 public:
  explicit AlertBook(std::vector<Sensor> Sensors);

  std::vector<std::string> SensorNames() const;
  void Enable(const std::string& Name, double Low, double High);
  void Disable(const std::string& Name);
  bool IsEnabled(const std::string& Name) const;
  // A new subscription number, from 1 on.
  int Subscribe();
  void Unsubscribe(int Id);
  // The WaitAlert reply, answered at once: "-1,0," for an unknown
  // subscription, "0,0," when no enabled alert is out of bounds, otherwise
  // "1,1," and, as one more item, the comma text of the first such sensor's
  // name and value.
  std::string Wait(int Id) const;

 private:
  struct Bounds {
    double Low;
    double High;
  };

  std::vector<Sensor> FSensors;
  mutable std::mutex FLock;
  std::map<std::string, Bounds> FAlerts;
  std::set<int> FSubscriptions;
  int FNextSubscription = 1;
};

}  // namespace zorbit::mgmtsvc
