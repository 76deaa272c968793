#pragma once
// TEsgEditBtn: the edit with a button inside (TEsgEditWithButton) on the
// class library's edit; the text starts as "0".
#include "grid/EsgEditWithButton.h"

namespace zorbit {

class TEsgEditBtn : public TEsgEditWithButton<plat::TCustomEdit> {
 public:
  explicit TEsgEditBtn(plat::TComponent* AOwner);
};

}  // namespace zorbit
