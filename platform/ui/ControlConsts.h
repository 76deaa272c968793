#pragma once
// The built-in texts of the controls, forms and application. Identifiers
// 64100 to 64199.
#include <span>

#include "platform/rtl/ResourceStrings.h"

namespace plat {

extern const TResStringRec SControlParentSetToSelf;  // "A control cannot have itself as its parent"
extern const TResStringRec SParentRequired;          // "Control '%s' has no parent window"
extern const TResStringRec SWindowCreate;            // "Error creating window"
extern const TResStringRec SCannotFocus;             // "Cannot focus a disabled or invisible window"
extern const TResStringRec SCannotShowModal;         // "Cannot make a visible window modal"
extern const TResStringRec SImageIndexError;         // "Invalid ImageList Index"
extern const TResStringRec SImageListSize;           // "Invalid image size"

std::span<const TResStringRec* const> ControlResStringTable();

}  // namespace plat
