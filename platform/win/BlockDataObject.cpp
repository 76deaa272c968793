#include "platform/win/BlockDataObject.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/rtl/Unicode.h"
#include "platform/win/Clipboard.h"
#include "platform/win/GlobalText.h"
#include "platform/win/detail/FormatEnumerator.h"

namespace plat {

TBlockDataObject::TBlockDataObject(std::vector<Entry> entries, Fetcher fetch)
    : FEntries(std::move(entries)), FFetch(std::move(fetch)) {}

InterfacePtr<IDataObject> TBlockDataObject::Create(std::vector<FormatBlock> blocks) {
  std::vector<Entry> entries;
  for (auto& [format, bytes] : blocks) entries.push_back({format, std::move(bytes), true});
  return InterfacePtr<IDataObject>(new TBlockDataObject(std::move(entries), nullptr));
}

InterfacePtr<IDataObject> TBlockDataObject::CreateFetching(std::vector<CLIPFORMAT> formats, Fetcher fetch) {
  std::vector<Entry> entries;
  for (CLIPFORMAT format : formats) entries.push_back({format, std::nullopt, false});
  return InterfacePtr<IDataObject>(new TBlockDataObject(std::move(entries), std::move(fetch)));
}

TBlockDataObject::Entry* TBlockDataObject::Offered(const FORMATETC* format) {
  if (!format || format->dwAspect != DVASPECT_CONTENT || format->lindex != -1 || !(format->tymed & TYMED_HGLOBAL))
    return nullptr;
  const auto found = std::find_if(FEntries.begin(), FEntries.end(),
                                  [format](const Entry& e) { return e.Format == format->cfFormat; });
  return found == FEntries.end() ? nullptr : &*found;
}

HRESULT TBlockDataObject::GetData(const FORMATETC* format, STGMEDIUM* medium) {
  if (!medium) return E_POINTER;
  Entry* entry = Offered(format);
  if (!entry) return DV_E_FORMATETC;
  if (!entry->Fetched) {
    entry->Fetched = true;
    if (FFetch) entry->Bytes = FFetch(entry->Format);
  }
  if (!entry->Bytes) return DV_E_FORMATETC;
  HGLOBAL block = GlobalBlockOfBytes(*entry->Bytes);
  if (!block) return E_OUTOFMEMORY;
  *medium = STGMEDIUM{TYMED_HGLOBAL, block, nullptr};
  return S_OK;
}

HRESULT TBlockDataObject::GetDataHere(const FORMATETC*, STGMEDIUM*) { return DV_E_FORMATETC; }

HRESULT TBlockDataObject::QueryGetData(const FORMATETC* format) {
  const Entry* entry = Offered(format);
  return entry && (!entry->Fetched || entry->Bytes) ? S_OK : DV_E_FORMATETC;
}

HRESULT TBlockDataObject::GetCanonicalFormatEtc(const FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TBlockDataObject::SetData(const FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT TBlockDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) {
  if (!enumerator) return E_POINTER;
  *enumerator = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  auto formats = std::make_shared<std::vector<FORMATETC>>();
  for (const Entry& e : FEntries) formats->push_back(FORMATETC{e.Format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
  *enumerator = InterfacePtr<IEnumFORMATETC>(new TFormatEnumerator(std::move(formats))).Detach();
  return S_OK;
}

HRESULT TBlockDataObject::DAdvise(const FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT TBlockDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT TBlockDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

std::vector<Byte> ZeroTerminatedBytes(const String& text) {
  std::vector<Byte> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

std::vector<FormatBlock> TextBlocks(const String& utf8) {
  const WideString wide = Utf8ToWide(utf8);
  std::vector<Byte> wideBytes((wide.size() + 1) * sizeof(char16_t), 0);
  std::memcpy(wideBytes.data(), wide.data(), wide.size() * sizeof(char16_t));
  std::vector<FormatBlock> blocks;
  blocks.emplace_back(static_cast<CLIPFORMAT>(CF_UNICODETEXT), std::move(wideBytes));
  blocks.emplace_back(static_cast<CLIPFORMAT>(CF_TEXT), ZeroTerminatedBytes(utf8));
  return blocks;
}

}  // namespace plat
