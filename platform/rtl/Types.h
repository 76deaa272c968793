#pragma once
// The runtime's basic value types. String is UTF-8 text (UTF-8 is the system
// code page) and binary-safe; WideString is UTF-16.
#include <cstdint>
#include <string>

namespace plat {

using String = std::string;
using WideString = std::u16string;

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

using Byte = std::uint8_t;
using Word = std::uint16_t;
using DWORD = std::uint32_t;
using Cardinal = std::uint32_t;
using Integer = std::int32_t;
using Int64 = std::int64_t;

}  // namespace plat
