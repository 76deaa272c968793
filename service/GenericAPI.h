#pragma once
// The log file, the single-instance check, and the small text and list
// routines that the service requests share.
#include <cstdint>

#include "platform/rtl/Types.h"

namespace plat {
class TStrings;
}

namespace zorbit {

// Appends "date time: Msg" to qellog.txt in the common application-data
// folder, only when that file already exists. Never fails.
void WriteLog(const plat::String& Msg);

// True when this copy must end: with the argument "exit" (the running copy is
// asked to close), when a copy named Name already runs, or when that cannot
// be told because the mutex cannot be made (the program's message box,
// captioned Name, says why).
bool CheckSingleInstance(const plat::String& Name, const plat::String& WindowClass, bool Activate);

// The bytes of Text as two upper-case hexadecimal digits each, joined by commas.
plat::String HexByteList(const plat::String& Text);

// Reads Text with the locale's decimal separator, then with the other one; 0
// when unreadable both ways.
double StrToFloatTolerant(const plat::String& Text);

// The value of List's entry Name (empty when List is null or has none),
// deleting the entry when Delete is true.
plat::String GetListValue(plat::TStrings* List, const plat::String& Name, bool Delete = false);

// That value read as an integer (decimal, or hexadecimal after "$", "x" or
// "0x"), Default when empty or unreadable. 64 bits wide, so unsigned 32-bit
// register values keep their value.
std::int64_t GetListInt(plat::TStrings* List, const plat::String& Name, std::int64_t Default);

void InitializeGenericAPI();
void FinalizeGenericAPI();

}  // namespace zorbit
