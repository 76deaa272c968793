#pragma once
// Support for the hardware query tests: the real stand-in service started
// with a shipped machine profile or one a test writes, the string-table
// lookup a test runs under, and readers of multi-instance lists.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "platform/rtl/StringList.h"
#include "service/AppHooks.h"
#include "service/tcpClient.h"
#include "service/tests/ServiceTestEnvironment.h"
#include "testing/LocaleScope.h"
#include "testing/ProjectPaths.h"
#include "testing/StandInService.h"
#include "testing/StringsItems.h"

namespace zorbit::testing {

// A string table that translates every key of section "General" into the key
// in angle brackets, so a test sees which words were looked up.
inline void InstallBracketLookup() {
  AppHooks().Lookup = [](const plat::String& Section, const plat::String& Key) {
    return Section == "General" ? "<" + Key + ">" : Key;
  };
}

// The value Name of instance Index ("@=" line Index) of a multi-instance list.
inline std::string InstanceValue(const plat::TStrings& List, int Index, const std::string& Name) {
  plat::TStringList instance;
  instance.SetCommaText(List.ValueFromIndex(Index));
  return instance.Values(Name);
}

// The values Name of every instance, in order.
inline std::vector<std::string> InstanceValues(const plat::TStrings& List, const std::string& Name) {
  std::vector<std::string> values;
  for (int i = 0; i < List.Count(); ++i)
    if (List.Names(i) == "@") values.push_back(InstanceValue(List, i, Name));
  return values;
}

// One line of a profile: an entry answering Module/Item for an exact request text.
inline nlohmann::json ExactEntry(const std::string& Module, const std::string& Item, const std::string& Request,
                                 const nlohmann::json& Reply) {
  return {{"module", Module}, {"item", Item}, {"request", Request}, {"reply", Reply}};
}

class StandInTest : public ServiceTest {
 protected:
  void TearDown() override {
    Serv.reset();
    FService.reset();
    ServiceTest::TearDown();
  }

  static std::string ShippedProfile(const std::string& Name) { return SourcePath("tools/mgmtsvc/profiles/" + Name); }

  // Starts the stand-in with a profile file (empty: the built-in one) and links Serv to it.
  void Start(const std::string& ProfileFile) {
    Serv.reset();
    FService.reset();
    std::vector<std::string> arguments;
    if (!ProfileFile.empty()) arguments = {"--profile", ProfileFile};
    FService = std::make_unique<TStandInService>(arguments);
    Serv = std::make_shared<TtcpServOpr>(ServiceHost, true, FService->Port());
  }

  // Starts the stand-in with a profile of these entries, written into the test's folder.
  void StartWith(const nlohmann::json& Entries) {
    const std::string path = Root + "/profile" + std::to_string(++FProfiles) + ".json";
    std::ofstream(path) << nlohmann::json{{"entries", Entries}}.dump(1);
    Start(path);
  }

  std::unique_ptr<TStandInService> FService;
  IpfqServPtr Serv;

 private:
  int FProfiles = 0;
};

}  // namespace zorbit::testing
