#pragma once
// The vocabulary of the class library's grids: options, draw states, the
// grid's mouse states, cell coordinates and rectangles, and the event types
// TCustomGrid and its descendants publish. Values only; nothing here draws
// or refuses anything.
#include <cstdint>
#include <functional>

#include "platform/gdi/Geometry.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/Types.h"
#include "platform/ui/ControlTypes.h"

namespace plat {

class TCanvas;
class TObject;

enum class TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

// What the mouse is doing to the grid.
enum class TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, corners included; Left <= Right and Top <= Bottom once
// normalised.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The grids' index and size errors.
class EInvalidGridOperation : public Exception {
 public:
  using Exception::Exception;
};

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, String& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const String& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

}  // namespace plat
