// The class library's non-visual components: timers on the virtual clock,
// actions with their links to controls, image lists.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TControlActionLink.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TTimer.h"
#include "platform/ui/tests/FormTestFixture.h"

namespace uitest {
namespace {

class NonVisual : public FormTest {};

TEST_F(NonVisual, ATimerTicksOnTheClockAndStopsWhenDisabled) {
  auto* timer = new TTimer(Application);
  timer->SetInterval(100);
  int ticks = 0;
  timer->OnTimer = [&ticks](TObject*) { ++ticks; };
  Clock().Advance(99);
  Pump();
  EXPECT_EQ(ticks, 0);
  Clock().Advance(1);
  Pump();
  EXPECT_EQ(ticks, 1);
  Clock().Advance(350);  // periods missed are not made up
  Pump();
  EXPECT_EQ(ticks, 2);
  timer->SetEnabled(false);
  Clock().Advance(1000);
  Pump();
  EXPECT_EQ(ticks, 2);
  timer->SetEnabled(true);
  timer->SetInterval(0);
  Clock().Advance(1000);
  Pump();
  EXPECT_EQ(ticks, 2);
  // A failing handler is reported and the timer goes on.
  timer->SetInterval(10);
  timer->OnTimer = [](TObject*) { throw Exception("tick failed"); };
  Clock().Advance(10);
  Pump();
  EXPECT_EQ(Exceptions(), std::vector<std::string>{"tick failed"});
  delete timer;
  Clock().Advance(10);
  Pump();
}

TEST_F(NonVisual, ATimerDeletedByItsOwnHandlerTicksNoMore) {
  auto* timer = new TTimer(nullptr);
  timer->SetInterval(10);
  int ticks = 0;
  // The captured state lives in the handler that deletes its timer.
  auto counter = std::make_shared<int>(0);
  timer->OnTimer = [&ticks, &timer, counter](TObject*) {
    delete std::exchange(timer, nullptr);
    ++*counter;
    ticks = *counter;
  };
  Clock().Advance(10);
  Pump();
  Clock().Advance(10);
  Pump();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(timer, nullptr);
}

TEST_F(NonVisual, ALinkedControlShowsItsActionAndRunsIt) {
  auto* form = new TForm(Application);
  auto* list = new TActionList(form);
  auto* action = new TAction(form);
  action->SetActionList(list);
  action->SetCaption("Run");
  action->SetHint("Runs it");
  int executed = 0;
  action->OnExecute = [&executed](TObject*) { ++executed; };
  auto* control = new TCustomControl(form);
  control->SetParent(form);
  control->SetAction(action);
  EXPECT_EQ(control->Caption(), "Run");
  EXPECT_EQ(control->Hint(), "Runs it");

  control->Click();
  EXPECT_EQ(executed, 1);
  EXPECT_EQ(action->ActionComponent(), nullptr);  // only while it runs

  action->SetEnabled(false);
  EXPECT_FALSE(control->Enabled());
  control->Click();
  EXPECT_EQ(executed, 1);
  action->SetEnabled(true);
  action->SetCaption("Go");
  EXPECT_EQ(control->Caption(), "Go");

  // The list may take the execution over.
  list->OnExecute = [](TBasicAction*, bool& handled) { handled = true; };
  control->Click();
  EXPECT_EQ(executed, 1);
  list->OnExecute = nullptr;

  // A control's own OnClick wins over its action.
  int clicked = 0;
  control->OnClick = [&clicked](TObject*) { ++clicked; };
  control->Click();
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(executed, 1);

  // The action goes: the control and the list forget it.
  delete action;
  EXPECT_EQ(control->Action(), nullptr);
  EXPECT_EQ(list->ActionCount(), 0);
  control->OnClick = nullptr;
  control->Click();
}

// A control whose own link keeps a caption it was given apart from its
// action's.
class TOwnCaptionControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  class TLink : public TControlActionLink {
   public:
    explicit TLink(TOwnCaptionControl* Client) : TControlActionLink(Client), FClient(Client) {}
    bool IsCaptionLinked() const override { return !FClient->KeepCaption; }

   private:
    TOwnCaptionControl* FClient;
  };
  std::unique_ptr<TControlActionLink> CreateActionLink() override { return std::make_unique<TLink>(this); }

 public:
  bool KeepCaption = false;
};

TEST_F(NonVisual, AControlsOwnLinkDecidesWhetherItsCaptionFollows) {
  auto* form = new TForm(Application);
  auto* action = new TAction(form);
  action->SetCaption("Run");
  auto* control = new TOwnCaptionControl(form);
  control->SetParent(form);
  control->SetAction(action);
  EXPECT_EQ(control->Caption(), "Run");
  control->KeepCaption = true;
  control->SetCaption("Mine");
  action->SetCaption("Go");
  action->SetEnabled(false);  // the rest still follows
  EXPECT_EQ(control->Caption(), "Mine");
  EXPECT_FALSE(control->Enabled());

  // A group index is one more property whose changes reach the links.
  auto* watched = new TOwnCaptionControl(form);
  watched->SetParent(form);
  watched->SetAction(action);
  EXPECT_EQ(action->GroupIndex(), 0);
  watched->SetCaption("x");
  action->SetGroupIndex(2);
  EXPECT_EQ(action->GroupIndex(), 2);
  EXPECT_EQ(watched->Caption(), "Go");
  watched->SetCaption("y");
  action->SetGroupIndex(2);  // unchanged: no news
  EXPECT_EQ(watched->Caption(), "y");
}

TEST_F(NonVisual, ChangeLinksFollowAnImageList) {
  std::vector<std::string> log;
  auto images = std::make_unique<TImageList>(nullptr);
  images->OnChange = [&](TObject*) { log.push_back("list"); };
  TChangeLink first, second;
  first.OnChange = [&](TObject* Sender) { log.push_back(Sender == images.get() ? "first" : "first?"); };
  second.OnChange = [&](TObject*) { log.push_back("second"); };
  images->RegisterChanges(&first);
  images->RegisterChanges(&second);
  images->RegisterChanges(&first);  // counts once
  EXPECT_EQ(first.Sender(), images.get());
  images->SetSize(8, 8);
  EXPECT_EQ(log, (std::vector<std::string>{"list", "first", "second"}));

  // A link that goes away leaves the list; one that unregisters hears no more.
  log.clear();
  {
    TChangeLink passing;
    passing.OnChange = [&](TObject*) { log.push_back("passing"); };
    images->RegisterChanges(&passing);
  }
  images->UnRegisterChanges(&second);
  EXPECT_EQ(second.Sender(), nullptr);
  images->SetSize(12, 12);
  EXPECT_EQ(log, (std::vector<std::string>{"list", "first"}));

  // A link moves to another list; a list that goes first lets its links go.
  TImageList other(nullptr);
  other.RegisterChanges(&first);
  EXPECT_EQ(first.Sender(), &other);
  images->RegisterChanges(&second);
  images.reset();
  EXPECT_EQ(second.Sender(), nullptr);
  log.clear();
  other.SetSize(4, 4);
  EXPECT_EQ(log, (std::vector<std::string>{"first?"}));
}

TEST_F(NonVisual, AnImageListCutsMasksAndDrawsPictures) {
  TImageList images(nullptr);
  images.SetSize(4, 4);
  // Two pictures side by side: red with a magenta key, blue.
  TBitmap strip;
  strip.SetSize(8, 4);
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect({0, 0, 4, 4});
  strip.Canvas()->Brush()->SetColor(clBlue);
  strip.Canvas()->FillRect({4, 0, 8, 4});
  strip.Canvas()->SetPixels(0, 0, clFuchsia);
  strip.Canvas()->SetPixels(5, 1, clFuchsia);
  EXPECT_EQ(images.AddMasked(&strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 2);

  TBitmap target;
  target.SetSize(10, 10);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect({0, 0, 10, 10});
  images.Draw(target.Canvas(), 2, 3, 0);
  EXPECT_EQ(target.Canvas()->Pixels(2, 3), clWhite);  // the key shows what was there
  EXPECT_EQ(target.Canvas()->Pixels(3, 3), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(5, 6), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(6, 6), clWhite);
  images.Draw(target.Canvas(), 2, 3, 1, false);
  const TColor grey = target.Canvas()->Pixels(3, 3);
  EXPECT_EQ(grey & 0xFF, (grey >> 8) & 0xFF);
  EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
  EXPECT_EQ(target.Canvas()->Pixels(3, 4), clRed);  // the second picture's key shows the first

  // With a mask bitmap: white is transparent.
  TBitmap picture, mask;
  picture.SetSize(4, 4);
  picture.Canvas()->Brush()->SetColor(clGreen);
  picture.Canvas()->FillRect({0, 0, 4, 4});
  mask.SetSize(4, 4);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect({0, 0, 4, 4});
  mask.Canvas()->SetPixels(1, 1, clWhite);
  EXPECT_EQ(images.Add(&picture, &mask), 2);
  TBitmap copy;
  images.GetBitmap(2, &copy);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clGreen);
  EXPECT_EQ(copy.Canvas()->Pixels(1, 1), ColorToRGB(clBtnFace));

  EXPECT_THROW(images.Draw(target.Canvas(), 0, 0, 3), EInvalidOperation);
  EXPECT_THROW(images.Delete(-1), EInvalidOperation);
  EXPECT_THROW(images.SetSize(0, 16), EInvalidOperation);
  TBitmap empty;
  EXPECT_THROW(images.AddMasked(&empty, clDefault), EInvalidOperation);
  images.Delete(0);
  EXPECT_EQ(images.Count(), 2);
  images.SetSize(16, 16);  // a new size empties the list
  EXPECT_EQ(images.Count(), 0);
}

}  // namespace
}  // namespace uitest
