#include "platform/os/TResourceStream.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Exception.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

TResourceStream::TResourceStream(HMODULE Instance, const String& ResName, Word ResType) {
  HRSRC resource = FindResource(Instance, ResName, ResType);
  const void* data = resource ? LockResource(LoadResource(Instance, resource)) : nullptr;
  if (!data) throw EResNotFound(FmtLoadResString(SResNotFound, {ResName}));
  FData = static_cast<const Byte*>(data);
  FSize = SizeofResource(Instance, resource);
}

Int64 TResourceStream::Read(void* buffer, Int64 count) {
  if (count <= 0 || FPosition >= FSize) return 0;
  const Int64 n = std::min(count, FSize - FPosition);
  std::memcpy(buffer, FData + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return n;
}

Int64 TResourceStream::Write(const void*, Int64) { throw EStreamError(LoadResString(SResStreamReadOnly)); }

void TResourceStream::SetSize(Int64) { throw EStreamError(LoadResString(SResStreamReadOnly)); }

Int64 TResourceStream::Seek(Int64 offset, TSeekOrigin origin) {
  Int64 base = 0;
  switch (origin) {
    case soFromBeginning: base = 0; break;
    case soFromCurrent: base = FPosition; break;
    case soFromEnd: base = FSize; break;
  }
  // A seek before the start or past the range of positions leaves the position alone.
  Int64 target = 0;
  if (!__builtin_add_overflow(base, offset, &target) && target >= 0) FPosition = target;
  return FPosition;
}

}  // namespace plat
