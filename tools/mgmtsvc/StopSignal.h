#pragma once
// One process-wide "time to stop" flag that every blocking wait can watch:
// an eventfd that becomes readable once and stays readable, so poll() in any
// thread wakes up when the service is asked to end.
namespace zorbit::mgmtsvc {

class StopSignal {
 public:
  StopSignal();
  ~StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  void Raise();
  bool Raised() const;
  // The descriptor to add to a poll set (readable once raised).
  int Fd() const { return FFd; }
  // Waits up to Milliseconds; true when the stop was raised meanwhile.
  bool WaitFor(int Milliseconds) const;

 private:
  int FFd;
};

}  // namespace zorbit::mgmtsvc
