#include "platform/ui/TPersistent.h"

#include "platform/rtl/Exception.h"
#include "platform/ui/UiConsts.h"

namespace plat {

void TPersistent::Assign(const TPersistent* Source) {
  if (Source == nullptr) {
    AssignError(nullptr);
  }
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const { Dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* Source) const {
  const String sourceName = Source ? Source->ClassName() : String("nil");
  throw EConvertError(FmtLoadResString(SAssignError, {sourceName, ClassName()}));
}

}  // namespace plat
