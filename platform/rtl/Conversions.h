#pragma once
// Conversions between numbers and text.
//
// Integers are read as the classic runtime reads them: leading blanks, an
// optional sign, then decimal digits, or hexadecimal digits after "$", "x",
// "X", "0x" or "0X"; nothing may follow. Hexadecimal texts may use every bit of
// the target (StrToInt("$FFFFFFFF") is -1). Floating-point texts take the
// settings' decimal separator, an optional exponent, and blanks around.
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

namespace plat {

String IntToStr(Int64 value);
// Upper-case hexadecimal with at least digits digits.
String IntToHex(Int64 value, int digits);

int StrToInt(const String& s);  // EConvertError "'%s' is not a valid integer value"
int StrToIntDef(const String& s, int defaultValue);
bool TryStrToInt(const String& s, int& value);
Int64 StrToInt64(const String& s);
Int64 StrToInt64Def(const String& s, Int64 defaultValue);
bool TryStrToInt64(const String& s, Int64& value);

// Non-zero numbers and "True" are true, 0 and "False" false (any case).
bool StrToBool(const String& s);  // EConvertError "'%s' is not a valid boolean value"
bool StrToBoolDef(const String& s, bool defaultValue);
bool TryStrToBool(const String& s, bool& value);
// "True"/"False", or "-1"/"0" when useBoolStrs is false.
String BoolToStr(bool value, bool useBoolStrs = false);

double StrToFloat(const String& s);  // EConvertError "'%s' is not a valid floating point value"
double StrToFloat(const String& s, const TFormatSettings& settings);
double StrToFloatDef(const String& s, double defaultValue);
double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& settings);
bool TryStrToFloat(const String& s, double& value);
bool TryStrToFloat(const String& s, double& value, const TFormatSettings& settings);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// General format with 15 significant digits: shortest text, no trailing zeros.
String FloatToStr(double value);
String FloatToStr(double value, const TFormatSettings& settings);
// precision: significant digits (1 to 18); digits: for ffGeneral and
// ffExponent the least exponent digits (0 to 4), for the others the decimals.
String FloatToStrF(double value, TFloatFormat format, int precision, int digits);
String FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& settings);
// Pattern formatting: "0" digit, "#" optional digit, "." decimal point, ","
// thousands grouping, "E+" "E-" "e+" "e-" exponent, quoted literals, and up to
// three sections "positive;negative;zero".
String FormatFloat(const String& format, double value);
String FormatFloat(const String& format, double value, const TFormatSettings& settings);

}  // namespace plat
