#include "platform/os/CommandLineToArgv.h"

namespace plat {

std::vector<String> CommandLineToArgv(const String& commandLine) {
  std::vector<String> args;
  String current;
  bool inArgument = false;
  bool quoted = false;
  std::size_t i = 0;
  while (i < commandLine.size()) {
    const char c = commandLine[i];
    if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) args.push_back(std::move(current));
      current.clear();
      inArgument = false;
      ++i;
      continue;
    }
    inArgument = true;
    if (c == '\\') {
      std::size_t count = 0;
      while (i < commandLine.size() && commandLine[i] == '\\') {
        ++count;
        ++i;
      }
      if (i < commandLine.size() && commandLine[i] == '"') {
        current.append(count / 2, '\\');
        if (count % 2 == 1) {
          current += '"';
          ++i;
        }
      } else {
        current.append(count, '\\');
      }
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
    } else {
      current += c;
    }
    ++i;
  }
  if (inArgument) args.push_back(std::move(current));
  return args;
}

}  // namespace plat
