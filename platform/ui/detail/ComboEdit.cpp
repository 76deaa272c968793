#include "platform/ui/detail/ComboEdit.h"

namespace plat {

TComboEdit::TComboEdit() : TCustomEdit(nullptr) {
  SetBorderStyle(TBorderStyle::bsNone);
  // The box is the tab stop; its edit only takes the focus from it.
  SetTabStop(false);
  SetAutoSelect(false);
}

}  // namespace plat
