#pragma once
// The process's locale record (plat::FormatSettings) set for the life of the
// object and put back afterwards:
//
//   TLocaleScope german(plat::TFormatSettings::German());
#include "platform/rtl/FormatSettings.h"

namespace zorbit::testing {

class TLocaleScope {
 public:
  explicit TLocaleScope(const plat::TFormatSettings& Settings) : FSaved(plat::FormatSettings()) {
    plat::FormatSettings() = Settings;
  }
  ~TLocaleScope() { plat::FormatSettings() = FSaved; }
  TLocaleScope(const TLocaleScope&) = delete;
  TLocaleScope& operator=(const TLocaleScope&) = delete;

 private:
  plat::TFormatSettings FSaved;
};

}  // namespace zorbit::testing
