#include "grid/TArrowWindow.h"

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/TCanvas.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace zorbit {

namespace {

constexpr std::array<TArrowWindow::TOutline, 4> kOutlines{{
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},  // up
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},   // down
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},  // right
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},  // left
}};

}  // namespace

TArrowWindow::TArrowWindow(plat::TWinControl* AGrid, TArrowDirection ADir) : plat::TPanel(AGrid), FDir(ADir) {
  SetColor(static_cast<plat::TColor>(0x00FF00));
  SetParent(AGrid);
  SetVisible(false);
}

const TArrowWindow::TOutline& TArrowWindow::Outline(TArrowDirection ADir) {
  return kOutlines[static_cast<size_t>(ADir)];
}

void TArrowWindow::CreateParams(plat::TCreateParams& Params) {
  plat::TPanel::CreateParams(Params);
  Params.Style = plat::WS_POPUP;
}

void TArrowWindow::CreateWnd() {
  plat::TPanel::CreateWnd();
  const TOutline& outline = Outline(FDir);
  // The window takes the region over.
  plat::SetWindowRgn(Handle(), plat::CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), plat::WINDING),
                     true);
}

void TArrowWindow::Paint() {
  plat::TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.Pen()->SetColor(Color());
  canvas.FillRect(ClientRect());
}

}  // namespace zorbit
