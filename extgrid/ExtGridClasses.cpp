#include "extgrid/ExtGridClasses.h"

#include "extgrid/TControlCombo.h"
#include "extgrid/TControlEdit.h"
#include "extgrid/TEditLink.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/BaseGridClasses.h"
#include "grid/ComboClasses.h"
#include "grid/TPictureContainer.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

namespace {

using plat::ColorIdents;
using plat::RegisterLayoutClass;

constexpr const char* kGridLookNames[] = {"glStandard", "glSoft", "glClassic", "glSilver", "glXP", "glListView"};
constexpr const char* kVAlignmentNames[] = {"vtaTop", "vtaCenter", "vtaBottom"};
constexpr const char* kScrollTypeNames[] = {"ssNormal", "ssFlat", "ssEncarta"};
constexpr const char* kScrollHintNames[] = {"shNone", "shVertical", "shHorizontal", "shBoth"};
constexpr const char* kScrollBarAlwaysNames[] = {"saNone", "saVert", "saHorz", "saBoth"};
constexpr const char* kScrollStyleNames[] = {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
constexpr const char* kIntelliPanNames[] = {"ipVertical", "ipHorizontal", "ipBoth", "ipNone"};
constexpr const char* kLocationNames[] = {"clRegistry", "clIniFile"};
constexpr const char* kAdvanceNames[] = {"adLeftRight", "adTopBottom"};
constexpr const char* kInsertNames[] = {"pInsertBefore", "pInsertAfter"};
constexpr const char* kHomeEndNames[] = {"heFirstLastColumn", "heFirstLastRow"};
constexpr const char* kFixedEditNames[] = {"fceNone", "fceDblClick", "fceLeftClick", "fceRightClick"};
constexpr const char* kWheelActionNames[] = {"waMoveSelection", "waScroll"};
constexpr const char* kNodeTypeNames[] = {"cnFlat", "cn3D", "cnGlyph", "cnLeaf", "cnXP"};
constexpr const char* kFooterStyleNames[] = {"fsFixedLastRow", "fsColumnPreview", "fsCustomPreview"};
constexpr const char* kBlankPosNames[] = {"blFirst", "blLast"};
constexpr const char* kDirectionNames[] = {"sdAscending", "sdDescending"};
constexpr const char* kControlStyleNames[] = {"csClassic", "csFlat",  "csWinXP", "csCorvane",
                                              "csSilver",  "csGlyph", "csTheme"};
constexpr const char* kDisplayNames[] = {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"};
constexpr const char* kCellsNames[] = {"bcNormal", "bcFixed", "bcAll"};
constexpr const char* kFilterCellsNames[] = {"fcVirtual", "fcNormal"};
constexpr const char* kOperationNames[] = {"foSHORT", "foNONE", "foAND", "foXOR", "foOR"};
constexpr const char* kEditStyleNames[] = {"esInplace", "esPopup"};
constexpr const char* kOrientationNames[] = {"poPortrait", "poLandscape"};

void RegisterSettingsClasses() {
  RegisterLayoutClass<TColumnSize>("TColumnSize")
      .BooleanProperty("Save", &TColumnSize::Save, &TColumnSize::SetSave)
      .StringProperty("Key", &TColumnSize::Key, &TColumnSize::SetKey)
      .StringProperty("Section", &TColumnSize::Section, &TColumnSize::SetSection)
      .BooleanProperty("Stretch", &TColumnSize::Stretch, &TColumnSize::SetStretch)
      .IntegerProperty("StretchColumn", &TColumnSize::StretchColumn, &TColumnSize::SetStretchColumn)
      .BooleanProperty("SynchWithGrid", &TColumnSize::SynchWithGrid, &TColumnSize::SetSynchWithGrid)
      .EnumProperty("Location", &TColumnSize::Location, &TColumnSize::SetLocation, kLocationNames);
  RegisterLayoutClass<TNavigation>("TNavigation")
      .BooleanProperty("AllowInsertRow", &TNavigation::AllowInsertRow, &TNavigation::SetAllowInsertRow)
      .BooleanProperty("AllowDeleteRow", &TNavigation::AllowDeleteRow, &TNavigation::SetAllowDeleteRow)
      .BooleanProperty("AlwaysEdit", &TNavigation::AlwaysEdit, &TNavigation::SetAlwaysEdit)
      .BooleanProperty("AdvanceOnEnter", &TNavigation::AdvanceOnEnter, &TNavigation::SetAdvanceOnEnter)
      .BooleanProperty("AdvanceInsert", &TNavigation::AdvanceInsert, &TNavigation::SetAdvanceInsert)
      .BooleanProperty("AutoGotoWhenSorted", &TNavigation::AutoGotoWhenSorted, &TNavigation::SetAutoGotoWhenSorted)
      .BooleanProperty("AutoGotoIncremental", &TNavigation::AutoGotoIncremental, &TNavigation::SetAutoGotoIncremental)
      .BooleanProperty("AutoComboDropSize", &TNavigation::AutoComboDropSize, &TNavigation::SetAutoComboDropSize)
      .EnumProperty("AdvanceDirection", &TNavigation::AdvanceDirection, &TNavigation::SetAdvanceDirection,
                    kAdvanceNames)
      .BooleanProperty("AllowClipboardShortCuts", &TNavigation::AllowClipboardShortCuts,
                       &TNavigation::SetAllowClipboardShortCuts)
      .BooleanProperty("AllowCtrlEnter", &TNavigation::AllowCtrlEnter, &TNavigation::SetAllowCtrlEnter)
      .BooleanProperty("AllowSmartClipboard", &TNavigation::AllowSmartClipboard, &TNavigation::SetAllowSmartClipboard)
      .BooleanProperty("AllowRTFClipboard", &TNavigation::AllowRTFClipboard, &TNavigation::SetAllowRTFClipboard)
      .BooleanProperty("AllowFmtClipboard", &TNavigation::AllowFmtClipboard, &TNavigation::SetAllowFmtClipboard)
      .BooleanProperty("AllowClipboardAlways", &TNavigation::AllowClipboardAlways,
                       &TNavigation::SetAllowClipboardAlways)
      .BooleanProperty("AllowClipboardRowGrow", &TNavigation::AllowClipboardRowGrow,
                       &TNavigation::SetAllowClipboardRowGrow)
      .BooleanProperty("AllowClipboardColGrow", &TNavigation::AllowClipboardColGrow,
                       &TNavigation::SetAllowClipboardColGrow)
      .BooleanProperty("AdvanceAuto", &TNavigation::AdvanceAuto, &TNavigation::SetAdvanceAuto)
      .BooleanProperty("AppendOnArrowDown", &TNavigation::AppendOnArrowDown, &TNavigation::SetAppendOnArrowDown)
      .BooleanProperty("EditSelectAll", &TNavigation::EditSelectAll, &TNavigation::SetEditSelectAll)
      .EnumProperty("InsertPosition", &TNavigation::InsertPosition, &TNavigation::SetInsertPosition, kInsertNames)
      .BooleanProperty("CursorWalkEditor", &TNavigation::CursorWalkEditor, &TNavigation::SetCursorWalkEditor)
      .BooleanProperty("MoveRowOnSort", &TNavigation::MoveRowOnSort, &TNavigation::SetMoveRowOnSort)
      .BooleanProperty("ImproveMaskSel", &TNavigation::ImproveMaskSel, &TNavigation::SetImproveMaskSel)
      .BooleanProperty("CopyHTMLTagsToClipboard", &TNavigation::CopyHTMLTagsToClipboard,
                       &TNavigation::SetCopyHTMLTagsToClipboard)
      .BooleanProperty("KeepHorizScroll", &TNavigation::KeepHorizScroll, &TNavigation::SetKeepHorizScroll)
      .BooleanProperty("LineFeedOnEnter", &TNavigation::LineFeedOnEnter, &TNavigation::SetLineFeedOnEnter)
      .EnumProperty("HomeEndKey", &TNavigation::HomeEndKey, &TNavigation::SetHomeEndKey, kHomeEndNames)
      .BooleanProperty("SkipFixedCells", &TNavigation::SkipFixedCells, &TNavigation::SetSkipFixedCells)
      .BooleanProperty("TabToNextAtEnd", &TNavigation::TabToNextAtEnd, &TNavigation::SetTabToNextAtEnd)
      .EnumProperty("TabAdvanceDirection", &TNavigation::TabAdvanceDirection, &TNavigation::SetTabAdvanceDirection,
                    kAdvanceNames);
  RegisterLayoutClass<TMouseActions>("TMouseActions")
      .BooleanProperty("AllColumnSize", &TMouseActions::AllColumnSize, &TMouseActions::SetAllColumnSize)
      .BooleanProperty("AllRowSize", &TMouseActions::AllRowSize, &TMouseActions::SetAllRowSize)
      .BooleanProperty("AllSelect", &TMouseActions::AllSelect, &TMouseActions::SetAllSelect)
      .BooleanProperty("AutoSizeColOnDblClick", &TMouseActions::AutoSizeColOnDblClick,
                       &TMouseActions::SetAutoSizeColOnDblClick)
      .BooleanProperty("CaretPositioning", &TMouseActions::CaretPositioning, &TMouseActions::SetCaretPositioning)
      .BooleanProperty("CheckAllCheck", &TMouseActions::CheckAllCheck, &TMouseActions::SetCheckAllCheck)
      .BooleanProperty("ColSelect", &TMouseActions::ColSelect, &TMouseActions::SetColSelect)
      .BooleanProperty("DirectComboDrop", &TMouseActions::DirectComboDrop, &TMouseActions::SetDirectComboDrop)
      .BooleanProperty("DirectDateDrop", &TMouseActions::DirectDateDrop, &TMouseActions::SetDirectDateDrop)
      .BooleanProperty("DirectEdit", &TMouseActions::DirectEdit, &TMouseActions::SetDirectEdit)
      .BooleanProperty("DisjunctRowSelect", &TMouseActions::DisjunctRowSelect, &TMouseActions::SetDisjunctRowSelect)
      .BooleanProperty("DisjunctColSelect", &TMouseActions::DisjunctColSelect, &TMouseActions::SetDisjunctColSelect)
      .BooleanProperty("DisjunctCellSelect", &TMouseActions::DisjunctCellSelect, &TMouseActions::SetDisjunctCellSelect)
      .EnumProperty("FixedRowsEdit", &TMouseActions::FixedRowsEdit, &TMouseActions::SetFixedRowsEdit, kFixedEditNames)
      .EnumProperty("FixedColsEdit", &TMouseActions::FixedColsEdit, &TMouseActions::SetFixedColsEdit, kFixedEditNames)
      .BooleanProperty("HotmailRowSelect", &TMouseActions::HotmailRowSelect, &TMouseActions::SetHotmailRowSelect)
      .BooleanProperty("MoveRowOnNodeClick", &TMouseActions::MoveRowOnNodeClick, &TMouseActions::SetMoveRowOnNodeClick)
      .BooleanProperty("NoAutoRangeScroll", &TMouseActions::NoAutoRangeScroll, &TMouseActions::SetNoAutoRangeScroll)
      .BooleanProperty("NodeAllExpandContract", &TMouseActions::NodeAllExpandContract,
                       &TMouseActions::SetNodeAllExpandContract)
      .BooleanProperty("NoScrollOnPartialRow", &TMouseActions::NoScrollOnPartialRow,
                       &TMouseActions::SetNoScrollOnPartialRow)
      .BooleanProperty("PreciseCheckBoxCheck", &TMouseActions::PreciseCheckBoxCheck,
                       &TMouseActions::SetPreciseCheckBoxCheck)
      .BooleanProperty("RangeSelectAndEdit", &TMouseActions::RangeSelectAndEdit, &TMouseActions::SetRangeSelectAndEdit)
      .BooleanProperty("RowSelect", &TMouseActions::RowSelect, &TMouseActions::SetRowSelect)
      .BooleanProperty("RowSelectPersistent", &TMouseActions::RowSelectPersistent,
                       &TMouseActions::SetRowSelectPersistent)
      .BooleanProperty("SelectOnRightClick", &TMouseActions::SelectOnRightClick, &TMouseActions::SetSelectOnRightClick)
      .BooleanProperty("SizeFixedCol", &TMouseActions::SizeFixedCol, &TMouseActions::SetSizeFixedCol)
      .BooleanProperty("SizeFixedRow", &TMouseActions::SizeFixedRow, &TMouseActions::SetSizeFixedRow)
      .IntegerProperty("WheelIncrement", &TMouseActions::WheelIncrement, &TMouseActions::SetWheelIncrement)
      .EnumProperty("WheelAction", &TMouseActions::WheelAction, &TMouseActions::SetWheelAction, kWheelActionNames);
  RegisterLayoutClass<TCellNode>("TCellNode")
      .IntegerProperty("Color", &TCellNode::Color, &TCellNode::SetColor, ColorIdents())
      .BooleanProperty("ExpandOne", &TCellNode::ExpandOne, &TCellNode::SetExpandOne)
      .EnumProperty("NodeType", &TCellNode::NodeType, &TCellNode::SetNodeType, kNodeTypeNames)
      .IntegerProperty("NodeColor", &TCellNode::NodeColor, &TCellNode::SetNodeColor, ColorIdents())
      .IntegerProperty("NodeIndent", &TCellNode::NodeIndent, &TCellNode::SetNodeIndent)
      .BooleanProperty("ShowTree", &TCellNode::ShowTree, &TCellNode::SetShowTree)
      .BooleanProperty("ShowTreeFull", &TCellNode::ShowTreeFull, &TCellNode::SetShowTreeFull)
      .IntegerProperty("TreeColor", &TCellNode::TreeColor, &TCellNode::SetTreeColor, ColorIdents());
  RegisterLayoutClass<TSizeWhileTyping>("TSizeWhileTyping")
      .BooleanProperty("Height", &TSizeWhileTyping::Height, &TSizeWhileTyping::SetHeight)
      .BooleanProperty("Width", &TSizeWhileTyping::Width, &TSizeWhileTyping::SetWidth);
  RegisterLayoutClass<THTMLSettings>("THTMLSettings")
      .IntegerProperty("BorderSize", &THTMLSettings::BorderSize, &THTMLSettings::SetBorderSize)
      .IntegerProperty("CellSpacing", &THTMLSettings::CellSpacing, &THTMLSettings::SetCellSpacing)
      .IntegerProperty("CellPadding", &THTMLSettings::CellPadding, &THTMLSettings::SetCellPadding)
      .BooleanProperty("SaveColor", &THTMLSettings::SaveColor, &THTMLSettings::SetSaveColor)
      .BooleanProperty("SaveFonts", &THTMLSettings::SaveFonts, &THTMLSettings::SetSaveFonts)
      .StringProperty("TableStyle", &THTMLSettings::TableStyle, &THTMLSettings::SetTableStyle)
      .IntegerProperty("Width", &THTMLSettings::Width, &THTMLSettings::SetWidth)
      .BooleanProperty("XHTML", &THTMLSettings::XHTML, &THTMLSettings::SetXHTML);
  RegisterLayoutClass<TPrintSettings>("TPrintSettings")
      .StringProperty("DateFormat", &TPrintSettings::DateFormat, &TPrintSettings::SetDateFormat)
      .StringProperty("TitleText", &TPrintSettings::TitleText, &TPrintSettings::SetTitleText)
      .StringProperty("JobName", &TPrintSettings::JobName, &TPrintSettings::SetJobName)
      .StringProperty("PageNumSep", &TPrintSettings::PageNumSep, &TPrintSettings::SetPageNumSep)
      .BooleanProperty("Centered", &TPrintSettings::Centered, &TPrintSettings::SetCentered)
      .BooleanProperty("RepeatFixedRows", &TPrintSettings::RepeatFixedRows, &TPrintSettings::SetRepeatFixedRows)
      .BooleanProperty("RepeatFixedCols", &TPrintSettings::RepeatFixedCols, &TPrintSettings::SetRepeatFixedCols)
      .BooleanProperty("UseDisplayFont", &TPrintSettings::UseDisplayFont, &TPrintSettings::SetUseDisplayFont)
      .BooleanProperty("PrintGraphics", &TPrintSettings::PrintGraphics, &TPrintSettings::SetPrintGraphics)
      .EnumProperty("Orientation", &TPrintSettings::Orientation, &TPrintSettings::SetOrientation, kOrientationNames)
      .ObjectProperty("Font", &TPrintSettings::Font)
      .ObjectProperty("FixedFont", &TPrintSettings::FixedFont)
      .ObjectProperty("HeaderFont", &TPrintSettings::HeaderFont)
      .ObjectProperty("FooterFont", &TPrintSettings::FooterFont);
  RegisterLayoutClass<TSortSettings>("TSortSettings")
      .BooleanProperty("AutoSortForGrouping", &TSortSettings::AutoSortForGrouping,
                       &TSortSettings::SetAutoSortForGrouping)
      .BooleanProperty("AutoColumnMerge", &TSortSettings::AutoColumnMerge, &TSortSettings::SetAutoColumnMerge)
      .IntegerProperty("Column", &TSortSettings::Column, &TSortSettings::SetColumn)
      .BooleanProperty("Show", &TSortSettings::Show, &TSortSettings::SetShow)
      .BooleanProperty("IndexShow", &TSortSettings::IndexShow, &TSortSettings::SetIndexShow)
      .IntegerProperty("IndexColor", &TSortSettings::IndexColor, &TSortSettings::SetIndexColor, ColorIdents())
      .BooleanProperty("Full", &TSortSettings::Full, &TSortSettings::SetFull)
      .BooleanProperty("SingleColumn", &TSortSettings::SingleColumn, &TSortSettings::SetSingleColumn)
      .BooleanProperty("IgnoreBlanks", &TSortSettings::IgnoreBlanks, &TSortSettings::SetIgnoreBlanks)
      .EnumProperty("BlankPos", &TSortSettings::BlankPos, &TSortSettings::SetBlankPos, kBlankPosNames)
      .BooleanProperty("AutoFormat", &TSortSettings::AutoFormat, &TSortSettings::SetAutoFormat)
      .EnumProperty("Direction", &TSortSettings::Direction, &TSortSettings::SetDirection, kDirectionNames)
      .EnumProperty("InitSortDirection", &TSortSettings::InitSortDirection, &TSortSettings::SetInitSortDirection,
                    kDirectionNames)
      .BooleanProperty("FixedCols", &TSortSettings::FixedCols, &TSortSettings::SetFixedCols)
      .BooleanProperty("NormalCellsOnly", &TSortSettings::NormalCellsOnly, &TSortSettings::SetNormalCellsOnly)
      .IntegerProperty("Row", &TSortSettings::Row, &TSortSettings::SetRow)
      .BooleanProperty("UndoSort", &TSortSettings::UndoSort, &TSortSettings::SetUndoSort);
  RegisterLayoutClass<TControlLook>("TControlLook")
      .IntegerProperty("Color", &TControlLook::Color, &TControlLook::SetColor, ColorIdents())
      .IntegerProperty("CommentColor", &TControlLook::CommentColor, &TControlLook::SetCommentColor, ColorIdents())
      .IntegerProperty("FixedGradientFrom", &TControlLook::FixedGradientFrom, &TControlLook::SetFixedGradientFrom,
                       ColorIdents())
      .IntegerProperty("FixedGradientTo", &TControlLook::FixedGradientTo, &TControlLook::SetFixedGradientTo,
                       ColorIdents())
      .IntegerProperty("CheckSize", &TControlLook::CheckSize, &TControlLook::SetCheckSize)
      .BooleanProperty("CheckAlwaysActive", &TControlLook::CheckAlwaysActive, &TControlLook::SetCheckAlwaysActive)
      .IntegerProperty("RadioSize", &TControlLook::RadioSize, &TControlLook::SetRadioSize)
      .BooleanProperty("RadioAlwaysActive", &TControlLook::RadioAlwaysActive, &TControlLook::SetRadioAlwaysActive)
      .EnumProperty("ControlStyle", &TControlLook::ControlStyle, &TControlLook::SetControlStyle, kControlStyleNames)
      .BooleanProperty("DropDownAlwaysVisible", &TControlLook::DropDownAlwaysVisible,
                       &TControlLook::SetDropDownAlwaysVisible)
      .BooleanProperty("FlatButton", &TControlLook::FlatButton, &TControlLook::SetFlatButton)
      .IntegerProperty("ProgressBorderColor", &TControlLook::ProgressBorderColor, &TControlLook::SetProgressBorderColor,
                       ColorIdents())
      .IntegerProperty("ProgressMarginX", &TControlLook::ProgressMarginX, &TControlLook::SetProgressMarginX)
      .IntegerProperty("ProgressMarginY", &TControlLook::ProgressMarginY, &TControlLook::SetProgressMarginY)
      .BooleanProperty("ProgressXP", &TControlLook::ProgressXP, &TControlLook::SetProgressXP);
  RegisterLayoutClass<TBands>("TBands")
      .BooleanProperty("Active", &TBands::Active, &TBands::SetActive)
      .IntegerProperty("PrimaryColor", &TBands::PrimaryColor, &TBands::SetPrimaryColor, ColorIdents())
      .IntegerProperty("PrimaryLength", &TBands::PrimaryLength, &TBands::SetPrimaryLength)
      .IntegerProperty("SecondaryColor", &TBands::SecondaryColor, &TBands::SetSecondaryColor, ColorIdents())
      .IntegerProperty("SecondaryLength", &TBands::SecondaryLength, &TBands::SetSecondaryLength)
      .BooleanProperty("Print", &TBands::Print, &TBands::SetPrint);
  RegisterLayoutClass<TBackGround>("TBackGround")
      .IntegerProperty("Top", &TBackGround::Top, &TBackGround::SetTop)
      .IntegerProperty("Left", &TBackGround::Left, &TBackGround::SetLeft)
      .EnumProperty("Display", &TBackGround::Display, &TBackGround::SetDisplay, kDisplayNames)
      .EnumProperty("Cells", &TBackGround::Cells, &TBackGround::SetCells, kCellsNames)
      .IntegerProperty("Color", &TBackGround::Color, &TBackGround::SetColor, ColorIdents())
      .IntegerProperty("ColorTo", &TBackGround::ColorTo, &TBackGround::SetColorTo, ColorIdents());
  RegisterLayoutClass<TFilterData>("TFilterData")
      .IntegerProperty("Column", &TFilterData::Column, &TFilterData::SetColumn)
      .StringProperty("Condition", &TFilterData::Condition, &TFilterData::SetCondition)
      .BooleanProperty("CaseSensitive", &TFilterData::CaseSensitive, &TFilterData::SetCaseSensitive)
      .EnumProperty("Data", &TFilterData::Data, &TFilterData::SetData, kFilterCellsNames)
      .StringProperty("Prefix", &TFilterData::Prefix, &TFilterData::SetPrefix)
      .StringProperty("Suffix", &TFilterData::Suffix, &TFilterData::SetSuffix)
      .EnumProperty("Operation", &TFilterData::Operation, &TFilterData::SetOperation, kOperationNames);
  RegisterLayoutClass<TGrouping>("TGrouping")
      .IntegerProperty("HeaderColor", &TGrouping::HeaderColor, &TGrouping::SetHeaderColor, ColorIdents())
      .IntegerProperty("HeaderColorTo", &TGrouping::HeaderColorTo, &TGrouping::SetHeaderColorTo, ColorIdents())
      .IntegerProperty("HeaderTextColor", &TGrouping::HeaderTextColor, &TGrouping::SetHeaderTextColor, ColorIdents())
      .BooleanProperty("HeaderUnderline", &TGrouping::HeaderUnderline, &TGrouping::SetHeaderUnderline)
      .IntegerProperty("HeaderLineColor", &TGrouping::HeaderLineColor, &TGrouping::SetHeaderLineColor, ColorIdents())
      .IntegerProperty("HeaderLineWidth", &TGrouping::HeaderLineWidth, &TGrouping::SetHeaderLineWidth)
      .BooleanProperty("MergeHeader", &TGrouping::MergeHeader, &TGrouping::SetMergeHeader)
      .BooleanProperty("MergeSummary", &TGrouping::MergeSummary, &TGrouping::SetMergeSummary)
      .BooleanProperty("Summary", &TGrouping::Summary, &TGrouping::SetSummary)
      .IntegerProperty("SummaryColor", &TGrouping::SummaryColor, &TGrouping::SetSummaryColor, ColorIdents())
      .IntegerProperty("SummaryColorTo", &TGrouping::SummaryColorTo, &TGrouping::SetSummaryColorTo, ColorIdents())
      .IntegerProperty("SummaryTextColor", &TGrouping::SummaryTextColor, &TGrouping::SetSummaryTextColor,
                       ColorIdents())
      .BooleanProperty("SummaryLine", &TGrouping::SummaryLine, &TGrouping::SetSummaryLine)
      .IntegerProperty("SummaryLineColor", &TGrouping::SummaryLineColor, &TGrouping::SetSummaryLineColor,
                       ColorIdents())
      .IntegerProperty("SummaryLineWidth", &TGrouping::SummaryLineWidth, &TGrouping::SetSummaryLineWidth);
  RegisterLayoutClass<TFloatingFooter>("TFloatingFooter")
      .BooleanProperty("CalculateHiddenRows", &TFloatingFooter::CalculateHiddenRows,
                       &TFloatingFooter::SetCalculateHiddenRows)
      .IntegerProperty("Color", &TFloatingFooter::Color, &TFloatingFooter::SetColor, ColorIdents())
      .IntegerProperty("Column", &TFloatingFooter::Column, &TFloatingFooter::SetColumn)
      .StringProperty("CustomTemplate", &TFloatingFooter::CustomTemplate, &TFloatingFooter::SetCustomTemplate)
      .EnumProperty("FooterStyle", &TFloatingFooter::FooterStyle, &TFloatingFooter::SetFooterStyle, kFooterStyleNames)
      .BooleanProperty("ShowHint", &TFloatingFooter::ShowHint, &TFloatingFooter::SetShowHint)
      .BooleanProperty("Visible", &TFloatingFooter::Visible, &TFloatingFooter::SetVisible);
  RegisterLayoutClass<TSearchFooter>("TSearchFooter")
      .BooleanProperty("Visible", &TSearchFooter::Visible, &TSearchFooter::SetVisible);
  RegisterLayoutClass<TBalloonSettings>("TBalloonSettings")
      .BooleanProperty("Enable", &TBalloonSettings::Enable, &TBalloonSettings::SetEnable);
}

void RegisterGrid() {
  RegisterLayoutClass<TExtStringGrid, TBaseGrid>("TExtStringGrid")
      .IntegerProperty("RowCount", &TExtStringGrid::RowCount, &TExtStringGrid::SetRowCount)
      .IntegerProperty("ColCount", &TExtStringGrid::ColCount, &TExtStringGrid::SetColCount)
      .IntegerProperty("FixedRows", &TExtStringGrid::FixedRows, &TExtStringGrid::SetFixedRows)
      .IntegerProperty("FixedCols", &TExtStringGrid::FixedCols, &TExtStringGrid::SetFixedCols)
      .IntegerProperty("DefaultRowHeight", &TExtStringGrid::DefaultRowHeight, &TExtStringGrid::SetDefaultRowHeight)
      .IntegerProperty("FixedColWidth", &TExtStringGrid::FixedColWidth, &TExtStringGrid::SetFixedColWidth)
      .IntegerProperty("FixedRowHeight", &TExtStringGrid::FixedRowHeight, &TExtStringGrid::SetFixedRowHeight)
      .EnumProperty("ScrollBars", &TExtStringGrid::ScrollBars, &TExtStringGrid::SetScrollBars, kScrollStyleNames)
      .EnumProperty("ScrollBarAlways", &TExtStringGrid::ScrollBarAlways, &TExtStringGrid::SetScrollBarAlways,
                    kScrollBarAlwaysNames)
      .BooleanProperty("IntegralHeight", &TExtStringGrid::IntegralHeight, &TExtStringGrid::SetIntegralHeight)
      .BooleanProperty("ActiveCellShow", &TExtStringGrid::ActiveCellShow, &TExtStringGrid::SetActiveCellShow)
      .ObjectProperty("ActiveCellFont", &TExtStringGrid::ActiveCellFont)
      .IntegerProperty("ActiveCellColor", &TExtStringGrid::ActiveCellColor, &TExtStringGrid::SetActiveCellColor,
                       ColorIdents())
      .IntegerProperty("ActiveCellColorTo", &TExtStringGrid::ActiveCellColorTo, &TExtStringGrid::SetActiveCellColorTo,
                       ColorIdents())
      .IntegerProperty("SelectionColor", &TExtStringGrid::SelectionColor, &TExtStringGrid::SetSelectionColor,
                       ColorIdents())
      .IntegerProperty("SelectionColorTo", &TExtStringGrid::SelectionColorTo, &TExtStringGrid::SetSelectionColorTo,
                       ColorIdents())
      .IntegerProperty("SelectionTextColor", &TExtStringGrid::SelectionTextColor,
                       &TExtStringGrid::SetSelectionTextColor, ColorIdents())
      .BooleanProperty("SelectionRectangle", &TExtStringGrid::SelectionRectangle,
                       &TExtStringGrid::SetSelectionRectangle)
      .BooleanProperty("ShowSelection", &TExtStringGrid::ShowSelection, &TExtStringGrid::SetShowSelection)
      .BooleanProperty("HideFocusRect", &TExtStringGrid::HideFocusRect, &TExtStringGrid::SetHideFocusRect)
      .EnumProperty("VAlignment", &TExtStringGrid::VAlignment, &TExtStringGrid::SetVAlignment, kVAlignmentNames)
      .BooleanProperty("WordWrap", &TExtStringGrid::WordWrap, &TExtStringGrid::SetWordWrap)
      .BooleanProperty("Multilinecells", &TExtStringGrid::Multilinecells, &TExtStringGrid::SetMultilinecells)
      .StringProperty("FloatFormat", &TExtStringGrid::FloatFormat, &TExtStringGrid::SetFloatFormat)
      .BooleanProperty("EnableHTML", &TExtStringGrid::EnableHTML, &TExtStringGrid::SetEnableHTML)
      .IntegerProperty("URLColor", &TExtStringGrid::URLColor, &TExtStringGrid::SetURLColor, ColorIdents())
      .BooleanProperty("URLShow", &TExtStringGrid::URLShow, &TExtStringGrid::SetURLShow)
      .ObjectProperty("FixedFont", &TExtStringGrid::FixedFont)
      .ComponentProperty("GridImages", &TExtStringGrid::GridImages, &TExtStringGrid::SetGridImages)
      .ComponentProperty("PictureContainer", &TExtStringGrid::PictureContainer, &TExtStringGrid::SetPictureContainer)
      .IntegerProperty("FixedFooters", &TExtStringGrid::FixedFooters, &TExtStringGrid::SetFixedFooters)
      .IntegerProperty("FixedRightCols", &TExtStringGrid::FixedRightCols, &TExtStringGrid::SetFixedRightCols)
      .BooleanProperty("FixedRowAlways", &TExtStringGrid::FixedRowAlways, &TExtStringGrid::SetFixedRowAlways)
      .BooleanProperty("FixedColAlways", &TExtStringGrid::FixedColAlways, &TExtStringGrid::SetFixedColAlways)
      .BooleanProperty("FixedAsButtons", &TExtStringGrid::FixedAsButtons, &TExtStringGrid::SetFixedAsButtons)
      .StringsProperty("ColumnHeaders", &TExtStringGrid::ColumnHeaders)
      .StringsProperty("RowHeaders", &TExtStringGrid::RowHeaders)
      .StringsProperty("LookupItems", &TExtStringGrid::LookupItems)
      .EnumProperty("Look", &TExtStringGrid::Look, &TExtStringGrid::SetLook, kGridLookNames)
      .BooleanProperty("Flat", &TExtStringGrid::Flat, &TExtStringGrid::SetFlat)
      .BooleanProperty("AutoThemeAdapt", &TExtStringGrid::AutoThemeAdapt, &TExtStringGrid::SetAutoThemeAdapt)
      .IntegerProperty("HintColor", &TExtStringGrid::HintColor, &TExtStringGrid::SetHintColor, ColorIdents())
      .EnumProperty("ScrollType", &TExtStringGrid::ScrollType, &TExtStringGrid::SetScrollType, kScrollTypeNames)
      .IntegerProperty("ScrollColor", &TExtStringGrid::ScrollColor, &TExtStringGrid::SetScrollColor, ColorIdents())
      .IntegerProperty("ScrollWidth", &TExtStringGrid::ScrollWidth, &TExtStringGrid::SetScrollWidth)
      .EnumProperty("ScrollHints", &TExtStringGrid::ScrollHints, &TExtStringGrid::SetScrollHints, kScrollHintNames)
      .EnumProperty("IntelliPan", &TExtStringGrid::IntelliPan, &TExtStringGrid::SetIntelliPan, kIntelliPanNames)
      .BooleanProperty("IntelliZoom", &TExtStringGrid::IntelliZoom, &TExtStringGrid::SetIntelliZoom)
      .BooleanProperty("EnableWheel", &TExtStringGrid::EnableWheel, &TExtStringGrid::SetEnableWheel)
      .IntegerProperty("MaxEditLength", &TExtStringGrid::MaxEditLength, &TExtStringGrid::SetMaxEditLength)
      .BooleanProperty("Lookup", &TExtStringGrid::Lookup, &TExtStringGrid::SetLookup)
      .BooleanProperty("EnhRowColMove", &TExtStringGrid::EnhRowColMove, &TExtStringGrid::SetEnhRowColMove)
      .BooleanProperty("SizeWithForm", &TExtStringGrid::SizeWithForm, &TExtStringGrid::SetSizeWithForm)
      .BooleanProperty("Hovering", &TExtStringGrid::Hovering, &TExtStringGrid::SetHovering)
      .StringProperty("Version", &TExtStringGrid::Version, &TExtStringGrid::SetVersion)
      .ObjectProperty("PrintSettings", &TExtStringGrid::PrintSettings)
      .ObjectProperty("HTMLSettings", &TExtStringGrid::HTMLSettings)
      .ObjectProperty("Navigation", &TExtStringGrid::Navigation)
      .ObjectProperty("ColumnSize", &TExtStringGrid::ColumnSize)
      .ObjectProperty("CellNode", &TExtStringGrid::CellNode)
      .ObjectProperty("SizeWhileTyping", &TExtStringGrid::SizeWhileTyping)
      .ObjectProperty("MouseActions", &TExtStringGrid::MouseActions)
      .ObjectProperty("Grouping", &TExtStringGrid::Grouping)
      .ObjectProperty("SortSettings", &TExtStringGrid::SortSettings)
      .ObjectProperty("ControlLook", &TExtStringGrid::ControlLook)
      .ObjectProperty("Bands", &TExtStringGrid::Bands)
      .ObjectProperty("BackGround", &TExtStringGrid::BackGround)
      .ObjectProperty("FloatingFooter", &TExtStringGrid::FloatingFooter)
      .ObjectProperty("SearchFooter", &TExtStringGrid::SearchFooter)
      .ObjectProperty("Balloon", &TExtStringGrid::Balloon)
      .CollectionProperty("Filter", &TExtStringGrid::Filter)
      .EventProperty("OnGridHint", &TExtStringGrid::OnGridHint)
      .EventProperty("OnGetCellColor", &TExtStringGrid::OnGetCellColor)
      .EventProperty("OnGetAlignment", &TExtStringGrid::OnGetAlignment)
      .EventProperty("OnGetEditorType", &TExtStringGrid::OnGetEditorType)
      .EventProperty("OnCanEditCell", &TExtStringGrid::OnCanEditCell)
      .EventProperty("OnGetCheckTrue", &TExtStringGrid::OnGetCheckTrue)
      .EventProperty("OnGetCheckFalse", &TExtStringGrid::OnGetCheckFalse);
  RegisterLayoutClass<TEditLink, plat::TComponent>("TEditLink")
      .BooleanProperty("AutoPopupWidth", &TEditLink::AutoPopupWidth, &TEditLink::SetAutoPopupWidth)
      .EnumProperty("EditStyle", &TEditLink::EditStyle, &TEditLink::SetEditStyle, kEditStyleNames)
      .IntegerProperty("PopupLeft", &TEditLink::PopupLeft, &TEditLink::SetPopupLeft)
      .IntegerProperty("PopupTop", &TEditLink::PopupTop, &TEditLink::SetPopupTop)
      .IntegerProperty("PopupWidth", &TEditLink::PopupWidth, &TEditLink::SetPopupWidth)
      .IntegerProperty("PopupHeight", &TEditLink::PopupHeight, &TEditLink::SetPopupHeight)
      .BooleanProperty("WantKeyLeftRight", &TEditLink::WantKeyLeftRight, &TEditLink::SetWantKeyLeftRight)
      .BooleanProperty("WantKeyUpDown", &TEditLink::WantKeyUpDown, &TEditLink::SetWantKeyUpDown)
      .BooleanProperty("WantKeyHomeEnd", &TEditLink::WantKeyHomeEnd, &TEditLink::SetWantKeyHomeEnd)
      .BooleanProperty("WantKeyPriorNext", &TEditLink::WantKeyPriorNext, &TEditLink::SetWantKeyPriorNext)
      .BooleanProperty("WantKeyReturn", &TEditLink::WantKeyReturn, &TEditLink::SetWantKeyReturn)
      .BooleanProperty("WantKeyEscape", &TEditLink::WantKeyEscape, &TEditLink::SetWantKeyEscape);
  RegisterLayoutClass<TControlEdit, plat::TMaskEdit>("TControlEdit");
  RegisterLayoutClass<TControlCombo, TESGComboBox>("TControlCombo");
}

}  // namespace

void RegisterExtGridClasses() {
  RegisterBaseGridClasses();
  RegisterComboClasses();
  RegisterSettingsClasses();
  RegisterGrid();
}

}  // namespace zorbit
