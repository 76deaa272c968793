#pragma once
// The application: its hidden window (class "TApplication", titled with
// the application's title, so that other processes can find it), its forms
// and main form, the message loop, exception reporting and hints.
//
// Hints: when the mouse rests on a control with ShowHint and a hint, the
// hint shows after HintPause (on the window layer's clock) and hides after
// HintHidePause, when the mouse leaves the control or a button or key is
// pressed. Moving to another control while a hint shows takes only
// HintShortPause. Hint holds the long part of the hint of the control under
// the mouse (or of its nearest parent with one), whether hints show or not.
//
// Active follows WM_ACTIVATEAPP as it reaches the application's windows:
// the program as a whole gained or lost the activation.
//
// Every event is first given to the application's own handler, then to
// each TApplicationEvents (TApplicationEvents.h).
#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TComponentRef.h"

namespace plat {

class TApplicationEvents;
class TControl;
class TCustomForm;
class THintWindow;
class TIcon;

using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
// A hint about to show: the text, whether it shows and where may change.
using TShowHintEvent = std::function<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Makes the hidden application window and publishes the program's
  // windows to other processes.
  void Initialize();
  HWND Handle();
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value);
  // The program's "MAINICON" icon resource when it has one, else empty.
  TIcon* Icon() const { return FIcon.get(); }
  // Whether one of the program's windows is the active window.
  bool Active() const { return FActive; }

  // Makes a form of class T owned by the application; the first one made
  // this way becomes the main form.
  template <typename T>
  void CreateForm(T*& Reference) {
    Reference = nullptr;
    T* form = new T(this);
    Reference = form;
    FormCreated(form);
  }
  TCustomForm* MainForm() const { return FMainForm; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles every message waiting, then returns.
  void ProcessMessages();
  // Handles one message, or waits for one (idle processing first).
  void HandleMessage();
  // Ends Run (and any modal form's run) once control returns to the loop.
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // Reports the exception being handled: OnException when assigned, else
  // ShowException. Abort exceptions are silent.
  void HandleException(TObject* Sender);
  // A message box with the exception's text and the title as caption.
  void ShowException(const std::exception& E);
  int MessageBox(const String& Text, const String& Caption, UINT Flags);

  void Minimize();
  void Restore();
  void BringToFront();

  // A key that no control of the focused form took: OnShortCut (the
  // application's, then every TApplicationEvents'), then the main form's
  // IsShortCut while the main form is enabled. True when one took it.
  bool IsShortCut(TWMKey& Message);
  // OnActionExecute / OnActionUpdate: true when a handler dealt with the action.
  bool ExecuteAction(TBasicAction* Action);
  bool UpdateAction(TBasicAction* Action);

  // The long hint of the control under the mouse; OnHint fires on a change.
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);

  // Hints.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value) { FHintShortPause = Value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value) { FHintHidePause = Value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  // The hint window while a hint shows, else null.
  THintWindow* HintWindow() const;
  bool HintShowing() const;
  void CancelHint();
  // Called by controls: the mouse moved over Control, or left it.
  void HintMouseMessage(TControl* Control, const TMessage& Message);
  void HintControlLeft(TControl* Control);
  // Forgets a control being destroyed.
  void ControlDestroyed(TControl* Control);

  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  TNotifyEvent OnHint;
  TIdleEvent OnIdle;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TShortCutEvent OnShortCut;
  TShowHintEvent OnShowHint;
  TActionEvent OnActionExecute;
  TActionEvent OnActionUpdate;

 private:
  friend class TCustomForm;
  friend class TApplicationEvents;

  // The list of TApplicationEvents, the first to receive first.
  void AddApplicationEvents(TApplicationEvents* Events);
  void RemoveApplicationEvents(TApplicationEvents* Events);
  void MoveApplicationEventsToFront(TApplicationEvents* Events);
  void CancelEventDispatch() { FCancelDispatch = true; }
  // Calls the event Member of every TApplicationEvents still listed, in
  // order, until one cancels the dispatch. Answers whether any had it assigned.
  template <class Event, class... Args>
  bool Multicast(Event TApplicationEvents::*Member, Args&&... Arguments);
  // The program gained or lost the activation (WM_ACTIVATEAPP).
  void ActivateApp(bool Value);
  // Hint of the control under the mouse.
  void UpdateHintFrom(TControl* Control);

  void FormCreated(TCustomForm* Form);
  // Handles one message taken from the queue: OnMessage, dialog and
  // key routing, then dispatch. Answers false when there was none.
  bool ProcessMessage(MSG& Msg);
  void Idle();
  void CreateHandle();
  // OnException of the application and of every TApplicationEvents; the
  // message box when none handles it.
  void ReportException(TObject* Sender, const std::exception& E);
  static LRESULT AppWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void HintTimerExpired();
  void StartHintTimer(int Delay, bool Hiding);
  void StopHintTimer();
  void ActivateHint();

  HWND FHandle = nullptr;
  String FTitle;
  std::unique_ptr<TIcon> FIcon;
  String FHint;
  bool FActive = false;
  std::vector<TApplicationEvents*> FApplicationEvents;
  bool FCancelDispatch = false;
  TComponentRef<TCustomForm> FMainForm;
  bool FTerminated = false;
  bool FShowHint = true;
  int FHintPause = 500;
  int FHintShortPause = 50;
  int FHintHidePause = 2500;
  TColor FHintColor = clInfoBk;
  TControl* FHintControl = nullptr;  // the control the next or shown hint is for
  TRect FHintCursorRect;             // screen coordinates
  bool FHintActive = false;          // a hint shows now
  bool FHintTimerHides = false;
  bool FHintTimerRunning = false;
  TComponentRef<THintWindow> FHintWindow;  // owned by the application
};

// The application object of the program (made by InitForms).
extern TApplication* Application;

// The forms unit's start-up: makes Screen and Application; its shut-down
// frees them (and every form the application owns).
void InitForms();
void DoneForms();

}  // namespace plat
