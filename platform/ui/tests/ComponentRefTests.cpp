// TComponentRef: a weak handle reads as its component until that component
// is freed, whichever goes first and whoever owns what; it leaves nothing
// registered behind itself (the components log every notification they
// hear, so a stray link would show); under AddressSanitizer a dangling link
// would show as a use after free.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TToolButton.h"
#include "platform/ui/tests/FormTestFixture.h"

namespace plat {
namespace {

// A component that logs the removals it hears and may act on them.
class TListener : public TComponent {
 public:
  TListener(std::vector<String>& Log, const String& Label, TComponent* AOwner)
      : TComponent(AOwner), FLog(Log), FLabel(Label) {}
  std::function<void(TComponent*)> OnRemoval;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    FLog.push_back(FLabel + " heard a removal");
    if (OnRemoval) OnRemoval(AComponent);
  }

 private:
  std::vector<String>& FLog;
  String FLabel;
};

// A component holding a handle to another, read in its destructor.
class THolder : public TComponent {
 public:
  THolder(TComponent* AOwner, TComponent* Target, TComponent** SeenAtDeath)
      : TComponent(AOwner), FTarget(Target), FSeenAtDeath(SeenAtDeath) {}
  ~THolder() override { *FSeenAtDeath = FTarget; }
  TComponentRef<TComponent>& Target() { return FTarget; }

 private:
  TComponentRef<TComponent> FTarget;
  TComponent** FSeenAtDeath;
};

TEST(ComponentRef, ReadsAsTheComponentUntilItIsFreed) {
  TComponentRef<TComponent> empty;
  EXPECT_EQ(empty.Get(), nullptr);
  EXPECT_FALSE(empty);

  auto* button = new TComponent(nullptr);
  TComponentRef<TComponent> ref = button;
  EXPECT_EQ(ref.Get(), button);
  EXPECT_TRUE(ref == button);
  EXPECT_EQ(ref->Owner(), nullptr);
  EXPECT_EQ(&*ref, button);
  delete button;
  EXPECT_EQ(ref.Get(), nullptr);
  EXPECT_FALSE(ref);
}

TEST(ComponentRef, AHandleFreedFirstLeavesNothingBehind) {
  std::vector<String> log;
  auto* target = new TListener(log, "target", nullptr);
  {
    TComponentRef<TComponent> ref = target;
    TComponentRef<TComponent> copy = ref;
  }
  delete target;  // a link left behind would be a use after free here
  EXPECT_TRUE(log.empty()) << log.front();
}

TEST(ComponentRef, ReassignedItWatchesOnlyTheNewComponent) {
  std::vector<String> log;
  TListener first(log, "first", nullptr);
  auto* second = new TListener(log, "second", nullptr);
  TComponentRef<TListener> ref = &first;
  ref = second;
  EXPECT_EQ(ref.Get(), second);
  ref.Reset(&first);
  ref = second;
  delete second;
  EXPECT_EQ(ref.Get(), nullptr);
  ref = &first;
  EXPECT_EQ(ref.Get(), &first);
  ref = nullptr;
  EXPECT_EQ(ref.Get(), nullptr);
  EXPECT_TRUE(log.empty()) << log.front();
}

TEST(ComponentRef, SeveralHandlesToOneComponentGoNullTogether) {
  auto* target = new TComponent(nullptr);
  TComponentRef<TComponent> a = target;
  TComponentRef<TComponent> b = target;
  std::vector<TComponentRef<TComponent>> copies(3, a);
  {
    TComponentRef<TComponent> gone = target;  // one handle going leaves the others be
  }
  TComponentRef<TComponent> assigned;
  assigned = b;
  TComponentRef<TComponent> moved = std::move(b);
  EXPECT_EQ(b.Get(), nullptr);  // a moved-from handle is null
  EXPECT_EQ(moved.Get(), target);
  delete target;
  for (const TComponentRef<TComponent>* ref : {&a, &assigned, &moved, &copies[0], &copies[1], &copies[2]})
    EXPECT_EQ(ref->Get(), nullptr);
}

TEST(ComponentRef, ItWorksWhateverOwnsEitherSide) {
  // Components of one owner, and an owner and what it owns, hear of each
  // other without links: the handle links anyway.
  TComponent* seen = nullptr;
  {
    TComponent form(nullptr);
    auto* target = new TComponent(&form);
    auto* holder = new THolder(&form, target, &seen);  // freed first: the last made
    EXPECT_EQ(holder->Target().Get(), target);
  }
  EXPECT_NE(seen, nullptr);

  {
    TComponent form(nullptr);
    auto* holder = new THolder(&form, nullptr, &seen);
    holder->Target() = new TComponent(&form);  // freed first
  }
  EXPECT_EQ(seen, nullptr);

  {
    auto* holder = new THolder(nullptr, nullptr, &seen);
    auto* owned = new TComponent(holder);
    holder->Target() = owned;
    delete owned;
    EXPECT_EQ(holder->Target().Get(), nullptr);
    delete holder;
  }
  EXPECT_EQ(seen, nullptr);
}

TEST(ComponentRef, ComponentsFreedWhileTheirRemovalIsBeingHeard) {
  // The handle's holder goes while the target's removal is going round.
  {
    std::vector<String> log;
    auto* target = new TComponent(nullptr);
    TComponent* seen = nullptr;
    auto* holder = new THolder(nullptr, target, &seen);
    TListener listener(log, "listener", nullptr);
    listener.FreeNotification(target);  // linked last: hears first
    listener.OnRemoval = [&](TComponent*) { delete std::exchange(holder, nullptr); };
    delete target;
    EXPECT_EQ(holder, nullptr);
    EXPECT_EQ(seen, target);  // still there while its removal was going round
  }
  // The target goes while another component's removal is going round.
  {
    std::vector<String> log;
    auto* other = new TComponent(nullptr);
    auto* target = new TComponent(nullptr);
    TComponentRef<TComponent> ref = target;
    TListener listener(log, "listener", nullptr);
    listener.FreeNotification(other);
    listener.OnRemoval = [&](TComponent*) { delete std::exchange(target, nullptr); };
    delete other;
    EXPECT_EQ(ref.Get(), nullptr);
  }
  // A handle taken to a component already on its way out stays null.
  {
    std::vector<String> log;
    TComponent form(nullptr);
    auto* doomed = new TComponent(&form);
    TComponentRef<TComponent> late;
    auto* listener = new TListener(log, "listener", &form);
    listener->OnRemoval = [&](TComponent* AComponent) { late = AComponent; };
    delete doomed;
    EXPECT_EQ(late.Get(), nullptr);
    EXPECT_EQ(log.size(), 1u);
    listener->OnRemoval = nullptr;  // the form's own end is heard too
  }
}

}  // namespace
}  // namespace plat

// What the class library's components keep of other components, held
// weakly: a component of the same owner, which hears of nothing through
// links of its own, is forgotten when it is freed.
namespace uitest {
namespace {

class HeldComponents : public FormTest {};

// A component a holder keeps, and how the holder reads it back.
struct THeld {
  TComponent* Component;
  std::function<TComponent*()> Read;
};

TEST_F(HeldComponents, AreForgottenWhenFreed) {
  // Each makes a holder and the component it keeps, both on Form.
  const std::pair<const char*, std::function<THeld(TForm*)>> cases[] = {
      {"TToolButton.DropdownMenu",
       [](TForm* Form) {
         auto* button = new TToolButton(Form);
         button->SetDropdownMenu(new TPopupMenu(Form));
         return THeld{button->DropdownMenu(), [button] { return button->DropdownMenu(); }};
       }},
      {"TToolButton.MenuItem",
       [](TForm* Form) {
         auto* button = new TToolButton(Form);
         button->SetMenuItem(new TMenuItem(Form));
         return THeld{button->MenuItem(), [button] { return button->MenuItem(); }};
       }},
      {"TCustomForm.Menu",
       [](TForm* Form) {
         Form->SetMenu(new TMainMenu(Form));
         return THeld{Form->Menu(), [Form] { return Form->Menu(); }};
       }},
      {"TBasicAction.ActionComponent",
       [](TForm* Form) {
         auto* action = new TAction(Form);
         action->SetActionComponent(new TComponent(Form));
         return THeld{action->ActionComponent(), [action] { return action->ActionComponent(); }};
       }},
      {"TCustomLabel.FocusControl",
       [](TForm* Form) {
         auto* label = new TLabel(Form);
         label->SetFocusControl(new TEdit(Form));
         return THeld{label->FocusControl(), [label] { return label->FocusControl(); }};
       }},
      {"TPopupMenu.PopupComponent",
       [](TForm* Form) {
         auto* menu = new TPopupMenu(Form);
         menu->SetPopupComponent(new TComponent(Form));
         return THeld{menu->PopupComponent(), [menu] { return menu->PopupComponent(); }};
       }},
      {"TActionList.Images",
       [](TForm* Form) {
         auto* list = new TActionList(Form);
         list->SetImages(new TImageList(Form));
         return THeld{list->Images(), [list] { return list->Images(); }};
       }},
  };
  for (const auto& [name, make] : cases) {
    SCOPED_TRACE(name);
    auto* form = new TForm(nullptr);
    const THeld held = make(form);
    ASSERT_NE(held.Component, nullptr);
    EXPECT_EQ(held.Read(), held.Component);
    delete held.Component;
    EXPECT_EQ(held.Read(), nullptr);
    delete form;
  }
}

}  // namespace
}  // namespace uitest
