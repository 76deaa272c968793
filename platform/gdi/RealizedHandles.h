#pragma once
// The handle a class-library pen or brush has realised, and a few it
// realised before: a change sets the current handle aside with what it was
// made from, so that changing back (a cell's colour, a line's, the bands of
// a gradient, the next cell's) makes no new GDI object. Each handle is made
// only from its key, so a handle taken back is the one that key would make.
// At most kAside handles wait, the oldest going first; all are freed with
// the object.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/gdi/GdiObjects.h"

namespace plat {

template <typename THandle, typename TKey>
class TRealizedHandles {
 public:
  static constexpr std::size_t kAside = 16;

  TRealizedHandles() = default;
  ~TRealizedHandles() { Free(); }
  TRealizedHandles(const TRealizedHandles&) = delete;
  TRealizedHandles& operator=(const TRealizedHandles&) = delete;

  // The handle for Key: the current one, else one set aside when it was made
  // from Key, else a new one from Make().
  template <typename TMake>
  THandle Get(const TKey& Key, TMake Make) {
    if (FCurrent.Handle) return FCurrent.Handle;
    const auto found = std::find_if(FAside.begin(), FAside.end(), [&Key](const TEntry& e) { return e.Key == Key; });
    if (found != FAside.end()) {
      FCurrent = *found;
      FAside.erase(found);
    } else {
      FCurrent = {Make(), Key};
    }
    return FCurrent.Handle;
  }
  // The data changed: the current handle is set aside when Keep, else freed.
  // Callers let go of it first (a canvas deselects it).
  void Release(bool Keep) {
    if (!FCurrent.Handle) return;
    if (!Keep) {
      Delete(FCurrent.Handle);
    } else {
      if (FAside.size() == kAside) {
        Delete(FAside.front().Handle);
        FAside.erase(FAside.begin());
      }
      FAside.push_back(FCurrent);
    }
    FCurrent.Handle = nullptr;
  }
  const TKey& CurrentKey() const { return FCurrent.Key; }
  void Free() {
    Delete(FCurrent.Handle);
    FCurrent.Handle = nullptr;
    for (const TEntry& entry : FAside) Delete(entry.Handle);
    FAside.clear();
  }

 private:
  struct TEntry {
    THandle Handle = nullptr;
    TKey Key{};
  };
  static void Delete(THandle Handle) {
    if (Handle) DeleteObject(Handle);
  }

  TEntry FCurrent;
  std::vector<TEntry> FAside;  // oldest first; empty until the first change
};

}  // namespace plat
