#pragma once
// Reading a picture file by its name, for every reader that takes one. A
// name may lead anywhere: only a regular file is read, opened without
// blocking, so a FIFO, a device or a folder is refused at once instead of
// waited on or read for ever; and no file larger than any picture reader
// takes is read at all.
//
// Refuses: a file that cannot be opened or is no regular file raises
// EFOpenError "Cannot open file \"%s\". %s" (the system's text for the
// reason; "Access is denied." for what is no regular file); one larger than
// kMaxEncodedPictureBytes raises EInvalidGraphic before a byte is read; a
// failing read raises EReadError.
#include "platform/rtl/Streams.h"
#include "platform/rtl/Types.h"

namespace plat {

// No picture reader takes more encoded bytes than this, from a file or a
// stream.
inline constexpr Int64 kMaxEncodedPictureBytes = Int64{512} << 20;

// Replaces stream's content with the file's bytes, its position at the
// start.
void ReadPictureFile(const String& fileName, TMemoryStream& stream);

}  // namespace plat
