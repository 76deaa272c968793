#include "grid/EditBtnClasses.h"

#include "grid/EsgEditBtn.h"
#include "grid/EsgUniEditBtn.h"
#include "grid/EsgUnitEditBtn.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

namespace {

// The settings every edit with a button publishes, whatever its edit.
template <class TEdit>
void RegisterEditWithButton(const char* ClassName) {
  plat::RegisterLayoutClass<TEdit, plat::TCustomEdit>(ClassName)
      .IntegerProperty("ButtonWidth", &TEdit::ButtonWidth, &TEdit::SetButtonWidth)
      .StringProperty("ButtonCaption", &TEdit::SetButtonCaption)
      .BooleanProperty("IsWinXP", &TEdit::IsWinXP, &TEdit::SetIsWinXP)
      .BooleanProperty("EditorEnabled", &TEdit::EditorEnabled, &TEdit::SetEditorEnabled)
      .BooleanProperty("RightAlign", &TEdit::RightAlign, &TEdit::SetRightAlign)
      .EventProperty("OnClickBtn", &TEdit::OnClickBtn);
}

}  // namespace

void RegisterEditBtnClasses() {
  plat::InitClassLibrary();
  RegisterEditWithButton<TEsgEditBtn>("TEsgEditBtn");
  plat::RegisterLayoutClass<TEsgUnitEditBtn, TEsgEditBtn>("TEsgUnitEditBtn")
      .StringProperty("UnitID", &TEsgUnitEditBtn::UnitID, &TEsgUnitEditBtn::SetUnitID)
      .IntegerProperty("UnitSpace", &TEsgUnitEditBtn::UnitSpace, &TEsgUnitEditBtn::SetUnitSpace);
  RegisterEditWithButton<TEsgUniEditBtn>("TEsgUniEditBtn");
}

}  // namespace zorbit
