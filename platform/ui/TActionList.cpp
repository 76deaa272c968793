#include "platform/ui/TActionList.h"

#include <algorithm>

#include "platform/rtl/RtlConsts.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TImageList.h"

namespace plat {

namespace {

std::vector<TActionList*>& Lists() {
  static std::vector<TActionList*> lists;
  return lists;
}

}  // namespace

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) { Lists().push_back(this); }

TActionList::~TActionList() {
  Destroying();
  std::erase(Lists(), this);
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

const std::vector<TActionList*>& TActionList::All() { return Lists(); }

TAction* TActionList::Actions(int Index) const {
  if (Index < 0 || Index >= ActionCount()) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  return FActions[static_cast<std::size_t>(Index)];
}

void TActionList::SetImages(TImageList* Value) { FImages = Value; }

bool TActionList::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnExecute) OnExecute(Action, handled);
  return handled;
}

bool TActionList::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnUpdate) OnUpdate(Action, handled);
  return handled;
}

void TActionList::UpdateActions() {
  for (TAction* action : std::vector<TAction*>(FActions)) action->Update();
}

}  // namespace plat
