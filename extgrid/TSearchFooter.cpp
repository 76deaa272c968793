#include "extgrid/TSearchFooter.h"

namespace zorbit {

void TSearchFooter::Assign(const plat::TPersistent* Source) {
  if (const auto* source = dynamic_cast<const TSearchFooter*>(Source)) {
    FValues = source->FValues;
    Changed();
  }
}

}  // namespace zorbit
