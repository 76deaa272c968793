#pragma once
// What the grid benchmarks share: the class library on the headless display
// with a private platform root, and a grid of any class on a form with a
// memory bitmap of its size to paint it into, every cell filled with
// CellText. The bitmap, the form and the session go with the object.
#include <memory>
#include <string>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/win/Display.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "testing/PlatformRoot.h"

namespace gridbench {

inline plat::String CellText(int c, int r) { return "R" + std::to_string(r) + " C" + std::to_string(c); }

class TUiSession {
 public:
  TUiSession() {
    plat::InitClassLibrary();
    plat::SetDisplay(std::make_unique<plat::HeadlessDisplay>());
    plat::InitForms();
  }
  ~TUiSession() { plat::DoneForms(); }
  TUiSession(const TUiSession&) = delete;
  TUiSession& operator=(const TUiSession&) = delete;

 private:
  zorbit::testing::TPlatformRoot FRoot{"zorbit-grid-bench"};
};

struct TGridShape {
  int Width;
  int Height;
  int Cols;
  int Rows;
  bool Borderless;  // no border and no scroll bars: the cells fill the bitmap
};

template <typename TGrid>
class TGridOnBitmap {
 public:
  explicit TGridOnBitmap(const TGridShape& Shape) {
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(0, 0, Shape.Width + 40, Shape.Height + 60);
    FGrid = new TGrid(FForm);
    FGrid->SetParent(FForm);
    if (Shape.Borderless) {
      FGrid->SetBorderStyle(plat::TBorderStyle::bsNone);
      FGrid->SetScrollBars(plat::TScrollStyle::ssNone);
    }
    FGrid->SetBounds(0, 0, Shape.Width, Shape.Height);
    FGrid->SetColCount(Shape.Cols);
    FGrid->SetRowCount(Shape.Rows);
    for (int r = 0; r < Shape.Rows; ++r)
      for (int c = 0; c < Shape.Cols; ++c) FGrid->SetCells(c, r, CellText(c, r));
    FDC = plat::CreateCompatibleDC(nullptr);
    FBitmap = plat::CreateCompatibleBitmap(nullptr, Shape.Width, Shape.Height);
    FOldBitmap = plat::SelectObject(FDC, FBitmap);
  }
  ~TGridOnBitmap() {
    plat::SelectObject(FDC, FOldBitmap);
    plat::DeleteObject(FBitmap);
    plat::DeleteDC(FDC);
    delete FForm;
  }
  TGridOnBitmap(const TGridOnBitmap&) = delete;
  TGridOnBitmap& operator=(const TGridOnBitmap&) = delete;

  void Show() {
    FForm->Show();
    plat::PumpMessages();
  }
  void Paint() { FGrid->PaintTo(FDC, 0, 0); }
  TGrid* Grid() const { return FGrid; }
  plat::HDC DC() const { return FDC; }
  int Cells() const { return FGrid->ColCount() * FGrid->RowCount(); }

 private:
  TUiSession FSession;
  plat::TForm* FForm = nullptr;
  TGrid* FGrid = nullptr;
  plat::HDC FDC = nullptr;
  plat::HBITMAP FBitmap = nullptr;
  plat::HGDIOBJ FOldBitmap = nullptr;
};

}  // namespace gridbench
