#pragma once
// Format: the runtime's printf. Specifiers are
//   "%" ["index:"] ["-"] [width] ["." precision] type
// with the types d u x e f g n m p s and "%%"; index, width and precision may
// be "*" (taken from the arguments). A bad specifier or an argument of the
// wrong kind raises EConvertError "Format '%s' invalid or incompatible with argument".
#include <initializer_list>
#include <span>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/VarRec.h"

namespace plat {

String Format(const String& format, std::initializer_list<TVarRec> args);
String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings);
// For callers that build their argument list at run time.
String Format(const String& format, std::span<const TVarRec> args, const TFormatSettings& settings);

}  // namespace plat
