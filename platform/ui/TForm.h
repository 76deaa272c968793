#pragma once
// The form class that programs derive their windows from.
#include "platform/ui/TCustomForm.h"

namespace plat {

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

}  // namespace plat
