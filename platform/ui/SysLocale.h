#pragma once
// What the class library knows of the system's locale: whether the system
// offers right-to-left reading (MiddleEast). Off unless the program or a
// test turns it on; controls honour their right-to-left BiDiMode in text
// placement only while it is on.
namespace plat {

struct TSysLocale {
  bool MiddleEast = false;
};

// The one record of the process.
TSysLocale& SysLocale();

}  // namespace plat
