#include "platform/ui/tests/LayoutTestClasses.h"

#include "platform/ui/ClassLibrary.h"
#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"

namespace uitest {

namespace {
constexpr const char* kShapeNames[] = {"stRectangle", "stEllipse", "stTriangle"};
constexpr const char* kSideNames[] = {"sdLeft", "sdTop", "sdRight", "sdBottom"};
}  // namespace

std::vector<String>& Journal() {
  static std::vector<String> journal;
  return journal;
}

TWidget::TWidget(TComponent* AOwner) : TComponent(AOwner), FItems(this, CollectionItemClass<TWidgetItem>()) {}

void TWidget::SetWidth(int value) {
  Width = value;
  StateWhenWidthSet = ComponentState();
}

void TWidget::SetBuddy(TWidget* value) {
  Buddy = value;
  if (value) {
    value->FreeNotification(this);
  }
}

void TWidget::SetParentComponent(TComponent* Value) {
  ParentComponent = Value;
  Journal().push_back(Name() + " in " + Value->Name());
}

void TWidget::Loaded() {
  TComponent::Loaded();
  Journal().push_back("Loaded " + Name());
}

void TWidget::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove && AComponent == Buddy) {
    Buddy = nullptr;
  }
  TComponent::Notification(AComponent, Operation);
}

void TTestRoot::Loaded() {
  TComponent::Loaded();
  Journal().push_back("Loaded root " + Name());
}

void RegisterTestClasses() {
  InitClassLibrary();
  RegisterLayoutClass<TWidget, TComponent>("TWidget")
      .IntegerProperty("Width", &TWidget::SetWidth)
      .IntegerProperty("Level", &TWidget::SetLevel)
      .IntegerProperty("Color", &TWidget::SetColor, ColorIdents())
      .StringProperty("Caption", &TWidget::SetCaption)
      .BooleanProperty("Visible", &TWidget::SetVisible)
      .EnumProperty("Shape", &TWidget::SetShape, kShapeNames)
      .SetProperty("Sides", &TWidget::SetSides, kSideNames)
      .FloatProperty("Scale", &TWidget::SetScale)
      .FloatProperty("Ratio", &TWidget::SetRatio)
      .DateTimeProperty("Due", &TWidget::SetDue)
      .ObjectProperty("Font", &TWidget::Font)
      .CollectionProperty("Items", &TWidget::Items)
      .StringsProperty("Lines", &TWidget::Lines)
      .ComponentProperty("Buddy", &TWidget::SetBuddy)
      .EventProperty("OnClick", &TWidget::OnClick)
      .EventProperty("OnMeasure", &TWidget::OnMeasure);
  RegisterLayoutClass<TFancyWidget, TWidget>("TFancyWidget").BooleanProperty("Glow", &TFancyWidget::SetGlow);
  RegisterLayoutClass<TWidgetItem>("TWidgetItem")
      .StringProperty("Caption", &TWidgetItem::SetCaption)
      .IntegerProperty("Weight", &TWidgetItem::SetWeight)
      .ComponentProperty("Target", &TWidgetItem::SetTarget);
  RegisterLayoutClass<TTestRoot, TComponent>("TTestRoot")
      .StringProperty("Caption", &TTestRoot::SetCaption)
      .EventProperty("OnShow", &TTestRoot::OnShow);
}

}  // namespace uitest
