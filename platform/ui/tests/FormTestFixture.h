#pragma once
// The control and form tests stand on the shared form fixture
// (testing/FormTest.h); their helpers live in namespace uitest.
#include "testing/FormTest.h"

namespace uitest {

using namespace plat;
using zorbit::testing::FormTest;

}  // namespace uitest
