#include "platform/ui/ControlConsts.h"

namespace plat {

const TResStringRec SControlParentSetToSelf{64100, "A control cannot have itself as its parent"};
const TResStringRec SParentRequired{64101, "Control '%s' has no parent window"};
const TResStringRec SWindowCreate{64102, "Error creating window"};
const TResStringRec SCannotFocus{64103, "Cannot focus a disabled or invisible window"};
const TResStringRec SCannotShowModal{64104, "Cannot make a visible window modal"};
const TResStringRec SImageIndexError{64105, "Invalid ImageList Index"};
const TResStringRec SImageListSize{64106, "Invalid image size"};

namespace {
const TResStringRec* const kTable[] = {
    &SControlParentSetToSelf, &SParentRequired,  &SWindowCreate,  &SCannotFocus,
    &SCannotShowModal,        &SImageIndexError, &SImageListSize,
};
}  // namespace

std::span<const TResStringRec* const> ControlResStringTable() { return kTable; }

}  // namespace plat
