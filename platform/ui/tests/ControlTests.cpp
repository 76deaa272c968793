// Controls: bounds and alignment, notifications between parents and
// children, the message path, painting of windowed and graphic controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/InputInjection.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"

namespace uitest {
namespace {

// A control that fills itself with its colour and records what it hears.
class TBox : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<UINT> Heard;
  int Resized = 0;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg >= CM_BASE) Heard.push_back(Message.Msg);
    TCustomControl::WndProc(Message);
  }
  void Resize() override {
    ++Resized;
    TCustomControl::Resize();
  }
  void Paint() override {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

// A graphic control that paints a cross over more than its own bounds.
class TMark : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect({-50, -50, Width() + 50, Height() + 50});
  }
};

class Controls : public FormTest {
 protected:
  TForm* MakeForm(int clientWidth = 400, int clientHeight = 300) {
    auto* form = new TForm(Application);
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    return form;
  }
  // bounds: left, top, width, height; clNone keeps the parent's colour.
  TBox* Box(TWinControl* parent, TAlign align, TRect bounds, TColor color = clNone) {
    TComponent* owner = dynamic_cast<TCustomForm*>(parent) ? parent : parent->Owner();
    auto* box = new TBox(owner);
    box->SetBounds(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom);
    if (color != clNone) box->SetColor(color);
    box->SetParent(parent);
    box->SetAlign(align);
    return box;
  }
};

TEST_F(Controls, EveryAlignmentTakesItsEdgeInOrder) {
  TForm* form = MakeForm();
  // Placed in an order that differs from their positions: the positions count.
  TBox* top2 = Box(form, TAlign::alTop, {0, 50, 10, 20});
  TBox* top1 = Box(form, TAlign::alTop, {0, 0, 10, 30});
  TBox* bottom = Box(form, TAlign::alBottom, {0, 0, 10, 25});
  TBox* left = Box(form, TAlign::alLeft, {0, 0, 40, 10});
  TBox* right = Box(form, TAlign::alRight, {0, 0, 60, 10});
  TBox* client = Box(form, TAlign::alClient, {0, 0, 1, 1});
  TBox* free = Box(form, TAlign::alNone, {5, 6, 7, 8});

  EXPECT_EQ(top1->BoundsRect(), Rect(0, 0, 400, 30));
  EXPECT_EQ(top2->BoundsRect(), Rect(0, 30, 400, 50));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 275, 400, 300));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 50, 40, 275));
  EXPECT_EQ(right->BoundsRect(), Rect(340, 50, 400, 275));
  EXPECT_EQ(client->BoundsRect(), Rect(40, 50, 340, 275));
  EXPECT_EQ(free->BoundsRect(), Bounds(5, 6, 7, 8));

  // A bigger form: everything follows. A hidden control gives up its room.
  form->SetClientWidth(500);
  top2->SetVisible(false);
  EXPECT_EQ(top1->BoundsRect(), Rect(0, 0, 500, 30));
  EXPECT_EQ(right->BoundsRect(), Rect(440, 30, 500, 275));
  EXPECT_EQ(client->BoundsRect(), Rect(40, 30, 440, 275));

  // Turned from a bar at the top into one at the left, it keeps its thickness.
  top1->SetAlign(TAlign::alLeft);
  EXPECT_EQ(top1->Width(), 30);
}

TEST_F(Controls, ConstraintsLimitAlignedAndFreeSizes) {
  TForm* form = MakeForm();
  TBox* left = Box(form, TAlign::alLeft, {0, 0, 300, 10});
  left->Constraints()->SetMaxWidth(100);
  TBox* client = Box(form, TAlign::alClient, {0, 0, 1, 1});
  EXPECT_EQ(left->Width(), 100);
  EXPECT_EQ(client->BoundsRect(), Rect(100, 0, 400, 300));

  TBox* free = Box(form, TAlign::alNone, {0, 0, 10, 10});
  free->Constraints()->SetMinHeight(50);
  EXPECT_EQ(free->Height(), 50);
  free->SetBounds(0, 0, -5, -5);
  EXPECT_EQ(free->Width(), 0);
  EXPECT_EQ(free->Height(), 50);
  // A maximum below the minimum is raised to it.
  free->Constraints()->SetMaxHeight(20);
  EXPECT_EQ(free->Constraints()->MaxHeight(), 50);
}

TEST_F(Controls, CustomAlignmentAsksTheParent) {
  class TGrid : public TBox {
   public:
    using TBox::TBox;

   protected:
    void CustomAlignPosition(TControl*, int& left, int& top, int& width, int& height, TRect& rect) override {
      left = rect.Right - 20;
      top = rect.Bottom - 20;
      width = height = 20;
    }
  };
  TForm* form = MakeForm(200, 100);
  auto* grid = new TGrid(form);
  grid->SetParent(form);
  grid->SetAlign(TAlign::alClient);
  TBox* corner = Box(grid, TAlign::alCustom, {0, 0, 5, 5});
  EXPECT_EQ(corner->BoundsRect(), Rect(180, 80, 200, 100));
}

TEST_F(Controls, ChildrenFollowTheParentsFontColourAndHintUntilTheyHaveTheirOwn) {
  TForm* form = MakeForm();
  TBox* panel = Box(form, TAlign::alNone, {0, 0, 100, 100}, clBtnFace);
  TBox* inner = Box(panel, TAlign::alNone, {0, 0, 10, 10});
  EXPECT_TRUE(inner->ParentColor());
  form->SetColor(clYellow);
  EXPECT_EQ(inner->Color(), clBtnFace);  // the panel set its own colour
  panel->SetParentColor(true);
  EXPECT_EQ(panel->Color(), clYellow);
  EXPECT_EQ(inner->Color(), clYellow);  // through the panel
  inner->SetColor(clRed);
  EXPECT_FALSE(inner->ParentColor());
  panel->SetColor(clGreen);
  EXPECT_EQ(inner->Color(), clRed);
  inner->SetParentColor(true);
  EXPECT_EQ(inner->Color(), clGreen);

  form->Font()->SetName("Arial");
  form->Font()->SetSize(12);
  EXPECT_EQ(inner->Font()->Name(), "Arial");
  EXPECT_EQ(inner->Font()->Size(), 12);
  inner->Font()->SetStyle({TFontStyle::fsBold});
  EXPECT_FALSE(inner->ParentFont());
  form->Font()->SetSize(9);
  EXPECT_EQ(panel->Font()->Size(), 9);
  EXPECT_EQ(inner->Font()->Size(), 12);

  form->SetShowHint(true);
  EXPECT_TRUE(inner->ShowHint());
  inner->SetShowHint(false);
  form->SetShowHint(false);
  form->SetShowHint(true);
  EXPECT_FALSE(inner->ShowHint());

  EXPECT_EQ(inner->BiDiMode(), TBiDiMode::bdLeftToRight);
  form->SetBiDiMode(TBiDiMode::bdRightToLeft);
  EXPECT_TRUE(inner->UseRightToLeftAlignment());
}

TEST_F(Controls, ChangesAnnounceThemselvesOnce) {
  TForm* form = MakeForm();
  TBox* box = Box(form, TAlign::alNone, {0, 0, 10, 10});
  box->Heard.clear();
  box->SetText("one");
  box->SetText("one");
  box->SetEnabled(false);
  box->SetEnabled(false);
  box->SetVisible(false);
  box->SetColor(clRed);
  box->Font()->SetColor(clBlue);
  const std::vector<UINT> expected{CM_TEXTCHANGED, CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_COLORCHANGED,
                                   CM_FONTCHANGED};
  EXPECT_EQ(box->Heard, expected);
  EXPECT_EQ(box->Caption(), "one");
}

TEST_F(Controls, ACaptionThatIsTheNameFollowsIt) {
  TForm* form = MakeForm();
  TBox* box = Box(form, TAlign::alNone, {0, 0, 10, 10});
  box->SetName("Box1");
  EXPECT_EQ(box->Caption(), "Box1");
  box->SetName("Box2");
  EXPECT_EQ(box->Caption(), "Box2");
  box->SetCaption("Own");
  box->SetName("Box3");
  EXPECT_EQ(box->Caption(), "Own");
}

TEST_F(Controls, WindowProcCanBeHookedAndPassesOn) {
  TForm* form = MakeForm();
  TBox* box = Box(form, TAlign::alNone, {0, 0, 10, 10});
  const TWndMethod previous = box->WindowProc;
  int seen = 0;
  box->WindowProc = [&seen, previous](TMessage& message) {
    if (message.Msg == WM_USER + 1) {
      message.Result = 42;
      return;
    }
    if (message.Msg == WM_SETTEXT) ++seen;
    previous(message);
  };
  EXPECT_EQ(box->Perform(WM_USER + 1, 0, 0), 42);
  box->SetCaption("hooked");
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(box->Caption(), "hooked");
  // The window's own text follows the control's.
  EXPECT_EQ(WindowText(box->Handle()), "hooked");
}

TEST_F(Controls, AWindowIsMadeOnDemandAndMadeAgainWithItsState) {
  TForm* form = MakeForm();
  TBox* box = Box(form, TAlign::alNone, {10, 20, 30, 40});
  box->SetCaption("kept");
  TBox* inner = Box(box, TAlign::alClient, {0, 0, 1, 1});
  EXPECT_FALSE(box->HandleAllocated());
  const HWND first = box->Handle();
  EXPECT_TRUE(form->HandleAllocated());
  EXPECT_EQ(FindControl(first), box);
  EXPECT_EQ(GetParent(first), form->Handle());
  form->Show();
  Pump();
  EXPECT_TRUE(inner->Showing());
  box->RecreateWnd();
  EXPECT_NE(box->Handle(), first);
  EXPECT_EQ(FindControl(first), nullptr);
  EXPECT_EQ(WindowText(box->Handle()), "kept");
  EXPECT_TRUE(IsWindowVisible(inner->Handle()));
  RECT r;
  GetWindowRect(box->Handle(), &r);
  EXPECT_EQ(box->ScreenToClient(r.TopLeft()), Point(0, 0));
  EXPECT_EQ(r.Width(), 30);
}

TEST_F(Controls, WindowedAndGraphicControlsPaintClippedToThemselves) {
  TForm* form = MakeForm(200, 100);
  form->SetColor(clWhite);
  TBox* box = Box(form, TAlign::alNone, {10, 10, 50, 30}, clBlue);
  auto* mark = new TMark(form);
  mark->SetBounds(100, 40, 20, 10);
  mark->SetParent(form);
  form->Show();
  Pump();
  EXPECT_EQ(PixelAt(box, {0, 0}), static_cast<COLORREF>(clBlue));
  EXPECT_EQ(PixelAt(box, {49, 29}), static_cast<COLORREF>(clBlue));
  EXPECT_EQ(PixelAt(form, {9, 9}), static_cast<COLORREF>(clWhite));
  EXPECT_EQ(PixelAt(form, {100, 40}), static_cast<COLORREF>(clRed));
  EXPECT_EQ(PixelAt(form, {119, 49}), static_cast<COLORREF>(clRed));
  // The graphic control's overdraw is clipped to its bounds.
  EXPECT_EQ(PixelAt(form, {99, 40}), static_cast<COLORREF>(clWhite));
  EXPECT_EQ(PixelAt(form, {120, 50}), static_cast<COLORREF>(clWhite));

  // Hidden: the parent paints its background there again.
  mark->SetVisible(false);
  Pump();
  EXPECT_EQ(PixelAt(form, {105, 45}), static_cast<COLORREF>(clWhite));
  // Double buffered painting gives the same picture.
  box->SetDoubleBuffered(true);
  box->Repaint();
  EXPECT_EQ(PixelAt(box, {25, 15}), static_cast<COLORREF>(clBlue));
}

TEST_F(Controls, PaintToDrawsAControlAndItsChildrenOntoACanvas) {
  TForm* form = MakeForm(200, 100);
  TBox* outer = Box(form, TAlign::alNone, {0, 0, 60, 40}, clGreen);
  Box(outer, TAlign::alNone, {10, 10, 20, 20}, clBlue);
  TBitmap picture;
  picture.SetSize(80, 60);
  picture.Canvas()->Brush()->SetColor(clWhite);
  picture.Canvas()->FillRect({0, 0, 80, 60});
  outer->PaintTo(picture.Canvas(), 5, 5);
  EXPECT_EQ(picture.Canvas()->Pixels(5, 5), clGreen);
  EXPECT_EQ(picture.Canvas()->Pixels(16, 16), clBlue);
  EXPECT_EQ(picture.Canvas()->Pixels(64, 44), clGreen);
  EXPECT_EQ(picture.Canvas()->Pixels(66, 46), clWhite);
}

TEST_F(Controls, BroadcastStopsAtTheFirstTaker) {
  TForm* form = MakeForm();
  std::vector<int> asked;
  for (int i = 0; i < 3; ++i) {
    TBox* box = Box(form, TAlign::alNone, {0, 0, 10, 10});
    const TWndMethod previous = box->WindowProc;
    box->WindowProc = [&asked, previous, i](TMessage& message) {
      if (message.Msg == WM_USER) {
        asked.push_back(i);
        message.Result = i == 1 ? 1 : 0;
        return;
      }
      previous(message);
    };
  }
  TMessage message{WM_USER, 0, 0, 0};
  form->Broadcast(message);
  EXPECT_EQ(asked, (std::vector<int>{0, 1}));
  EXPECT_EQ(message.Result, 1);
}

TEST_F(Controls, ControlsKeepTheirOrderAndBringToFrontChangesIt) {
  TForm* form = MakeForm();
  TBox* a = Box(form, TAlign::alNone, {0, 0, 50, 50}, clRed);
  TBox* b = Box(form, TAlign::alNone, {25, 25, 50, 50}, clBlue);
  ASSERT_EQ(form->ControlCount(), 2);
  EXPECT_EQ(form->Controls(0), a);
  EXPECT_EQ(form->Controls(1), b);
  EXPECT_THROW(form->Controls(2), EListError);
  form->Show();
  Pump();
  EXPECT_EQ(PixelAt(form, {30, 30}), static_cast<COLORREF>(clBlue));
  a->BringToFront();
  Pump();
  EXPECT_EQ(form->Controls(1), a);
  EXPECT_EQ(PixelAt(form, {30, 30}), static_cast<COLORREF>(clRed));
  EXPECT_EQ(form->ControlAtPos({30, 30}, false, true), a);
}

TEST_F(Controls, DeletingAParentDeletesItsChildrenAndLeavesTheOwnerConsistent) {
  TForm* form = MakeForm();
  TBox* panel = Box(form, TAlign::alNone, {0, 0, 100, 100});
  Box(panel, TAlign::alNone, {0, 0, 10, 10});
  Box(panel, TAlign::alNone, {0, 0, 10, 10});
  const int owned = form->ComponentCount();
  ASSERT_EQ(owned, 3);
  delete panel;
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(Controls, AControlCannotBeItsOwnParentOrItsDescendantsChild) {
  TForm* form = MakeForm();
  TBox* outer = Box(form, TAlign::alNone, {0, 0, 100, 100});
  TBox* inner = Box(outer, TAlign::alNone, {0, 0, 10, 10});
  EXPECT_THROW(outer->SetParent(outer), EInvalidOperation);
  EXPECT_THROW(outer->SetParent(inner), EInvalidOperation);
  EXPECT_EQ(outer->Parent(), form);
  // A child without a parent window has no window.
  auto* loose = new TBox(form);
  EXPECT_THROW(loose->Handle(), EInvalidOperation);
}

// Subscribers follow the size after OnResize, in order, and one that leaves
// (even from inside a handler) is never called again.
TEST_F(Controls, ResizeSubscribersRunAfterOnResizeUntilRemoved) {
  TForm* form = MakeForm();
  std::vector<std::string> log;
  form->OnResize = [&](TObject*) { log.push_back("form"); };
  int first = 0;
  first = form->SubscribeResize([&](TObject*) {
    log.push_back("first");
    form->UnsubscribeResize(first);
  });
  int second = form->SubscribeResize([&](TObject* Sender) { log.push_back(Sender == form ? "second" : "?"); });
  form->SetBounds(0, 0, 300, 200);
  form->SetBounds(0, 0, 310, 200);
  form->UnsubscribeResize(second);
  form->UnsubscribeResize(12345);
  form->SetBounds(0, 0, 320, 200);
  EXPECT_EQ(log, (std::vector<std::string>{"form", "first", "second", "form", "second", "form"}));
}

}  // namespace
}  // namespace uitest
