#pragma once
// What the grid fuzz targets share: the headless class library started once
// per process, a grid filled from the input's bytes (its shape, then cell
// texts from a small alphabet of digits, separators and letters, so that
// numbers, dates, times, blanks and ties all come up), and the grid's texts
// as rows to compare.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TApplication.h"
#include "platform/win/HeadlessDisplay.h"

namespace zorbit::fuzz {

// The input, read a byte at a time; 0 once it runs out.
class TBytes {
 public:
  TBytes(const std::uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}
  std::uint8_t Next() { return FAt < FSize ? FData[FAt++] : 0; }
  bool Empty() const { return FAt >= FSize; }

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
  std::size_t FAt = 0;
};

inline void StartClassLibrary() {
  static const bool started = [] {
    plat::SetDisplay(std::make_unique<plat::HeadlessDisplay>());
    plat::InitClassLibrary();
    plat::InitForms();
    return true;
  }();
  (void)started;
}

// Up to 40 rows of 2 to 5 columns, one fixed row and column.
inline std::unique_ptr<TExtStringGrid> MakeGrid(TBytes& Bytes) {
  StartClassLibrary();
  auto grid = std::make_unique<TExtStringGrid>(nullptr);
  grid->SetColCount(2 + Bytes.Next() % 4);
  grid->SetRowCount(2 + Bytes.Next() % 39);
  static const char alphabet[] = "0123456789/:.,-abAB ";
  for (int r = 0; r < grid->RowCount(); ++r)
    for (int c = 0; c < grid->ColCount(); ++c) {
      std::string text;
      for (int n = Bytes.Next() % 5; n > 0; --n) text += alphabet[Bytes.Next() % (sizeof alphabet - 1)];
      grid->SetCells(c, r, text);
    }
  return grid;
}

// Each row's texts from column From on, joined by a separator no text holds.
inline std::vector<std::string> Rows(TExtStringGrid& Grid, int From) {
  std::vector<std::string> rows;
  for (int r = 0; r < Grid.RowCount(); ++r) {
    std::string row;
    for (int c = From; c < Grid.ColCount(); ++c) row += Grid.Cells(c, r) + '\x01';
    rows.push_back(row);
  }
  return rows;
}

}  // namespace zorbit::fuzz
