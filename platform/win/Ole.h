#pragma once
// OLE's data transfer: data objects offering formats, their format
// enumerators and storage media (global memory blocks only), and the
// library's start and end per thread. Drag and drop (DragDrop.h) moves
// data objects between windows and programs.
//
// Every data object here and in the class library is a reference-counted
// interface (InterfacedObject.h). A medium handed out by GetData belongs to
// the receiver, who frees it with ReleaseStgMedium.
#include "platform/rtl/HResult.h"
#include "platform/rtl/InterfacedObject.h"
#include "platform/win/WinTypes.h"

namespace plat {

using CLIPFORMAT = Word;

// OleInitialize's reserved argument must be null; it answers S_OK the
// first time on the thread, S_FALSE for each nested call.
// OleUninitialize undoes one call; the last one ends the library (drop
// targets still registered stay so until revoked or their window goes).
HRESULT OleInitialize(void* reserved);
void OleUninitialize();
// Whether OleInitialize is in force on the thread.
bool OleIsInitialized();

inline constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);
inline constexpr HRESULT DV_E_TYMED = static_cast<HRESULT>(0x80040069u);
inline constexpr HRESULT DV_E_LINDEX = static_cast<HRESULT>(0x80040068u);
inline constexpr HRESULT DV_E_DVASPECT = static_cast<HRESULT>(0x8004006Bu);
inline constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003u);
inline constexpr HRESULT DATA_S_SAMEFORMATETC = static_cast<HRESULT>(0x00040130u);

inline constexpr DWORD DVASPECT_CONTENT = 1;
inline constexpr DWORD DVASPECT_THUMBNAIL = 2;
inline constexpr DWORD DVASPECT_ICON = 4;
inline constexpr DWORD DVASPECT_DOCPRINT = 8;

inline constexpr DWORD TYMED_NULL = 0;
inline constexpr DWORD TYMED_HGLOBAL = 1;
inline constexpr DWORD TYMED_FILE = 2;
inline constexpr DWORD TYMED_ISTREAM = 4;
inline constexpr DWORD TYMED_ISTORAGE = 8;
inline constexpr DWORD TYMED_GDI = 16;
inline constexpr DWORD TYMED_MFPICT = 32;
inline constexpr DWORD TYMED_ENHMF = 64;

inline constexpr DWORD DATADIR_GET = 1;
inline constexpr DWORD DATADIR_SET = 2;

// A target device description; never given here (always null).
struct DVTARGETDEVICE;

struct FORMATETC {
  CLIPFORMAT cfFormat = 0;
  DVTARGETDEVICE* ptd = nullptr;
  DWORD dwAspect = DVASPECT_CONTENT;
  LONG lindex = -1;
  DWORD tymed = TYMED_HGLOBAL;
};

// tymed TYMED_HGLOBAL with hGlobal, or TYMED_NULL. pUnkForRelease, when
// set, is released instead of the block being freed.
struct STGMEDIUM {
  DWORD tymed = TYMED_NULL;
  HGLOBAL hGlobal = nullptr;
  IUnknown* pUnkForRelease = nullptr;
};
// Frees what the medium holds and clears it.
void ReleaseStgMedium(STGMEDIUM* medium);

// Enumerates formats from a position. Next fills up to count entries and
// answers S_OK when it filled count, else S_FALSE; fetched may be null
// only when count is 1. Skip answers S_FALSE when it ran past the end.
class IEnumFORMATETC : public IUnknown {
 public:
  virtual HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) = 0;
  virtual HRESULT Skip(ULONG count) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(IEnumFORMATETC** copy) = 0;
};

// Advise sinks and their enumeration are not supported by any data object
// of ours; only the names exist for the signatures.
class IAdviseSink;
class IEnumSTATDATA;

class IDataObject : public IUnknown {
 public:
  // The data in a new medium the caller owns.
  virtual HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) = 0;
  virtual HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) = 0;
  // S_OK when GetData would give that format.
  virtual HRESULT QueryGetData(const FORMATETC* format) = 0;
  virtual HRESULT GetCanonicalFormatEtc(const FORMATETC* in, FORMATETC* out) = 0;
  virtual HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) = 0;
  // direction DATADIR_GET or DATADIR_SET; a new enumerator the caller releases.
  virtual HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) = 0;
  virtual HRESULT DAdvise(const FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) = 0;
  virtual HRESULT DUnadvise(DWORD connection) = 0;
  virtual HRESULT EnumDAdvise(IEnumSTATDATA** enumerator) = 0;
};

}  // namespace plat
