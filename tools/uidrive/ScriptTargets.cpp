#include "tools/uidrive/ScriptTargets.h"

#include "platform/ui/TCustomForm.h"
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TStringGrid.h"
#include "platform/rtl/Conversions.h"
#include "platform/ui/TypInfo.h"

namespace uidrive {

namespace {

plat::TComponent* FindOwned(const plat::TComponent& Owner, const std::string& Name) {
  if (plat::TComponent* found = Owner.FindComponent(Name)) return found;
  for (int i = 0; i < Owner.ComponentCount(); ++i)
    if (plat::TComponent* found = FindOwned(*Owner.Components(i), Name)) return found;
  return nullptr;
}

plat::TPoint Centre(const plat::TRect& Rect) { return {(Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2}; }

std::string Named(const plat::TComponent& Component) {
  return "\"" + Component.Name() + "\" (" + Component.ClassName() + ")";
}

}  // namespace

plat::TCustomForm* FindShownForm(const std::string& ClassName) {
  for (int i = 0; i < plat::Screen->FormCount(); ++i) {
    plat::TCustomForm* form = plat::Screen->Forms(i);
    if (form->ClassName() == ClassName && form->Showing()) return form;
  }
  return nullptr;
}

std::vector<std::string> ShownFormClasses() {
  std::vector<std::string> classes;
  for (int i = 0; i < plat::Screen->FormCount(); ++i)
    if (plat::Screen->Forms(i)->Showing()) classes.push_back(plat::Screen->Forms(i)->ClassName());
  return classes;
}

plat::TComponent& FindNamed(plat::TCustomForm& Form, const std::string& Name) {
  if (Name == "-" || Name == Form.Name()) return Form;
  plat::TComponent* found = FindOwned(Form, Name);
  if (!found) throw ETargetError("no component \"" + Name + "\" on " + Form.ClassName());
  return *found;
}

plat::TControl& FindControl(plat::TCustomForm& Form, const std::string& Name) {
  plat::TComponent& found = FindNamed(Form, Name);
  auto* control = dynamic_cast<plat::TControl*>(&found);
  if (!control) throw ETargetError(Named(found) + " on " + Form.ClassName() + " is no control");
  return *control;
}

plat::TPoint ScreenPoint(plat::TControl& Control, const TPointSpec& Point) {
  switch (Point.Kind) {
    case TPointSpec::TKind::Centre: return Control.ClientToScreen(Centre(Control.ClientRect()));
    case TPointSpec::TKind::Client: return Control.ClientToScreen({Point.A, Point.B});
    case TPointSpec::TKind::Item: {
      auto* list = dynamic_cast<plat::TCustomListBox*>(&Control);
      if (!list) throw ETargetError(Named(Control) + " has no items");
      if (Point.A >= list->Items()->Count())
        throw ETargetError(Named(Control) + " has no item " + std::to_string(Point.A));
      return list->ClientToScreen(Centre(list->ItemRect(Point.A)));
    }
    case TPointSpec::TKind::Cell: {
      auto* grid = dynamic_cast<plat::TCustomGrid*>(&Control);
      if (!grid) throw ETargetError(Named(Control) + " has no cells");
      const plat::TRect cell = grid->CellRect(Point.A, Point.B);
      if (cell.Width() <= 0 || cell.Height() <= 0)
        throw ETargetError(Named(Control) + " does not show cell " + std::to_string(Point.A) + "," +
                           std::to_string(Point.B));
      return grid->ClientToScreen(Centre(cell));
    }
  }
  throw ETargetError("unknown point");
}

plat::String ControlText(plat::TControl& Control) { return Control.Text(); }

std::vector<plat::String> ControlItems(plat::TControl& Control) {
  auto* list = dynamic_cast<plat::TCustomListBox*>(&Control);
  if (!list) throw ETargetError(Named(Control) + " has no items");
  std::vector<plat::String> items;
  for (int i = 0; i < list->Items()->Count(); ++i) items.push_back(list->Items()->Strings(i));
  return items;
}

std::vector<std::vector<plat::String>> GridCells(plat::TControl& Control, int Row) {
  auto* grid = dynamic_cast<plat::TStringGrid*>(&Control);
  if (!grid) throw ETargetError(Named(Control) + " is no string grid");
  if (Row >= grid->RowCount())
    throw ETargetError(Named(Control) + " has " + std::to_string(grid->RowCount()) + " rows, no row " +
                       std::to_string(Row));
  const int first = Row < 0 ? 0 : Row;
  const int last = Row < 0 ? grid->RowCount() - 1 : Row;
  std::vector<std::vector<plat::String>> rows;
  for (int r = first; r <= last; ++r) {
    std::vector<plat::String>& cells = rows.emplace_back();
    for (int c = 0; c < grid->ColCount(); ++c) cells.push_back(grid->Cells(c, r));
  }
  return rows;
}

plat::String PropertyText(plat::TComponent& Component, const std::string& Name) {
  if (!plat::IsReadableProp(Component, Name)) throw ETargetError(Named(Component) + " publishes no readable " + Name);
  switch (plat::PropType(Component, Name)) {
    case plat::TTypeKind::tkString: return plat::GetStrProp(Component, Name);
    case plat::TTypeKind::tkEnumeration: return plat::GetEnumProp(Component, Name);
    case plat::TTypeKind::tkInteger:
    case plat::TTypeKind::tkSet: return std::to_string(plat::GetOrdProp(Component, Name));
    case plat::TTypeKind::tkFloat: return plat::FloatToStr(plat::GetFloatProp(Component, Name));
    case plat::TTypeKind::tkClass:
    case plat::TTypeKind::tkMethod: break;
  }
  throw ETargetError(Name + " of " + Named(Component) + " is no text, enumeration or number");
}

}  // namespace uidrive
