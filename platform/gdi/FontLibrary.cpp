#include "platform/gdi/FontLibrary.h"

#include "platform/rtl/Exception.h"

namespace plat {

namespace {

constexpr const char* WindowsFacesFolder = "/usr/share/wine/fonts";

// A private configuration: the system's font folders and caches only, so that
// neither a user's folders and substitutions nor a distribution's rule against
// bitmap faces (MS Sans Serif is one) changes which file draws a face.
constexpr const char* PrivateConfiguration = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
</fontconfig>
)";

FT_Library StartFreeType() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) throw Exception("The font engine could not be started");
  return library;
}

FcConfig* LoadConfiguration() {
  FcConfig* config = FcConfigCreate();
  if (config == nullptr) throw Exception("The font configuration could not be made");
  if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(PrivateConfiguration), FcTrue) ||
      !FcConfigBuildFonts(config)) {
    FcConfigDestroy(config);
    throw Exception("The font configuration could not be loaded");
  }
  // A missing folder only means those faces resolve to their fallbacks.
  FcConfigAppFontAddDir(config, reinterpret_cast<const FcChar8*>(WindowsFacesFolder));
  return config;
}

}  // namespace

// Both live as long as the process: faces held by fonts in static tables are
// closed during exit, in an order no function-local object can promise to
// come before.
FT_Library FreeTypeLibrary() {
  static const FT_Library library = StartFreeType();
  return library;
}

FcConfig* FontConfiguration() {
  static FcConfig* const config = LoadConfiguration();
  return config;
}

}  // namespace plat
