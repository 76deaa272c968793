#include "platform/ui/TMenuActionLink.h"

#include "platform/ui/TMenuItem.h"

namespace plat {

void TMenuActionLink::Change() {
  if (Action()) FClient->ActionChange(Action(), false);
}

}  // namespace plat
