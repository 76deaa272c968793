#pragma once
// A listener of an image list: the list calls OnChange of every link
// registered with it (TImageList::RegisterChanges) after each change, so
// that several users of one list (menus, tool bars) follow it. A link
// unregisters itself when deleted; a list deleted first forgets its links
// (its users hear of that through FreeNotification).
#include "platform/rtl/Object.h"

namespace plat {

class TImageList;

class TChangeLink {
 public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  // The list this link is registered with, or null.
  TImageList* Sender() const { return FSender; }

  TNotifyEvent OnChange;

 private:
  friend class TImageList;

  TImageList* FSender = nullptr;
};

}  // namespace plat
