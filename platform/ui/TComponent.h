#pragma once
// Components: objects with an owner that deletes them, a name unique among
// the owner's components, a tag, and notifications when a component joins
// or leaves an owner or is deleted.
//
// Lifetime: a component is created with its owner (new TButton(Owner)) and
// deleted by it, last created first. A component deleted earlier leaves its
// owner's list; the owner and every component it owns hear of it through
// Notification(opRemove), and so does every component linked to it through
// FreeNotification. A notification about a component being deleted arrives
// while its destructor runs: compare the pointer, never use the object.
// Likewise opInsert arrives from the base constructor, before the derived
// parts exist. A class whose owned components use its own members in their
// destructors calls DestroyComponents() at the start of its destructor.
// A class that only has to forget a component it points to holds it in a
// TComponentRef (TComponentRef.h) rather than overriding Notification.
#include <cstdint>
#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Set.h"
#include "platform/ui/TPersistent.h"

namespace plat {

enum class TOperation { opInsert, opRemove };

enum class TComponentStateItem {
  csLoading,     // a layout is being read into it; cleared by Loaded
  csReading,     // its own properties are being read
  csDestroying,  // its destruction has begun
  csDesigning,   // it lives in a designer, not in a running program
};
using TComponentState = TSet<TComponentStateItem>;

// Names that are not identifiers or not unique, ownership cycles.
class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  TPersistent* GetOwner() const override { return FOwner; }

  // The owned components, in the order they joined.
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  // Raises EListError for an index outside 0..ComponentCount()-1.
  TComponent* Components(int Index) const;
  // The position in the owner's list; -1 without owner.
  int ComponentIndex() const;
  // Moves this component in its owner's list; the value is clamped to the list.
  void SetComponentIndex(int Value);
  // The owned component of that name (without regard to ASCII case); nullptr
  // for "" or no match.
  TComponent* FindComponent(const String& AName) const;

  // Makes this component the owner of AComponent, taking it from its previous
  // owner. Raises EComponentError when its name is taken here, or when
  // AComponent is this component or one of its owners.
  void InsertComponent(TComponent* AComponent);
  // Lets go of an owned component, which then has no owner.
  void RemoveComponent(TComponent* AComponent);
  // Deletes every owned component, the last one first.
  void DestroyComponents();

  const String& Name() const { return FName; }
  // Raises EComponentError for a name that is not an identifier (letters,
  // digits and "_", not starting with a digit) or that another component of
  // the same owner has. "" is allowed.
  virtual void SetName(const String& Value);
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t Value) { FTag = Value; }
  TComponentState ComponentState() const { return FComponentState; }

  // Links this component and AComponent so that each hears (opRemove) when
  // the other is deleted. Components of one owner, and an owner and the
  // components it owns, hear of each other anyway: for them nothing is linked.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Marks this component and the ones it owns as being destroyed.
  void Destroying();
  // Places this component under Value in a containment other than ownership
  // (a control's parent); the layout reader calls it for nested components.
  // The default ignores it.
  virtual void SetParentComponent(TComponent* Value);

 protected:
  // The layout reader calls it once the whole layout is read; the default
  // clears csLoading.
  virtual void Loaded();
  // AComponent joined (opInsert) or is leaving (opRemove) the owner of this
  // component or a linked one. The default forgets a link to a leaving
  // component and passes the notification on to the owned components;
  // overrides call it.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Sets or clears csDesigning, on the owned components too when SetChildren.
  void SetDesigning(bool Value, bool SetChildren = true);

 private:
  friend class TLayoutReader;

  void Unlink(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  String FName;
  std::intptr_t FTag = 0;
  TComponentState FComponentState;
};

}  // namespace plat
