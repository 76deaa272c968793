#include "grid/TExtGridButtonActionLink.h"

#include "grid/TExtGridButton.h"
#include "platform/ui/TAction.h"

namespace zorbit {

TExtGridButtonActionLink::TExtGridButtonActionLink(TExtGridButton* Client)
    : plat::TControlActionLink(Client), FClient(Client) {}

bool TExtGridButtonActionLink::Seen() const { return FSeen && FSeen->Action == Action(); }

bool TExtGridButtonActionLink::IsCaptionLinked() const { return !Seen() || FSeen->Caption == FClient->Caption(); }

bool TExtGridButtonActionLink::IsCheckedLinked() const {
  return Seen() && FClient->GroupIndex() != 0 && FClient->AllowAllUp() && FSeen->Checked == FClient->Down();
}

bool TExtGridButtonActionLink::IsGroupIndexLinked() const {
  return Seen() && FSeen->GroupIndex == FClient->GroupIndex();
}

void TExtGridButtonActionLink::Change() {
  auto* action = dynamic_cast<plat::TAction*>(Action());
  if (!action) {
    plat::TControlActionLink::Change();
    return;
  }
  const bool linking = !Seen();
  // Decided against what the action showed before this change.
  const bool groupIndexLinked = linking || IsGroupIndexLinked();
  const bool checkedLinked = linking || IsCheckedLinked();
  plat::TControlActionLink::Change();
  if (groupIndexLinked) FClient->SetGroupIndex(action->GroupIndex());
  if (checkedLinked) FClient->SetDown(action->Checked());
  FSeen = TSeen{action, action->Caption(), action->Checked(), action->GroupIndex()};
}

}  // namespace zorbit
