#include "grid/MarkupLabelClasses.h"

#include "grid/TMarkupLabel.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

void RegisterMarkupLabelClass() {
  plat::InitClassLibrary();
  plat::RegisterLayoutClass<TMarkupLabel, plat::TCustomLabel>("TMarkupLabel")
      .StringsProperty("HTMLText", &TMarkupLabel::HTMLText)
      .IntegerProperty("URLColor", &TMarkupLabel::URLColor, &TMarkupLabel::SetURLColor, plat::ColorIdents())
      .BooleanProperty("AnchorHint", &TMarkupLabel::AnchorHint, &TMarkupLabel::SetAnchorHint)
      .BooleanProperty("Ellipsis", &TMarkupLabel::Ellipsis, &TMarkupLabel::SetEllipsis)
      .EventProperty("OnAnchorClick", &TMarkupLabel::OnAnchorClick)
      .EventProperty("OnAnchorEnter", &TMarkupLabel::OnAnchorEnter)
      .EventProperty("OnAnchorExit", &TMarkupLabel::OnAnchorExit);
}

}  // namespace zorbit
