#pragma once
// The system's scroll-bar information routine, looked up by name in
// "User32.dll" at the first call and never again: when the library or the
// routine is missing, every call answers false from then on. The library is
// freed with the object (for the process-wide one, when the program ends).
#include "platform/os/ModuleExports.h"
#include "platform/win/ScrollBars.h"

namespace zorbit::detail {

class ScrollBarInfoRoutine {
 public:
  ScrollBarInfoRoutine() = default;
  ~ScrollBarInfoRoutine();
  ScrollBarInfoRoutine(const ScrollBarInfoRoutine&) = delete;
  ScrollBarInfoRoutine& operator=(const ScrollBarInfoRoutine&) = delete;

  bool Call(plat::HWND Window, plat::LONG ObjectId, plat::SCROLLBARINFO* Info);

 private:
  using TGetScrollBarInfo = plat::BOOL (*)(plat::HWND, plat::LONG, plat::SCROLLBARINFO*);

  bool FResolved = false;
  plat::HMODULE FLibrary = nullptr;
  TGetScrollBarInfo FRoutine = nullptr;
};

}  // namespace zorbit::detail
