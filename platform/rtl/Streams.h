#pragma once
// Streams: TStream and the file, handle, memory and string streams.
// Sizes and positions are 64-bit; a negative count reads or writes nothing.
#include <utility>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

enum TSeekOrigin { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

// File open modes, with the classic values.
constexpr Word fmCreate = 0xFFFF;
constexpr Word fmOpenRead = 0x0000;
constexpr Word fmOpenWrite = 0x0001;
constexpr Word fmOpenReadWrite = 0x0002;
constexpr Word fmShareCompat = 0x0000;
constexpr Word fmShareExclusive = 0x0010;
constexpr Word fmShareDenyWrite = 0x0020;
constexpr Word fmShareDenyRead = 0x0030;
constexpr Word fmShareDenyNone = 0x0040;

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Read and Write return the number of bytes moved (0 at the end).
  virtual Int64 Read(void* buffer, Int64 count) = 0;
  virtual Int64 Write(const void* buffer, Int64 count) = 0;
  // Returns the new position.
  virtual Int64 Seek(Int64 offset, TSeekOrigin origin) = 0;

  Int64 Position() { return Seek(0, soFromCurrent); }
  void SetPosition(Int64 position) { Seek(position, soFromBeginning); }
  virtual Int64 Size();
  virtual void SetSize(Int64 newSize);

  // Exactly count bytes or EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* buffer, Int64 count);
  void WriteBuffer(const void* buffer, Int64 count);
  // Copies count bytes from source (count 0: all of source from its start).
  Int64 CopyFrom(TStream& source, Int64 count);
};

// A stream over an open file descriptor, which it does not close.
class THandleStream : public TStream {
 public:
  explicit THandleStream(int handle) : FHandle(handle) {}

  int Handle() const { return FHandle; }
  Int64 Read(void* buffer, Int64 count) override;
  Int64 Write(const void* buffer, Int64 count) override;
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;
  void SetSize(Int64 newSize) override;

 protected:
  int FHandle;
};

// A file opened (or created, with fmCreate) by name and closed with the stream.
// Raises EFOpenError "Cannot open file \"%s\". %s" or EFCreateError.
// Share modes are accepted and not enforced.
class TFileStream : public THandleStream {
 public:
  TFileStream(const String& fileName, Word mode);
  ~TFileStream() override;

  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
};

// Bytes in memory, growing as they are written (up to 2 GiB - 1; beyond,
// EStreamError "Out of memory while expanding memory stream").
class TMemoryStream : public TStream {
 public:
  Int64 Read(void* buffer, Int64 count) override;
  Int64 Write(const void* buffer, Int64 count) override;
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;
  Int64 Size() override { return static_cast<Int64>(FData.size()); }
  void SetSize(Int64 newSize) override;

  Byte* Memory() { return FData.data(); }
  const Byte* Memory() const { return FData.data(); }
  void Clear();
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const String& fileName);
  void SaveToStream(TStream& stream) const;
  void SaveToFile(const String& fileName) const;

 private:
  std::vector<Byte> FData;
  Int64 FPosition = 0;
};

// A stream over a String.
class TStringStream : public TStream {
 public:
  explicit TStringStream(String data = String()) : FDataString(std::move(data)) {}

  Int64 Read(void* buffer, Int64 count) override;
  Int64 Write(const void* buffer, Int64 count) override;
  Int64 Seek(Int64 offset, TSeekOrigin origin) override;
  Int64 Size() override { return static_cast<Int64>(FDataString.size()); }
  void SetSize(Int64 newSize) override;

  const String& DataString() const { return FDataString; }
  // Up to count bytes from the position.
  String ReadString(Int64 count);
  void WriteString(const String& s);

 private:
  String FDataString;
  Int64 FPosition = 0;
};

}  // namespace plat
