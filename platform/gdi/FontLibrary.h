#pragma once
// The process's FreeType library and fontconfig configuration, made on first
// use. The configuration also holds the folder of the Windows-compatible
// faces (Tahoma, MS Sans Serif, Symbol, Marlett), which lies outside
// fontconfig's own paths. Internal to the drawing layer.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace plat {

FT_Library FreeTypeLibrary();
FcConfig* FontConfiguration();

}  // namespace plat
