#include "platform/win/detail/FormatEnumerator.h"

#include <algorithm>

namespace plat {

HRESULT TFormatEnumerator::Next(ULONG count, FORMATETC* formats, ULONG* fetched) {
  if (!formats || (!fetched && count != 1)) return E_POINTER;
  ULONG given = 0;
  while (given < count && FPosition < FFormats->size()) formats[given++] = (*FFormats)[FPosition++];
  if (fetched) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT TFormatEnumerator::Skip(ULONG count) {
  const std::size_t left = FFormats->size() - FPosition;
  FPosition += std::min<std::size_t>(count, left);
  return count <= left ? S_OK : S_FALSE;
}

HRESULT TFormatEnumerator::Reset() {
  FPosition = 0;
  return S_OK;
}

HRESULT TFormatEnumerator::Clone(IEnumFORMATETC** copy) {
  if (!copy) return E_POINTER;
  *copy = InterfacePtr<IEnumFORMATETC>(new TFormatEnumerator(FFormats, FPosition)).Detach();
  return S_OK;
}

}  // namespace plat
