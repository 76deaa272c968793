#pragma once
// The handle a class-library pen or brush has realised, and the one it
// realised before: a change sets the current handle aside with what it was
// made from, so that changing back (a cell's colour, a line's, the next
// cell's) makes no new GDI object. Each handle is made only from its key,
// so a handle taken back is the one that key would make. Both handles are
// freed with the object.
#include <utility>

#include "platform/gdi/GdiObjects.h"

namespace plat {

template <typename THandle, typename TKey>
class TRealizedHandles {
 public:
  TRealizedHandles() = default;
  ~TRealizedHandles() { Free(); }
  TRealizedHandles(const TRealizedHandles&) = delete;
  TRealizedHandles& operator=(const TRealizedHandles&) = delete;

  // The handle for Key: the current one, else the one set aside when it was
  // made from Key, else a new one from Make().
  template <typename TMake>
  THandle Get(const TKey& Key, TMake Make) {
    if (FCurrent) return FCurrent;
    FCurrent = FAside && FAsideKey == Key ? std::exchange(FAside, nullptr) : Make();
    FCurrentKey = Key;
    return FCurrent;
  }
  // The data changed: the current handle is set aside when Keep, else freed.
  // Callers let go of it first (a canvas deselects it).
  void Release(bool Keep) {
    if (!FCurrent) return;
    if (Keep) {
      Delete(FAside);
      FAside = FCurrent;
      FAsideKey = FCurrentKey;
    } else {
      Delete(FCurrent);
    }
    FCurrent = nullptr;
  }
  const TKey& CurrentKey() const { return FCurrentKey; }
  void Free() {
    Delete(FCurrent);
    Delete(FAside);
    FCurrent = FAside = nullptr;
  }

 private:
  static void Delete(THandle Handle) {
    if (Handle) DeleteObject(Handle);
  }

  THandle FCurrent = nullptr;
  THandle FAside = nullptr;
  TKey FCurrentKey{};
  TKey FAsideKey{};
};

}  // namespace plat
