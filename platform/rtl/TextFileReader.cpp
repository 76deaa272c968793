#include "platform/rtl/TextFileReader.h"

#include <cstring>

#include "platform/rtl/Exception.h"
#include "platform/rtl/FileHandles.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Streams.h"

namespace plat {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

[[noreturn]] void RaiseInOutError() {
  const DWORD code = GetLastError();
  throw EInOutError(FmtLoadResString(SInOutError, {static_cast<int>(code)}), static_cast<int>(code));
}

const char* Find(const char* From, const char* To, char C) {
  const void* found = std::memchr(From, C, static_cast<std::size_t>(To - From));
  return found ? static_cast<const char*>(found) : To;
}

}  // namespace

TTextFileReader::~TTextFileReader() { Close(); }

bool TTextFileReader::Open(const String& fileName) {
  Close();
  FHandle = FileOpen(fileName, fmOpenRead);
  if (FHandle < 0) return false;
  FBuffer.resize(kBufferSize);
  FPosition = FEnd = 0;
  return true;
}

void TTextFileReader::Close() {
  if (FHandle >= 0) FileClose(FHandle);
  FHandle = -1;
  FPosition = FEnd = 0;
}

void TTextFileReader::Reset() {
  if (FHandle < 0) return;
  if (FileSeek(FHandle, 0, 0) < 0) RaiseInOutError();
  FPosition = FEnd = 0;
  FLineFeed = kUnknown;
}

bool TTextFileReader::Fill() {
  if (FHandle < 0) return false;
  const int read = FileRead(FHandle, FBuffer.data(), static_cast<int>(FBuffer.size()));
  if (read < 0) RaiseInOutError();
  FPosition = 0;
  FEnd = static_cast<std::size_t>(read);
  FLineFeed = kUnknown;
  return read > 0;
}

std::size_t TTextFileReader::LineEnd() {
  const char* data = FBuffer.data();
  if (FLineFeed == kUnknown || FLineFeed < FPosition)
    FLineFeed = static_cast<std::size_t>(Find(data + FPosition, data + FEnd, '\n') - data);
  return static_cast<std::size_t>(Find(data + FPosition, data + FLineFeed, '\r') - data);
}

bool TTextFileReader::ReadLine(String& line) {
  line.clear();
  if (FPosition == FEnd && !Fill()) return false;
  for (;;) {
    const std::size_t stop = LineEnd();
    line.append(FBuffer.data() + FPosition, stop - FPosition);
    FPosition = stop;
    if (stop < FEnd) break;
    if (!Fill()) return true;
  }
  const char end = FBuffer[FPosition++];
  // The LF of a CR LF may lie in the next buffer.
  if (end == '\r' && (FPosition < FEnd || Fill()) && FBuffer[FPosition] == '\n') ++FPosition;
  return true;
}

}  // namespace plat
