#pragma once
// The tie between a TExtGridButton and its action. On linking, the button
// takes the action's caption, checked state (as Down) and group index with
// the rest every control takes. Afterwards each follows the action only
// while the button still agrees with what the action last showed: the
// caption while the button's caption equals the action's; Down while the
// button is in a group, AllowAllUp is on and Down equals the action's
// Checked; GroupIndex while it equals the action's.
#include <optional>

#include "platform/rtl/Types.h"
#include "platform/ui/TControlActionLink.h"

namespace zorbit {

class TExtGridButton;

class TExtGridButtonActionLink : public plat::TControlActionLink {
 public:
  explicit TExtGridButtonActionLink(TExtGridButton* Client);

  bool IsCaptionLinked() const override;
  bool IsCheckedLinked() const;
  bool IsGroupIndexLinked() const;

 protected:
  void Change() override;

 private:
  // What the linked action showed at its last change.
  struct TSeen {
    plat::TBasicAction* Action;
    plat::String Caption;
    bool Checked;
    int GroupIndex;
  };
  bool Seen() const;

  TExtGridButton* FClient;
  std::optional<TSeen> FSeen;
};

}  // namespace zorbit
