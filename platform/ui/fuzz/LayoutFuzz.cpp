// Any bytes given to the layout reader as a layout give the components it
// describes or ELayoutError, and nothing else: no crash, no other exception,
// no outsized allocation. The components are made under a bare component
// root with every class of the class library registered; a failed read
// leaves the root as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TComponent.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plat;
  InitClassLibrary();
  TComponent root(nullptr);
  const TLayoutHandlers handlers;
  try {
    ReadLayoutText(root, String(reinterpret_cast<const char*>(data), size), "Fuzz", handlers);
  } catch (const ELayoutError&) {
    if (root.ComponentCount() != 0) std::abort();
  }
  return 0;
}
