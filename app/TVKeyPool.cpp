#include "app/TVKeyPool.h"

#include "platform/rtl/Unicode.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/win/Keyboard.h"

namespace zorbit {

namespace {

bool IsAcceptedKey(std::uint16_t Key) {
  return (Key >= 0x30 && Key <= 0x39) || (Key >= 0x41 && Key <= 0x5A) || (Key >= 0xBA && Key <= 0xBF) ||
         (Key >= 0xDB && Key <= 0xDD);
}

bool Holds(const plat::String& Text, char32_t Placeholder) {
  for (std::size_t pos = 0; pos < Text.size();) {
    if (plat::DecodeUtf8(Text, pos) == Placeholder) return true;
  }
  return false;
}

}  // namespace

bool TVKeyPool::IsPoolKey(std::uint16_t Key, const plat::String& FieldText, char32_t& Placeholder) {
  if (!IsAcceptedKey(Key)) return false;
  for (std::size_t tried = 0; tried < kPlaceholders; ++tried) {
    const char32_t candidate = FNext;
    FNext = FNext == kLastPlaceholder ? kFirstPlaceholder : FNext + 1;
    // A placeholder still in the field would change what the field decodes to.
    if (!Holds(FieldText, candidate)) {
      FKeys[candidate - kFirstPlaceholder] = static_cast<std::uint8_t>(Key);
      Placeholder = candidate;
      return true;
    }
  }
  return false;
}

void TVKeyPool::KeyUp(plat::TCustomEdit& Edit, std::uint16_t Key) {
  const plat::String text = Edit.Text();
  char32_t placeholder = 0;
  if (!IsPoolKey(Key, text, placeholder)) return;
  const int length = plat::Utf8Length(text);
  const int selStart = Edit.SelStart();
  const int selLength = Edit.SelLength();
  if (Edit.MaxLength() <= 0 || length >= selLength + Edit.MaxLength()) return;
  plat::String changed = plat::Utf8Copy(text, 1, selStart);
  plat::AppendUtf8(changed, placeholder);
  changed += plat::Utf8Copy(text, selStart + selLength + 1, length);
  Edit.SetText(changed);
  Edit.SetSelStart(selStart + 1);
}

plat::String TVKeyPool::Decode(const plat::String& Text) const {
  plat::String codes;
  for (std::size_t pos = 0; pos < Text.size();) {
    const char32_t placeholder = plat::DecodeUtf8(Text, pos);
    const bool made = placeholder >= kFirstPlaceholder && placeholder <= kLastPlaceholder &&
                      FKeys[placeholder - kFirstPlaceholder] != 0;
    if (!made) throw EVKeyPoolError("Unknown Error");
    codes += static_cast<char>(plat::MapVirtualKey(FKeys[placeholder - kFirstPlaceholder], plat::MAPVK_VK_TO_VSC));
  }
  return codes;
}

}  // namespace zorbit
