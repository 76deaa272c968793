#pragma once
// The classes that layouts may name, each with its table of published
// properties: for a component class a factory (the layout's "Class"), for
// any class (fonts, collection items) the properties a layout may set, by
// name, each with the way its layout value is turned into a setter call and,
// when registered with a getter too, the way it is read (TypInfo.h).
// A class registered with a base class inherits the base's properties.
//
// Registration belongs to the start-up sequence (InitClassLibrary and the
// like), before any layout is read:
//
//   RegisterLayoutClass<TPanel, TCustomControl>("TPanel")
//       .EnumProperty("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, kBevelCutNames)
//       .IntegerProperty("Margin", &TPanel::SetMargin)  // written, never read
//       .FloatProperty("Increment", &TSpin::Increment, &TSpin::SetIncrement)
//       .ObjectProperty("Font", &TPanel::Font)
//       .EventProperty("OnClick", &TPanel::OnClick);
//
// Enumeration names are listed by ordinal ({"alNone", "alTop", ...}); a set's
// members are its enumeration's names.
#include <any>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <span>
#include <type_traits>
#include <typeindex>
#include <variant>

#include "platform/rtl/Object.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/IdentMap.h"
#include "platform/ui/TCollection.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TextLess.h"

namespace plat {

// The kinds of published properties and what the layout reader needs of
// each. Get, where present, reads the property; it is empty for a property
// registered with a setter only.

// A JSON integer within [Min, Max], or one of Idents.
struct TIntegerProperty {
  std::int64_t Min;
  std::int64_t Max;
  std::span<const TIdentMapEntry> Idents;
  std::function<void(TObject&, std::int64_t)> Set;
  std::function<std::int64_t(const TObject&)> Get;
};
// true or false.
struct TBooleanProperty {
  std::function<void(TObject&, bool)> Set;
  std::function<bool(const TObject&)> Get;
};
// A JSON number, whole or not, that the setter's type holds.
struct TFloatProperty {
  double Min;
  double Max;
  std::function<void(TObject&, double)> Set;
  std::function<double(const TObject&)> Get;
};
// A date and time as text, independent of the locale: "2024-03-05",
// "2024-03-05T14:30", "2024-03-05T14:30:15.250", or a time of day alone
// ("14:30:15") on day 0.
struct TDateTimeProperty {
  std::function<void(TObject&, TDateTime)> Set;
  std::function<TDateTime(const TObject&)> Get;
};
// A JSON string.
struct TStringProperty {
  std::function<void(TObject&, const String&)> Set;
  std::function<String(const TObject&)> Get;
};
// One of Names, set as its ordinal.
struct TEnumProperty {
  std::span<const char* const> Names;
  std::function<void(TObject&, int)> Set;
  std::function<int(const TObject&)> Get;
};
// An array of Names, set as the bits of their ordinals.
struct TSetProperty {
  std::span<const char* const> Names;
  std::function<void(TObject&, std::uint64_t)> Set;
  std::function<std::uint64_t(const TObject&)> Get;
};
// A JSON object whose members are the properties of the object Get gives
// (a control's Font); also reached by dotted names ("Font.Style").
struct TObjectProperty {
  std::function<TObject*(TObject&)> Get;
};
// An array of objects: the collection is cleared and one item added per object.
struct TCollectionProperty {
  std::function<TCollection*(TObject&)> Get;
};
// An array of strings: the list is cleared and the strings added.
struct TStringsProperty {
  std::function<TStrings*(TObject&)> Get;
};
// The name of a component of the layout's root (null for none). Set answers
// false when the component is not of the class the property takes.
struct TComponentProperty {
  std::function<bool(TObject&, TComponent*)> Set;
  std::function<TComponent*(const TObject&)> Get;
};
// The name of a handler the root registered; Bind answers false when the
// handler does not fit the event.
struct TEventProperty {
  std::function<bool(TObject&, const std::any&)> Bind;
};

using TPropertyInfo = std::variant<TIntegerProperty, TFloatProperty, TDateTimeProperty, TBooleanProperty,
                                   TStringProperty, TEnumProperty, TSetProperty, TObjectProperty, TCollectionProperty,
                                   TStringsProperty, TComponentProperty, TEventProperty>;

// One registered class.
class TLayoutClass {
 public:
  using TFactory = std::function<TComponent*(TComponent* Owner)>;
  using TInstanceTest = bool (*)(const TObject& Object);

  TLayoutClass(String Name, const TLayoutClass* Parent, TFactory Factory, TInstanceTest InstanceTest);

  const String& Name() const { return FName; }
  const TLayoutClass* Parent() const { return FParent; }
  // The number of registered classes above this one.
  int Depth() const { return FDepth; }
  bool CanCreate() const { return static_cast<bool>(FFactory); }
  // A new component of this class owned by Owner (CanCreate() must hold).
  TComponent* Create(TComponent* Owner) const { return FFactory(Owner); }
  bool IsInstance(const TObject& Object) const { return FIsInstance(Object); }

  // The property of that name (without regard to ASCII case) of this class
  // or of a class above it; nullptr when there is none.
  const TPropertyInfo* FindProperty(const String& Name) const;
  // Adds or replaces a property of this class.
  void AddProperty(const String& Name, TPropertyInfo Info);

 private:
  String FName;
  const TLayoutClass* FParent;
  int FDepth;
  TFactory FFactory;
  TInstanceTest FIsInstance;
  std::map<String, TPropertyInfo, TTextLess> FProperties;
};

// Every registered class, by name and by C++ type.
class TLayoutClasses {
 public:
  static TLayoutClasses& Global();

  // The class of that name (without regard to ASCII case), or nullptr.
  const TLayoutClass* Find(const String& Name) const;
  // The registered class of exactly this type; ELayoutError when Type is not
  // registered, naming the class For that needs it as its base.
  const TLayoutClass& BaseClass(const std::type_info& Type, const String& For) const;
  // The most derived registered class that Object is an instance of, or nullptr.
  const TLayoutClass* ClassOf(const TObject& Object) const;
  // Registers a class. The same name for the same type gives the class
  // already registered; a name or type registered otherwise raises
  // ELayoutError.
  TLayoutClass& Add(const String& Name, std::type_index Type, const TLayoutClass* Parent,
                    TLayoutClass::TFactory Factory, TLayoutClass::TInstanceTest IsInstance);

 private:
  struct TEntry {
    std::type_index Type;
    std::unique_ptr<TLayoutClass> Class;
  };
  std::map<String, TEntry, TTextLess> FClasses;
  mutable std::map<std::type_index, const TLayoutClass*> FClassOfCache;
};

namespace layout_detail {

template <typename T>
struct SetMember;
template <typename E>
struct SetMember<TSet<E>> {
  using Type = E;
};

// The object behind a getter's result, a pointer or a reference.
template <typename R>
auto* AddressOf(R&& result) {
  if constexpr (std::is_pointer_v<std::remove_reference_t<R>>) {
    return result;
  } else {
    return &result;
  }
}

// The class a getter (a member function without arguments) belongs to.
template <typename G>
struct GetterOf;
template <typename C, typename R>
struct GetterOf<R (C::*)() const> {
  using Class = C;
};
template <typename C, typename R>
struct GetterOf<R (C::*)()> {
  using Class = C;
};

template <typename R>
using Pointee = std::remove_pointer_t<std::remove_cvref_t<decltype(AddressOf(std::declval<R>()))>>;

}  // namespace layout_detail

// Declares the properties of class T; see the top of this header.
template <typename T>
class TLayoutClassBuilder {
 public:
  explicit TLayoutClassBuilder(TLayoutClass& Class) : FClass(Class) {}

  // Each kind below comes in two forms: with a setter only, and with a
  // getter before the setter, which makes the property readable.

  template <typename C, typename V>
  TLayoutClassBuilder& IntegerProperty(const String& Name, void (C::*Setter)(V),
                                       std::span<const TIdentMapEntry> Idents = {}) {
    FClass.AddProperty(Name, IntegerInfo(Setter, Idents));
    return *this;
  }
  template <typename G, typename C, typename V>
  TLayoutClassBuilder& IntegerProperty(const String& Name, G Getter, void (C::*Setter)(V),
                                       std::span<const TIdentMapEntry> Idents = {}) {
    TIntegerProperty property = IntegerInfo(Setter, Idents);
    property.Get = Reader<std::int64_t>(Getter, [](auto value) { return static_cast<std::int64_t>(value); });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  // Floats: double or float setters.
  template <typename C, typename V>
  TLayoutClassBuilder& FloatProperty(const String& Name, void (C::*Setter)(V)) {
    FClass.AddProperty(Name, FloatInfo(Setter));
    return *this;
  }
  template <typename G, typename C, typename V>
  TLayoutClassBuilder& FloatProperty(const String& Name, G Getter, void (C::*Setter)(V)) {
    TFloatProperty property = FloatInfo(Setter);
    property.Get = Reader<double>(Getter, [](auto value) { return static_cast<double>(value); });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  // Dates and times: TDateTime setters.
  template <typename C>
  TLayoutClassBuilder& DateTimeProperty(const String& Name, void (C::*Setter)(TDateTime)) {
    FClass.AddProperty(Name, DateTimeInfo(Setter));
    return *this;
  }
  template <typename G, typename C>
  TLayoutClassBuilder& DateTimeProperty(const String& Name, G Getter, void (C::*Setter)(TDateTime)) {
    TDateTimeProperty property = DateTimeInfo(Setter);
    property.Get = Reader<TDateTime>(Getter, [](TDateTime value) { return value; });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  template <typename C>
  TLayoutClassBuilder& BooleanProperty(const String& Name, void (C::*Setter)(bool)) {
    FClass.AddProperty(Name, BooleanInfo(Setter));
    return *this;
  }
  template <typename G, typename C>
  TLayoutClassBuilder& BooleanProperty(const String& Name, G Getter, void (C::*Setter)(bool)) {
    TBooleanProperty property = BooleanInfo(Setter);
    property.Get = Reader<bool>(Getter, [](bool value) { return value; });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  template <typename C, typename V>
  TLayoutClassBuilder& StringProperty(const String& Name, void (C::*Setter)(V)) {
    FClass.AddProperty(Name, StringInfo(Setter));
    return *this;
  }
  template <typename G, typename C, typename V>
  TLayoutClassBuilder& StringProperty(const String& Name, G Getter, void (C::*Setter)(V)) {
    TStringProperty property = StringInfo(Setter);
    property.Get = Reader<String>(Getter, [](const String& value) { return value; });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  // A property kept as a value but written in layouts as text (a shortcut
  // as "Ctrl+S"): FromText turns the text into the value, raising an
  // Exception for a text it refuses; ToText gives the text of a value.
  template <typename G, typename C, typename V>
  TLayoutClassBuilder& TextProperty(const String& Name, G Getter, void (C::*Setter)(V),
                                    std::remove_cvref_t<V> (*FromText)(const String&),
                                    String (*ToText)(std::remove_cvref_t<V>)) {
    CheckBase<C>();
    TStringProperty property{
        [Setter, FromText](TObject& object, const String& text) { (Cast<C>(object).*Setter)(FromText(text)); }, {}};
    property.Get = Reader<String>(Getter, [ToText](const std::remove_cvref_t<V>& value) { return ToText(value); });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  template <typename C, typename E>
  TLayoutClassBuilder& EnumProperty(const String& Name, void (C::*Setter)(E), std::span<const char* const> Names) {
    FClass.AddProperty(Name, EnumInfo(Setter, Names));
    return *this;
  }
  template <typename G, typename C, typename E>
  TLayoutClassBuilder& EnumProperty(const String& Name, G Getter, void (C::*Setter)(E),
                                    std::span<const char* const> Names) {
    TEnumProperty property = EnumInfo(Setter, Names);
    property.Get = Reader<int>(Getter, [](E value) { return static_cast<int>(value); });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  template <typename C, typename V>
  TLayoutClassBuilder& SetProperty(const String& Name, void (C::*Setter)(V), std::span<const char* const> Names) {
    FClass.AddProperty(Name, SetInfo(Setter, Names));
    return *this;
  }
  template <typename G, typename C, typename V>
  TLayoutClassBuilder& SetProperty(const String& Name, G Getter, void (C::*Setter)(V),
                                   std::span<const char* const> Names) {
    TSetProperty property = SetInfo(Setter, Names);
    property.Get = Reader<std::uint64_t>(Getter, [](const std::remove_cvref_t<V>& set) { return set.Bits(); });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  template <typename C, typename R>
  TLayoutClassBuilder& ObjectProperty(const String& Name, R (C::*Getter)()) {
    return AddObject<C>(Name, Getter);
  }
  template <typename C, typename R>
  TLayoutClassBuilder& ObjectProperty(const String& Name, R (C::*Getter)() const) {
    return AddObject<C>(Name, Getter);
  }

  template <typename C, typename R>
  TLayoutClassBuilder& CollectionProperty(const String& Name, R (C::*Getter)()) {
    static_assert(std::is_base_of_v<TCollection, layout_detail::Pointee<R>>, "the getter must give a collection");
    CheckBase<C>();
    FClass.AddProperty(Name, TCollectionProperty{[Getter](TObject& object) -> TCollection* {
                         return layout_detail::AddressOf((Cast<C>(object).*Getter)());
                       }});
    return *this;
  }

  template <typename C, typename R>
  TLayoutClassBuilder& StringsProperty(const String& Name, R (C::*Getter)()) {
    return AddStrings<C, R>(Name, Getter);
  }
  template <typename C, typename R>
  TLayoutClassBuilder& StringsProperty(const String& Name, R (C::*Getter)() const) {
    return AddStrings<C, R>(Name, Getter);
  }

  template <typename C, typename V>
  TLayoutClassBuilder& ComponentProperty(const String& Name, void (C::*Setter)(V*)) {
    FClass.AddProperty(Name, ComponentInfo(Setter));
    return *this;
  }
  template <typename G, typename C, typename V>
  TLayoutClassBuilder& ComponentProperty(const String& Name, G Getter, void (C::*Setter)(V*)) {
    TComponentProperty property = ComponentInfo(Setter);
    property.Get = Reader<TComponent*>(Getter, [](TComponent* value) { return value; });
    FClass.AddProperty(Name, std::move(property));
    return *this;
  }

  template <typename C, typename Ev>
  TLayoutClassBuilder& EventProperty(const String& Name, Ev C::*Member) {
    CheckBase<C>();
    FClass.AddProperty(Name, TEventProperty{[Member](TObject& object, const std::any& handler) {
                         const Ev* fitting = std::any_cast<Ev>(&handler);
                         if (!fitting) {
                           return false;
                         }
                         Cast<C>(object).*Member = *fitting;
                         return true;
                       }});
    return *this;
  }

 private:
  template <typename C>
  static constexpr void CheckBase() {
    static_assert(std::is_base_of_v<C, T>, "the member must belong to the class or a base of it");
  }
  // The reader reaches a property only through the registered class of the
  // object or a class above it, so the object is a T and thus a C.
  template <typename C>
  static C& Cast(TObject& object) {
    return static_cast<C&>(static_cast<T&>(object));
  }

  // A reader calling Getter and turning its result into the kind's value.
  // Some getters are not const (Caption asks the window for its text), so
  // they are called on the object made modifiable; reading changes nothing.
  template <typename Result, typename G, typename Convert>
  static std::function<Result(const TObject&)> Reader(G Getter, Convert convert) {
    using C = typename layout_detail::GetterOf<G>::Class;
    CheckBase<C>();
    return [Getter, convert](const TObject& object) -> Result {
      return convert((Cast<C>(const_cast<TObject&>(object)).*Getter)());
    };
  }

  template <typename C, typename V>
  static TIntegerProperty IntegerInfo(void (C::*Setter)(V), std::span<const TIdentMapEntry> Idents) {
    using I = std::remove_cvref_t<V>;
    static_assert(std::is_integral_v<I> && !std::is_same_v<I, bool>, "an integer property needs an integer setter");
    static_assert(std::is_signed_v<I> || sizeof(I) < sizeof(std::int64_t), "the values must fit a 64-bit integer");
    CheckBase<C>();
    return TIntegerProperty{
        std::numeric_limits<I>::min(),
        std::numeric_limits<I>::max(),
        Idents,
        [Setter](TObject& object, std::int64_t value) { (Cast<C>(object).*Setter)(static_cast<I>(value)); },
        {}};
  }

  template <typename C, typename V>
  static TFloatProperty FloatInfo(void (C::*Setter)(V)) {
    using F = std::remove_cvref_t<V>;
    static_assert(std::is_floating_point_v<F>, "a float property needs a float setter");
    CheckBase<C>();
    return TFloatProperty{-static_cast<double>(std::numeric_limits<F>::max()),
                          static_cast<double>(std::numeric_limits<F>::max()),
                          [Setter](TObject& object, double value) { (Cast<C>(object).*Setter)(static_cast<F>(value)); },
                          {}};
  }

  template <typename C>
  static TDateTimeProperty DateTimeInfo(void (C::*Setter)(TDateTime)) {
    CheckBase<C>();
    return TDateTimeProperty{[Setter](TObject& object, TDateTime value) { (Cast<C>(object).*Setter)(value); }, {}};
  }

  template <typename C>
  static TBooleanProperty BooleanInfo(void (C::*Setter)(bool)) {
    CheckBase<C>();
    return TBooleanProperty{[Setter](TObject& object, bool value) { (Cast<C>(object).*Setter)(value); }, {}};
  }

  template <typename C, typename V>
  static TStringProperty StringInfo(void (C::*Setter)(V)) {
    static_assert(std::is_convertible_v<const String&, V>, "a string property needs a string setter");
    CheckBase<C>();
    return TStringProperty{[Setter](TObject& object, const String& value) { (Cast<C>(object).*Setter)(value); }, {}};
  }

  template <typename C, typename E>
  static TEnumProperty EnumInfo(void (C::*Setter)(E), std::span<const char* const> Names) {
    static_assert(std::is_enum_v<E>, "an enumeration property needs an enumeration setter");
    CheckBase<C>();
    return TEnumProperty{
        Names, [Setter](TObject& object, int ordinal) { (Cast<C>(object).*Setter)(static_cast<E>(ordinal)); }, {}};
  }

  template <typename C, typename V>
  static TSetProperty SetInfo(void (C::*Setter)(V), std::span<const char* const> Names) {
    using S = std::remove_cvref_t<V>;
    using E = typename layout_detail::SetMember<S>::Type;
    CheckBase<C>();
    return TSetProperty{Names,
                        [Setter](TObject& object, std::uint64_t bits) {
                          S set;
                          for (unsigned i = 0; i < 64; ++i) {
                            if (bits & (std::uint64_t{1} << i)) set.Include(static_cast<E>(i));
                          }
                          (Cast<C>(object).*Setter)(set);
                        },
                        {}};
  }

  template <typename C, typename V>
  static TComponentProperty ComponentInfo(void (C::*Setter)(V*)) {
    static_assert(std::is_base_of_v<TComponent, V>, "a component property needs a component setter");
    CheckBase<C>();
    return TComponentProperty{[Setter](TObject& object, TComponent* component) {
                                V* value = dynamic_cast<V*>(component);
                                if (component && !value) {
                                  return false;
                                }
                                (Cast<C>(object).*Setter)(value);
                                return true;
                              },
                              {}};
  }

  template <typename C, typename R, typename G>
  TLayoutClassBuilder& AddStrings(const String& Name, G Getter) {
    static_assert(std::is_base_of_v<TStrings, layout_detail::Pointee<R>>, "the getter must give a string list");
    CheckBase<C>();
    FClass.AddProperty(Name, TStringsProperty{[Getter](TObject& object) -> TStrings* {
                         return layout_detail::AddressOf((Cast<C>(object).*Getter)());
                       }});
    return *this;
  }

  template <typename C, typename G>
  TLayoutClassBuilder& AddObject(const String& Name, G Getter) {
    CheckBase<C>();
    FClass.AddProperty(Name, TObjectProperty{[Getter](TObject& object) -> TObject* {
                         return layout_detail::AddressOf((Cast<C>(object).*Getter)());
                       }});
    return *this;
  }

  TLayoutClass& FClass;
};

// Registers class T under Name (TBase, when given, must be registered and
// lends its properties). Component classes that can be built from an owner
// get a factory.
template <typename T, typename TBase = void>
TLayoutClassBuilder<T> RegisterLayoutClass(const String& Name) {
  static_assert(std::is_base_of_v<TObject, T>, "layouts handle class-library objects only");
  const TLayoutClass* parent = nullptr;
  if constexpr (!std::is_void_v<TBase>) {
    static_assert(std::is_base_of_v<TBase, T>, "TBase must be a base class of T");
    parent = &TLayoutClasses::Global().BaseClass(typeid(TBase), Name);
  }
  TLayoutClass::TFactory factory;
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>) {
    factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
  }
  TLayoutClass& registered =
      TLayoutClasses::Global().Add(Name, typeid(T), parent, std::move(factory),
                                   [](const TObject& object) { return dynamic_cast<const T*>(&object) != nullptr; });
  return TLayoutClassBuilder<T>(registered);
}

}  // namespace plat
