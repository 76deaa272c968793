#pragma once
// The runtime's exception root. Every failure that the system reports as an
// exception derives from Exception and carries its message text.
#include <exception>
#include <utility>

#include "platform/rtl/Types.h"

namespace plat {

class Exception : public std::exception {
 public:
  explicit Exception(String message) : FMessage(std::move(message)) {}

  const String& Message() const { return FMessage; }
  void SetMessage(String message) { FMessage = std::move(message); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  String FMessage;
};

}  // namespace plat
