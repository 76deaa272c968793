#pragma once
// TExtStringGrid: the advanced string grid, a TBaseGrid that owns its
// settings objects (made in the constructor with their defaults, freed by
// the destructor), publishes its switches with documented defaults, shapes
// itself (counts, fixed counts that FixedRowAlways/FixedColAlways keep,
// row heights, IntegralHeight, the scroll-bar policy), copies its headers
// into row 0 and column 0, keeps column widths in an INI file or the
// registry, and asks every user event through an overridable hook.
//
// Promises: the owner form's resize reaches the grid through a subscription
// that the grid's destruction removes, so grids freed in any order leave
// nothing behind; saving column widths at destruction never throws (file
// and registry errors are logged); stored widths outside 0..10,000 are
// ignored; Version always reads "3.3.0.1"; the display-text hooks
// (OnGetDisplText, OnGetDisplWideText) serve every row above the footers,
// whatever changes the row count or FixedFooters.
//
// Refuses: StretchColumn with an index below -1 or not below ColCount
// raises plat::Exception "Stretch column index out of range"; negative
// indexes given to ScrollInView are ignored.
//
// Two hidden rich edits convert rich text; the first is parented with the
// window (sizeless, borderless, transparent). The window runs the grid's
// timer. The in-cell editors are made when first used, by the editor code;
// this class stands without them. Split by concern: creation, loading, window
// and destruction (ExtGridLifetime.cpp), shape and scroll bars
// (ExtGridShape.cpp), headers, selection saving and scrolling into view
// (ExtGridView.cpp), saved column widths (ExtGridColumnWidths.cpp), hooks
// (ExtGridHooks.cpp), the small setters (ExtGridSetters.cpp); cell graphics,
// check boxes, typed values and nodes (ExtGridCellTypes.cpp,
// ExtGridCheckBoxes.cpp, ExtGridTypedAccess.cpp, ExtGridNodes.cpp) and their
// painting (ExtGridCellGraphics.cpp, ExtGridControlLooks.cpp).
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "extgrid/EditorEvents.h"
#include "extgrid/ExtGridTypes.h"
#include "extgrid/FeatureSettings.h"
#include "extgrid/FindParams.h"
#include "extgrid/GridItem.h"
#include "extgrid/GridSettings.h"
#include "extgrid/LookSettings.h"
#include "extgrid/TFloatingFooter.h"
#include "extgrid/TFooterPanel.h"
#include "extgrid/detail/EditorFactory.h"
#include "extgrid/detail/FindState.h"
#include "extgrid/detail/GridEditState.h"
#include "extgrid/detail/FlagList.h"
#include "extgrid/detail/GridInputState.h"
#include "extgrid/detail/LoadOrder.h"
#include "extgrid/detail/SortKeys.h"
#include "grid/TBaseGrid.h"
#include "grid/TCellGraphic.h"
#include "grid/TIntList.h"
#include "grid/TSortIndexList.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TComponentRef.h"
#include "platform/win/WinTypes.h"

namespace plat {
struct NMTTDISPINFOA;
class TCustomForm;
class THintWindow;
class TInplaceEdit;
class TImageList;
struct THintInfo;
}  // namespace plat

namespace zorbit {

class TEditLink;
class TExtRichEdit;
class TExtStringGridCheck;
class TPictureContainer;
namespace detail {
class TSortColumn;
class TSortRun;
}  // namespace detail

class TExtStringGrid : public TBaseGrid {
 public:
  explicit TExtStringGrid(plat::TComponent* AOwner);
  ~TExtStringGrid() override;

  // Copies looks, settings objects, shape and cells from another
  // TExtStringGrid; any other source is ignored.
  void Assign(const plat::TPersistent* Source) override;

  // Shape.
  int RowCount() const { return TBaseGrid::RowCount(); }
  void SetRowCount(int Value);
  int ColCount() const { return TBaseGrid::ColCount(); }
  void SetColCount(int Value);
  // 0 reads as 1 while FixedRowAlways (FixedColAlways) is set.
  int FixedRows() const;
  void SetFixedRows(int Value);
  int FixedCols() const;
  void SetFixedCols(int Value);
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  int DefaultRowHeight() const { return TBaseGrid::DefaultRowHeight(); }
  void SetDefaultRowHeight(int Value);
  plat::TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(plat::TScrollStyle Value);
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways Value);
  bool IntegralHeight() const { return FIntegralHeight; }
  // Re-applies the current bounds, which fit the height to whole rows.
  void SetIntegralHeight(bool Value);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The scroll-bar policy, run after every change of counts, sizes and bounds.
  void UpdateScrollBars(bool Force);
  // Column Index (-1: the last) takes the client width the others leave.
  void StretchColumn(int Index);

  // Headers copied into row 0 and column 0; "\n" in an item is a line break.
  plat::TStringList* ColumnHeaders() { return FColumnHeaders.get(); }
  void SetColumnHeaders(const plat::TStrings* Value);
  plat::TStringList* RowHeaders() { return FRowHeaders.get(); }
  void SetRowHeaders(const plat::TStrings* Value);
  plat::TStringList* LookupItems() { return FLookupItems.get(); }
  void SetLookupItems(const plat::TStrings* Value);

  // Column widths as "Col<i>" values in ColumnSize's Key and Section.
  void SaveColumnWidths();
  void LoadColumnWidths();

  // The selection set aside while rows are hidden.
  void SaveSelection();
  void RestoreSelection();
  const plat::TGridRect& SavedSelection() const { return FSavedSelection; }
  bool SelectionSaved() const { return FSelectionSaved; }
  void ScrollInView(int ACol, int ARow);

  // Settings objects, owned.
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
  TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
  THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
  TSortSettings* SortSettings() const { return FSortSettings.get(); }
  TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
  TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
  TControlLook* ControlLook() const { return FControlLook.get(); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  TColumnSize* ColumnSize() const { return FColumnSize.get(); }
  TCellNode* CellNode() const { return FCellNode.get(); }
  TBands* Bands() const { return FBands.get(); }
  TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  TGrouping* Grouping() const { return FGrouping.get(); }
  TBackGround* BackGround() const { return FBackGround.get(); }
  void SetBackGround(const TBackGround* Value);
  TFilter* Filter() { return FFilter.get(); }
  TBalloonSettings* Balloon() const { return FBalloon.get(); }
  TShowModified* ShowModified() const { return FShowModified.get(); }
  TFooterPanel* FooterPanel() const { return FFooterPanel; }
  // The hidden rich edits that convert rich-text cells and the clipboard;
  // owned. The second's selection changes reach OnRichEditSelectionChange.
  TExtRichEdit* RichEdit() const { return FRichEdit; }
  TExtRichEdit* SecondRichEdit() const { return FSecondRichEdit; }
  TSearchPanel* SearchPanel() const { return FSearchPanel; }

  // Active cell.
  bool ActiveCellShow() const { return FActiveCellShow; }
  void SetActiveCellShow(bool Value);
  plat::TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
  void SetActiveCellFont(const plat::TFont* Value);
  plat::TColor ActiveCellColor() const { return FActiveCellColor; }
  void SetActiveCellColor(plat::TColor Value);
  plat::TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
  void SetActiveCellColorTo(plat::TColor Value);

  // Selection; the setters repaint when the value changes.
  plat::TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(plat::TColor Value);
  plat::TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(plat::TColor Value);
  plat::TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(plat::TColor Value);
  bool SelectionRectangle() const { return FSelectionRectangle; }
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const { return FSelectionResizer; }
  void SetSelectionResizer(bool Value);
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool Value);
  bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
  void SetSelectionRTFKeep(bool Value) { FSelectionRTFKeep = Value; }
  bool HideFocusRect() const { return FHideFocusRect; }
  void SetHideFocusRect(bool Value) { FHideFocusRect = Value; }

  // Text and layout.
  // Setting it fits the columns to their text at once (FitColumnsToText with
  // False and 10).
  bool AutoSize() const { return FAutoSizeFlag; }
  void SetAutoSize(bool Value) override;
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  bool WordWrap() const { return TBaseGrid::WordWrap(); }
  void SetWordWrap(bool Value);
  bool Multilinecells() const { return FMultilinecells; }
  void SetMultilinecells(bool Value) { FMultilinecells = Value; }
  bool EnhTextSize() const { return FEnhTextSize; }
  void SetEnhTextSize(bool Value) { FEnhTextSize = Value; }
  bool AutoNumAlign() const { return FAutoNumAlign; }
  void SetAutoNumAlign(bool Value) { FAutoNumAlign = Value; }
  const plat::String& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const plat::String& Value) { FFloatFormat = Value; }
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  bool OemConvert() const { return FOemConvert; }
  void SetOemConvert(bool Value) { FOemConvert = Value; }
  bool EditWithTags() const { return FEditWithTags; }
  void SetEditWithTags(bool Value) { FEditWithTags = Value; }

  // HTML and links; URLColor and URLFull repaint only while URLShow is set.
  bool EnableHTML() const { return FEnableHTML; }
  void SetEnableHTML(bool Value) { FEnableHTML = Value; }
  bool AnchorHint() const { return FAnchorHint; }
  void SetAnchorHint(bool Value) { FAnchorHint = Value; }
  plat::TColor URLColor() const { return FURLColor; }
  void SetURLColor(plat::TColor Value);
  bool URLShow() const { return FURLShow; }
  void SetURLShow(bool Value);
  bool URLFull() const { return FURLFull; }
  void SetURLFull(bool Value);
  bool URLEdit() const { return FURLEdit; }
  void SetURLEdit(bool Value) { FURLEdit = Value; }
  bool HTMLHint() const { return FHTMLHint; }
  void SetHTMLHint(bool Value) { FHTMLHint = Value; }
  // Pictures that cells and HTML texts name; cleared when they are freed.
  plat::TImageList* GridImages() const { return FGridImages; }
  void SetGridImages(plat::TImageList* Value);
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value);

  // Fixed cells.
  plat::TFont* FixedFont() const { return FFixedFont.get(); }
  void SetFixedFont(const plat::TFont* Value);
  int FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int Value);
  int FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int Value);
  bool FixedRowAlways() const { return FFixedRowAlways; }
  void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
  bool FixedColAlways() const { return FFixedColAlways; }
  void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
  bool FixedAsButtons() const { return FFixedAsButtons; }
  void SetFixedAsButtons(bool Value) { FFixedAsButtons = Value; }
  int SavedFixedRows() const { return FSavedFixedRows; }
  int SavedFixedCols() const { return FSavedFixedCols; }
  // Start and end of the fixed cells' gradient under the XP and silver
  // looks: the look colours. The setters store the colour as RGB and repaint.
  plat::TColor FixedGradientFrom() const { return FLookColor1; }
  plat::TColor FixedGradientTo() const { return FLookColor2; }
  void SetFixedGradientFrom(plat::TColor Value);
  void SetFixedGradientTo(plat::TColor Value);

  // Look.
  TGridLook Look() const { return FLook; }
  void SetLook(TGridLook Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  plat::TColor HintColor() const { return FHintColor; }
  void SetHintColor(plat::TColor Value) { FHintColor = Value; }
  plat::TBitmap* RowIndicator() const { return FRowIndicator.get(); }
  void SetRowIndicator(const plat::TBitmap* Value);
  plat::TColor LookColor1() const { return FLookColor1; }
  plat::TColor LookColor2() const { return FLookColor2; }

  // Scrolling.
  // Flat and Encarta bars use the common controls' flat scroll bars where
  // the library offers them (ExtGridFlatScroll.cpp); colour and width go
  // to them.
  TScrollType ScrollType() const { return FScrollType; }
  void SetScrollType(TScrollType Value);
  plat::TColor ScrollColor() const { return FScrollColor; }
  void SetScrollColor(plat::TColor Value);
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  bool FlatScrollActive() const { return FFlatScrollActive; }
  bool ScrollSynch() const { return FScrollSynch; }
  void SetScrollSynch(bool Value) { FScrollSynch = Value; }
  bool ScrollProportional() const { return FScrollProportional; }
  // On: thumbs sized to the part of the rows and columns in view, still
  // on the 0..127 positions; off: standard thumbs again.
  void SetScrollProportional(bool Value);
  TScrollHintType ScrollHints() const { return FScrollHints; }
  void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
  TIntelliPan IntelliPan() const { return FIntelliPan; }
  void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }
  bool IntelliZoom() const { return FIntelliZoom; }
  void SetIntelliZoom(bool Value) { FIntelliZoom = Value; }
  bool EnableWheel() const { return FEnableWheel; }
  void SetEnableWheel(bool Value) { FEnableWheel = Value; }

  // Editing.
  TEditorType DefaultEditor() const { return FDefaultEditor; }
  void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
  int MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(int Value);
  bool Lookup() const { return FLookup; }
  void SetLookup(bool Value) { FLookup = Value; }
  bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
  void SetLookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
  bool LookupHistory() const { return FLookupHistory; }
  void SetLookupHistory(bool Value) { FLookupHistory = Value; }

  // Behaviour.
  bool EnhRowColMove() const { return FEnhRowColMove; }
  void SetEnhRowColMove(bool Value) { FEnhRowColMove = Value; }
  bool SizeWithForm() const { return FSizeWithForm; }
  void SetSizeWithForm(bool Value) { FSizeWithForm = Value; }
  bool Hovering() const { return FHovering; }
  void SetHovering(bool Value);
  bool EnableBlink() const { return FEnableBlink; }
  void SetEnableBlink(bool Value) { FEnableBlink = Value; }
  bool HintShowCells() const { return FHintShowCells; }
  void SetHintShowCells(bool Value) { FHintShowCells = Value; }
  bool HintShowLargeText() const { return FHintShowLargeText; }
  void SetHintShowLargeText(bool Value) { FHintShowLargeText = Value; }
  bool HintShowSizing() const { return FHintShowSizing; }
  void SetHintShowSizing(bool Value) { FHintShowSizing = Value; }
  // Filtering (ExtGridFilter.cpp). Switching FilterActive on hides, in one
  // update bracket, every normal row that fails FilterRowMatches and forgets
  // a saved selection; switching it off shows every hidden row again (rows
  // hidden by other means too), gives back the fixed rows (as many as the
  // rows then allow) and restores a saved selection. Either way, and also
  // when the value does not change, the footers are recalculated. Changing
  // Filter while it is on filters nothing until ApplyFilter runs.
  bool FilterActive() const { return FFilterActive; }
  void SetFilterActive(bool Value);
  // Whether display row ARow meets the conditions, joined strictly in their
  // order; true for an empty Filter.
  virtual bool FilterRowMatches(int ARow);
  // Hides the normal rows (between the fixed rows and the fixed footers)
  // that fail; while filtering is on, rows that were fixed when it went on
  // count as fixed. OnFilterProgress hears the percentage of the normal rows
  // tested, never when there are none.
  void ApplyFilter();
  TGridProgressEvent OnFilterProgress;

  // Column aggregates (ExtGridAggregates.cpp) of column ACol (a store
  // column, as the typed readers take it) over rows FromRow..ToRow. A ToRow
  // at or beyond the usable rows (RowCount, less the floating footer's row
  // while it is visible) makes them real rows, hidden ones read from their
  // saved cells; otherwise the display rows are read and grouping's caption
  // and summary rows are passed over. Members of a merged range other than
  // its base cell, rows outside the grid and texts holding no number (an
  // empty text too) are passed over. The average divides by every row of
  // the range, passed-over ones included (0 for an empty range); minimum and
  // maximum start from the first number read, 0 without one. GridProgress
  // hears (0, -1), (1, row) for each row of the range and (2, -1).
  virtual double SumOfColumn(int ACol, int FromRow, int ToRow);
  virtual double AverageOfColumn(int ACol, int FromRow, int ToRow);
  virtual double MinimumOfColumn(int ACol, int FromRow, int ToRow);
  virtual double MaximumOfColumn(int ACol, int FromRow, int ToRow);
  // RowCount less the floating footer's row while it is visible.
  int UsableRowCount() const;

 private:
  struct TColumnNumbers {
    double Sum = 0;
    double Minimum = 0;
    double Maximum = 0;
    bool Any = false;
    void Take(double Value);
  };
  TColumnNumbers ReadColumnNumbers(int ACol, int FromRow, int ToRow);
  void ReadShownRows(int ACol, int FromRow, int ToRow, TColumnNumbers& Numbers);
  void ReadRealRows(int ACol, int FromRow, int ToRow, TColumnNumbers& Numbers);
  // The rows grouping adds, which the aggregates of shown rows pass over:
  // caption (node) rows and summary rows.
  bool IsGroupingRow(int ARow);

 public:
  // The floating footer's values (ExtGridFooter.cpp). Only while the footer
  // shows in the fixed-last-row style with its Calculate switch on: each
  // cell of the last row that has properties takes the value its CalcType
  // names (TFooterCalcType) over rows FixedRows..RowCount-2, and the hidden
  // rows too with CalculateHiddenRows. ACol -1: every column.
  virtual void CalcFooter(int ACol);
  // A column's cells changed: its footer is recalculated; without a
  // column, every footer.
  virtual void ColumnChanged(int ACol);
  virtual void ColumnChanged();
  // A custom footer cell's value (ARow counts the hidden rows with
  // CalculateHiddenRows): fires FloatingFooter's OnCalcFooter.
  virtual void CalcFooterValue(int ACol, int ARow, plat::String& Value);
  // The custom template with the current row's column texts in place.
  plat::String FooterTemplateText();
  TFooterPaintEvent OnFooterPaint;

 private:
  friend class TFooterPanel;
  void CalcFooterCell(int ACol);
  // Footer painting and hints (ExtGridFooterPaint.cpp). The columns the
  // panel shows under the grid's (the fixed ones, then those from LeftCol)
  // with their extents in a panel Width wide, mirrored right to left.
  struct TFooterColumn {
    int Col;
    int Left;
    int Right;
  };
  std::vector<TFooterColumn> FooterColumns(int Width);
  void PaintFooterPanel(plat::TCanvas& Canvas, const plat::TRect& Client);
  void PaintFooterRow(plat::TCanvas& Canvas, const plat::TRect& Client);
  void PaintFooterPreview(plat::TCanvas& Canvas, const plat::TRect& Client);
  // A cell's content drawn on the footer, without the fixed cells' look.
  void DrawFooterCellText(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect,
                          plat::TGridDrawState State);

 public:

  // Texts a data check box holds when set and cleared.
  const plat::String& CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const plat::String& Value) { FCheckTrue = Value; }
  const plat::String& CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const plat::String& Value) { FCheckFalse = Value; }

  // Platform facts taken at creation.
  bool IsWinXP() const { return FIsWinXP; }
  bool HasComCtl6() const { return FHasComCtl6; }
  unsigned WheelMessage() const { return FWheelMessage; }
  int WheelLines() const { return FWheelLines; }
  // Columns 0..511 can be hidden; higher ones always count as shown.
  bool ColumnShown(int ACol) const;
  int NormalRowCount() const { return FNormalRowCount; }
  int UpdateCount() const { return FUpdateCount; }
  // While the count is above 0 the window neither paints nor erases and
  // its flat frame stays as it is; the last EndUpdate repaints it all.
  // Every End closes its own Begin whether or not the grid is shown (only
  // a shown window is told to stop drawing); ResetUpdate forgets every
  // open bracket and draws again.
  // How the bracket's first Begin holds drawing back: usStopRedraw also
  // tells a shown window to stop drawing (WM_SETREDRAW false, and true again
  // at the end); usCountOnly only raises the count, so WM_PAINT is still
  // swallowed while it is open but the window's redraw flag is left alone.
  enum class TUpdateSuspension { usStopRedraw, usCountOnly };
  void BeginUpdate(TUpdateSuspension How = TUpdateSuspension::usStopRedraw);
  void EndUpdate();
  void ResetUpdate();

  // "3.3.0.1" whatever is written.
  plat::String Version() const;
  void SetVersion(const plat::String&) {}
  static std::uint32_t GetVersionNumber();
  virtual plat::String GetVersionString() const;

  // Small operations.
  // The cell's text as wide text, by the Unicode cell rule.
  plat::WideString GetCellWideText(int ACol, int ARow);
  void SetCellWideText(int ACol, int ARow, const plat::WideString& Value);
  void ResetColumnOrder();
  const std::vector<int>& ColumnOrder() const { return FColumnOrder; }

  // Import, automatic sizes and the row swap (ExtGridCsv.cpp,
  // ExtGridWorkbook.cpp, ExtGridFitting.cpp, ExtGridRowSwap.cpp). Loads run
  // in one update bracket and keep what was read when they fail. A CSV file
  // that cannot be opened raises EExtGridError "Cannot open file <name>";
  // a read error mid-file raises plat::EInOutError after the rows read so far
  // are stored and CsvDelimiter is restored. The workbook import raises
  // EExtGridError "Excel OLE server not found" or "Excel worksheet <name> not
  // found", and passes on the automation's own errors (plat::EOleException).
  // Fitted sizes pass through the clamp of the width (height) limits, 0
  // meaning none (loading from a layout sets the minimums to 10 and to
  // DefaultRowHeight); fitting takes display indexes, measures each cell as
  // GetCellTextSize does and ignores indexes outside the grid. Imported
  // texts are stored through SetImportText, at the columns as counted in
  // the file or sheet (no display mapping). A visible floating footer keeps
  // a row of its own below loaded rows, hidden columns' cells included.
  // ExchangeRows raises EListError for a row outside 0..RowCount-1 and
  // changes nothing.
  char CsvDelimiter() const { return FCsvDelimiter; }  // '\0': detected per load
  void SetCsvDelimiter(char Value) { FCsvDelimiter = Value; }
  bool TildeLineBreaks() const { return FTildeLineBreaks; }
  void SetTildeLineBreaks(bool Value) { FTildeLineBreaks = Value; }
  // Loads and streams take the fixed cells too; true at creation.
  bool IncludeFixedCells() const { return FIncludeFixedCells; }
  void SetIncludeFixedCells(bool Value) { FIncludeFixedCells = Value; }
  int MinColWidth() const { return FMinColWidth; }
  void SetMinColWidth(int Value) { FMinColWidth = Value; }
  int MaxColWidth() const { return FMaxColWidth; }
  void SetMaxColWidth(int Value) { FMaxColWidth = Value; }
  int MinRowHeight() const { return FMinRowHeight; }
  void SetMinRowHeight(int Value) { FMinRowHeight = Value; }
  int MaxRowHeight() const { return FMaxRowHeight; }
  void SetMaxRowHeight(int Value) { FMaxRowHeight = Value; }
  // Automatic sizing only widens (heightens).
  bool OnlyGrow() const { return FOnlyGrow; }
  void SetOnlyGrow(bool Value) { FOnlyGrow = Value; }
  // Space between a cell's edge and its text.
  static constexpr int CellHorzMargin = 2;
  static constexpr int CellVertMargin = 2;
  void ImportCsvFile(const plat::String& FileName) { ReadCsvIntoGrid(FileName, false); }
  void ReadCsvIntoGrid(const plat::String& FileName, bool Append);
  void ImportSpreadsheetFile(const plat::String& FileName) { ReadExcelSheet(FileName, {}); }
  // The used range of the named worksheet, or of the active one.
  void ReadExcelSheet(const plat::String& FileName, const plat::String& SheetName);
  void FitColumnsToText(bool IncludeFixed, int Extra);
  void FitColumnToContents(int ACol);
  void FitRowToContents(int ARow);
  void SetRowLines(int ARow, int Lines, int Extra);
  virtual void ExchangeRows(int ARow1, int ARow2);
  int SwapCount() const { return FSwapCount; }
  // The hook a fitted (or mouse-sized) width passes through: fires
  // OnUpdateColumnSize, which may change it.
  virtual void UpdateColumnSize(int ACol, int& AWidth);
  TGridProgressEvent OnFileProgress;
  TUpdateColumnSizeEvent OnUpdateColumnSize;

  // Sorting (ExtGridSort.cpp, ExtGridSortCompare.cpp, ExtGridRowSwap.cpp).
  // The sorts reorder the normal rows (between the fixed rows and the fixed
  // footers) in place, with row exchanges, inside one update bracket, by the
  // grid's quick sort (detail/RowQuickSort.h) whose handling of equal rows
  // users see. Columns are display columns; a sort by a column, or by an
  // index entry, outside the grid changes nothing. Each sort converts a
  // cell's text once (the keys move with the rows) and works with three
  // scratch rows after the last row, the middle one holding the pivot row's
  // copy for OnRawCompare; the scratch rows, the update bracket and, with
  // SortSettings.NormalCellsOnly and fixed columns, column 0's texts are
  // put back also when a comparison raises.
  // The load-order list numbers the rows as they were when a sort began
  // with a list that did not match the rows; row insertions, removals,
  // moves and exchanges keep it in step (inserted rows sort after the
  // others; rows that come back from hiding count as inserted). UnSort puts
  // the normal rows back in that order, and does nothing while the list is
  // out of step.
  //
  // CompareCells: -1, 0 or 1 (or what OnCustomCompare or OnRawCompare
  // answer) for column ACol of two rows, by the column's style (ssAutomatic
  // with SortSettings.AutoFormat, else ssAlphabetic, then OnGetFormat);
  // texts are display texts. With SortSettings.IgnoreBlanks an empty cell
  // against a non-empty one goes to SortSettings.BlankPos's end in either
  // Direction. CompareRowsByColumn goes on to the next columns while equal
  // under SortSettings.Full; CompareRowsByIndex takes entry Index of
  // SortIndexes and, under Full, the entries after it.
  int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
  int CompareRowsByColumn(int ACol, int ARow1, int ARow2);
  int CompareRowsByIndex(int Index, int ARow1, int ARow2);
  // By SortSettings.Column and Direction; clears SortIndexes. Without
  // Navigation.MoveRowOnSort the row number stays current and OnRowUpdate
  // hears (that row, that row); with it the current row follows its data.
  virtual void QSort();
  // By SortIndexes; an empty list raises EExtGridError "No indexes
  // specified for indexed sort" and changes nothing.
  virtual void SortByIndexColumns();
  // Inside every expanded node spanning more than two rows, its child rows.
  virtual void SortNodesByColumn();
  virtual void SortNodesByIndex();
  virtual void UnSort();
  // Column numbers with TSortIndexList::DescendingBit for descending.
  TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;

  // Grouping (ExtGridGrouping.cpp). GroupOnColumn gives each run of equal
  // texts of the column (sorted first with SortSettings.AutoSortForGrouping)
  // a caption row holding the text in column 1: a node spanning the caption,
  // the run and, with Grouping.Summary, a summary row after the run; then
  // the column goes. RemoveGrouping gives back the rows, the values, the
  // column's width and title. GroupOnColumnInPlace keeps the column: each
  // run of the rows between existing node and summary rows gets a caption
  // (a node tagged with ACol, the text in column ACol + 1) and loses its
  // texts in ACol; RemoveGroupLevel(ACol) writes them back and removes the
  // captions of that level. Enclosing nodes grow and shrink with the rows.
  // Grouping on column 0, on a column below FixedCols, or on one without a
  // column for the captions changes nothing.
  virtual void GroupOnColumn(int ACol);
  virtual void GroupOnColumnInPlace(int ACol);
  virtual void RemoveGrouping();
  virtual void RemoveGroupLevel(int ACol);
  // The column GroupOnColumn removed; -1 while not grouped.
  int GroupColumn() const { return FGroupColumn; }

 protected:
  // The hooks of OnCustomCompare and OnRawCompare.
  virtual void CustomCompare(const plat::String& Str1, const plat::String& Str2, int& Res);
  virtual void RawCompare(int ACol, int ARow1, int ARow2, int& Res);
  void RowMoved(int FromIndex, int ToIndex) override;
  void RowsMoved(int FromIndex, int Count, int ToIndex) override;
  void RowsGathered(const std::vector<int>& Rows) override;
  void RowsScattered(const std::vector<int>& Rows) override;

 private:
  class TSortScope;
  // Runs Sort on the normal rows (first, last) inside a sort's scope, then
  // places the current row (ReportRow: QSort's OnRowUpdate).
  void RunSort(bool ReportRow, const std::function<void(int First, int Last)>& Sort);
  void SortRowsByColumn(int First, int Last);
  void SortRowsByIndex(int First, int Last);
  // The row exchange of a sort, its keys following.
  void SortExchange(int ARow1, int ARow2);
  bool SortIndexesInGrid() const;
  detail::TSortFormat SortFormatOf(int ACol);
  void LoadSortKey(int ACol, int ARow, TSortStyle Style, detail::TSortKey& Key);
  // The run's key of a row, loaded on first use.
  detail::TSortKey& RunKey(detail::TSortColumn& Column, int ACol, int ARow);
  int CompareSortCells(int ACol, int ARow1, int ARow2, const detail::TSortFormat& Format, detail::TSortKey& Key1,
                       detail::TSortKey& Key2, TSortDirection Direction);
  // Copies the pivot's data row into the pivot scratch row, once per pivot.
  void StorePivotRow();
  // The properties objects of a row learn where they now are.
  void ClaimRowObjects(int ARow);
  // Rows inserted (empty, default height) so that they end at the display
  // rows FinalRows (ascending), in one pass, as InsertRows would one by one.
  void InsertRowsAt(const std::vector<int>& FinalRows);
  // Removes display rows Rows (ascending), freeing what they hold, in one
  // pass, as RemoveRows would one by one.
  void RemoveRowList(const std::vector<int>& Rows);
  // A caption (summary) row merged from CaptionCol to the last column or
  // coloured, by the Grouping settings.
  void DecorateGroupRow(int ARow, int CaptionCol, bool Summary);
  // The node rows among the normal rows, ascending.
  std::vector<int> NormalNodeRows();
  // Changes the span of each node row in Nodes (before rows are inserted or
  // removed) by Delta(Start, End) for the rows Start..End-1 it spans.
  void AdjustNodeSpans(const std::vector<int>& Nodes, const std::function<int(int Start, int End)>& Delta);
  std::unique_ptr<TSortIndexList> FSortIndexes = std::make_unique<TSortIndexList>(0, 0);
  detail::TLoadOrder FLoadOrder;
  std::unique_ptr<detail::TSortRun> FSortRun;
  // The current row's data as a sort moves it; -1 outside sorts.
  int FTrackedRow = -1;
  int FGroupColumn = -1;
  int FGroupWidth = 0;
  // The grouped column's texts in the fixed rows and in the footer rows:
  // the column is removed while grouped, and they come back with it.
  std::vector<plat::String> FGroupFixedTexts, FGroupFooterTexts;

 public:
  // Streams and the clipboard (ExtGridCellBlock.cpp, ExtGridGridText.cpp,
  // ExtGridClipboard.cpp, ExtGridSmartFill.cpp). A cell block carries the
  // cells of a rectangle (columns Left..Right, rows Top..Bottom) with their
  // texts, properties and the block's sizes; it is also the clipboard's
  // private format "TExtStringGrid Cells". The text grid stream carries the
  // normal counts, every column width and the normal cells' export texts.
  // Copying puts tab-separated text on the clipboard, beside a rich-text
  // top-left cell as "Rich Text Format" (Navigation.AllowRTFClipboard) and
  // the cell block (AllowFmtClipboard), all in one change of the clipboard.
  // Reading either stream is reading untrusted bytes: a cut-short or foreign
  // stream raises plat::EReadError (non-numeric sizes plat::EConvertError),
  // and each stream is checked whole before the grid changes. Reading costs
  // in proportion to the stream and the cells the grid holds, never to the
  // counts: a full-grid block's counts are bounded by its size lists, and a
  // text grid stream may grow the grid only as far as its widths and cells
  // reach.
  // Pasted text lands only in cells inside the grid (after the growth that
  // Navigation allows); the fields beyond are counted, not stored.
  using TClipboardEvent = std::function<void(plat::TObject* Sender, bool& Allow)>;
  using TClipboardPasteCellEvent =
      std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::String& Value, bool& Allow)>;
  using TClipboardPasteWideCellEvent =
      std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::WideString& Value, bool& Allow)>;
  enum class TClipboardAction { caNone, caCopy, caCut };
  void SaveCellBlock(const plat::TRect& R, plat::TStream& Stream);
  // The block's first cell lands at P; a block of the whole grid reshapes
  // the grid and keeps its cells' places.
  void LoadCellBlock(plat::TPoint P, plat::TStream& Stream);
  void SaveGridText(plat::TStream& Stream);
  // Empties the normal cells' texts, then places the stream's; stops at the
  // first line without its two leading comma fields, the stream left at
  // that line's start. Counts beyond both the grid's normal range and what
  // the widths and cells reach raise plat::EReadError.
  void LoadGridText(plat::TStream& Stream);
  void CopySelection();
  void CutSelection();
  void PasteSelection();
  // The number of cells (fields) pasted.
  int PasteAt(int ACol, int ARow);
  int PasteText(int ACol, int ARow, const plat::String& Text);
  // The widest line's field count and the number of CR-ended lines.
  void MeasureText(const plat::String& Text, int& Cols, int& Rows) const;
  TClipboardAction LastClipboardAction() const { return FLastClipboardAction; }
  static plat::UINT CellsClipboardFormat();
  static plat::UINT RichTextClipboardFormat();
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TClipboardPasteCellEvent OnClipboardBeforePasteCell;
  TClipboardPasteWideCellEvent OnClipboardBeforePasteWideCell;

 protected:
  // Long loops report (0, -1) at the start, (1, row) or (3, row) per row
  // and (2, -1) at the end; nothing happens here.
  virtual void GridProgress(int, int) {}
  // A paste placed the cells of Pasted; CopyOrigin is where this grid's
  // last copy began when the block came from it, else (-1, -1).
  virtual void AfterPaste(const plat::TRect&, plat::TPoint, TClipboardAction) {}

 private:
  // The normal cells: all with IncludeFixedCells, else without the fixed
  // rows, columns, footers and right columns.
  plat::TRect NormalRange() const;
  void CopyRange(plat::TRect R, bool Disjunct);
  plat::String ClipboardCellText(int ACol, int ARow);
  // The cell takes pasted and cut texts: editable, or AllowClipboardAlways.
  bool ClipboardCanWrite(int ACol, int ARow);
  // Asks OnClipboardBeforePasteCell (Unicode cell texts: the wide event)
  // and stores the text at display column ACol unless refused.
  void PasteCellText(int ACol, int ARow, plat::String Value);
  void SmartFill(const plat::TGridRect& Sel, int Pasted);
  plat::TPoint FCopyOrigin{-1, -1};
  TClipboardAction FLastClipboardAction = TClipboardAction::caNone;
  bool FPastingSelection = false;

 public:
  // Hidden rows and columns, display and real indexes, row operations
  // (ExtGridMapping.cpp, ExtGridHidden.cpp, ExtGridRowOps.cpp,
  // ExtGridColOps.cpp, ExtGridClearing.cpp, ExtGridColumnMerges.cpp,
  // ExtGridScrolling.cpp, ExtGridProportional.cpp).
  // Real rows are where the data lies, counting hidden rows; display rows
  // are the grid's rows. Columns 0..511 can be hidden; the others always map
  // to themselves. Shrinking RowCount drops the rows beyond it (texts
  // emptied, objects freed); cells beyond ColCount stay (hidden columns live
  // there). Removed rows and columns free the objects they still hold.
  // Operations given indexes out of range or counts below 1 change nothing;
  // counts are clamped to the rows that exist, insertion indexes to 0..count.
  int DisplayToRealCol(int ACol) const;
  int RealToDisplayCol(int ACol) const;
  int DisplayToRealRow(int ARow) const;
  int RealToDisplayRow(int ARow) const;
  bool RowIsHidden(int ARow) const;
  int HiddenRowCount() const { return FHiddenRows->Count(); }
  TGridItem* HiddenRow(int Index) const { return static_cast<TGridItem*>(FHiddenRows->Items(Index)); }
  int HiddenColCount() const { return FHiddenColCount; }
  // Marks a real column (0..511) shown or hidden in the visibility table;
  // the cells stay where they are.
  void SetColumnShown(int ACol, bool Shown);
  int CurrentRealCol() const { return DisplayToRealCol(Col()); }
  // A hidden row answers from its stored cells; any other real row from
  // the grid; an empty text for a column beyond what was stored.
  plat::String GetHiddenAwareCellText(int ACol, int ARow);
  int Row() const { return TBaseGrid::Row(); }
  // Makes ARow current and reports a change through OnRowUpdate, unless
  // an update bracket is open (the next call then reports it).
  void SetRow(int ARow);
  TRowUpdateEvent OnRowUpdate;
  TScrollHintEvent OnScrollHint;

  // Real indexes; each range is clamped to the real rows.
  void HideRowRange(int FromRow, int ToRow);
  void HideRowList(const std::vector<int>& Rows);
  void UnhideAllRows();
  void UnhideRowRange(int FromRow, int ToRow);

  // Display indexes.
  virtual void RemoveRows(int Index, int Count);
  virtual void DeleteRows(int Index, int Count);
  virtual void RemoveRowsFreeing(int Index, int Count);
  void RemoveRowsKeepingHeights(int Index, int Count, bool AdjustHidden);
  virtual void InsertRows(int Index, int Count);
  virtual void AddRow();
  virtual void RemoveCols(int Index, int Count);
  virtual void InsertCols(int Index, int Count);
  virtual void ClearRect(int Col1, int Row1, int Col2, int Row2);
  void ClearRows(int ARow, int Count);
  void ClearCols(int ACol, int Count);
  void ClearDataCells();
  void ClearAll();
  // Splits the ranges based in the column (ExtGridColumnMerges.cpp); merges
  // its runs of equal texts in the normal rows, with IgnoreOtherMerges off
  // only where the rows share their merges in the other columns.
  void SplitColumnMerges(int ACol);
  void MergeEqualCells(int ACol, bool IgnoreOtherMerges);
  // The columns kept merged on their runs of equal texts. Each change the
  // list reports splits every merged range and merges the listed columns
  // again in list order, the later ones only where the rows share their
  // merges; columns outside the grid are passed over.
  TIntList* MergedColumns() const { return FMergedColumns.get(); }
  // The cell's text is marked as Unicode.
  bool IsUnicodeCell(int ACol, int ARow);

  // Row and column selection flags (ExtGridSelectionFlags.cpp), for the
  // disjunct selections of MouseActions. Row flags are kept by real row
  // with RowSelectPersistent (so they stay with rows that get hidden), else
  // by display row; column flags by display column. The row and column
  // operations move the flags with their rows and columns. A row index must
  // lie below RowCount plus the hidden rows, a column index below ColCount:
  // else EExtGridError "Invalid row accessed" / "Invalid column accessed".
  // Without DisjunctRowSelect a row counts as selected while it lies among
  // the selection's rows. Setters repaint only what changed.
  bool IsRowSelected(int ARow);
  void SetRowSelected(int ARow, bool Value);
  bool IsColSelected(int ACol);
  void SetColSelected(int ACol, bool Value);
  void ClearRowSelection();
  void ClearColSelection();
  // Flags the normal rows (columns) inside the selection; with All the
  // others are unflagged too.
  void SelectRowsInRange(bool All);
  void SelectColsInRange(bool All);
  // Rows marked as changed by the user, by display row, shown with
  // ShowModified; the marks move with their rows. Negative rows are never
  // marked.
  bool IsRowModified(int ARow) const { return ARow >= 0 && FRowModified.Get(ARow); }
  void SetRowModified(int ARow, bool Value);
  // Wraps every visible occurrence of Text in the cells' texts in a "hi"
  // tag; RemoveHighlightInCells takes the tags out again. AllCells: every
  // cell, else the normal ones (no fixed, fixed right or footer cells).
  void HighlightInCells(bool AllCells, bool CaseSensitive, const plat::String& Text);
  void RemoveHighlightInCells(bool AllCells);
  // Repaints the block between two corner cells (the whole grid when a
  // corner is out of view; nothing for a negative index), a row, a column,
  // and the headers (column in row 0, row in column 0) of an old and a new
  // position.
  void RepaintRect(const plat::TRect& R);
  void RepaintRow(int ARow);
  void RepaintCol(int ACol);
  void RepaintHeadings(int OldCol, int OldRow, int NewRow, int NewCol);
  // Removes the flagged normal rows (without DisjunctRowSelect: the
  // selection's rows), freeing what they hold.
  void RemoveSelectedRows();
  // Clears the flagged rows (DisjunctRowSelect) or columns
  // (DisjunctColSelect), else the selection.
  void ClearSelectedCells();

  // Hit tests of the mouse and the drop target.
  bool ScreenToCell(plat::TPoint Point, int& ACol, int& ARow);
  bool IsOnSizingBorder(int X, int Y);
  // Painting, cell colours and fonts (ExtGridPaint.cpp, ExtGridCellText.cpp,
  // ExtGridRichText.cpp, ExtGridPaintExtras.cpp, ExtGridColors.cpp,
  // ExtGridUpdate.cpp).
  // Cell setters take a real column, make the cell's properties when
  // missing and repaint the cell; nothing is checked against the counts.
  void SetCellBrushColor(int ACol, int ARow, plat::TColor Value);
  // clNone for a cell without properties (none are made).
  plat::TColor GetCellBrushColor(int ACol, int ARow) const;
  void SetCellBrushColorTo(int ACol, int ARow, plat::TColor Value);
  void SetCellFontColor(int ACol, int ARow, plat::TColor Value);
  void SetCellFontStyle(int ACol, int ARow, plat::TFontStyles Value);
  // Makes the cell's properties when missing.
  bool GetCellReadOnly(int ACol, int ARow);
  plat::TControl* GetCellControl(int ACol, int ARow) const;
  // Every column from FixedCols on, hidden ones too, then the row is
  // repainted; clNone frees the cells' properties (all their settings).
  void SetRowBrushColor(int ARow, plat::TColor Value);
  void SetRowBrushColorTo(int ARow, plat::TColor Value);
  void SetRowFontColor(int ARow, plat::TColor Value);
  void RepaintFirstColumn();
  // The current cell's text (its base cell's when merged); the edit form
  // writes through SetEditText.
  virtual plat::String CurrentCellText();
  virtual void SetCurrentCellText(const plat::String& Value);
  virtual void SetCurrentCellEditText(const plat::String& Value);
  // The cursor the grid returns to after link and zone cursors.
  plat::TCursor GridCursor() const { return FGridCursor; }
  // Sets the control's cursor and keeps it as the grid's own.
  void SetCursor(plat::TCursor Value);

  // The cells picked one by one under MouseActions.DisjunctCellSelect, kept
  // as (column, row) pairs at any index; marking a cell repaints it.
  const std::vector<plat::TGridCoord>& SelectedCells() const { return FSelectedCells; }
  bool IsCellMarkedSelected(int ACol, int ARow) const;
  void MarkCellSelected(int ACol, int ARow, bool Value);
  void ClearCellSelectionMarks();

  // The cell's font, colours, word wrap and alignment as painting sees them.
  void GetCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign);
  virtual void GetDisplayText(int ACol, int ARow, plat::String& Text);
  virtual void GetFormulaText(int ACol, int ARow, plat::String& Text);
  virtual void GetExportText(int ACol, int ARow, plat::String& Text);
  virtual void SetImportText(int ACol, int ARow, const plat::String& Text);
  // The room the content needs, margins included; ACol is a display column.
  void GetCellTextSize(int ACol, int ARow, int& Width, int& Height, bool WordWrapped);
  // 1 without Multilinecells, else the most lines a shown cell of the row
  // holds.
  int GetRowLineCount(int ARow);
  // One dotted XOR line; a second call at the same place erases it.
  void DrawColSizingLine(int X);
  void DrawRowSizingLine(int Y);
  void PaintFlatBorder();
  // The fixed gradient, active-cell and search-footer colours from the
  // desktop's colour scheme.
  void ApplyXPColors();

  TGridFloatFormatEvent OnGetFloatFormat;
  TCustomCellDrawEvent OnCustomCellDraw;

  // The hooks through which every grid feature asks the events.
  virtual void GetGridHint(int ACol, int ARow, plat::String& HintText);
  virtual void ApplyCellColors(int ACol, int ARow, plat::TGridDrawState AState, plat::TBrush* ABrush,
                               plat::TFont* AFont);
  virtual void GetCellPrintColors(int ACol, int ARow, plat::TGridDrawState AState, plat::TBrush* ABrush,
                                  plat::TFont* AFont);
  virtual void GetCellBorders(int ACol, int ARow, TCellBorders& Borders, plat::TPen* APen);
  virtual void GetCellPrintBorders(int ACol, int ARow, plat::TPen* APen, TCellBorders& Borders);
  virtual void AdjustCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign);
  virtual void GetCellFormat(int ACol, TSortStyle& AStyle, plat::String& Prefix, plat::String& Suffix);
  virtual void GetCellEditorType(int ACol, int ARow, TEditorType& AEditor);
  virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
  virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void GetCellWordWrap(int ACol, int ARow, bool& AWordWrap);
  virtual bool HasComboBox(int ACol, int ARow);
  virtual void GetCheckTrue(int ACol, int ARow, plat::String& Value);
  virtual void GetCheckFalse(int ACol, int ARow, plat::String& Value);
  virtual bool HasFilterGlyph(int ACol, int ARow);
  virtual void CanAddRow(bool& CanAdd);
  virtual void CanInsertRow(int ARow, bool& CanInsert);
  // Whether a row is a node (summary) row, for the borders of grouping.
  virtual bool IsNode(int ARow);
  virtual bool IsSummary(int ARow);
  // A value typed into the HTML form control CtrlID of a cell: it becomes
  // the control's VALUE in the cell's text (a cell without that control
  // stays as it is), then OnControlEditDone fires (ExtGridCellControls.cpp).
  virtual void ControlEditDone(int ACol, int ARow, const plat::String& CtrlID, const plat::String& CtrlType,
                               const plat::String& CtrlVal);

  TGridHintEvent OnGridHint;
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridAlignEvent OnGetAlignment;
  TGridFormatEvent OnGetFormat;
  TGetEditorTypeEvent OnGetEditorType;
  TGridRowColBoolEvent OnIsFixedCell;
  TGridRowColBoolEvent OnCanEditCell;
  TGridRowColBoolEvent OnIsPasswordCell;
  TGridColRowBoolEvent OnGetWordWrap;
  TGridColRowBoolEvent OnHasComboBox;
  TGridColRowTextEvent OnGetCheckTrue;
  TGridColRowTextEvent OnGetCheckFalse;
  TCanAddRowEvent OnCanAddRow;
  TCanInsertRowEvent OnCanInsertRow;
  TCellValidateEvent OnCellValidate;
  TRowSizeEvent OnEndRowSize;
  plat::TNotifyEvent OnEditingDone;
  plat::TNotifyEvent OnRichEditSelectionChange;
  TCellControlEvent OnControlEditDone;

  // The grid's own timer, started with the window and gone with it; its
  // ticks belong to the keyboard handling.
  static constexpr plat::UINT_PTR GridTimer = 111;
  static constexpr plat::UINT GridTimerPeriod = 500;

 protected:
  // Painting (ExtGridPaint.cpp).
  void Paint() override;
  void DrawCellText(plat::TCanvas* ACanvas, int ACol, int ARow, const plat::TRect& ARect,
                    plat::TGridDrawState AState) override;
  void GetCellColor(int ACol, int ARow, plat::TGridDrawState& AState, bool APrint, bool ASelection, bool AMapColumn,
                    plat::TBrush* ABrush, plat::TColor& AColorTo, plat::TFont* AFont, bool& AWordWrap,
                    plat::TAlignment& AHAlign, TVAlignment& AVAlign) override;
  virtual void PaintEmptyArea();
  virtual void DrawSortIndicator(plat::TCanvas* ACanvas, int ACol, int X, int Y);
  // The messages of painting and the update bracket (ExtGridUpdate.cpp),
  // which the window procedure asks first; true when answered.
  bool PaintMessage(plat::TMessage& Message);
  // IsFixedCell's answer, or a fixed column or row.
  bool IsFixedCellAt(int ACol, int ARow) override;

  void Loaded() override;
  void CreateWnd() override;
  // A row's node level times CellNode's NodeIndent; 0 while the grid has
  // no nodes.
  int GetNodeIndent(int ARow) override;
  void Resize() override;
  // The policy follows every scroll-range update of the grid.
  void ScrollRangeUpdated() override {
    UpdateScrollBars(false);
    UpdateProportionalScroll();
  }
  void HiddenLastRowChanged() override;
  void ApplyColumnHeaders();
  void ApplyRowHeaders();
  // Hidden rows and scrolling.
  int DataColIndex(int ACol) override { return RealToDisplayCol(ACol); }
  void WMHScroll(plat::TMessage& Message) override;
  void WMVScroll(plat::TMessage& Message) override;
  // Keeps the display row limit; a grid on a parent, not being loaded,
  // also re-stretches its stretch column.
  void SizeChanged(int OldColCount, int OldRowCount) override;

 private:
  // Hidden rows and row operations.
  // The columns a row's cells may occupy: ColCount and the hidden ones.
  int AllColumnCount() const { return ColCount() + FHiddenColCount; }
  // The hidden rows whose real index lies below ARealRow: also where that
  // row stands, or would stand, in the ascending hidden-row list.
  int HiddenRowsBefore(int ARealRow) const;
  // The hidden-row list's index of a real row; -1 for a shown row.
  int HiddenRowIndex(int ARealRow) const;
  // Frees the objects and empties the texts of rows FromRow..ToRow.
  void DropRows(int FromRow, int ToRow);
  // Takes display rows Index..Index+Count-1 out of the grid, their objects
  // freed unless Detached (they now live elsewhere).
  void CutRows(int Index, int Count, bool Detached);
  // The bounds rule of the public removals: false (nothing done) for an
  // index outside the rows or a count below 1; Count is clamped.
  // Empties the texts and frees the objects of a block, without the
  // cells-changed hook: for operations that report a wider block. False
  // for an empty block. Visits only the cells that hold something.
  bool EmptyCells(int Col1, int Row1, int Col2, int Row2);
  // Where HighlightInCells works (ExtGridHighlight.cpp).
  plat::TRect HighlightRange(bool AllCells) const;
  // Replaces each stored text of a block by Rewrite's answer, in one update.
  void RewriteCells(const plat::TRect& Range, const std::function<plat::String(const plat::String&)>& Rewrite);
  // The cells-changed hook, unless the grid is being destroyed.
  void ReportChanged(const plat::TRect& R);
  bool TakeRows(int Index, int& Count, bool AdjustHidden);
  // The real rows of display rows Index..Index+Count-1, ascending.
  std::vector<int> RealRowsOf(int Index, int Count) const;
  // Where a display row's selection flag is kept.
  int RowFlagIndex(int ARow) const;
  // Drops the flags of rows leaving the grid (display rows from Index,
  // the real rows given), so the later flags follow their rows.
  void ForgetRowFlags(int Index, const std::vector<int>& RealRows);
  void CheckRowFlagIndex(int ARow) const;
  void CheckColFlagIndex(int ACol) const;
  // Reports the operation's rows (0..ColCount-1, Index..Index+Count).
  void RowsChanged(int Index, int Count);
  void SelectRowAgain(int ARow, int ATopRow);
  // Shifts the visibility table from Index by Count (negative: left),
  // new entries shown, and recounts the hidden columns.
  void ShiftColumnTable(int Index, int Count);
  // Splits every merged range and merges the MergedColumns again.
  void ReapplyColumnMerges();
  // Reports the operation's columns (Index..Index+Count, all rows).
  void ColumnsChanged(int Index, int Count);
  // Drops the empty row that stood in while every row was hidden.
  void DropPlaceholderRow();
  // Count empty rows at display row Index, with the default height.
  void OpenRows(int Index, int Count);
  // Hides real rows Rows (ascending, shown) in one step.
  void HideRealRows(const std::vector<int>& Rows);
  // Shows the hidden rows at Indexes of the hidden-row list (ascending).
  void ShowHiddenRows(const std::vector<int>& Indexes);
  // Lowers each hidden row's Idx by the real rows among Removed below it.
  void LowerHiddenIndexes(const std::vector<int>& Removed);
  // Raises the Idx of hidden rows at or after real row From by Count.
  void RaiseHiddenIndexes(int From, int Count);
  // The scroll hint and synchronous scrolling while the thumb is dragged.
  void TrackThumb(plat::TMessage& Message, bool Vertical);
  void HideScrollHint();
  // The flat scroll bars, through the functions the common controls offer
  // by name; nothing where one is missing or the bar is not in ScrollBars.
  void InitFlatScrollBars();
  void DoneFlatScrollBars();
  void SetFlatScrollProp(plat::UINT Index, plat::INT_PTR Value);
  void ShowFlatScrollBar(int Bar, bool Show);
  void CopyScrollInfoToFlat(int Bar);
  bool FlatBarAllowed(int Bar) const;
  void ApplyFlatStyle();
  void ApplyFlatColor();
  void ApplyFlatWidth();
  // Each flat bar shown exactly while its cells do not all show.
  void ShowFlatBarsAsNeeded();
  // Sizes both thumbs to the share of the cells in view (ExtGridProportional.cpp).
  void UpdateProportionalScroll();
  void UpdateProportionalBar(bool Vertical);

  std::unique_ptr<plat::TCollection> FHiddenRows =
      std::make_unique<plat::TCollection>(plat::CollectionItemClass<TGridItem>());
  int FHiddenColCount = 0;
  // Every row is hidden and the grid's one row is an empty stand-in.
  bool FPlaceholderRow = false;
  detail::TFlagList FRowSelection;
  detail::TFlagList FColSelection;
  detail::TFlagList FRowModified;
  int FLastReportedRow = -1;
  bool FFlatScrollActive = false;
  plat::THintWindow* FScrollHint = nullptr;
  // Painting's own (ExtGridPaint.cpp and its neighbours).
  struct CellPaint;
  bool InSortIndicatorCell(int ACol, int ARow);
  void ResolveCellFont(int ACol, int ARow, bool APrint, plat::TFont* AFont);
  void ApplySelectionColors(int ACol, int ARow, plat::TGridDrawState& AState, plat::TBrush* ABrush,
                            plat::TColor& AColorTo, plat::TFont* AFont);
  void DrawFixedLook(CellPaint& P);
  void DrawFixedEdges(CellPaint& P);
  void DrawCellContent(CellPaint& P);
  void DrawPlainText(CellPaint& P, const plat::String& Text, plat::TRect TextRect);
  // Rich text (ExtGridRichText.cpp); false when the text does not read as
  // rich text.
  bool LoadRichCell(const plat::String& Text);
  void DrawRichText(CellPaint& P, const plat::String& Text, const plat::TRect& TextRect);
  bool MeasureRichText(const plat::String& Text, const plat::TRect& Cell, int& Width, int& Height);
  // GetCellTextSize on a canvas the caller keeps, so that fitting a column
  // measures all its cells on one.
  void MeasureCellText(plat::TCanvas& Canvas, int ACol, int ARow, int& Width, int& Height, bool WordWrapped);
  void DrawCellBorders(CellPaint& P);
  void DrawTreeLines(CellPaint& P);
  void DrawBackGroundPicture(CellPaint& P);
  void DrawSelectionFrame(CellPaint& P);
  // Turns drawing back on after the last bracket closed, and repaints.
  void ResumeRedraw();
  bool FRedrawSuspended = false;
  std::vector<plat::TGridCoord> FSelectedCells;
  plat::TCursor FGridCursor = 0;
  plat::TColor FSelectionFrameColor = plat::clBlack;

  bool Designing() const;
  bool Loading() const;
  // The owner form's resize, through the grid's subscription.
  void FormResized();
  // Parents the first rich edit hidden, sizeless, borderless, transparent.
  void PlaceRichEdit();
  // The platform facts IsWinXP, HasComCtl6, WheelMessage and WheelLines.
  void TakePlatformFacts();
  // Repaints unless an update bracket is open.
  void Repaint() override;
  // The display hooks serve the rows above the footers: kept at RowCount
  // less FixedFooters whenever either changes.
  void UpdateDisplayRowLimit();

  plat::TComponentRef<TFooterPanel> FFooterPanel;
  plat::TComponentRef<plat::TImageList> FGridImages;
  plat::TComponentRef<TPictureContainer> FPictureContainer;
  plat::TComponentRef<TSearchPanel> FSearchPanel;
  TExtRichEdit* FRichEdit = nullptr;
  TExtRichEdit* FSecondRichEdit = nullptr;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TFloatingFooter> FFloatingFooter;
  std::unique_ptr<TPrintSettings> FPrintSettings;
  std::unique_ptr<THTMLSettings> FHTMLSettings;
  std::unique_ptr<TSortSettings> FSortSettings;
  std::unique_ptr<TDragDropSettings> FDragDropSettings;
  std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
  std::unique_ptr<TControlLook> FControlLook;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TColumnSize> FColumnSize;
  std::unique_ptr<TCellNode> FCellNode;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TIntList> FMergedColumns;
  std::unique_ptr<TGrouping> FGrouping;
  std::unique_ptr<plat::TStringList> FColumnHeaders;
  std::unique_ptr<plat::TFont> FFixedFont;
  std::unique_ptr<plat::TFont> FActiveCellFont;
  std::unique_ptr<plat::TStringList> FRowHeaders;
  std::unique_ptr<plat::TStringList> FLookupItems;
  std::unique_ptr<plat::TBitmap> FRowIndicator;
  std::unique_ptr<TBackGround> FBackGround;
  std::unique_ptr<TFilter> FFilter;
  std::unique_ptr<TBalloonSettings> FBalloon;
  std::unique_ptr<TShowModified> FShowModified;

  plat::TControl* FResizeForm = nullptr;
  int FResizeSubscription = 0;
  int FFormWidth = 0;
  int FFormHeight = 0;

  bool FActiveCellShow = false;
  plat::TColor FActiveCellColor = 0x808080;
  plat::TColor FActiveCellColorTo = plat::clNone;
  plat::TColor FSelectionColor = 0xEACAB6;
  plat::TColor FSelectionColorTo = plat::clNone;
  plat::TColor FSelectionTextColor = 0;
  bool FSelectionRectangle = false;
  bool FSelectionResizer = false;
  bool FSelectionRTFKeep = false;
  bool FShowSelection = true;
  bool FHideFocusRect = false;
  bool FAutoSizeFlag = false;
  TVAlignment FVAlignment = TVAlignment::vtaTop;
  bool FMultilinecells = false;
  bool FEnhTextSize = false;
  bool FAutoNumAlign = false;
  plat::String FFloatFormat = "%.2f";
  bool FExcelStyleDecimalSeparator = false;
  bool FOemConvert = false;
  bool FEditWithTags = false;
  bool FEnableHTML = true;
  bool FAnchorHint = false;
  plat::TColor FURLColor = 0xFF0000;
  bool FURLShow = false;
  bool FURLFull = false;
  bool FURLEdit = false;
  bool FHTMLHint = false;
  int FFixedFooters = 0;
  int FFixedRightCols = 0;
  int FFixedRowHeight = 21;
  bool FFixedRowAlways = false;
  bool FFixedColAlways = false;
  bool FFixedAsButtons = false;
  int FSavedFixedRows = 1;
  int FSavedFixedCols = 1;
  TGridLook FLook = TGridLook::glXP;
  bool FFlat = false;
  bool FAutoThemeAdapt = false;
  plat::TColor FHintColor = plat::clInfoBk;
  plat::TColor FLookColor1 = plat::clWhite;
  plat::TColor FLookColor2 = plat::clWhite;
  plat::TScrollStyle FScrollBars = plat::TScrollStyle::ssBoth;
  TScrollBarAlways FScrollBarAlways = TScrollBarAlways::saNone;
  bool FIntegralHeight = false;
  TScrollType FScrollType = TScrollType::ssNormal;
  plat::TColor FScrollColor = plat::clNone;
  int FScrollWidth = 17;
  bool FScrollSynch = false;
  bool FScrollProportional = false;
  TScrollHintType FScrollHints = TScrollHintType::shNone;
  TIntelliPan FIntelliPan = TIntelliPan::ipVertical;
  bool FIntelliZoom = true;
  bool FEnableWheel = true;
  TEditorType FDefaultEditor = TEditorType::edNormal;
  int FMaxEditLength = 0;
  bool FLookup = false;
  bool FLookupCaseSensitive = false;
  bool FLookupHistory = false;
  bool FEnhRowColMove = true;
  bool FSizeWithForm = false;
  bool FHovering = false;
  bool FEnableBlink = false;
  bool FHintShowCells = false;
  bool FHintShowLargeText = false;
  bool FHintShowSizing = false;
  bool FFilterActive = false;
  // The fixed rows when filtering went on; hiding every normal row takes them.
  int FFilterFixedRows = 0;
  plat::String FCheckTrue = "Y";
  plat::String FCheckFalse = "N";
  bool FIsWinXP = false;
  bool FHasComCtl6 = false;
  unsigned FWheelMessage = 0;
  int FWheelLines = 3;
  std::vector<bool> FColumnShown;
  std::vector<int> FColumnOrder;
  int FNormalRowCount = 10;
  int FUpdateCount = 0;
  plat::TGridRect FSavedSelection{};
  bool FSelectionSaved = false;
  bool FGridLoaded = false;
  plat::TCursor FDesignCursor = 0;
  int FLoadedRowHeight = 0;
  char FCsvDelimiter = '\0';
  bool FTildeLineBreaks = false;
  bool FIncludeFixedCells = true;
  int FMinColWidth = 0;
  int FMaxColWidth = 0;
  int FMinRowHeight = 0;
  int FMaxRowHeight = 0;
  bool FOnlyGrow = false;
  int FSwapCount = 0;

  // Cell graphics, typed values and nodes (ExtGridCellTypes.cpp,
  // ExtGridCheckBoxes.cpp, ExtGridTypedAccess.cpp, ExtGridNodes.cpp).
  // A cell holds at most one TCellGraphic, owned by its properties. The
  // graphic operations take real columns; the check-box and radio
  // operations and the hit tests take display columns; rows are display
  // rows. A cell of the wrong type answers false, nullptr, -1 or ctEmpty
  // and nothing changes.
 public:
  // Frees the cell's graphic and gives it a new one (ctNone); an empty
  // cell's text stays empty.
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  // False without a graphic.
  bool RemoveCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
  // Column 0 under MouseActions.HotmailRowSelect answers the grid's own row
  // check box, which no cell holds.
  virtual TCellGraphic* FindCellGraphic(int ACol, int ARow);
  virtual TCellType GetCellType(int ACol, int ARow);
  TIntList* GetCellImages(int ACol, int ARow);
  // The image index of an image-list cell, a number standing for the
  // picture of a bitmap or icon cell, else -1.
  int GetGraphicSortKey(int ACol, int ARow);
  // The room a graphic claims (X width, Y height); (0, 0) without one.
  virtual plat::TPoint GetGraphicExtent(int ACol, int ARow);
  // The same for printing at Scale: picture extents divided by it, a
  // progress bar the whole cell, a data image the image size, and bitmaps
  // and icons claiming room whatever the text.
  virtual plat::TPoint GetGraphicPrintExtent(int ACol, int ARow, double Scale);
  bool GetComment(int ACol, int ARow, plat::String& Text);
  void GetCellError(int ACol, int ARow, int& ErrFrom, int& ErrLen);
  bool IsRotated(int ACol, int ARow, int& Angle);
  // The button's rectangle in client coordinates (display column).
  void GetButtonRect(int ACol, int ARow, plat::TRect& Rect);

  // Check boxes and radio groups, asked at the merge base cell.
  bool IsCheckBoxCell(int ACol, int ARow);
  bool IsControlCell(int ACol, int ARow);
  bool IsButtonCell(int ACol, int ARow);
  bool IsRadioCell(int ACol, int ARow);
  bool GetCheckBoxState(int ACol, int ARow, bool& State);
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  void SetCheckBoxFlag(int ACol, int ARow, bool State);
  // A data check box whose text is neither check text becomes checked. By
  // the user (CheckAlwaysActive off) CanEditCell may refuse: false.
  virtual bool ToggleCheckBox(int ACol, int ARow, bool ByUser);
  void CheckAllInColumn(int ACol);
  void UncheckAllInColumn(int ACol);
  // Whether client point X, Y hits the check box (anywhere in the cell
  // unless MouseActions.PreciseCheckBoxCheck).
  bool CheckBoxHit(int ACol, int ARow, int X, int Y);
  plat::TStringList* GetRadioStrings(int ACol, int ARow);
  bool GetRadioIndex(int ACol, int ARow, int& Index);
  // Selects the next caption, after the last the first.
  void AdvanceRadio(int ACol, int ARow, bool ByUser);

  // Typed values of the cell texts (real columns). GetCellInt raises
  // EExtGridError "Cell does not contain integer value" for a text that is
  // not a whole decimal number within 32 bits, GetCellFloat "Cell does not
  // contain a float value"; an empty text and "-" read 0.
  int GetCellInt(int ACol, int ARow);
  double GetCellFloat(int ACol, int ARow);
  // The same at a real row, hidden or not.
  double GetRealCellFloat(int ACol, int ARow);
  void SetCellFloat(int ACol, int ARow, double Value);
  // Zero and earlier dates write an empty text unless FormatZeroDates.
  void SetCellDate(int ACol, int ARow, plat::TDateTime Value);
  bool FormatZeroDates() const { return FFormatZeroDates; }
  void SetFormatZeroDates(bool Value) { FFormatZeroDates = Value; }

  // The graphic's size and place and whether the cell's text shows beside
  // it (ACol real); the graphic, or nullptr without one.
  TCellGraphic* GetCellGraphicSize(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign, bool& TextBeside,
                                   int& Height, int& Width);
  // Where rotated text starts so that it stands in ARect inset by 2 by the
  // alignment, in the canvas's font; angles modulo 360.
  plat::TPoint GetRotatedTextOrigin(plat::TCanvas* ACanvas, const plat::TRect& ARect, int Angle,
                                    plat::TAlignment HAlign, TVAlignment VAlign, const plat::String& Text);

  // Nodes: a ctNode graphic in column 0 of a row heads the Span rows from
  // it (0: up to the next node row), whose node levels it raises by one; a
  // contracted node's child rows are hidden rows. Spans are clamped to the
  // rows that exist. A contracted node inside a node that contracts is
  // expanded, its rows hidden with the others.
  void AddNode(int ARow, int Span);
  void MarkSummaryRow(int ARow);
  bool RemoveNode(int ARow);
  void RemoveAllNodes();
  bool IsNodeRow(int ARow);
  bool IsSummaryRow(int ARow);
  bool IsNodeContracted(int ARow);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void AdjustNodeSpan(int ARow, int Delta);
  // The node row holding ARow, ARow itself for a node row in none, else -1.
  int GetParentNode(int ARow);
  bool NodeButtonHit(int ARow, int X);
  void ExpandNode(int ARow);
  void ContractNode(int ARow);
  void ExpandAllNodes();
  void ContractAllNodes();
  // A row at ARow + Offset inside the node holding ARow, every enclosing
  // node growing by it; the reverse.
  void InsertNodeChildRow(int ARow, int Offset);
  void RemoveNodeChildRow(int ARow);
  // The tree line's shape: 0 a node row, 1 a branch's end, 2 a row the
  // branch goes on after.
  int GetNodeLineKind(int ARow);
  int NodeCount() const { return FNodeCount; }

 protected:
  bool HasNodes() override { return FNodeCount > 0; }

 private:
  // The graphic the cell (real column) holds, without the row check box.
  TCellGraphic* StoredGraphic(int ACol, int ARow);
  // The picture's size fitted into a cell of CellWidth x CellHeight.
  plat::TPoint FittedPictureSize(const TCellGraphic& Graphic, int CellWidth, int CellHeight) const;
  plat::TPoint GraphicExtent(int ACol, int ARow, bool Print, double Scale);
  // Calls Visit with column 0's properties of real rows From..To-1, hidden
  // or not, in order (made when Make, else nullptr without), until Visit
  // answers false.
  void VisitRowZero(int From, int To, bool Make, const std::function<bool(TCellProperties*)>& Visit);
  void ChangeNodeLevels(int FromReal, int Count, int Delta);
  // The real row after the last child of a node at real row Header.
  int NodeChildEnd(int Header, int Span);
  // The grid rows holding a node, ascending, found among the stored
  // objects.
  std::vector<int> NodeRows() const;
  // The node graphic of a display row; nullptr for a row without one.
  TCellGraphic* NodeAt(int ARow);
  // The hidden-row list's indexes of the rows a node at real row Header
  // hides, and showing them with the node marked expanded.
  std::vector<int> HiddenBelowNode(int Header, const TCellGraphic& Node);
  void ShowNodeRows(int Header, TCellGraphic& Node);
  // Uncounts a node whose properties (in column ACol) are being freed.
  void ForgetNode(int ACol, plat::TObject* Object);

 protected:
  // A check box in Rect (its CheckSize square centred) in a control style.
  virtual void DrawCheckBox(plat::TCanvas* ACanvas, const plat::TRect& Rect, bool Checked, bool Enabled,
                            TControlStyle Style);
  // Count radio items from Rect's top-left, item Index selected.
  virtual void DrawRadioGroup(plat::TCanvas* ACanvas, const plat::TRect& Rect, int Count, int Index,
                              const plat::TStrings* Captions, bool Disabled, bool SideBySide);

 private:
  // Painting a cell's graphic (ExtGridCellGraphics.cpp, ExtGridControlLooks.cpp).
  // R is the cell's rectangle; the graphic stands where its alignment puts it.
  void DrawCellGraphic(CellPaint& P, const plat::TRect& R);
  // The graphic's top-left corner in R by its alignment.
  plat::TPoint PlaceGraphic(const CellPaint& P, const plat::TRect& R);
  void DrawCellCheckBox(CellPaint& P, const plat::TRect& R, plat::TPoint At);
  void DrawCellRadio(CellPaint& P, plat::TPoint At, const plat::TRect& R);
  void DrawRotatedText(CellPaint& P, const plat::TRect& R);
  void DrawNodeGlyph(CellPaint& P, const plat::TRect& R);
  void DrawCellButton(CellPaint& P, const plat::TRect& R, plat::TPoint At);
  void DrawProgressBar(CellPaint& P, const plat::TRect& R);
  // The cell's text as a whole number, else the graphic's value rounded.
  int GraphicNumber(const CellPaint& P);
  bool GraphicEnabled(const CellPaint& P, bool AlwaysActive);
  // Whether placing the graphic needs the width of the text.
  bool GraphicNeedsTextWidth(const CellPaint& P) const;
  std::unique_ptr<TCellGraphic> FRowCheckGraphic;
  int FNodeCount = 0;
  bool FFormatZeroDates = true;

  // Keys, mouse, timer ticks and window messages (ExtGridKeys.cpp,
  // ExtGridMouse.cpp, ExtGridMessages.cpp). A key, press, release, drag or
  // wheel turn that changes the selection fires OnSelectionChanged once.
  // Key releases reach the form first (KeyPreview) and then OnKeyUp.
 public:
  // Fires OnCellsChanged with the cells (columns Left..Right, rows
  // Top..Bottom), then recalculates every footer.
  virtual void CellsChanged(const plat::TRect& R);
  // Timer 111's ticks since the window was made.
  std::uint32_t TickCount() const { return FInput.Ticks; }
  // What was typed for the incremental lookup; it lives four idle ticks.
  const plat::String& IncrementalText() const { return FInput.IncrementalText; }
  void SetIncrementalText(const plat::String& Value);
  // Toggled by every tick while EnableBlink; blinking text shows in one phase.
  bool BlinkPhase() const { return FInput.BlinkPhase; }

  TCellsChangedEvent OnCellsChanged;
  TSelectionChangedEvent OnSelectionChanged;
  TCanClickCellEvent OnCanClickCell;
  TClickCellEvent OnClickCell;

  // Find (ExtGridFind.cpp). The search walks the normal cells (with
  // fnIncludeFixed every cell; fnIncludeHiddenColumns reaches the hidden
  // columns' real cells) row by row or column by column, from the cell
  // after Start ((-1, -1): from the first cell, the last one backwards),
  // wrapping past the end, and visits each cell at most once: the start
  // cell itself comes last. A non-empty WideText searches the cells' wide
  // texts. The answer and LastFoundCell are the first match, (-1, -1) when
  // none; with fnAutoGoto a found normal cell becomes current.
  plat::TPoint FindCell(plat::TPoint Start, const plat::String& Text, const plat::WideString& WideText,
                        TFindParams Options);
  // FindCell between the find-progress reports (0, -1) and (2, -1) when
  // nothing was found or (4, -1) when something was.
  plat::TPoint FindFirst(plat::TPoint Start, const plat::String& Text, TFindParams Options);
  // Whether a cell meets the last search: the search text "\"\"" only an
  // empty cell; a filter condition (fnMatchRegular); the whole text
  // (fnMatchFull); its start (fnMatchStart); else anywhere in the text.
  virtual bool MatchCell(int ACol, int ARow, bool Wide);
  plat::TPoint LastFoundCell() const { return FFind.LastFound; }
  TFindParams FindOptions() const { return FFind.Options; }
  // The row and column fnFindInPresetRow and fnFindInPresetCol search.
  int FindPresetCol() const { return FFind.PresetCol; }
  void SetFindPresetCol(int Value) { FFind.PresetCol = Value; }
  int FindPresetRow() const { return FFind.PresetRow; }
  void SetFindPresetRow(int Value) { FFind.PresetRow = Value; }

  // The first row from FixedRows whose text in the sort column
  // (SortSettings.Column when SortSettings.Show, else column 1) begins,
  // upper-cased, with the upper-cased Text (ExtGridLookup.cpp); -1 when
  // none, or when RowCount is below 2.
  int LookupIncremental(const plat::String& Text);
  // A character typed on a grid without goEditing under
  // Navigation.AutoGotoWhenSorted: it extends the incremental text (with
  // AutoGotoIncremental; Backspace takes the last character off) or
  // replaces it, and the row LookupIncremental finds becomes current; no
  // row clears the text. False when the character is not the lookup's.
  bool LookupTypedKey(char32_t Key);

 protected:
  // Find reports (1, row) for each cell visited; nothing happens here.
  virtual void FindProgress(int, int) {}
  void KeyPress(char32_t& Key) override;

 public:
  // The key table (ExtGridKeyTable.cpp, ExtGridTabWalk.cpp). Normal rows
  // run from the fixed rows to the row above the footers (above a visible
  // floating footer), normal columns from the first editable column (the
  // fixed columns; column 1 in a grid of nodes without them) to the one
  // before the fixed right columns.
  // Tab walking: OnKeyDown hears the Tab first and may change it; then the
  // next cell down the column (adTopBottom) or the nearest editable cell
  // along the rows (adLeftRight), wrapping at the end, where TabToNextAtEnd
  // posts the Tab to the parent. Along the rows the walk ends after one
  // round: where nothing can be edited the current cell stays.
  void TabToNextCell(bool Backward);
  // Inserts a row (inside a node, as the node's row) and fires
  // OnAutoInsertRow.
  virtual void AutoInsertRow(int ARow);
  // Deletes the row (inside a node, as the node's row); the only normal
  // row is cleared instead unless FixedRowAlways. Fires OnAutoDeleteRow.
  virtual void AutoDeleteRow(int ARow);
  // Repaints the rows of a selection across the visible columns.
  void RepaintSelectionFrame(const plat::TGridRect& Selection);

  TCanDeleteRowEvent OnCanDeleteRow;
  TAutoRowEvent OnAutoAddRow;
  TAutoRowEvent OnAutoInsertRow;
  TAutoRowEvent OnAutoDeleteRow;
  TCheckBoxClickEvent OnCheckBoxClick;
  TRadioClickEvent OnRadioClick;
  TButtonClickEvent OnButtonClick;

 private:
  int FirstNormalRow() const;
  int LastNormalRow() const;
  int FirstEditableCol();
  int LastNormalCol() const;
  // Whether the cell (display column) may be edited: goEditing or
  // RangeSelectAndEdit, then CanEditCell.
  bool CellEditable(int ACol, int ARow);
  // OnKeyDown, then the key is gone.
  void ConsumeKey(std::uint16_t& Key, plat::TShiftState Shift);
  // The keys before the inherited navigation; true when the grid took it.
  bool GridKeyDown(std::uint16_t& Key, plat::TShiftState Shift);
  // Enter or Space on a check box, radio group or button.
  bool ControlCellKey(bool Space);
  bool HomeEndKey(std::uint16_t Key, plat::TShiftState Shift);
  bool AppendRowByKey(std::uint16_t& Key, plat::TShiftState Shift);
  // The keys after the inherited navigation moved.
  void KeyDownAfterMove(std::uint16_t Key, plat::TShiftState Shift);
  bool ClipboardShortCut(std::uint16_t Key, bool Shift, bool Ctrl);
  void InsertRowByKey();
  void DeleteRowByKey();
  void SelectAllByKey();
  // Disjunct selection following the current row (column).
  void SelectRowsByKey(bool Shift, bool Ctrl);
  void SelectColsByKey(bool Shift, bool Ctrl);
  // The bottom-right cell of the current cell's merged range (the cell
  // itself when not merged).
  plat::TPoint CurrentRangeEnd();

 public:
  // The search bar (ExtGridSearchFooter.cpp): SearchPanel laid out from
  // SearchFooter at every change. Typing in its edit searches the grid from
  // the start (with AutoSearch): found, the edit shows clWindow, the cell
  // becomes current and, with the highlight button down, every occurrence
  // is highlighted; not found, the edit shows red and no highlights stay;
  // an empty text removes them. Find next and previous go on from the last
  // cell found (ignoring the match-case box and the column options); after
  // a search a current row in the last two visible rows scrolls two rows
  // up into view, as far as rows remain.
  void SearchFooterChanged();
  void SearchFooterFindNext();
  void SearchFooterFindPrev();
  void SearchFooterClose();
  void SearchFooterHighlight();

  // Balloon tips (ExtGridBalloons.cpp): while Balloon.Enable is on and the
  // window exists, a balloon tool tip covers the grid and shows the text of
  // the cell under the pointer (HTML stripped, rich text plain, Unicode
  // cells as UTF-8; tabs as blanks, at most 1,024 characters), which
  // OnCellBalloon may change with the title and the icon.
  plat::HWND BalloonWindow() const { return FBalloonWindow; }
  plat::TGridCoord BalloonCell() const { return FBalloonCell; }
  TCellBalloonEvent OnCellBalloon;

 private:
  void ConnectSearchPanel();
  void ApplySearchFooter();
  TFindParams SearchFooterOptions();
  void SearchFooterFind(bool Backward);
  void KeepFoundRowInView();
  void BalloonEnableChanged();
  void CreateBalloonWindow();
  void DestroyBalloonWindow();
  plat::String BalloonCellText(int ACol, int ARow);
  void BalloonNeedsText(plat::NMTTDISPINFOA& Info);
  // The messages answered before the inherited window procedure
  // (ExtGridWindowMessages.cpp); true when answered.
  bool GridWindowMessage(plat::TMessage& Message);
  bool CharMessage(plat::TMessage& Message);
  plat::HWND FBalloonWindow = nullptr;
  plat::TGridCoord FBalloonCell{-1, -1};
  // The tip reads these after the notification returns.
  plat::String FBalloonText;
  plat::String FBalloonTitle;

 protected:

 public:

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void KeyUp(std::uint16_t& Key, plat::TShiftState Shift) override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseMove(plat::TShiftState Shift, int X, int Y) override;
  void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;

 private:
  void SelectionChangedFrom(const plat::TGridRect& Before);
  // An arrow key over a run of cells that count as fixed; false when the
  // neighbour is a normal cell and the ordinary move applies.
  bool SkipFixedCells(std::uint16_t Key);
  void TimerTick();
  void WMSize();
  void WMMouseWheel(plat::TMessage& Message);
  void CMHintShow(plat::THintInfo& Info);
  // Follows the mouse to Cell ((-1, -1): off the cells); under glListView
  // the fixed cells it leaves and enters are repainted.
  void SetHoverCell(plat::TGridCoord Cell);
  // Repaints Cell when it is a fixed cell under glListView, whose themed
  // look follows the mouse and the left button.
  void RepaintHoverHeader(plat::TGridCoord Cell);
  detail::TGridInputState FInput;
  detail::TFindState FFind;

  // Cell editing (ExtGridEditing.cpp, ExtGridEditCommit.cpp,
  // ExtGridEditMoves.cpp). A cell's editor type is DefaultEditor, which
  // OnGetEditorType may change; edNone cells are not edited. The text types
  // edit in the in-place edit (TExtInplaceEdit), every other type in one of
  // the editor controls, made by the grid's editor factory on first use,
  // owned by the grid and shown over the cell loaded with its text; closing
  // writes the value back in the form of its type. Check-box, radio and
  // button cells answer clicks and keys instead of opening an editor. An edit
  // ends in CommitEdit: a text that differs from the one before the edit is
  // validated (CellChecker, OnCellValidate), recorded for undo and reported
  // through CellsChanged; a refused text leaves the editor open on its cell
  // with the text from before (or the one the handler gave).
 public:
  TEditorType ActiveEditorType() const { return FEdit.ActiveEditorType; }
  bool EditorActive() const { return FEdit.EditorActive; }
  bool EditInProgress() const { return FEdit.EditInProgress; }
  const plat::String& EditStartText() const { return FEdit.EditStartText; }
  char32_t PendingKey() const { return FEdit.PendingKey; }
  bool EditOptionSuspended() const { return FEdit.EditOptionSuspended; }
  bool AdvanceInProgress() const { return FEdit.AdvanceInProgress; }
  // The item a combo list selects when the cell's text matches none (-1: item 0).
  int ComboDefaultIndex() const { return FEdit.ComboDefaultIndex; }
  void SetComboDefaultIndex(int Value) { FEdit.ComboDefaultIndex = Value; }
  // The open editor control; nullptr for the in-place edit or none.
  plat::TWinControl* ActiveEditorControl() const { return FEdit.ActiveEditorControl; }
  detail::TGridEditorFactory& Editors() { return FEditors; }
  // The password character of edPassword cells.
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char Value) { FPasswordChar = Value; }
  // The custom editor of edCustom cells, and the checker of committed texts;
  // either is forgotten when freed.
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* Value);
  TExtStringGridCheck* CellChecker() const { return FCellChecker; }
  void SetCellChecker(TExtStringGridCheck* Value);

  // Places, loads and shows the control of ActiveEditorType over the cell.
  void ShowCellEditor(int ACol, int ARow);
  // Writes the control's value back to the cell and hides the control.
  void HideCellEditor(int ACol, int ARow);
  // Closes whatever editor is open, writing its value back.
  void EndCellEdit();
  // Stores an edited value in the cell (the hook the editors write through).
  virtual void EditorTextToCell(int ACol, int ARow, const plat::String& Value);
  // Puts EditStartText back into the current cell.
  virtual void RestoreEditText();
  bool CanEditCellAt(int ACol, int ARow);
  // Moves to the next (previous) editable cell after an edit, when
  // Navigation.AdvanceOnEnter is set or Force; stops after one round of the
  // grid without an editable cell, the start cell staying current.
  void AdvanceCell(int ACol, int ARow, bool Retry, bool Forward, bool ShowEditor, bool Force);
  virtual bool CommitEdit(const plat::String& NewText);
  virtual bool CommitWideEdit(const plat::WideString& NewText);
  virtual void StorePreEditText(int ACol, int ARow);
  // The ellipsis of an edit-with-button editor: OnEllipsClick may replace
  // Result (which starts as Text).
  virtual void EllipsisClicked(const plat::String& Text, plat::String& Result);
  void EditingDone();
  // A key an editor control hands on after its commit (Tab, Enter, the
  // arrows, the page keys, End) or Esc: the edit ends, the grid takes the
  // focus and moves as the key says.
  void HandleEditorKey(std::uint16_t Key, plat::TShiftState Shift);
  // The in-place edit went out of sight: its editor is no longer active.
  void InplaceEditorHidden();
  // A click on the HTML form control ControlID of a cell: an edit, password
  // or mask control gets the grid's control edit over it, holding its
  // value; without that control the grid takes the focus.
  void HandleCellControlClick(int ACol, int ARow, const plat::String& ControlID);
  // The room Text needs in the cell's font, margins included.
  void MeasureEditText(int ACol, int ARow, const plat::String& Text, int& Width, int& Height);

  TGetEditorPropEvent OnGetEditorProp;
  TEditChangeEvent OnEditChange;
  TEllipsClickEvent OnEllipsClick;
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TComboChangeEvent OnComboChange;
  TComboObjectChangeEvent OnComboObjectChange;
  TChangingEvent OnRowChanging;
  TChangingEvent OnColChanging;
  TCellChangingEvent OnCellChanging;
  TAutoAdvanceEvent OnAutoAdvance;
  TAutoAddEvent OnAutoInsertCol;
  TDblClickCellEvent OnDblClickCell;
  TCellValidateWideEvent OnCellValidateWide;

 protected:
  plat::TInplaceEdit* CreateEditor() override;
  bool CanEditShow() override;
  bool SelectCell(int ACol, int ARow) override;
  plat::String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const plat::String& Value) override;
  int GetEditLimit() override { return FMaxEditLength; }
  void Click() override;

 private:
  bool IsControlEditorType(TEditorType Type) const;
  // The editor's load and write-back of each control type.
  void LoadCellEditor(TEditorType Type, const plat::String& Text);
  plat::String CellEditorValue(TEditorType Type);
  void ShowCustomEditor(int ACol, int ARow, const plat::TRect& Rect);
  // The cell's brush colour and font as painting computes them.
  plat::TColor CellEditorLooks(int ACol, int ARow, plat::TFont* AFont);
  // Enter on the grid: the advance and the cell's own control.
  bool EnterKey();
  // One step of the advance from (ACol, ARow); false when the grid ends
  // there (no wrap, a refused row).
  bool NextAdvanceCell(int& ACol, int& ARow, bool Forward);
  // The base cell's text at the real column, hidden rows included.
  plat::String EditCellText(int ACol, int ARow);
  // CommitEdit and CommitWideEdit on the text kind they commit.
  template <class TText>
  bool CommitText(const TText& NewText);
  // Makes a cell current while the grid moves by itself.
  void MoveAdvancing(int ACol, int ARow);

  detail::TGridEditState FEdit;
  detail::TGridEditorFactory FEditors{this};
  char FPasswordChar = '*';
  plat::TComponentRef<TEditLink> FEditLink;
  plat::TComponentRef<TExtStringGridCheck> FCellChecker;
  // The borderless form a popup custom editor stands on.
  plat::TComponentRef<plat::TCustomForm> FEditLinkForm;
};

}  // namespace zorbit
