#pragma once
// TCABFile reads Microsoft cabinets through the platform's cabinet calls: it
// lists a cabinet's contents, unpacks all of it, or unpacks one named file
// into TargetPath, keeping the folders of the stored names. Stored names are
// matched without case, and a file of the same name (in any case) already in
// the target is replaced. Members whose stored name is absolute or climbs out
// with ".." are never written, nor members whose folder in the target is a
// link or a file: nothing is written through a link.
//
// Packs are untrusted, and a small one can claim gigabytes (members of one
// folder may overlap, each claiming the same decompressed bytes). Before
// anything is written the stored sizes are checked against Limits: a pack
// over them is refused whole and unpacking it fails, as for a broken pack.
// The bytes actually written are held to the same limits; a pack caught
// over them while unpacking has everything this unpacking wrote removed.
#include <cstdint>
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

// What unpacking one pack may write.
struct TPackLimits {
  std::int64_t MaxMemberSize = std::int64_t{64} << 20;
  std::int64_t MaxPackSize = std::int64_t{256} << 20;
  int MaxMembers = 20000;
};

class TPackTarget;
class TTargetFolder;

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

  const TPackLimits& Limits() const { return FLimits; }
  void SetLimits(const TPackLimits& Value) { FLimits = Value; }

  // Each gives true on success. ReadContents replaces CABFileContents.
  // A refused member name makes the unpacking report failure; the other
  // members are unpacked all the same. A pack over the limits is refused whole.
  bool ReadContents();
  bool ExtractAll();
  bool ExtractFile(const plat::String& FileName);
  // The local paths of the files the last ExtractAll or ExtractFile wrote.
  const std::vector<plat::String>& Unpacked() const { return FUnpacked; }

 private:
  // rmSurvey tallies the stored sizes against the limits, writing nothing.
  enum class TReadMode { rmContents, rmSurvey, rmAll, rmFile };

  bool Unpack(TReadMode Mode);
  bool Read(TReadMode Mode);
  // Counts a member about to be written; false when it breaks the limits.
  bool Admit(int Size);
  // The copy-file and close-file notifications.
  plat::INT_PTR TakeFile(const char* StoredName, int Size, plat::TDateTime Stamp);
  plat::INT_PTR CreateFile(const char* StoredName, int Size);
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
  TPackLimits FLimits;
  // Members and bytes counted against the limits in this pass.
  int FMembers = 0;
  std::int64_t FPackBytes = 0;
  std::int64_t FPackWritten = 0;
  bool FOverLimits = false;
  std::unique_ptr<TPackTarget> FTarget;
  std::vector<plat::String> FUnpacked;
  // The file being unpacked: its name, size, written bytes, and its folder
  // and name in the target (FCurrentFolder is null when none is open).
  plat::String FCurrentName;
  int FCurrentSize = 0;
  int FWritten = 0;
  TTargetFolder* FCurrentFolder = nullptr;
  plat::String FCurrentFile;
};

}  // namespace zorbit
