#pragma once
// The five built-in styles as parameters of a screenshot test, named after
// the style so that each picture and test case carries its style's name.
#include <gtest/gtest.h>

#include <string>

#include "skin/ThemeElements.h"

namespace zorbit::testing {

struct TStyleShot {
  TskUIStyle Style;
  const char* Name;
};

inline auto BuiltinStyleShots() {
  return ::testing::Values(TStyleShot{TskUIStyle::MacOS, "MacOS"}, TStyleShot{TskUIStyle::WinXP, "WinXP"},
                           TStyleShot{TskUIStyle::DeepBlue, "DeepBlue"}, TStyleShot{TskUIStyle::Protein, "Protein"},
                           TStyleShot{TskUIStyle::BlueGlass, "BlueGlass"});
}

inline std::string StyleShotName(const ::testing::TestParamInfo<TStyleShot>& Info) { return Info.param.Name; }

}  // namespace zorbit::testing
