#pragma once
// A read-only stream over one of the program's named resources
// (Resources.h): reads and seeks like a memory stream over the resource's
// bytes, which it never copies. A name the program does not carry raises
// EResNotFound "Resource %s not found"; writing or resizing raises
// EStreamError "Can't write to a read-only resource stream" and changes
// nothing.
#include "platform/os/Resources.h"
#include "platform/rtl/Streams.h"

namespace plat {

class TResourceStream : public TStream {
 public:
  TResourceStream(HMODULE Instance, const String& ResName, Word ResType);

  Int64 Read(void* buffer, Int64 count) override;
  Int64 Write(const void* buffer, Int64 count) override;
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;
  Int64 Size() override { return FSize; }
  void SetSize(Int64 newSize) override;

  const Byte* Memory() const { return FData; }

 private:
  const Byte* FData = nullptr;
  Int64 FSize = 0;
  Int64 FPosition = 0;
};

}  // namespace plat
