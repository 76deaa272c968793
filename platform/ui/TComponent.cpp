#include "platform/ui/TComponent.h"

#include <algorithm>

#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/UiConsts.h"

namespace plat {

namespace {

bool IsValidIdent(const String& name) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (name.empty() || !letter(name[0])) {
    return false;
  }
  return std::all_of(name.begin() + 1, name.end(), [&](char c) { return letter(c) || digit(c); });
}

void Erase(std::vector<TComponent*>& list, TComponent* component) {
  list.erase(std::remove(list.begin(), list.end(), component), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) {
    AOwner->InsertComponent(this);
  }
}

TComponent::~TComponent() {
  Destroying();
  // One link at a time: a notification may delete another linked component,
  // whose destructor then takes itself off this list.
  while (!FFreeNotifies.empty()) {
    TComponent* linked = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Erase(linked->FFreeNotifies, this);
    linked->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (FOwner) {
    FOwner->RemoveComponent(this);
  }
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) {
    throw EListError(FmtLoadResString(SListIndexError, {Index}));
  }
  return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) {
    return -1;
  }
  const auto& list = FOwner->FComponents;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int Value) {
  if (!FOwner) {
    return;
  }
  auto& list = FOwner->FComponents;
  const int count = static_cast<int>(list.size());
  Value = std::clamp(Value, 0, count - 1);
  const int current = ComponentIndex();
  if (current == Value) {
    return;
  }
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, this);
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) {
    return nullptr;
  }
  for (TComponent* component : FComponents) {
    if (SameText(component->FName, AName)) {
      return component;
    }
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner == this) {
    return;
  }
  // Owning itself or an owner would make deletion go round for ever.
  for (const TComponent* owner = this; owner; owner = owner->FOwner) {
    if (owner == AComponent) {
      throw EComponentError(FmtLoadResString(SOwnershipCycle, {ClassName(), AComponent->ClassName()}));
    }
  }
  if (FindComponent(AComponent->FName)) {
    throw EComponentError(FmtLoadResString(SDuplicateName, {AComponent->FName}));
  }
  if (AComponent->FOwner) {
    AComponent->FOwner->RemoveComponent(AComponent);
  }
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this) {
    return;
  }
  Notification(AComponent, TOperation::opRemove);
  // From the end: the owner's own deletion takes the last one each time.
  const auto found = std::find(FComponents.rbegin(), FComponents.rend(), AComponent);
  FComponents.erase(std::next(found).base());
  AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    // Leaving first tells the others while the component is still whole.
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::SetName(const String& Value) {
  if (Value == FName) {
    return;
  }
  if (!Value.empty() && !IsValidIdent(Value)) {
    throw EComponentError(FmtLoadResString(SInvalidName, {Value}));
  }
  if (FOwner) {
    const TComponent* other = FOwner->FindComponent(Value);
    if (other && other != this) {
      throw EComponentError(FmtLoadResString(SDuplicateName, {Value}));
    }
  }
  FName = Value;
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this || AComponent == FOwner || AComponent->FOwner == this ||
      (FOwner && AComponent->FOwner == FOwner)) {
    return;
  }
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(AComponent);
    AComponent->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) { Unlink(AComponent); }

void TComponent::Unlink(TComponent* AComponent) {
  // Links go both ways: without any here there is none to undo. (Every
  // removal reaches every component of the owner, so this is the common case.)
  if (!AComponent || FFreeNotifies.empty()) {
    return;
  }
  Erase(FFreeNotifies, AComponent);
  Erase(AComponent->FFreeNotifies, this);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(TComponentStateItem::csDestroying)) {
    return;
  }
  FComponentState.Include(TComponentStateItem::csDestroying);
  for (TComponent* component : FComponents) {
    component->Destroying();
  }
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::Loaded() { FComponentState.Exclude(TComponentStateItem::csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove) {
    Unlink(AComponent);
  }
  // By index from the end: a receiver may delete components as it hears.
  for (std::size_t i = FComponents.size(); i-- > 0;) {
    if (i < FComponents.size()) {
      FComponents[i]->Notification(AComponent, Operation);
    }
  }
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value) {
    FComponentState.Include(TComponentStateItem::csDesigning);
  } else {
    FComponentState.Exclude(TComponentStateItem::csDesigning);
  }
  if (SetChildren) {
    for (TComponent* component : FComponents) {
      component->SetDesigning(Value, true);
    }
  }
}

}  // namespace plat
