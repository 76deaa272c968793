#pragma once
// TCellGraphic: what turns a cell of the advanced grid into something more
// than text (a check box, a radio group, a picture, an image strip, a
// button, a progress bar, a node row...). Its published fields are plain
// storage read by the grid by CellType; besides them it holds at most one
// picture object (a bitmap, an icon, the radio captions, a picture, a file
// picture or an image index list).
//
// Promises: a picture object has exactly one owner. TakeObject hands the
// object to the graphic (CellCreated reads true) and it is freed with the
// graphic or when replaced; ReferObject only refers to the caller's object,
// which the caller keeps alive as long as the graphic uses it (CellCreated
// reads false). Assign copies every published field and gives the copy its
// own deep copy of an owned object (a referred object stays referred), so
// no two graphics ever free the same object. The typed getters answer
// nullptr for an object of another kind.
//
// The grid base keeps a cell's graphic in the cell's TCellProperties, which
// owns it.
#include <memory>

#include "platform/gdi/Colors.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include "platform/ui/TPersistent.h"

namespace plat {
class TBitmap;
class TIcon;
class TPicture;
class TStringList;
}  // namespace plat

namespace zorbit {

class TFilePicture;
class TIntList;

// The kinds of cell graphic, in their documented order; ctEmpty is what a
// cell without a graphic reads as.
enum class TCellType {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton,
  ctVirtCheckBox,
  ctRowCheckBox,
  ctProgressPie,
  ctSummary,
  ctRangeIndicator
};
constexpr int CellTypeCount = static_cast<int>(TCellType::ctRangeIndicator) + 1;

enum class TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum class TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };

// The groups the grid treats alike.
constexpr bool IsCheckBoxType(TCellType Type) {
  return Type == TCellType::ctCheckBox || Type == TCellType::ctDataCheckBox || Type == TCellType::ctVirtCheckBox ||
         Type == TCellType::ctRowCheckBox;
}
// Cells that react to a click without an editor.
constexpr bool IsControlType(TCellType Type) {
  return IsCheckBoxType(Type) || Type == TCellType::ctRadio || Type == TCellType::ctButton;
}
constexpr bool IsButtonType(TCellType Type) { return Type == TCellType::ctButton || Type == TCellType::ctBitButton; }

class TCellGraphic : public plat::TPersistent {
 public:
  TCellGraphic();
  ~TCellGraphic() override;

  void Assign(const plat::TPersistent* Source) override;

  TCellType CellType() const { return FCellType; }
  void SetCellType(TCellType Value) { FCellType = Value; }
  TCellVAlign CellVAlign() const { return FCellVAlign; }
  void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
  TCellHAlign CellHAlign() const { return FCellHAlign; }
  void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
  // Image index, selected radio item, node span, picture margin or packed
  // button size, by type.
  int CellIndex() const { return FCellIndex; }
  void SetCellIndex(int Value) { FCellIndex = Value; }
  bool CellTransparent() const { return FCellTransparent; }
  void SetCellTransparent(bool Value) { FCellTransparent = Value; }
  // The graphic owns its picture object.
  bool CellCreated() const { return FOwned != nullptr; }
  // Check state, layout direction or node state, by type.
  bool CellBoolean() const { return FCellBoolean; }
  void SetCellBoolean(bool Value) { FCellBoolean = Value; }
  // Rotation angle, picture fit mode, or the node's row, by type.
  int CellAngle() const { return FCellAngle; }
  void SetCellAngle(int Value) { FCellAngle = Value; }
  // Progress value, or packed button position.
  double CellValue() const { return FCellValue; }
  void SetCellValue(double Value) { FCellValue = Value; }
  int CellErrFrom() const { return FCellErrFrom; }
  void SetCellErrFrom(int Value) { FCellErrFrom = Value; }
  int CellErrLen() const { return FCellErrLen; }
  void SetCellErrLen(int Value) { FCellErrLen = Value; }
  // Comment or button caption.
  const plat::String& CellText() const { return FCellText; }
  void SetCellText(const plat::String& Value) { FCellText = Value; }
  // The graphic's own colours (clNone: the look's): a progress bar's done
  // part and rest with their texts, a pie's fill, a range indicator's
  // positive and negative bar, a comment mark.
  plat::TColor CellColor() const { return FCellColor; }
  void SetCellColor(plat::TColor Value) { FCellColor = Value; }
  plat::TColor CellColorTo() const { return FCellColorTo; }
  void SetCellColorTo(plat::TColor Value) { FCellColorTo = Value; }
  plat::TColor CellTextColor() const { return FCellTextColor; }
  void SetCellTextColor(plat::TColor Value) { FCellTextColor = Value; }
  plat::TColor CellTextColorTo() const { return FCellTextColorTo; }
  void SetCellTextColorTo(plat::TColor Value) { FCellTextColorTo = Value; }
  // The variant value: -1 for a node; grouping tags its nodes with a column.
  int NodeValue() const { return FNodeValue; }
  void SetNodeValue(int Value) { FNodeValue = Value; }

  // The picture object, and the same by kind.
  plat::TObject* Object() const { return FObject; }
  plat::TBitmap* Bitmap() const;
  plat::TIcon* Icon() const;
  plat::TStringList* Strings() const;
  plat::TPicture* Picture() const;
  TFilePicture* FilePicture() const;
  TIntList* Images() const;
  // Holds Value as its own (nullptr: none), freeing the object held before.
  void TakeObject(std::unique_ptr<plat::TObject> Value);
  // Refers to the caller's Value, freeing an owned object held before.
  void ReferObject(plat::TObject* Value);

 private:
  TCellType FCellType = TCellType::ctNone;
  TCellVAlign FCellVAlign = TCellVAlign::vaTop;
  TCellHAlign FCellHAlign = TCellHAlign::haLeft;
  int FCellIndex = 0;
  bool FCellTransparent = false;
  bool FCellBoolean = false;
  int FCellAngle = 0;
  double FCellValue = 0;
  int FCellErrFrom = 0;
  int FCellErrLen = 0;
  plat::String FCellText;
  plat::TColor FCellColor = plat::clNone;
  plat::TColor FCellColorTo = plat::clNone;
  plat::TColor FCellTextColor = plat::clNone;
  plat::TColor FCellTextColorTo = plat::clNone;
  int FNodeValue = 0;
  plat::TObject* FObject = nullptr;
  std::unique_ptr<plat::TObject> FOwned;
};

// A deep copy of a picture object of a kind a graphic holds; nullptr for
// nullptr or any other kind.
std::unique_ptr<plat::TObject> CopyCellObject(const plat::TObject* Source);

}  // namespace zorbit
