#pragma once
// Runs a callable when the scope that holds it ends, however it ends (return
// or exception), unless dismissed first: the undo of a temporary change
// written next to the change.
//
//   FState.Include(fsCreating);
//   const ScopeExit created([this] { FState.Exclude(fsCreating); });
//
// The callable runs while an exception may be unwinding, so it must not throw.
#include <utility>

namespace plat {

template <typename F>
class ScopeExit {
 public:
  explicit ScopeExit(F Action) : FAction(std::move(Action)) {}
  ~ScopeExit() {
    if (FArmed) FAction();
  }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

  // The callable will not run.
  void Dismiss() { FArmed = false; }

 private:
  F FAction;
  bool FArmed = true;
};

}  // namespace plat
