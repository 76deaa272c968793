#pragma once
// What a script's words name in the running program: a shown window by its
// class, a control of it by its name, a point on a control, and a control's
// contents as text. Every failure raises ETargetError with a message that
// names what was looked for, for the script's error line.
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"
#include "tools/uidrive/Script.h"

namespace plat {
class TComponent;
class TControl;
class TCustomForm;
}  // namespace plat

namespace uidrive {

class ETargetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The first shown window of that class (the class library's class name,
// "TfmZorbitMain"), or null.
plat::TCustomForm* FindShownForm(const std::string& ClassName);
// The class names of the shown windows, in the screen's order.
std::vector<std::string> ShownFormClasses();

// The component of that name on the window, at any depth of ownership;
// the window itself for "-" or its own name. Raises when there is none.
plat::TComponent& FindNamed(plat::TCustomForm& Form, const std::string& Name);
// The same for a control; raises also when the component is none.
plat::TControl& FindControl(plat::TCustomForm& Form, const std::string& Name);

// The point on the screen: the centre of the control, of a list box's item,
// of a grid's cell, or a point of its client area. Raises for an item or
// cell that the control does not have or does not show.
plat::TPoint ScreenPoint(plat::TControl& Control, const TPointSpec& Point);

// The control's text (caption).
plat::String ControlText(plat::TControl& Control);
// A list box's items; raises for another control.
std::vector<plat::String> ControlItems(plat::TControl& Control);
// The cells of a string grid (any descendant of the platform's string grid)
// row by row, or of one row; raises for another control or a row beyond the
// grid's rows.
std::vector<std::vector<plat::String>> GridCells(plat::TControl& Control, int Row = -1);
// A published property's value, of a control or any other component (the
// skinned frame): a text as it is, an enumeration or boolean by its name
// ("True"), a number or set in decimal.
plat::String PropertyText(plat::TComponent& Component, const std::string& Name);

}  // namespace uidrive
