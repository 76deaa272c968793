#include "platform/win/FlatScrollBars.h"

#include <string>

#include "platform/win/Windows.h"
#include "platform/win/WindowProps.h"

namespace plat {

namespace {

// The window properties that carry the flat bars' state.
constexpr char InitializedProp[] = "FlatSB.Initialized";

bool KnownProperty(UINT index) {
  // One bit each, WSB_PROP_CYVSCROLL .. WSB_PROP_PALETTE.
  return index != 0 && (index & (index - 1)) == 0 && index <= WSB_PROP_PALETTE;
}

std::string PropertyName(UINT index) { return "FlatSB.Prop" + std::to_string(index); }

bool Initialized(HWND window) { return IsWindow(window) && GetProp(window, InitializedProp) != nullptr; }

}  // namespace

bool InitializeFlatSB(HWND window) {
  if (!IsWindow(window)) return false;
  return SetProp(window, InitializedProp, reinterpret_cast<HANDLE>(INT_PTR{1}));
}

HRESULT UninitializeFlatSB(HWND window) {
  if (!Initialized(window)) return E_FAIL;
  RemoveProp(window, InitializedProp);
  for (UINT index = WSB_PROP_CYVSCROLL; index <= WSB_PROP_PALETTE; index <<= 1)
    RemoveProp(window, PropertyName(index).c_str());
  return S_OK;
}

bool FlatSB_SetScrollProp(HWND window, UINT index, INT_PTR value, bool) {
  if (!Initialized(window) || !KnownProperty(index)) return false;
  return SetProp(window, PropertyName(index).c_str(), reinterpret_cast<HANDLE>(value));
}

bool FlatSB_GetScrollProp(HWND window, UINT index, int* value) {
  if (!value || !Initialized(window) || !KnownProperty(index)) return false;
  *value = static_cast<int>(reinterpret_cast<INT_PTR>(GetProp(window, PropertyName(index).c_str())));
  return true;
}

bool FlatSB_ShowScrollBar(HWND window, int bar, bool show) { return ShowScrollBar(window, bar, show); }

int FlatSB_SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw) {
  return SetScrollInfo(window, bar, info, redraw);
}

}  // namespace plat
