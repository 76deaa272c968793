#pragma once
// The tie between a menu item and its action: the item shows the action's
// caption, enabled and checked states, visibility, shortcut, hint and
// image, and its Click runs the action.
#include "platform/ui/TBasicAction.h"

namespace plat {

class TMenuItem;

class TMenuActionLink : public TBasicActionLink {
 public:
  explicit TMenuActionLink(TMenuItem* Client) : FClient(Client) {}

 protected:
  void Change() override;

 private:
  TMenuItem* FClient;
};

}  // namespace plat
