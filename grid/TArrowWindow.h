#pragma once
// The small green arrow the grid shows beside the drop place while a column
// or row is dragged to a new place. It is a hidden pop-up window (style
// exactly WS_POPUP) owned by the grid's window and cut to the arrow's
// outline (seven points, winding fill), so only the arrow shows; it paints
// itself in its colour (lime at creation). The grid moves it (in screen
// coordinates), sizes it and shows it.
#include <array>
#include <cstdint>

#include "platform/gdi/Geometry.h"
#include "platform/ui/TCustomPanel.h"

namespace zorbit {

enum class TArrowDirection : std::uint8_t { adUp, adDown, adRight, adLeft };

class TArrowWindow : public plat::TPanel {
 public:
  using TOutline = std::array<plat::TPoint, 7>;

  TArrowWindow(plat::TWinControl* AGrid, TArrowDirection ADir);

  TArrowDirection Dir() const { return FDir; }
  // The corner points of an arrow, in window coordinates.
  static const TOutline& Outline(TArrowDirection ADir);

 protected:
  void CreateParams(plat::TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  TArrowDirection FDir;
};

}  // namespace zorbit
