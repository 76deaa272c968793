#include "grid/TPictureContainer.h"

#include "platform/rtl/Format.h"
#include "platform/rtl/StringUtils.h"

namespace zorbit {

namespace {
// The version number as packed: major, minor, release, build, high byte first.
constexpr unsigned PackedVersion = 0x01000000;
}  // namespace

TPictureItem::TPictureItem(plat::TCollection* Collection)
    : plat::TCollectionItem(Collection), FPicture(std::make_unique<THTMLPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(const plat::TPersistent* Source) {
  const auto* item = dynamic_cast<const TPictureItem*>(Source);
  if (!item) {
    plat::TCollectionItem::Assign(Source);
    return;
  }
  FPicture->Assign(item->FPicture.get());
  FName = item->FName;
  FTag = item->FTag;
}

TPictureCollection::TPictureCollection(plat::TPersistent* AOwner)
    : plat::TOwnedCollection(AOwner, plat::CollectionItemClass<TPictureItem>()) {}

TPictureContainer::TPictureContainer(plat::TComponent* AOwner)
    : plat::TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}

TPictureContainer::~TPictureContainer() = default;

plat::String TPictureContainer::Version() const {
  return plat::Format("%d.%d.%d.%d", {int(PackedVersion >> 24), int((PackedVersion >> 16) & 0xFF),
                                      int((PackedVersion >> 8) & 0xFF), int(PackedVersion & 0xFF)});
}

THTMLPicture* TPictureContainer::LookupPictureByName(const plat::String& Name) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (plat::CompareText(FItems->Items(i)->Name(), Name) == 0) return FItems->Items(i)->Picture();
  return nullptr;
}

}  // namespace zorbit
