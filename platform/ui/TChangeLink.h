#pragma once
// A subscription to an image list's changes: a control that shows pictures
// of a list keeps one link, registers it with the list, and hears OnChange
// whenever the list changes. Several links may follow one list. A link
// leaves its list when it is destroyed; a list that goes away first lets
// go of its links (their Sender becomes null), so neither side dangles.
#include "platform/rtl/Object.h"

namespace plat {

class TImageList;

class TChangeLink : public TObject {
 public:
  TChangeLink() = default;
  ~TChangeLink() override;
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  // The list the link is registered with, or null.
  TImageList* Sender() const { return FSender; }
  // Calls OnChange when assigned.
  virtual void Change();

  TNotifyEvent OnChange;

 private:
  friend class TImageList;
  TImageList* FSender = nullptr;
};

}  // namespace plat
