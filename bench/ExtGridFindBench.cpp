// The advanced grid's find and its search bar beside plain loops over the
// same texts in the same run:
// - FindCell with no match over 1,000,000 x 10 cells beside a loop that
//   upper-cases each text and searches it;
// - one keystroke in the search bar with highlighting on, over 100,000 x 10
//   cells (the old marks removed, the grid searched, every occurrence
//   marked), beside a loop that searches each text and marks the
//   occurrences in a copy.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "grid/TExtGridButton.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/TCustomEdit.h"
#include "support/GridOnBitmap.h"

namespace {

using namespace plat;

constexpr int Cols = 10;
constexpr int FindRows = 1000000;
constexpr int SearchRows = 100000;

std::vector<String> Texts(int Rows) {
  std::vector<String> texts;
  texts.reserve(static_cast<std::size_t>(Rows) * Cols);
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < Cols; ++c) texts.push_back(gridbench::CellText(c, r));
  return texts;
}

struct TFindSetup {
  gridbench::TUiSession Session;
  gridbench::TGridOnBitmap<zorbit::TExtStringGrid> Grid{{400, 300, Cols, FindRows, false}};
};

void FindCellWithoutMatch(benchmark::State& state) {
  TFindSetup setup;
  zorbit::TExtStringGrid& grid = *setup.Grid.Grid();
  for (auto _ : state) {
    const TPoint found = grid.FindCell({-1, -1}, "zzz", {}, {});
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(FindRows - 1) * (Cols - 1));
}

void UpperCaseAndSearchLoop(benchmark::State& state) {
  const std::vector<String> texts = Texts(FindRows);
  for (auto _ : state) {
    long long found = 0;
    for (const String& text : texts) found += AnsiUpperCase(text).find("ZZZ") != String::npos;
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(texts.size()));
}

struct TSearchBarSetup {
  TSearchBarSetup() {
    grid.Grid()->SearchFooter()->SetVisible(true);
    grid.Show();
    grid.Grid()->SearchPanel()->HighlightButton()->SetDown(true);
  }
  gridbench::TUiSession Session;
  gridbench::TGridOnBitmap<zorbit::TExtStringGrid> grid{{400, 300, Cols, SearchRows, false}};
};

// Alternating texts, so that every keystroke moves the marks.
const char* const kTyped[] = {"99", "98"};

void SearchBarKeystroke(benchmark::State& state) {
  TSearchBarSetup setup;
  TEdit& edit = *setup.grid.Grid()->SearchPanel()->SearchEdit();
  int n = 0;
  for (auto _ : state) edit.SetText(kTyped[n++ % 2]);
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(SearchRows) * Cols);
}

// Marks each occurrence of Search (upper-cased) in Text.
String Marked(const String& Text, const String& Search) {
  const String upper = AnsiUpperCase(Text);
  String out;
  std::size_t from = 0;
  for (std::size_t at = upper.find(Search); at != String::npos; at = upper.find(Search, from)) {
    out.append(Text, from, at - from).append("<hi>").append(Text, at, Search.size()).append("</hi>");
    from = at + Search.size();
  }
  return out.append(Text, from, String::npos);
}

void SearchAndMarkLoop(benchmark::State& state) {
  const std::vector<String> texts = Texts(SearchRows);
  std::vector<String> shown = texts;
  int n = 0;
  for (auto _ : state) {
    const String search = kTyped[n++ % 2];
    for (std::size_t i = 0; i < texts.size(); ++i) shown[i] = Marked(texts[i], search);
    benchmark::DoNotOptimize(shown.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(texts.size()));
}

BENCHMARK(FindCellWithoutMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(UpperCaseAndSearchLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchBarKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchAndMarkLoop)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
