#pragma once
// The base of the class library's pens, brushes and fonts: a drawing object
// description that says when it changes, so a canvas can pick it up again.
#include "platform/rtl/Object.h"

namespace plat {

class TGraphicsObject : public TObject {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};

}  // namespace plat
