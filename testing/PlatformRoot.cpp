#include "testing/PlatformRoot.h"

namespace zorbit::testing {

TPlatformRoot::TPlatformRoot(const std::string& Prefix) : FFolder(Prefix), FVariable("ZORBIT_ROOT", FFolder.Path()) {}

}  // namespace zorbit::testing
