#pragma once
// The grid harness: a window of the driver's own (TfmGridHarness), not of
// the program, holding an editable advanced grid "esgHarness" of 3 columns
// and 4 rows (a fixed row and column, "A1".."B3" in the others), so that a
// script can type into cells as a user would and read them back. The
// application owns the window; closing it frees it.
namespace uidrive {

void ShowGridHarness();

}  // namespace uidrive
