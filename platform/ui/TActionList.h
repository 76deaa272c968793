#pragma once
// A list of actions that a form keeps: it can handle the execution and the
// idle-time update of all of them.
#include <functional>
#include <vector>

#include "platform/ui/TComponent.h"
#include "platform/ui/TComponentRef.h"

namespace plat {

class TAction;
class TBasicAction;
class TImageList;

using TActionEvent = std::function<void(TBasicAction* Action, bool& Handled)>;

class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* AOwner);
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  // Raises EListError for an index out of range.
  TAction* Actions(int Index) const;
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);

  // Answers whether OnExecute (OnUpdate) handled the action.
  bool ExecuteAction(TBasicAction* Action);
  bool UpdateAction(TBasicAction* Action);
  // Lets every action update itself (the application does this at idle time).
  void UpdateActions();

  TActionEvent OnExecute;
  TActionEvent OnUpdate;

  // Every action list that exists, for the application's idle update.
  static const std::vector<TActionList*>& All();

 private:
  friend class TAction;

  std::vector<TAction*> FActions;
  TComponentRef<TImageList> FImages;
};

}  // namespace plat
