#include "platform/ui/GridClasses.h"

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TCustomMemo.h"
#include "platform/ui/TStringGrid.h"

namespace plat {

namespace {

constexpr const char* kGridOptionNames[] = {"goFixedVertLine", "goFixedHorzLine",     "goVertLine",     "goHorzLine",
                                            "goRangeSelect",   "goDrawFocusSelected", "goRowSizing",    "goColSizing",
                                            "goRowMoving",     "goColMoving",         "goEditing",      "goTabs",
                                            "goRowSelect",     "goAlwaysShowEditor",  "goThumbTracking"};
constexpr const char* kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
constexpr const char* kBorderStyleNames[] = {"bsNone", "bsSingle"};
constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};

}  // namespace

void RegisterGridClasses() {
  RegisterLayoutClass<TCustomGrid, TCustomControl>("TCustomGrid")
      .IntegerProperty("ColCount", &TCustomGrid::ColCount, &TCustomGrid::SetColCount)
      .IntegerProperty("RowCount", &TCustomGrid::RowCount, &TCustomGrid::SetRowCount)
      .IntegerProperty("FixedCols", &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols)
      .IntegerProperty("FixedRows", &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows)
      .IntegerProperty("DefaultColWidth", &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth)
      .IntegerProperty("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight)
      .IntegerProperty("GridLineWidth", &TCustomGrid::GridLineWidth, &TCustomGrid::SetGridLineWidth)
      .BooleanProperty("DefaultDrawing", &TCustomGrid::DefaultDrawing, &TCustomGrid::SetDefaultDrawing)
      .IntegerProperty("FixedColor", &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor, ColorIdents())
      .SetProperty("Options", &TCustomGrid::Options, &TCustomGrid::SetOptions, kGridOptionNames)
      .EnumProperty("ScrollBars", &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars, kScrollStyleNames)
      .EnumProperty("BorderStyle", &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle, kBorderStyleNames);
  RegisterLayoutClass<TDrawGrid, TCustomGrid>("TDrawGrid")
      .EventProperty("OnDrawCell", &TDrawGrid::OnDrawCell)
      .EventProperty("OnSelectCell", &TDrawGrid::OnSelectCell)
      .EventProperty("OnGetEditMask", &TDrawGrid::OnGetEditMask)
      .EventProperty("OnGetEditText", &TDrawGrid::OnGetEditText)
      .EventProperty("OnSetEditText", &TDrawGrid::OnSetEditText)
      .EventProperty("OnColumnMoved", &TDrawGrid::OnColumnMoved)
      .EventProperty("OnRowMoved", &TDrawGrid::OnRowMoved)
      .EventProperty("OnTopLeftChanged", &TDrawGrid::OnTopLeftChanged);
  RegisterLayoutClass<TStringGrid, TDrawGrid>("TStringGrid");

  RegisterLayoutClass<TCustomMemo, TCustomEdit>("TCustomMemo")
      .StringsProperty("Lines", &TCustomMemo::Lines)
      .EnumProperty("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment, kAlignmentNames)
      .EnumProperty("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, kScrollStyleNames)
      .BooleanProperty("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
      .BooleanProperty("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns)
      .BooleanProperty("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs);
  RegisterLayoutClass<TMemo, TCustomMemo>("TMemo");
}

}  // namespace plat
