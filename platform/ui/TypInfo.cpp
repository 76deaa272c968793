#include "platform/ui/TypInfo.h"

#include <cmath>
#include <cstdio>
#include <variant>

#include "platform/ui/TComponent.h"

#include "platform/ui/LayoutClasses.h"
#include "platform/ui/UiConsts.h"

namespace plat {

namespace {

const TPropertyInfo* FindPublished(const TObject& Instance, const String& PropName) {
  const TLayoutClass* registered = TLayoutClasses::Global().ClassOf(Instance);
  return registered ? registered->FindProperty(PropName) : nullptr;
}

const TPropertyInfo& Published(const TObject& Instance, const String& PropName) {
  const TPropertyInfo* info = FindPublished(Instance, PropName);
  if (!info) {
    throw EPropertyError(FmtLoadResString(SUnknownProperty, {PropName}));
  }
  return *info;
}

[[noreturn]] void NotReadable(const String& PropName) {
  throw EPropertyError(FmtLoadResString(SPropertyNotReadable, {PropName}));
}

[[noreturn]] void WrongKind(const String& PropName) {
  throw EPropertyError(FmtLoadResString(SPropertyWrongKind, {PropName}));
}

// Get of the property's kind when it has one; nullptr for a kind without.
template <typename Kind>
auto Getter(const TPropertyInfo& Info) -> decltype(&std::get<Kind>(Info).Get) {
  const Kind* kind = std::get_if<Kind>(&Info);
  return kind ? &kind->Get : nullptr;
}

// Calls Get on Instance, or raises when the property has no getter.
template <typename G, typename O>
auto Read(const G& Get, O& Instance, const String& PropName) {
  if (!Get) {
    NotReadable(PropName);
  }
  return Get(Instance);
}

[[noreturn]] void InvalidValue(const String& Value) {
  throw EPropertyError(FmtLoadResString(SInvalidPropertyValue, {Value}));
}

// A float as a message shows it: its shortest general form.
String NumberText(double Value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", Value);
  return text;
}

}  // namespace

bool IsPublishedProp(const TObject& Instance, const String& PropName) {
  return FindPublished(Instance, PropName) != nullptr;
}

bool IsReadableProp(const TObject& Instance, const String& PropName) {
  const TPropertyInfo* info = FindPublished(Instance, PropName);
  return info && std::visit(
                     [](const auto& kind) {
                       if constexpr (std::is_same_v<std::decay_t<decltype(kind)>, TEventProperty>) {
                         return false;
                       } else {
                         return static_cast<bool>(kind.Get);
                       }
                     },
                     *info);
}

TTypeKind PropType(const TObject& Instance, const String& PropName) {
  const TPropertyInfo& info = Published(Instance, PropName);
  return std::visit(
      [](const auto& kind) {
        using Kind = std::decay_t<decltype(kind)>;
        if constexpr (std::is_same_v<Kind, TIntegerProperty>) return TTypeKind::tkInteger;
        if constexpr (std::is_same_v<Kind, TBooleanProperty> || std::is_same_v<Kind, TEnumProperty>)
          return TTypeKind::tkEnumeration;
        if constexpr (std::is_same_v<Kind, TFloatProperty> || std::is_same_v<Kind, TDateTimeProperty>)
          return TTypeKind::tkFloat;
        if constexpr (std::is_same_v<Kind, TStringProperty>) return TTypeKind::tkString;
        if constexpr (std::is_same_v<Kind, TSetProperty>) return TTypeKind::tkSet;
        if constexpr (std::is_same_v<Kind, TEventProperty>) return TTypeKind::tkMethod;
        return TTypeKind::tkClass;
      },
      info);
}

String GetStrProp(const TObject& Instance, const String& PropName) {
  const TPropertyInfo& info = Published(Instance, PropName);
  if (const auto* get = Getter<TStringProperty>(info)) return Read(*get, Instance, PropName);
  WrongKind(PropName);
}

double GetFloatProp(const TObject& Instance, const String& PropName) {
  const TPropertyInfo& info = Published(Instance, PropName);
  if (const auto* get = Getter<TFloatProperty>(info)) return Read(*get, Instance, PropName);
  if (const auto* get = Getter<TDateTimeProperty>(info)) return Read(*get, Instance, PropName);
  WrongKind(PropName);
}

std::int64_t GetOrdProp(const TObject& Instance, const String& PropName) {
  const TPropertyInfo& info = Published(Instance, PropName);
  if (const auto* get = Getter<TIntegerProperty>(info)) return Read(*get, Instance, PropName);
  if (const auto* get = Getter<TEnumProperty>(info)) return Read(*get, Instance, PropName);
  if (const auto* get = Getter<TBooleanProperty>(info)) return Read(*get, Instance, PropName) ? 1 : 0;
  if (const auto* get = Getter<TSetProperty>(info)) return static_cast<std::int64_t>(Read(*get, Instance, PropName));
  WrongKind(PropName);
}

String GetEnumProp(const TObject& Instance, const String& PropName) {
  const TPropertyInfo& info = Published(Instance, PropName);
  if (const auto* get = Getter<TBooleanProperty>(info)) return Read(*get, Instance, PropName) ? "True" : "False";
  const auto* enumeration = std::get_if<TEnumProperty>(&info);
  if (!enumeration) {
    WrongKind(PropName);
  }
  const int ordinal = Read(enumeration->Get, Instance, PropName);
  // A value beyond the names listed (a cast ordinal) reads as its number.
  if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= enumeration->Names.size()) return std::to_string(ordinal);
  return enumeration->Names[static_cast<std::size_t>(ordinal)];
}

TObject* GetObjectProp(const TObject& Instance, const String& PropName) {
  const TPropertyInfo& info = Published(Instance, PropName);
  if (const auto* get = Getter<TComponentProperty>(info)) return Read(*get, Instance, PropName);
  // The sub-object getters serve the layout reader, which fills the object in
  // place, and so take a modifiable owner; reading changes nothing.
  TObject& owner = const_cast<TObject&>(Instance);
  if (const auto* get = Getter<TObjectProperty>(info)) return Read(*get, owner, PropName);
  if (const auto* get = Getter<TCollectionProperty>(info)) return Read(*get, owner, PropName);
  if (const auto* get = Getter<TStringsProperty>(info)) return Read(*get, owner, PropName);
  WrongKind(PropName);
}

void SetOrdProp(TObject& Instance, const String& PropName, std::int64_t Value) {
  const TPropertyInfo& info = Published(Instance, PropName);
  if (const auto* integer = std::get_if<TIntegerProperty>(&info)) {
    if (Value < integer->Min || Value > integer->Max) InvalidValue(std::to_string(Value));
    integer->Set(Instance, Value);
  } else if (const auto* enumeration = std::get_if<TEnumProperty>(&info)) {
    if (Value < 0 || static_cast<std::uint64_t>(Value) >= enumeration->Names.size())
      InvalidValue(std::to_string(Value));
    enumeration->Set(Instance, static_cast<int>(Value));
  } else if (const auto* boolean = std::get_if<TBooleanProperty>(&info)) {
    boolean->Set(Instance, Value != 0);
  } else if (const auto* set = std::get_if<TSetProperty>(&info)) {
    const std::size_t members = set->Names.size();
    const auto bits = static_cast<std::uint64_t>(Value);
    if (Value < 0 || (members < 64 && (bits >> members) != 0)) InvalidValue(std::to_string(Value));
    set->Set(Instance, bits);
  } else {
    WrongKind(PropName);
  }
}

void SetStrProp(TObject& Instance, const String& PropName, const String& Value) {
  const auto* string = std::get_if<TStringProperty>(&Published(Instance, PropName));
  if (!string) WrongKind(PropName);
  string->Set(Instance, Value);
}

void SetFloatProp(TObject& Instance, const String& PropName, double Value) {
  const TPropertyInfo& info = Published(Instance, PropName);
  if (const auto* number = std::get_if<TFloatProperty>(&info)) {
    if (!std::isfinite(Value) || Value < number->Min || Value > number->Max) InvalidValue(NumberText(Value));
    number->Set(Instance, Value);
  } else if (const auto* dateTime = std::get_if<TDateTimeProperty>(&info)) {
    if (!std::isfinite(Value)) InvalidValue(NumberText(Value));
    dateTime->Set(Instance, Value);
  } else {
    WrongKind(PropName);
  }
}

void SetObjectProp(TObject& Instance, const String& PropName, TObject* Value) {
  const TPropertyInfo& info = Published(Instance, PropName);
  const auto* component = std::get_if<TComponentProperty>(&info);
  if (!component) WrongKind(PropName);
  auto* asComponent = dynamic_cast<TComponent*>(Value);
  // A component is named by its name, anything else by its class.
  if ((Value && !asComponent) || !component->Set(Instance, asComponent))
    throw EPropertyError(
        FmtLoadResString(SComponentWrongClass, {asComponent ? asComponent->Name() : Value->ClassName()}));
}

}  // namespace plat
