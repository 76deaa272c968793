#include "service/ScreenMode.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiConstants.h"

namespace zorbit {

TScreenMode GetScreenMode(plat::HDC DC) {
  return {plat::GetDeviceCaps(DC, plat::HORZRES), plat::GetDeviceCaps(DC, plat::VERTRES),
          plat::GetDeviceCaps(DC, plat::VREFRESH), plat::GetDeviceCaps(DC, plat::BITSPIXEL)};
}

}  // namespace zorbit
