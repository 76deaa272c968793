// Any bytes, read as UTF-16 units, cut into a wide list's lines and, read
// as UTF-8 bytes arriving one at a time, assembled into characters: no
// crash, no exception. No line keeps a break; the list's text cut again
// gives the same lines; comparison without case is an order; assembled
// characters are characters, never more of them than bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/rtl/AnsiStringsForWideStrings.h"
#include "platform/rtl/Utf8Assembler.h"
#include "platform/rtl/WideCompare.h"
#include "platform/rtl/WideStringList.h"

namespace {

using namespace plat;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CutLines(const WideString& text) {
  TWideStringList list;
  list.SetText(text);
  for (int i = 0; i < list.Count(); ++i)
    for (char16_t c : list.Strings(i))
      Check(c != u'\0' && c != u'\n' && c != u'\v' && c != u'\f' && c != u'\r' && c != u'\u2028' && c != u'\u2029');
  TWideStringList again;
  again.SetText(list.Text());
  Check(again.Equals(list));
  for (int i = 0; i < list.Count(); ++i) {
    Check(list.AnsiStrings().Strings(i).size() <= 3 * list.Strings(i).size());
    Check(CompareTextWinNT(list.Strings(i), list.Strings(i), LANG_ENGLISH_US) == 0);
    if (i > 0) {
      const int forward = CompareTextWinNT(list.Strings(i - 1), list.Strings(i), LANG_ENGLISH_US);
      Check(forward == -CompareTextWinNT(list.Strings(i), list.Strings(i - 1), LANG_ENGLISH_US));
    }
  }
}

void Assemble(const std::uint8_t* data, std::size_t size) {
  TUtf8Assembler assembler;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < size; ++i)
    for (char32_t c : assembler.Add(data[i])) {
      Check(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
      ++chars;
    }
  Check(chars <= size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WideString text(size / sizeof(char16_t), u'\0');
  std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
  CutLines(text);
  Assemble(data, size);
  return 0;
}
