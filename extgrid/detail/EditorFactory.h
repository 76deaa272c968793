#pragma once
// The grid's editor factory: makes each editor control the first time a
// cell asks for it, owned by the grid (so it goes with the grid), parented
// to it, hidden and disabled until the grid shows it over a cell. A control
// freed by other means is made again when next asked for.
#include "grid/BaseGridTypes.h"
#include "platform/ui/TComponentRef.h"

namespace plat {
class TWinControl;
}  // namespace plat

namespace zorbit {

class TExtStringGrid;
class TGridSpin;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridDatePicker;
class TGridCheckBox;
class TGridButton;
class TControlEdit;

namespace detail {

class TGridEditorFactory {
 public:
  explicit TGridEditorFactory(TExtStringGrid* Grid) : FGrid(Grid) {}

  TGridSpin* Spin();
  TGridEditBtn* EditBtn();
  TGridUnitEditBtn* UnitEditBtn();
  TGridDatePicker* DatePicker();
  TGridCheckBox* CheckBox();
  TGridButton* Button();
  // The borderless edit over an HTML form control of a cell.
  TControlEdit* ControlEdit();
  // The control serving a control editor type, made when missing; nullptr
  // for the in-place types, edNone, edCustom and edRichEdit.
  plat::TWinControl* ControlFor(TEditorType Type);

 private:
  template <class T>
  T* Made(plat::TComponentRef<T>& Slot);

  TExtStringGrid* FGrid;
  plat::TComponentRef<TGridSpin> FSpin;
  plat::TComponentRef<TGridEditBtn> FEditBtn;
  plat::TComponentRef<TGridUnitEditBtn> FUnitEditBtn;
  plat::TComponentRef<TGridDatePicker> FDatePicker;
  plat::TComponentRef<TGridCheckBox> FCheckBox;
  plat::TComponentRef<TGridButton> FButton;
  plat::TComponentRef<TControlEdit> FControlEdit;
};

}  // namespace detail
}  // namespace zorbit
