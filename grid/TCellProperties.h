#pragma once
// The settings of one cell of a TBaseGrid: merge data, colours, font,
// alignment, editor kind, read-only flag, node level, a placed control and
// the cell's graphic. The grid makes one on first use and keeps it in the
// cell's object slot; the grid owns and frees it. The properties own the
// cell's graphic: SetGraphic frees the one held before, and it goes with
// the properties. CellObject and Control are references that are never
// freed here.
//
// Merge encoding: a base cell has IsBaseCell and the spans (columns less 1,
// rows less 1) of its range; every other cell of a range has IsBaseCell
// false and its distance from the base as spans; a cell in no range has
// IsBaseCell and spans -1.
//
// Setting BrushColor, BrushColorTo, VAlignment or WordWrap repaints the
// owning cell (OwnerCol, OwnerRow of OwnerGrid); every other setter only
// stores.
#include <cstdint>
#include <memory>

#include "grid/BaseGridTypes.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/TPersistent.h"

namespace plat {
class TControl;
}

namespace zorbit {

class TBaseGrid;
class TCellGraphic;

class TCellProperties : public plat::TPersistent {
 public:
  TCellProperties(TBaseGrid* AGrid, int ACol, int ARow);
  ~TCellProperties() override;

  // Copies the published settings except CellObject and BrushColorTo (and
  // never OwnerGrid, Graphic or PaintStamp); WordWrap goes through its
  // setter, so the cell at the copied owner position is repainted.
  void Assign(const plat::TPersistent* Source) override;

  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
  int OwnerCol() const { return FOwnerCol; }
  void SetOwnerCol(int Value) { FOwnerCol = Value; }
  int OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(int Value) { FOwnerRow = Value; }
  plat::TObject* CellObject() const { return FCellObject; }
  void SetCellObject(plat::TObject* Value) { FCellObject = Value; }
  TCellGraphic* Graphic() const { return FGraphic.get(); }
  // Takes Value over (nullptr: none), freeing the graphic held before.
  void SetGraphic(TCellGraphic* Value);
  plat::TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(plat::TBrushStyle Value) { FBrushStyle = Value; }
  // clNone: not set.
  plat::TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(plat::TColor Value);
  // clNone: a plain fill, else the gradient's end colour.
  plat::TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(plat::TColor Value);
  // 0: not set.
  int FontSize() const { return FFontSize; }
  void SetFontSize(int Value) { FFontSize = Value; }
  plat::TColor FontColor() const { return FFontColor; }
  void SetFontColor(plat::TColor Value) { FFontColor = Value; }
  plat::TFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(plat::TFontStyles Value) { FFontStyle = Value; }
  int CellSpanY() const { return FCellSpanY; }
  void SetCellSpanY(int Value) { FCellSpanY = Value; }
  int CellSpanX() const { return FCellSpanX; }
  void SetCellSpanX(int Value) { FCellSpanX = Value; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { FBorderWidth = Value; }
  plat::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(plat::TColor Value) { FBorderColor = Value; }
  plat::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(plat::TAlignment Value) { FAlignment = Value; }
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  // The paint pass in which the range based here was last drawn.
  std::int64_t PaintStamp() const { return FPaintStamp; }
  void SetPaintStamp(std::int64_t Value) { FPaintStamp = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool IsBaseCell() const { return FIsBaseCell; }
  void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
  int NodeLevel() const { return FNodeLevel; }
  void SetNodeLevel(int Value) { FNodeLevel = Value; }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value) { FEditor = Value; }
  // Empty: not set.
  const plat::String& FontName() const { return FFontName; }
  void SetFontName(const plat::String& Value) { FFontName = Value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  plat::TControl* Control() const { return FControl; }
  void SetControl(plat::TControl* Value) { FControl = Value; }
  // What a cell of a footer row shows; the grid above reads its low seven
  // bits. Neither copied nor streamed.
  std::uint8_t CalcType() const { return FCalcType; }
  void SetCalcType(std::uint8_t Value) { FCalcType = Value; }

 private:
  void RepaintOwner();

  TBaseGrid* FOwnerGrid;
  int FOwnerCol;
  int FOwnerRow;
  plat::TObject* FCellObject = nullptr;
  std::unique_ptr<TCellGraphic> FGraphic;
  plat::TBrushStyle FBrushStyle = plat::TBrushStyle::bsSolid;
  plat::TColor FBrushColor = plat::clNone;
  plat::TColor FBrushColorTo = plat::clNone;
  int FFontSize = 0;
  plat::TColor FFontColor = plat::clNone;
  plat::TFontStyles FFontStyle;
  int FCellSpanY = -1;
  int FCellSpanX = -1;
  int FBorderWidth = 0;
  plat::TColor FBorderColor = 0;
  plat::TAlignment FAlignment = plat::TAlignment::taLeftJustify;
  TVAlignment FVAlignment = TVAlignment::vtaTop;
  std::int64_t FPaintStamp = 0;
  bool FWordWrap;
  bool FIsBaseCell = true;
  int FNodeLevel = 0;
  TEditorType FEditor = TEditorType::edNormal;
  plat::String FFontName;
  bool FReadOnly = false;
  plat::TControl* FControl = nullptr;
  std::uint8_t FCalcType = 0;
};

}  // namespace zorbit
