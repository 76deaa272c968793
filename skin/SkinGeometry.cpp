#include "skin/SkinGeometry.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/TypInfo.h"
#include "platform/win/Monitors.h"
#include "platform/win/SystemMetrics.h"
#include "skin/detail/ScrollBarInfoRoutine.h"

namespace zorbit {

bool PointInRect(const plat::TPoint& Point, const plat::TRect& Rect) {
  return Rect.Left <= Point.X && Point.X <= Rect.Right && Rect.Top <= Point.Y && Point.Y <= Rect.Bottom;
}

void SetControlPos(plat::TControl& Control, const plat::TPoint& Point) {
  Control.SetBounds(Point.X, Point.Y, Control.Width(), Control.Height());
}

void SetControlBounds(plat::TControl& Control, const plat::TRect& Rect) {
  Control.SetBounds(Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
}

bool HasPublishedProperty(const plat::TComponent& Component, const plat::String& PropName) {
  return plat::IsPublishedProp(Component, PropName);
}

void ContainerApplyUIStyle(plat::TWinControl& Container, TskUIStyle Style, plat::TComponent* Theme) {
  for (int i = 0; i < Container.ControlCount(); ++i) {
    plat::TControl* child = Container.Controls(i);
    if (!HasPublishedProperty(*child, "FileTheme") || !HasPublishedProperty(*child, "UIStyle")) continue;
    plat::SetObjectProp(*child, "FileTheme", Theme);
    plat::SetOrdProp(*child, "UIStyle", static_cast<int>(Style));
  }
}

plat::TRect GetMainWorkArea() {
  plat::TRect area{};
  if (plat::Application && plat::Application->MainForm()) {
    const plat::HMONITOR monitor =
        plat::MonitorFromWindow(plat::Application->MainForm()->Handle(), plat::MONITOR_DEFAULTTONEAREST);
    plat::MONITORINFO info;
    if (plat::GetMonitorInfo(monitor, &info)) return info.rcWork;
  }
  plat::SystemParametersInfo(plat::SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

bool IsFormActive(const plat::TCustomForm* Form) {
  const plat::TCustomForm* mainForm = plat::Application ? plat::Application->MainForm() : nullptr;
  if (!mainForm) return !Form || Form->Active();
  if (!plat::Application->Active()) return false;
  if (!Form || Form == mainForm) return true;
  return Form->Active();
}

bool SafeGetScrollBarInfo(plat::HWND Window, plat::LONG ObjectId, plat::SCROLLBARINFO* Info) {
  static detail::ScrollBarInfoRoutine routine;
  return routine.Call(Window, ObjectId, Info);
}

}  // namespace zorbit
