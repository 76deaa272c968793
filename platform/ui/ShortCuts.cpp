#include "platform/ui/ShortCuts.h"

#include <array>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

namespace {

constexpr Word kKeyMask = 0x00FF;

struct TModifier {
  TShortCut Flag;
  TShiftStateItem Shift;
  const TResStringRec* Name;
};
// In the order texts write them.
const std::array<TModifier, 3> kModifiers{{
    {scShift, TShiftStateItem::ssShift, &SmkcShift},
    {scCtrl, TShiftStateItem::ssCtrl, &SmkcCtrl},
    {scAlt, TShiftStateItem::ssAlt, &SmkcAlt},
}};

// Keys named by a resource string; the runs of consecutive keys are named
// in key order.
struct TNamedKeys {
  UINT First;
  std::array<const TResStringRec*, 9> Names;
  int Count;
};
const std::array<TNamedKeys, 5> kNamedKeys{{
    {VK_BACK, {&SmkcBkSp, &SmkcTab}, 2},
    {VK_RETURN, {&SmkcEnter}, 1},
    {VK_ESCAPE, {&SmkcEsc}, 1},
    {VK_SPACE, {&SmkcSpace, &SmkcPgUp, &SmkcPgDn, &SmkcEnd, &SmkcHome, &SmkcLeft, &SmkcUp, &SmkcRight, &SmkcDown}, 9},
    {VK_INSERT, {&SmkcIns, &SmkcDel}, 2},
}};

constexpr UINT kLastFunctionKey = VK_F1 + 23;  // F24

String KeyName(Word Key) {
  for (const TNamedKeys& run : kNamedKeys) {
    if (Key >= run.First && Key < run.First + run.Count) return LoadResString(*run.Names[Key - run.First]);
  }
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return String(1, static_cast<char>(Key));
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return String(1, static_cast<char>('0' + Key - VK_NUMPAD0));
  if (Key >= VK_F1 && Key <= kLastFunctionKey) return "F" + IntToStr(Key - VK_F1 + 1);
  return "";
}

}  // namespace

TShortCut ShortCut(Word Key, TShiftState Shift) {
  if (Key & ~kKeyMask) return scNone;
  TShortCut result = Key;
  for (const TModifier& modifier : kModifiers) {
    if (Shift.Contains(modifier.Shift)) result |= modifier.Flag;
  }
  return result;
}

void ShortCutToKey(TShortCut Value, Word& Key, TShiftState& Shift) {
  Key = Value & kKeyMask;
  Shift = {};
  for (const TModifier& modifier : kModifiers) {
    if (Value & modifier.Flag) Shift.Include(modifier.Shift);
  }
}

String ShortCutToText(TShortCut Value) {
  const String name = KeyName(Value & kKeyMask);
  if (name.empty()) return "";
  String text;
  for (const TModifier& modifier : kModifiers) {
    if (Value & modifier.Flag) text += LoadResString(*modifier.Name);
  }
  return text + name;
}

TShortCut TextToShortCut(const String& Text) {
  TShortCut flags = 0;
  String rest = Text;
  for (bool found = true; found;) {
    found = false;
    for (const TModifier& modifier : kModifiers) {
      const String prefix = LoadResString(*modifier.Name);
      if (!prefix.empty() && rest.size() > prefix.size() && SameText(rest.substr(0, prefix.size()), prefix)) {
        flags |= modifier.Flag;
        rest.erase(0, prefix.size());
        found = true;
      }
    }
  }
  if (rest.empty()) return scNone;
  // The digit keys come before the keypad's, which are named alike.
  for (Word key = 1; key <= kKeyMask; ++key) {
    if (SameText(KeyName(key), rest)) return static_cast<TShortCut>(key | flags);
  }
  return scNone;
}

}  // namespace plat
