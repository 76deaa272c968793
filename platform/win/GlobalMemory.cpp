#include "platform/win/GlobalMemory.h"

#include <unordered_map>
#include <vector>

#include "platform/win/WinErrors.h"

namespace plat {
namespace {

struct Block {
  std::vector<Byte> Bytes;
  int Locks = 0;
};

struct Blocks {
  std::unordered_map<std::uintptr_t, Block> Live;
  std::uintptr_t LastHandle = 0x40000;
};

Blocks& Table() {
  static Blocks blocks;
  return blocks;
}

Block* Find(HGLOBAL memory) {
  auto& live = Table().Live;
  auto it = live.find(reinterpret_cast<std::uintptr_t>(memory));
  if (it == live.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return &it->second;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, std::size_t bytes) {
  if (bytes > GlobalMaxBlockSize) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  Blocks& t = Table();
  t.LastHandle += 4;  // handles are never reused, so a freed one stays refused
  t.Live[t.LastHandle].Bytes.assign(bytes, 0);
  return reinterpret_cast<HGLOBAL>(t.LastHandle);
}

HGLOBAL GlobalReAlloc(HGLOBAL memory, std::size_t bytes, UINT) {
  Block* b = Find(memory);
  if (!b) return nullptr;
  if (bytes > GlobalMaxBlockSize || b->Locks > 0) {
    SetLastError(bytes > GlobalMaxBlockSize ? ERROR_NOT_ENOUGH_MEMORY : ERROR_ACCESS_DENIED);
    return nullptr;
  }
  b->Bytes.resize(bytes, 0);
  return memory;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  if (!memory) return nullptr;
  Block* b = Find(memory);
  if (!b) return memory;
  Table().Live.erase(reinterpret_cast<std::uintptr_t>(memory));
  return nullptr;
}

void* GlobalLock(HGLOBAL memory) {
  Block* b = Find(memory);
  if (!b) return nullptr;
  ++b->Locks;
  // An empty block still has an address that stays valid.
  return b->Bytes.empty() ? static_cast<void*>(b) : b->Bytes.data();
}

bool GlobalUnlock(HGLOBAL memory) {
  Block* b = Find(memory);
  if (!b) return false;
  if (b->Locks > 0) --b->Locks;
  return b->Locks > 0;
}

std::size_t GlobalSize(HGLOBAL memory) {
  Block* b = Find(memory);
  return b ? b->Bytes.size() : 0;
}

int GlobalLiveCount() { return static_cast<int>(Table().Live.size()); }

}  // namespace plat
