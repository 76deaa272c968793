#pragma once
// The program's styling of its skinned controls: ApplyStyle gives the
// controls below a window their border colours, focus margins and group-box
// fonts; the theme walk gives them the window's skin file; the two check-box
// calls grey out or restore a skinned check box with its caption.
//
// Every walk visits the controls of a windowed control in index order and
// descends into every windowed child, whatever its class. Controls are
// recognised by class (subclasses included). A skinned image button keeps
// its own style: the theme walk passes it by.
namespace plat {
class TWinControl;
}

namespace zorbit {

class TskCheckBox;
class TskFileTheme;

// Edits 0x669100, list boxes 0x699001, buttons and image buttons a focus
// margin of 5, group boxes 0xACA87F with black "Arial Bold" 9; nothing for null.
void ApplyStyle(plat::TWinControl* Control);

// Gives Theme to every skinned button, check box, edit, list box, group box,
// track bar and scroll bar below Control.
void GiveFileTheme(plat::TWinControl* Control, TskFileTheme* Theme);

// Enabled with black text, or disabled with the system's grey-text colour.
void EnableStyledCheckBox(TskCheckBox* CheckBox);
void DisableStyledCheckBox(TskCheckBox* CheckBox);

}  // namespace zorbit
