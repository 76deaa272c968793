// Copy, cut and paste: tab-separated text, the rich text of the top-left
// cell and the private cell-block format, in one change of the clipboard.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtRichEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellBlockRecords.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/HtmlText.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TClipboard.h"
#include "platform/win/Clipboard.h"

namespace zorbit {
namespace {

bool Holds(const plat::String& Text, const char* Part) { return Text.find(Part) != plat::String::npos; }

// Text cut at CR (an LF after it skipped); the remainder after the last
// line end is a line too, empty or not.
std::vector<plat::String> ClipboardLines(const plat::String& Text) {
  std::vector<plat::String> lines;
  std::size_t at = 0;
  for (;;) {
    const std::size_t cr = Text.find('\r', at);
    lines.push_back(Text.substr(at, cr == plat::String::npos ? plat::String::npos : cr - at));
    if (cr == plat::String::npos) break;
    at = cr + 1;
    if (at < Text.size() && Text[at] == '\n') ++at;
  }
  return lines;
}

std::vector<plat::String> LineFields(const plat::String& Line) {
  std::vector<plat::String> fields;
  std::size_t at = 0;
  for (;;) {
    const std::size_t tab = Line.find('\t', at);
    fields.push_back(Line.substr(at, tab == plat::String::npos ? plat::String::npos : tab - at));
    if (tab == plat::String::npos) break;
    at = tab + 1;
  }
  return fields;
}

// A field copied from a multi-line cell comes quoted, its breaks as
// vertical tabs.
void UnquoteField(plat::String& Field) {
  if (!Holds(Field, "\n")) return;
  if (!Field.empty() && Field.front() == '"') Field.erase(0, 1);
  if (!Field.empty() && Field.back() == '"') Field.pop_back();
  for (std::size_t at = Field.find('\x0b'); at != plat::String::npos; at = Field.find('\x0b', at + 2))
    Field.replace(at, 1, "\r\n");
}

}  // namespace

plat::UINT TExtStringGrid::CellsClipboardFormat() {
  static const plat::UINT format = plat::RegisterClipboardFormatA("TExtStringGrid Cells");
  return format;
}

plat::UINT TExtStringGrid::RichTextClipboardFormat() {
  static const plat::UINT format = plat::RegisterClipboardFormatA("Rich Text Format");
  return format;
}

bool TExtStringGrid::ClipboardCanWrite(int ACol, int ARow) {
  if (FNavigation->AllowClipboardAlways()) return true;
  bool canEdit = true;
  CanEditCell(ACol, ARow, canEdit);
  return canEdit;
}

plat::String TExtStringGrid::ClipboardCellText(int ACol, int ARow) {
  const int realCol = DisplayToRealCol(ACol);
  plat::String text;
  GetExportText(realCol, ARow, text);
  if (Holds(text, "\r")) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    text = '"' + text + '"';
  }
  if (!FNavigation->CopyHTMLTagsToClipboard() && Holds(text, "</")) return StripHtml(GetCellText(realCol, ARow));
  if (Holds(text, "{\\") && LoadRichCell(text)) return FRichEdit->Text();
  return text;
}

void TExtStringGrid::CopyRange(plat::TRect R, bool Disjunct) {
  // Whole merged ranges: the corners' ranges may widen the block.
  const plat::TPoint topLeft = GetBaseCell(R.Left, R.Top);
  R.Left = std::min(R.Left, topLeft.X);
  R.Top = std::min(R.Top, topLeft.Y);
  if (IsMergedCell(R.Right, R.Bottom)) {
    const plat::TPoint base = GetBaseCell(R.Right, R.Bottom);
    const plat::TPoint span = GetCellSpan(base.X, base.Y);
    R.Right = std::max(R.Right, base.X + span.X);
    R.Bottom = std::max(R.Bottom, base.Y + span.Y);
  }
  FCopyOrigin = {R.Left, R.Top};
  GridProgress(0, -1);

  const bool rowFlags = Disjunct && FMouseActions->DisjunctRowSelect() && !FMouseActions->DisjunctColSelect();
  const bool colFlags = Disjunct && FMouseActions->DisjunctColSelect();
  plat::String text;
  for (int row = R.Top; row <= R.Bottom; ++row) {
    const int flagRow = FMouseActions->RowSelectPersistent() ? DisplayToRealRow(row) : row;
    if (rowFlags && !IsRowSelected(flagRow)) continue;
    plat::String line;
    for (int col = R.Left; col <= R.Right; ++col) {
      if (colFlags && !IsColSelected(col)) continue;
      line += ClipboardCellText(col, row) + '\t';
    }
    if (!line.empty()) line.pop_back();
    text += line;
    if (R.Bottom > R.Top) text += "\r\n";
  }

  plat::TClipboard& clipboard = *plat::Clipboard();
  if (clipboard.Open()) {
    const plat::ScopeExit close([&clipboard] { clipboard.Close(); });
    clipboard.SetAsText(text);
    const plat::String& corner = GetRawCellText(DisplayToRealCol(R.Left), R.Top);
    if (FNavigation->AllowRTFClipboard() && Holds(corner, "{\\"))
      clipboard.SetBuffer(RichTextClipboardFormat(), corner.c_str(), corner.size() + 1);
    if (FNavigation->AllowFmtClipboard()) {
      plat::TMemoryStream block;
      SaveCellBlock(R, block);
      clipboard.SetBuffer(CellsClipboardFormat(), block.Memory(), static_cast<std::size_t>(block.Size()));
    }
  }
  GridProgress(2, -1);
}

void TExtStringGrid::CopySelection() {
  const bool disjunct = FMouseActions->DisjunctRowSelect() || FMouseActions->DisjunctColSelect();
  const plat::TGridRect selection = Selection();
  CopyRange(disjunct ? NormalRange() : plat::TRect{selection.Left, selection.Top, selection.Right, selection.Bottom},
            disjunct);
  FLastClipboardAction = TClipboardAction::caCopy;
}

void TExtStringGrid::CutSelection() {
  CopySelection();
  TGridUpdateScope update(*this);
  if (FMouseActions->DisjunctRowSelect()) {
    RemoveSelectedRows();
  } else if (FMouseActions->DisjunctColSelect()) {
    const plat::TRect normal = NormalRange();
    for (int col = normal.Right; col >= normal.Left; --col)
      if (IsColSelected(col)) RemoveCols(col, 1);
  } else {
    const plat::TGridRect selection = Selection();
    for (int row = selection.Top; row <= selection.Bottom; ++row) {
      for (int col = selection.Left; col <= selection.Right; ++col) {
        const int realCol = DisplayToRealCol(col);
        if (ClipboardCanWrite(realCol, row)) SetCellText(realCol, row, {});
        if (FNavigation->AllowFmtClipboard()) FreeCellProperties(realCol, row);
      }
    }
  }
  FLastClipboardAction = TClipboardAction::caCut;
}

int TExtStringGrid::PasteAt(int ACol, int ARow) {
  plat::TClipboard& clipboard = *plat::Clipboard();
  if (FNavigation->AllowFmtClipboard() && clipboard.HasFormat(CellsClipboardFormat())) {
    const plat::String bytes = clipboard.GetBuffer(CellsClipboardFormat());
    plat::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<plat::Int64>(bytes.size()));
    stream.SetPosition(0);
    LoadCellBlock({ACol, ARow}, stream);
    stream.SetPosition(0);
    detail::TGridPropIO block;
    block.Read(stream);
    const bool fromHere = HandleAllocated() && block.ID == reinterpret_cast<std::intptr_t>(Handle());
    // A full grid lands at its own corner (LoadCellBlock).
    const plat::TPoint at = block.FullGrid ? plat::TPoint{0, 0} : plat::TPoint{ACol, ARow};
    AfterPaste({at.X, at.Y, at.X + block.ColCount - 1, at.Y + block.RowCount - 1},
               fromHere ? FCopyOrigin : plat::TPoint{-1, -1}, FLastClipboardAction);
    return static_cast<int>(std::min<std::int64_t>(INT32_MAX, std::int64_t{block.ColCount} * block.RowCount));
  }
  if (FNavigation->AllowRTFClipboard() && clipboard.HasFormat(RichTextClipboardFormat())) {
    const plat::String bytes = clipboard.GetBuffer(RichTextClipboardFormat());
    const int realCol = DisplayToRealCol(ACol);
    if (ClipboardCanWrite(realCol, ARow)) SetCellText(realCol, ARow, bytes.substr(0, bytes.find('\0')));
    return 0;
  }
  if (clipboard.HasText()) return PasteText(ACol, ARow, clipboard.AsText());
  return 0;
}

void TExtStringGrid::PasteCellText(int ACol, int ARow, plat::String Value) {
  bool allow = true;
  if (Value.rfind(UnicodeCellMarker, 0) == 0) {
    plat::WideString wide = DecodeUnicodeCellText(Value);
    if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, ACol, ARow, wide, allow);
    Value = EncodeUnicodeCellText(wide);
  } else if (OnClipboardBeforePasteCell) {
    OnClipboardBeforePasteCell(this, ACol, ARow, Value, allow);
  }
  if (!allow) return;
  const int realCol = DisplayToRealCol(ACol);
  SetCellText(realCol, ARow, Value);
  if (realCol != ACol) RepaintCell(ACol, ARow);
}

int TExtStringGrid::PasteText(int ACol, int ARow, const plat::String& Text) {
  if (ACol < 0 || ARow < 0) return 0;
  if (!Options().Contains(plat::TGridOption::goEditing) && !FNavigation->AllowClipboardAlways() &&
      !FMouseActions->RangeSelectAndEdit())
    return 0;
  TGridUpdateScope update(*this);
  const std::vector<plat::String> lines = ClipboardLines(Text);
  // The rows pasted may not run into a floating footer's row.
  int pasted = 0;
  int row = ARow;
  int lastCol = ACol;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<plat::String> fields = LineFields(lines[i]);
    const bool finalLine = i + 1 == lines.size();
    int col = ACol;
    for (std::size_t j = 0; j < fields.size(); ++j, ++col) {
      plat::String field = fields[j];
      UnquoteField(field);
      ++pasted;
      if (FNavigation->AllowClipboardColGrow() && ColCount() < col + 1) SetColCount(col + 1);
      if (finalLine && j + 1 == fields.size() && field.empty()) continue;
      if (col < ColCount() && row < RowCount() && ClipboardCanWrite(DisplayToRealCol(col), row))
        PasteCellText(col, row, field);
    }
    lastCol = std::max(lastCol, col - 1);
    GridProgress(FPastingSelection ? 3 : 1, row);
    // The row advances only while more text follows.
    const bool moreText = !finalLine && !(i + 2 == lines.size() && lines.back().empty());
    if (!moreText) continue;
    ++row;
    if (row >= UsableRowCount() && FNavigation->AllowClipboardRowGrow()) SetRowCount(RowCount() + 1);
  }
  AfterPaste({ACol, ARow, lastCol, row}, {-1, -1}, FLastClipboardAction);
  CellsChanged({DisplayToRealCol(ACol), ARow, DisplayToRealCol(lastCol), row});
  return pasted;
}

void TExtStringGrid::MeasureText(const plat::String& Text, int& Cols, int& Rows) const {
  Cols = 0;
  Rows = static_cast<int>(std::count(Text.begin(), Text.end(), '\r'));
  for (const plat::String& line : ClipboardLines(Text))
    Cols = std::max(Cols, static_cast<int>(LineFields(line).size()));
}

void TExtStringGrid::PasteSelection() {
  FPastingSelection = true;
  const plat::ScopeExit done([this] { FPastingSelection = false; });
  const plat::TGridRect selection = Selection();
  const int col = Options().Contains(plat::TGridOption::goRowSelect) ? TBaseGrid::FixedCols() : selection.Left;
  const int pasted = PasteAt(col, selection.Top);
  if (FNavigation->AllowSmartClipboard()) SmartFill(selection, pasted);
  GridProgress(2, -1);
}

}  // namespace zorbit
