#include "grid/BaseGridClasses.h"

#include "grid/GridObjectClasses.h"
#include "grid/TBaseGrid.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"

namespace zorbit {

void RegisterBaseGridClasses() {
  plat::InitClassLibrary();
  plat::RegisterLayoutClass<TExtGridUndoRedo, plat::TComponent>("TExtGridUndoRedo")
      .IntegerProperty("MaxLevel", &TExtGridUndoRedo::MaxLevel, &TExtGridUndoRedo::SetMaxLevel);
  plat::RegisterLayoutClass<TBaseGrid, plat::TStringGrid>("TBaseGrid")
      .BooleanProperty("DefaultDrawing", &TBaseGrid::DefaultDrawing, &TBaseGrid::SetDefaultDrawing)
      .IntegerProperty("GridLineWidth", &TBaseGrid::GridLineWidth, &TBaseGrid::SetGridLineWidth)
      .IntegerProperty("GridLineColor", &TBaseGrid::GridLineColor, &TBaseGrid::SetGridLineColor, plat::ColorIdents())
      .ComponentProperty("UndoRedo", &TBaseGrid::UndoRedo, &TBaseGrid::SetUndoRedo)
      .BooleanProperty("ActiveRowShow", &TBaseGrid::ActiveRowShow, &TBaseGrid::SetActiveRowShow)
      .IntegerProperty("ActiveRowColor", &TBaseGrid::ActiveRowColor, &TBaseGrid::SetActiveRowColor, plat::ColorIdents())
      .EventProperty("OnGetDisplText", &TBaseGrid::OnGetDisplText)
      .EventProperty("OnGetDisplWideText", &TBaseGrid::OnGetDisplWideText);
  RegisterGridObjectClasses();
}

}  // namespace zorbit
