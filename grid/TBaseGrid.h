#pragma once
// The grid base: the class library's string grid with a properties object
// per cell (TCellProperties, made on first use and kept in the cell's
// object slot), merged cell ranges, display-text hooks, a hidden last row,
// an active-row colour, and a link to the undo recorder. The grid draws
// every cell itself (the inherited default drawing and line gaps stay off).
//
// The cell store: a cell never written reads empty with no object, at any
// index; writes beyond the counts are kept. Nothing is checked against
// ColCount and RowCount; a negative index raises EListError ("List index
// out of bounds (%d)"). The grid owns every object in its object slots:
// FreeCellProperties, ReplaceCellObject and the destructor free them (the
// destructor also those beyond the counts); ClearCell, ClearColCells and
// ClearRowCells only empty the slots, for a caller that moved the object
// elsewhere. Reading operations make no properties object for a plain
// cell.
//
// Merged ranges keep their text and settings in the base (top-left) cell;
// GetCellText and SetCellText of any member go to it. Keys and the wheel
// keep the current cell on base cells.
//
// Split by concern: the store and properties (BaseGridStore.cpp), merges
// and geometry (BaseGridMerge.cpp), drawing (BaseGridPaint.cpp), keys,
// wheel, view and the undo link (BaseGridNavigation.cpp).
#include <cstdint>

#include "grid/BaseGridTypes.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TStringGrid.h"

namespace plat {
class TBrush;
class TCanvas;
class TFont;
}  // namespace plat

namespace zorbit {

class TCellGraphic;
class TCellProperties;
class TExtGridUndoRedo;

class TBaseGrid : public plat::TStringGrid {
 public:
  explicit TBaseGrid(plat::TComponent* AOwner);
  ~TBaseGrid() override;

  // Stored and reported only: the inherited default drawing stays off.
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
  // The grid's own lines; setting the width keeps the inherited line width
  // at 0 (no gaps between cells) and repaints.
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  plat::TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(plat::TColor Value);
  // Starts at 1 and grows by one after every paint.
  std::int64_t PaintPass() const { return FPaintPass; }
  // The last row is drawn blank and kept out of view.
  bool HideLastRow() const { return FHideLastRow; }
  void SetHideLastRow(bool Value);
  // Rows below this index get the display hooks (0: none).
  int DisplayRowLimit() const { return FDisplayRowLimit; }
  void SetDisplayRowLimit(int Value) { FDisplayRowLimit = Value; }
  // The linked undo recorder; setting it also links the recorder to this
  // grid. Either side's deletion clears the other's link.
  TExtGridUndoRedo* UndoRedo() const { return FUndoRedo; }
  void SetUndoRedo(TExtGridUndoRedo* Value);
  // The word wrap that every new TCellProperties takes.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  plat::TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(plat::TColor Value);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

  // The cell store.
  // The text a cell shows: its base cell's text, through the display hooks
  // below DisplayRowLimit (encoded as a Unicode cell text when
  // OnGetDisplWideText is assigned).
  plat::String GetCellText(int ACol, int ARow);
  // Stores in the base cell of a cell with properties (repainting the range
  // when the grid has a parent), else in the cell itself.
  void SetCellText(int ACol, int ARow, const plat::String& Value);
  const plat::String& GetRawCellText(int ACol, int ARow) const { return Cells(ACol, ARow); }
  void SetRawCellText(int ACol, int ARow, const plat::String& Value) { SetCells(ACol, ARow, Value); }
  plat::TObject* GetGridObject(int ACol, int ARow) const { return Objects(ACol, ARow); }
  void SetGridObject(int ACol, int ARow, plat::TObject* Obj) { SetObjects(ACol, ARow, Obj); }
  bool HasCellProperties(int ACol, int ARow) const { return Objects(ACol, ARow) != nullptr; }
  // The cell's properties, made and stored first when the slot is empty.
  TCellProperties* GetCellProperties(int ACol, int ARow);
  // Frees the slot's object (unless it is Obj itself), then stores Obj.
  void ReplaceCellObject(int ACol, int ARow, plat::TObject* Obj);
  void FreeCellProperties(int ACol, int ARow);
  // Columns Col1..Col2, rows Row1..Row2; an empty rectangle does nothing.
  void FreeCellPropertiesRange(int Col1, int Row1, int Col2, int Row2);
  // Empties the text (through SetCellText, so a member cell empties its
  // base's text), then the slot; the object is not freed.
  void ClearCell(int ACol, int ARow);
  // For each row (column) of the grid: the slot, then the cell's own text.
  void ClearColCells(int ACol);
  void ClearRowCells(int ARow);
  // The cell's graphic; nullptr without properties (none are made).
  TCellGraphic* GetCellGraphic(int ACol, int ARow);
  // Gives the cell the graphic (freeing the one it held), making
  // properties; a cell without text keeps none.
  void SetCellGraphic(int ACol, int ARow, TCellGraphic* Graphic);

  // Merges and geometry.
  // Merges the ColCount x RowCount cells from (ACol, ARow); counts below 1
  // change nothing. Member cells keep their own texts, unseen.
  virtual void MergeCellRange(int ACol, int ARow, int ColCount, int RowCount);
  // Resets the range that holds the cell.
  virtual void SplitMergedCell(int ACol, int ARow);
  plat::TPoint GetBaseCell(int ACol, int ARow) const;
  // True (and the cell itself) for a cell without properties or a base
  // cell; else false with the base cell.
  bool ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
  bool IsBaseCellAt(int ACol, int ARow) const;
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsHorzMergedCell(int ACol, int ARow);
  bool IsVertMergedCell(int ACol, int ARow);
  // The base cell's spans; (0, 0) for a cell in no range.
  plat::TPoint GetCellSpan(int ACol, int ARow);
  bool RowsShareMerges(int ARow1, int ARow2);
  // The cell's rectangle in client coordinates, the whole range for a
  // merged cell, not clipped to the view. Indexes past the counts take the
  // default sizes.
  plat::TRect GetCellRect(int ACol, int ARow);
  plat::TRect GetUnclippedCellRect(int ACol, int ARow);
  plat::TPoint GetCellSize(int ACol, int ARow);
  // Invalidates GetCellRect with erasing, when the window exists.
  void RepaintCell(int ACol, int ARow);
  int GetFixedColsWidth() const;
  int GetFixedRowsHeight() const;
  // Puts the current cell on its base cell.
  void SnapToBaseCell();

 protected:
  // The grid above replaces these.
  virtual bool IsFixedCellAt(int ACol, int ARow);
  virtual int GetNodeIndent(int ARow);
  virtual bool HasNodes();
  // The cell's text, one line centred both ways in the canvas's font,
  // then the class library's OnDrawCell with the rectangle inside the
  // cell's lines.
  virtual void DrawCellText(plat::TCanvas* ACanvas, int ACol, int ARow, const plat::TRect& ARect,
                            plat::TGridDrawState AState);
  virtual void HiddenLastRowChanged();
  virtual void GetDisplText(int ACol, int ARow, plat::String& Value);
  virtual void GetDisplWideText(int ACol, int ARow, plat::WideString& Value);
  // Sets the brush, the gradient end colour (clNone: none), the font and
  // the text layout of a cell; the base changes nothing.
  virtual void GetCellColor(int ACol, int ARow, plat::TGridDrawState& AState, bool APrint, bool ASelection,
                            bool AMapColumn, plat::TBrush* ABrush, plat::TColor& AColorTo, plat::TFont* AFont,
                            bool& AWordWrap, plat::TAlignment& AHAlign, TVAlignment& AVAlign);
  virtual int DataColIndex(int ACol);

  void Paint() override;
  void DrawCell(int ACol, int ARow, const plat::TRect& ARect, plat::TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  bool DoMouseWheelDown(plat::TShiftState Shift, plat::TPoint MousePos) override;
  bool DoMouseWheelUp(plat::TShiftState Shift, plat::TPoint MousePos) override;
  void TopLeftChanged() override;

 private:
  friend class TExtGridUndoRedo;

  // The cell's properties when it has some (nullptr else); makes none.
  TCellProperties* PropertiesOf(int ACol, int ARow) const;
  // Left (top) edge of a column (row) in client coordinates, not clipped.
  int ColStart(int ACol);
  int RowStart(int ARow);

  bool FDefaultDrawing = false;
  int FGridLineWidth = 1;
  plat::TColor FGridLineColor = 0xC0C0C0;
  std::int64_t FPaintPass = 1;
  bool FHideLastRow = false;
  int FDisplayRowLimit = 0;
  plat::TComponentRef<TExtGridUndoRedo> FUndoRedo;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  plat::TColor FActiveRowColor = plat::clInfoBk;
};

}  // namespace zorbit
