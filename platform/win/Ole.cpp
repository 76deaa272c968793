#include "platform/win/Ole.h"

#include "platform/win/GlobalMemory.h"

namespace plat {
namespace {

int& InitCount() {
  static int count = 0;
  return count;
}

}  // namespace

HRESULT OleInitialize(void* reserved) {
  if (reserved) return E_INVALIDARG;
  return InitCount()++ == 0 ? S_OK : S_FALSE;
}

void OleUninitialize() {
  if (InitCount() > 0) --InitCount();
}

bool OleIsInitialized() { return InitCount() > 0; }

void ReleaseStgMedium(STGMEDIUM* medium) {
  if (!medium) return;
  if (medium->pUnkForRelease)
    medium->pUnkForRelease->Release();
  else if (medium->tymed == TYMED_HGLOBAL)
    GlobalFree(medium->hGlobal);
  *medium = STGMEDIUM{};
}

}  // namespace plat
