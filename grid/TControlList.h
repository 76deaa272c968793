#pragma once
// A list that owns the controls it holds: destroying the list frees them,
// the first one first. A held control that is freed elsewhere first (by its
// owner or its parent) leaves the list at that moment, so the list never
// frees a control twice.
#include <memory>
#include <vector>

#include "platform/rtl/Object.h"

namespace plat {
class TComponent;
class TControl;
}  // namespace plat

namespace zorbit {

namespace detail {
class TControlRemovalWatch;
}

class TControlList : public plat::TObject {
 public:
  TControlList();
  ~TControlList() override;
  TControlList(const TControlList&) = delete;
  TControlList& operator=(const TControlList&) = delete;

  // Takes AControl into the list's care; a control already held stays once.
  void Add(plat::TControl* AControl);
  int Count() const { return static_cast<int>(FControls.size()); }
  // Raises EListError outside the list.
  plat::TControl* Item(int Index) const;

 private:
  friend class detail::TControlRemovalWatch;
  void Forget(const plat::TComponent* AComponent);

  std::vector<plat::TControl*> FControls;
  std::unique_ptr<detail::TControlRemovalWatch> FWatch;
};

}  // namespace zorbit
