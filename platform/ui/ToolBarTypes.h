#pragma once
// The value types of tool windows, tool bars and their buttons: the edges a
// tool window draws, the button styles, and what custom drawing is told (the
// stage of the paint, the state of a button) and may switch off.
#include "platform/rtl/Set.h"

namespace plat {

// The sides of a tool window that carry an edge.
enum class TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
using TEdgeBorders = TSet<TEdgeBorder>;
// One ring of a tool window's edge: none, raised or lowered.
enum class TEdgeStyle { esNone, esRaised, esLowered };

// What a tool button is: a push button, a check button that stays down, a
// button with a drop-down arrow part, an empty gap, or a gap with a line.
enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

// When a custom-draw handler is called: before or after the bar's
// background (erase) or its content (paint).
enum class TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };
// The state of the button being drawn.
enum class TCustomDrawStateItem {
  cdsSelected,  // pressed: held down by the mouse or showing its menu
  cdsGrayed,
  cdsDisabled,
  cdsChecked,  // Down
  cdsFocused,
  cdsDefault,
  cdsHot,  // under the mouse
  cdsMarked,
  cdsIndeterminate
};
using TCustomDrawState = TSet<TCustomDrawStateItem>;

// Parts of a button's standard drawing that a handler may switch off.
enum class TTBCustomDrawFlag {
  tbNoEdges,         // no edge around the button
  tbHiliteHotTrack,  // a hot button gets the highlight colour as its face
  tbNoOffset,        // a pressed button's content does not move
  tbNoMark,          // a marked button is not highlighted
  tbNoEtchedEffect   // a disabled caption is plain grey, not embossed
};
using TTBCustomDrawFlags = TSet<TTBCustomDrawFlag>;

}  // namespace plat
