#pragma once
// TBalloonSettings: the balloon tips the grid shows over its cells: on or
// off (Enable, whose setter fires OnEnableChange), the tip's colours
// (clNone: the tip's own), its delays in milliseconds (-1: the tip's own)
// and its see-through level (0 opaque .. 255). Assign copies TextColor,
// BackgroundColor, the three delays and Enable (through its setter).
#include <cstdint>

#include "extgrid/detail/PlainProperty.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/Object.h"
#include "platform/ui/TPersistent.h"

namespace zorbit {

class TBalloonSettings : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_PLAIN_PROPERTY(int, AutoHideDelay)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, BackgroundColor)
  bool Enable() const { return FValues.Enable; }
  void SetEnable(bool Value);
  ZORBIT_PLAIN_PROPERTY(int, InitialDelay)
  ZORBIT_PLAIN_PROPERTY(int, ReshowDelay)
  ZORBIT_PLAIN_PROPERTY(plat::TColor, TextColor)
  ZORBIT_PLAIN_PROPERTY(std::uint8_t, Transparency)

  plat::TNotifyEvent OnEnableChange;

 private:
  struct TValues {
    int AutoHideDelay = -1;
    plat::TColor BackgroundColor = plat::clNone;
    bool Enable = false;
    int InitialDelay = -1;
    int ReshowDelay = -1;
    plat::TColor TextColor = plat::clNone;
    std::uint8_t Transparency = 0;
  };
  TValues FValues;
};

}  // namespace zorbit
