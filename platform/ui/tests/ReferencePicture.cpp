#include "platform/ui/tests/ReferencePicture.h"

#include "testing/ProjectPaths.h"

namespace plat::testing {

std::string TestDataDir() { return zorbit::testing::SourcePath("platform/ui/tests/data"); }

}  // namespace plat::testing
