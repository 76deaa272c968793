#pragma once
// Settings objects hold most of their properties as plain storage in one
// value record (FValues), so that Assign can copy them as a whole. This
// declares the getter/setter pair of such a property.
#define ZORBIT_PLAIN_PROPERTY(Type, Name)    \
  Type Name() const { return FValues.Name; } \
  void Set##Name(Type Value) { FValues.Name = Value; }

// The same pair whose setter then calls the object's Changed().
#define ZORBIT_CHANGING_PROPERTY(Type, Name) \
  Type Name() const { return FValues.Name; } \
  void Set##Name(Type Value) {               \
    FValues.Name = Value;                    \
    Changed();                               \
  }
