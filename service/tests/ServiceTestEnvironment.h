#pragma once
// A fresh machine for each service-link test: machine state below a temporary
// ZORBIT_ROOT, the units started in their order, and hooks that record what
// the application layer would have shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service/AppHooks.h"
#include "service/ServiceUnits.h"
#include "testing/PlatformRoot.h"

namespace zorbit::testing {

struct ShownMessage {
  std::string Caption, Title, Text;
  int Icon = 0, Buttons = 0;
};

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitializeServiceUnits();
    AppHooks().Title = [] { return std::string("Ovra Zorbit Management"); };
    AppHooks().MessageBox = [this](const std::string& Caption, const std::string& Title, const std::string& Text,
                                   int Icon, int Buttons) {
      Messages.push_back({Caption, Title, Text, Icon, Buttons});
      return 1;
    };
    AppHooks().Terminate = [this] { ++Terminations; };
  }

  void TearDown() override {
    FinalizeServiceUnits();
    AppHooks() = {};
  }

  TPlatformRoot Machine{"zorbit-service"};
  const std::string Root = Machine.Path();
  std::vector<ShownMessage> Messages;
  int Terminations = 0;
};

}  // namespace zorbit::testing
