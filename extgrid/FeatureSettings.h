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

// The caption and summary lines that painting draws under grouping.
class TGrouping : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(bool, HeaderUnderline)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, HeaderLineColor)
  ZORBIT_PLAIN_PROPERTY(int, HeaderLineWidth)
  ZORBIT_PLAIN_PROPERTY(bool, SummaryLine)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, SummaryLineColor)
  ZORBIT_PLAIN_PROPERTY(int, SummaryLineWidth)

 private:
  struct TValues {
    bool HeaderUnderline = false;
    plat::TColor HeaderLineColor = 0xFF0000;
    int HeaderLineWidth = 2;
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
