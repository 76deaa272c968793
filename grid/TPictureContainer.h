#pragma once
// Named pictures placed on a form for the HTML mini-language: IMG SRC and
// BODY BACKGROUND name them. TPictureItem holds one (name, tag and an owned
// THTMLPicture), TPictureCollection the items, TPictureContainer (a
// component) the collection. Look-ups by name ignore case.
#include <memory>

#include "grid/THTMLPicture.h"
#include "platform/ui/TCollection.h"
#include "platform/ui/TComponent.h"

namespace zorbit {

class TPictureItem : public plat::TCollectionItem {
 public:
  explicit TPictureItem(plat::TCollection* Collection);
  ~TPictureItem() override;

  THTMLPicture* Picture() const { return FPicture.get(); }
  // The bytes of Value, decoded (EInvalidGraphic leaves the picture as it was).
  void SetPicture(const THTMLPicture* Value) { FPicture->Assign(Value); }
  const plat::String& Name() const { return FName; }
  void SetName(const plat::String& Value) { FName = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  // From another TPictureItem: name, tag and the picture's bytes.
  void Assign(const plat::TPersistent* Source) override;

 private:
  std::unique_ptr<THTMLPicture> FPicture;
  plat::String FName;
  int FTag = 0;
};

class TPictureCollection : public plat::TOwnedCollection {
 public:
  explicit TPictureCollection(plat::TPersistent* AOwner);

  TPictureItem* Add() { return static_cast<TPictureItem*>(plat::TCollection::Add()); }
  TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(plat::TCollection::Items(Index)); }
};

class TPictureContainer : public plat::TComponent {
 public:
  explicit TPictureContainer(plat::TComponent* AOwner);
  ~TPictureContainer() override;

  TPictureCollection* Items() const { return FItems.get(); }
  // "1.0.0.0"; setting it does nothing.
  plat::String Version() const;
  void SetVersion(const plat::String&) {}

  // The picture of the first item named Name (any case), or null.
  THTMLPicture* LookupPictureByName(const plat::String& Name) const;

 private:
  std::unique_ptr<TPictureCollection> FItems;
};

}  // namespace zorbit
