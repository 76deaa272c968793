#pragma once
// Reading published properties by name, as the class library's run-time
// type information offers it: whether an object publishes a property, and
// what it holds; and assigning a component property through its setter. The properties are those of the object's most
// derived registered class (LayoutClasses.h) and the classes above it; names match without regard to ASCII case.
//
//   if (IsPublishedProp(*control, "FileTheme")) theme = GetStrProp(*control, "FileTheme");
//
// Reading a property that does not exist, that was registered without a
// getter, or that is not of the kind the reader gives raises EPropertyError;
// so does assigning a property that does not exist, is not a component
// property, or does not take a value of that class.
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

// A string property.
String GetStrProp(const TObject& Instance, const String& PropName);
// An integer, enumeration (its ordinal), boolean (0 or 1) or set (the bits of
// its members' ordinals) property.
std::int64_t GetOrdProp(const TObject& Instance, const String& PropName);
// The name of an enumeration property's value ("alClient"); for a boolean
// "False" or "True".
String GetEnumProp(const TObject& Instance, const String& PropName);
// The object an object, collection, string-list or component property gives
// (nullptr for a component property that names none).
TObject* GetObjectProp(const TObject& Instance, const String& PropName);
// Assigns a component property through its setter (which runs even when
// the property holds Value already); Value may be nullptr for none.
void SetObjectProp(TObject& Instance, const String& PropName, TObject* Value);

}  // namespace plat
