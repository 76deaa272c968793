// The mouse: clicks, enter and leave (also under capture), context menus,
// hints on the virtual clock, and the class library's drag and drop.
#include <gtest/gtest.h>

#include "platform/ui/DragManager.h"
#include "platform/ui/MouseTracking.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TDragObject.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/THintWindow.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/Cursors.h"
#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Mouse.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"

namespace uitest {
namespace {

class TPlate : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
};

class TSpot : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
};

class Mouse : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Form = new TForm(Application);
    Form->SetBorderStyle(TFormBorderStyle::bsNone);
    Form->SetBounds(100, 100, 400, 300);
    Left = Add<TPlate>(10, "Left");
    Right = Add<TPlate>(200, "Right");
  }
  template <typename T>
  T* Add(int left, const String& name, TWinControl* parent = nullptr) {
    auto* control = new T(Form);
    control->SetName(name);
    control->SetBounds(left, 10, 150, 100);
    control->SetParent(parent ? parent : Form);
    control->OnMouseEnter = [this, name](TObject*) { Events.push_back("enter " + name); };
    control->OnMouseLeave = [this, name](TObject*) { Events.push_back("leave " + name); };
    return control;
  }
  void ShowForm() {
    Form->Show();
    Pump();
    Events.clear();
  }
  void MoveTo(TControl* control, TPoint client) {
    InjectMouseMove(OnScreen(control, client));
    Pump();
  }

  TForm* Form = nullptr;
  TPlate* Left = nullptr;
  TPlate* Right = nullptr;
  std::vector<std::string> Events;
};

TEST_F(Mouse, EnterAndLeaveFollowThePointerAlsoUnderCapture) {
  TSpot* spot = Add<TSpot>(20, "Spot", Left);  // a graphic control inside Left
  spot->SetBounds(20, 20, 30, 30);
  ShowForm();
  MoveTo(Left, {5, 5});
  MoveTo(spot, {5, 5});
  MoveTo(Left, {100, 5});
  EXPECT_EQ(Events, (std::vector<std::string>{"enter Left", "leave Left", "enter Spot", "leave Spot", "enter Left"}));

  // The button held in Left captures the mouse; moving over Right still
  // tells both.
  Events.clear();
  InjectMouseDown(OnScreen(Left, {100, 5}));
  Pump();
  ASSERT_EQ(GetCaptureControl(), Left);
  MoveTo(Right, {5, 5});
  EXPECT_EQ(Events, (std::vector<std::string>{"leave Left", "enter Right"}));
  InjectMouseUp(OnScreen(Right, {5, 5}));
  Pump();
  EXPECT_EQ(GetCaptureControl(), nullptr);

  // Out of every window.
  Events.clear();
  InjectMouseMove({1250, 1000});
  Pump();
  EXPECT_EQ(Events, (std::vector<std::string>{"leave Right"}));
}

TEST_F(Mouse, APointerTheDisplaySeesLeaveLeavesNoControlUnderTheMouse) {
  TSpot* spot = Add<TSpot>(20, "Spot", Right);
  spot->SetBounds(20, 20, 30, 30);
  ShowForm();
  MoveTo(spot, {5, 5});
  Events.clear();
  // The display tells no point: the last one seen lies on the spot.
  FeedMouseExit();
  Pump();
  EXPECT_EQ(Events, (std::vector<std::string>{"leave Spot"}));
  EXPECT_EQ(MouseControl(), nullptr);
  // Back in, the controls hear of the pointer again.
  MoveTo(Left, {5, 5});
  EXPECT_EQ(Events, (std::vector<std::string>{"leave Spot", "enter Left"}));
}

TEST_F(Mouse, APressAndReleaseInsideIsAClickAndOutsideIsNot) {
  TSpot* spot = Add<TSpot>(20, "Spot", Left);
  spot->SetBounds(20, 20, 30, 30);
  int leftClicks = 0, spotClicks = 0, doubles = 0;
  Left->OnClick = [&leftClicks](TObject*) { ++leftClicks; };
  spot->OnClick = [&spotClicks](TObject*) { ++spotClicks; };
  spot->OnDblClick = [&doubles](TObject*) { ++doubles; };
  std::vector<std::string> downs;
  spot->OnMouseDown = [&downs](TObject*, TMouseButton, TShiftState shift, int x, int y) {
    downs.push_back(std::to_string(x) + "," + std::to_string(y) +
                    (shift.Contains(TShiftStateItem::ssDouble) ? " double" : ""));
  };
  ShowForm();
  ClickControl(Left);
  Pump();
  EXPECT_EQ(leftClicks, 1);
  // Pressed in the graphic control, which captures the mouse, released outside it.
  InjectMouseDown(OnScreen(spot, {3, 4}));
  InjectMouseUp(OnScreen(Right, {5, 5}));
  Pump();
  EXPECT_EQ(spotClicks, 0);
  Clock().Advance(1000);
  InjectDoubleClick(OnScreen(spot, {10, 10}));
  Pump();
  EXPECT_EQ(spotClicks, 1);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(downs, (std::vector<std::string>{"3,4", "10,10", "10,10 double"}));
}

TEST_F(Mouse, DisabledControlsTakeNoClicks) {
  TSpot* spot = Add<TSpot>(20, "Spot", Right);
  spot->SetBounds(20, 20, 30, 30);
  int clicks = 0;
  Left->OnClick = spot->OnClick = [&clicks](TObject*) { ++clicks; };
  int rightClicks = 0;
  Right->OnClick = [&rightClicks](TObject*) { ++rightClicks; };
  Left->SetEnabled(false);
  spot->SetEnabled(false);
  ShowForm();
  EXPECT_FALSE(IsWindowEnabled(Left->Handle()));
  ClickControl(Left);
  Clock().Advance(1000);
  ClickControl(spot);  // its parent gets the click instead
  Pump();
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(rightClicks, 1);
  Left->SetEnabled(true);
  Clock().Advance(1000);
  ClickControl(Left);
  Pump();
  EXPECT_EQ(clicks, 1);
}

TEST_F(Mouse, TheRightButtonPopsUpTheNearestMenu) {
  auto* menu = new TPopupMenu(Form);
  int popups = 0;
  menu->OnPopup = [&popups](TObject*) { ++popups; };
  Form->SetPopupMenu(menu);
  bool handledByLeft = false;
  Left->OnContextPopup = [&handledByLeft](TObject*, TPoint, bool& handled) { handled = handledByLeft; };
  ShowForm();
  InjectClick(OnScreen(Right, {5, 5}), MouseButton::Right);
  Pump();
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(menu->PopupComponent(), Form);
  Clock().Advance(1000);
  handledByLeft = true;
  InjectClick(OnScreen(Left, {5, 5}), MouseButton::Right);
  Pump();
  EXPECT_EQ(popups, 1);
  delete menu;
  EXPECT_EQ(Form->PopupMenu(), nullptr);
}

TEST_F(Mouse, AHintShowsAfterThePauseAndHidesOnLeave) {
  Left->SetHint("Left side|The long text");
  Left->SetShowHint(true);
  Right->SetHint("Right side");
  Right->SetShowHint(true);
  ShowForm();
  MoveTo(Left, {20, 20});
  Clock().Advance(Application->HintPause() - 1);
  Pump();
  EXPECT_FALSE(Application->HintShowing());
  Clock().Advance(1);
  Pump();
  ASSERT_TRUE(Application->HintShowing());
  THintWindow* hint = Application->HintWindow();
  EXPECT_EQ(hint->Caption(), "Left side");
  const TPoint cursor = OnScreen(Left, {20, 20});
  EXPECT_EQ(hint->Left(), cursor.X);
  EXPECT_GT(hint->Top(), cursor.Y);
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  // The hint lets the mouse through and moving inside the control keeps it.
  MoveTo(Left, {25, 25});
  EXPECT_TRUE(Application->HintShowing());

  // Onto another control with a hint: the short pause.
  MoveTo(Right, {20, 20});
  EXPECT_FALSE(Application->HintShowing());
  Clock().Advance(Application->HintShortPause());
  Pump();
  ASSERT_TRUE(Application->HintShowing());
  EXPECT_EQ(Application->HintWindow()->Caption(), "Right side");

  // Off every control: gone.
  InjectMouseMove({1250, 1000});
  Pump();
  EXPECT_FALSE(Application->HintShowing());
}

TEST_F(Mouse, AHintHidesAfterItsTimeAndOnAPress) {
  Left->SetHint("Left side");
  Left->SetShowHint(true);
  ShowForm();
  MoveTo(Left, {20, 20});
  Clock().Advance(Application->HintPause());
  Pump();
  ASSERT_TRUE(Application->HintShowing());
  Clock().Advance(Application->HintHidePause());
  Pump();
  EXPECT_FALSE(Application->HintShowing());

  MoveTo(Right, {20, 20});
  MoveTo(Left, {30, 30});
  Clock().Advance(Application->HintPause());
  Pump();
  ASSERT_TRUE(Application->HintShowing());
  InjectKeyPress(VK_SHIFT);
  Pump();
  EXPECT_FALSE(Application->HintShowing());
}

class Drag : public Mouse {
 protected:
  void SetUp() override {
    Mouse::SetUp();
    Left->SetDragMode(TDragMode::dmAutomatic);
    Right->OnDragOver = [this](TObject*, TObject* source, int x, int y, TDragState state, bool& accept) {
      const char* states[] = {"enter", "leave", "move"};
      Log.push_back(std::string("over ") + states[static_cast<int>(state)] + " " + std::to_string(x) + "," +
                    std::to_string(y));
      accept = source == Left;
    };
    Right->OnDragDrop = [this](TObject*, TObject* source, int x, int y) {
      Log.push_back("drop " + std::string(source == Left ? "Left" : "?") + " " + std::to_string(x) + "," +
                    std::to_string(y));
    };
    Left->OnEndDrag = [this](TObject*, TObject* target, int x, int y) {
      Log.push_back("end " +
                    std::string(target == Right ? "Right"
                                : target        ? "?"
                                                : "none") +
                    " " + std::to_string(x) + "," + std::to_string(y));
    };
    ShowForm();
  }
  std::vector<std::string> Log;
};

TEST_F(Drag, AControlDraggedOntoAnAcceptingTargetIsDropped) {
  InjectMouseDown(OnScreen(Left, {20, 20}));
  Pump();
  EXPECT_EQ(TDragManager::DragControl(), Left);
  EXPECT_TRUE(Log.empty());  // not yet past the threshold
  InjectMouseMove(OnScreen(Left, {40, 20}));
  Pump();
  // Over the source itself, which does not accept.
  EXPECT_EQ(Display().Cursor(), Screen->Cursors(crNoDrop));
  InjectMouseMove(OnScreen(Right, {10, 20}));
  Pump();
  EXPECT_EQ(Display().Cursor(), Screen->Cursors(Left->DragCursor()));
  InjectMouseMove(OnScreen(Right, {12, 22}));
  InjectMouseUp(OnScreen(Right, {12, 22}));
  Pump();
  EXPECT_EQ(Log, (std::vector<std::string>{"over enter 10,20", "over move 12,22", "over move 12,22", "drop Left 12,22",
                                           "end Right 12,22"}));
  EXPECT_EQ(TDragManager::DragControl(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Drag, EscapeOrARefusingTargetEndsWithoutADrop) {
  InjectMouseDown(OnScreen(Left, {20, 20}));
  InjectMouseMove(OnScreen(Right, {10, 20}));
  Pump();
  InjectKeyPress(VK_ESCAPE);
  Pump();
  EXPECT_EQ(Log, (std::vector<std::string>{"over enter 10,20", "over leave 10,20", "end none 10,20"}));
  EXPECT_EQ(TDragManager::DragControl(), nullptr);
  InjectMouseUp(OnScreen(Right, {10, 20}));
  Pump();

  // Dropped where nothing accepts.
  Log.clear();
  Clock().Advance(1000);
  InjectDrag(OnScreen(Left, {20, 20}), OnScreen(Left, {120, 80}));
  Pump();
  EXPECT_EQ(Log, (std::vector<std::string>{"end none 120,80"}));
}

TEST_F(Drag, AManualDragStartsWithBeginDragAndMayBringItsOwnDragObject) {
  class TNamedDrag : public TDragObject {
   public:
    TCursor GetDragCursor(bool accepted, int, int) override { return accepted ? crHandPoint : crNo; }
    void Finished(TObject* target, int, int, bool accepted) override { Result = target && accepted; }
    bool Result = false;
  };
  TNamedDrag object;
  Left->SetDragMode(TDragMode::dmManual);
  Left->OnStartDrag = [&object](TObject*, TDragObject*& dragObject) { dragObject = &object; };
  Left->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Left->BeginDrag(true); };
  Right->OnDragOver = [&object](TObject*, TObject* source, int, int, TDragState, bool& accept) {
    accept = source == &object;
  };
  InjectMouseDown(OnScreen(Left, {20, 20}));
  Pump();
  EXPECT_TRUE(Left->Dragging());
  InjectMouseMove(OnScreen(Right, {10, 20}));
  Pump();
  EXPECT_EQ(Display().Cursor(), Screen->Cursors(crHandPoint));
  EXPECT_EQ(object.DragTarget(), Right);
  InjectMouseUp(OnScreen(Right, {10, 20}));
  Pump();
  EXPECT_TRUE(object.Result);
  EXPECT_TRUE(object.Dropped());
  EXPECT_FALSE(Left->Dragging());
}

TEST_F(Drag, ATargetDeletedDuringTheDragIsForgotten) {
  InjectMouseDown(OnScreen(Left, {20, 20}));
  InjectMouseMove(OnScreen(Right, {10, 20}));
  Pump();
  delete Right;
  InjectMouseUp(OnScreen(Left, {10, 20}));
  Pump();
  ASSERT_FALSE(Log.empty());
  EXPECT_EQ(Log.back(), "end none 10,20");
}

}  // namespace
}  // namespace uitest
