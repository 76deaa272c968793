#include "grid/EsgUniMemo.h"

namespace zorbit {

TEsgUniMemo::TEsgUniMemo(plat::TComponent* AOwner) : TEsgUniCustomMemo(AOwner) {
  SetBounds(Left(), Top(), 200, 100);
  SetAutoSize(false);
}

}  // namespace zorbit
