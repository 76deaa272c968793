// Any bytes as a dropped block read as files and as text: names and texts
// come only from inside the block, the count matches the names, and
// nothing crashes or allocates beyond the block's size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/win/DropFiles.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/GlobalText.h"

namespace {

using namespace plat;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<Byte> bytes(data, data + size);
  HGLOBAL block = GlobalBlockOfBytes(bytes);
  if (!block) return 0;
  const std::vector<String> names = DroppedFileNames(block);
  const UINT count = DragQueryFileA(block, 0xFFFFFFFF, nullptr, 0);
  Check(count == names.size());
  Check(count <= size / 2);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(block, i, nullptr, 0);
    Check(length > 0 && length < size);
    std::vector<char16_t> wide(length + 1);
    Check(DragQueryFileW(block, i, wide.data(), length + 1) == length);
    char small[4];
    Check(DragQueryFileA(block, i, small, sizeof small) <= 3);
  }
  Check(DragQueryFileA(block, count, nullptr, 0) == 0);
  POINT at;
  DragQueryPoint(block, &at);
  Check(GlobalNarrowText(block).size() <= size);
  Check(GlobalWideText(block).size() <= size / 2);
  DragFinish(block);
  return 0;
}
