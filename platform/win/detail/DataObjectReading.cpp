#include "platform/win/detail/DataObjectReading.h"

#include <algorithm>

#include "platform/win/GlobalText.h"

namespace plat {

std::vector<CLIPFORMAT> OfferedFormats(IDataObject* data) {
  std::vector<CLIPFORMAT> formats;
  IEnumFORMATETC* raw = nullptr;
  if (!data || FAILED(data->EnumFormatEtc(DATADIR_GET, &raw)) || !raw) return formats;
  const InterfacePtr<IEnumFORMATETC> enumerator = InterfacePtr<IEnumFORMATETC>::Adopt(raw);
  for (std::size_t read = 0; read < kMaxOfferedFormats; ++read) {
    FORMATETC entry;
    ULONG fetched = 0;
    if (enumerator->Next(1, &entry, &fetched) != S_OK || fetched != 1) break;
    const bool usable = entry.dwAspect == DVASPECT_CONTENT && (entry.tymed & TYMED_HGLOBAL) && entry.cfFormat != 0;
    if (usable && std::find(formats.begin(), formats.end(), entry.cfFormat) == formats.end())
      formats.push_back(entry.cfFormat);
  }
  return formats;
}

std::optional<std::vector<Byte>> FormatBytes(IDataObject* data, CLIPFORMAT format) {
  if (!data) return std::nullopt;
  const FORMATETC wanted{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium;
  if (FAILED(data->GetData(&wanted, &medium))) return std::nullopt;
  std::optional<std::vector<Byte>> bytes;
  if (medium.tymed == TYMED_HGLOBAL) bytes = GlobalBytes(medium.hGlobal);
  ReleaseStgMedium(&medium);
  return bytes;
}

}  // namespace plat
