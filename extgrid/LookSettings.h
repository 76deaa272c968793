#pragma once
// The settings objects for sorting (TSortSettings), the in-cell controls'
// looks (TControlLook), alternating row bands (TBands), the picture or
// gradient behind the cells (TBackGround) and the filter conditions
// (TFilter of TFilterData).
//
// Each is owned by its grid and keeps it for repainting. Assign copies the
// properties listed for its class (glyphs by their images) from an object of
// the same class and ignores any other source. Setters not described store
// only; "repaints" invalidates the grid.
//
// Refuses: TSortSettings::SetRow with a row at or above the grid's fixed rows
// raises plat::Exception "Sort row should be smaller than number of fixed
// rows", except while a layout is being read into the grid (the fixed rows
// may come later).
#include <memory>

#include "extgrid/detail/PlainProperty.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/TCollection.h"
#include "platform/ui/TPersistent.h"

namespace zorbit {

class TExtStringGrid;

enum class TSortBlankPosition { blFirst, blLast };
enum class TSortDirection { sdAscending, sdDescending };
enum class TControlStyle { csClassic, csFlat, csWinXP, csCorvane, csSilver, csGlyph, csTheme };
enum class TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum class TBackGroundCells { bcNormal, bcFixed, bcAll };
enum class TFilterCells { fcVirtual, fcNormal };
enum class TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };

class TSortSettings : public plat::TPersistent {
 public:
  explicit TSortSettings(TExtStringGrid* Grid);
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, AutoSortForGrouping)
  ZORBIT_PLAIN_PROPERTY(bool, AutoColumnMerge)
  ZORBIT_PLAIN_PROPERTY(int, Column)
  // Repaints when the value changes.
  bool Show() const { return FValues.Show; }
  void SetShow(bool Value);
  ZORBIT_PLAIN_PROPERTY(bool, IndexShow)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, IndexColor)
  ZORBIT_PLAIN_PROPERTY(bool, Full)
  ZORBIT_PLAIN_PROPERTY(bool, SingleColumn)
  ZORBIT_PLAIN_PROPERTY(bool, IgnoreBlanks)
  ZORBIT_PLAIN_PROPERTY(TSortBlankPosition, BlankPos)
  ZORBIT_PLAIN_PROPERTY(bool, AutoFormat)
  ZORBIT_PLAIN_PROPERTY(TSortDirection, Direction)
  ZORBIT_PLAIN_PROPERTY(TSortDirection, InitSortDirection)
  ZORBIT_PLAIN_PROPERTY(bool, FixedCols)
  ZORBIT_PLAIN_PROPERTY(bool, NormalCellsOnly)
  int Row() const { return FValues.Row; }
  void SetRow(int Value);
  ZORBIT_PLAIN_PROPERTY(bool, UndoSort)
  // Owned pictures; the setters copy the image.
  plat::TBitmap* UpGlyph() const { return FUpGlyph.get(); }
  void SetUpGlyph(const plat::TBitmap* Value);
  plat::TBitmap* DownGlyph() const { return FDownGlyph.get(); }
  void SetDownGlyph(const plat::TBitmap* Value);
  plat::TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
  void SetIndexUpGlyph(const plat::TBitmap* Value);
  plat::TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
  void SetIndexDownGlyph(const plat::TBitmap* Value);

 private:
  struct TValues {
    bool AutoSortForGrouping = true;
    bool AutoColumnMerge = false;
    int Column = 0;
    bool Show = false;
    bool IndexShow = false;
    plat::TColor IndexColor = 0xFFFF;
    bool Full = true;
    bool SingleColumn = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = TSortBlankPosition::blFirst;
    bool AutoFormat = true;
    TSortDirection Direction = TSortDirection::sdAscending;
    TSortDirection InitSortDirection = TSortDirection::sdAscending;
    bool FixedCols = false;
    bool NormalCellsOnly = false;
    int Row = 0;
    bool UndoSort = false;
  };
  TExtStringGrid* FGrid;
  TValues FValues;
  std::unique_ptr<plat::TBitmap> FUpGlyph;
  std::unique_ptr<plat::TBitmap> FDownGlyph;
  std::unique_ptr<plat::TBitmap> FIndexUpGlyph;
  std::unique_ptr<plat::TBitmap> FIndexDownGlyph;
};

// Every setter stores and repaints.
class TControlLook : public plat::TPersistent {
 public:
  explicit TControlLook(TExtStringGrid* Grid);
  // Copies CheckSize, RadioSize, ControlStyle, the four glyphs, the progress
  // margins, CommentColor, Color, ProgressBorderColor, CheckAlwaysActive and
  // RadioAlwaysActive.
  void Assign(const plat::TPersistent* Source) override;

  plat::TColor Color() const { return FValues.Color; }
  void SetColor(plat::TColor Value);
  plat::TColor CommentColor() const { return FValues.CommentColor; }
  void SetCommentColor(plat::TColor Value);
  // A colour other than clNone is also given to the grid's fixed cells.
  plat::TColor FixedGradientFrom() const { return FValues.FixedGradientFrom; }
  void SetFixedGradientFrom(plat::TColor Value);
  plat::TColor FixedGradientTo() const { return FValues.FixedGradientTo; }
  void SetFixedGradientTo(plat::TColor Value);
  int CheckSize() const { return FValues.CheckSize; }
  void SetCheckSize(int Value);
  bool CheckAlwaysActive() const { return FValues.CheckAlwaysActive; }
  void SetCheckAlwaysActive(bool Value);
  int RadioSize() const { return FValues.RadioSize; }
  void SetRadioSize(int Value);
  bool RadioAlwaysActive() const { return FValues.RadioAlwaysActive; }
  void SetRadioAlwaysActive(bool Value);
  TControlStyle ControlStyle() const { return FValues.ControlStyle; }
  void SetControlStyle(TControlStyle Value);
  bool DropDownAlwaysVisible() const { return FValues.DropDownAlwaysVisible; }
  void SetDropDownAlwaysVisible(bool Value);
  bool FlatButton() const { return FValues.FlatButton; }
  void SetFlatButton(bool Value);
  bool NoDisabledCheckRadioLook() const { return FValues.NoDisabledCheckRadioLook; }
  void SetNoDisabledCheckRadioLook(bool Value);
  bool NoDisabledButtonLook() const { return FValues.NoDisabledButtonLook; }
  void SetNoDisabledButtonLook(bool Value);
  plat::TColor ProgressBorderColor() const { return FValues.ProgressBorderColor; }
  void SetProgressBorderColor(plat::TColor Value);
  int ProgressMarginX() const { return FValues.ProgressMarginX; }
  void SetProgressMarginX(int Value);
  int ProgressMarginY() const { return FValues.ProgressMarginY; }
  void SetProgressMarginY(int Value);
  bool ProgressXP() const { return FValues.ProgressXP; }
  void SetProgressXP(bool Value);
  plat::TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
  void SetCheckedGlyph(const plat::TBitmap* Value);
  plat::TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
  void SetUnCheckedGlyph(const plat::TBitmap* Value);
  plat::TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
  void SetRadioOnGlyph(const plat::TBitmap* Value);
  plat::TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
  void SetRadioOffGlyph(const plat::TBitmap* Value);

 private:
  struct TValues {
    plat::TColor Color = 0;
    plat::TColor CommentColor = 0xFF;
    plat::TColor FixedGradientFrom = plat::clNone;
    plat::TColor FixedGradientTo = plat::clNone;
    int CheckSize = 15;
    bool CheckAlwaysActive = false;
    int RadioSize = 10;
    bool RadioAlwaysActive = false;
    TControlStyle ControlStyle = TControlStyle::csWinXP;
    bool DropDownAlwaysVisible = false;
    bool FlatButton = false;
    bool NoDisabledCheckRadioLook = false;
    bool NoDisabledButtonLook = false;
    plat::TColor ProgressBorderColor = 0x808080;
    int ProgressMarginX = 2;
    int ProgressMarginY = 2;
    bool ProgressXP = false;
  };
  // Stores through Field and repaints.
  template <typename T>
  void Change(T TValues::*Field, T Value);
  void ChangeGlyph(plat::TBitmap& Glyph, const plat::TBitmap* Value);

  TExtStringGrid* FGrid;
  TValues FValues;
  std::unique_ptr<plat::TBitmap> FCheckedGlyph;
  std::unique_ptr<plat::TBitmap> FUnCheckedGlyph;
  std::unique_ptr<plat::TBitmap> FRadioOnGlyph;
  std::unique_ptr<plat::TBitmap> FRadioOffGlyph;
};

// Alternating row colours. Colour and length setters repaint only while
// Active; Active repaints always.
class TBands : public plat::TPersistent {
 public:
  explicit TBands(TExtStringGrid* Grid) : FGrid(Grid) {}
  void Assign(const plat::TPersistent* Source) override;

  bool Active() const { return FValues.Active; }
  void SetActive(bool Value);
  plat::TColor PrimaryColor() const { return FValues.PrimaryColor; }
  void SetPrimaryColor(plat::TColor Value);
  int PrimaryLength() const { return FValues.PrimaryLength; }
  void SetPrimaryLength(int Value);
  plat::TColor SecondaryColor() const { return FValues.SecondaryColor; }
  void SetSecondaryColor(plat::TColor Value);
  int SecondaryLength() const { return FValues.SecondaryLength; }
  void SetSecondaryLength(int Value);
  ZORBIT_PLAIN_PROPERTY(bool, Print)
  // PrimaryLength + SecondaryLength, computed when asked.
  int TotalLength() const { return FValues.PrimaryLength + FValues.SecondaryLength; }

 private:
  struct TValues {
    bool Active = false;
    plat::TColor PrimaryColor = plat::clInfoBk;
    int PrimaryLength = 1;
    plat::TColor SecondaryColor = plat::clWindow;
    int SecondaryLength = 1;
    bool Print = false;
  };
  template <typename T>
  void Change(T TValues::*Field, T Value);

  TExtStringGrid* FGrid;
  TValues FValues;
};

// The picture or gradient behind the cells; every setter repaints.
class TBackGround : public plat::TPersistent {
 public:
  explicit TBackGround(TExtStringGrid* Grid);
  void Assign(const plat::TPersistent* Source) override;

  int Top() const { return FValues.Top; }
  void SetTop(int Value);
  int Left() const { return FValues.Left; }
  void SetLeft(int Value);
  TBackGroundDisplay Display() const { return FValues.Display; }
  void SetDisplay(TBackGroundDisplay Value);
  TBackGroundCells Cells() const { return FValues.Cells; }
  void SetCells(TBackGroundCells Value);
  plat::TColor Color() const { return FValues.Color; }
  void SetColor(plat::TColor Value);
  plat::TColor ColorTo() const { return FValues.ColorTo; }
  void SetColorTo(plat::TColor Value);
  plat::TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(const plat::TBitmap* Value);

 private:
  struct TValues {
    int Top = 0;
    int Left = 0;
    TBackGroundDisplay Display = TBackGroundDisplay::bdTile;
    TBackGroundCells Cells = TBackGroundCells::bcNormal;
    plat::TColor Color = plat::clWindow;
    plat::TColor ColorTo = plat::clBtnFace;
  };
  template <typename T>
  void Change(T TValues::*Field, T Value);

  TExtStringGrid* FGrid;
  TValues FValues;
  std::unique_ptr<plat::TBitmap> FBitmap;
};

// One filter condition on a column.
class TFilterData : public plat::TCollectionItem {
 public:
  explicit TFilterData(plat::TCollection* Collection) : plat::TCollectionItem(Collection) {}
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(int, Column)
  ZORBIT_PLAIN_PROPERTY(plat::String, Condition)
  ZORBIT_PLAIN_PROPERTY(bool, CaseSensitive)
  ZORBIT_PLAIN_PROPERTY(TFilterCells, Data)
  ZORBIT_PLAIN_PROPERTY(plat::String, Prefix)
  ZORBIT_PLAIN_PROPERTY(plat::String, Suffix)
  ZORBIT_PLAIN_PROPERTY(TFilterOperation, Operation)

 private:
  struct TValues {
    int Column = 0;
    plat::String Condition;
    bool CaseSensitive = true;
    TFilterCells Data = TFilterCells::fcVirtual;
    plat::String Prefix;
    plat::String Suffix;
    TFilterOperation Operation = TFilterOperation::foSHORT;
  };
  TValues FValues;
};

// The grid's filter conditions.
class TFilter : public plat::TCollection {
 public:
  explicit TFilter(TExtStringGrid* Grid);
  TFilterData* Add() { return static_cast<TFilterData*>(plat::TCollection::Add()); }
  TFilterData* Items(int Index) const { return static_cast<TFilterData*>(plat::TCollection::Items(Index)); }
  plat::TPersistent* GetOwner() const override;

 private:
  TExtStringGrid* FGrid;
};

}  // namespace zorbit
