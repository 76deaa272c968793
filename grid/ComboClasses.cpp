#include "grid/ComboClasses.h"

#include "grid/EsgComboBox.h"
#include "grid/EsgUniComboBox.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

namespace {

template <class TCombo>
auto RegisterFlatCombo(const char* ClassName) {
  return plat::RegisterLayoutClass<TCombo, plat::TCustomComboBox>(ClassName)
      .BooleanProperty("AutoFocus", &TCombo::AutoFocus, &TCombo::SetAutoFocus)
      .IntegerProperty("ButtonWidth", &TCombo::ButtonWidth, &TCombo::SetButtonWidth)
      .BooleanProperty("Flat", &TCombo::Flat, &TCombo::SetFlat)
      .BooleanProperty("Etched", &TCombo::Etched, &TCombo::SetEtched)
      .BooleanProperty("FocusBorder", &TCombo::FocusBorder, &TCombo::SetFocusBorder)
      .IntegerProperty("DropWidth", &TCombo::DropWidth, &TCombo::SetDropWidth);
}

}  // namespace

void RegisterComboClasses() {
  plat::InitClassLibrary();
  RegisterFlatCombo<TESGComboBox>("TESGComboBox")
      .StringProperty("Version", &TESGComboBox::Version, &TESGComboBox::SetVersion);
  RegisterFlatCombo<TESGUniComboBox>("TESGUniComboBox");
}

}  // namespace zorbit
