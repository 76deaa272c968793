#include "platform/ui/TAction.h"

#include <algorithm>

#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"

namespace plat {

TAction::~TAction() {
  Destroying();
  SetActionList(nullptr);
}

bool TAction::Execute() {
  Update();
  if (!FEnabled) return false;
  if (FActionList && FActionList->ExecuteAction(this)) return true;
  if (Application && Application->ExecuteAction(this)) return true;
  return TBasicAction::Execute();
}

bool TAction::Update() {
  if (FActionList && FActionList->UpdateAction(this)) return true;
  if (Application && Application->UpdateAction(this)) return true;
  return TBasicAction::Update();
}

void TAction::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Change();
}

void TAction::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  Change();
}

void TAction::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  Change();
}

void TAction::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Change();
}

void TAction::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  Change();
}

void TAction::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Change();
}

void TAction::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Change();
}

void TAction::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  Change();
}

void TAction::SetActionList(TActionList* Value) {
  if (FActionList == Value) return;
  if (FActionList) std::erase(FActionList->FActions, this);
  FActionList = Value;
  if (Value) Value->FActions.push_back(this);
}

void TAction::SetParentComponent(TComponent* Value) {
  if (auto* list = dynamic_cast<TActionList*>(Value)) SetActionList(list);
}

}  // namespace plat
