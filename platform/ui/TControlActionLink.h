#pragma once
// The tie between a control and its action: the control shows the action's
// caption, enabled state, hint and visibility, and its Click runs it. A
// derived link may let the control keep a caption of its own.
#include "platform/ui/TBasicAction.h"

namespace plat {

class TControl;

class TControlActionLink : public TBasicActionLink {
 public:
  explicit TControlActionLink(TControl* Client) : FClient(Client) {}

  // Whether the control takes the action's caption; always here.
  virtual bool IsCaptionLinked() const { return true; }

 protected:
  void Change() override;

 private:
  TControl* FClient;
};

}  // namespace plat
