#pragma once
// Actions: a command (OnExecute) that several controls share, and the links
// through which those controls follow it.
#include <vector>

#include "platform/ui/TComponent.h"
#include "platform/ui/TComponentRef.h"

namespace plat {

class TBasicActionLink;

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TBasicAction() override;

  // Runs OnExecute; answers whether something ran it.
  virtual bool Execute();
  // Runs OnUpdate (at idle time); answers whether something handled it.
  virtual bool Update();
  // The component that executed it last (a control's Click), or null.
  TComponent* ActionComponent() const { return FActionComponent; }
  void SetActionComponent(TComponent* Value);

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 protected:
  // Tells the linked clients that a property changed.
  void Change();

 private:
  friend class TBasicActionLink;

  std::vector<TBasicActionLink*> FClients;
  TComponentRef<TComponent> FActionComponent;
};

// A client's tie to an action: it hears of the action's changes and runs it.
class TBasicActionLink : public TObject {
 public:
  TBasicActionLink() = default;
  ~TBasicActionLink() override;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  // Runs the action on behalf of AComponent.
  virtual bool Execute(TComponent* AComponent);

 protected:
  // The action changed (or was linked).
  virtual void Change() {}

 private:
  friend class TBasicAction;

  TBasicAction* FAction = nullptr;
};

}  // namespace plat
