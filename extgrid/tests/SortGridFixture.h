#pragma once
// A placed TExtStringGrid filled from a table of rows ("a|b|c" per row,
// columns split at "|", row 0 the titles), one fixed row and one fixed
// column, with the locale's number and date separators fixed for the test,
// and pictures of a column's normal rows.
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"

namespace zorbit::testing {

class SortGridTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FSavedSettings = plat::FormatSettings();
    plat::TFormatSettings& settings = plat::FormatSettings();
    settings.DecimalSeparator = '.';
    settings.ThousandSeparator = ',';
    settings.DateSeparator = '/';
    settings.TimeSeparator = ':';
    settings.ShortDateFormat = "m/d/yyyy";
    FForm = new plat::TForm(nullptr);
    FForm->SetBounds(0, 0, 600, 400);
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetParent(FForm);
  }
  void TearDown() override {
    delete FForm;
    plat::FormatSettings() = FSavedSettings;
    FormTest::TearDown();
  }
  // Rows as "c0|c1|c2..."; the widest row gives the column count.
  TExtStringGrid* Fill(const std::vector<std::string>& Rows) {
    int cols = 1;
    for (const std::string& row : Rows) cols = std::max(cols, static_cast<int>(Split(row).size()));
    FGrid->SetColCount(cols);
    FGrid->SetRowCount(static_cast<int>(Rows.size()));
    for (std::size_t r = 0; r < Rows.size(); ++r) {
      const std::vector<std::string> cells = Split(Rows[r]);
      for (std::size_t c = 0; c < cells.size(); ++c)
        FGrid->SetCells(static_cast<int>(c), static_cast<int>(r), cells[c]);
    }
    return FGrid;
  }
  // Column ACol of rows From..To (To -1: the last row), blanks as "_".
  std::string Column(int ACol, int From = 1, int To = -1) const {
    std::string picture;
    if (To < 0) To = FGrid->RowCount() - 1;
    for (int r = From; r <= To; ++r) {
      const std::string& text = FGrid->Cells(ACol, r);
      picture += (r > From ? " " : "") + (text.empty() ? std::string("_") : text);
    }
    return picture;
  }
  static std::vector<std::string> Split(const std::string& Row) {
    std::vector<std::string> cells(1);
    for (char c : Row) {
      if (c == '|')
        cells.emplace_back();
      else
        cells.back() += c;
    }
    return cells;
  }

  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;

 private:
  plat::TFormatSettings FSavedSettings;
};

}  // namespace zorbit::testing
