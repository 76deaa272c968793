#include "app/cabfiles.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "app/PackTarget.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileHandles.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringUtils.h"
#include "platform/win/MessageBox.h"

namespace zorbit {

using plat::INT_PTR;
using plat::String;
using plat::UINT;

namespace {

// The component whose file the write routine is writing: the cabinet calls
// give the write routine no context of its own.
thread_local TCABFile* writeTarget = nullptr;

constexpr std::size_t kMaxErrorText = 1024;

// A failed write, close or seek is shown, and the operation goes on.
void ShowFileError() {
  String text = plat::SysErrorMessage(plat::GetLastError());
  if (text.size() > kMaxErrorText) {
    text.resize(kMaxErrorText);
  }
  plat::MessageBox(nullptr, text, "Error", plat::MB_OK | plat::MB_ICONWARNING);
}

void* CabAlloc(plat::ULONG Size) { return std::malloc(Size); }
void CabFree(void* Memory) { std::free(Memory); }

INT_PTR CabOpen(char* FileName, int Flags, int) {
  if (Flags & plat::CRT_O_CREAT) {
    return plat::FileCreate(FileName);
  }
  return plat::FileOpen(FileName, static_cast<plat::Word>(Flags & plat::CRT_O_ACCMODE));
}

UINT CabRead(INT_PTR Handle, void* Buffer, UINT Count) {
  return static_cast<UINT>(plat::FileRead(static_cast<int>(Handle), Buffer, static_cast<int>(Count)));
}

int CabClose(INT_PTR Handle) {
  if (!plat::FileClose(static_cast<int>(Handle))) {
    ShowFileError();
    return -1;
  }
  return 0;
}

plat::LONG CabSeek(INT_PTR Handle, plat::LONG Distance, int Origin) {
  const plat::Int64 position = plat::FileSeek(static_cast<int>(Handle), Distance, Origin);
  if (position < 0) {
    ShowFileError();
  }
  return static_cast<plat::LONG>(position);
}

// The stored date and time words as a local date-time; 0 when they hold no valid one.
plat::TDateTime StoredStamp(plat::USHORT Date, plat::USHORT Time) {
  plat::TDateTime date = 0;
  plat::TDateTime time = 0;
  const bool valid =
      plat::TryEncodeDate(static_cast<plat::Word>(1980 + (Date >> 9)), (Date >> 5) & 15, Date & 31, date) &&
      plat::TryEncodeTime(Time >> 11, (Time >> 5) & 63, (Time & 31) * 2, 0, time);
  return valid ? date + time : 0;
}

bool IsDelimiter(char c) { return c == '\\' || c == '/'; }

// The folders and the file name of a stored name; empty when the name would
// leave the target folder (absolute, with a drive, or climbing with "..") or
// names no file.
std::vector<String> SafeParts(const String& Stored) {
  if (Stored.empty() || IsDelimiter(Stored.front()) || Stored.find(':') != String::npos || IsDelimiter(Stored.back())) {
    return {};
  }
  std::vector<String> parts;
  String part;
  for (std::size_t i = 0; i <= Stored.size(); ++i) {
    if (i < Stored.size() && !IsDelimiter(Stored[i])) {
      part += Stored[i];
      continue;
    }
    if (part == "..") {
      return {};
    }
    if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    part.clear();
  }
  return parts;
}

// Stored names compare without case and with either delimiter.
bool SameStoredName(String a, String b) {
  std::replace(a.begin(), a.end(), '/', '\\');
  std::replace(b.begin(), b.end(), '/', '\\');
  return plat::AnsiSameText(a, b);
}

// Ends an unpacking however it goes: the context is destroyed, and a file
// left half written by a failed copy is removed rather than kept as if whole.
class TUnpacking {
 public:
  TUnpacking(TCABFile* Owner, plat::HFDI Context, std::function<void()> DropHalfFile)
      : FOwner(Owner), FContext(Context), FDropHalfFile(std::move(DropHalfFile)) {}
  ~TUnpacking() {
    if (FContext) {
      Finish();
    }
  }
  TUnpacking(const TUnpacking&) = delete;
  TUnpacking& operator=(const TUnpacking&) = delete;

  // Whether destroying the context succeeded.
  bool Finish() {
    FDropHalfFile();
    if (writeTarget == FOwner) {
      writeTarget = nullptr;
    }
    return plat::FDIDestroy(std::exchange(FContext, nullptr)) != 0;
  }

 private:
  TCABFile* FOwner;
  plat::HFDI FContext;
  std::function<void()> FDropHalfFile;
};

}  // namespace

TCABFileEntry& TCABFileContents::Items(int Index) {
  if (Index < 0 || Index >= Count()) {
    throw plat::EListError(plat::FmtLoadResString(plat::SListIndexError, {Index}));
  }
  return *FItems[static_cast<std::size_t>(Index)];
}

TCABFileEntry& TCABFileContents::Add() {
  FItems.push_back(std::make_unique<TCABFileEntry>());
  return *FItems.back();
}

TCABFile::TCABFile() = default;

TCABFile::~TCABFile() {
  if (writeTarget == this) {
    writeTarget = nullptr;
  }
}

bool TCABFile::ReadContents() { return Read(TReadMode::rmContents); }

bool TCABFile::ExtractAll() { return Unpack(TReadMode::rmAll); }

bool TCABFile::ExtractFile(const String& FileName) {
  FFileToExtract = FileName;
  return Unpack(TReadMode::rmFile);
}

bool TCABFile::Unpack(TReadMode Mode) {
  FUnpacked.clear();
  // A pack over the limits is refused before anything of it is written.
  if (!Read(TReadMode::rmSurvey)) {
    return false;
  }
  FTarget = std::make_unique<TPackTarget>(FTargetPath);
  const bool unpacked = Read(Mode);
  if (FOverLimits) {
    FTarget->Undo();
  }
  FUnpacked = FTarget->Files();
  FTarget.reset();
  return unpacked;
}

bool TCABFile::Read(TReadMode Mode) {
  FMode = Mode;
  FRefused = false;
  FMembers = 0;
  FPackBytes = 0;
  FPackWritten = 0;
  FOverLimits = false;
  if (Mode == TReadMode::rmContents) {
    FContents.Clear();
  }
  const int probe = plat::FileOpen(FCABFile, plat::fmOpenRead);
  if (probe < 0) {
    return false;
  }
  plat::FileClose(probe);

  plat::ERF error;
  plat::HFDI context =
      plat::FDICreate(CabAlloc, CabFree, CabOpen, CabRead, WriteRoutine, CabClose, CabSeek, plat::cpu80386, &error);
  if (!context) {
    return false;
  }
  TUnpacking unpacking(this, context, [this] {
    if (FCurrentFolder) {
      FTarget->DeleteFile(*std::exchange(FCurrentFolder, nullptr), FCurrentFile);
    }
  });

  std::vector<char> path(FCABFile.begin(), FCABFile.end());
  path.push_back('\0');
  const INT_PTR source = CabOpen(path.data(), plat::CRT_O_RDONLY | plat::CRT_O_BINARY, 0);
  plat::FDICABINETINFO info;
  const bool isCabinet = source != -1 && plat::FDIIsCabinet(context, source, &info);
  if (source != -1) {
    CabClose(source);
  }
  if (!isCabinet) {
    unpacking.Finish();
    return false;
  }
  const String cabinetName = plat::ExtractFileName(FCABFile);
  const String cabinetPath = plat::ExtractFilePath(FCABFile);
  const bool copied = plat::FDICopy(context, cabinetName.c_str(), cabinetPath.c_str(), 0, Notify, nullptr, this) != 0;
  const bool destroyed = unpacking.Finish();
  return copied && destroyed && !FRefused;
}

bool TCABFile::Admit(int Size) {
  ++FMembers;
  FPackBytes += Size;
  FOverLimits = FOverLimits || Size < 0 || Size > FLimits.MaxMemberSize || FMembers > FLimits.MaxMembers ||
                FPackBytes > FLimits.MaxPackSize;
  return !FOverLimits;
}

INT_PTR TCABFile::Notify(plat::FDINOTIFICATIONTYPE Kind, plat::FDINOTIFICATION* Notice) {
  auto* self = static_cast<TCABFile*>(Notice->pv);
  switch (Kind) {
    case plat::fdintCOPY_FILE: return self->TakeFile(Notice->psz1, Notice->cb, StoredStamp(Notice->date, Notice->time));
    case plat::fdintCLOSE_FILE_INFO: return self->FinishFile(Notice->hf, StoredStamp(Notice->date, Notice->time));
    default: return 0;
  }
}

INT_PTR TCABFile::TakeFile(const char* StoredName, int Size, plat::TDateTime Stamp) {
  switch (FMode) {
    case TReadMode::rmContents: {
      TCABFileEntry& entry = FContents.Add();
      entry.SetName(StoredName);
      entry.SetSize(Size);
      entry.SetDateTime(Stamp);
      return 0;
    }
    case TReadMode::rmSurvey: return Admit(Size) ? 0 : -1;
    case TReadMode::rmFile:
      if (!SameStoredName(StoredName, FFileToExtract)) {
        return 0;
      }
      break;
    case TReadMode::rmAll: break;
  }
  // Checked again: the pack may have changed since the survey.
  return Admit(Size) ? CreateFile(StoredName, Size) : -1;
}

INT_PTR TCABFile::CreateFile(const char* StoredName, int Size) {
  const std::vector<String> parts = SafeParts(StoredName);
  TTargetFolder* folder = parts.empty() ? nullptr : FTarget->Enter({parts.begin(), parts.end() - 1});
  if (!folder) {
    FRefused = true;
    return 0;
  }
  const String& name = parts.back();
  if (const String existing = folder->Find(name); !existing.empty()) {
    bool overWrite = true;
    if (OnOverWriteFile) {
      OnOverWriteFile(this, folder->Path() + existing, overWrite);
    }
    if (!overWrite) {
      return 0;
    }
    if (!FTarget->DeleteFile(*folder, existing)) {
      FRefused = true;  // a folder of that name
      return 0;
    }
  }
  const int handle = FTarget->CreateFile(*folder, name);
  if (handle < 0) {
    return -1;
  }
  FCurrentName = StoredName;
  FCurrentSize = Size;
  FWritten = 0;
  FCurrentFolder = folder;
  FCurrentFile = name;
  writeTarget = this;
  return handle;
}

bool TCABFile::FinishFile(INT_PTR Handle, plat::TDateTime Stamp) {
  if (Stamp != 0) {
    plat::FileSetDate(static_cast<int>(Handle), Stamp);
  }
  CabClose(Handle);
  FCurrentFolder = nullptr;
  return true;
}

UINT TCABFile::WriteRoutine(INT_PTR Handle, void* Buffer, UINT Count) {
  TCABFile* target = writeTarget;
  // The bytes written are held to the limits too, whatever the stored sizes claim.
  if (target && (target->FWritten + std::int64_t{Count} > target->FCurrentSize ||
                 target->FPackWritten + std::int64_t{Count} > target->FLimits.MaxPackSize)) {
    target->FOverLimits = true;
    return static_cast<UINT>(-1);
  }
  const int written = plat::FileWrite(static_cast<int>(Handle), Buffer, static_cast<int>(Count));
  if (written < 0) {
    ShowFileError();
    return static_cast<UINT>(-1);
  }
  if (target) {
    target->FWritten += written;
    target->FPackWritten += written;
    if (target->OnDecompressProgress) {
      target->OnDecompressProgress(target, target->FCurrentName, target->FCurrentSize, target->FWritten);
    }
  }
  return static_cast<UINT>(written);
}

}  // namespace zorbit
