#include "grid/EditBtnClasses.h"

#include "grid/EsgEditBtn.h"
#include "grid/EsgUnitEditBtn.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

void RegisterEditBtnClasses() {
  plat::InitClassLibrary();
  plat::RegisterLayoutClass<TEsgEditBtn, plat::TCustomEdit>("TEsgEditBtn")
      .IntegerProperty("ButtonWidth", &TEsgEditBtn::ButtonWidth, &TEsgEditBtn::SetButtonWidth)
      .StringProperty("ButtonCaption", &TEsgEditBtn::SetButtonCaption)
      .BooleanProperty("IsWinXP", &TEsgEditBtn::IsWinXP, &TEsgEditBtn::SetIsWinXP)
      .BooleanProperty("EditorEnabled", &TEsgEditBtn::EditorEnabled, &TEsgEditBtn::SetEditorEnabled)
      .BooleanProperty("RightAlign", &TEsgEditBtn::RightAlign, &TEsgEditBtn::SetRightAlign)
      .EventProperty("OnClickBtn", &TEsgEditBtn::OnClickBtn);
  plat::RegisterLayoutClass<TEsgUnitEditBtn, TEsgEditBtn>("TEsgUnitEditBtn")
      .StringProperty("UnitID", &TEsgUnitEditBtn::UnitID, &TEsgUnitEditBtn::SetUnitID)
      .IntegerProperty("UnitSpace", &TEsgUnitEditBtn::UnitSpace, &TEsgUnitEditBtn::SetUnitSpace);
}

}  // namespace zorbit
