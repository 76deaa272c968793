#include "extgrid/GridItem.h"

namespace zorbit {

TGridItem::TGridItem(plat::TCollection* Collection)
    : plat::TCollectionItem(Collection), FItems(std::make_unique<plat::TStringList>()) {}

TGridItem::~TGridItem() {
  for (int i = 0; i < FItems->Count(); ++i) delete FItems->Objects(i);
}

}  // namespace zorbit
