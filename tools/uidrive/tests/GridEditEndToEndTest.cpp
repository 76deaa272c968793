// Editing a cell of the advanced grid end to end: the program runs under
// uidrive with the driver's grid harness, keys typed into the grid open the
// cell's editor, Enter commits, Esc cancels, and the cells are read back
// from the grid.
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "testing/ReferencePicture.h"

namespace e2e {
namespace {

using Lines = std::vector<std::string>;

class GridEditEndToEndTest : public EndToEndTest {};

TEST_F(GridEditEndToEndTest, TypedTextLandsInTheCellAndEscLeavesItAlone) {
  StartService();
  const std::string shot = Folder().File("editing.png");
  const zorbit::testing::TProgramResult run = Drive(
      "wait TfmZorbitMain\n"
      "harness\n"
      "wait TfmGridHarness\n"
      "click esgHarness #2,2\n"
      "type esgHarness hello\n"
      "screenshot " + shot + "\n"
      "key esgHarness Enter\n"
      "cells esgHarness 2\n"
      "key esgHarness Down\n"
      "type esgHarness gone\n"
      "key esgHarness Escape\n"
      "cells esgHarness 3\n"
      "close\n"
      "gone TfmGridHarness\n"
      "wait TfmZorbitMain\n"
      "quit\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Output;
  EXPECT_EQ(Values(run.Output, "row"), (Lines{"\tA2\thello", "\tA3\tB3"}));
  // The editor open over the cell while typing, kept for a person to look at.
  const auto picture = zorbit::testing::ReadPngPicture(shot);
  ASSERT_NE(picture, nullptr);
  zorbit::testing::KeepForInspection(*picture, "tools/uidrive/grid-editing.png");
}

}  // namespace
}  // namespace e2e
