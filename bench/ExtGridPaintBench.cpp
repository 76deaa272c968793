// The advanced grid's paint beside the class library's string grid in the
// same run: a full 1280 x 800 grid of text cells painted into a bitmap, the
// advanced grid with bands, fixed cells in the XP look and a bold caption
// every fifth row, the string grid plainly with the same texts.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "extgrid/TExtStringGrid.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TStringGrid.h"
#include "platform/win/Display.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "testing/PlatformRoot.h"

namespace {

using namespace plat;

constexpr int Width = 1280;
constexpr int Height = 800;

String CellText(int c, int r) { return "R" + std::to_string(r) + " C" + std::to_string(c); }

class TUiSession {
 public:
  TUiSession() {
    InitClassLibrary();
    SetDisplay(std::make_unique<HeadlessDisplay>());
    InitForms();
  }
  ~TUiSession() { DoneForms(); }

 private:
  zorbit::testing::TPlatformRoot FRoot{"zorbit-extgrid-bench"};
};

// A borderless grid of type T filling 1280 x 800, every cell holding a
// text, and a bitmap to paint it into.
template <typename T>
struct TPaintSetup {
  TUiSession Session;
  TForm* Form = nullptr;
  T* Grid = nullptr;
  HDC DC = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ OldBitmap = nullptr;

  TPaintSetup() {
    Form = new TForm(Application);
    Form->SetBounds(0, 0, Width + 40, Height + 60);
    Grid = new T(Form);
    Grid->SetParent(Form);
    Grid->SetBorderStyle(TBorderStyle::bsNone);
    Grid->SetScrollBars(TScrollStyle::ssNone);
    Grid->SetBounds(0, 0, Width, Height);
    Grid->SetColCount(Width / 65 + 1);
    Grid->SetRowCount(Height / 25 + 1);
    for (int r = 0; r < Grid->RowCount(); ++r)
      for (int c = 0; c < Grid->ColCount(); ++c) Grid->SetCells(c, r, CellText(c, r));
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateCompatibleBitmap(nullptr, Width, Height);
    OldBitmap = SelectObject(DC, Bitmap);
  }
  void Show() {
    Form->Show();
    PumpMessages();
  }
  ~TPaintSetup() {
    SelectObject(DC, OldBitmap);
    DeleteObject(Bitmap);
    DeleteDC(DC);
    delete Form;
  }
  int Cells() const { return Grid->ColCount() * Grid->RowCount(); }
};

template <typename T>
void Measure(benchmark::State& state, TPaintSetup<T>& setup) {
  setup.Show();
  for (auto _ : state) setup.Grid->PaintTo(setup.DC, 0, 0);
  state.counters["cells/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * setup.Cells(), benchmark::Counter::kIsRate);
}

void BM_AdvancedGridPaint(benchmark::State& state) {
  TPaintSetup<zorbit::TExtStringGrid> setup;
  setup.Grid->Bands()->SetActive(true);
  for (int r = 1; r < setup.Grid->RowCount(); r += 5)
    setup.Grid->SetCellFontStyle(1, r, {TFontStyle::fsBold});
  Measure(state, setup);
}
BENCHMARK(BM_AdvancedGridPaint)->Unit(benchmark::kMillisecond);

void BM_StringGridPaintBaseline(benchmark::State& state) {
  TPaintSetup<TStringGrid> setup;
  Measure(state, setup);
}
BENCHMARK(BM_StringGridPaintBaseline)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
