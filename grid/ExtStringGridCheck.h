#pragma once
// TExtStringGridCheck: the hook the advanced grid calls on a committed
// edit. Correct (with AutoCorrect) and MarkError (with AutoMarkError) get
// the committed text and answer the cell's new text; the base answers it
// unchanged, so a descendant overrides only what it checks.
#include "platform/rtl/Types.h"
#include "platform/ui/TComponent.h"

namespace zorbit {

class TExtStringGridCheck : public plat::TComponent {
 public:
  explicit TExtStringGridCheck(plat::TComponent* AOwner) : plat::TComponent(AOwner) {}

  virtual plat::String MarkError(int ACol, int ARow, const plat::String& Value);
  virtual plat::String Correct(int ACol, int ARow, const plat::String& Value);
  // Called when checking starts and ends; nothing to do in the base.
  virtual void StartCheck() {}
  virtual void StopCheck() {}

  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool Value) { FGotoCell = Value; }
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool Value) { FUseCorrect = Value; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool Value) { FUseMarkError = Value; }

 private:
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FGotoCell = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};

}  // namespace zorbit
