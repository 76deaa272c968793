#include "platform/ui/LayoutClasses.h"

#include "platform/ui/LayoutError.h"
#include "platform/ui/UiConsts.h"

namespace plat {

TLayoutClass::TLayoutClass(String Name, const TLayoutClass* Parent, TFactory Factory, TInstanceTest InstanceTest)
    : FName(std::move(Name)),
      FParent(Parent),
      FDepth(Parent ? Parent->FDepth + 1 : 0),
      FFactory(std::move(Factory)),
      FIsInstance(InstanceTest) {}

const TPropertyInfo* TLayoutClass::FindProperty(const String& Name) const {
  for (const TLayoutClass* c = this; c; c = c->FParent) {
    const auto found = c->FProperties.find(Name);
    if (found != c->FProperties.end()) {
      return &found->second;
    }
  }
  return nullptr;
}

void TLayoutClass::AddProperty(const String& Name, TPropertyInfo Info) {
  FProperties.insert_or_assign(Name, std::move(Info));
}

TLayoutClasses& TLayoutClasses::Global() {
  static TLayoutClasses classes;
  return classes;
}

const TLayoutClass* TLayoutClasses::Find(const String& Name) const {
  const auto found = FClasses.find(Name);
  return found == FClasses.end() ? nullptr : found->second.Class.get();
}

const TLayoutClass& TLayoutClasses::BaseClass(const std::type_info& Type, const String& For) const {
  for (const auto& [name, entry] : FClasses) {
    if (entry.Type == std::type_index(Type)) {
      return *entry.Class;
    }
  }
  throw ELayoutError(FmtLoadResString(SBaseClassMissing, {ClassNameOf(Type), For}));
}

const TLayoutClass* TLayoutClasses::ClassOf(const TObject& Object) const {
  const std::type_index type = typeid(Object);
  const auto cached = FClassOfCache.find(type);
  if (cached != FClassOfCache.end()) {
    return cached->second;
  }
  // The class of exactly this type; else the deepest one above it.
  const TLayoutClass* best = nullptr;
  for (const auto& [name, entry] : FClasses) {
    const TLayoutClass* candidate = entry.Class.get();
    if (entry.Type == type) {
      best = candidate;
      break;
    }
    if (candidate->IsInstance(Object) && (!best || candidate->Depth() > best->Depth())) {
      best = candidate;
    }
  }
  FClassOfCache.emplace(type, best);
  return best;
}

TLayoutClass& TLayoutClasses::Add(const String& Name, std::type_index Type, const TLayoutClass* Parent,
                                  TLayoutClass::TFactory Factory, TLayoutClass::TInstanceTest IsInstance) {
  for (auto& [name, entry] : FClasses) {
    const bool sameName = SameText(name, Name);
    if (sameName && entry.Type == Type) {
      return *entry.Class;
    }
    if (sameName || entry.Type == Type) {
      throw ELayoutError(FmtLoadResString(SDuplicateClass, {Name}));
    }
  }
  auto registered = std::make_unique<TLayoutClass>(Name, Parent, std::move(Factory), IsInstance);
  TLayoutClass& result = *registered;
  FClasses.emplace(Name, TEntry{Type, std::move(registered)});
  FClassOfCache.clear();
  return result;
}

}  // namespace plat
