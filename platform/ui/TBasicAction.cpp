#include "platform/ui/TBasicAction.h"

#include <algorithm>

namespace plat {

TBasicAction::~TBasicAction() {
  Destroying();
  // The clients outlive the action: they let go of it.
  while (!FClients.empty()) FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::SetActionComponent(TComponent* Value) { FActionComponent = Value; }

void TBasicAction::Change() {
  for (TBasicActionLink* client : std::vector<TBasicActionLink*>(FClients)) client->Change();
}

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (FAction == Value) return;
  if (FAction) std::erase(FAction->FClients, this);
  FAction = Value;
  if (Value) {
    Value->FClients.push_back(this);
    Change();
  }
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!FAction) return false;
  FAction->SetActionComponent(AComponent);
  const bool done = FAction->Execute();
  // The action may have gone while it ran.
  if (FAction) FAction->SetActionComponent(nullptr);
  return done;
}

}  // namespace plat
