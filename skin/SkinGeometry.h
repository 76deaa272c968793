#pragma once
// Geometry and control helpers the skinned controls share: points in
// rectangles (edges included), placing controls, whether a component
// publishes a property, passing a style on to a container's children, the
// work area the main window lies on, whether a form is drawn active, and the
// system's scroll-bar information when the system offers it.
//
// There is no multiple-document interface here: IsFormActive never meets an
// MDI frame or child, so only its plain-form rules apply.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"
#include "platform/win/ScrollBars.h"
#include "skin/ThemeElements.h"

namespace plat {
class TComponent;
class TControl;
class TCustomForm;
class TWinControl;
}  // namespace plat

namespace zorbit {

// Left <= X <= Right and Top <= Y <= Bottom.
bool PointInRect(const plat::TPoint& Point, const plat::TRect& Rect);
void SetControlPos(plat::TControl& Control, const plat::TPoint& Point);
// Left, Top, Width = Right - Left, Height = Bottom - Top.
void SetControlBounds(plat::TControl& Control, const plat::TRect& Rect);

bool HasPublishedProperty(const plat::TComponent& Component, const plat::String& PropName);
// For each direct child control, in order, that publishes both "FileTheme"
// and "UIStyle": FileTheme := Theme, then UIStyle := Style, through the
// published properties so that each child's setters run. Theme is the
// window's theme component (or none).
void ContainerApplyUIStyle(plat::TWinControl& Container, TskUIStyle Style, plat::TComponent* Theme);

// The work area of the monitor nearest the application's main form; without
// an application or main form, the primary monitor's from the system's
// parameters.
plat::TRect GetMainWorkArea();

// Whether Form is drawn active: its own Active flag while there is no main
// form; otherwise False while the application is inactive, True for no
// form or the main form, else the form's Active flag.
bool IsFormActive(const plat::TCustomForm* Form);

// GetScrollBarInfo looked up by name in "User32.dll" at the first call;
// when it is missing, False now and at every later call, without looking
// again.
bool SafeGetScrollBarInfo(plat::HWND Window, plat::LONG ObjectId, plat::SCROLLBARINFO* Info);

}  // namespace zorbit
