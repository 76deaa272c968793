#include "extgrid/detail/EditorFactory.h"

#include "extgrid/TControlEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/TGridButton.h"
#include "extgrid/TGridCheckBox.h"
#include "extgrid/TGridDatePicker.h"
#include "extgrid/TGridEditBtn.h"
#include "extgrid/TGridSpin.h"
#include "extgrid/TGridUnitEditBtn.h"

namespace zorbit::detail {

template <class T>
T* TGridEditorFactory::Made(plat::TComponentRef<T>& Slot) {
  if (!Slot) {
    T* control = new T(FGrid);  // owned by the grid
    control->SetVisible(false);
    control->SetEnabled(false);
    control->SetParent(FGrid);
    Slot = control;
  }
  return Slot;
}

TGridSpin* TGridEditorFactory::Spin() { return Made(FSpin); }
TGridEditBtn* TGridEditorFactory::EditBtn() { return Made(FEditBtn); }
TGridUnitEditBtn* TGridEditorFactory::UnitEditBtn() { return Made(FUnitEditBtn); }
TGridDatePicker* TGridEditorFactory::DatePicker() { return Made(FDatePicker); }
TGridCheckBox* TGridEditorFactory::CheckBox() { return Made(FCheckBox); }
TGridButton* TGridEditorFactory::Button() { return Made(FButton); }

TControlEdit* TGridEditorFactory::ControlEdit() {
  const bool made = FControlEdit != nullptr;
  TControlEdit* edit = Made(FControlEdit);
  if (!made) edit->SetBorderStyle(plat::TBorderStyle::bsNone);
  return edit;
}

plat::TWinControl* TGridEditorFactory::ControlFor(TEditorType Type) {
  switch (Type) {
    case TEditorType::edSpinEdit:
    case TEditorType::edFloatSpinEdit:
    case TEditorType::edTimeSpinEdit:
    case TEditorType::edDateSpinEdit: return Spin();
    case TEditorType::edEditBtn:
    case TEditorType::edNumericEditBtn:
    case TEditorType::edFloatEditBtn: return EditBtn();
    case TEditorType::edUnitEditBtn: return UnitEditBtn();
    case TEditorType::edDateEdit:
    case TEditorType::edDateEditUpDown:
    case TEditorType::edTimeEdit: return DatePicker();
    case TEditorType::edCheckBox: return CheckBox();
    case TEditorType::edButton: return Button();
    default: return nullptr;
  }
}

}  // namespace zorbit::detail
