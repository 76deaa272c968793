#pragma once
// The settings objects of the grid's own unit: column sizing and the storage
// of column widths (TColumnSize), keyboard and clipboard flags
// (TNavigation), mouse flags (TMouseActions), the look of node cells
// (TCellNode), size-while-typing flags (TSizeWhileTyping), and the stored
// HTML export and print settings (THTMLSettings, TPrintSettings; nothing
// exports or prints, they are kept and streamed only).
//
// Each is owned by its grid, made in the grid's constructor with its
// defaults; those that repaint or act keep the grid. Assign copies every
// property (fonts, glyphs and lists by content) from an object of the same
// class and ignores any other source. Setters not described store only.
#include <memory>

#include "extgrid/detail/PlainProperty.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPen.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TPersistent.h"

namespace zorbit {

class TExtStringGrid;

enum class TColumnSizeLocation { clRegistry, clIniFile };
enum class TAdvanceDirection { adLeftRight, adTopBottom };
enum class TInsertPosition { pInsertBefore, pInsertAfter };
enum class THomeEndAction { heFirstLastColumn, heFirstLastRow };
enum class TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum class TWheelAction { waMoveSelection, waScroll };
enum class TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };
// Print placements, borders and page fitting are stored only; their other
// values come with printing.
enum class TPrintPosition { ppNone };
enum class TPrintBorders { pbSingle };
enum class TPrinterOrientation { poPortrait, poLandscape };
enum class TFitToPage { fpNever };

class TColumnSize : public plat::TPersistent {
 public:
  explicit TColumnSize(TExtStringGrid* Grid) : FGrid(Grid) {}
  void Assign(const plat::TPersistent* Source) override;

  // Widths are loaded at window creation and loading, saved at destruction.
  ZORBIT_PLAIN_PROPERTY(bool, Save)
  // The INI file or registry key, and the section; either empty disables
  // saving and loading.
  const plat::String& Key() const { return FKey; }
  void SetKey(const plat::String& Value) { FKey = Value; }
  const plat::String& Section() const { return FSection; }
  void SetSection(const plat::String& Value) { FSection = Value; }
  // Stores; with the grid on a parent, stretches StretchColumn at once.
  bool Stretch() const { return FValues.Stretch; }
  void SetStretch(bool Value);
  // -1 is the last column.
  ZORBIT_PLAIN_PROPERTY(int, StretchColumn)
  ZORBIT_PLAIN_PROPERTY(bool, SynchWithGrid)
  ZORBIT_PLAIN_PROPERTY(TColumnSizeLocation, Location)

 private:
  struct TValues {
    bool Save = false;
    bool Stretch = false;
    int StretchColumn = -1;
    bool SynchWithGrid = false;
    TColumnSizeLocation Location = TColumnSizeLocation::clRegistry;
  };
  TExtStringGrid* FGrid;
  TValues FValues;
  plat::String FKey;
  plat::String FSection;
};

class TNavigation : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, AllowInsertRow)
  ZORBIT_PLAIN_PROPERTY(bool, AllowDeleteRow)
  ZORBIT_PLAIN_PROPERTY(bool, AlwaysEdit)
  ZORBIT_PLAIN_PROPERTY(bool, AdvanceOnEnter)
  ZORBIT_PLAIN_PROPERTY(bool, AdvanceInsert)
  ZORBIT_PLAIN_PROPERTY(bool, AutoGotoWhenSorted)
  ZORBIT_PLAIN_PROPERTY(bool, AutoGotoIncremental)
  ZORBIT_PLAIN_PROPERTY(bool, AutoComboDropSize)
  ZORBIT_PLAIN_PROPERTY(TAdvanceDirection, AdvanceDirection)
  ZORBIT_PLAIN_PROPERTY(bool, AllowClipboardShortCuts)
  ZORBIT_PLAIN_PROPERTY(bool, AllowCtrlEnter)
  ZORBIT_PLAIN_PROPERTY(bool, AllowSmartClipboard)
  ZORBIT_PLAIN_PROPERTY(bool, AllowRTFClipboard)
  ZORBIT_PLAIN_PROPERTY(bool, AllowFmtClipboard)
  ZORBIT_PLAIN_PROPERTY(bool, AllowClipboardAlways)
  ZORBIT_PLAIN_PROPERTY(bool, AllowClipboardRowGrow)
  ZORBIT_PLAIN_PROPERTY(bool, AllowClipboardColGrow)
  ZORBIT_PLAIN_PROPERTY(bool, AdvanceAuto)
  ZORBIT_PLAIN_PROPERTY(bool, AppendOnArrowDown)
  ZORBIT_PLAIN_PROPERTY(bool, EditSelectAll)
  ZORBIT_PLAIN_PROPERTY(TInsertPosition, InsertPosition)
  ZORBIT_PLAIN_PROPERTY(bool, CursorWalkEditor)
  ZORBIT_PLAIN_PROPERTY(bool, MoveRowOnSort)
  ZORBIT_PLAIN_PROPERTY(bool, ImproveMaskSel)
  ZORBIT_PLAIN_PROPERTY(bool, CopyHTMLTagsToClipboard)
  ZORBIT_PLAIN_PROPERTY(bool, KeepHorizScroll)
  ZORBIT_PLAIN_PROPERTY(bool, LineFeedOnEnter)
  ZORBIT_PLAIN_PROPERTY(THomeEndAction, HomeEndKey)
  ZORBIT_PLAIN_PROPERTY(bool, SkipFixedCells)
  ZORBIT_PLAIN_PROPERTY(bool, TabToNextAtEnd)
  ZORBIT_PLAIN_PROPERTY(TAdvanceDirection, TabAdvanceDirection)

 private:
  struct TValues {
    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AlwaysEdit = false;
    bool AdvanceOnEnter = false;
    bool AdvanceInsert = false;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    TAdvanceDirection AdvanceDirection = TAdvanceDirection::adLeftRight;
    bool AllowClipboardShortCuts = false;
    bool AllowCtrlEnter = true;
    bool AllowSmartClipboard = false;
    bool AllowRTFClipboard = false;
    bool AllowFmtClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardRowGrow = true;
    bool AllowClipboardColGrow = true;
    bool AdvanceAuto = false;
    bool AppendOnArrowDown = false;
    bool EditSelectAll = true;
    TInsertPosition InsertPosition = TInsertPosition::pInsertBefore;
    bool CursorWalkEditor = false;
    bool MoveRowOnSort = false;
    bool ImproveMaskSel = false;
    bool CopyHTMLTagsToClipboard = true;
    bool KeepHorizScroll = false;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = THomeEndAction::heFirstLastColumn;
    bool SkipFixedCells = true;
    bool TabToNextAtEnd = false;
    TAdvanceDirection TabAdvanceDirection = TAdvanceDirection::adLeftRight;
  };
  TValues FValues;
};

class TMouseActions : public plat::TPersistent {
 public:
  explicit TMouseActions(TExtStringGrid* Grid) : FGrid(Grid) {}
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, AllColumnSize)
  ZORBIT_PLAIN_PROPERTY(bool, AllRowSize)
  ZORBIT_PLAIN_PROPERTY(bool, AllSelect)
  ZORBIT_PLAIN_PROPERTY(bool, AutoSizeColOnDblClick)
  ZORBIT_PLAIN_PROPERTY(bool, CaretPositioning)
  ZORBIT_PLAIN_PROPERTY(bool, CheckAllCheck)
  ZORBIT_PLAIN_PROPERTY(bool, ColSelect)
  ZORBIT_PLAIN_PROPERTY(bool, DirectComboDrop)
  ZORBIT_PLAIN_PROPERTY(bool, DirectDateDrop)
  ZORBIT_PLAIN_PROPERTY(bool, DirectEdit)
  // Set at design time, each of the three clears the other two; at run
  // time they are independent.
  bool DisjunctRowSelect() const { return FValues.DisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  bool DisjunctColSelect() const { return FValues.DisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  bool DisjunctCellSelect() const { return FValues.DisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  ZORBIT_PLAIN_PROPERTY(TGridFixedCellEdit, FixedRowsEdit)
  ZORBIT_PLAIN_PROPERTY(TGridFixedCellEdit, FixedColsEdit)
  // Stores and repaints the grid.
  bool HotmailRowSelect() const { return FValues.HotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  ZORBIT_PLAIN_PROPERTY(bool, MoveRowOnNodeClick)
  ZORBIT_PLAIN_PROPERTY(bool, NoAutoRangeScroll)
  ZORBIT_PLAIN_PROPERTY(bool, NodeAllExpandContract)
  ZORBIT_PLAIN_PROPERTY(bool, NoScrollOnPartialRow)
  ZORBIT_PLAIN_PROPERTY(bool, PreciseCheckBoxCheck)
  ZORBIT_PLAIN_PROPERTY(bool, RangeSelectAndEdit)
  ZORBIT_PLAIN_PROPERTY(bool, RowSelect)
  ZORBIT_PLAIN_PROPERTY(bool, RowSelectPersistent)
  ZORBIT_PLAIN_PROPERTY(bool, SelectOnRightClick)
  ZORBIT_PLAIN_PROPERTY(bool, SizeFixedCol)
  ZORBIT_PLAIN_PROPERTY(bool, SizeFixedRow)
  ZORBIT_PLAIN_PROPERTY(int, WheelIncrement)
  ZORBIT_PLAIN_PROPERTY(TWheelAction, WheelAction)

 private:
  struct TValues {
    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool AllSelect = false;
    bool AutoSizeColOnDblClick = true;
    bool CaretPositioning = false;
    bool CheckAllCheck = false;
    bool ColSelect = false;
    bool DirectComboDrop = false;
    bool DirectDateDrop = false;
    bool DirectEdit = false;
    bool DisjunctRowSelect = false;
    bool DisjunctColSelect = false;
    bool DisjunctCellSelect = false;
    TGridFixedCellEdit FixedRowsEdit = TGridFixedCellEdit::fceNone;
    TGridFixedCellEdit FixedColsEdit = TGridFixedCellEdit::fceNone;
    bool HotmailRowSelect = false;
    bool MoveRowOnNodeClick = false;
    bool NoAutoRangeScroll = false;
    bool NodeAllExpandContract = false;
    bool NoScrollOnPartialRow = false;
    bool PreciseCheckBoxCheck = false;
    bool RangeSelectAndEdit = false;
    bool RowSelect = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    int WheelIncrement = 0;
    TWheelAction WheelAction = TWheelAction::waMoveSelection;
  };
  // True while the grid is being designed: the three disjunct flags then
  // exclude each other.
  bool Designing() const;

  TExtStringGrid* FGrid;
  TValues FValues;
};

class TCellNode : public plat::TPersistent {
 public:
  explicit TCellNode(TExtStringGrid* Grid);
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(plat::TColor, Color)
  // Expanding a node first collapses every other expanded node.
  ZORBIT_PLAIN_PROPERTY(bool, ExpandOne)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, NodeColor)
  // These setters repaint the grid when the value changes.
  TNodeType NodeType() const { return FValues.NodeType; }
  void SetNodeType(TNodeType Value);
  int NodeIndent() const { return FValues.NodeIndent; }
  void SetNodeIndent(int Value);
  bool ShowTree() const { return FValues.ShowTree; }
  void SetShowTree(bool Value);
  bool ShowTreeFull() const { return FValues.ShowTreeFull; }
  void SetShowTreeFull(bool Value);
  plat::TColor TreeColor() const { return FValues.TreeColor; }
  void SetTreeColor(plat::TColor Value);
  // Owned pictures; the setters copy the given picture.
  plat::TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
  void SetExpandGlyph(const plat::TBitmap* Value);
  plat::TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
  void SetContractGlyph(const plat::TBitmap* Value);

 private:
  struct TValues {
    plat::TColor Color = 0xC0C0C0;
    bool ExpandOne = false;
    TNodeType NodeType = TNodeType::cnXP;
    plat::TColor NodeColor = 0;
    int NodeIndent = 12;
    bool ShowTree = true;
    bool ShowTreeFull = true;
    plat::TColor TreeColor = 0x808080;
  };
  // Stores through Field and repaints the grid when the value changes.
  template <typename T>
  void Change(T TValues::*Field, T Value);

  TExtStringGrid* FGrid;
  TValues FValues;
  std::unique_ptr<plat::TBitmap> FExpandGlyph;
  std::unique_ptr<plat::TBitmap> FContractGlyph;
};

// Read by the in-place edit: the row height or column width follows the
// text while typing.
class TSizeWhileTyping : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, Height)
  ZORBIT_PLAIN_PROPERTY(bool, Width)

 private:
  struct TValues {
    bool Height = false;
    bool Width = false;
  };
  TValues FValues;
};

class THTMLSettings : public plat::TPersistent {
 public:
  THTMLSettings();
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(int, BorderSize)
  ZORBIT_PLAIN_PROPERTY(int, CellSpacing)
  ZORBIT_PLAIN_PROPERTY(int, CellPadding)
  ZORBIT_PLAIN_PROPERTY(bool, SaveColor)
  ZORBIT_PLAIN_PROPERTY(bool, SaveFonts)
  ZORBIT_PLAIN_PROPERTY(plat::String, FooterFile)
  ZORBIT_PLAIN_PROPERTY(plat::String, HeaderFile)
  ZORBIT_PLAIN_PROPERTY(plat::String, TableStyle)
  ZORBIT_PLAIN_PROPERTY(plat::String, PrefixTag)
  ZORBIT_PLAIN_PROPERTY(plat::String, SuffixTag)
  ZORBIT_PLAIN_PROPERTY(int, Width)
  ZORBIT_PLAIN_PROPERTY(bool, XHTML)
  ZORBIT_PLAIN_PROPERTY(bool, ConvertSpecialChars)
  ZORBIT_PLAIN_PROPERTY(bool, AutoPreview)
  ZORBIT_PLAIN_PROPERTY(bool, NonBreakingText)
  // Column widths of the exported table.
  plat::TStringList* ColWidths() const { return FColWidths.get(); }

 private:
  struct TValues {
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    bool SaveColor = true;
    bool SaveFonts = true;
    plat::String FooterFile;
    plat::String HeaderFile;
    plat::String TableStyle;
    plat::String PrefixTag;
    plat::String SuffixTag;
    int Width = 100;
    bool XHTML = false;
    bool ConvertSpecialChars = false;
    bool AutoPreview = false;
    bool NonBreakingText = false;
  };
  TValues FValues;
  std::unique_ptr<plat::TStringList> FColWidths;
};

class TPrintSettings : public plat::TPersistent {
 public:
  explicit TPrintSettings(TExtStringGrid* Grid);
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(int, FooterSize)
  ZORBIT_PLAIN_PROPERTY(int, HeaderSize)
  ZORBIT_PLAIN_PROPERTY(int, LeftSize)
  ZORBIT_PLAIN_PROPERTY(int, RightSize)
  ZORBIT_PLAIN_PROPERTY(int, ColumnSpacing)
  ZORBIT_PLAIN_PROPERTY(int, RowSpacing)
  ZORBIT_PLAIN_PROPERTY(int, TitleSpacing)
  ZORBIT_PLAIN_PROPERTY(int, PageNumberOffset)
  ZORBIT_PLAIN_PROPERTY(int, MaxPagesOffset)
  ZORBIT_PLAIN_PROPERTY(int, FixedWidth)
  ZORBIT_PLAIN_PROPERTY(int, FixedHeight)
  ZORBIT_PLAIN_PROPERTY(TPrintPosition, Time)
  ZORBIT_PLAIN_PROPERTY(TPrintPosition, Date)
  ZORBIT_PLAIN_PROPERTY(TPrintPosition, PageNr)
  ZORBIT_PLAIN_PROPERTY(TPrintPosition, Title)
  ZORBIT_PLAIN_PROPERTY(plat::String, DateFormat)
  ZORBIT_PLAIN_PROPERTY(plat::String, TitleText)
  ZORBIT_PLAIN_PROPERTY(plat::String, PagePrefix)
  ZORBIT_PLAIN_PROPERTY(plat::String, PageSuffix)
  ZORBIT_PLAIN_PROPERTY(plat::String, JobName)
  ZORBIT_PLAIN_PROPERTY(plat::String, PageNumSep)
  ZORBIT_PLAIN_PROPERTY(TPrintBorders, Borders)
  ZORBIT_PLAIN_PROPERTY(plat::TPenStyle, BorderStyle)
  ZORBIT_PLAIN_PROPERTY(bool, Centered)
  ZORBIT_PLAIN_PROPERTY(bool, RepeatFixedRows)
  ZORBIT_PLAIN_PROPERTY(bool, RepeatFixedCols)
  ZORBIT_PLAIN_PROPERTY(bool, UseFixedHeight)
  ZORBIT_PLAIN_PROPERTY(bool, UseFixedWidth)
  ZORBIT_PLAIN_PROPERTY(bool, NoAutoSize)
  ZORBIT_PLAIN_PROPERTY(bool, NoAutoSizeRow)
  ZORBIT_PLAIN_PROPERTY(bool, PrintGraphics)
  ZORBIT_PLAIN_PROPERTY(bool, UseDefaultOrientation)
  ZORBIT_PLAIN_PROPERTY(bool, UseDisplayFont)
  ZORBIT_PLAIN_PROPERTY(TPrinterOrientation, Orientation)
  ZORBIT_PLAIN_PROPERTY(TFitToPage, FitToPage)
  plat::TStringList* TitleLines() const { return FTitleLines.get(); }
  // Owned fonts; the setters copy.
  plat::TFont* Font() const { return FFont.get(); }
  void SetFont(const plat::TFont* Value);
  plat::TFont* FixedFont() const { return FFixedFont.get(); }
  void SetFixedFont(const plat::TFont* Value);
  plat::TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const plat::TFont* Value);
  plat::TFont* FooterFont() const { return FFooterFont.get(); }
  void SetFooterFont(const plat::TFont* Value);

 private:
  struct TValues {
    int FooterSize = 0;
    int HeaderSize = 0;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    TPrintPosition Time = TPrintPosition::ppNone;
    TPrintPosition Date = TPrintPosition::ppNone;
    TPrintPosition PageNr = TPrintPosition::ppNone;
    TPrintPosition Title = TPrintPosition::ppNone;
    plat::String DateFormat = "dd/mm/yyyy";
    plat::String TitleText;
    plat::String PagePrefix;
    plat::String PageSuffix;
    plat::String JobName;
    plat::String PageNumSep = "/";
    TPrintBorders Borders = TPrintBorders::pbSingle;
    plat::TPenStyle BorderStyle = plat::TPenStyle::psSolid;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    bool UseDefaultOrientation = false;
    bool UseDisplayFont = true;
    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    TFitToPage FitToPage = TFitToPage::fpNever;
  };
  TExtStringGrid* FGrid;
  TValues FValues;
  std::unique_ptr<plat::TStringList> FTitleLines;
  std::unique_ptr<plat::TFont> FFont;
  std::unique_ptr<plat::TFont> FFixedFont;
  std::unique_ptr<plat::TFont> FHeaderFont;
  std::unique_ptr<plat::TFont> FFooterFont;
};

}  // namespace zorbit
