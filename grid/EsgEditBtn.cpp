#include "grid/EsgEditBtn.h"

namespace zorbit {

TEsgEditBtn::TEsgEditBtn(plat::TComponent* AOwner) : TEsgEditWithButton(AOwner) { SetText("0"); }

}  // namespace zorbit
