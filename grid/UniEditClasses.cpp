#include "grid/UniEditClasses.h"

#include "grid/EsgUniEdit.h"
#include "grid/EsgUniMemo.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

void RegisterUniEditClasses() {
  plat::InitClassLibrary();
  plat::RegisterLayoutClass<TEsgUniEdit, plat::TCustomEdit>("TEsgUniEdit");
  plat::RegisterLayoutClass<TEsgUniMemo, plat::TCustomMemo>("TEsgUniMemo");
}

}  // namespace zorbit
