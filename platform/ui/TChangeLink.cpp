#include "platform/ui/TChangeLink.h"

#include "platform/ui/TImageList.h"

namespace plat {

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (OnChange) OnChange(FSender);
}

}  // namespace plat
