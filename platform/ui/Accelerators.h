#pragma once
// "&" accelerators in captions: "&Open" answers to O (and o); "&&" is a
// plain ampersand.
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

// Whether Char is the accelerator of Caption, without regard to case.
bool IsAccel(char32_t Char, const String& Caption);
// The accelerator of Caption in upper case, or 0 when it has none.
char32_t GetHotkey(const String& Caption);
// Caption without its "&" marks ("&&" becomes "&").
String StripHotkey(const String& Caption);
// Gives each caption without an accelerator one that none of the others
// has: the first letter of a word that is free, else the first free letter
// or digit anywhere; a caption with none free stays as it is. Captions
// marked Skip (separators, hidden entries) neither take nor reserve one.
void AssignHotkeys(std::vector<String>& Captions, const std::vector<bool>& Skip);

}  // namespace plat
