#pragma once
// TVarRec: one argument of Format and the other routines that take an open
// list of values ("array of const"): a whole number, a floating-point number,
// a text or a pointer. Calls read like the classic ones: Format("%s: %d", {name, 5}).
#include <cstdint>
#include <string_view>

#include "platform/rtl/Types.h"

namespace plat {

class TVarRec {
 public:
  enum class TVarType { vtInteger, vtInt64, vtExtended, vtString, vtPointer };

  // 32-bit signed values keep their width: "%x" and "%u" of -1 give 8 digits.
  TVarRec(int value) : FType(TVarType::vtInteger), FInt(value) {}
  TVarRec(short value) : TVarRec(static_cast<int>(value)) {}
  TVarRec(unsigned short value) : TVarRec(static_cast<int>(value)) {}
  TVarRec(unsigned value) : FType(TVarType::vtInt64), FInt(value) {}
  TVarRec(long value) : FType(TVarType::vtInt64), FInt(value) {}
  TVarRec(unsigned long value) : FType(TVarType::vtInt64), FInt(static_cast<std::int64_t>(value)) {}
  TVarRec(long long value) : FType(TVarType::vtInt64), FInt(value) {}
  TVarRec(unsigned long long value) : FType(TVarType::vtInt64), FInt(static_cast<std::int64_t>(value)) {}
  TVarRec(double value) : FType(TVarType::vtExtended), FFloat(value) {}
  TVarRec(float value) : TVarRec(static_cast<double>(value)) {}
  TVarRec(char value) : FType(TVarType::vtString), FStr(1, value) {}
  TVarRec(const char* value) : FType(TVarType::vtString), FStr(value ? value : "") {}
  TVarRec(std::string_view value) : FType(TVarType::vtString), FStr(value) {}
  TVarRec(const String& value) : FType(TVarType::vtString), FStr(value) {}
  TVarRec(const void* value) : FType(TVarType::vtPointer), FPtr(value) {}
  TVarRec(void* value) : TVarRec(static_cast<const void*>(value)) {}

  TVarType VType() const { return FType; }
  bool IsInteger() const { return FType == TVarType::vtInteger || FType == TVarType::vtInt64; }
  std::int64_t AsInt64() const { return FInt; }
  double AsFloat() const { return FFloat; }
  const String& AsString() const { return FStr; }
  const void* AsPointer() const { return FPtr; }

 private:
  TVarType FType;
  std::int64_t FInt = 0;
  double FFloat = 0;
  String FStr;
  const void* FPtr = nullptr;
};

}  // namespace plat
