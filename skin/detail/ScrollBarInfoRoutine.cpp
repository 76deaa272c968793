#include "skin/detail/ScrollBarInfoRoutine.h"

namespace zorbit::detail {

ScrollBarInfoRoutine::~ScrollBarInfoRoutine() {
  if (FLibrary) plat::FreeLibrary(FLibrary);
}

bool ScrollBarInfoRoutine::Call(plat::HWND Window, plat::LONG ObjectId, plat::SCROLLBARINFO* Info) {
  if (!FResolved) {
    FResolved = true;
    FLibrary = plat::LoadLibrary(plat::String("User32.dll"));
    if (FLibrary) FRoutine = reinterpret_cast<TGetScrollBarInfo>(plat::GetProcAddress(FLibrary, "GetScrollBarInfo"));
  }
  return FRoutine && FRoutine(Window, ObjectId, Info) != 0;
}

}  // namespace zorbit::detail
