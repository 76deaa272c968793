#pragma once
// One streamed component record: the signature "TPF0", the class name, an
// empty component name, the published properties by name with typed values
// (nested objects as dotted names), then two end markers. Names are short
// strings (a length byte); integers are 64-bit, floats IEEE doubles, strings
// a 32-bit length and their bytes (binary-safe), string lists a 32-bit
// count and their strings, all little-endian; an empty string property is
// not written.
//
// Reading is parsing untrusted bytes: a record cut short, of another class,
// with an unknown value type, a length beyond the stream or a property
// named twice raises plat::EReadError and reads nothing further.
#include <cstdint>
#include <map>
#include <variant>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/rtl/Types.h"

namespace zorbit::detail {

class TRecordWriter {
 public:
  TRecordWriter(plat::TStream& Stream, const plat::String& ClassName);
  void Integer(const plat::String& Name, std::int64_t Value);
  void Text(const plat::String& Name, const plat::String& Value);
  void Boolean(const plat::String& Name, bool Value);
  void Float(const plat::String& Name, double Value);
  void Strings(const plat::String& Name, const std::vector<plat::String>& Value);
  // Writes the end markers.
  void End();

 private:
  void Name(const plat::String& Value);
  plat::TStream& FStream;
};

class TRecordReader {
 public:
  // Reads one whole record of the class.
  TRecordReader(plat::TStream& Stream, const plat::String& ClassName);
  // The property's value, or the default when it was not written; a value
  // of another type raises plat::EReadError.
  std::int64_t Integer(const plat::String& Name, std::int64_t Default = 0) const;
  plat::String Text(const plat::String& Name) const;
  bool Boolean(const plat::String& Name) const;
  double Float(const plat::String& Name, double Default = 0) const;
  // Empty when not written.
  std::vector<plat::String> Strings(const plat::String& Name) const;

 private:
  using TValue = std::variant<std::int64_t, plat::String, bool, double, std::vector<plat::String>>;
  template <typename T>
  const T* Find(const plat::String& Name) const;
  std::map<plat::String, TValue> FValues;
};

}  // namespace zorbit::detail
