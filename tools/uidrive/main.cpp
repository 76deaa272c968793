// uidrive: the program run under a script, for end-to-end tests.
//
//   uidrive SCRIPT [ARGUMENT...]
//
// Reads the script (docs/uidrive.md), puts the program in the headless
// display and runs its main block with the arguments, the script stepping
// inside its message loops. Answers the program's exit code when the script
// ran to its end, 1 when a command failed or the program ended first, and 2
// for a script that cannot be read.
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "app/MainBlock.h"
#include "platform/win/Display.h"
#include "tools/uidrive/Script.h"
#include "tools/uidrive/ScriptRunner.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: uidrive SCRIPT [ARGUMENT...]\n";
    return 2;
  }
  std::vector<uidrive::TScriptCommand> commands;
  try {
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) throw uidrive::EScriptError("cannot read the script " + std::string(argv[1]));
    std::ostringstream text;
    text << file.rdbuf();
    commands = uidrive::ParseScript(text.str());
  } catch (const uidrive::EScriptError& e) {
    std::cerr << "uidrive: " << e.what() << "\n";
    return 2;
  }

  plat::SetDisplay(plat::CreateHeadlessDisplay());
  uidrive::TScriptRunner runner(std::move(commands), std::cout);
  runner.Start();
  // The program sees its own path and the arguments after the script.
  std::vector<char*> program{argv[0]};
  program.insert(program.end(), argv + 2, argv + argc);
  program.push_back(nullptr);
  const int exitCode = zorbit::RunMainBlock(static_cast<int>(program.size()) - 1, program.data());
  return runner.Finish(exitCode);
}
