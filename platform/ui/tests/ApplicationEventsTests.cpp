// The application's events and the components that share them: messages
// from the real queue passed to every TApplicationEvents in order, the
// program's activation, shortcuts along the key path, hints, exceptions
// and actions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplicationEvents.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TForm.h"
#include "platform/ui/THintWindow.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/VirtualKeys.h"

namespace uitest {
namespace {

constexpr UINT WM_PROBE = WM_USER + 9;

using Log = std::vector<std::string>;

class ApplicationEvents : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    Form = new TForm(Application);
    Form->SetBounds(100, 100, 300, 200);
  }

  // An events component that writes the probe messages it sees into the log.
  TApplicationEvents* Listener(const std::string& name) {
    auto* events = new TApplicationEvents(Form);
    events->OnMessage = [this, name](MSG& msg, bool&) {
      if (msg.message == WM_PROBE) Events.push_back(name);
    };
    return events;
  }

  Log Probe() {
    Events.clear();
    PostMessage(Form->Handle(), WM_PROBE, 0, 0);
    Application->ProcessMessages();
    return Events;
  }

  TForm* Form = nullptr;
  Log Events;
};

TEST_F(ApplicationEvents, EveryComponentSeesAQueuedMessageNewestFirstAfterTheApplication) {
  Application->OnMessage = [this](MSG& msg, bool&) {
    if (msg.message == WM_PROBE) Events.push_back("application");
  };
  TApplicationEvents* first = Listener("first");
  TApplicationEvents* second = Listener("second");
  EXPECT_EQ(Probe(), (Log{"application", "second", "first"}));

  first->Activate();
  EXPECT_EQ(Probe(), (Log{"application", "first", "second"}));

  // Cancelling stops this message only.
  first->OnMessage = [this, first](MSG& msg, bool&) {
    if (msg.message != WM_PROBE) return;
    Events.push_back("first");
    first->CancelDispatch();
  };
  EXPECT_EQ(Probe(), (Log{"application", "first"}));
  first->Activate();
  second->Activate();
  EXPECT_EQ(Probe(), (Log{"application", "second", "first"}));
}

TEST_F(ApplicationEvents, HandledStopsDispatchOfTheMessageButNotTheOtherComponents) {
  int reached = 0;
  const TWndMethod previous = Form->WindowProc;
  Form->WindowProc = [&reached, previous](TMessage& message) {
    if (message.Msg == WM_PROBE) ++reached;
    previous(message);
  };
  Listener("first");
  TApplicationEvents* second = Listener("second");
  second->OnMessage = [this](MSG& msg, bool& handled) {
    if (msg.message != WM_PROBE) return;
    Events.push_back("second");
    handled = true;
  };
  EXPECT_EQ(Probe(), (Log{"second", "first"}));
  EXPECT_EQ(reached, 0);
}

struct FreeCase {
  const char* Name;
  bool FromInsideHandler;
  bool FreeTheOther;  // the handler frees the component after it instead of itself
  Log DuringFree;
};

class FreeingApplicationEvents : public ApplicationEvents, public ::testing::WithParamInterface<FreeCase> {};

TEST_P(FreeingApplicationEvents, FreeingOneLeavesTheOthersWorking) {
  const FreeCase& c = GetParam();
  TApplicationEvents* older = Listener("older");
  TApplicationEvents* newer = Listener("newer");
  if (!c.FromInsideHandler) {
    delete newer;
    EXPECT_EQ(Probe(), (Log{"older"}));
  } else {
    TApplicationEvents* victim = c.FreeTheOther ? older : newer;
    newer->OnMessage = [this, &victim](MSG& msg, bool&) {
      if (msg.message != WM_PROBE) return;
      Events.push_back("newer");
      delete victim;
      victim = nullptr;
    };
    EXPECT_EQ(Probe(), c.DuringFree);
    EXPECT_EQ(Probe(), c.FreeTheOther ? Log{"newer"} : Log{"older"});
  }
  // The owner deletes the rest, and the application goes on without them.
  delete Form;
  Form = new TForm(Application);
  EXPECT_TRUE(Probe().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, FreeingApplicationEvents,
                         ::testing::Values(FreeCase{"FromOutside", false, false, {}},
                                           FreeCase{"ItselfInItsHandler", true, false, {"newer", "older"}},
                                           FreeCase{"TheNextOneInAHandler", true, true, {"newer"}}),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST_F(ApplicationEvents, AComponentOutlivingTheApplicationOrMadeWithoutOneHearsNothing) {
  std::unique_ptr<TApplicationEvents> orphan(new TApplicationEvents(nullptr));
  orphan->OnMessage = [this](MSG&, bool&) { Events.push_back("orphan"); };
  DoneForms();
  std::unique_ptr<TApplicationEvents> early(new TApplicationEvents(nullptr));
  early->Activate();
  early->CancelDispatch();
  InitForms();
  Form = new TForm(Application);
  EXPECT_TRUE(Probe().empty());
  orphan.reset();  // the application it joined is gone: nothing to leave
  early.reset();
  Listener("new");
  EXPECT_EQ(Probe(), (Log{"new"}));
}

TEST_F(ApplicationEvents, TheProgramLosingAndRegainingActivationFlipsActiveOnce) {
  auto* events = new TApplicationEvents(Form);
  Log& log = Events;  // outlives the test body: the application reports until torn down
  Application->OnActivate = [&log](TObject* sender) {
    EXPECT_EQ(sender, Application);
    log.push_back("application activate");
  };
  Application->OnDeactivate = [&log](TObject*) { log.push_back("application deactivate"); };
  events->OnActivate = [&log](TObject*) { log.push_back("events activate"); };
  events->OnDeactivate = [&log](TObject*) { log.push_back("events deactivate"); };
  Application->Initialize();
  Form->Show();
  Pump();
  ASSERT_EQ(GetActiveWindow(), Form->Handle());
  EXPECT_TRUE(Application->Active());
  log.clear();

  // Another of the program's windows taking the activation changes nothing.
  auto* other = new TForm(Application);
  other->SetBounds(500, 100, 200, 200);
  other->Show();
  Pump();
  ASSERT_EQ(GetActiveWindow(), other->Handle());
  EXPECT_TRUE(log.empty());

  // The desktop gives the activation to another program, and back.
  FeedActivation(other->Handle(), false);
  Pump();
  EXPECT_FALSE(Application->Active());
  EXPECT_EQ(log, (Log{"application deactivate", "events deactivate"}));
  log.clear();
  FeedActivation(Form->Handle(), true);
  Pump();
  EXPECT_TRUE(Application->Active());
  EXPECT_EQ(log, (Log{"application activate", "events activate"}));
}

class Shortcuts : public ApplicationEvents {
 protected:
  void SetUp() override {
    ApplicationEvents::SetUp();
    Application->CreateForm(Main);
    Main->OnShortCut = [this](TWMKey& key, bool& handled) {
      if (key.CharCode == 'K') Events.push_back("main form");
      handled = MainTakes;
    };
    Form->OnShortCut = [this](TWMKey& key, bool& handled) {
      if (key.CharCode == 'K') Events.push_back("form");
      handled = FormTakes;
    };
    Button = new TButton(Form);
    Button->SetParent(Form);
    Button->OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
      if (key == 'K') Events.push_back("control");
    };
    Main->Show();
    Form->Show();
    Pump();
    Button->SetFocus();
    auto* events = new TApplicationEvents(Form);
    events->OnShortCut = [this](TWMKey& key, bool& handled) {
      if (key.CharCode != 'K') return;
      Events.push_back("events");
      EXPECT_EQ(key.Msg, CM_APPKEYDOWN);
      handled = EventsTake;
    };
  }

  Log Press() {
    Events.clear();
    InjectKeyPress('K', {VK_CONTROL});
    Pump();
    return Events;
  }

  TForm* Main = nullptr;
  TButton* Button = nullptr;
  bool FormTakes = false;
  bool EventsTake = false;
  bool MainTakes = false;
};

TEST_F(Shortcuts, AKeyGoesToTheFormThenTheApplicationThenTheMainFormThenTheControl) {
  EXPECT_EQ(Press(), (Log{"form", "events", "main form", "control"}));
  MainTakes = true;
  EXPECT_EQ(Press(), (Log{"form", "events", "main form"}));
  EventsTake = true;
  EXPECT_EQ(Press(), (Log{"form", "events"}));
  FormTakes = true;
  EXPECT_EQ(Press(), (Log{"form"}));
}

TEST_F(Shortcuts, ADisabledMainFormIsNotAsked) {
  EnableWindow(Main->Handle(), false);
  EXPECT_EQ(Press(), (Log{"form", "events", "control"}));
}

TEST_F(ApplicationEvents, HintFollowsTheLongHintUnderTheMouseAndShowHintMayChangeIt) {
  auto* panel = new TCustomPanel(Form);
  panel->SetParent(Form);
  panel->SetBounds(0, 0, 100, 100);
  panel->SetHint("Short|The long part");
  panel->SetShowHint(true);
  auto* inner = new TButton(Form);
  inner->SetParent(panel);
  inner->SetBounds(10, 10, 40, 20);  // no hint: its parent's counts
  auto* plain = new TButton(Form);
  plain->SetParent(Form);
  plain->SetBounds(150, 0, 100, 100);
  plain->SetHint("Only one part");
  auto* events = new TApplicationEvents(Form);
  Log hints;
  events->OnHint = [&hints](TObject*) { hints.push_back(Application->Hint()); };
  events->OnShowHint = [](String& text, bool& canShow, THintInfo&) {
    text = "Changed: " + text;
    canShow = true;
  };
  Form->Show();
  Pump();

  const std::vector<std::pair<TControl*, String>> moves{
      {panel, "The long part"}, {inner, "The long part"}, {plain, "Only one part"}, {nullptr, ""}};
  for (const auto& [control, expected] : moves) {
    InjectMouseMove(control ? OnScreen(control, {5, 5}) : TPoint{1200, 900});
    Pump();
    EXPECT_EQ(Application->Hint(), expected);
  }
  EXPECT_EQ(hints, (Log{"The long part", "Only one part", ""}));

  InjectMouseMove(OnScreen(panel, {60, 60}));
  Pump();
  Clock().Advance(Application->HintPause());
  Pump();
  ASSERT_TRUE(Application->HintShowing());
  EXPECT_EQ(Application->HintWindow()->Caption(), "Changed: Short");
}

TEST_F(ApplicationEvents, ExceptionsReachEveryHandlerAndTheBoxOnlyWhenNoneIsThere) {
  Display().SetModalHook([](HWND) { FAIL() << "no message box expected"; });
  auto* button = new TButton(Form);
  button->SetParent(Form);
  button->OnClick = [](TObject*) { throw Exception("Broken"); };
  auto* events = new TApplicationEvents(Form);
  Log seen;
  events->OnException = [&seen](TObject*, const std::exception& e) {
    seen.push_back(dynamic_cast<const Exception&>(e).Message());
  };
  Form->Show();
  Pump();
  ClickControl(button);
  Application->ProcessMessages();
  EXPECT_EQ(Exceptions(), (std::vector<std::string>{"Broken"}));
  EXPECT_EQ(seen, (Log{"Broken"}));

  // Without the application's own handler the component's is enough.
  Application->OnException = nullptr;
  Clock().Advance(1000);
  ClickControl(button);
  Application->ProcessMessages();
  EXPECT_EQ(seen, (Log{"Broken", "Broken"}));
}

TEST_F(ApplicationEvents, MinimizeRestoreIdleAndActionsReachTheComponents) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  main->Show();
  Pump();
  auto* events = new TApplicationEvents(Form);
  Log log;
  events->OnMinimize = [&log](TObject*) { log.push_back("minimize"); };
  events->OnRestore = [&log](TObject*) { log.push_back("restore"); };
  events->OnIdle = [this, &log](TObject*, bool& done) {
    log.push_back("idle");
    EXPECT_TRUE(done);
    // Something to wake the loop's wait.
    PostMessage(Form->Handle(), WM_NULL, 0, 0);
  };
  bool takeExecute = true;
  events->OnActionExecute = [&log, &takeExecute](TBasicAction*, bool& handled) {
    log.push_back("execute");
    handled = takeExecute;
  };
  auto* list = new TActionList(Form);
  auto* action = new TAction(Form);
  action->SetActionList(list);
  int executed = 0;
  action->OnExecute = [&executed](TObject*) { ++executed; };

  Application->Minimize();
  Application->Restore();
  EXPECT_EQ(log, (Log{"minimize", "restore"}));
  log.clear();
  Application->ProcessMessages();
  Application->HandleMessage();  // nothing waiting: idle time
  EXPECT_EQ(log, (Log{"idle"}));
  events->OnIdle = nullptr;
  Application->ProcessMessages();
  log.clear();
  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(executed, 0);
  takeExecute = false;
  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(executed, 1);
  EXPECT_EQ(log, (Log{"execute", "execute"}));
}

}  // namespace
}  // namespace uitest
