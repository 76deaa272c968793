// Repainting a form of skinned controls (buttons, check boxes, edits, a
// group box and a list box in a built-in style whose buttons draw over
// their parent) beside the same form of the class library's standard
// controls, in the same run on the headless display: the whole form and
// every control invalidated and painted again.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/ui/TButton.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomGroupBox.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/win/Painting.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkEdit.h"
#include "skin/SkGroupBox.h"
#include "skin/SkListBox.h"
#include "platform/win/InputInjection.h"
#include "support/GridOnBitmap.h"

namespace {

// The control classes of one form.
struct TStandardControls {
  using Button = plat::TButton;
  using CheckBox = plat::TCheckBox;
  using Edit = plat::TEdit;
  using GroupBox = plat::TGroupBox;
  using ListBox = plat::TListBox;
  static void Style(plat::TControl*) {}
};

struct TSkinnedControls {
  using Button = zorbit::TskButton;
  using CheckBox = zorbit::TskCheckBox;
  using Edit = zorbit::TskEdit;
  using GroupBox = zorbit::TskGroupBox;
  using ListBox = zorbit::TskListBox;
  // MacOS buttons are transparent: each paints its parent's background first.
  template <typename T>
  static void Style(T* Control) {
    Control->SetUIStyle(zorbit::TskUIStyle::MacOS);
  }
};

// A shown 480 x 360 form of Controls: a group box of four check boxes, two
// edits, a list box of 20 lines and a row of four buttons.
template <typename Controls>
class TControlForm {
 public:
  TControlForm() {
    FForm = new plat::TForm(plat::Application);
    FForm->SetBounds(0, 0, 480, 360);
    auto* group = new typename Controls::GroupBox(FForm);
    group->SetParent(FForm);
    group->SetBounds(10, 10, 220, 150);
    group->SetCaption("Options");
    Controls::Style(group);
    for (int i = 0; i < 4; ++i) {
      auto* check = new typename Controls::CheckBox(FForm);
      check->SetParent(group);
      check->SetBounds(12, 24 + 28 * i, 190, 20);
      check->SetCaption("Option number " + std::to_string(i + 1));
      Controls::Style(check);
    }
    for (int i = 0; i < 2; ++i) {
      auto* edit = new typename Controls::Edit(FForm);
      edit->SetParent(FForm);
      edit->SetBounds(10, 175 + 32 * i, 220, 24);
      edit->SetText("Edit field " + std::to_string(i + 1));
      Controls::Style(edit);
    }
    auto* list = new typename Controls::ListBox(FForm);
    list->SetParent(FForm);
    list->SetBounds(245, 10, 220, 250);
    for (int i = 0; i < 20; ++i) list->Items()->Add("List line " + std::to_string(i + 1));
    Controls::Style(list);
    for (int i = 0; i < 4; ++i) {
      auto* button = new typename Controls::Button(FForm);
      button->SetParent(FForm);
      button->SetBounds(10 + 115 * i, 290, 100, 27);
      button->SetCaption("Button " + std::to_string(i + 1));
      Controls::Style(button);
    }
    FForm->Show();
    plat::PumpMessages();
  }
  ~TControlForm() { delete FForm; }
  TControlForm(const TControlForm&) = delete;
  TControlForm& operator=(const TControlForm&) = delete;

  void Repaint() {
    plat::RedrawWindow(FForm->Handle(), nullptr, nullptr,
                       plat::RDW_INVALIDATE | plat::RDW_ERASE | plat::RDW_FRAME | plat::RDW_ALLCHILDREN |
                           plat::RDW_UPDATENOW);
  }

 private:
  gridbench::TUiSession FSession;
  plat::TForm* FForm = nullptr;
};

template <typename Controls>
void RepaintForm(benchmark::State& state) {
  TControlForm<Controls> form;
  for (auto _ : state) form.Repaint();
}

void BM_SkinnedFormRepaint(benchmark::State& state) { RepaintForm<TSkinnedControls>(state); }
BENCHMARK(BM_SkinnedFormRepaint)->Unit(benchmark::kMicrosecond);

void BM_StandardFormRepaint(benchmark::State& state) { RepaintForm<TStandardControls>(state); }
BENCHMARK(BM_StandardFormRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
