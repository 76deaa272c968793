#pragma once
// What libchm takes on trust from a compiled help file, checked before the
// file is handed to it. The library sizes buffers and divides by numbers it
// reads from the file unchecked, so a hostile file makes it allocate
// gigabytes or divide by zero, in chm_open already. They are read here
// first, from the places the library reads them:
//   - the directory's chunk size (in the directory header that the file
//     header points to): 256 bytes to 64 KiB (files use 4 KiB);
//   - the compressed section's control data and reset table, wherever a
//     directory entry of their name puts them: in the uncompressed section,
//     inside the file, with an LZX window of 32 KiB to 2 MiB, a reset
//     interval of a whole number of half windows, at least one window per
//     reset, and blocks of one LZX frame (32 KiB).
// Directory chunks are looked for wherever the library could be led to
// read one (at every chunk-sized step from the directory's start to the
// end of the file), so no entry it may find escapes the check. A file
// without the two headers passes: libchm refuses it itself.
#include "platform/rtl/Types.h"

namespace plat::detail {

// Empty when the file may be handed to libchm; else what is damaged ("its
// directory is damaged", "its compressed section is damaged").
String CompiledHelpDamage(const String& fileName);

}  // namespace plat::detail
