#pragma once
// The height of the system font's characters, which the editors' minimum
// heights are measured against.
namespace zorbit::detail {

int SystemFontHeight();

}  // namespace zorbit::detail
