#pragma once
// The class library's tests compare their pictures through the shared
// reference-picture support; their reference pictures lie in TestDataDir.
#include <string>

#include "testing/ReferencePicture.h"

namespace plat::testing {

using zorbit::testing::KeepForInspection;
using zorbit::testing::MatchReference;
using zorbit::testing::TPictureMatch;

// The class library tests' data folder.
std::string TestDataDir();

}  // namespace plat::testing
