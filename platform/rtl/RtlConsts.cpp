#include "platform/rtl/RtlConsts.h"

namespace plat {

const TResStringRec SInvalidInteger{65000, "'%s' is not a valid integer value"};
const TResStringRec SInvalidFloat{65001, "'%s' is not a valid floating point value"};
const TResStringRec SInvalidBoolean{65002, "'%s' is not a valid boolean value"};
const TResStringRec SInvalidDate{65003, "'%s' is not a valid date"};
const TResStringRec SInvalidTime{65004, "'%s' is not a valid time"};
const TResStringRec SInvalidDateTime{65005, "'%s' is not a valid date and time"};
const TResStringRec SInvalidFormat{65006, "Format '%s' invalid or incompatible with argument"};
const TResStringRec SArgumentMissing{65007, "No argument for format '%s'"};
const TResStringRec SDateEncodeError{65008, "Invalid argument to date encode"};
const TResStringRec STimeEncodeError{65009, "Invalid argument to time encode"};
const TResStringRec SOSError{65010, "System Error.  Code: %d.\r\n%s"};
const TResStringRec SUnkOSError{65011, "A call to an OS function failed"};
const TResStringRec SListIndexError{65012, "List index out of bounds (%d)"};
const TResStringRec SDuplicateString{65013, "String list does not allow duplicates"};
const TResStringRec SSortedListError{65014, "Operation not allowed on sorted list"};
const TResStringRec SReadError{65015, "Stream read error"};
const TResStringRec SWriteError{65016, "Stream write error"};
const TResStringRec SFOpenErrorEx{65017, "Cannot open file \"%s\". %s"};
const TResStringRec SFCreateErrorEx{65018, "Cannot create file \"%s\". %s"};
const TResStringRec SMemoryStreamError{65019, "Out of memory while expanding memory stream"};
const TResStringRec SIniFileWriteError{65020, "Unable to write to %s"};
const TResStringRec SMsgDlgWarning{65021, "Warning"};
const TResStringRec SMsgDlgError{65022, "Error"};
const TResStringRec SMsgDlgInformation{65023, "Information"};
const TResStringRec SMsgDlgConfirm{65024, "Confirm"};
const TResStringRec SMsgDlgYes{65025, "&Yes"};
const TResStringRec SMsgDlgNo{65026, "&No"};
const TResStringRec SMsgDlgOK{65027, "OK"};
const TResStringRec SMsgDlgCancel{65028, "Cancel"};
const TResStringRec SMsgDlgHelp{65029, "&Help"};
const TResStringRec SMsgDlgAbort{65030, "&Abort"};
const TResStringRec SMsgDlgRetry{65031, "&Retry"};
const TResStringRec SMsgDlgIgnore{65032, "&Ignore"};
const TResStringRec SMsgDlgAll{65033, "&All"};
const TResStringRec SMsgDlgNoToAll{65034, "N&o to All"};
const TResStringRec SMsgDlgYesToAll{65035, "Yes to &All"};
const TResStringRec SCloseButton{65036, "&Close"};
const TResStringRec SResNotFound{65037, "Resource %s not found"};
const TResStringRec SResStreamReadOnly{65038, "Can't write to a read-only resource stream"};
const TResStringRec SInOutError{65039, "I/O error %d"};

namespace {
const TResStringRec* const kTable[] = {
    &SInvalidInteger, &SInvalidFloat,      &SInvalidBoolean,    &SInvalidDate,     &SInvalidTime,   &SInvalidDateTime,
    &SInvalidFormat,  &SArgumentMissing,   &SDateEncodeError,   &STimeEncodeError, &SOSError,       &SUnkOSError,
    &SListIndexError, &SDuplicateString,   &SSortedListError,   &SReadError,       &SWriteError,    &SFOpenErrorEx,
    &SFCreateErrorEx, &SMemoryStreamError, &SIniFileWriteError, &SMsgDlgWarning,   &SMsgDlgError,   &SMsgDlgInformation,
    &SMsgDlgConfirm,  &SMsgDlgYes,         &SMsgDlgNo,          &SMsgDlgOK,        &SMsgDlgCancel,  &SMsgDlgHelp,
    &SMsgDlgAbort,    &SMsgDlgRetry,       &SMsgDlgIgnore,      &SMsgDlgAll,       &SMsgDlgNoToAll, &SMsgDlgYesToAll,
    &SCloseButton,    &SResNotFound,       &SResStreamReadOnly, &SInOutError,
};
}  // namespace

std::span<const TResStringRec* const> RtlResStringTable() { return kTable; }

}  // namespace plat
