#include "testing/EnvironmentVariable.h"

#include <cstdlib>

namespace zorbit::testing {

namespace {

void Assign(const std::string& Name, const std::optional<std::string>& Value) {
  if (Value)
    ::setenv(Name.c_str(), Value->c_str(), 1);
  else
    ::unsetenv(Name.c_str());
}

}  // namespace

TEnvironmentVariable::TEnvironmentVariable(std::string Name, const std::optional<std::string>& Value)
    : FName(std::move(Name)) {
  if (const char* previous = std::getenv(FName.c_str())) FPrevious = previous;
  Assign(FName, Value);
}

TEnvironmentVariable::~TEnvironmentVariable() { Assign(FName, FPrevious); }

}  // namespace zorbit::testing
