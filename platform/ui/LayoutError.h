#pragma once
// The error of reading a layout, and of declaring the classes layouts name:
// its message names the layout and the component, property, class or
// handler at fault.
#include "platform/rtl/Exception.h"

namespace plat {

class ELayoutError : public EReadError {
 public:
  using EReadError::EReadError;
};

}  // namespace plat
