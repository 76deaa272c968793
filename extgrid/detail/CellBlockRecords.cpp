#include "extgrid/detail/CellBlockRecords.h"

#include "extgrid/detail/ComponentRecords.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"

namespace zorbit::detail {
namespace {

[[noreturn]] void Refuse(const plat::String& Why) { throw plat::EReadError("Invalid cell block: " + Why); }

int InRange(std::int64_t Value, std::int64_t Low, std::int64_t High, const plat::String& Name) {
  if (Value < Low || Value > High) Refuse(Name + " out of range");
  return static_cast<int>(Value);
}

// A comma list of Count sizes; a size that is no integer raises the
// conversion error.
std::vector<int> Sizes(const plat::String& List, int Count, const plat::String& Name) {
  std::vector<int> sizes;
  if (Count == 0 && List.empty()) return sizes;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = List.find(',', start);
    sizes.push_back(plat::StrToInt(List.substr(start, comma - start)));
    if (sizes.back() < 0) Refuse("negative " + Name);
    if (comma == plat::String::npos) break;
    start = comma + 1;
  }
  if (static_cast<int>(sizes.size()) != Count) Refuse(Name + " do not match the count");
  return sizes;
}

constexpr const char* kCellPropIO = "TGridCellPropIO";

}  // namespace

void TGridPropIO::Write(plat::TStream& Stream) const {
  TRecordWriter record(Stream, "TGridPropIO");
  record.Integer("ColCount", ColCount);
  record.Integer("RowCount", RowCount);
  record.Text("ColWidths", ColWidths);
  record.Text("RowHeights", RowHeights);
  record.Boolean("FullGrid", FullGrid);
  record.Integer("ID", ID);
  record.End();
}

void TGridPropIO::Read(plat::TStream& Stream) {
  const TRecordReader record(Stream, "TGridPropIO");
  ColCount = InRange(record.Integer("ColCount"), 0, INT32_MAX, "ColCount");
  RowCount = InRange(record.Integer("RowCount"), 0, INT32_MAX, "RowCount");
  ColWidths = record.Text("ColWidths");
  RowHeights = record.Text("RowHeights");
  FullGrid = record.Boolean("FullGrid");
  ID = record.Integer("ID");
  // Lists that match the counts bound them by the stream's own length.
  Widths();
  Heights();
}

std::vector<int> TGridPropIO::Widths() const { return Sizes(ColWidths, ColCount, "widths"); }
std::vector<int> TGridPropIO::Heights() const { return Sizes(RowHeights, RowCount, "heights"); }

void TGridCellIO::Write(plat::TStream& Stream) const {
  TRecordWriter record(Stream, "TGridCellIO");
  record.Integer("Col", Col);
  record.Integer("Row", Row);
  record.Text("Cell", Cell);
  record.Boolean("HasProp", HasProp);
  record.End();
}

void TGridCellIO::Read(plat::TStream& Stream) {
  const TRecordReader record(Stream, "TGridCellIO");
  Col = InRange(record.Integer("Col"), 0, 0xFFFF, "Col");
  Row = InRange(record.Integer("Row"), 0, 0xFFFF, "Row");
  Cell = record.Text("Cell");
  HasProp = record.Boolean("HasProp");
}

void TGridCellPropIO::Write(plat::TStream& Stream) const {
  const TCellProperties& p = *CellProperties;
  TRecordWriter record(Stream, kCellPropIO);
  record.Integer("CellProperties.OwnerCol", p.OwnerCol());
  record.Integer("CellProperties.OwnerRow", p.OwnerRow());
  record.Integer("CellProperties.BrushStyle", static_cast<int>(p.BrushStyle()));
  record.Integer("CellProperties.BrushColor", static_cast<std::int64_t>(p.BrushColor()));
  record.Integer("CellProperties.FontSize", p.FontSize());
  record.Integer("CellProperties.FontColor", static_cast<std::int64_t>(p.FontColor()));
  record.Integer("CellProperties.FontStyle", static_cast<std::int64_t>(p.FontStyle().Bits()));
  record.Integer("CellProperties.CellSpanY", p.CellSpanY());
  record.Integer("CellProperties.CellSpanX", p.CellSpanX());
  record.Integer("CellProperties.BorderWidth", p.BorderWidth());
  record.Integer("CellProperties.BorderColor", static_cast<std::int64_t>(p.BorderColor()));
  record.Integer("CellProperties.Alignment", static_cast<int>(p.Alignment()));
  record.Integer("CellProperties.VAlignment", static_cast<int>(p.VAlignment()));
  record.Boolean("CellProperties.WordWrap", p.WordWrap());
  record.Boolean("CellProperties.IsBaseCell", p.IsBaseCell());
  record.Integer("CellProperties.NodeLevel", p.NodeLevel());
  record.Integer("CellProperties.Editor", static_cast<int>(p.Editor()));
  record.Text("CellProperties.FontName", p.FontName());
  record.Boolean("CellProperties.ReadOnly", p.ReadOnly());
  record.Boolean("HasGraphic", HasGraphic);
  record.End();
}

void TGridCellPropIO::Read(plat::TStream& Stream) {
  const TRecordReader record(Stream, kCellPropIO);
  TCellProperties& p = *CellProperties;
  const auto integer = [&](const char* Name, std::int64_t Low, std::int64_t High, std::int64_t Default) {
    return InRange(record.Integer(plat::String("CellProperties.") + Name, Default), Low, High, Name);
  };
  const auto color = [&](const char* Name, plat::TColor Default) {
    return static_cast<plat::TColor>(integer(Name, INT32_MIN, INT32_MAX, static_cast<std::int64_t>(Default)));
  };
  p.SetOwnerCol(integer("OwnerCol", INT32_MIN, INT32_MAX, 0));
  p.SetOwnerRow(integer("OwnerRow", INT32_MIN, INT32_MAX, 0));
  p.SetBrushStyle(static_cast<plat::TBrushStyle>(integer("BrushStyle", 0, 7, 0)));
  p.SetBrushColor(color("BrushColor", plat::clNone));
  p.SetFontSize(integer("FontSize", INT32_MIN, INT32_MAX, 0));
  p.SetFontColor(color("FontColor", plat::clNone));
  const int styleBits = integer("FontStyle", 0, 15, 0);
  plat::TFontStyles styles;
  for (int bit = 0; bit < 4; ++bit)
    if (styleBits & 1 << bit) styles.Include(static_cast<plat::TFontStyle>(bit));
  p.SetFontStyle(styles);
  p.SetCellSpanY(integer("CellSpanY", INT32_MIN, INT32_MAX, -1));
  p.SetCellSpanX(integer("CellSpanX", INT32_MIN, INT32_MAX, -1));
  p.SetBorderWidth(integer("BorderWidth", INT32_MIN, INT32_MAX, 0));
  p.SetBorderColor(color("BorderColor", 0));
  p.SetAlignment(static_cast<plat::TAlignment>(integer("Alignment", 0, 2, 0)));
  p.SetVAlignment(static_cast<TVAlignment>(integer("VAlignment", 0, 2, 0)));
  p.SetWordWrap(record.Boolean("CellProperties.WordWrap"));
  p.SetIsBaseCell(record.Boolean("CellProperties.IsBaseCell"));
  p.SetNodeLevel(integer("NodeLevel", INT32_MIN, INT32_MAX, 0));
  p.SetEditor(static_cast<TEditorType>(integer("Editor", 0, static_cast<int>(TEditorType::edUniMemo), 0)));
  p.SetFontName(record.Text("CellProperties.FontName"));
  p.SetReadOnly(record.Boolean("CellProperties.ReadOnly"));
  HasGraphic = record.Boolean("HasGraphic");
}

void ReadCellBlock(plat::TStream& Stream, const std::function<void(const TGridPropIO&)>& OnBlock,
                   const std::function<void(const TGridCellIO&, const TCellProperties*)>& OnCell) {
  TGridPropIO block;
  block.Read(Stream);
  OnBlock(block);
  while (Stream.Position() < Stream.Size() - 1) {
    TGridCellIO cell;
    cell.Read(Stream);
    if (!cell.HasProp) {
      OnCell(cell, nullptr);
      continue;
    }
    TGridCellPropIO properties;
    properties.Read(Stream);
    if (properties.HasGraphic) Refuse("cell graphics are not carried");
    OnCell(cell, properties.CellProperties.get());
  }
}

}  // namespace zorbit::detail
