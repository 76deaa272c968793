#include "grid/TControlList.h"

#include <algorithm>

#include "grid/detail/ControlRemovalWatch.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/ui/TControl.h"

namespace zorbit {

namespace detail {

void TControlRemovalWatch::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TComponent::Notification(AComponent, Operation);
  if (Operation == plat::TOperation::opRemove) FList.Forget(AComponent);
}

}  // namespace detail

TControlList::TControlList() : FWatch(std::make_unique<detail::TControlRemovalWatch>(*this)) {}

TControlList::~TControlList() {
  // Each control leaves the list (through the watch) as it is freed.
  while (!FControls.empty()) delete FControls.front();
}

void TControlList::Add(plat::TControl* AControl) {
  if (!AControl || std::find(FControls.begin(), FControls.end(), AControl) != FControls.end()) return;
  FControls.push_back(AControl);
  AControl->FreeNotification(FWatch.get());
}

plat::TControl* TControlList::Item(int Index) const {
  if (Index < 0 || Index >= Count()) throw plat::EListError(plat::FmtLoadResString(plat::SListIndexError, {Index}));
  return FControls[static_cast<size_t>(Index)];
}

void TControlList::Forget(const plat::TComponent* AComponent) {
  std::erase_if(FControls,
                [AComponent](plat::TControl* held) { return static_cast<plat::TComponent*>(held) == AComponent; });
}

}  // namespace zorbit
