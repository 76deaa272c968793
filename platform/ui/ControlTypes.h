#pragma once
// The value types and event signatures that controls share: alignment,
// control styles and states, mouse buttons and shift states, cursors,
// reading order, drag states and the standard events.
#include <cstdint>
#include <functional>

#include "platform/gdi/Geometry.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Set.h"

namespace plat {

// Where a control sits in its parent: free, docked to an edge (stacked in
// the order of their positions), filling what is left, or placed by the
// parent's CustomAlignPosition.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlignSet = TSet<TAlign>;

// Horizontal alignment of text in a control.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The border a plain control draws around itself.
enum class TBorderStyle { bsNone, bsSingle };

// Which scroll bars a grid or a memo shows.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// What a control is and does, set by its class.
enum class TControlStyleItem {
  csAcceptsControls,  // other controls may be placed on it
  csCaptureMouse,     // captures the mouse while a button is down
  csDesignInteractive,
  csClickEvents,  // a press and release inside it make a Click
  csFramed,
  csSetCaption,    // takes its name as its caption while that is empty
  csOpaque,        // paints all of its client area (no erasing behind it)
  csDoubleClicks,  // a second click is a double click, not a second press
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,  // mouse and key events are not raised
  csDisplayDragImage,
  csReflector,
  csActionClient,  // linked to an action
  csMenuEvents,
  csParentBackground,  // shows its parent's background instead of erasing
};
using TControlStyle = TSet<TControlStyleItem>;

// What a control is going through.
enum class TControlStateItem {
  csLButtonDown,  // the left button went down inside it
  csClicked,      // ... and a release inside it makes a Click
  csPalette,
  csReadingState,
  csAlignmentNeeded,  // a realignment was asked for while alignment was disabled
  csFocusing,         // it is taking the focus
  csCreating,         // its window is being made
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,  // its window is going away
  csDocking,
};
using TControlState = TSet<TControlStateItem>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// Reading order and alignment for right-to-left languages.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

enum class TDragMode { dmManual, dmAutomatic };
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Mouse pointers: the standard shapes have negative numbers; programs add
// their own (TScreen::SetCursors) with positive ones.
using TCursor = std::int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = -22;

class TDragObject;

// The standard events; the sender comes first, "var" arguments are references.
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
// Key is the character typed, a Unicode code point; setting it to 0 drops it.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;

}  // namespace plat
