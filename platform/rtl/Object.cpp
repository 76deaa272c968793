#include "platform/rtl/Object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace plat {

String TObject::ClassName() const { return ClassNameOf(typeid(*this)); }

String ClassNameOf(const std::type_info& type) {
  const char* mangled = type.name();
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                        &std::free);
  String name = status == 0 && demangled ? String(demangled.get()) : String(mangled);
  const auto scope = name.rfind("::");
  return scope == String::npos ? name : name.substr(scope + 2);
}

}  // namespace plat
