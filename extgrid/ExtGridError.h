#pragma once
// EExtGridError: the advanced grid family's exception, raised with fixed
// English texts. Parsers report failure by their result instead.
#include "platform/rtl/Exception.h"

namespace zorbit {

class EExtGridError : public plat::Exception {
 public:
  using plat::Exception::Exception;
};

}  // namespace zorbit
