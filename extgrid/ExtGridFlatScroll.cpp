// Flat scroll bars: the common controls' functions looked up by name on
// each use, so that a system without them keeps the standard bars.
#include "extgrid/TExtStringGrid.h"
#include "platform/os/ModuleExports.h"
#include "platform/rtl/HResult.h"
#include "platform/win/FlatScrollBars.h"
#include "platform/win/ScrollBars.h"

namespace zorbit {

namespace {

using TInitializeFlatSB = plat::BOOL (*)(plat::HWND);
using TUninitializeFlatSB = plat::HRESULT (*)(plat::HWND);
using TFlatSBSetScrollProp = plat::BOOL (*)(plat::HWND, plat::UINT, plat::INT_PTR, plat::BOOL);
using TFlatSBShowScrollBar = plat::BOOL (*)(plat::HWND, int, plat::BOOL);
using TFlatSBSetScrollInfo = int (*)(plat::HWND, int, plat::SCROLLINFO*, plat::BOOL);

// Null where the library or the function is missing.
template <typename TFunction>
TFunction CommonControlsFunction(const char* Name) {
  const plat::HMODULE module = plat::GetModuleHandle("comctl32.dll");
  return module ? reinterpret_cast<TFunction>(plat::GetProcAddress(module, Name)) : nullptr;
}

}  // namespace

void TExtStringGrid::InitFlatScrollBars() {
  const auto initialize = CommonControlsFunction<TInitializeFlatSB>("InitializeFlatSB");
  FFlatScrollActive = initialize && HandleAllocated();
  if (FFlatScrollActive) initialize(Handle());
}

void TExtStringGrid::DoneFlatScrollBars() {
  FFlatScrollActive = false;
  if (!HandleAllocated()) return;
  if (const auto uninitialize = CommonControlsFunction<TUninitializeFlatSB>("UninitializeFlatSB"))
    uninitialize(Handle());
}

void TExtStringGrid::SetFlatScrollProp(plat::UINT Index, plat::INT_PTR Value) {
  if (!FFlatScrollActive) return;
  if (const auto setProp = CommonControlsFunction<TFlatSBSetScrollProp>("FlatSB_SetScrollProp"))
    setProp(Handle(), Index, Value, plat::TRUE);
}

bool TExtStringGrid::FlatBarAllowed(int Bar) const {
  const auto bars = FScrollBars;
  if (Bar == plat::SB_HORZ) return bars == plat::TScrollStyle::ssHorizontal || bars == plat::TScrollStyle::ssBoth;
  return bars == plat::TScrollStyle::ssVertical || bars == plat::TScrollStyle::ssBoth;
}

void TExtStringGrid::ShowFlatScrollBar(int Bar, bool Show) {
  if (!FFlatScrollActive || !FlatBarAllowed(Bar)) return;
  if (const auto show = CommonControlsFunction<TFlatSBShowScrollBar>("FlatSB_ShowScrollBar"))
    show(Handle(), Bar, Show ? plat::TRUE : plat::FALSE);
}

void TExtStringGrid::CopyScrollInfoToFlat(int Bar) {
  if (!FFlatScrollActive || !FlatBarAllowed(Bar)) return;
  const auto setInfo = CommonControlsFunction<TFlatSBSetScrollInfo>("FlatSB_SetScrollInfo");
  if (!setInfo) return;
  plat::SCROLLINFO info{};
  info.fMask = plat::SIF_ALL;
  plat::GetScrollInfo(Handle(), Bar, &info);
  setInfo(Handle(), Bar, &info, plat::TRUE);
}

void TExtStringGrid::ApplyFlatStyle() {
  const plat::INT_PTR style = FScrollType == TScrollType::ssFlat      ? plat::FSB_FLAT_MODE
                              : FScrollType == TScrollType::ssEncarta ? plat::FSB_ENCARTA_MODE
                                                                      : plat::FSB_REGULAR_MODE;
  SetFlatScrollProp(plat::WSB_PROP_VSTYLE, style);
  SetFlatScrollProp(plat::WSB_PROP_HSTYLE, style);
}

void TExtStringGrid::ApplyFlatColor() {
  if (FScrollColor == plat::clNone) return;
  SetFlatScrollProp(plat::WSB_PROP_VBKGCOLOR, static_cast<plat::INT_PTR>(FScrollColor));
  SetFlatScrollProp(plat::WSB_PROP_HBKGCOLOR, static_cast<plat::INT_PTR>(FScrollColor));
}

void TExtStringGrid::ApplyFlatWidth() {
  SetFlatScrollProp(plat::WSB_PROP_CXVSCROLL, FScrollWidth);
  SetFlatScrollProp(plat::WSB_PROP_CYHSCROLL, FScrollWidth);
}

void TExtStringGrid::ShowFlatBarsAsNeeded() {
  const bool vertical = VisibleRowCount() + TBaseGrid::FixedRows() < RowCount();
  ShowFlatScrollBar(plat::SB_VERT, vertical);
  if (vertical) CopyScrollInfoToFlat(plat::SB_VERT);
  const bool horizontal = VisibleColCount() + TBaseGrid::FixedCols() < ColCount();
  ShowFlatScrollBar(plat::SB_HORZ, horizontal);
  if (horizontal) CopyScrollInfoToFlat(plat::SB_HORZ);
}

void TExtStringGrid::SetScrollType(TScrollType Value) {
  if (Value != FScrollType) {
    FScrollType = Value;
    if (Value == TScrollType::ssNormal) {
      DoneFlatScrollBars();
    } else {
      InitFlatScrollBars();
      ApplyFlatStyle();
      ApplyFlatColor();
      ApplyFlatWidth();
      ShowFlatBarsAsNeeded();
    }
  }
  ApplyFlatStyle();
}

void TExtStringGrid::SetScrollColor(plat::TColor Value) {
  FScrollColor = Value;
  ApplyFlatColor();
}

void TExtStringGrid::SetScrollWidth(int Value) {
  FScrollWidth = Value;
  ApplyFlatWidth();
}

}  // namespace zorbit
