#pragma once
// A format enumerator over a fixed list (shared by its clones), from a
// position, as IEnumFORMATETC promises.
#include <memory>
#include <vector>

#include "platform/win/Ole.h"

namespace plat {

class TFormatEnumerator final : public TInterfacedObject<IEnumFORMATETC> {
 public:
  explicit TFormatEnumerator(std::shared_ptr<const std::vector<FORMATETC>> formats, std::size_t position = 0)
      : FFormats(std::move(formats)), FPosition(position) {}

  HRESULT Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
  HRESULT Skip(ULONG count) override;
  HRESULT Reset() override;
  HRESULT Clone(IEnumFORMATETC** copy) override;

 private:
  std::shared_ptr<const std::vector<FORMATETC>> FFormats;
  std::size_t FPosition;
};

}  // namespace plat
