#pragma once
// The class library's built-in texts. Load them with LoadResString or
// FmtLoadResString (platform/rtl/ResourceStrings.h) so that they pass
// through the translator.
#include <span>

#include "platform/rtl/ResourceStrings.h"

namespace plat {

// Components and persistent objects.
extern const TResStringRec SAssignError;     // "Cannot assign a %s to a %s"
extern const TResStringRec SInvalidName;     // "'%s' is not a valid component name"
extern const TResStringRec SDuplicateName;   // "A component named %s already exists"
extern const TResStringRec SOwnershipCycle;  // "%s cannot own %s, which owns it"

// Layouts.
extern const TResStringRec SDuplicateClass;           // "A class named %s already exists"
extern const TResStringRec SBaseClassMissing;         // "Class %s must be registered before %s"
extern const TResStringRec SLayoutNotFound;           // "Layout %s not found"
extern const TResStringRec SLayoutInvalid;            // "Layout %s is not valid: %s"
extern const TResStringRec SLayoutTooLarge;           // "it is larger than %d bytes"
extern const TResStringRec SLayoutTooDeep;            // "it is nested more than %d levels deep"
extern const TResStringRec SLayoutTooManyComponents;  // "it has more than %d components"
extern const TResStringRec SLayoutTooManyMembers;     // "it has an object of more than %d members"
extern const TResStringRec SLayoutInheritCycle;       // "it inherits itself through %s"
extern const TResStringRec SLayoutInheritTooDeep;     // "it inherits more than %d layouts"
extern const TResStringRec SLayoutReadError;          // "Error reading %s in layout %s: %s"
extern const TResStringRec SClassNotFound;            // "Class %s not found"
extern const TResStringRec SClassNotCreatable;        // "Class %s cannot be created"
extern const TResStringRec SUnknownProperty;          // "Property %s does not exist"
extern const TResStringRec SInvalidPropertyValue;     // "Invalid property value %s"
extern const TResStringRec SComponentNotFound;        // "Component %s not found"
extern const TResStringRec SComponentWrongClass;      // "Component %s is not of a class the property takes"
extern const TResStringRec SComponentListedTwice;     // "Component %s is listed twice"
extern const TResStringRec SHandlerNotFound;          // "Event handler %s not found"
extern const TResStringRec SHandlerMismatch;          // "Event handler %s does not fit the event"
extern const TResStringRec SEntryNotObject;           // "Each entry of %s must be an object"
extern const TResStringRec SEntryIncomplete;          // "An entry of %s has neither a class nor a name"
extern const TResStringRec SLayoutNotObject;          // "it is not a JSON object"
extern const TResStringRec SPropertyNotReadable;      // "Property %s cannot be read"
extern const TResStringRec SPropertyWrongKind;        // "Property %s is not of the kind asked for"

// Controls, forms and the application (64100 to 64199).
extern const TResStringRec SControlParentSetToSelf;  // "A control cannot have itself as its parent"
extern const TResStringRec SParentRequired;          // "Control '%s' has no parent window"
extern const TResStringRec SWindowCreate;            // "Error creating window"
extern const TResStringRec SCannotFocus;             // "Cannot focus a disabled or invisible window"
extern const TResStringRec SCannotShowModal;         // "Cannot make a visible window modal"
extern const TResStringRec SImageIndexError;         // "Invalid ImageList Index"
extern const TResStringRec SImageListSize;           // "Invalid image size"

// The standard controls (64200 to 64299).
extern const TResStringRec SMaskEditErr;      // "Invalid input value.  Use escape key to abandon changes"
extern const TResStringRec SIndexOutOfRange;  // "Grid index out of range"
extern const TResStringRec SFixedColTooBig;   // "Fixed column count must be less than column count"
extern const TResStringRec SFixedRowTooBig;   // "Fixed row count must be less than row count"
extern const TResStringRec SDateTimeMax;      // "Date exceeds maximum of %s"
extern const TResStringRec SDateTimeMin;      // "Date is less than minimum of %s"
extern const TResStringRec SInsertLineError;  // "Unable to insert a line"

// Menus and shortcuts (64300 to 64399). The key names make the texts of
// shortcuts ("Ctrl+S"), so a translation changes both ways of writing them.
extern const TResStringRec SmkcBkSp;          // "BkSp"
extern const TResStringRec SmkcTab;           // "Tab"
extern const TResStringRec SmkcEsc;           // "Esc"
extern const TResStringRec SmkcEnter;         // "Enter"
extern const TResStringRec SmkcSpace;         // "Space"
extern const TResStringRec SmkcPgUp;          // "PgUp"
extern const TResStringRec SmkcPgDn;          // "PgDn"
extern const TResStringRec SmkcEnd;           // "End"
extern const TResStringRec SmkcHome;          // "Home"
extern const TResStringRec SmkcLeft;          // "Left"
extern const TResStringRec SmkcUp;            // "Up"
extern const TResStringRec SmkcRight;         // "Right"
extern const TResStringRec SmkcDown;          // "Down"
extern const TResStringRec SmkcIns;           // "Ins"
extern const TResStringRec SmkcDel;           // "Del"
extern const TResStringRec SmkcShift;         // "Shift+"
extern const TResStringRec SmkcCtrl;          // "Ctrl+"
extern const TResStringRec SmkcAlt;           // "Alt+"
extern const TResStringRec SInvalidShortCut;  // "'%s' is not a valid shortcut"
extern const TResStringRec SMenuIndexError;   // "Menu index out of range"
extern const TResStringRec SMenuReinserted;   // "Menu inserted twice"
extern const TResStringRec SMenuNotFound;     // "Sub-menu is not in menu"
extern const TResStringRec SMenuTooMany;      // "Too many menu items"

// Every record above; identifiers 64000 to 64999 belong to the class library.
std::span<const TResStringRec* const> UiResStringTable();

}  // namespace plat
