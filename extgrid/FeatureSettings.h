#pragma once
// Settings objects and panels that the grid owns from its creation for
// features built on their own: grouping (TGrouping), drag and drop
// (TDragDropSettings, TDragScrollOptions) and the marking of edited cells
// (TShowModified). The floating footer (TFloatingFooter, TFooterPanel), the
// search bar (TSearchFooter, TSearchPanel) and balloon hints
// (TBalloonSettings) have headers of their own, included here.
//
// Here they hold the properties that the grid's creation, loading, hooks
// and Assign read, with their defaults; each feature adds the rest with its
// behaviour. Assign copies from the same class and ignores any other source.
#include "extgrid/TBalloonSettings.h"
#include "extgrid/TFloatingFooter.h"
#include "extgrid/TFooterPanel.h"
#include "extgrid/TSearchFooter.h"
#include "extgrid/TSearchPanel.h"
#include "extgrid/detail/PlainProperty.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/Object.h"
#include "platform/ui/TPersistent.h"

namespace zorbit {

class TExtStringGrid;

// How grouping marks its rows: caption rows (nodes heading each group) and
// summary rows, each merged from the caption column to the last column or
// coloured (clNone: left as it is), and the lines painting draws under them.
// Read when grouping runs. Assign copies the colours, the merges, the header
// underline and the summary line, and leaves Summary and the lines' colours
// and widths as they are.
class TGrouping : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(plat::TColor, HeaderColor)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, HeaderColorTo)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, HeaderTextColor)
  ZORBIT_PLAIN_PROPERTY(bool, HeaderUnderline)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, HeaderLineColor)
  ZORBIT_PLAIN_PROPERTY(int, HeaderLineWidth)
  ZORBIT_PLAIN_PROPERTY(bool, MergeHeader)
  ZORBIT_PLAIN_PROPERTY(bool, MergeSummary)
  ZORBIT_PLAIN_PROPERTY(bool, Summary)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, SummaryColor)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, SummaryColorTo)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, SummaryTextColor)
  ZORBIT_PLAIN_PROPERTY(bool, SummaryLine)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, SummaryLineColor)
  ZORBIT_PLAIN_PROPERTY(int, SummaryLineWidth)

 private:
  struct TValues {
    plat::TColor HeaderColor = plat::clNone;
    plat::TColor HeaderColorTo = plat::clNone;
    plat::TColor HeaderTextColor = plat::clNone;
    bool HeaderUnderline = false;
    plat::TColor HeaderLineColor = 0xFF0000;
    int HeaderLineWidth = 2;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool Summary = false;
    plat::TColor SummaryColor = plat::clNone;
    plat::TColor SummaryColorTo = plat::clNone;
    plat::TColor SummaryTextColor = plat::clNone;
    bool SummaryLine = false;
    plat::TColor SummaryLineColor = 0xFF0000;
    int SummaryLineWidth = 2;
  };
  TValues FValues;
};

class TDragDropSettings : public plat::TPersistent {
 public:
  explicit TDragDropSettings(TExtStringGrid* Grid) : FGrid(Grid) {}
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, OleAcceptFiles)
  ZORBIT_PLAIN_PROPERTY(bool, OleAcceptText)
  ZORBIT_PLAIN_PROPERTY(bool, OleDropTarget)
  TExtStringGrid* Grid() const { return FGrid; }

 private:
  struct TValues {
    bool OleAcceptFiles = true;
    bool OleAcceptText = true;
    bool OleDropTarget = false;
  };
  TExtStringGrid* FGrid;
  TValues FValues;
};

class TDragScrollOptions : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, Active)

 private:
  struct TValues {
    bool Active = false;
  };
  TValues FValues;
};

class TShowModified : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, Enabled)
  // Stores and fires OnChange.
  plat::TColor Color() const { return FValues.Color; }
  void SetColor(plat::TColor Value);

  plat::TNotifyEvent OnChange;

 private:
  struct TValues {
    bool Enabled = false;
    plat::TColor Color = 0xFFFF;
  };
  TValues FValues;
};

}  // namespace zorbit
