#pragma once
// TComponentRef<T>: a weak handle to a component, in place of a raw pointer
// plus a Notification override that clears it. It reads as the component
// until that component is freed, and as nullptr from then on.
//
// Promises: the handle hears of the deletion through the component's free
// notifications, so it works whoever owns either side (same owner, owner
// and owned, no owner). It becomes null when the deletion reaches the
// component's notifications, in TComponent's destructor: code that runs
// from a derived class's destructor still sees the component, as it would
// through a raw pointer. A component whose destruction has already begun
// (csDestroying) is not taken: the handle stays null. Copies watch the same
// component; a moved-from handle is null. Resetting, reassigning or
// destroying the handle takes its link off the component: nothing stays
// registered behind it, and the component hears nothing of it.
//
// Costs: a null handle holds no link and allocates nothing; a handle that
// watches a component owns one small hidden component registered for its
// free notification. One thread, as every component.
#include <cstddef>
#include <memory>

namespace plat {

class TComponent;

namespace detail {
class TFreeWatch;
}  // namespace detail

// The untyped part: the link that hears of the watched component's deletion.
class TComponentRefBase {
 protected:
  TComponentRefBase() noexcept;
  TComponentRefBase(const TComponentRefBase& Other);
  TComponentRefBase(TComponentRefBase&& Other) noexcept;
  TComponentRefBase& operator=(const TComponentRefBase& Other);
  TComponentRefBase& operator=(TComponentRefBase&& Other) noexcept;
  ~TComponentRefBase();

  // Watches Component (nullptr: none), letting go of the one watched before.
  void Watch(TComponent* Component);
  // True while the watched component lives.
  bool Watching() const noexcept;

 private:
  std::unique_ptr<detail::TFreeWatch> FWatch;
};

template <class T>
class TComponentRef : private TComponentRefBase {
 public:
  // Made from, assigned from and read as a plain pointer, so that it takes
  // a raw pointer's place without changing the code around it.
  TComponentRef() noexcept = default;
  TComponentRef(std::nullptr_t) noexcept {}
  TComponentRef(T* Component) { Reset(Component); }
  TComponentRef(const TComponentRef&) = default;
  TComponentRef(TComponentRef&&) noexcept = default;
  TComponentRef& operator=(const TComponentRef&) = default;
  TComponentRef& operator=(TComponentRef&&) noexcept = default;
  ~TComponentRef() = default;

  TComponentRef& operator=(T* Component) {
    Reset(Component);
    return *this;
  }
  void Reset(T* Component = nullptr) {
    Watch(Component);
    FComponent = Watching() ? Component : nullptr;
  }

  // The component, or nullptr once it is freed.
  T* Get() const noexcept { return Watching() ? FComponent : nullptr; }
  operator T*() const noexcept { return Get(); }
  T* operator->() const noexcept { return Get(); }
  T& operator*() const noexcept { return *Get(); }

 private:
  // Kept typed, so that reading it never casts a component that is half
  // destroyed; meaningful only while Watching().
  T* FComponent = nullptr;
};

}  // namespace plat
