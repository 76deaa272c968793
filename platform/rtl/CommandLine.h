#pragma once
// The program's command line, as set by its main().
#include "platform/rtl/Types.h"

namespace plat {

void SetCommandLine(int argc, const char* const* argv);
// Number of arguments after the program path.
int ParamCount();
// 0: the program path; 1 to ParamCount(): the arguments; "" out of range.
String ParamStr(int index);
// True when a switch "-name" or "/name" is among the arguments (without case).
bool FindCmdLineSwitch(const String& name);

}  // namespace plat
