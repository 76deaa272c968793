#pragma once
// Splitting a command line into the program and its arguments, with the
// platform's quoting rules: blanks and tabs separate arguments; double quotes
// group blanks into one argument and are removed; 2n backslashes before a
// quote give n backslashes and the quote acts, 2n+1 give n backslashes and a
// literal quote; backslashes elsewhere are plain characters ("C:\a b" splits
// into "C:\a" and "b"; "/usr/bin/x \"a b\"" into "/usr/bin/x" and "a b").
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

std::vector<String> CommandLineToArgv(const String& commandLine);

}  // namespace plat
