// Nodes: rows that head the rows below them and collapse them into hidden
// rows. A node is a ctNode graphic in column 0 of its row (CellIndex its
// span, CellBoolean contracted); every row of a span has its column-0 node
// level raised by one. Spans count real rows, so a node covers its rows
// whether they show or not; a walk over many rows goes through the stored
// objects or beside the hidden-row list, never looking each row up.
#include <algorithm>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"

namespace zorbit {

using plat::TGridOption;

namespace {

TCellGraphic* NodeOf(plat::TObject* Object) {
  const auto* properties = dynamic_cast<TCellProperties*>(Object);
  TCellGraphic* graphic = properties ? properties->Graphic() : nullptr;
  return graphic && graphic->CellType() == TCellType::ctNode ? graphic : nullptr;
}

// A row's node level, 0 without properties.
int LevelOf(plat::TObject* Object) {
  const auto* properties = dynamic_cast<TCellProperties*>(Object);
  return properties ? properties->NodeLevel() : 0;
}

// The row-select option taken off for a scope and put back at its end.
class RowSelectOff {
 public:
  explicit RowSelectOff(TExtStringGrid& Grid) : FGrid(Grid), FHad(Grid.Options().Contains(TGridOption::goRowSelect)) {
    if (FHad) FGrid.SetOptions(FGrid.Options() - plat::TGridOptions{TGridOption::goRowSelect});
  }
  ~RowSelectOff() {
    if (FHad) FGrid.SetOptions(FGrid.Options() + plat::TGridOptions{TGridOption::goRowSelect});
  }
  RowSelectOff(const RowSelectOff&) = delete;
  RowSelectOff& operator=(const RowSelectOff&) = delete;

 private:
  TExtStringGrid& FGrid;
  bool FHad;
};

}  // namespace

void TExtStringGrid::VisitRowZero(int From, int To, bool Make, const std::function<bool(TCellProperties*)>& Visit) {
  From = std::max(From, 0);
  // The hidden rows before the walk, then each one met on the way.
  int hidden = HiddenRowsBefore(From);
  for (int real = From; real < To; ++real) {
    TCellProperties* properties = nullptr;
    if (hidden < HiddenRowCount() && HiddenRow(hidden)->Idx() == real) {
      plat::TStrings* cells = HiddenRow(hidden++)->Items();
      if (cells->Count() == 0) cells->Add({});
      properties = dynamic_cast<TCellProperties*>(cells->Objects(0));
      if (!properties && Make && !cells->Objects(0)) {
        properties = new TCellProperties(this, 0, real);
        cells->SetObjects(0, properties);
      }
    } else {
      const int row = real - hidden;
      if (row >= RowCount()) break;
      properties = dynamic_cast<TCellProperties*>(GetGridObject(0, row));
      if (!properties && Make && !GetGridObject(0, row)) properties = GetCellProperties(0, row);
    }
    if (!Visit(properties)) return;
  }
}

void TExtStringGrid::ChangeNodeLevels(int FromReal, int Count, int Delta) {
  VisitRowZero(FromReal, FromReal + Count, Delta > 0, [Delta](TCellProperties* Properties) {
    if (Properties) Properties->SetNodeLevel(std::max(0, Properties->NodeLevel() + Delta));
    return true;
  });
}

int TExtStringGrid::NodeChildEnd(int Header, int Span) {
  const int end = RowCount() + HiddenRowCount() - FFixedFooters;
  if (Span > 0) return std::min(Header + Span, RowCount() + HiddenRowCount());
  // Up to the next node row.
  int next = Header + 1;
  VisitRowZero(Header + 1, end, false, [&next](TCellProperties* Properties) {
    if (Properties && Properties->Graphic() && Properties->Graphic()->CellType() == TCellType::ctNode) return false;
    ++next;
    return true;
  });
  return std::max(next, Header + 1);
}

std::vector<int> TExtStringGrid::NodeRows() const {
  std::vector<int> rows;
  ForEachObjectInRows(0, RowCount() - 1, [&rows](int ACol, int ARow, plat::TObject* Object) {
    if (ACol == 0 && NodeOf(Object)) rows.push_back(ARow);
  });
  return rows;
}

TCellGraphic* TExtStringGrid::NodeAt(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return nullptr;
  return NodeOf(GetGridObject(0, ARow));
}

void TExtStringGrid::AddNode(int ARow, int Span) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const int real = DisplayToRealRow(ARow);
  Span = std::clamp(Span, 0, RowCount() + HiddenRowCount() - real);
  TCellGraphic* node = CreateCellGraphic(0, ARow);
  node->SetCellType(TCellType::ctNode);
  node->SetCellAngle(ARow);
  node->SetCellBoolean(false);
  node->SetCellIndex(Span);
  node->SetCellHAlign(TCellHAlign::haBeforeText);
  node->SetCellVAlign(TCellVAlign::vaCenter);
  node->SetNodeValue(-1);
  ChangeNodeLevels(real, Span, 1);
  if (FNodeCount == 0) RepaintCol(0);
  ++FNodeCount;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExtStringGrid::MarkSummaryRow(int ARow) { CreateCellGraphic(0, ARow)->SetCellType(TCellType::ctSummary); }

bool TExtStringGrid::RemoveNode(int ARow) {
  TCellGraphic* node = NodeAt(ARow);
  if (!node) return false;
  const int real = DisplayToRealRow(ARow);
  const int span = node->CellIndex();
  ShowNodeRows(real, *node);
  ChangeNodeLevels(real, span, -1);
  GetCellProperties(0, ARow)->SetGraphic(nullptr);
  FNodeCount = std::max(0, FNodeCount - 1);
  Invalidate();
  return true;
}

void TExtStringGrid::RemoveAllNodes() {
  TGridUpdateScope update(*this);
  // The rows under contracted nodes come back first, in one step.
  std::vector<int> indexes;
  for (const int row : NodeRows()) {
    TCellGraphic* node = NodeAt(row);
    if (!node->CellBoolean()) continue;
    const std::vector<int> below = HiddenBelowNode(DisplayToRealRow(row), *node);
    indexes.insert(indexes.end(), below.begin(), below.end());
    node->SetCellBoolean(false);
  }
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  ShowHiddenRows(indexes);
  // Levels come only from nodes: with none left every level is 0.
  const auto forget = [](plat::TObject* Object) {
    auto* properties = dynamic_cast<TCellProperties*>(Object);
    if (!properties) return;
    properties->SetNodeLevel(0);
    if (NodeOf(properties)) properties->SetGraphic(nullptr);
  };
  ForEachObjectInRows(0, RowCount() - 1, [&forget](int ACol, int, plat::TObject* Object) {
    if (ACol == 0) forget(Object);
  });
  for (int i = 0; i < HiddenRowCount(); ++i)
    if (HiddenRow(i)->Items()->Count() > 0) forget(HiddenRow(i)->Items()->Objects(0));
  FNodeCount = 0;
  Invalidate();
}

bool TExtStringGrid::IsNodeRow(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == TCellType::ctNode; }

bool TExtStringGrid::IsSummaryRow(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == TCellType::ctSummary; }

bool TExtStringGrid::IsNode(int ARow) { return IsNodeRow(ARow); }

bool TExtStringGrid::IsSummary(int ARow) { return IsSummaryRow(ARow); }

bool TExtStringGrid::IsNodeContracted(int ARow) {
  const TCellGraphic* node = NodeAt(ARow);
  return node && node->CellBoolean();
}

int TExtStringGrid::GetNodeLevel(int ARow) { return NodeAt(ARow) ? LevelOf(GetGridObject(0, ARow)) : -1; }

int TExtStringGrid::GetNodeSpan(int ARow) {
  const TCellGraphic* node = NodeAt(ARow);
  return node ? node->CellIndex() : -1;
}

void TExtStringGrid::AdjustNodeSpan(int ARow, int Delta) {
  if (TCellGraphic* node = NodeAt(ARow)) node->SetCellIndex(std::max(0, node->CellIndex() + Delta));
}

int TExtStringGrid::GetParentNode(int ARow) {
  if (!HasNodes() || ARow < 0 || ARow >= RowCount()) return -1;
  const bool isNode = NodeAt(ARow) != nullptr;
  const int level = isNode ? LevelOf(GetGridObject(0, ARow)) : 65535;
  const int real = DisplayToRealRow(ARow);
  bool passedNode = false;
  for (int row = ARow - 1; row >= TBaseGrid::FixedRows(); --row) {
    const TCellGraphic* node = NodeAt(row);
    if (!node) continue;
    const int span = node->CellIndex();
    // A node of span 0 reaches to the next node row, so no further.
    const bool reaches = span > 0 ? DisplayToRealRow(row) + span > real : !passedNode;
    passedNode = true;
    if (reaches && LevelOf(GetGridObject(0, row)) < level) return row;
  }
  return isNode ? ARow : -1;
}

bool TExtStringGrid::NodeButtonHit(int ARow, int X) {
  if (ARow < 0 || ARow >= RowCount()) return false;
  const int level = LevelOf(GetGridObject(0, ARow));
  const int indent = FCellNode->NodeIndent();
  if (!UseRightToLeftAlignment()) return (level - 1) * indent < X && X < level * indent;
  const int scrollBar = VisibleRowCount() + TBaseGrid::FixedRows() < RowCount() ? FScrollWidth : 0;
  return X + scrollBar >= Width() - level * indent - 2 && X + scrollBar < Width() - (level - 1) * indent;
}

std::vector<int> TExtStringGrid::HiddenBelowNode(int Header, const TCellGraphic& Node) {
  // The run of hidden rows straight after the header, inside its span; a
  // node of span 0 stops at the next node row.
  const int span = Node.CellIndex();
  std::vector<int> indexes;
  const int first = HiddenRowIndex(Header + 1);
  if (first < 0) return indexes;
  for (int i = first; i < HiddenRowCount(); ++i) {
    const int real = HiddenRow(i)->Idx();
    if (real != Header + 1 + static_cast<int>(indexes.size()) || (span > 0 && real >= Header + span)) break;
    plat::TStrings* cells = HiddenRow(i)->Items();
    if (span == 0 && cells->Count() > 0 && NodeOf(cells->Objects(0))) break;
    indexes.push_back(i);
  }
  return indexes;
}

void TExtStringGrid::ShowNodeRows(int Header, TCellGraphic& Node) {
  if (!Node.CellBoolean()) return;
  Node.SetCellBoolean(false);
  ShowHiddenRows(HiddenBelowNode(Header, Node));
}

void TExtStringGrid::ExpandNode(int ARow) {
  if (!NodeAt(ARow)) return;
  const int real = DisplayToRealRow(ARow);
  TGridUpdateScope update(*this);
  if (FCellNode->ExpandOne()) {
    // By real row: each contraction moves the display rows below it.
    std::vector<int> headers;
    for (const int row : NodeRows()) headers.push_back(DisplayToRealRow(row));
    for (const int header : headers) {
      if (header == real || RowIsHidden(header)) continue;
      const int row = RealToDisplayRow(header);
      if (!NodeAt(row)->CellBoolean()) ContractNode(row);
    }
    // Contracting the others may have hidden this one.
    if (RowIsHidden(real)) return;
    ARow = RealToDisplayRow(real);
  }
  TCellGraphic* node = NodeAt(ARow);
  if (!node->CellBoolean()) return;
  const int oldRow = Row();
  const int oldTop = TopRow();
  {
    RowSelectOff rowSelect(*this);
    ShowNodeRows(real, *node);
  }
  SetRow(std::clamp(oldRow, TBaseGrid::FixedRows(), RowCount() - 1));
  SetTopRow(std::clamp(oldTop, TBaseGrid::FixedRows(), RowCount() - 1));
  ReportChanged({0, 0, ColCount() - 1, RowCount() - 1});
}

void TExtStringGrid::ContractNode(int ARow) {
  if (EditorMode()) SetEditorMode(false);
  TCellGraphic* node = NodeAt(ARow);
  if (!node || node->CellBoolean()) return;
  node->SetCellBoolean(true);
  const int header = DisplayToRealRow(ARow);
  const int end = NodeChildEnd(header, node->CellIndex());
  // Contracted nodes inside come back expanded when this one expands.
  VisitRowZero(header + 1, end, false, [](TCellProperties* Properties) {
    if (TCellGraphic* inner = NodeOf(Properties)) inner->SetCellBoolean(false);
    return true;
  });
  HideRowRange(header + 1, end - 1);
  ReportChanged({0, 0, ColCount() - 1, RowCount() - 1});
}

void TExtStringGrid::ExpandAllNodes() {
  TGridUpdateScope update(*this);
  UnhideAllRows();
  for (const int row : NodeRows()) NodeAt(row)->SetCellBoolean(false);
  ReportChanged({0, 0, ColCount() - 1, RowCount() - 1});
}

void TExtStringGrid::ContractAllNodes() {
  TGridUpdateScope update(*this);
  ExpandAllNodes();
  // Nothing is hidden now: display rows are real rows.
  const int lastNormal = RowCount() - FFixedFooters - 1;
  std::vector<int> hide;
  const std::vector<int> nodes = NodeRows();
  int next = TBaseGrid::FixedRows();
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const int row = nodes[i];
    if (row < next) continue;  // inside a span already taken
    TCellGraphic* node = NodeAt(row);
    node->SetCellBoolean(true);
    const int span = node->CellIndex();
    int end = span > 0 ? std::min(row + span, RowCount()) : lastNormal + 1;
    if (span == 0 && i + 1 < nodes.size()) end = std::min(end, nodes[i + 1]);
    for (int child = row + 1; child < end; ++child) hide.push_back(child);
    next = std::max(end, row + 1);
  }
  HideRealRows(hide);
  ReportChanged({0, 0, ColCount() - 1, RowCount() - 1});
}

void TExtStringGrid::InsertNodeChildRow(int ARow, int Offset) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const int holding = NodeAt(ARow) ? ARow : GetParentNode(ARow);
  if (holding < 0) return;
  const int level = LevelOf(GetGridObject(0, holding));
  TGridUpdateScope update(*this);
  // Every node enclosing the row grows by it, opened first.
  for (int node = holding;;) {
    ExpandNode(node);
    TCellGraphic* graphic = NodeAt(node);
    if (graphic->CellIndex() > 0) graphic->SetCellIndex(graphic->CellIndex() + 1);
    const int parent = GetParentNode(node);
    if (parent == node || parent < 0) break;
    node = parent;
  }
  const int at = std::clamp(ARow + Offset, 0, RowCount());
  InsertRows(at, 1);
  GetCellProperties(0, at)->SetNodeLevel(level);
}

void TExtStringGrid::RemoveNodeChildRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  TGridUpdateScope update(*this);
  for (int node = GetParentNode(ARow); node >= 0 && node != ARow;) {
    TCellGraphic* graphic = NodeAt(node);
    if (graphic->CellIndex() > 1) graphic->SetCellIndex(graphic->CellIndex() - 1);
    const int parent = GetParentNode(node);
    if (parent == node) break;
    node = parent;
  }
  DeleteRows(ARow, 1);
}

int TExtStringGrid::GetNodeLineKind(int ARow) {
  if (NodeAt(ARow)) return 0;
  if (ARow >= RowCount() - FFixedFooters - 1) return 1;
  plat::TObject* next = GetGridObject(0, ARow + 1);
  const bool goesOn = dynamic_cast<TCellProperties*>(next) && LevelOf(next) >= LevelOf(GetGridObject(0, ARow));
  return goesOn ? 2 : 1;
}

void TExtStringGrid::ForgetNode(int ACol, plat::TObject* Object) {
  if (ACol == 0 && NodeOf(Object)) FNodeCount = std::max(0, FNodeCount - 1);
}

}  // namespace zorbit
