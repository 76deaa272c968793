#pragma once
// A private machine for a test: ZORBIT_ROOT points at a fresh temporary
// folder while the object lives, so registry hives, application data, the
// service table, mutexes and published windows all land below it; at the end
// the previous value comes back and the folder goes. The platform reads the
// variable on every use, so nothing is cached across roots.
//
//   class RegistryTest : public ::testing::Test {
//     zorbit::testing::TPlatformRoot FRoot;
//   };
#include <string>

#include "testing/EnvironmentVariable.h"
#include "testing/TempFolder.h"

namespace zorbit::testing {

class TPlatformRoot {
 public:
  explicit TPlatformRoot(const std::string& Prefix = "zorbit-root");
  TPlatformRoot(const TPlatformRoot&) = delete;
  TPlatformRoot& operator=(const TPlatformRoot&) = delete;

  // The root folder (the value of ZORBIT_ROOT), without a trailing "/".
  const std::string& Path() const { return FFolder.Path(); }
  const TTempFolder& Folder() const { return FFolder; }

 private:
  TTempFolder FFolder;
  TEnvironmentVariable FVariable;
};

}  // namespace zorbit::testing
