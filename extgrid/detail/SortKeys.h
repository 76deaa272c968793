#pragma once
// Sort keys of cell texts: the style a text asks for when a column sorts
// automatically, what a text converts to under each style, and the order of
// two converted keys. A sort converts each cell once and then compares the
// converted values; nothing here raises: a date or time that does not
// convert counts as 0, a number that does not convert whole counts by its
// leading number characters. Number and date texts use the separators of
// the process-wide locale record.
#include "extgrid/ExtGridTypes.h"
#include "platform/rtl/Types.h"

namespace zorbit::detail {

// A column's style and the prefix and suffix its numbers carry.
struct TSortFormat {
  TSortStyle Style = TSortStyle::ssAlphabetic;
  plat::String Prefix;
  plat::String Suffix;
};

// The style of ssAutomatic for a cell: a check box (of any kind) sorts as
// one, a number by ClassifyNumberText numerically; a date separator at
// position 2 or 3, not last, with digits on both sides makes a date (a date
// and time when the text also holds the time separator), without the digits
// plain text; a time separator at 2 or 3, not last, between digits a time;
// anything else plain text.
TSortStyle DetectSortStyle(const plat::String& Text, bool IsCheckBox);

// One cell's key. The loader fills Text and the flags its column's style
// needs; Value is converted on first use under the style asked for, and
// again only when another style asks.
struct TSortKey {
  double Value = 0;
  // The style Value was converted under; ssAutomatic before any.
  TSortStyle ValueStyle = TSortStyle::ssAutomatic;
  // What ssAutomatic resolves to when this cell is the first of a pair.
  TSortStyle Detected = TSortStyle::ssAlphabetic;
  bool Loaded = false;
  bool Empty = false;
  // The number converted whole (numbers that do not compare by their
  // leading characters only).
  bool Converted = true;
  bool Number = false;
  bool Checked = false;
  plat::String Text;
  plat::WideString Wide;
};

// Fills Value (and Converted) for ssNumeric, ssFinancial, ssDate,
// ssDateTime, ssTime, ssShortDateEU and ssShortDateUS, unless it holds that
// style's value already.
void ConvertSortKey(TSortKey& Key, TSortStyle Style, const TSortFormat& Format);

// The order (-1, 0, 1) of two keys under a style that is neither automatic,
// alphanumeric, custom nor raw (those resolve first or ask the grid).
int CompareSortKeys(TSortKey& A, TSortKey& B, TSortStyle Style, const TSortFormat& Format);

// Byte order; the second upper-cases ASCII letters first.
int CompareOrdinal(const plat::String& A, const plat::String& B);
int CompareOrdinalNoCase(const plat::String& A, const plat::String& B);

}  // namespace zorbit::detail
