#pragma once
// The built-in texts of the skinned frame, its title bar and control menu.
// Load them with LoadResString so that they pass through the translator.
// Identifiers 64300 to 64349 belong to them.
#include "platform/rtl/ResourceStrings.h"

namespace zorbit {

extern const plat::TResStringRec SskMinimize;          // "Mi&nimize"
extern const plat::TResStringRec SskMaximizeRestore;   // "Ma&ximize/Restore"
extern const plat::TResStringRec SskClose;             // "&Close"
extern const plat::TResStringRec SskOneControlBox;     // only one control-box button
extern const plat::TResStringRec SskOneClientSection;  // only one client section
extern const plat::TResStringRec SskFormPanelIsFrame;  // the frame as its own FormPanel

}  // namespace zorbit
