#pragma once
// Reading published properties by name, as the class library's run-time
// type information offers it: whether an object publishes a property, and
// what it holds. The properties are those of the object's most derived
// registered class (LayoutClasses.h) and the classes above it; names match
// without regard to ASCII case.
//
//   if (IsPublishedProp(*control, "FileTheme")) theme = GetStrProp(*control, "FileTheme");
//
// Writing one goes through its setter, as a layout sets it:
//
//   SetObjectProp(*control, "FileTheme", theme);
//   SetOrdProp(*control, "UIStyle", 3);
//   SetStrProp(*control, "Caption", "Apply");
//
// Reading a property that does not exist, that was registered without a
// getter, or that is not of the kind the reader gives raises EPropertyError;
// so does writing one that does not exist or is not of the writer's kind,
// and writing a value the property cannot hold (an integer or float beyond its type,
// an enumeration ordinal without a name, a set bit without a member, an
// object of a class the property does not take).
#include <cstdint>

#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"

namespace plat {

class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

// True when Instance's class publishes a property of that name (of any
// kind, events included).
bool IsPublishedProp(const TObject& Instance, const String& PropName);
// True when it is published and can be read.
bool IsReadableProp(const TObject& Instance, const String& PropName);

// The kinds of published properties.
enum class TTypeKind { tkInteger, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod };

// The kind of a published property: booleans are enumerations; dates and
// times are floats; object, collection, string-list and component
// properties are classes; events are methods. Raises EPropertyError for a
// property that is not published.
TTypeKind PropType(const TObject& Instance, const String& PropName);

// A string property.
String GetStrProp(const TObject& Instance, const String& PropName);
// A float or date-time property.
double GetFloatProp(const TObject& Instance, const String& PropName);
// An integer, enumeration (its ordinal), boolean (0 or 1) or set (the bits of
// its members' ordinals) property.
std::int64_t GetOrdProp(const TObject& Instance, const String& PropName);
// The name of an enumeration property's value ("alClient"); for a boolean
// "False" or "True".
String GetEnumProp(const TObject& Instance, const String& PropName);
// The object an object, collection, string-list or component property gives
// (nullptr for a component property that names none).
TObject* GetObjectProp(const TObject& Instance, const String& PropName);

// Sets an integer, enumeration (by ordinal), boolean (non-zero is true) or
// set (the bits of its members' ordinals) property.
void SetOrdProp(TObject& Instance, const String& PropName, std::int64_t Value);
// Sets a string property.
void SetStrProp(TObject& Instance, const String& PropName, const String& Value);
// Sets a float (within its type's range) or date-time property.
void SetFloatProp(TObject& Instance, const String& PropName, double Value);
// Sets a component property (nullptr for none); the setter runs even when
// the property holds Value already, so a component can take up what changed
// inside the object it refers to.
void SetObjectProp(TObject& Instance, const String& PropName, TObject* Value);

}  // namespace plat
