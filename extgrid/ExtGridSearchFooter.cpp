// The search bar: its panel laid out from SearchFooter, and the grid's
// answers to typing in it and to its buttons.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "grid/TExtGridButton.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomEdit.h"

namespace zorbit {

namespace {

using enum TFindParameter;

// The edit's colour when the text is found nowhere.
constexpr plat::TColor kNotFoundColor = 0x0000FF;

void ShowButton(TExtGridButton& Button, bool Visible, const plat::String& Caption, const plat::String& Hint) {
  Button.SetVisible(Visible);
  Button.SetHeight(Visible ? TSearchPanel::ButtonHeight : 0);
  Button.SetCaption(Caption);
  Button.SetHint(Hint);
  Button.SetShowHint(!Hint.empty());
}

}  // namespace

void TExtStringGrid::ConnectSearchPanel() {
  FSearchFooter->OnChange = [this](plat::TObject*) { ApplySearchFooter(); };
  TSearchPanel& panel = *FSearchPanel;
  panel.OnTextChange = [this](plat::TObject*) { SearchFooterChanged(); };
  panel.OnMatchCase = [this](plat::TObject*) { SearchFooterChanged(); };
  panel.OnFindNext = [this](plat::TObject*) { SearchFooterFindNext(); };
  panel.OnFindPrev = [this](plat::TObject*) { SearchFooterFindPrev(); };
  panel.OnClose = [this](plat::TObject*) { SearchFooterClose(); };
  panel.OnHighlight = [this](plat::TObject*) { SearchFooterHighlight(); };
}

void TExtStringGrid::ApplySearchFooter() {
  if (!FSearchPanel) return;
  TSearchPanel& panel = *FSearchPanel;
  const TSearchFooter& footer = *FSearchFooter;
  panel.SetColor(footer.Color());
  panel.SetColorTo(footer.ColorTo());
  panel.SetVisible(footer.Visible());
  panel.SetHeight(footer.Visible() ? TSearchPanel::ShownHeight : 0);
  const bool themed = footer.AutoThemeAdapt();
  const bool flat = themed || FControlLook->ControlStyle() != TControlStyle::csClassic;
  for (TExtGridButton* button :
       {panel.CloseButton(), panel.FindNextButton(), panel.FindPrevButton(), panel.HighlightButton()}) {
    button->SetFlat(flat);
    button->SetAutoThemeAdapt(themed);
  }
  ShowButton(*panel.CloseButton(), footer.ShowClose(), {}, footer.HintClose());
  panel.CloseButton()->SetHeight(footer.ShowClose() ? 14 : 0);
  ShowButton(*panel.FindNextButton(), footer.ShowFindNext(), footer.FindNextCaption(), footer.HintFindNext());
  ShowButton(*panel.FindPrevButton(), footer.ShowFindPrev(), footer.FindPrevCaption(), footer.HintFindPrev());
  ShowButton(*panel.HighlightButton(), footer.ShowHighLight(), footer.HighLightCaption(), footer.HintHighlight());
  plat::TCheckBox& matchCase = *panel.MatchCaseBox();
  matchCase.SetCaption(footer.MatchCaseCaption());
  matchCase.SetVisible(footer.ShowMatchCase());
  matchCase.SetHeight(footer.ShowMatchCase() ? TSearchPanel::MatchCaseHeight : 0);
  matchCase.SetLeft(footer.ShowHighLight() ? TSearchPanel::MatchCaseLeft : TSearchPanel::MatchCaseLeftWithoutHighlight);
  Invalidate();
}

TFindParams TExtStringGrid::SearchFooterOptions() {
  TSearchPanel& panel = *FSearchPanel;
  TFindParams options{fnAutoGoto};
  if (panel.HighlightButton()->Down()) options.Include(fnIgnoreHTMLTags);
  if (panel.MatchCaseBox()->Checked()) options.Include(fnMatchCase);
  if (FSearchFooter->SearchActiveColumnOnly()) options.Include(fnFindInCurrentCol);
  const int column = FSearchFooter->SearchColumn();
  if (column >= 0 && column < ColCount()) {
    options.Include(fnFindInPresetCol);
    FFind.PresetCol = column;
  }
  return options;
}

void TExtStringGrid::SearchFooterChanged() {
  if (!FSearchFooter->AutoSearch() || !FSearchPanel) return;
  TSearchPanel& panel = *FSearchPanel;
  plat::TEdit& edit = *panel.SearchEdit();
  const plat::String text = edit.Text();
  if (text.empty()) {
    edit.SetColor(plat::clWindow);
    RemoveHighlightInCells(false);
    return;
  }
  const TFindParams options = SearchFooterOptions();
  const plat::TPoint found = FindCell({-1, -1}, text, {}, options);
  if (found.X < 0) {
    edit.SetColor(kNotFoundColor);
    RemoveHighlightInCells(false);
    return;
  }
  edit.SetColor(plat::clWindow);
  ScrollInView(found.X, found.Y);
  RemoveHighlightInCells(false);
  if (panel.HighlightButton()->Down()) HighlightInCells(false, options.Contains(fnMatchCase), text);
  KeepFoundRowInView();
}

void TExtStringGrid::SearchFooterFind(bool Backward) {
  if (!FSearchPanel) return;
  const plat::String text = FSearchPanel->SearchEdit()->Text();
  if (!FSearchFooter->AutoSearch() && text != FFind.FooterText) {
    FFind.LastFound = {-1, -1};
    FFind.FooterText = text;
  }
  TFindParams options{fnAutoGoto};
  if (Backward) options.Include(fnBackward);
  FindCell(FFind.LastFound, text, {}, options);
  KeepFoundRowInView();
}

void TExtStringGrid::SearchFooterFindNext() { SearchFooterFind(false); }

void TExtStringGrid::SearchFooterFindPrev() { SearchFooterFind(true); }

void TExtStringGrid::SearchFooterClose() { FSearchFooter->SetVisible(false); }

void TExtStringGrid::SearchFooterHighlight() {
  if (!FSearchPanel) return;
  TSearchPanel& panel = *FSearchPanel;
  RemoveHighlightInCells(false);
  if (panel.HighlightButton()->Down())
    HighlightInCells(false, panel.MatchCaseBox()->Checked(), panel.SearchEdit()->Text());
}

void TExtStringGrid::KeepFoundRowInView() {
  const int lastVisible = TopRow() + VisibleRowCount() - 1;
  if (Row() < lastVisible - 1 || lastVisible >= RowCount() - 1) return;
  // Two rows further, but never past the last full page.
  const int lastTop = std::max(TBaseGrid::FixedRows(), RowCount() - VisibleRowCount());
  SetTopRow(std::min(TopRow() + 2, lastTop));
}

}  // namespace zorbit
