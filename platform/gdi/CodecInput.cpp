#include "platform/gdi/CodecInput.h"

#include <algorithm>

#include "platform/gdi/PictureFile.h"

namespace plat {

namespace {

// Pictures smaller than this many pixels pass whatever their encoding.
constexpr long long FreePixels = 1LL << 20;

}  // namespace

void ByteReader::Fail(const char* problem) const {
  throw EInvalidGraphic(String("Invalid ") + FKind + " image: " + problem);
}

std::size_t ByteReader::Need(std::size_t count) const {
  if (count > Remaining()) Fail("the data ends too early");
  return FPosition;
}

void ByteReader::Seek(std::size_t position) {
  if (position > FData.size()) Fail("an offset points past the end");
  FPosition = position;
}

Byte ByteReader::U8() {
  const std::size_t at = Need(1);
  ++FPosition;
  return FData[at];
}

Word ByteReader::U16() {
  const std::size_t at = Need(2);
  FPosition += 2;
  return static_cast<Word>(FData[at] | (FData[at + 1] << 8));
}

DWORD ByteReader::U32() {
  const std::size_t at = Need(4);
  FPosition += 4;
  return static_cast<DWORD>(FData[at]) | (static_cast<DWORD>(FData[at + 1]) << 8) |
         (static_cast<DWORD>(FData[at + 2]) << 16) | (static_cast<DWORD>(FData[at + 3]) << 24);
}

std::span<const Byte> ByteReader::Bytes(std::size_t count) {
  const std::size_t at = Need(count);
  FPosition += count;
  return FData.subspan(at, count);
}

void CheckImageSize(long long width, long long height, std::size_t encodedBytes, long long pixelsPerByte,
                    const char* kind) {
  auto fail = [&](const char* problem) { throw EInvalidGraphic(String("Invalid ") + kind + " image: " + problem); };
  if (width <= 0 || height <= 0) fail("the size is empty or negative");
  if (width > Bitmap::MaxDimension || height > Bitmap::MaxDimension || width * height > Bitmap::MaxPixels) {
    fail("the size is too large");
  }
  CheckProportion(width * height, encodedBytes, pixelsPerByte, kind);
}

void CheckProportion(long long pixels, std::size_t encodedBytes, long long pixelsPerByte, const char* kind) {
  if (pixels > FreePixels && pixels / pixelsPerByte > static_cast<long long>(encodedBytes)) {
    throw EInvalidGraphic(String("Invalid ") + kind + " image: the size is out of proportion to the data");
  }
}

std::vector<Byte> ReadRest(TStream& stream, const char* kind) {
  const Int64 rest = stream.Size() - stream.Position();
  if (rest > kMaxEncodedPictureBytes) throw EInvalidGraphic(String("Invalid ") + kind + " image: the data is too large");
  std::vector<Byte> data(static_cast<std::size_t>(std::max<Int64>(rest, 0)));
  if (!data.empty()) stream.ReadBuffer(data.data(), static_cast<Int64>(data.size()));
  return data;
}

}  // namespace plat
