#pragma once
// Sets or removes an environment variable for the life of the object and
// puts back what was there before (its value, or its absence):
//
//   TEnvironmentVariable display("DISPLAY", ":7");
//   TEnvironmentVariable noRoot("ZORBIT_ROOT", std::nullopt);
//
// The environment is the process's: guards of the same variable must end in
// the reverse order of their start, as scopes do.
#include <optional>
#include <string>

namespace zorbit::testing {

class TEnvironmentVariable {
 public:
  // Value none removes the variable.
  TEnvironmentVariable(std::string Name, const std::optional<std::string>& Value);
  ~TEnvironmentVariable();
  TEnvironmentVariable(const TEnvironmentVariable&) = delete;
  TEnvironmentVariable& operator=(const TEnvironmentVariable&) = delete;

 private:
  std::string FName;
  std::optional<std::string> FPrevious;
};

}  // namespace zorbit::testing
