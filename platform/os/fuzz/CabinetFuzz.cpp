// Any bytes given to the cabinet calls as a cabinet give success or a
// failure with the error structure filled, and nothing else: no crash, no
// exception, no outsized allocation. The cabinet is read from memory and
// what it unpacks is counted and dropped.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "platform/os/Cabinet.h"

namespace {

using namespace plat;

constexpr INT_PTR kCabinet = 1;
constexpr INT_PTR kSink = 2;
// Larger stored files are skipped, so a run stays short however big the
// sizes the input claims.
constexpr LONG kMaxTaken = 1 << 20;

std::span<const std::uint8_t> input;
std::size_t position = 0;

void* Alloc(ULONG cb) { return std::malloc(cb); }
void Free(void* pv) { std::free(pv); }
INT_PTR Open(char*, int, int) {
  position = 0;
  return kCabinet;
}
UINT Read(INT_PTR hf, void* pv, UINT cb) {
  if (hf != kCabinet) return static_cast<UINT>(-1);
  const std::size_t n = std::min<std::size_t>(cb, input.size() - position);
  std::memcpy(pv, input.data() + position, n);
  position += n;
  return static_cast<UINT>(n);
}
UINT Write(INT_PTR hf, void*, UINT cb) { return hf == kSink ? cb : static_cast<UINT>(-1); }
int Close(INT_PTR) { return 0; }
LONG Seek(INT_PTR hf, LONG dist, int seektype) {
  if (hf != kCabinet) return -1;
  const long long base = seektype == CRT_SEEK_SET   ? 0
                         : seektype == CRT_SEEK_CUR ? static_cast<long long>(position)
                                                    : static_cast<long long>(input.size());
  const long long target = base + dist;
  if (target < 0 || target > static_cast<long long>(input.size())) return -1;
  position = static_cast<std::size_t>(target);
  return static_cast<LONG>(target);
}
INT_PTR Notify(FDINOTIFICATIONTYPE fdint, FDINOTIFICATION* pfdin) {
  switch (fdint) {
    case fdintCOPY_FILE: return pfdin->cb <= kMaxTaken ? kSink : 0;
    case fdintCLOSE_FILE_INFO: return 1;
    default: return 0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  input = std::span<const std::uint8_t>(data, size);
  ERF erf;
  HFDI context = FDICreate(Alloc, Free, Open, Read, Write, Close, Seek, cpu80386, &erf);
  if (!context) std::abort();
  FDICABINETINFO info;
  if (FDIIsCabinet(context, kCabinet, &info)) {
    if (!FDICopy(context, "fuzz.cab", "", 0, Notify, nullptr, nullptr) && !erf.fError) std::abort();
  }
  FDIDestroy(context);
  return 0;
}
