#pragma once
// Plain components with a published property of every kind the layouts
// know, for the layout tests. Loaded and parent placement are written to
// Journal().
#include <functional>
#include <vector>

#include "platform/gdi/TFont.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TCollection.h"
#include "platform/ui/TComponent.h"

namespace uitest {

using namespace plat;

enum class TShape { stRectangle, stEllipse, stTriangle };
enum class TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;
using TMeasureEvent = std::function<void(TObject* Sender, int& Height)>;

std::vector<String>& Journal();

class TWidget;

class TWidgetItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  String Caption;
  int Weight = 0;
  TWidget* Target = nullptr;
  void SetCaption(const String& value) { Caption = value; }
  void SetWeight(int value) { Weight = value; }
  void SetTarget(TWidget* value) { Target = value; }
};

class TWidget : public TComponent {
 public:
  explicit TWidget(TComponent* AOwner);

  int Width = 0;
  Byte Level = 0;
  TColor Color = clBtnFace;
  String Caption;
  bool Visible = true;
  TShape Shape = TShape::stRectangle;
  TSides Sides;
  double Scale = 0;
  float Ratio = 0;
  TDateTime Due = 0;
  TWidget* Buddy = nullptr;
  TComponent* ParentComponent = nullptr;
  TComponentState StateWhenWidthSet;
  TNotifyEvent OnClick;
  TMeasureEvent OnMeasure;

  void SetWidth(int value);
  void SetLevel(Byte value) { Level = value; }
  void SetColor(TColor value) { Color = value; }
  void SetCaption(const String& value) { Caption = value; }
  void SetVisible(bool value) { Visible = value; }
  void SetShape(TShape value) { Shape = value; }
  void SetSides(TSides value) { Sides = value; }
  void SetScale(double value) { Scale = value; }
  void SetRatio(float value) { Ratio = value; }
  void SetDue(TDateTime value) { Due = value; }
  void SetBuddy(TWidget* value);
  TFont* Font() { return &FFont; }
  TOwnedCollection& Items() { return FItems; }
  TStringList* Lines() { return &FLines; }
  void SetParentComponent(TComponent* Value) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TFont FFont;
  TOwnedCollection FItems;
  TStringList FLines;
};

class TFancyWidget : public TWidget {
 public:
  using TWidget::TWidget;
  bool Glow = false;
  void SetGlow(bool value) { Glow = value; }
};

class TTestRoot : public TComponent {
 public:
  TTestRoot() : TComponent(nullptr) {}
  String Caption;
  TNotifyEvent OnShow;
  void SetCaption(const String& value) { Caption = value; }

 protected:
  void Loaded() override;
};

// Registers the class library's classes and the ones above (again: no harm).
void RegisterTestClasses();

}  // namespace uitest
