#pragma once
// What the platform reads of a data object someone else made (a drag's
// source in this program, to hand it to another program). The object is
// untrusted: a format enumerator that cannot be had or fails counts as
// offering nothing, one that never ends is read only so far, and data
// comes only as a global memory block.
#include <optional>
#include <vector>

#include "platform/win/Ole.h"

namespace plat {

// At most this many formats are read from an enumerator.
inline constexpr std::size_t kMaxOfferedFormats = 256;

// The formats offered for the content aspect in a global memory block,
// in the enumerator's order, each once.
std::vector<CLIPFORMAT> OfferedFormats(IDataObject* data);
// The bytes of a format's block; none when the object does not give them.
std::optional<std::vector<Byte>> FormatBytes(IDataObject* data, CLIPFORMAT format);

}  // namespace plat
