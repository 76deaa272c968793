#include "platform/rtl/SwallowedException.h"

#include <cxxabi.h>

#include <cstdio>
#include <exception>
#include <string>
#include <typeinfo>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"

namespace plat {

namespace {

// The class and text of the exception being handled.
std::string Describe() {
  try {
    throw;
  } catch (const Exception& e) {
    return ClassNameOf(typeid(e)) + ": " + e.Message();
  } catch (const std::exception& e) {
    return ClassNameOf(typeid(e)) + ": " + e.what();
  } catch (...) {
    // Anything else is described by its type alone.
    const std::type_info* type = abi::__cxa_current_exception_type();
    return type ? ClassNameOf(*type) : std::string("unknown exception");
  }
}

}  // namespace

void LogSwallowedException(const char* Where) {
  const std::string line = std::string(Where) + ": exception swallowed: " + Describe() + "\n";
  std::fputs(line.c_str(), stderr);
}

}  // namespace plat
