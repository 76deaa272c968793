#pragma once
// Bounds-checked reading of encoded pictures, and the size limits every
// reader applies before it allocates. Internal to the drawing layer.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/TGraphic.h"
#include "platform/rtl/Streams.h"

namespace plat {

// Little-endian fields from a byte span; reading past the end raises
// EInvalidGraphic with the reader's name.
class ByteReader {
 public:
  ByteReader(std::span<const Byte> data, const char* kind) : FData(data), FKind(kind) {}

  std::size_t Position() const { return FPosition; }
  std::size_t Size() const { return FData.size(); }
  std::size_t Remaining() const { return FData.size() - FPosition; }
  void Seek(std::size_t position);
  void Skip(std::size_t count) { Seek(Need(count) + count); }

  Byte U8();
  Word U16();
  DWORD U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  // count bytes from the position, which moves past them.
  std::span<const Byte> Bytes(std::size_t count);

  [[noreturn]] void Fail(const char* problem) const;

 private:
  std::size_t Need(std::size_t count) const;

  std::span<const Byte> FData;
  std::size_t FPosition = 0;
  const char* FKind;
};

// Raises EInvalidGraphic unless width x height is a bitmap that can be made
// and is in proportion to the encodedBytes that describe it: a format packs
// at most pixelsPerByte pixels into a byte, so a few bytes can never ask for
// a huge picture.
void CheckImageSize(long long width, long long height, std::size_t encodedBytes, long long pixelsPerByte,
                    const char* kind);

// Raises EInvalidGraphic when pixels are out of proportion to the bytes that
// describe them (for all the frames of a picture together, say).
void CheckProportion(long long pixels, std::size_t encodedBytes, long long pixelsPerByte, const char* kind);

// The rest of a stream from its position; a stream too long for any picture
// is refused.
std::vector<Byte> ReadRest(TStream& stream, const char* kind);

}  // namespace plat
