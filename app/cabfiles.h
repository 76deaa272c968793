#pragma once
// TCABFile reads Microsoft cabinets through the platform's cabinet calls: it
// lists a cabinet's contents, unpacks all of it, or unpacks one named file
// into TargetPath, keeping the folders of the stored names. Stored names are
// matched without case, and a file of the same name (in any case) already in
// the target is replaced. Members whose stored name is absolute or climbs out
// with ".." are never written.
#include <functional>
#include <memory>
#include <vector>

#include "platform/os/Cabinet.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace zorbit {

enum class TCompressionType { typNone, typMSZIP, typLZX };
enum class TLZXMemory { lzxLowest, lzxLower, lzxLow, lzxMedium, lzxHigh, lzxHigher, lzxHighest };

// FileSize and the bytes done so far of the file being packed or unpacked.
using TCompressProgress =
    std::function<void(plat::TObject* Sender, const plat::String& FileName, int FileSize, int BytesDone)>;
using TDeCompressProgress =
    std::function<void(plat::TObject* Sender, const plat::String& FileName, int FileSize, int BytesWritten)>;
// Asked before an existing file is replaced; clearing OverWrite skips the stored file.
using TOverWriteFile = std::function<void(plat::TObject* Sender, const plat::String& FullPath, bool& OverWrite)>;

// One stored file, as ReadContents lists it.
class TCABFileEntry {
 public:
  const plat::String& CabName() const { return FCabName; }
  void SetCabName(const plat::String& Value) { FCabName = Value; }
  // The stored name, with the folders it holds ("sub\name.bmp").
  const plat::String& Name() const { return FName; }
  void SetName(const plat::String& Value) { FName = Value; }
  const plat::String& RelPath() const { return FRelPath; }
  void SetRelPath(const plat::String& Value) { FRelPath = Value; }
  int Size() const { return FSize; }
  void SetSize(int Value) { FSize = Value; }
  // The stored local date and time; 0 when the stored one is no valid date.
  plat::TDateTime DateTime() const { return FDateTime; }
  void SetDateTime(plat::TDateTime Value) { FDateTime = Value; }

 private:
  plat::String FCabName;
  plat::String FName;
  plat::String FRelPath;
  int FSize = 0;
  plat::TDateTime FDateTime = 0;
};

class TCABFileContents {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // An index out of range raises EListError.
  TCABFileEntry& Items(int Index);
  TCABFileEntry& Add();
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TCABFileEntry>> FItems;
};

class TCABFile : public plat::TObject {
 public:
  TCABFile();
  ~TCABFile() override;
  TCABFile(const TCABFile&) = delete;
  TCABFile& operator=(const TCABFile&) = delete;

  TCABFileContents& CABFileContents() { return FContents; }
  // The cabinet's path.
  const plat::String& CABFile() const { return FCABFile; }
  void SetCABFile(const plat::String& Value) { FCABFile = Value; }
  // Carried for packing, which this reader does not do.
  TCompressionType CompressionType() const { return FCompressionType; }
  void SetCompressionType(TCompressionType Value) { FCompressionType = Value; }
  TLZXMemory LZXMemory() const { return FLZXMemory; }
  void SetLZXMemory(TLZXMemory Value) { FLZXMemory = Value; }
  // The folder to unpack into.
  const plat::String& TargetPath() const { return FTargetPath; }
  void SetTargetPath(const plat::String& Value) { FTargetPath = Value; }

  TCompressProgress OnCompressProgress;
  TDeCompressProgress OnDecompressProgress;
  TOverWriteFile OnOverWriteFile;

  // Each gives true on success. ReadContents replaces CABFileContents.
  // A refused member name makes the unpacking report failure; the other
  // members are unpacked all the same.
  bool ReadContents();
  bool ExtractAll();
  bool ExtractFile(const plat::String& FileName);

 private:
  enum class TReadMode { rmContents, rmAll, rmFile };

  bool Read(TReadMode Mode);
  // The copy-file and close-file notifications.
  plat::INT_PTR TakeFile(const char* StoredName, int Size, plat::TDateTime Stamp);
  bool FinishFile(plat::INT_PTR Handle, plat::TDateTime Stamp);

  // The notification and write routines handed to the cabinet calls.
  static plat::INT_PTR Notify(plat::FDINOTIFICATIONTYPE Kind, plat::FDINOTIFICATION* Notice);
  static plat::UINT WriteRoutine(plat::INT_PTR Handle, void* Buffer, plat::UINT Count);

  TCABFileContents FContents;
  plat::String FCABFile;
  TCompressionType FCompressionType = TCompressionType::typMSZIP;
  TLZXMemory FLZXMemory = TLZXMemory::lzxLowest;
  plat::String FTargetPath;
  plat::String FFileToExtract;
  TReadMode FMode = TReadMode::rmContents;
  bool FRefused = false;
  // The file being unpacked: its name, size, written bytes and local path
  // (empty when none is open).
  plat::String FCurrentName;
  int FCurrentSize = 0;
  int FWritten = 0;
  plat::String FCurrentPath;
};

}  // namespace zorbit
