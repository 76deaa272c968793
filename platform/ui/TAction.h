#pragma once
// The standard action: a caption, enabled and checked states, a hint, an
// image, a shortcut and a visibility that its linked controls and menu
// items show, kept in an action list.
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TBasicAction.h"

namespace plat {

class TActionList;

class TAction : public TBasicAction {
 public:
  explicit TAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TAction() override;

  // A disabled action does not execute. The action list's OnExecute comes
  // first and may handle it.
  bool Execute() override;
  bool Update() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // The group of actions (not 0) whose linked controls act as one group.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  const String& Category() const { return FCategory; }
  void SetCategory(const String& Value) { FCategory = Value; }

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* Value);
  // A layout places an action under its list.
  void SetParentComponent(TComponent* Value) override;

 private:
  String FCaption;
  bool FChecked = false;
  int FGroupIndex = 0;
  bool FEnabled = true;
  String FHint;
  int FImageIndex = -1;
  bool FVisible = true;
  TShortCut FShortCut = scNone;
  String FCategory;
  TActionList* FActionList = nullptr;
};

}  // namespace plat
