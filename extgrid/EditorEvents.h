#pragma once
// The types of the events the grid's cell editing fires: the editor's text
// changing, the ellipsis button, the spin buttons and page keys, the combo
// selection, the cell, row and column about to change, the automatic
// advance, rows and columns added by it, a double click in the editor and
// the wide validation. Cells come as (column, row) unless a type says
// otherwise; "var" arguments are references.
#include <functional>

#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace zorbit {

class TEditLink;

using TEditChangeEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, const plat::String& Value)>;
using TEllipsClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::String& S)>;
// UpDown: true for a step up.
using TSpinClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TFloatSpinClickEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::TDateTime AValue, bool UpDown)>;
using TComboChangeEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, int AItemIndex, const plat::String& ASelection)>;
using TComboObjectChangeEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const plat::String& ASelection, plat::TObject* AObject)>;
using TGetEditorPropEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
// Row and column changes name the old and the new index.
using TChangingEvent = std::function<void(plat::TObject* Sender, int OldIndex, int NewIndex, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(plat::TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TAutoAdvanceEvent =
    std::function<void(plat::TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
// The index of the column that was added.
using TAutoAddEvent = std::function<void(plat::TObject* Sender, int AIndex)>;
using TDblClickCellEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol)>;
using TCellValidateWideEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::WideString& Value, bool& Valid)>;

}  // namespace zorbit
