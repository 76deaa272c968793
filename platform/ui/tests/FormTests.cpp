// Forms: modal runs answered through the display's modal hook, the
// keyboard (Tab order, key preview, dialog keys), activation, placement
// and closing.
#include <gtest/gtest.h>

#include "platform/ui/TButton.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/Focus.h"
#include "platform/win/InputInjection.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace uitest {
namespace {

// A focusable control that records the keys it gets.
class TKeyBox : public TCustomControl {
 public:
  explicit TKeyBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetBounds(0, 0, 50, 20);
  }
};

class Forms : public FormTest {
 protected:
  template <typename T = TForm>
  T* MakeForm(const String& caption = "Form") {
    auto* form = new T(Application);
    form->SetCaption(caption);
    form->SetBounds(100, 100, 300, 200);
    return form;
  }
  static TButton* Button(TCustomForm* form, int left, TModalResult result) {
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetLeft(left);
    button->SetModalResult(result);
    return button;
  }
  static TKeyBox* KeyBox(TWinControl* parent, int top) {
    auto* box = new TKeyBox(parent->Owner());
    box->SetParent(parent);
    box->SetTop(top);
    return box;
  }
};

TEST_F(Forms, AModalRunEndsWithTheDefaultOrCancelButtonsResult) {
  struct Case {
    UINT Key;
    TModalResult Expected;
  };
  for (const Case& c : {Case{VK_RETURN, mrOk}, Case{VK_ESCAPE, mrCancel}}) {
    TForm* owner = MakeForm("Owner");
    owner->Show();
    Pump();
    std::unique_ptr<TForm> dialog(MakeForm("Dialog"));
    KeyBox(dialog.get(), 50);  // the focus is on a control that is no button
    TButton* ok = Button(dialog.get(), 10, mrOk);
    ok->SetDefault(true);
    TButton* cancel = Button(dialog.get(), 100, mrCancel);
    cancel->SetCancel(true);
    int clicks = 0;
    ok->OnClick = cancel->OnClick = [&clicks](TObject*) { ++clicks; };
    bool ownerDisabled = false;
    Display().SetModalHook([&](HWND window) {
      EXPECT_EQ(window, dialog->Handle());
      ownerDisabled = !IsWindowEnabled(owner->Handle());
      EXPECT_EQ(ModalLoopDepth(), 1);
      InjectKeyPress(c.Key);
    });
    EXPECT_EQ(dialog->ShowModal(), c.Expected);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(ModalLoopDepth(), 0);
    delete owner;
  }
}

TEST_F(Forms, AModalFormIsFreedWhenItsRunEndsWithAnException) {
  TForm* owner = MakeForm("Owner");
  owner->Show();
  Pump();
  bool destroyed = false;
  Display().SetModalHook([](HWND) { FAIL() << "the run should not start"; });
  try {
    std::unique_ptr<TForm> dialog(MakeForm("Dialog"));
    dialog->OnDestroy = [&destroyed](TObject*) { destroyed = true; };
    dialog->OnShow = [](TObject*) { throw Exception("cannot show"); };
    dialog->ShowModal();
    ADD_FAILURE() << "ShowModal returned";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "cannot show");
  }
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(ModalLoopDepth(), 0);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  EXPECT_EQ(Application->ComponentCount(), 1);
}

TEST_F(Forms, AnExceptionInsideTheModalRunIsReportedAndTheRunGoesOn) {
  std::unique_ptr<TForm> dialog(MakeForm("Dialog"));
  TButton* faulty = Button(dialog.get(), 10, mrNone);
  faulty->OnClick = [](TObject*) { throw Exception("Button failed"); };
  TButton* cancel = Button(dialog.get(), 100, mrCancel);
  Display().SetModalHook([&](HWND) {
    ClickControl(faulty);
    ClickControl(cancel);
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(Exceptions(), std::vector<std::string>{"Button failed"});
}

TEST_F(Forms, AModalRunWorksBeforeTheMainLoopAndEndsWhenTheApplicationTerminates) {
  std::unique_ptr<TForm> dialog(MakeForm("Dialog"));
  Display().SetModalHook([](HWND) { Application->Terminate(); });
  EXPECT_FALSE(Application->Terminated());
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(Forms, CloseQueryAndOnCloseCanKeepAModalFormOpen) {
  std::unique_ptr<TForm> dialog(MakeForm("Dialog"));
  TButton* ok = Button(dialog.get(), 10, mrOk);
  int asked = 0;
  dialog->OnCloseQuery = [&asked](TObject*, bool& canClose) { canClose = ++asked > 1; };
  int closed = 0;
  dialog->OnClose = [&closed](TObject*, TCloseAction& action) {
    if (++closed == 1) action = TCloseAction::caNone;
  };
  Display().SetModalHook([&](HWND) {
    for (int i = 0; i < 3; ++i) {
      ClickControl(ok);
      Clock().Advance(1000);  // separate clicks, not a double click
    }
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(closed, 2);
  // A visible form cannot be shown modally.
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(Forms, TabMovesThroughTheTabStopsInTabOrder) {
  TForm* form = MakeForm();
  TKeyBox* a = KeyBox(form, 0);
  TKeyBox* b = KeyBox(form, 30);
  TKeyBox* c = KeyBox(form, 60);
  TKeyBox* skipped = KeyBox(form, 90);
  skipped->SetTabStop(false);
  TKeyBox* disabled = KeyBox(form, 120);
  disabled->SetEnabled(false);
  c->SetTabOrder(0);  // c, a, b
  EXPECT_EQ(c->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
  std::vector<std::string> events;
  for (auto [box, name] : {std::pair{a, "a"}, std::pair{b, "b"}, std::pair{c, "c"}}) {
    box->OnEnter = [&events, n = std::string(name)](TObject*) { events.push_back("enter " + n); };
    box->OnExit = [&events, n = std::string(name)](TObject*) { events.push_back("exit " + n); };
  }
  form->Show();
  Pump();
  EXPECT_TRUE(c->Focused());
  EXPECT_EQ(form->ActiveControl(), c);
  InjectKeyPress(VK_TAB);
  Pump();
  EXPECT_TRUE(a->Focused());
  InjectKeyPress(VK_TAB);
  InjectKeyPress(VK_TAB);  // past the end: round to the first
  Pump();
  EXPECT_TRUE(c->Focused());
  InjectKeyPress(VK_TAB, {VK_SHIFT});
  Pump();
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(events, (std::vector<std::string>{"enter c", "exit c", "enter a", "exit a", "enter b", "exit b", "enter c",
                                              "exit c", "enter b"}));
  EXPECT_EQ(Screen->ActiveControl(), b);
  EXPECT_EQ(Screen->ActiveForm(), form);
}

TEST_F(Forms, KeyPreviewLetsTheFormSeeKeysFirst) {
  TForm* form = MakeForm();
  TKeyBox* box = KeyBox(form, 0);
  std::vector<std::string> seen;
  form->OnKeyDown = [&seen](TObject*, std::uint16_t& key, TShiftState) {
    seen.push_back("form down " + std::to_string(key));
    if (key == 'X') key = 0;  // taken: the control does not see it
  };
  form->OnKeyPress = [&seen](TObject*, char32_t& key) { seen.push_back("form press " + std::to_string(key)); };
  box->OnKeyDown = [&seen](TObject*, std::uint16_t& key, TShiftState) {
    seen.push_back("box down " + std::to_string(key));
  };
  box->OnKeyPress = [&seen](TObject*, char32_t& key) { seen.push_back("box press " + std::to_string(key)); };
  form->Show();
  Pump();
  ASSERT_TRUE(box->Focused());

  InjectKeyPress('A');
  Pump();
  EXPECT_EQ(seen, (std::vector<std::string>{"box down 65", "box press 97"}));

  seen.clear();
  form->SetKeyPreview(true);
  InjectKeyPress('A');
  InjectKeyPress('X');
  Pump();
  EXPECT_EQ(seen, (std::vector<std::string>{"form down 65", "box down 65", "form press 97", "box press 97",
                                            "form down 88", "form press 120", "box press 120"}));
}

TEST_F(Forms, CharactersArriveWholeAndUnwantedOnesAreOfferedAsAccelerators) {
  // Takes "g" as its accelerator, as a control with "&Go" would.
  class TAccelerated : public TKeyBox {
   public:
    using TKeyBox::TKeyBox;
    int Taken = 0;

   protected:
    void WndProc(TMessage& Message) override {
      if (Message.Msg == CM_DIALOGCHAR && Message.WParam == U'g') {
        ++Taken;
        Message.Result = 1;
        return;
      }
      TKeyBox::WndProc(Message);
    }
  };
  // Wants every character itself, as an edit does.
  class TTyping : public TKeyBox {
   public:
    using TKeyBox::TKeyBox;

   protected:
    void WndProc(TMessage& Message) override {
      if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTCHARS;
        return;
      }
      TKeyBox::WndProc(Message);
    }
  };
  TForm* form = MakeForm();
  auto* typing = new TTyping(form);
  typing->SetParent(form);
  auto* accelerated = new TAccelerated(form);
  accelerated->SetParent(form);
  accelerated->SetTop(40);
  std::u32string typed;
  typing->OnKeyPress = [&typed](TObject*, char32_t& key) { typed += key; };
  accelerated->OnKeyPress = [&typed](TObject*, char32_t& key) { typed += key; };
  form->Show();
  Pump();
  ASSERT_TRUE(typing->Focused());
  InjectText("gé€");
  Pump();
  EXPECT_EQ(typed, U"gé€");
  EXPECT_EQ(accelerated->Taken, 0);

  typed.clear();
  accelerated->SetFocus();
  InjectText("ag");
  Pump();
  EXPECT_EQ(typed, U"a");
  EXPECT_EQ(accelerated->Taken, 1);
}

TEST_F(Forms, OnPaintDrawsOnTheFormsCanvas) {
  TForm* form = MakeForm();
  form->OnPaint = [form](TObject*) {
    form->Canvas()->Brush()->SetColor(clRed);
    form->Canvas()->FillRect({10, 10, 20, 20});
  };
  form->Show();
  Pump();
  EXPECT_EQ(PixelAt(form, {15, 15}), static_cast<COLORREF>(clRed));
  EXPECT_EQ(PixelAt(form, {25, 25}), ColorToColorRef(clBtnFace));
}

TEST_F(Forms, F1OnReleaseInAKeyPreviewFormPressesTheHelpButton) {
  TForm* form = MakeForm();
  form->SetKeyPreview(true);
  KeyBox(form, 0);
  TButton* help = Button(form, 100, mrNone);
  int helped = 0;
  help->OnClick = [&helped](TObject*) { ++helped; };
  form->OnKeyUp = [help](TObject*, std::uint16_t& key, TShiftState) {
    if (key == VK_F1) help->Click();
  };
  form->Show();
  Pump();
  InjectKeyDown(VK_F1);
  Pump();
  EXPECT_EQ(helped, 0);  // not yet: on release
  InjectKeyUp(VK_F1);
  Pump();
  EXPECT_EQ(helped, 1);
}

TEST_F(Forms, ActivationChangesRaiseTheEventsEvenWhenTheFormAnswersTheMessageItself) {
  // A form class that answers the activation message without passing it on.
  class TSelfActivating : public TForm {
   public:
    using TForm::TForm;
    int ActivateMessages = 0;

   protected:
    void WndProc(TMessage& Message) override {
      if (Message.Msg == WM_ACTIVATE) {
        ++ActivateMessages;
        return;
      }
      TForm::WndProc(Message);
    }
  };
  std::vector<std::string> events;
  auto* first = MakeForm<TSelfActivating>("First");
  auto* second = MakeForm("Second");
  second->SetLeft(500);
  first->OnActivate = [&events](TObject*) { events.push_back("first activate"); };
  first->OnDeactivate = [&events](TObject*) { events.push_back("first deactivate"); };
  second->OnActivate = [&events](TObject*) { events.push_back("second activate"); };
  second->OnDeactivate = [&events](TObject*) { events.push_back("second deactivate"); };
  first->Show();
  Pump();
  second->Show();
  Pump();
  ClickControl(first);
  Pump();
  EXPECT_EQ(events, (std::vector<std::string>{"first activate", "first deactivate", "second activate",
                                              "second deactivate", "first activate"}));
  EXPECT_GE(first->ActivateMessages, 3);
  EXPECT_TRUE(first->Active());
  EXPECT_FALSE(second->Active());
  EXPECT_EQ(GetFocus(), first->Handle());
}

TEST_F(Forms, ScreenCentreAndClientSize) {
  TForm* form = MakeForm();
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetClientWidth(400);
  form->SetClientHeight(250);
  form->SetPosition(TPosition::poScreenCenter);
  form->Show();
  Pump();
  EXPECT_EQ(form->ClientWidth(), 400);
  EXPECT_EQ(form->ClientHeight(), 250);
  EXPECT_EQ(form->Left(), (Screen->Width() - form->Width()) / 2);
  EXPECT_EQ(form->Top(), (Screen->Height() - form->Height()) / 2);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.Left, form->Left());
  EXPECT_EQ(r.Width(), form->Width());

  // The frame follows the border style and icons (the window is made anew).
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
  const DWORD style = static_cast<DWORD>(GetWindowLong(form->Handle(), GWL_STYLE));
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(Forms, WindowStateFollowsTheWindow) {
  TForm* form = MakeForm();
  form->Show();
  Pump();
  form->SetWindowState(TWindowState::wsMaximized);
  Pump();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  EXPECT_GE(form->Width(), Screen->WorkAreaWidth());
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
  EXPECT_EQ(form->Width(), 300);
}

TEST_F(Forms, ClosingHidesFreesOrEndsTheProgram) {
  TForm* created = nullptr;
  Application->CreateForm(created);
  TForm* second = nullptr;
  Application->CreateForm(second);
  EXPECT_EQ(Application->MainForm(), created);

  TForm* other = MakeForm("Other");
  other->Show();
  Pump();
  other->Close();
  EXPECT_FALSE(other->Visible());
  bool freed = false;
  other->OnDestroy = [&freed](TObject*) { freed = true; };
  other->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
  other->Close();
  EXPECT_FALSE(freed);  // not inside its own handling
  Pump();
  EXPECT_TRUE(freed);

  // Closing the main form ends the program.
  created->Close();
  EXPECT_FALSE(Application->Terminated());
  Application->ProcessMessages();
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(Forms, AnActiveControlChosenBeforeShowingGetsTheFocus) {
  TForm* form = MakeForm();
  KeyBox(form, 0);
  TKeyBox* second = KeyBox(form, 30);
  form->SetActiveControl(second);
  form->Show();
  Pump();
  EXPECT_TRUE(second->Focused());
  // A control of another form, or a hidden one, cannot be the active control.
  TForm* other = MakeForm();
  TKeyBox* foreign = KeyBox(other, 0);
  EXPECT_THROW(form->SetActiveControl(foreign), EInvalidOperation);
  second->SetVisible(false);
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_THROW(form->SetActiveControl(second), EInvalidOperation);
}

}  // namespace
}  // namespace uitest
