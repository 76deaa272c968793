#include "platform/ui/TControlActionLink.h"

#include "platform/ui/TControl.h"

namespace plat {

void TControlActionLink::Change() {
  if (Action()) FClient->ActionChange(Action(), false);
}

}  // namespace plat
