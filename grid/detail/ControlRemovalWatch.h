#pragma once
// The component through which a TControlList hears that one of its
// controls is being freed elsewhere.
#include "platform/ui/TComponent.h"

namespace zorbit {

class TControlList;

namespace detail {

class TControlRemovalWatch : public plat::TComponent {
 public:
  explicit TControlRemovalWatch(TControlList& List) : plat::TComponent(nullptr), FList(List) {}

 protected:
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  TControlList& FList;
};

}  // namespace detail
}  // namespace zorbit
