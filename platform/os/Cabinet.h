#pragma once
// Cabinet decompression through the platform's FDI calls: a context made with
// the caller's memory and file routines, a test whether an open file is a
// cabinet, and a copy that reports each stored file to the caller's
// notification routine, which decides whether and where it is written. Every
// byte read or written passes through the caller's routines.
//
// One cabinet at a time: files continued in another cabinet of a set are not
// joined, and their copy fails.
#include <cstdint>

namespace plat {

using INT_PTR = std::intptr_t;
using UINT = unsigned int;
using ULONG = std::uint32_t;
using USHORT = std::uint16_t;
using LONG = std::int32_t;
using BOOL = int;

// What went wrong, in ERF::erfOper.
enum FDIERROR {
  FDIERROR_NONE = 0,
  FDIERROR_CABINET_NOT_FOUND = 1,
  FDIERROR_NOT_A_CABINET = 2,
  FDIERROR_UNKNOWN_CABINET_VERSION = 3,
  FDIERROR_CORRUPT_CABINET = 4,
  FDIERROR_ALLOC_FAIL = 5,
  FDIERROR_BAD_COMPR_TYPE = 6,
  FDIERROR_MDI_FAIL = 7,
  FDIERROR_TARGET_FILE = 8,
  FDIERROR_RESERVE_MISMATCH = 9,
  FDIERROR_WRONG_CABINET = 10,
  FDIERROR_USER_ABORT = 11,
  FDIERROR_EOF = 12,
};

// The error structure: filled by every call that fails.
struct ERF {
  int erfOper = FDIERROR_NONE;
  int erfType = 0;
  BOOL fError = 0;
};

// Processor types for FDICreate; they change nothing here.
constexpr int cpuUNKNOWN = -1;
constexpr int cpu80286 = 0;
constexpr int cpu80386 = 1;

// The C runtime's open flags, as FDI passes them to the caller's open routine
// (the cabinet is opened read-only and binary).
constexpr int CRT_O_RDONLY = 0x0000;
constexpr int CRT_O_WRONLY = 0x0001;
constexpr int CRT_O_RDWR = 0x0002;
constexpr int CRT_O_ACCMODE = 0x0003;
constexpr int CRT_O_CREAT = 0x0100;
constexpr int CRT_O_BINARY = 0x8000;
// Seek origins of the seek routine.
constexpr int CRT_SEEK_SET = 0;
constexpr int CRT_SEEK_CUR = 1;
constexpr int CRT_SEEK_END = 2;

// Sent by FDICopy: CABINET_INFO once, then COPY_FILE for each stored file and,
// after a taken file is written, CLOSE_FILE_INFO. The other kinds belong to
// cabinet sets and are never sent.
enum FDINOTIFICATIONTYPE {
  fdintCABINET_INFO = 0,
  fdintPARTIAL_FILE = 1,
  fdintCOPY_FILE = 2,
  fdintCLOSE_FILE_INFO = 3,
  fdintNEXT_CABINET = 4,
  fdintENUMERATE = 5,
};

struct FDINOTIFICATION {
  LONG cb = 0;           // COPY_FILE: the file's size
  char* psz1 = nullptr;  // COPY_FILE, CLOSE_FILE_INFO: the stored name; CABINET_INFO: the next cabinet
  char* psz2 = nullptr;  // CABINET_INFO: the next disk
  char* psz3 = nullptr;  // CABINET_INFO: the cabinet's path
  void* pv = nullptr;    // the caller's context given to FDICopy
  INT_PTR hf = 0;        // CLOSE_FILE_INFO: the handle COPY_FILE returned
  USHORT date = 0;       // stored local date: (year - 1980) << 9 | month << 5 | day
  USHORT time = 0;       // stored local time: hour << 11 | minute << 5 | second / 2
  USHORT attribs = 0;    // stored attributes; names are handed out in UTF-8 (code page 437 without the UTF flag)
  USHORT setID = 0;
  USHORT iCabinet = 0;
  USHORT iFolder = 0;
  FDIERROR fdie = FDIERROR_NONE;
};

struct FDICABINETINFO {
  LONG cbCabinet = 0;
  USHORT cFolders = 0;
  USHORT cFiles = 0;
  USHORT setID = 0;
  USHORT iCabinet = 0;
  BOOL fReserve = 0;
  BOOL hasprev = 0;
  BOOL hasnext = 0;
};

struct FDIDECRYPT;

using PFNALLOC = void* (*)(ULONG cb);
using PFNFREE = void (*)(void* pv);
// Returns a handle, or -1.
using PFNOPEN = INT_PTR (*)(char* pszFile, int oflag, int pmode);
// Return the bytes moved, or (UINT)-1.
using PFNREAD = UINT (*)(INT_PTR hf, void* pv, UINT cb);
using PFNWRITE = UINT (*)(INT_PTR hf, void* pv, UINT cb);
// Returns 0 on success.
using PFNCLOSE = int (*)(INT_PTR hf);
// Returns the new position, or -1.
using PFNSEEK = LONG (*)(INT_PTR hf, LONG dist, int seektype);
// COPY_FILE: 0 skips the file, -1 aborts, anything else is the handle to
// write it to. CLOSE_FILE_INFO: the routine closes the handle; nonzero goes on.
// CABINET_INFO: -1 aborts. A routine may also throw: FDICopy cleans up and
// lets the exception through.
using PFNFDINOTIFY = INT_PTR (*)(FDINOTIFICATIONTYPE fdint, FDINOTIFICATION* pfdin);
// Encrypted cabinets are not supported: this routine is never called.
using PFNFDIDECRYPT = int (*)(FDIDECRYPT* pfdid);

struct TFdiContext;
using HFDI = TFdiContext*;

// A decompression context with the caller's routines; null (and perf
// filled) when it cannot be made.
HFDI FDICreate(PFNALLOC pfnalloc, PFNFREE pfnfree, PFNOPEN pfnopen, PFNREAD pfnread, PFNWRITE pfnwrite,
               PFNCLOSE pfnclose, PFNSEEK pfnseek, int cpuType, ERF* perf);

// Reads the cabinet header from the handle's file (from its start); true and
// pfdici filled when it is a cabinet of a known version.
BOOL FDIIsCabinet(HFDI hfdi, INT_PTR hf, FDICABINETINFO* pfdici);

// Opens the cabinet pszCabPath + pszCabinet through the open routine and
// offers every stored file to pfnfdin in the cabinet's order. False (and the
// context's ERF filled) on any failure; a file being written when it happens
// has its handle closed through the close routine. Copying may decompress
// each folder once plus the bytes copied: files that would have folders
// decompressed over and over beyond that (claiming the same bytes far into a
// folder again and again) fail as a corrupt cabinet when taken.
BOOL FDICopy(HFDI hfdi, const char* pszCabinet, const char* pszCabPath, int flags, PFNFDINOTIFY pfnfdin,
             PFNFDIDECRYPT pfnfdid, void* pvUser);

BOOL FDIDestroy(HFDI hfdi);

}  // namespace plat
