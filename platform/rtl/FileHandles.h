#pragma once
// Files by handle: the plain open, create, read, write, seek and close calls
// that lie beneath the streams, for callers that hand file routines to a
// library (the cabinet reader). Every failure gives -1 (false for FileClose)
// and sets the last error (LastError.h).
#include "platform/rtl/Types.h"

namespace plat {

// Opens an existing file with fmOpenRead, fmOpenWrite or fmOpenReadWrite
// (Streams.h); share bits are accepted and not enforced.
int FileOpen(const String& fileName, Word mode);
// Creates the file, or empties an existing one, for reading and writing.
int FileCreate(const String& fileName);
// The number of bytes moved (fewer than count only at the end of the file).
int FileRead(int handle, void* buffer, int count);
int FileWrite(int handle, const void* buffer, int count);
// origin: 0 from the start, 1 from the position, 2 from the end. The new position.
Int64 FileSeek(int handle, Int64 offset, int origin);
bool FileClose(int handle);

}  // namespace plat
