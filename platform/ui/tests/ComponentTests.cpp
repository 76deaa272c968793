#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>
#include <set>

#include "platform/ui/TComponent.h"

namespace plat {
namespace {

// What probes heard and when they went, by label.
struct TLog {
  std::vector<String> Lines;
  std::map<const TComponent*, String> Labels;
  std::set<String> DestroyingAtDeath;  // saw csDestroying in their destructor
  String Pending;                      // the label of the probe being built, before it knows it

  TComponent* Announce(const String& label, TComponent* owner) {
    Pending = label;
    return owner;
  }
  String LabelOf(const TComponent* component) {
    const auto found = Labels.find(component);
    return found != Labels.end() ? found->second : Pending;
  }
  int Count(const String& line) const { return static_cast<int>(std::count(Lines.begin(), Lines.end(), line)); }
  int IndexOf(const String& line) const {
    const auto found = std::find(Lines.begin(), Lines.end(), line);
    return found == Lines.end() ? -1 : static_cast<int>(found - Lines.begin());
  }
};

class TProbe : public TComponent {
 public:
  TProbe(TLog& log, const String& label, TComponent* owner)
      : TComponent(log.Announce(label, owner)), FLog(log), FLabel(label) {
    log.Labels[this] = label;
    SetName(label);
  }
  ~TProbe() override {
    FLog.Lines.push_back("~" + FLabel);
    if (ComponentState().Contains(TComponentStateItem::csDestroying)) {
      FLog.DestroyingAtDeath.insert(FLabel);
    }
  }
  using TComponent::SetDesigning;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    FLog.Lines.push_back(FLabel + (Operation == TOperation::opInsert ? " +" : " -") + FLog.LabelOf(AComponent));
    TComponent::Notification(AComponent, Operation);
  }

 private:
  TLog& FLog;
  String FLabel;
};

TEST(Component, OwnerListsAndLookups) {
  TLog log;
  TProbe form(log, "form", nullptr);
  auto* a = new TProbe(log, "btnOK", &form);
  auto* b = new TProbe(log, "btnCancel", &form);

  EXPECT_EQ(form.ComponentCount(), 2);
  EXPECT_EQ(form.Components(0), a);
  EXPECT_EQ(form.Components(1), b);
  EXPECT_EQ(a->Owner(), &form);
  EXPECT_EQ(a->GetOwner(), &form);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(form.ComponentIndex(), -1);
  EXPECT_EQ(form.FindComponent("BTNCANCEL"), b);
  EXPECT_EQ(form.FindComponent("btnHelp"), nullptr);
  EXPECT_EQ(form.FindComponent(""), nullptr);

  for (int bad : {-1, 2, 1000}) {
    try {
      form.Components(bad);
      FAIL() << bad;
    } catch (const EListError& error) {
      EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }

  auto* c = new TProbe(log, "lbTitle", &form);
  c->SetComponentIndex(0);
  EXPECT_EQ(form.Components(0), c);
  EXPECT_EQ(form.Components(1), a);
  c->SetComponentIndex(99);  // clamped to the end
  EXPECT_EQ(form.Components(2), c);
  c->SetComponentIndex(-5);
  EXPECT_EQ(form.Components(0), c);
}

TEST(Component, NamesMustBeIdentifiers) {
  struct TCase {
    const char* Name;
    bool Valid;
  };
  const TCase cases[] = {
      {"", true},     {"btnHelp", true}, {"_x1", true}, {"Label1", true}, {"1abc", false}, {"a b", false},
      {"a.b", false}, {"a-b", false},    {"ä", false},  {"x\xff", false}, {"\t", false},   {"$x", false},
  };
  TComponent component(nullptr);
  component.SetName("before");
  for (const TCase& c : cases) {
    if (c.Valid) {
      component.SetName(c.Name);
      EXPECT_EQ(component.Name(), c.Name);
      component.SetName("before");
      continue;
    }
    try {
      component.SetName(c.Name);
      FAIL() << c.Name;
    } catch (const EComponentError& error) {
      EXPECT_EQ(error.Message(), "'" + String(c.Name) + "' is not a valid component name");
    }
    EXPECT_EQ(component.Name(), "before");
  }
}

TEST(Component, NamesAreUniqueAmongTheComponentsOfOneOwner) {
  TComponent form(nullptr);
  TComponent other(nullptr);
  auto* ok = new TComponent(&form);
  ok->SetName("btnOK");
  auto* cancel = new TComponent(&form);
  try {
    cancel->SetName("BTNOK");
    FAIL() << "a second btnOK";
  } catch (const EComponentError& error) {
    EXPECT_EQ(error.Message(), "A component named BTNOK already exists");
  }
  ok->SetName("BtnOk");  // its own name in another case
  EXPECT_EQ(ok->Name(), "BtnOk");
  cancel->SetName("");  // unnamed ones never clash
  auto* unnamed = new TComponent(&form);
  EXPECT_EQ(unnamed->Name(), "");

  // Another owner, or none, has its own names.
  auto* foreign = new TComponent(&other);
  foreign->SetName("btnOK");
  TComponent loose(nullptr);
  loose.SetName("btnOK");
  // ... until it joins: then the clash is refused and nothing moves.
  EXPECT_THROW(form.InsertComponent(foreign), EComponentError);
  EXPECT_EQ(foreign->Owner(), &other);
  EXPECT_EQ(form.ComponentCount(), 3);
}

TEST(Component, JoiningAndLeavingTellTheOwnerAndItsComponents) {
  TLog log;
  TProbe form(log, "form", nullptr);
  TProbe other(log, "other", nullptr);
  new TProbe(log, "a", &form);
  auto* b = new TProbe(log, "b", &form);
  EXPECT_EQ(log.Lines, (std::vector<String>{"form +a", "form +b", "a +b"}));

  // The owner first, then the components it owns, in no particular order.
  auto heard = [&] { return std::set<String>(log.Lines.begin() + 1, log.Lines.end()); };
  log.Lines.clear();
  other.InsertComponent(b);  // taken from form
  EXPECT_EQ(b->Owner(), &other);
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_EQ(log.Lines.front(), "form -b");
  EXPECT_EQ(heard(), (std::set<String>{"a -b", "b -b", "other +b", "b +b"}));
  EXPECT_LT(log.IndexOf("b -b"), log.IndexOf("other +b"));

  log.Lines.clear();
  other.RemoveComponent(b);
  EXPECT_EQ(b->Owner(), nullptr);
  EXPECT_EQ(log.Lines.front(), "other -b");
  EXPECT_EQ(heard(), (std::set<String>{"b -b"}));
  form.RemoveComponent(b);  // not its owner: nothing happens
  delete b;
}

TEST(Component, NoComponentOwnsItselfOrItsOwner) {
  TComponent form(nullptr);
  auto* panel = new TComponent(&form);
  auto* button = new TComponent(panel);
  EXPECT_THROW(button->InsertComponent(&form), EComponentError);
  EXPECT_THROW(panel->InsertComponent(panel), EComponentError);
  EXPECT_EQ(form.Owner(), nullptr);
  EXPECT_EQ(panel->Owner(), &form);
  EXPECT_EQ(button->Owner(), panel);
}

TEST(Component, TagHoldsAPointerWideInteger) {
  TComponent component(nullptr);
  EXPECT_EQ(component.Tag(), 0);
  for (std::intptr_t value : {std::numeric_limits<std::intptr_t>::min(), std::intptr_t{-1}, std::intptr_t{65536},
                              std::numeric_limits<std::intptr_t>::max(), reinterpret_cast<std::intptr_t>(&component)}) {
    component.SetTag(value);
    EXPECT_EQ(component.Tag(), value);
  }
}

TEST(Component, OwnedComponentsGoLastFirstEachSeeingItsOwnerDestroying) {
  TLog log;
  auto form = std::make_unique<TProbe>(log, "form", nullptr);
  auto* a = new TProbe(log, "a", form.get());
  new TProbe(log, "b", a);
  new TProbe(log, "c", form.get());
  log.Lines.clear();
  form.reset();
  EXPECT_LT(log.IndexOf("~c"), log.IndexOf("~a"));
  EXPECT_LT(log.IndexOf("~a"), log.IndexOf("~b"));
  // a hears of c while c is still whole.
  EXPECT_LT(log.IndexOf("a -c"), log.IndexOf("~c"));
  // The owner's destruction marks what it owns before they go.
  EXPECT_EQ(log.DestroyingAtDeath, (std::set<String>{"a", "b", "c"}));
}

TEST(Component, DesigningSpreadsToOwnedComponents) {
  TLog log;
  TProbe form(log, "form", nullptr);
  auto* a = new TProbe(log, "a", &form);
  form.SetDesigning(true);
  EXPECT_TRUE(a->ComponentState().Contains(TComponentStateItem::csDesigning));
  form.SetDesigning(false, false);
  EXPECT_FALSE(form.ComponentState().Contains(TComponentStateItem::csDesigning));
  EXPECT_TRUE(a->ComponentState().Contains(TComponentStateItem::csDesigning));
}

TEST(Component, FreeNotificationCrossesOwnersBothWays) {
  TLog log;
  TProbe form1(log, "form1", nullptr);
  TProbe form2(log, "form2", nullptr);
  auto* menu = new TProbe(log, "menu", &form1);
  auto* edit = new TProbe(log, "edit", &form2);
  auto* list = new TProbe(log, "list", &form2);
  menu->FreeNotification(edit);
  menu->FreeNotification(edit);  // once is enough
  menu->FreeNotification(list);
  menu->RemoveFreeNotification(list);
  log.Lines.clear();

  delete menu;
  EXPECT_EQ(log.Count("edit -menu"), 1);
  EXPECT_EQ(log.Count("list -menu"), 0);
  EXPECT_EQ(log.Count("form1 -menu"), 1);
  EXPECT_EQ(log.Count("form2 -menu"), 0);  // form2 never asked

  // The other way: the one that asked goes first; the link goes with it.
  auto* menu2 = new TProbe(log, "menu2", &form1);
  menu2->FreeNotification(edit);
  log.Lines.clear();
  delete edit;
  EXPECT_EQ(log.Count("menu2 -edit"), 1);
  log.Lines.clear();
  delete menu2;
  EXPECT_EQ(log.Count("edit -menu2"), 0);  // and the sanitizers see no use of edit
}

// Every order of deleting seven related components: two owners, their
// components, and links across the owners. Whatever the order, each goes
// exactly once, nobody hears of anything after going, and every component
// related to one that goes hears of it exactly once if it outlives it.
TEST(Component, DestroyingInEveryOrder) {
  const std::vector<String> labels = {"form", "a", "b", "c", "other", "x", "y"};
  const std::map<String, String> ownerOf = {
      {"a", "form"}, {"b", "form"}, {"c", "form"}, {"x", "other"}, {"y", "other"}};
  const std::vector<std::pair<String, String>> links = {{"b", "x"}, {"c", "other"}, {"y", "form"}};
  // Whether listener must hear of dead going (what it owns goes with it).
  auto related = [&](const String& listener, const String& dead) {
    const auto po = ownerOf.find(listener);
    const auto qo = ownerOf.find(dead);
    const bool siblings = po != ownerOf.end() && qo != ownerOf.end() && po->second == qo->second;
    const bool owner = qo != ownerOf.end() && qo->second == listener;
    const String& p = listener;
    const String& q = dead;
    const bool linked = std::any_of(links.begin(), links.end(), [&](const auto& link) {
      return (link.first == p && link.second == q) || (link.first == q && link.second == p);
    });
    return siblings || owner || linked;
  };

  std::vector<int> order(labels.size());
  std::iota(order.begin(), order.end(), 0);
  int orders = 0;
  do {
    TLog log;
    std::map<String, TProbe*> probes;
    probes["form"] = new TProbe(log, "form", nullptr);
    probes["other"] = new TProbe(log, "other", nullptr);
    for (const auto& [label, owner] : ownerOf) probes[label] = new TProbe(log, label, probes[owner]);
    for (const auto& [p, q] : links) probes[p]->FreeNotification(probes[q]);
    log.Lines.clear();

    for (int index : order) {
      const String& label = labels[static_cast<std::size_t>(index)];
      if (log.IndexOf("~" + label) < 0) {
        delete probes[label];
      }
    }
    ++orders;
    std::map<String, std::pair<int, int>> lines;  // line -> count, first position
    for (int i = 0; i < static_cast<int>(log.Lines.size()); ++i) {
      auto [entry, fresh] = lines.try_emplace(log.Lines[static_cast<std::size_t>(i)], 0, i);
      ++entry->second.first;
    }
    auto count = [&](const String& line) { return lines.contains(line) ? lines[line].first : 0; };
    auto at = [&](const String& line) { return lines.contains(line) ? lines[line].second : -1; };
    for (const String& dead : labels) {
      ASSERT_EQ(count("~" + dead), 1) << dead;
      for (const String& listener : labels) {
        if (listener == dead) continue;
        const String heard = listener + " -" + dead;
        EXPECT_LE(count(heard), 1) << heard;
        if (count(heard) == 1) {
          EXPECT_LT(at(heard), at("~" + listener)) << heard;
        }
        if (related(listener, dead) && at("~" + listener) > at("~" + dead)) {
          EXPECT_EQ(count(heard), 1) << heard;
        }
      }
    }
  } while (std::next_permutation(order.begin(), order.end()) && !HasFailure());
  EXPECT_EQ(orders, 5040);
}

TEST(Component, ADestructorMayDeleteASibling) {
  class TKiller : public TComponent {
   public:
    using TComponent::TComponent;
    ~TKiller() override { delete Victim; }
    TComponent* Victim = nullptr;
  };
  auto form = std::make_unique<TComponent>(nullptr);
  auto* victim = new TComponent(form.get());
  auto* killer = new TKiller(form.get());
  killer->Victim = victim;
  auto* late = new TComponent(form.get());
  (void)late;
  form.reset();  // the sanitizers see every component go once
}

}  // namespace
}  // namespace plat
