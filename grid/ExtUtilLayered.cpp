#include "grid/ExtUtilLayered.h"

#include "platform/os/ModuleExports.h"

namespace zorbit {
namespace {

template <typename Function>
Function LookUpUser32(const char* Name) {
  const plat::HMODULE user32 = plat::GetModuleHandle("USER32");
  return user32 ? reinterpret_cast<Function>(plat::GetProcAddress(user32, Name)) : nullptr;
}

}  // namespace

bool CallUpdateLayeredWindow(plat::HWND Window, plat::HDC DestDc, plat::POINT* DestPos, plat::SIZE* Size,
                             plat::HDC SourceDc, plat::POINT* SourcePos, plat::COLORREF Key, plat::BLENDFUNCTION* Blend,
                             plat::DWORD Flags) {
  const auto function = LookUpUser32<TUpdateLayeredWindow>("UpdateLayeredWindow");
  return !function || function(Window, DestDc, DestPos, Size, SourceDc, SourcePos, Key, Blend, Flags) != 0;
}

bool CallSetLayeredWindowAttributes(plat::HWND Window, plat::COLORREF Key, plat::Byte Alpha, plat::DWORD Flags) {
  const auto function = LookUpUser32<TSetLayeredWindowAttributes>("SetLayeredWindowAttributes");
  return !function || function(Window, Key, Alpha, Flags) != 0;
}

}  // namespace zorbit
