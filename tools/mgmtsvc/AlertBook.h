#pragma once
// The sensor-alert side of the service: alerts switched on per sensor with a
// lower and an upper bound, and subscriptions that ask whether one fired.
// Shared by every connection, as the real service shares it between processes.
// What clients can make it hold is bounded: name lengths, the number of
// alerts and each client's subscriptions, which go with the client.
#include <cstddef>
#include <cstdint>
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

// Tells one client connection from the others for as long as it lasts.
using ClientKey = std::uint64_t;

class AlertBook {
 public:
  static constexpr std::size_t kMaxNameLength = 256;
  static constexpr std::size_t kMaxAlerts = 256;
  static constexpr std::size_t kMaxSubscriptionsPerClient = 64;

  // FirstSubscription is the number the first subscription gets.
  explicit AlertBook(std::vector<Sensor> Sensors, int FirstSubscription = 1);

  std::vector<std::string> SensorNames() const;
  // Refused (false, nothing kept) for a name longer than kMaxNameLength or a
  // new name beyond kMaxAlerts; new bounds for an enabled name are taken.
  bool Enable(const std::string& Name, double Low, double High);
  void Disable(const std::string& Name);
  bool IsEnabled(const std::string& Name) const;
  // A new subscription number held by Client, counting up from the first and
  // after INT_MAX from 1 again, skipping numbers in use; -1 (the protocol's
  // refusal) once Client holds kMaxSubscriptionsPerClient.
  int Subscribe(ClientKey Client);
  void Unsubscribe(int Id);
  // Ends every subscription Client holds.
  void ClientGone(ClientKey Client);
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
  std::map<int, ClientKey> FSubscriptions;
  std::map<ClientKey, std::set<int>> FSubscriptionsOf;
  int FNextSubscription;
};

}  // namespace zorbit::mgmtsvc
