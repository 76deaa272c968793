#include "extgrid/detail/CellBlockRecords.h"

#include "extgrid/detail/ComponentRecords.h"
#include "grid/TFilePicture.h"
#include "grid/TIntList.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StringList.h"

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
constexpr const char* kGraphicIO = "TGridGraphicIO";

// The record that carries each kind of picture object.
enum class TPictureRecord { None, Bitmap, Icon, Strings, Picture, FilePicture };

TPictureRecord PictureRecordOf(TCellType Type) {
  switch (Type) {
    case TCellType::ctBitmap:
    case TCellType::ctBitButton: return TPictureRecord::Bitmap;
    case TCellType::ctIcon: return TPictureRecord::Icon;
    case TCellType::ctRadio:
    case TCellType::ctImages: return TPictureRecord::Strings;
    case TCellType::ctPicture: return TPictureRecord::Picture;
    case TCellType::ctFilePicture: return TPictureRecord::FilePicture;
    default: return TPictureRecord::None;
  }
}

// Whether the graphic holds the object its type's record carries.
bool HoldsPicture(const TCellGraphic& Graphic) {
  switch (PictureRecordOf(Graphic.CellType())) {
    case TPictureRecord::Bitmap: return Graphic.Bitmap() && !Graphic.Bitmap()->Empty();
    case TPictureRecord::Icon: return Graphic.Icon() && !Graphic.Icon()->Empty();
    case TPictureRecord::Strings:
      return Graphic.CellType() == TCellType::ctRadio ? Graphic.Strings() != nullptr : Graphic.Images() != nullptr;
    case TPictureRecord::Picture: return Graphic.Picture() && Graphic.Picture()->Graphic();
    case TPictureRecord::FilePicture: return Graphic.FilePicture() != nullptr;
    case TPictureRecord::None: return false;
  }
  return false;
}

plat::String SavedBytes(plat::TGraphic& Graphic) {
  plat::TMemoryStream bytes;
  Graphic.SaveToStream(bytes);
  return {reinterpret_cast<const char*>(bytes.Memory()), static_cast<std::size_t>(bytes.Size())};
}

// Picture data decoded, or the block refused.
template <typename TKind>
std::unique_ptr<TKind> Decoded(const plat::String& Bytes, const char* What) {
  auto graphic = std::make_unique<TKind>();
  plat::TMemoryStream stream;
  stream.WriteBuffer(Bytes.data(), static_cast<plat::Int64>(Bytes.size()));
  stream.SetPosition(0);
  try {
    graphic->LoadFromStream(stream);
  } catch (const plat::EInvalidGraphic&) {
    Refuse(plat::String(What) + " that does not decode");
  } catch (const plat::EOutOfResources&) {
    Refuse(plat::String(What) + " too large");
  }
  return graphic;
}

void WritePicture(plat::TStream& Stream, const TCellGraphic& Graphic) {
  switch (PictureRecordOf(Graphic.CellType())) {
    case TPictureRecord::Bitmap: {
      TRecordWriter record(Stream, "TGridBMPIO");
      record.Text("Bitmap", SavedBytes(*Graphic.Bitmap()));
      record.End();
      break;
    }
    case TPictureRecord::Icon: {
      TRecordWriter record(Stream, "TGridIconIO");
      record.Text("Icon", SavedBytes(*Graphic.Icon()));
      record.End();
      break;
    }
    case TPictureRecord::Strings: {
      std::vector<plat::String> strings;
      if (const plat::TStringList* captions = Graphic.Strings())
        for (int i = 0; i < captions->Count(); ++i) strings.push_back(captions->Strings(i));
      if (const TIntList* images = Graphic.Images())
        for (int i = 0; i < images->Count(); ++i) strings.push_back(std::to_string(images->Item(i)));
      TRecordWriter record(Stream, "TGridSLIO");
      record.Strings("Strings", strings);
      record.End();
      break;
    }
    case TPictureRecord::Picture: {
      // Any picture goes as a bitmap of itself.
      plat::TGraphic* picture = Graphic.Picture()->Graphic();
      plat::TBitmap bitmap;
      bitmap.SetSize(picture->Width(), picture->Height());
      bitmap.Canvas()->Draw(0, 0, picture);
      TRecordWriter record(Stream, "TGridPicIO");
      record.Text("Picture", SavedBytes(bitmap));
      record.End();
      break;
    }
    case TPictureRecord::FilePicture: {
      const TFilePicture& file = *Graphic.FilePicture();
      TRecordWriter record(Stream, "TGridFilePicIO");
      record.Text("Picture.Filename", file.Filename());
      record.Integer("Picture.Width", file.Width());
      record.Integer("Picture.Height", file.Height());
      record.End();
      break;
    }
    case TPictureRecord::None: break;
  }
}

void ReadPicture(plat::TStream& Stream, TCellGraphic& Graphic) {
  switch (PictureRecordOf(Graphic.CellType())) {
    case TPictureRecord::Bitmap:
      Graphic.TakeObject(Decoded<plat::TBitmap>(TRecordReader(Stream, "TGridBMPIO").Text("Bitmap"), "a bitmap"));
      break;
    case TPictureRecord::Icon:
      Graphic.TakeObject(Decoded<plat::TIcon>(TRecordReader(Stream, "TGridIconIO").Text("Icon"), "an icon"));
      break;
    case TPictureRecord::Strings: {
      const std::vector<plat::String> strings = TRecordReader(Stream, "TGridSLIO").Strings("Strings");
      if (Graphic.CellType() == TCellType::ctRadio) {
        auto captions = std::make_unique<plat::TStringList>();
        for (const plat::String& caption : strings) captions->Add(caption);
        Graphic.TakeObject(std::move(captions));
        break;
      }
      auto images = std::make_unique<TIntList>(0, 0);
      for (const plat::String& text : strings) {
        int index = 0;
        if (!plat::TryStrToInt(text, index)) Refuse("an image index that is no integer");
        images->Insert(images->Count(), index);
      }
      Graphic.TakeObject(std::move(images));
      break;
    }
    case TPictureRecord::Picture: {
      auto picture = std::make_unique<plat::TPicture>();
      picture->SetGraphic(
          Decoded<plat::TBitmap>(TRecordReader(Stream, "TGridPicIO").Text("Picture"), "a picture").get());
      Graphic.TakeObject(std::move(picture));
      break;
    }
    case TPictureRecord::FilePicture: {
      const TRecordReader record(Stream, "TGridFilePicIO");
      auto file = std::make_unique<TFilePicture>();
      file->SetStored(record.Text("Picture.Filename"), InRange(record.Integer("Picture.Width"), 0, INT32_MAX, "width"),
                      InRange(record.Integer("Picture.Height"), 0, INT32_MAX, "height"));
      Graphic.TakeObject(std::move(file));
      break;
    }
    case TPictureRecord::None: break;
  }
}

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

void TGridGraphicIO::Write(plat::TStream& Stream) const {
  const TCellGraphic& g = *CellGraphic;
  const bool picture = HoldsPicture(g);
  {
    TRecordWriter record(Stream, kGraphicIO);
    record.Integer("CellGraphic.CellType", static_cast<int>(g.CellType()));
    record.Integer("CellGraphic.CellVAlign", static_cast<int>(g.CellVAlign()));
    record.Integer("CellGraphic.CellHAlign", static_cast<int>(g.CellHAlign()));
    record.Integer("CellGraphic.CellIndex", g.CellIndex());
    record.Boolean("CellGraphic.CellTransparent", g.CellTransparent());
    // Set when the picture's record follows; the copy read back owns it.
    record.Boolean("CellGraphic.CellCreated", picture);
    record.Boolean("CellGraphic.CellBoolean", g.CellBoolean());
    record.Integer("CellGraphic.CellAngle", g.CellAngle());
    record.Float("CellGraphic.CellValue", g.CellValue());
    record.Integer("CellGraphic.CellErrFrom", g.CellErrFrom());
    record.Integer("CellGraphic.CellErrLen", g.CellErrLen());
    record.Text("CellGraphic.CellText", g.CellText());
    record.Integer("CellGraphic.CellColor", g.CellColor());
    record.Integer("CellGraphic.CellColorTo", g.CellColorTo());
    record.Integer("CellGraphic.CellTextColor", g.CellTextColor());
    record.Integer("CellGraphic.CellTextColorTo", g.CellTextColorTo());
    record.Integer("CellGraphic.NodeValue", g.NodeValue());
    record.End();
  }
  if (picture) WritePicture(Stream, g);
}

void TGridGraphicIO::Read(plat::TStream& Stream) {
  const TRecordReader record(Stream, kGraphicIO);
  TCellGraphic& g = *CellGraphic;
  const auto integer = [&](const char* Name, std::int64_t Low, std::int64_t High, std::int64_t Default) {
    return InRange(record.Integer(plat::String("CellGraphic.") + Name, Default), Low, High, Name);
  };
  const auto color = [&](const char* Name) {
    return static_cast<plat::TColor>(integer(Name, INT32_MIN, INT32_MAX, plat::clNone));
  };
  g.SetCellType(static_cast<TCellType>(integer("CellType", 0, CellTypeCount - 1, 0)));
  g.SetCellVAlign(static_cast<TCellVAlign>(integer("CellVAlign", 0, static_cast<int>(TCellVAlign::vaFull), 0)));
  g.SetCellHAlign(static_cast<TCellHAlign>(integer("CellHAlign", 0, static_cast<int>(TCellHAlign::haFull), 0)));
  g.SetCellIndex(integer("CellIndex", INT32_MIN, INT32_MAX, 0));
  g.SetCellTransparent(record.Boolean("CellGraphic.CellTransparent"));
  const bool picture = record.Boolean("CellGraphic.CellCreated");
  g.SetCellBoolean(record.Boolean("CellGraphic.CellBoolean"));
  g.SetCellAngle(integer("CellAngle", INT32_MIN, INT32_MAX, 0));
  g.SetCellValue(record.Float("CellGraphic.CellValue"));
  g.SetCellErrFrom(integer("CellErrFrom", INT32_MIN, INT32_MAX, 0));
  g.SetCellErrLen(integer("CellErrLen", INT32_MIN, INT32_MAX, 0));
  g.SetCellText(record.Text("CellGraphic.CellText"));
  g.SetCellColor(color("CellColor"));
  g.SetCellColorTo(color("CellColorTo"));
  g.SetCellTextColor(color("CellTextColor"));
  g.SetCellTextColorTo(color("CellTextColorTo"));
  g.SetNodeValue(integer("NodeValue", INT32_MIN, INT32_MAX, 0));
  if (picture) {
    if (PictureRecordOf(g.CellType()) == TPictureRecord::None) Refuse("a picture for a graphic that holds none");
    ReadPicture(Stream, g);
  }
}

void ReadCellBlock(
    plat::TStream& Stream, const std::function<void(const TGridPropIO&)>& OnBlock,
    const std::function<void(const TGridCellIO&, const TCellProperties*, std::unique_ptr<TCellGraphic>)>& OnCell) {
  TGridPropIO block;
  block.Read(Stream);
  OnBlock(block);
  while (Stream.Position() < Stream.Size() - 1) {
    TGridCellIO cell;
    cell.Read(Stream);
    if (!cell.HasProp) {
      OnCell(cell, nullptr, nullptr);
      continue;
    }
    TGridCellPropIO properties;
    properties.Read(Stream);
    std::unique_ptr<TCellGraphic> graphic;
    if (properties.HasGraphic) {
      TGridGraphicIO record;
      record.Read(Stream);
      graphic = std::move(record.CellGraphic);
    }
    OnCell(cell, properties.CellProperties.get(), std::move(graphic));
  }
}

}  // namespace zorbit::detail
