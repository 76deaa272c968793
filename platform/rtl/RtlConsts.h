#pragma once
// The runtime's built-in texts: error messages, message-box button captions
// and dialog captions. Load them with LoadResString (ResourceStrings.h) so
// that they pass through the translator.
#include <span>

#include "platform/rtl/ResourceStrings.h"

namespace plat {

// Conversion and format errors.
extern const TResStringRec SInvalidInteger;   // "'%s' is not a valid integer value"
extern const TResStringRec SInvalidFloat;     // "'%s' is not a valid floating point value"
extern const TResStringRec SInvalidBoolean;   // "'%s' is not a valid boolean value"
extern const TResStringRec SInvalidDate;      // "'%s' is not a valid date"
extern const TResStringRec SInvalidTime;      // "'%s' is not a valid time"
extern const TResStringRec SInvalidDateTime;  // "'%s' is not a valid date and time"
extern const TResStringRec SInvalidFormat;    // "Format '%s' invalid or incompatible with argument"
extern const TResStringRec SArgumentMissing;  // "No argument for format '%s'"
extern const TResStringRec SDateEncodeError;  // "Invalid argument to date encode"
extern const TResStringRec STimeEncodeError;  // "Invalid argument to time encode"
extern const TResStringRec SOSError;          // "System Error.  Code: %d.\r\n%s"
extern const TResStringRec SUnkOSError;       // "A call to an OS function failed"

// Lists and streams.
extern const TResStringRec SListIndexError;     // "List index out of bounds (%d)"
extern const TResStringRec SDuplicateString;    // "String list does not allow duplicates"
extern const TResStringRec SSortedListError;    // "Operation not allowed on sorted list"
extern const TResStringRec SReadError;          // "Stream read error"
extern const TResStringRec SWriteError;         // "Stream write error"
extern const TResStringRec SFOpenErrorEx;       // "Cannot open file \"%s\". %s"
extern const TResStringRec SFCreateErrorEx;     // "Cannot create file \"%s\". %s"
extern const TResStringRec SMemoryStreamError;  // "Out of memory while expanding memory stream"
extern const TResStringRec SIniFileWriteError;  // "Unable to write to %s"
extern const TResStringRec SInOutError;         // "I/O error %d"

// Message-box captions and buttons.
extern const TResStringRec SMsgDlgWarning;      // "Warning"
extern const TResStringRec SMsgDlgError;        // "Error"
extern const TResStringRec SMsgDlgInformation;  // "Information"
extern const TResStringRec SMsgDlgConfirm;      // "Confirm"
extern const TResStringRec SMsgDlgYes;          // "&Yes"
extern const TResStringRec SMsgDlgNo;           // "&No"
extern const TResStringRec SMsgDlgOK;           // "OK"
extern const TResStringRec SMsgDlgCancel;       // "Cancel"
extern const TResStringRec SMsgDlgHelp;         // "&Help"
extern const TResStringRec SMsgDlgAbort;        // "&Abort"
extern const TResStringRec SMsgDlgRetry;        // "&Retry"
extern const TResStringRec SMsgDlgIgnore;       // "&Ignore"
extern const TResStringRec SMsgDlgAll;          // "&All"
extern const TResStringRec SMsgDlgNoToAll;      // "N&o to All"
extern const TResStringRec SMsgDlgYesToAll;     // "Yes to &All"
extern const TResStringRec SCloseButton;        // "&Close"
extern const TResStringRec SResNotFound;        // "Resource %s not found"
extern const TResStringRec SResStreamReadOnly;  // "Can't write to a read-only resource stream"

// Every record above; identifiers 65000 to 65499 belong to the runtime.
std::span<const TResStringRec* const> RtlResStringTable();

}  // namespace plat
