#include "platform/ui/TApplicationEvents.h"

namespace plat {

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner), FApplication(Application) {
  if (FApplication) FApplication->AddApplicationEvents(this);
}

TApplicationEvents::~TApplicationEvents() {
  if (FApplication) FApplication->RemoveApplicationEvents(this);
}

void TApplicationEvents::Activate() {
  if (FApplication) FApplication->MoveApplicationEventsToFront(this);
}

void TApplicationEvents::CancelDispatch() {
  if (FApplication) FApplication->CancelEventDispatch();
}

}  // namespace plat
