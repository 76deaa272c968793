#include "platform/rtl/CommandLine.h"

#include <unistd.h>

#include <vector>

#include "platform/rtl/Paths.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

namespace {

std::vector<String>& Arguments() {
  static std::vector<String> arguments;
  return arguments;
}

// The running program's file, when the system can tell.
String OwnExecutable() {
  std::vector<char> buffer(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return n > 0 ? String(buffer.data(), static_cast<std::size_t>(n)) : String();
}

}  // namespace

void SetCommandLine(int argc, const char* const* argv) {
  std::vector<String>& arguments = Arguments();
  arguments.clear();
  for (int i = 0; i < argc && argv; ++i) {
    arguments.emplace_back(argv[i] ? argv[i] : "");
  }
  // The program path is absolute, so files beside the program can be found
  // from any working folder; a bare name was found on the search path.
  if (!arguments.empty()) {
    const String& program = arguments[0];
    const bool hasFolder = program.find_first_of("/\\") != String::npos;
    arguments[0] = hasFolder ? ExpandFileName(program) : OwnExecutable();
  }
}

int ParamCount() {
  const auto count = static_cast<int>(Arguments().size());
  return count > 0 ? count - 1 : 0;
}

String ParamStr(int index) {
  const std::vector<String>& arguments = Arguments();
  if (index == 0 && arguments.empty()) {
    return OwnExecutable();
  }
  if (index < 0 || static_cast<std::size_t>(index) >= arguments.size()) {
    return String();
  }
  return arguments[static_cast<std::size_t>(index)];
}

bool FindCmdLineSwitch(const String& name) {
  for (int i = 1; i <= ParamCount(); ++i) {
    const String argument = ParamStr(i);
    if (!argument.empty() && (argument[0] == '-' || argument[0] == '/') && AnsiSameText(argument.substr(1), name)) {
      return true;
    }
  }
  return false;
}

}  // namespace plat
