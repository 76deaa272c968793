#include "platform/ui/SysLocale.h"

namespace plat {

TSysLocale& SysLocale() {
  static TSysLocale locale;
  return locale;
}

}  // namespace plat
