#include "platform/ui/TComponentRef.h"

#include "platform/ui/TComponent.h"

namespace plat {

namespace detail {

// A component of no owner, linked to the watched one: the free notification
// links any two such components, whatever owns the watched one.
class TFreeWatch final : public TComponent {
 public:
  TFreeWatch() : TComponent(nullptr) {}
  // Unlinked first, so that the base destructor tells the watched component
  // nothing.
  ~TFreeWatch() override { Watch(nullptr); }

  void Watch(TComponent* Component) {
    if (Component == FWatched) return;
    if (FWatched) RemoveFreeNotification(FWatched);
    // Too late to link: its notifications may have gone out already.
    if (Component && Component->ComponentState().Contains(TComponentStateItem::csDestroying)) Component = nullptr;
    FWatched = Component;
    if (Component) FreeNotification(Component);
  }
  TComponent* Watched() const { return FWatched; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FWatched) FWatched = nullptr;
  }

 private:
  TComponent* FWatched = nullptr;
};

}  // namespace detail

TComponentRefBase::TComponentRefBase() noexcept = default;

TComponentRefBase::TComponentRefBase(const TComponentRefBase& Other) {
  if (Other.Watching()) Watch(Other.FWatch->Watched());
}

TComponentRefBase::TComponentRefBase(TComponentRefBase&& Other) noexcept = default;

TComponentRefBase& TComponentRefBase::operator=(const TComponentRefBase& Other) {
  Watch(Other.Watching() ? Other.FWatch->Watched() : nullptr);
  return *this;
}

TComponentRefBase& TComponentRefBase::operator=(TComponentRefBase&& Other) noexcept = default;

TComponentRefBase::~TComponentRefBase() = default;

void TComponentRefBase::Watch(TComponent* Component) {
  if (!FWatch) {
    if (!Component) return;
    FWatch = std::make_unique<detail::TFreeWatch>();
  }
  FWatch->Watch(Component);
}

bool TComponentRefBase::Watching() const noexcept { return FWatch && FWatch->Watched(); }

}  // namespace plat
