#include "platform/ui/UiConsts.h"

namespace plat {

const TResStringRec SAssignError{64000, "Cannot assign a %s to a %s"};
const TResStringRec SInvalidName{64001, "'%s' is not a valid component name"};
const TResStringRec SDuplicateName{64002, "A component named %s already exists"};
const TResStringRec SOwnershipCycle{64003, "%s cannot own %s, which owns it"};
const TResStringRec SDuplicateClass{64004, "A class named %s already exists"};
const TResStringRec SLayoutNotFound{64005, "Layout %s not found"};
const TResStringRec SLayoutInvalid{64006, "Layout %s is not valid: %s"};
const TResStringRec SLayoutTooLarge{64007, "it is larger than %d bytes"};
const TResStringRec SLayoutTooDeep{64008, "it is nested more than %d levels deep"};
const TResStringRec SLayoutTooManyComponents{64009, "it has more than %d components"};
const TResStringRec SLayoutInheritCycle{64010, "it inherits itself through %s"};
const TResStringRec SLayoutInheritTooDeep{64011, "it inherits more than %d layouts"};
const TResStringRec SLayoutReadError{64012, "Error reading %s in layout %s: %s"};
const TResStringRec SClassNotFound{64013, "Class %s not found"};
const TResStringRec SClassNotCreatable{64014, "Class %s cannot be created"};
const TResStringRec SUnknownProperty{64015, "Property %s does not exist"};
const TResStringRec SInvalidPropertyValue{64016, "Invalid property value %s"};
const TResStringRec SComponentNotFound{64017, "Component %s not found"};
const TResStringRec SComponentWrongClass{64018, "Component %s is not of a class the property takes"};
const TResStringRec SComponentListedTwice{64019, "Component %s is listed twice"};
const TResStringRec SHandlerNotFound{64020, "Event handler %s not found"};
const TResStringRec SHandlerMismatch{64021, "Event handler %s does not fit the event"};
const TResStringRec SEntryNotObject{64022, "Each entry of %s must be an object"};
const TResStringRec SEntryIncomplete{64023, "An entry of %s has neither a class nor a name"};
const TResStringRec SLayoutNotObject{64024, "it is not a JSON object"};
const TResStringRec SBaseClassMissing{64025, "Class %s must be registered before %s"};
const TResStringRec SLayoutTooManyMembers{64026, "it has an object of more than %d members"};
const TResStringRec SPropertyNotReadable{64027, "Property %s cannot be read"};
const TResStringRec SPropertyWrongKind{64028, "Property %s is not of the kind asked for"};

const TResStringRec SControlParentSetToSelf{64100, "A control cannot have itself as its parent"};
const TResStringRec SParentRequired{64101, "Control '%s' has no parent window"};
const TResStringRec SWindowCreate{64102, "Error creating window"};
const TResStringRec SCannotFocus{64103, "Cannot focus a disabled or invisible window"};
const TResStringRec SCannotShowModal{64104, "Cannot make a visible window modal"};
const TResStringRec SImageIndexError{64105, "Invalid ImageList Index"};
const TResStringRec SImageListSize{64106, "Invalid image size"};
const TResStringRec SMaskEditErr{64200, "Invalid input value.  Use escape key to abandon changes"};
const TResStringRec SIndexOutOfRange{64201, "Grid index out of range"};
const TResStringRec SFixedColTooBig{64202, "Fixed column count must be less than column count"};
const TResStringRec SFixedRowTooBig{64203, "Fixed row count must be less than row count"};
const TResStringRec SDateTimeMax{64204, "Date exceeds maximum of %s"};
const TResStringRec SDateTimeMin{64205, "Date is less than minimum of %s"};
const TResStringRec SInsertLineError{64206, "Unable to insert a line"};
const TResStringRec SmkcBkSp{64300, "BkSp"};
const TResStringRec SmkcTab{64301, "Tab"};
const TResStringRec SmkcEsc{64302, "Esc"};
const TResStringRec SmkcEnter{64303, "Enter"};
const TResStringRec SmkcSpace{64304, "Space"};
const TResStringRec SmkcPgUp{64305, "PgUp"};
const TResStringRec SmkcPgDn{64306, "PgDn"};
const TResStringRec SmkcEnd{64307, "End"};
const TResStringRec SmkcHome{64308, "Home"};
const TResStringRec SmkcLeft{64309, "Left"};
const TResStringRec SmkcUp{64310, "Up"};
const TResStringRec SmkcRight{64311, "Right"};
const TResStringRec SmkcDown{64312, "Down"};
const TResStringRec SmkcIns{64313, "Ins"};
const TResStringRec SmkcDel{64314, "Del"};
const TResStringRec SmkcShift{64315, "Shift+"};
const TResStringRec SmkcCtrl{64316, "Ctrl+"};
const TResStringRec SmkcAlt{64317, "Alt+"};
const TResStringRec SInvalidShortCut{64318, "'%s' is not a valid shortcut"};
const TResStringRec SMenuIndexError{64319, "Menu index out of range"};
const TResStringRec SMenuReinserted{64320, "Menu inserted twice"};
const TResStringRec SMenuNotFound{64321, "Sub-menu is not in menu"};
const TResStringRec SMenuTooMany{64322, "Too many menu items"};

namespace {
const TResStringRec* const kTable[] = {
    &SAssignError,
    &SInvalidName,
    &SDuplicateName,
    &SOwnershipCycle,
    &SDuplicateClass,
    &SLayoutNotFound,
    &SLayoutInvalid,
    &SLayoutTooLarge,
    &SLayoutTooDeep,
    &SLayoutTooManyComponents,
    &SLayoutInheritCycle,
    &SLayoutInheritTooDeep,
    &SLayoutReadError,
    &SClassNotFound,
    &SClassNotCreatable,
    &SUnknownProperty,
    &SInvalidPropertyValue,
    &SComponentNotFound,
    &SComponentWrongClass,
    &SComponentListedTwice,
    &SHandlerNotFound,
    &SHandlerMismatch,
    &SEntryNotObject,
    &SEntryIncomplete,
    &SLayoutNotObject,
    &SBaseClassMissing,
    &SLayoutTooManyMembers,
    &SPropertyNotReadable,
    &SPropertyWrongKind,
    &SControlParentSetToSelf,
    &SParentRequired,
    &SWindowCreate,
    &SCannotFocus,
    &SCannotShowModal,
    &SImageIndexError,
    &SImageListSize,
    &SMaskEditErr,
    &SIndexOutOfRange,
    &SFixedColTooBig,
    &SFixedRowTooBig,
    &SDateTimeMax,
    &SDateTimeMin,
    &SInsertLineError,
    &SmkcBkSp,
    &SmkcTab,
    &SmkcEsc,
    &SmkcEnter,
    &SmkcSpace,
    &SmkcPgUp,
    &SmkcPgDn,
    &SmkcEnd,
    &SmkcHome,
    &SmkcLeft,
    &SmkcUp,
    &SmkcRight,
    &SmkcDown,
    &SmkcIns,
    &SmkcDel,
    &SmkcShift,
    &SmkcCtrl,
    &SmkcAlt,
    &SInvalidShortCut,
    &SMenuIndexError,
    &SMenuReinserted,
    &SMenuNotFound,
    &SMenuTooMany,
};
}  // namespace

std::span<const TResStringRec* const> UiResStringTable() { return kTable; }

}  // namespace plat
