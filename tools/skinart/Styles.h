#pragma once
// The colours and shapes of the five built-in styles as the picture
// painter uses them: MacOS light grey and aqua, WinXP blue with rounded
// title buttons, DeepBlue dark navy, Protein light with grey, BlueGlass a
// glassy blue.
#include <functional>
#include <string>

#include "tools/skinart/Raster.h"

namespace skinart {

struct Palette {
  Rgb Back;                                    // the form's and controls' background
  Rgb FaceTop, FaceMid, FaceMid2, FaceBottom;  // push-button face (glassy split at FaceSplit)
  double FaceSplit;
  Rgb Border;                                      // control outlines
  Rgb Accent;                                      // check marks, dots, progress, selection
  Rgb TitleTop, TitleMid, TitleMid2, TitleBottom;  // title bar (glassy split at TitleSplit)
  double TitleSplit;
  Rgb TitleButtonTop, TitleButtonBottom, TitleButtonBorder, TitleGlyph;
  Rgb CloseTop, CloseBottom;  // the close button's face
  Rgb ScrollBack;             // the scroll bar's background
  double ButtonRadius;
  double TitleButtonRadius;     // half the button's size gives round buttons
  bool ButtonTransparent;       // push-button corners magenta (see-through)
  bool TitleButtonTransparent;  // title-button surroundings magenta
  int TitleButtonRow;           // the title button's row within the title bar
};

// The palette of a resource-name prefix ("MACOS", "WINXP", "DEEPBLUE",
// "PROTEIN", "BLUEGLASS"); "MORE" (the shared scroll button) takes
// DeepBlue's. Nothing for another prefix.
const Palette* PaletteOf(const std::string& prefix);

// The title bar's colour at a row (0 at the top) of a bar Height high.
Rgb TitleColour(const Palette& p, int row, int height);

}  // namespace skinart
