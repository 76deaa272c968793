#pragma once
// A data object of bytes per format, as another program's drag arrives and
// as tests and the end-to-end driver play one: each format is offered for
// the content aspect, index -1, in a global memory block (TYMED_HGLOBAL),
// in the order given. GetData hands out a new block the receiver frees.
//
// A fetching object asks for a format's bytes the first time they are
// wanted and keeps the answer (the display reads another program's data
// only when a target asks for it); a format whose bytes cannot be had
// answers DV_E_FORMATETC. Setting data, data in a given medium and advise
// sinks are not supported.
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/win/Ole.h"

namespace plat {

using FormatBlock = std::pair<CLIPFORMAT, std::vector<Byte>>;

class TBlockDataObject final : public TInterfacedObject<IDataObject> {
 public:
  using Fetcher = std::function<std::optional<std::vector<Byte>>(CLIPFORMAT)>;

  static InterfacePtr<IDataObject> Create(std::vector<FormatBlock> blocks);
  static InterfacePtr<IDataObject> CreateFetching(std::vector<CLIPFORMAT> formats, Fetcher fetch);

  HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT QueryGetData(const FORMATETC* format) override;
  HRESULT GetCanonicalFormatEtc(const FORMATETC* in, FORMATETC* out) override;
  HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override;
  HRESULT DAdvise(const FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
  HRESULT DUnadvise(DWORD connection) override;
  HRESULT EnumDAdvise(IEnumSTATDATA** enumerator) override;

 private:
  struct Entry {
    CLIPFORMAT Format = 0;
    std::optional<std::vector<Byte>> Bytes;
    bool Fetched = false;
  };
  TBlockDataObject(std::vector<Entry> entries, Fetcher fetch);
  ~TBlockDataObject() override = default;
  Entry* Offered(const FORMATETC* format);

  std::vector<Entry> FEntries;
  Fetcher FFetch;
};

// Text as CF_UNICODETEXT (UTF-16) and CF_TEXT (UTF-8), each zero-terminated.
std::vector<FormatBlock> TextBlocks(const String& utf8);
// Bytes of a zero-terminated text, a registered format's data for example.
std::vector<Byte> ZeroTerminatedBytes(const String& text);

}  // namespace plat
