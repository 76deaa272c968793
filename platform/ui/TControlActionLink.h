#pragma once
// The tie between a control and its action: the control shows the action's
// caption, enabled state, hint and visibility, and its Click runs it.
#include "platform/ui/TBasicAction.h"

namespace plat {

class TControl;

class TControlActionLink : public TBasicActionLink {
 public:
  explicit TControlActionLink(TControl* Client) : FClient(Client) {}

 protected:
  void Change() override;

 private:
  TControl* FClient;
};

}  // namespace plat
