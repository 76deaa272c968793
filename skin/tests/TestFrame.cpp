#include "skin/tests/TestFrame.h"

#include "skin/SkinClasses.h"

namespace skintest {

void RegisterTestFrame() { zorbit::RegisterSkinClasses(); }

}  // namespace skintest
