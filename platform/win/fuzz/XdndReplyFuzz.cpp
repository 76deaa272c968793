// Any bytes as another program's reply to a drag's selection request, for
// every type we read: the block made of it is well formed for its format
// (texts end at their zero, file lists read back name by name, a column is
// 4 bytes), and the same bytes as our own block convert to type bytes
// without reading beyond them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/win/Clipboard.h"
#include "platform/win/DropFiles.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/GlobalText.h"
#include "platform/win/detail/XdndFormats.h"

namespace {

using namespace plat;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<Byte> reply(data, data + size);
  const auto richText = static_cast<CLIPFORMAT>(RegisterClipboardFormat("Rich Text Format"));
  const auto column = static_cast<CLIPFORMAT>(RegisterClipboardFormat("Grid Column"));
  const struct {
    CLIPFORMAT Format;
    const char* Type;
  } pairs[] = {{CF_TEXT, "UTF8_STRING"},
               {CF_UNICODETEXT, "text/plain;charset=utf-8"},
               {CF_HDROP, "text/uri-list"},
               {richText, "text/rtf"},
               {column, "application/x-zorbit-grid-column"}};
  for (const auto& pair : pairs) {
    if (const auto block = FormatBytesFromType(pair.Format, pair.Type, reply)) {
      HGLOBAL memory = GlobalBlockOfBytes(*block);
      Check(memory != nullptr);
      if (pair.Format == CF_HDROP) {
        const std::vector<String> files = DroppedFileNames(memory);
        Check(!files.empty() && files.size() <= kMaxDroppedFiles);
        for (const String& file : files) Check(!file.empty() && file.front() == '/');
      } else if (pair.Format == column) {
        Check(block->size() == 4);
      } else if (pair.Format == CF_UNICODETEXT) {
        Check(!block->empty() && block->size() % 2 == 0);
        GlobalWideText(memory);
      } else {
        Check(!block->empty() && block->back() == 0 && GlobalNarrowText(memory).size() + 1 == block->size());
      }
      GlobalFree(memory);
    }
    if (const auto bytes = TypeBytesFromFormat(pair.Type, pair.Format, reply)) Check(bytes->size() <= 16 * size + 16);
  }
  Check(LocalFilesOfUriList(String(reply.begin(), reply.end())).size() <= kMaxDroppedFiles);
  return 0;
}
