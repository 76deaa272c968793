#include "platform/os/Cabinet.h"

#include <mspack.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/rtl/OemCodePage.h"

namespace plat {

namespace {

// An open file as libmspack sees it: the caller's handle, and whether the
// handle came from the caller's open routine (then libmspack's close closes
// it) or from a COPY_FILE notification (then the caller closes it).
struct TFdiFile {
  TFdiContext* Context;
  INT_PTR Handle;
  bool Owned;
};

// The file name under which libmspack opens the output of the file being copied.
const char kOutputName[] = "<copy target>";

// The fixed part of a cabinet header, little-endian.
constexpr UINT kHeaderSize = 36;
constexpr unsigned kFlagPrevCabinet = 0x01;
constexpr unsigned kFlagNextCabinet = 0x02;
constexpr unsigned kFlagReserve = 0x04;
constexpr unsigned kVersionMajor = 1;

unsigned ReadWord(const unsigned char* p) { return p[0] | (p[1] << 8); }
std::uint32_t ReadDword(const unsigned char* p) {
  return static_cast<std::uint32_t>(ReadWord(p)) | (static_cast<std::uint32_t>(ReadWord(p + 2)) << 16);
}

// The stored date and time words, rebuilt from libmspack's decoded fields.
USHORT DosDate(const mscabd_file& file) {
  return static_cast<USHORT>(((file.date_y - 1980) << 9) | (file.date_m << 5) | file.date_d);
}
USHORT DosTime(const mscabd_file& file) {
  return static_cast<USHORT>((file.time_h << 11) | (file.time_m << 5) | (file.time_s >> 1));
}

FDIERROR ErrorOf(int mspackError) {
  switch (mspackError) {
    case MSPACK_ERR_OK: return FDIERROR_NONE;
    case MSPACK_ERR_OPEN: return FDIERROR_CABINET_NOT_FOUND;
    case MSPACK_ERR_SIGNATURE: return FDIERROR_NOT_A_CABINET;
    case MSPACK_ERR_NOMEMORY: return FDIERROR_ALLOC_FAIL;
    case MSPACK_ERR_WRITE: return FDIERROR_TARGET_FILE;
    default: return FDIERROR_CORRUPT_CABINET;  // read, seek, data format and checksum errors
  }
}

// A copy of a text that the notification routine may write into, as FDI hands out char*.
std::vector<char> WritableText(const char* text) {
  const char* source = text ? text : "";
  return std::vector<char>(source, source + std::strlen(source) + 1);
}

// The stored name in UTF-8. Without the UTF flag a name is in the OEM code
// page of the system that made the cabinet; handing its bytes on raw would
// give file names that are not UTF-8.
std::string StoredName(const mscabd_file& file) {
  const std::string raw = file.filename ? file.filename : "";
  return (file.attribs & MSCAB_ATTRIB_UTF_NAME) != 0 ? raw : OemToChar(raw);
}

}  // namespace

struct TFdiContext {
  TFdiContext(PFNALLOC alloc, PFNFREE free, PFNOPEN open, PFNREAD read, PFNWRITE write, PFNCLOSE close, PFNSEEK seek,
              ERF* erf)
      : Alloc(alloc), Free(free), Open(open), Read(read), Write(write), Close(close), Seek(seek), Erf(erf) {}

  PFNALLOC Alloc;
  PFNFREE Free;
  PFNOPEN Open;
  PFNREAD Read;
  PFNWRITE Write;
  PFNCLOSE Close;
  PFNSEEK Seek;
  ERF* Erf;
  mspack_system System{};
  mscab_decompressor* Decompressor = nullptr;
  std::vector<std::unique_ptr<TFdiFile>> Files;
  INT_PTR OutputHandle = 0;
  // An exception thrown by one of the caller's routines while libmspack ran;
  // it is passed on once libmspack has returned.
  std::exception_ptr Pending;

  BOOL Fail(FDIERROR error) {
    if (Erf) {
      Erf->erfOper = error;
      Erf->erfType = 0;
      Erf->fError = 1;
    }
    return 0;
  }
  void RethrowPending() {
    if (Pending) {
      std::rethrow_exception(std::exchange(Pending, nullptr));
    }
  }
};

namespace {

// The context of the FDI call running on this thread. libmspack hands its
// routines copies of the system structure (and none at all to free), so the
// context cannot be found from what it passes.
thread_local TFdiContext* activeContext = nullptr;

TFdiFile* FileOf(mspack_file* file) { return reinterpret_cast<TFdiFile*>(file); }

// Runs one of the caller's routines for libmspack, which cannot let an
// exception pass: it is kept for later and the routine reports failure.
template <typename Result, typename Call>
Result Guarded(TFdiContext* context, Result failure, Call call) {
  try {
    return call();
  } catch (...) {
    if (!context->Pending) {
      context->Pending = std::current_exception();
    }
    return failure;
  }
}

mspack_file* SysOpen(mspack_system*, const char* filename, int mode) {
  TFdiContext* context = activeContext;
  INT_PTR handle = -1;
  bool owned = true;
  if (filename == kOutputName && mode == MSPACK_SYS_OPEN_WRITE) {
    handle = context->OutputHandle;
    owned = false;
  } else if (mode == MSPACK_SYS_OPEN_READ) {
    // The caller's routine takes a writable name, as the C runtime's open does.
    std::vector<char> name = WritableText(filename);
    handle = Guarded<INT_PTR>(context, -1, [&] { return context->Open(name.data(), CRT_O_RDONLY | CRT_O_BINARY, 0); });
  }
  if (handle == -1) {
    return nullptr;
  }
  context->Files.push_back(std::make_unique<TFdiFile>(TFdiFile{context, handle, owned}));
  return reinterpret_cast<mspack_file*>(context->Files.back().get());
}

void SysClose(mspack_file* file) {
  TFdiFile* fdiFile = FileOf(file);
  TFdiContext* context = fdiFile->Context;
  if (fdiFile->Owned) {
    Guarded<int>(context, -1, [&] { return context->Close(fdiFile->Handle); });
  }
  std::erase_if(context->Files, [&](const std::unique_ptr<TFdiFile>& f) { return f.get() == fdiFile; });
}

int SysRead(mspack_file* file, void* buffer, int bytes) {
  TFdiFile* f = FileOf(file);
  if (bytes < 0) {
    return -1;
  }
  const UINT n = Guarded<UINT>(f->Context, static_cast<UINT>(-1),
                               [&] { return f->Context->Read(f->Handle, buffer, static_cast<UINT>(bytes)); });
  return n > static_cast<UINT>(bytes) ? -1 : static_cast<int>(n);
}

int SysWrite(mspack_file* file, void* buffer, int bytes) {
  TFdiFile* f = FileOf(file);
  if (bytes < 0) {
    return -1;
  }
  const UINT n = Guarded<UINT>(f->Context, static_cast<UINT>(-1),
                               [&] { return f->Context->Write(f->Handle, buffer, static_cast<UINT>(bytes)); });
  return n > static_cast<UINT>(bytes) ? -1 : static_cast<int>(n);
}

int SysSeek(mspack_file* file, off_t offset, int mode) {
  TFdiFile* f = FileOf(file);
  if (offset < std::numeric_limits<LONG>::min() || offset > std::numeric_limits<LONG>::max()) {
    return -1;
  }
  int origin = CRT_SEEK_SET;
  switch (mode) {
    case MSPACK_SYS_SEEK_START: origin = CRT_SEEK_SET; break;
    case MSPACK_SYS_SEEK_CUR: origin = CRT_SEEK_CUR; break;
    case MSPACK_SYS_SEEK_END: origin = CRT_SEEK_END; break;
    default: return -1;
  }
  const LONG position =
      Guarded<LONG>(f->Context, -1, [&] { return f->Context->Seek(f->Handle, static_cast<LONG>(offset), origin); });
  return position < 0 ? -1 : 0;
}

off_t SysTell(mspack_file* file) {
  TFdiFile* f = FileOf(file);
  return Guarded<LONG>(f->Context, -1, [&] { return f->Context->Seek(f->Handle, 0, CRT_SEEK_CUR); });
}

void SysMessage(mspack_file*, const char*, ...) {}  // libmspack's warnings are not shown

void* SysAlloc(mspack_system*, size_t bytes) {
  TFdiContext* context = activeContext;
  if (bytes > std::numeric_limits<ULONG>::max()) {
    return nullptr;
  }
  return Guarded<void*>(context, nullptr, [&] { return context->Alloc(static_cast<ULONG>(bytes)); });
}

void SysFree(void* ptr) {
  if (ptr && activeContext) {
    TFdiContext* context = activeContext;
    Guarded<int>(context, 0, [&] {
      context->Free(ptr);
      return 0;
    });
  }
}

void SysCopy(void* src, void* dest, size_t bytes) { std::memcpy(dest, src, bytes); }

// Makes the context the active one for the life of one FDI call.
class TActiveContext {
 public:
  explicit TActiveContext(TFdiContext* context) : FPrevious(std::exchange(activeContext, context)) {}
  ~TActiveContext() { activeContext = FPrevious; }
  TActiveContext(const TActiveContext&) = delete;
  TActiveContext& operator=(const TActiveContext&) = delete;

 private:
  TFdiContext* FPrevious;
};

// Closes the cabinet libmspack opened, however FDICopy ends.
class TOpenCabinet {
 public:
  TOpenCabinet(mscab_decompressor* decompressor, mscabd_cabinet* cabinet)
      : FDecompressor(decompressor), FCabinet(cabinet) {}
  ~TOpenCabinet() {
    if (FCabinet) {
      FDecompressor->close(FDecompressor, FCabinet);
    }
  }
  TOpenCabinet(const TOpenCabinet&) = delete;
  TOpenCabinet& operator=(const TOpenCabinet&) = delete;
  mscabd_cabinet* Get() const { return FCabinet; }

 private:
  mscab_decompressor* FDecompressor;
  mscabd_cabinet* FCabinet;
};

// The data libmspack decompresses to copy files: it goes on from where the
// last copy in the same folder ended, and starts the folder over for a file
// lying before that point or in another folder. The files of a cabinet lie
// one after another in their folder, so copying them decompresses each folder
// once; files claiming bytes far into a large folder, again and again, would
// have a small cabinet decompress for hours. The work is held to one pass
// over every folder plus the bytes copied.
class TDecompressionWork {
 public:
  explicit TDecompressionWork(const mscabd_cabinet& cabinet) {
    std::unordered_map<const mscabd_folder*, std::uint64_t> extents;
    for (const mscabd_file* file = cabinet.files; file; file = file->next) {
      std::uint64_t& extent = extents[file->folder];
      extent = std::max(extent, End(*file));
      FBudget += file->length;
    }
    for (const auto& folder : extents) {
      FBudget += folder.second;
    }
  }

  // Counts copying the file; false when the work goes over the budget.
  bool Admit(const mscabd_file& file) {
    const std::uint64_t start = static_cast<std::uint64_t>(file.offset);
    const bool goesOn = file.folder == FFolder && start >= FPosition;
    FDone += (goesOn ? start - FPosition : start) + file.length;
    FFolder = file.folder;
    FPosition = End(file);
    return FDone <= FBudget;
  }

 private:
  static std::uint64_t End(const mscabd_file& file) { return static_cast<std::uint64_t>(file.offset) + file.length; }

  std::uint64_t FBudget = 0;
  std::uint64_t FDone = 0;
  const mscabd_folder* FFolder = nullptr;
  std::uint64_t FPosition = 0;
};

USHORT FolderIndex(const mscabd_cabinet& cabinet, const mscabd_folder* folder) {
  USHORT index = 0;
  for (const mscabd_folder* f = cabinet.folders; f && f != folder; f = f->next) {
    ++index;
  }
  return index;
}

}  // namespace

HFDI FDICreate(PFNALLOC pfnalloc, PFNFREE pfnfree, PFNOPEN pfnopen, PFNREAD pfnread, PFNWRITE pfnwrite,
               PFNCLOSE pfnclose, PFNSEEK pfnseek, int /*cpuType*/, ERF* perf) {
  auto context = std::make_unique<TFdiContext>(pfnalloc, pfnfree, pfnopen, pfnread, pfnwrite, pfnclose, pfnseek, perf);
  if (!pfnalloc || !pfnfree || !pfnopen || !pfnread || !pfnwrite || !pfnclose || !pfnseek) {
    context->Fail(FDIERROR_ALLOC_FAIL);
    return nullptr;
  }
  int selfTest = MSPACK_ERR_OK;
  MSPACK_SYS_SELFTEST(selfTest);
  if (selfTest != MSPACK_ERR_OK) {
    context->Fail(FDIERROR_ALLOC_FAIL);
    return nullptr;
  }
  mspack_system& sys = context->System;
  sys.open = SysOpen;
  sys.close = SysClose;
  sys.read = SysRead;
  sys.write = SysWrite;
  sys.seek = SysSeek;
  sys.tell = SysTell;
  sys.message = SysMessage;
  sys.alloc = SysAlloc;
  sys.free = SysFree;
  sys.copy = SysCopy;
  sys.null_ptr = nullptr;
  {
    TActiveContext active(context.get());
    context->Decompressor = mspack_create_cab_decompressor(&sys);
  }
  if (!context->Decompressor) {
    context->Fail(FDIERROR_ALLOC_FAIL);
    context->RethrowPending();
    return nullptr;
  }
  return context.release();
}

BOOL FDIIsCabinet(HFDI hfdi, INT_PTR hf, FDICABINETINFO* pfdici) {
  if (!hfdi) {
    return 0;
  }
  unsigned char header[kHeaderSize];
  if (hfdi->Seek(hf, 0, CRT_SEEK_SET) != 0 || hfdi->Read(hf, header, kHeaderSize) != kHeaderSize ||
      std::memcmp(header, "MSCF", 4) != 0) {
    return hfdi->Fail(FDIERROR_NOT_A_CABINET);
  }
  if (header[25] != kVersionMajor) {
    return hfdi->Fail(FDIERROR_UNKNOWN_CABINET_VERSION);
  }
  const std::uint32_t length = ReadDword(header + 8);
  const unsigned flags = ReadWord(header + 30);
  if (pfdici) {
    pfdici->cbCabinet = static_cast<LONG>(std::min<std::uint32_t>(length, std::numeric_limits<LONG>::max()));
    pfdici->cFolders = static_cast<USHORT>(ReadWord(header + 26));
    pfdici->cFiles = static_cast<USHORT>(ReadWord(header + 28));
    pfdici->setID = static_cast<USHORT>(ReadWord(header + 32));
    pfdici->iCabinet = static_cast<USHORT>(ReadWord(header + 34));
    pfdici->fReserve = (flags & kFlagReserve) != 0;
    pfdici->hasprev = (flags & kFlagPrevCabinet) != 0;
    pfdici->hasnext = (flags & kFlagNextCabinet) != 0;
  }
  return 1;
}

BOOL FDICopy(HFDI hfdi, const char* pszCabinet, const char* pszCabPath, int /*flags*/, PFNFDINOTIFY pfnfdin,
             PFNFDIDECRYPT /*pfnfdid*/, void* pvUser) {
  if (!hfdi || !pszCabinet || !pfnfdin) {
    return hfdi ? hfdi->Fail(FDIERROR_CABINET_NOT_FOUND) : 0;
  }
  TActiveContext active(hfdi);
  mscab_decompressor* cabd = hfdi->Decompressor;
  const std::string path = std::string(pszCabPath ? pszCabPath : "") + pszCabinet;
  TOpenCabinet cabinet(cabd, cabd->open(cabd, path.c_str()));
  hfdi->RethrowPending();
  if (!cabinet.Get()) {
    return hfdi->Fail(ErrorOf(cabd->last_error(cabd)));
  }
  const mscabd_cabinet& cab = *cabinet.Get();

  std::vector<char> cabPath = WritableText(pszCabPath);
  std::vector<char> nextName = WritableText(cab.nextname);
  std::vector<char> nextInfo = WritableText(cab.nextinfo);
  FDINOTIFICATION info;
  info.psz1 = nextName.data();
  info.psz2 = nextInfo.data();
  info.psz3 = cabPath.data();
  info.pv = pvUser;
  info.setID = cab.set_id;
  info.iCabinet = cab.set_index;
  if (pfnfdin(fdintCABINET_INFO, &info) == -1) {
    return hfdi->Fail(FDIERROR_USER_ABORT);
  }

  TDecompressionWork work(cab);
  for (mscabd_file* file = cab.files; file; file = file->next) {
    std::vector<char> name = WritableText(StoredName(*file).c_str());
    FDINOTIFICATION notice;
    notice.cb = static_cast<LONG>(std::min<unsigned>(file->length, std::numeric_limits<LONG>::max()));
    notice.psz1 = name.data();
    notice.pv = pvUser;
    notice.date = DosDate(*file);
    notice.time = DosTime(*file);
    notice.attribs = static_cast<USHORT>(file->attribs);
    notice.setID = cab.set_id;
    notice.iCabinet = cab.set_index;
    notice.iFolder = FolderIndex(cab, file->folder);
    const INT_PTR target = pfnfdin(fdintCOPY_FILE, &notice);
    if (target == -1) {
      return hfdi->Fail(FDIERROR_USER_ABORT);
    }
    if (target == 0) {
      continue;
    }
    if (!work.Admit(*file)) {
      hfdi->Close(target);
      return hfdi->Fail(FDIERROR_CORRUPT_CABINET);
    }
    hfdi->OutputHandle = target;
    const int result = cabd->extract(cabd, file, kOutputName);
    if (result != MSPACK_ERR_OK || hfdi->Pending) {
      // The notification routine never sees this file again: its handle is closed here.
      hfdi->Close(target);
      hfdi->RethrowPending();
      return hfdi->Fail(ErrorOf(result));
    }
    notice.hf = target;
    notice.cb = 0;  // no program to run after the copy
    if (!pfnfdin(fdintCLOSE_FILE_INFO, &notice)) {
      return hfdi->Fail(FDIERROR_USER_ABORT);
    }
  }
  return 1;
}

BOOL FDIDestroy(HFDI hfdi) {
  if (!hfdi) {
    return 0;
  }
  std::unique_ptr<TFdiContext> context(hfdi);
  TActiveContext active(hfdi);
  mspack_destroy_cab_decompressor(context->Decompressor);
  return 1;
}

}  // namespace plat
