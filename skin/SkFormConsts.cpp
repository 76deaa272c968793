#include "skin/SkFormConsts.h"

namespace zorbit {

const plat::TResStringRec SskMinimize{64300, "Mi&nimize"};
const plat::TResStringRec SskMaximizeRestore{64301, "Ma&ximize/Restore"};
const plat::TResStringRec SskClose{64302, "&Close"};
const plat::TResStringRec SskOneControlBox{64303,
                                           "Sorry, only one button's ButtonType property can be \"skControlBox\""};
const plat::TResStringRec SskOneClientSection{64304, "Sorry, only one section's Align property can be \"skClient\""};
const plat::TResStringRec SskFormPanelIsFrame{64305, "Sorry, you can't select the Form assign to FormPanel property"};

}  // namespace zorbit
