#pragma once
// TFloatingFooter: the settings of the panel docked under the grid's cells
// (TFooterPanel). In the fixed-last-row style the panel shows the grid's
// last row, which then holds the column footers (sums, averages, counts,
// minimums, maximums or the application's own values, by each footer
// cell's calculation type) and is kept out of the grid's own view; the two
// preview styles show the current row, one column of it or a template
// with "<#n>" placeholders for its columns, and leave the last row alone.
//
// Promises: Visible and FooterStyle keep the grid's FixedFooters (1 exactly
// while the panel shows in the fixed-last-row style), its hidden last row
// and the panel's height in step; the look setters repaint the panel.
// Assign copies from another TFloatingFooter and ignores any other source.
#include <cstdint>
#include <functional>

#include "extgrid/detail/PlainProperty.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include "platform/ui/TPersistent.h"

namespace plat {
class TCanvas;
}

namespace zorbit {

class TExtStringGrid;

enum class TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview };

// What a footer cell (in the grid's last row) shows: the low seven bits of
// its properties' CalcType. Other values leave the cell alone.
enum class TFooterCalcType : std::uint8_t {
  fcNone = 0,     // the cell is emptied
  fcSum = 1,
  fcAverage = 2,  // over every row of the range
  fcCount = 3,    // the rows of the range
  fcMinimum = 4,
  fcMaximum = 5,
  fcCustom = 7,  // OnCalcFooter's value, empty without a handler
};

using TCalcFooterEvent = std::function<void(plat::TObject* Sender, int ACol, int ARow, plat::String& Value)>;
// Paints the column preview in place of the grid's cell drawing.
using TFooterPaintEvent =
    std::function<void(plat::TObject* Sender, int AColumn, plat::TCanvas* Canvas, const plat::TRect& ARect)>;

class TFloatingFooter : public plat::TPersistent {
 public:
  explicit TFloatingFooter(TExtStringGrid* Grid) : FGrid(Grid) {}
  void Assign(const plat::TPersistent* Source) override;

  // The footers count the hidden rows too.
  ZORBIT_PLAIN_PROPERTY(bool, CalculateHiddenRows)
  // The panel shows a hint per column.
  bool ShowHint() const { return FValues.ShowHint; }
  void SetShowHint(bool Value);
  plat::TColor Color() const { return FValues.Color; }
  void SetColor(plat::TColor Value);
  // The column the column preview shows.
  int Column() const { return FValues.Column; }
  void SetColumn(int Value);
  const plat::String& CustomTemplate() const { return FValues.CustomTemplate; }
  void SetCustomTemplate(const plat::String& Value);
  TFooterStyle FooterStyle() const { return FValues.FooterStyle; }
  void SetFooterStyle(TFooterStyle Value);
  bool Visible() const { return FValues.Visible; }
  void SetVisible(bool Value);
  // The panel's height while it shows; the grid's default row height.
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  // Off: the footer values are left as they are.
  bool Calculate() const { return FCalculate; }
  void SetCalculate(bool Value) { FCalculate = Value; }
  TExtStringGrid* Grid() const { return FGrid; }

  TCalcFooterEvent OnCalcFooter;

 private:
  // Footers shown in the grid's last row.
  bool FixedLastRow() const { return FValues.Visible && FValues.FooterStyle == TFooterStyle::fsFixedLastRow; }
  void RepaintPanel();

  struct TValues {
    bool CalculateHiddenRows = false;
    plat::TColor Color = plat::clBtnFace;
    int Column = 0;
    plat::String CustomTemplate;
    TFooterStyle FooterStyle = TFooterStyle::fsFixedLastRow;
    bool ShowHint = false;
    bool Visible = false;
  };
  TExtStringGrid* FGrid;
  TValues FValues;
  int FHeight = 21;
  bool FCalculate = true;
};

}  // namespace zorbit
