#pragma once
// The management service's interface. Every request of the system goes
// through GetInfo; the other operations belong to the interface and work as
// the service defines them.
#include <cstdint>
#include <memory>

#include "platform/rtl/Types.h"

namespace zorbit {

class IpfqServ {
 public:
  virtual ~IpfqServ() = default;

  virtual void AvailableSensors(plat::WideString& Sensors) = 0;
  virtual void DisableAlert(const plat::WideString& Name) = 0;
  virtual void EnableAlert(const plat::WideString& Name, float Value1, float Value2) = 0;
  virtual void GetField(const plat::WideString& A, const plat::WideString& B, const plat::WideString& C,
                        plat::WideString& Value) = 0;
  // Params carries the request text in and the reply out; empty after a failure.
  virtual void GetInfo(const plat::WideString& Module, const plat::WideString& Item, plat::WideString& Params) = 0;
  virtual void IsAlertEnabled(const plat::WideString& Name, bool& Enabled) = 0;
  virtual void Subscribe(int& Id) = 0;
  virtual void Unsubscribe(int Id) = 0;
  virtual void WaitAlert(int Id, int& Code, std::uint8_t& Flag, plat::WideString& Text) = 0;
  // Whether the connection still stands; sends nothing.
  virtual bool CheckConnection() = 0;
};

// The interface is reference-counted: the last holder releases the connection.
using IpfqServPtr = std::shared_ptr<IpfqServ>;

}  // namespace zorbit
