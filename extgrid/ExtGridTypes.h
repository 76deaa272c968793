#pragma once
// The vocabulary of the advanced grid: its looks, scrolling kinds, cell
// borders and sort styles, and the types of the events its hooks fire.
// Grid events send the sender first; the cell comes as (row, column) or
// (column, row) as each type fixes; "var" arguments are references.
#include <cstdint>
#include <functional>

#include "grid/BaseGridTypes.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPen.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/Types.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/GridTypes.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace zorbit {

enum class TGridLook { glStandard, glSoft, glClassic, glSilver, glXP, glListView };
enum class TScrollType { ssNormal, ssFlat, ssEncarta };
enum class TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum class TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum class TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum class TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = plat::TSet<TCellBorder>;
enum class TSortStyle {
  ssAutomatic,
  ssAlphabetic,
  ssNumeric,
  ssDate,
  ssAlphaNoCase,
  ssAlphaCase,
  ssShortDateEU,
  ssShortDateUS,
  ssCustom,
  ssFinancial,
  ssAnsiAlphaCase,
  ssAnsiAlphaNoCase,
  ssRaw,
  ssHTML,
  ssImages,
  ssCheckBox,
  ssUnicode,
  ssDateTime,
  ssTime,
  ssAlphaNumeric,
  ssAlphaNumericNoCase
};

using TGridHintEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::String& HintStr)>;
using TGridColorEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TGridDrawState AState,
                                           plat::TBrush* ABrush, plat::TFont* AFont)>;
using TGridBorderEvent =
    std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TPen* APen, TCellBorders& Borders)>;
using TGridAlignEvent =
    std::function<void(plat::TObject* Sender, int ARow, int ACol, plat::TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent = std::function<void(plat::TObject* Sender, int ACol, TSortStyle& AStyle, plat::String& APrefix,
                                            plat::String& ASuffix)>;
// The order of two cell texts of the custom sort style: Res -1, 0 or 1.
using TCustomCompareEvent =
    std::function<void(plat::TObject* Sender, const plat::String& Str1, const plat::String& Str2, int& Res)>;
// The order of column ACol of two rows, read by the handler itself.
using TRawCompareEvent = std::function<void(plat::TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TGetEditorTypeEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
// (row, column) and a flag the handler may change.
using TGridRowColBoolEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, bool& Value)>;
// (column, row) and a flag the handler may change.
using TGridColRowBoolEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, bool& Value)>;
using TGridColRowTextEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::String& Value)>;
// May change the value and refuse it (Valid starts true).
using TCellValidateEvent =
    std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::String& Value, bool& Valid)>;
using TRowSizeEvent = std::function<void(plat::TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(plat::TObject* Sender, bool& CanAdd)>;
using TCanInsertRowEvent = std::function<void(plat::TObject* Sender, int ARow, bool& CanInsert)>;
using TCanDeleteRowEvent = std::function<void(plat::TObject* Sender, int ARow, bool& CanDelete)>;
// A row the keys added, inserted or deleted.
using TAutoRowEvent = std::function<void(plat::TObject* Sender, int ARow)>;
// A control cell worked by the keys: the check box's new state, the radio
// group's new index, a button.
using TCheckBoxClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, bool State)>;
using TRadioClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, int AIdx)>;
using TButtonClickEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow)>;
// The balloon about to show over a cell: its title, text and standard icon
// (0 none, 1 information, 2 warning, 3 error) may be changed.
using TCellBalloonEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::String& ATitle,
                                             plat::String& AText, int& AIcon)>;
// The input events: the cells whose texts changed; the new selection; a
// click on a cell (row, column), which a CanClick handler may refuse.
using TCellsChangedEvent = std::function<void(plat::TObject* Sender, const plat::TRect& R)>;
using TSelectionChangedEvent =
    std::function<void(plat::TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TClickCellEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol)>;
using TCanClickCellEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, bool& Allow)>;
// Progress of a load or save, 0..100.
using TGridProgressEvent = std::function<void(plat::TObject* Sender, std::int16_t Progress)>;
using TUpdateColumnSizeEvent = std::function<void(plat::TObject* Sender, int ACol, int& AWidth)>;
using TRowUpdateEvent = std::function<void(plat::TObject* Sender, int OldRow, int NewRow)>;
// Index is the column (row) the thumb stands on; the handler may change the text.
using TScrollHintEvent = std::function<void(plat::TObject* Sender, int Index, plat::String& HintText)>;
// A number cell's display format; clearing IsFloat shows the raw text.
using TGridFloatFormatEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                                 plat::String& FloatFormat)>;
// An HTML form control of a cell (its ID, TYPE and VALUE).
using TCellControlEvent = std::function<void(plat::TObject* Sender, int ARow, int ACol, const plat::String& CtrlID,
                                             const plat::String& CtrlType, const plat::String& CtrlVal)>;
using TCustomCellDrawEvent =
    std::function<void(plat::TObject* Sender, plat::TCanvas* Canvas, int ACol, int ARow, plat::TGridDrawState AState,
                       const plat::TRect& ARect, bool Printing)>;

}  // namespace zorbit
