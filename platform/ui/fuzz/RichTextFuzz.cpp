// Any bytes given to the rich-text reader give a rich text or
// ERichTextError, and nothing else: no crash, no other exception, no
// outsized allocation. What it reads, written and read again, gives the
// same characters and formats.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/ui/RichTextReader.h"
#include "platform/ui/RichTextWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plat;
  TRichText text;
  try {
    text = ReadRichText(String(reinterpret_cast<const char*>(data), size), TCharFormat());
  } catch (const ERichTextError&) {
    return 0;
  }
  const TRichText back = ReadRichText(WriteRichText(text), TCharFormat());
  if (back.Chars() != text.Chars()) std::abort();
  const std::vector<TRichRun> runs = text.Runs(), backRuns = back.Runs();
  if (runs.size() != backRuns.size()) std::abort();
  for (std::size_t i = 0; i < runs.size(); ++i)
    if (runs[i].Start != backRuns[i].Start || !(*runs[i].Format == *backRuns[i].Format)) std::abort();
  return 0;
}
