#pragma once
// The vocabulary the grid base shares with the grids above it: vertical
// alignment, the editor kinds a cell can ask for, and the display-text
// events. Values only.
#include <cstdint>
#include <functional>

#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace zorbit {

enum class TVAlignment : std::uint8_t { vtaTop, vtaCenter, vtaBottom };

// The 33 editor kinds, in their documented order.
enum class TEditorType : std::uint8_t {
  edNormal,
  edSpinEdit,
  edComboEdit,
  edComboList,
  edEditBtn,
  edCheckBox,
  edDateEdit,
  edDateEditUpDown,
  edTimeEdit,
  edButton,
  edDataCheckBox,
  edNumeric,
  edPositiveNumeric,
  edFloat,
  edCapital,
  edMixedCase,
  edPassword,
  edUnitEditBtn,
  edLowerCase,
  edUpperCase,
  edFloatSpinEdit,
  edTimeSpinEdit,
  edDateSpinEdit,
  edNumericEditBtn,
  edFloatEditBtn,
  edCustom,
  edRichEdit,
  edNone,
  edUniEdit,
  edUniComboEdit,
  edUniComboList,
  edUniEditBtn,
  edUniMemo
};

// May rewrite the text a cell shows (as 8-bit text or as a wide string).
using TGetDisplTextEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::String& Value)>;
using TGetDisplWideTextEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::WideString& Value)>;

}  // namespace zorbit
