#pragma once
// TEsgUniCustomMemo: the class library's memo (lines, ScrollBars,
// WordWrap, WantTabs, WantReturns; a change of ScrollBars or WordWrap makes
// the window again) on a Unicode window, its Text a WideString
// (TEsgUnicodeControl). TEsgUniMemo is its published form, 200 x 100 at
// creation and never sized to its text; the grid's Unicode memo editor uses
// it.
#include "grid/EsgUnicodeControl.h"
#include "platform/ui/TCustomMemo.h"

namespace zorbit {

class TEsgUniCustomMemo : public TEsgUnicodeControl<plat::TCustomMemo> {
 public:
  using TEsgUnicodeControl::TEsgUnicodeControl;
};

class TEsgUniMemo : public TEsgUniCustomMemo {
 public:
  explicit TEsgUniMemo(plat::TComponent* AOwner);
};

}  // namespace zorbit
