#include "platform/ui/LayoutReader.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "platform/os/Resources.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/UiConsts.h"

namespace plat {

namespace {

// Keeps members in the order written: properties are set in that order.
using TJson = nlohmann::ordered_json;

constexpr std::size_t kMaxLayoutSize = 1u << 20;
constexpr int kMaxDepth = 100;
constexpr int kMaxMembers = 256;
constexpr int kMaxComponents = 1024;
constexpr int kMaxInheritance = 16;
constexpr std::size_t kMaxShownValue = 40;

// Why a text's shape is refused before parsing, or "" when it is not: the
// parser keeps an object's members in order by searching them one by one, so
// the number of members per object is bounded as well as the nesting.
String ShapeFault(const String& text) {
  std::vector<int> members;  // per open bracket: -1 for an array, else the commas seen
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
      continue;
    }
    switch (c) {
      case '"': inString = true; break;
      case '{':
      case '[':
        if (static_cast<int>(members.size()) >= kMaxDepth) {
          return FmtLoadResString(SLayoutTooDeep, {kMaxDepth});
        }
        members.push_back(c == '{' ? 0 : -1);
        break;
      case '}':
      case ']':
        if (!members.empty()) members.pop_back();
        break;
      case ',':
        if (!members.empty() && members.back() >= 0 && ++members.back() >= kMaxMembers) {
          return FmtLoadResString(SLayoutTooManyMembers, {kMaxMembers});
        }
        break;
      default: break;
    }
  }
  return String();
}

// A value as a message shows it: scalars as written (shortened), arrays and
// objects by their brackets only.
String Describe(const TJson& value) {
  if (value.is_array()) {
    return "[...]";
  }
  if (value.is_object()) {
    return "{...}";
  }
  String text = value.dump();
  if (text.size() > kMaxShownValue) {
    text = text.substr(0, kMaxShownValue) + "...";
  }
  return text;
}

String LayoutResourceText(const String& name) {
  HRSRC resource = FindResource(nullptr, name, RT_RCDATA);
  const void* data = resource ? LockResource(LoadResource(nullptr, resource)) : nullptr;
  if (!data) {
    throw ELayoutError(FmtLoadResString(SLayoutNotFound, {name}));
  }
  return String(static_cast<const char*>(data), SizeofResource(nullptr, resource));
}

// One layout of an inheritance chain, parsed.
struct TLayoutText {
  String Name;
  TJson Document;
};

}  // namespace

class TLayoutReader {
 public:
  TLayoutReader(TComponent& root, const TLayoutHandlers& handlers)
      : FRoot(root), FHandlers(handlers), FClasses(TLayoutClasses::Global()) {}

  void Read(const String& name, const String& text) {
    // Every layout of the chain is parsed before the root is touched.
    std::vector<TLayoutText> chain;
    chain.push_back({name, Parse(name, text)});
    while (const TJson* inherits = Inherits(chain.back())) {
      const String& current = chain.back().Name;
      if (!inherits->is_string()) {
        Invalid(current, FmtLoadResString(SInvalidPropertyValue, {Describe(*inherits)}));
      }
      const String base = inherits->get<String>();
      const bool cycle = std::any_of(chain.begin(), chain.end(),
                                     [&](const TLayoutText& layout) { return SameText(layout.Name, base); });
      if (cycle) {
        Invalid(current, FmtLoadResString(SLayoutInheritCycle, {base}));
      }
      if (static_cast<int>(chain.size()) >= kMaxInheritance) {
        Invalid(name, FmtLoadResString(SLayoutInheritTooDeep, {kMaxInheritance}));
      }
      chain.push_back({base, Parse(base, LayoutResourceText(base))});
    }

    FRoot.FComponentState.Include(TComponentStateItem::csLoading);
    // A read that fails leaves the root as it found it.
    ScopeExit abandoned([this] { Abandon(); });
    for (auto layout = chain.rbegin(); layout != chain.rend(); ++layout) {
      FLayoutName = layout->Name;
      ReadDocument(layout->Document);
    }
    for (TComponent* component : FRead) {
      component->Loaded();
    }
    FRoot.Loaded();
    abandoned.Dismiss();
  }

 private:
  static const TJson* Inherits(const TLayoutText& layout) {
    const auto found = layout.Document.find("Inherits");
    return found == layout.Document.end() ? nullptr : &*found;
  }

  [[noreturn]] static void Invalid(const String& layoutName, const String& reason) {
    throw ELayoutError(FmtLoadResString(SLayoutInvalid, {layoutName, reason}));
  }

  [[noreturn]] void Fail(const String& where, const String& reason) const {
    throw ELayoutError(FmtLoadResString(SLayoutReadError, {where, FLayoutName, reason}));
  }

  static TJson Parse(const String& name, const String& text) {
    if (text.size() > kMaxLayoutSize) {
      Invalid(name, FmtLoadResString(SLayoutTooLarge, {static_cast<int>(kMaxLayoutSize)}));
    }
    if (const String fault = ShapeFault(text); !fault.empty()) {
      Invalid(name, fault);
    }
    TJson document;
    try {
      document = TJson::parse(text);
    } catch (const TJson::exception& error) {
      Invalid(name, error.what());
    }
    if (!document.is_object()) {
      Invalid(name, LoadResString(SLayoutNotObject));
    }
    return document;
  }

  // A component as messages name it: its name, else its class.
  static String Label(const TComponent& component) {
    return component.Name().empty() ? component.ClassName() : component.Name();
  }

  // The components first, so that references can name any component of the
  // layout; then the properties, the root's first, in the order written.
  void ReadDocument(const TJson& document) {
    FListed.clear();
    FEntries.clear();
    if (const auto name = document.find("Name"); name != document.end()) {
      SetComponentName(FRoot, *name, Label(FRoot));
    }
    ReadTree(document, FRoot);
    ReadProperties(FRoot, document, {"Inherits", "Name", "Components"});
    for (const auto& [component, entry] : FEntries) {
      ReadProperties(*component, *entry, {"Class", "Name", "Components"});
    }
  }

  void ReadTree(const TJson& entry, TComponent& container) {
    const auto children = entry.find("Components");
    if (children == entry.end()) {
      return;
    }
    const String where = Label(container) + ".Components";
    if (!children->is_array()) {
      Fail(where, FmtLoadResString(SInvalidPropertyValue, {Describe(*children)}));
    }
    for (const TJson& child : *children) {
      TComponent& component = ReadComponent(child, container, where);
      FEntries.emplace_back(&component, &child);
      ReadTree(child, component);
    }
  }

  void ReadProperties(TComponent& component, const TJson& entry, std::initializer_list<const char*> reserved) {
    const String where = Label(component);
    component.FComponentState.Include(TComponentStateItem::csReading);
    // Named members rather than a structured binding: clang 14 cannot capture
    // the latter in a lambda.
    for (const auto& member : entry.items()) {
      const String& key = member.key();
      const bool isReserved =
          std::any_of(reserved.begin(), reserved.end(), [&key](const char* word) { return key == word; });
      if (!isReserved) {
        SetProperty(component, key, member.value(), where);
      }
    }
    component.FComponentState.Exclude(TComponentStateItem::csReading);
  }

  // Makes the entry's component and places it under its container, or finds
  // the inherited one it names, which stays where it is.
  TComponent& ReadComponent(const TJson& entry, TComponent& container, const String& containerWhere) {
    if (!entry.is_object()) {
      Fail(containerWhere, FmtLoadResString(SEntryNotObject, {"Components"}));
    }
    const auto name = entry.find("Name");
    const auto className = entry.find("Class");
    if (name != entry.end() && !name->is_string()) {
      Fail(containerWhere, FmtLoadResString(SInvalidPropertyValue, {Describe(*name)}));
    }
    const String componentName = name != entry.end() ? name->get<String>() : String();

    TComponent* component = nullptr;
    if (className != entry.end()) {
      component = Create(*className, componentName, containerWhere);
      if (name != entry.end()) {
        SetComponentName(*component, *name, componentName);
      }
    } else {
      if (componentName.empty()) {
        Fail(containerWhere, FmtLoadResString(SEntryIncomplete, {"Components"}));
      }
      component = FRoot.FindComponent(componentName);
      if (!component) {
        Fail(componentName, FmtLoadResString(SComponentNotFound, {componentName}));
      }
    }
    if (!FListed.insert(component).second) {
      Fail(componentName, FmtLoadResString(SComponentListedTwice, {componentName}));
    }
    if (FReadSet.insert(component).second) {
      FRead.push_back(component);
    }
    component->FComponentState.Include(TComponentStateItem::csLoading);
    if (className != entry.end()) {
      try {
        component->SetParentComponent(&container);
      } catch (const Exception& error) {
        Fail(Label(*component), error.Message());
      }
    }
    return *component;
  }

  TComponent* Create(const TJson& className, const String& componentName, const String& containerWhere) {
    if (!className.is_string()) {
      Fail(containerWhere, FmtLoadResString(SInvalidPropertyValue, {Describe(className)}));
    }
    const String classText = className.get<String>();
    const String where = componentName.empty() ? containerWhere : componentName;
    const TLayoutClass* registered = FClasses.Find(classText);
    if (!registered) {
      Fail(where, FmtLoadResString(SClassNotFound, {classText}));
    }
    if (!registered->CanCreate()) {
      Fail(where, FmtLoadResString(SClassNotCreatable, {classText}));
    }
    if (static_cast<int>(FCreated.size()) >= kMaxComponents) {
      Invalid(FLayoutName, FmtLoadResString(SLayoutTooManyComponents, {kMaxComponents}));
    }
    TComponent* component = nullptr;
    try {
      component = registered->Create(&FRoot);
    } catch (const Exception& error) {
      Fail(where, error.Message());
    }
    FCreated.push_back(component);
    return component;
  }

  void SetComponentName(TComponent& component, const TJson& name, const String& where) {
    if (!name.is_string()) {
      Fail(where + ".Name", FmtLoadResString(SInvalidPropertyValue, {Describe(name)}));
    }
    try {
      component.SetName(name.get<String>());
    } catch (const Exception& error) {
      Fail(where + ".Name", error.Message());
    }
  }

  // Sets the property named by key ("Left", or dotted: "Font.Style") of object.
  void SetProperty(TObject& object, const String& key, const TJson& value, const String& objectWhere) {
    TObject* target = &object;
    String where = objectWhere;
    std::size_t start = 0;
    while (true) {
      const std::size_t dot = key.find('.', start);
      const String name = key.substr(start, dot == String::npos ? String::npos : dot - start);
      where += "." + name;
      const TLayoutClass* registered = FClasses.ClassOf(*target);
      if (!registered) {
        Fail(where, FmtLoadResString(SClassNotFound, {target->ClassName()}));
      }
      const TPropertyInfo* property = registered->FindProperty(name);
      if (!property) {
        Fail(where, FmtLoadResString(SUnknownProperty, {name}));
      }
      if (dot == String::npos) {
        SetValue(*target, *property, value, where);
        return;
      }
      const auto* objectProperty = std::get_if<TObjectProperty>(property);
      if (!objectProperty) {
        Fail(where, FmtLoadResString(SUnknownProperty, {key.substr(start)}));
      }
      target = SubObject(*target, *objectProperty, where);
      start = dot + 1;
    }
  }

  TObject* SubObject(TObject& object, const TObjectProperty& property, const String& where) {
    TObject* sub = nullptr;
    try {
      sub = property.Get(object);
    } catch (const Exception& error) {
      Fail(where, error.Message());
    }
    if (!sub) {
      Fail(where, FmtLoadResString(SInvalidPropertyValue, {"{...}"}));
    }
    return sub;
  }

  void SetValue(TObject& object, const TPropertyInfo& property, const TJson& value, const String& where) {
    try {
      std::visit([&](const auto& kind) { Apply(object, kind, value, where); }, property);
    } catch (const ELayoutError&) {
      throw;
    } catch (const Exception& error) {
      // A setter's own refusal ("not a valid component name"...), with the place.
      Fail(where, error.Message());
    }
  }

  [[noreturn]] void BadValue(const TJson& value, const String& where) const {
    Fail(where, FmtLoadResString(SInvalidPropertyValue, {Describe(value)}));
  }

  // The ordinal of name among names (without regard to ASCII case), or -1.
  static int Ordinal(std::span<const char* const> names, const String& name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (SameText(names[i], name)) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  void Apply(TObject& object, const TIntegerProperty& property, const TJson& value, const String& where) {
    std::int64_t number = 0;
    if (value.is_number_unsigned()) {
      const auto unsignedNumber = value.get<std::uint64_t>();
      if (unsignedNumber > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        BadValue(value, where);
      }
      number = static_cast<std::int64_t>(unsignedNumber);
    } else if (value.is_number_integer()) {
      number = value.get<std::int64_t>();
    } else if (value.is_string() && !property.Idents.empty()) {
      const auto known = IdentToInt(value.get<String>(), property.Idents);
      if (!known) {
        BadValue(value, where);
      }
      number = *known;
    } else {
      BadValue(value, where);
    }
    if (number < property.Min || number > property.Max) {
      BadValue(value, where);
    }
    property.Set(object, number);
  }

  void Apply(TObject& object, const TFloatProperty& property, const TJson& value, const String& where) {
    // Numbers beyond a double's range never get here: the parser refuses them.
    if (!value.is_number()) {
      BadValue(value, where);
    }
    const double number = value.get<double>();
    if (number < property.Min || number > property.Max) {
      BadValue(value, where);
    }
    property.Set(object, number);
  }

  void Apply(TObject& object, const TDateTimeProperty& property, const TJson& value, const String& where) {
    TDateTime dateTime = 0;
    if (!value.is_string() || !TryIsoStrToDateTime(value.get<String>(), dateTime)) {
      BadValue(value, where);
    }
    property.Set(object, dateTime);
  }

  void Apply(TObject& object, const TBooleanProperty& property, const TJson& value, const String& where) {
    if (!value.is_boolean()) {
      BadValue(value, where);
    }
    property.Set(object, value.get<bool>());
  }

  void Apply(TObject& object, const TStringProperty& property, const TJson& value, const String& where) {
    if (!value.is_string()) {
      BadValue(value, where);
    }
    property.Set(object, value.get<String>());
  }

  void Apply(TObject& object, const TEnumProperty& property, const TJson& value, const String& where) {
    const int ordinal = value.is_string() ? Ordinal(property.Names, value.get<String>()) : -1;
    if (ordinal < 0) {
      BadValue(value, where);
    }
    property.Set(object, ordinal);
  }

  void Apply(TObject& object, const TSetProperty& property, const TJson& value, const String& where) {
    if (!value.is_array()) {
      BadValue(value, where);
    }
    std::uint64_t bits = 0;
    for (const TJson& member : value) {
      const int ordinal = member.is_string() ? Ordinal(property.Names, member.get<String>()) : -1;
      if (ordinal < 0 || ordinal >= 64) {
        BadValue(member, where);
      }
      bits |= std::uint64_t{1} << ordinal;
    }
    property.Set(object, bits);
  }

  void Apply(TObject& object, const TObjectProperty& property, const TJson& value, const String& where) {
    if (!value.is_object()) {
      BadValue(value, where);
    }
    TObject* sub = SubObject(object, property, where);
    for (const auto& [key, member] : value.items()) {
      SetProperty(*sub, key, member, where);
    }
  }

  void Apply(TObject& object, const TCollectionProperty& property, const TJson& value, const String& where) {
    if (!value.is_array()) {
      BadValue(value, where);
    }
    TCollection* collection = property.Get(object);
    if (!collection) {
      BadValue(value, where);
    }
    collection->BeginUpdate();
    const ScopeExit updated([collection] { collection->EndUpdate(); });
    collection->Clear();
    int index = 0;
    for (const TJson& entry : value) {
      const String itemWhere = where + "[" + std::to_string(index++) + "]";
      if (!entry.is_object()) {
        Fail(itemWhere, FmtLoadResString(SEntryNotObject, {where}));
      }
      TCollectionItem* item = collection->Add();
      for (const auto& [key, member] : entry.items()) {
        SetProperty(*item, key, member, itemWhere);
      }
    }
  }

  void Apply(TObject& object, const TStringsProperty& property, const TJson& value, const String& where) {
    const bool allStrings =
        value.is_array() && std::all_of(value.begin(), value.end(), [](const TJson& s) { return s.is_string(); });
    TStrings* strings = allStrings ? property.Get(object) : nullptr;
    if (!strings) {
      BadValue(value, where);
    }
    strings->BeginUpdate();
    const ScopeExit updated([strings] { strings->EndUpdate(); });
    strings->Clear();
    for (const TJson& line : value) {
      strings->Add(line.get<String>());
    }
  }

  void Apply(TObject& object, const TComponentProperty& property, const TJson& value, const String& where) {
    if (value.is_null()) {
      property.Set(object, nullptr);
      return;
    }
    if (!value.is_string()) {
      BadValue(value, where);
    }
    const String componentName = value.get<String>();
    TComponent* component = FRoot.FindComponent(componentName);
    if (!component) {
      Fail(where, FmtLoadResString(SComponentNotFound, {componentName}));
    }
    if (!property.Set(object, component)) {
      Fail(where, FmtLoadResString(SComponentWrongClass, {componentName}));
    }
  }

  void Apply(TObject& object, const TEventProperty& property, const TJson& value, const String& where) {
    if (!value.is_string()) {
      BadValue(value, where);
    }
    const String handlerName = value.get<String>();
    const std::any* handler = FHandlers.Find(handlerName);
    if (!handler) {
      Fail(where, FmtLoadResString(SHandlerNotFound, {handlerName}));
    }
    if (!property.Bind(object, *handler)) {
      Fail(where, FmtLoadResString(SHandlerMismatch, {handlerName}));
    }
  }

  // After a failure: the components this read made go again, the others
  // leave the loading state.
  void Abandon() {
    const std::set<TComponent*> created(FCreated.begin(), FCreated.end());
    for (auto component = FCreated.rbegin(); component != FCreated.rend(); ++component) {
      // Only while the root still holds it: a destructor may have deleted
      // another. What the read made lies at the end of the root's list.
      const auto& owned = FRoot.FComponents;
      if (std::find(owned.rbegin(), owned.rend(), *component) != owned.rend()) {
        delete *component;
      }
    }
    const TComponentState reading{TComponentStateItem::csLoading, TComponentStateItem::csReading};
    for (TComponent* component : FRead) {
      if (!created.contains(component)) {
        component->FComponentState = component->FComponentState - reading;
      }
    }
    FRoot.FComponentState = FRoot.FComponentState - reading;
  }

  TComponent& FRoot;
  const TLayoutHandlers& FHandlers;
  const TLayoutClasses& FClasses;
  String FLayoutName;
  std::vector<TComponent*> FCreated;  // made by this read, in order
  std::vector<TComponent*> FRead;     // every component read, once, in order
  std::set<TComponent*> FReadSet;
  std::set<TComponent*> FListed;                               // the components the current layout lists
  std::vector<std::pair<TComponent*, const TJson*>> FEntries;  // and their entries, in order
};

void ReadLayout(TComponent& Root, const String& Name, const TLayoutHandlers& Handlers) {
  TLayoutReader(Root, Handlers).Read(Name, LayoutResourceText(Name));
}

void ReadLayoutText(TComponent& Root, const String& Text, const String& LayoutName, const TLayoutHandlers& Handlers) {
  TLayoutReader(Root, Handlers).Read(LayoutName, Text);
}

}  // namespace plat
