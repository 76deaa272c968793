#include "platform/ui/ClassLibrary.h"

#include "platform/gdi/TFont.h"
#include "platform/ui/ControlClasses.h"
#include "platform/ui/GridClasses.h"
#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/MenuClasses.h"
#include "platform/ui/StdControlClasses.h"
#include "platform/ui/ToolBarClasses.h"
#include "platform/ui/UiConsts.h"

namespace plat {

namespace {

constexpr const char* kFontPitchNames[] = {"fpDefault", "fpVariable", "fpFixed"};
constexpr const char* kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

void RegisterClasses() {
  RegisterLayoutClass<TComponent>("TComponent").IntegerProperty("Tag", &TComponent::Tag, &TComponent::SetTag);
  RegisterLayoutClass<TFont>("TFont")
      .IntegerProperty("Charset", &TFont::Charset, &TFont::SetCharset, CharsetIdents())
      .IntegerProperty("Color", &TFont::Color, &TFont::SetColor, ColorIdents())
      .IntegerProperty("Height", &TFont::Height, &TFont::SetHeight)
      .StringProperty("Name", &TFont::Name, &TFont::SetName)
      .EnumProperty("Pitch", &TFont::Pitch, &TFont::SetPitch, kFontPitchNames)
      .IntegerProperty("Size", &TFont::Size, &TFont::SetSize)
      .SetProperty("Style", &TFont::Style, &TFont::SetStyle, kFontStyleNames);
}

}  // namespace

void InitClassLibrary() {
  static bool initialized = false;
  if (initialized) {
    return;
  }
  initialized = true;
  RegisterResStringTable(UiResStringTable());
  RegisterClasses();
  RegisterMenuClasses();
  RegisterControlClasses();
  RegisterStdControlClasses();
  RegisterToolBarClasses();
  RegisterGridClasses();
}

}  // namespace plat
