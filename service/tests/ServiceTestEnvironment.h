#pragma once
// A fresh machine for each service-link test: machine state below a temporary
// ZORBIT_ROOT, the units started in their order, and hooks that record what
// the application layer would have shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "service/AppHooks.h"
#include "service/ServiceUnits.h"

namespace zorbit::testing {

struct ShownMessage {
  std::string Caption, Title, Text;
  int Icon = 0, Buttons = 0;
};

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/zorbit-service-XXXXXX";
    Root = ::mkdtemp(pattern);
    ::setenv("ZORBIT_ROOT", Root.c_str(), 1);
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
    std::error_code ignored;
    std::filesystem::remove_all(Root, ignored);
    ::unsetenv("ZORBIT_ROOT");
  }

  std::string Root;
  std::vector<ShownMessage> Messages;
  int Terminations = 0;
};

}  // namespace zorbit::testing
