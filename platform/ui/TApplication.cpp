#include "platform/ui/TApplication.h"

#include <algorithm>

#include "platform/gdi/TIcon.h"
#include "platform/os/TResourceStream.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SwallowedException.h"
#include "platform/ui/MouseTracking.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplicationEvents.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THintWindow.h"
#include "platform/ui/TScreen.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageBox.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"

namespace plat {

TApplication* Application = nullptr;

namespace {

constexpr const char* kClassName = "TApplication";
constexpr UINT_PTR kHintTimer = 1;
// The hint stands below the pointer's picture.
constexpr int kHintBelowCursor = 20;

std::unique_ptr<TApplication>& ApplicationObject() {
  static std::unique_ptr<TApplication> object;
  return object;
}

std::unique_ptr<TScreen>& ScreenObject() {
  static std::unique_ptr<TScreen> object;
  return object;
}

// The control whose hint shows when the mouse is over Control: itself or
// the nearest parent with ShowHint.
TControl* HintControlOf(TControl* Control) {
  while (Control && !Control->ShowHint()) Control = Control->Parent();
  return Control;
}

}  // namespace

void InitForms() {
  if (Application) return;
  ScreenObject() = std::make_unique<TScreen>(nullptr);
  Screen = ScreenObject().get();
  ApplicationObject() = std::make_unique<TApplication>(nullptr);
  Application = ApplicationObject().get();
}

void DoneForms() {
  ApplicationObject().reset();
  Application = nullptr;
  ScreenObject().reset();
  Screen = nullptr;
}

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), FIcon(std::make_unique<TIcon>()), FActive(GetActiveWindow() != nullptr) {
  if (!FindResource(nullptr, "MAINICON", RT_GROUP_ICON)) return;
  try {
    TResourceStream icon(nullptr, "MAINICON", RT_GROUP_ICON);
    FIcon->LoadFromStream(icon);
  } catch (const EInvalidGraphic&) {
    // A damaged icon leaves the program without one rather than without an application.
    LogSwallowedException("TApplication: MAINICON");
  }
}

TApplication::~TApplication() {
  Destroying();
  StopHintTimer();
  // The forms go first, while the application (their owner) is whole.
  DestroyComponents();
  // Events components that outlive it stop listening.
  for (TApplicationEvents* events : FApplicationEvents) events->FApplication = nullptr;
  FApplicationEvents.clear();
  if (FHandle) DestroyWindow(FHandle);
}

// The application's events components.

void TApplication::AddApplicationEvents(TApplicationEvents* Events) {
  FApplicationEvents.insert(FApplicationEvents.begin(), Events);
}

void TApplication::RemoveApplicationEvents(TApplicationEvents* Events) { std::erase(FApplicationEvents, Events); }

void TApplication::MoveApplicationEventsToFront(TApplicationEvents* Events) {
  RemoveApplicationEvents(Events);
  AddApplicationEvents(Events);
}

template <class Event, class... Args>
bool TApplication::Multicast(Event TApplicationEvents::*Member, Args&&... Arguments) {
  // Each dispatch has its own cancel flag, so a nested one (a handler that
  // runs a message loop) neither sees nor clears the outer one's.
  const bool outerCancel = FCancelDispatch;
  FCancelDispatch = false;
  const ScopeExit restore([this, outerCancel] { FCancelDispatch = outerCancel; });
  bool assigned = false;
  // The list may change under a handler: walk a copy, skip those gone since.
  for (TApplicationEvents* events : std::vector<TApplicationEvents*>(FApplicationEvents)) {
    if (std::find(FApplicationEvents.begin(), FApplicationEvents.end(), events) == FApplicationEvents.end()) continue;
    // A copy of the handler: the component may be deleted while it runs.
    const Event handler = events->*Member;
    if (!handler) continue;
    assigned = true;
    handler(Arguments...);
    if (FCancelDispatch) break;
  }
  return assigned;
}

void TApplication::Initialize() {
  CreateHandle();
  StartWindowPublishing();
}

LRESULT TApplication::AppWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Application && Application->FHandle == Window) {
    switch (Msg) {
      case WM_TIMER:
        if (WParam == kHintTimer) {
          Application->HintTimerExpired();
          return 0;
        }
        break;
      case CM_RELEASE: {
        // A form asked to be deleted: only one that still exists.
        auto* form = reinterpret_cast<TCustomForm*>(LParam);
        if (Screen) {
          for (int i = 0; i < Screen->FormCount(); ++i) {
            if (Screen->Forms(i) == form) {
              delete form;
              break;
            }
          }
        }
        return 0;
      }
      case WM_CLOSE:
        if (Application->FMainForm) Application->FMainForm->Close();
        return 0;
      case WM_ACTIVATEAPP: Application->ActivateApp(WParam != 0); return 0;
      case CM_APPKEYDOWN: {
        TWMKey key{Msg, static_cast<Word>(WParam), LParam, 0};
        return Application->IsShortCut(key) ? 1 : 0;
      }
      default: break;
    }
  }
  return DefWindowProcA(Window, Msg, WParam, LParam);
}

void TApplication::CreateHandle() {
  if (FHandle) return;
  if (!FindWindowClass(kClassName)) {
    WNDCLASSA wc;
    wc.lpfnWndProc = AppWndProc;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
  }
  // Hidden and without size: it exists to be found and to receive messages.
  FHandle = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, FTitle.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                            nullptr, nullptr, nullptr);
}

HWND TApplication::Handle() {
  CreateHandle();
  return FHandle;
}

void TApplication::SetTitle(const String& Value) {
  FTitle = Value;
  if (FHandle) SetWindowTextA(FHandle, Value.c_str());
}

void TApplication::FormCreated(TCustomForm* Form) {
  if (!FMainForm) {
    Form->HandleNeeded();
    FMainForm = Form;
  }
}

// The message loop.

void TApplication::Run() {
  if (FMainForm) FMainForm->SetVisible(true);
  while (!FTerminated) HandleMessage();
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  bool handled = false;
  if (OnMessage) OnMessage(Msg, handled);
  Multicast(&TApplicationEvents::OnMessage, Msg, handled);
  if (!handled) {
    TranslateMessage(&Msg);
    DispatchMessage(&Msg);
  }
  return true;
}

void TApplication::HandleMessage() {
  MSG msg;
  try {
    if (!ProcessMessage(msg)) {
      Idle();
      if (!FTerminated) WaitMessage();
    }
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::Idle() {
  bool done = true;
  if (OnIdle) OnIdle(this, done);
  Multicast(&TApplicationEvents::OnIdle, this, done);
  for (TActionList* list : std::vector<TActionList*>(TActionList::All())) list->UpdateActions();
}

void TApplication::Terminate() { PostQuitMessage(0); }

// Exceptions.

void TApplication::HandleException(TObject* Sender) {
  try {
    throw;
  } catch (const EAbort&) {
    // Silent by intent.
  } catch (const std::exception& e) {
    ReportException(Sender, e);
  } catch (...) {
    // Its class is all there is to know of it, and the box cannot say it.
    LogSwallowedException("TApplication::HandleException");
    ReportException(Sender, Exception("Unknown exception"));
  }
}

void TApplication::ReportException(TObject* Sender, const std::exception& E) {
  if (OnException) OnException(Sender, E);
  const bool handled = Multicast(&TApplicationEvents::OnException, Sender, E);
  if (!OnException && !handled) ShowException(E);
}

void TApplication::ShowException(const std::exception& E) {
  const auto* exception = dynamic_cast<const Exception*>(&E);
  String text = exception ? exception->Message() : String(E.what());
  // Sentences end with a full stop.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const String& Text, const String& Caption, UINT Flags) {
  HWND owner = GetActiveWindow();
  if (!owner) owner = Handle();
  return ::plat::MessageBox(owner, Text, Caption, Flags);
}

// The main window's state.

void TApplication::Minimize() {
  if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
  Multicast(&TApplicationEvents::OnMinimize, this);
}

void TApplication::Restore() {
  if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_RESTORE);
  if (OnRestore) OnRestore(this);
  Multicast(&TApplicationEvents::OnRestore, this);
}

void TApplication::ActivateApp(bool Value) {
  // Every top-level window of the program hears it: only the change counts.
  // Windows going with the application itself report nothing.
  if (FActive == Value || ComponentState().Contains(TComponentStateItem::csDestroying)) return;
  FActive = Value;
  if (!Value) CancelHint();
  if (Value) {
    if (OnActivate) OnActivate(this);
    Multicast(&TApplicationEvents::OnActivate, this);
  } else {
    if (OnDeactivate) OnDeactivate(this);
    Multicast(&TApplicationEvents::OnDeactivate, this);
  }
}

// Shortcuts and actions.

bool TApplication::IsShortCut(TWMKey& Message) {
  bool handled = false;
  if (OnShortCut) OnShortCut(Message, handled);
  Multicast(&TApplicationEvents::OnShortCut, Message, handled);
  if (handled) return true;
  return FMainForm && FMainForm->HandleAllocated() && IsWindowEnabled(FMainForm->Handle()) &&
         FMainForm->IsShortCut(Message);
}

bool TApplication::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnActionExecute) OnActionExecute(Action, handled);
  Multicast(&TApplicationEvents::OnActionExecute, Action, handled);
  return handled;
}

bool TApplication::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnActionUpdate) OnActionUpdate(Action, handled);
  Multicast(&TApplicationEvents::OnActionUpdate, Action, handled);
  return handled;
}

void TApplication::BringToFront() {
  if (FMainForm && FMainForm->HandleAllocated()) SetForegroundWindow(GetLastActivePopup(FMainForm->Handle()));
}

// Hints.

void TApplication::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  if (!Value) CancelHint();
}

THintWindow* TApplication::HintWindow() const { return HintShowing() ? FHintWindow.Get() : nullptr; }

bool TApplication::HintShowing() const { return FHintWindow && FHintWindow->IsShowing(); }

void TApplication::StartHintTimer(int Delay, bool Hiding) {
  FHintTimerHides = Hiding;
  FHintTimerRunning = true;
  SetTimer(Handle(), kHintTimer, static_cast<UINT>(std::max(Delay, 1)), nullptr);
}

void TApplication::StopHintTimer() {
  if (!FHintTimerRunning) return;
  FHintTimerRunning = false;
  if (FHandle) KillTimer(FHandle, kHintTimer);
}

void TApplication::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  if (OnHint) OnHint(this);
  Multicast(&TApplicationEvents::OnHint, this);
}

void TApplication::UpdateHintFrom(TControl* Control) {
  while (Control && Control->Hint().empty()) Control = Control->Parent();
  SetHint(Control ? GetLongHint(Control->Hint()) : String());
}

void TApplication::HintMouseMessage(TControl* Control, const TMessage& Message) {
  const TPoint screen = Control->ClientToScreen(TMouseMessage::From(Message).Pos);
  TControl* underMouse = FindDragTarget(screen, true);
  UpdateHintFrom(underMouse);
  if (!FShowHint) return;
  TControl* hintControl = HintControlOf(underMouse);
  if (!hintControl) {
    CancelHint();
    return;
  }
  if (hintControl == FHintControl && FHintCursorRect.Contains(screen)) return;
  int pause = FHintActive ? FHintShortPause : FHintPause;
  bool active = FHintActive;
  hintControl->Perform(CM_HINTSHOWPAUSE, reinterpret_cast<WPARAM>(&active), reinterpret_cast<LPARAM>(&pause));
  if (FHintWindow) FHintWindow->ReleaseHandle();
  FHintControl = hintControl;
  FHintCursorRect = {};
  StartHintTimer(pause, false);
}

void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (FHintTimerHides) {
    // The hint's time is up; it comes back once the mouse moves to another place.
    if (FHintWindow) FHintWindow->ReleaseHandle();
    FHintActive = false;
    return;
  }
  ActivateHint();
}

void TApplication::ActivateHint() {
  TControl* control = FHintControl;
  if (!control) return;
  POINT cursor;
  GetCursorPos(&cursor);
  THintInfo info;
  info.HintControl = control;
  info.HintPos = cursor + TPoint{0, kHintBelowCursor};
  info.HintMaxWidth = Screen ? Screen->Width() : 640;
  info.HintColor = FHintColor;
  info.CursorRect = control->ClientRect();
  info.CursorPos = control->ScreenToClient(cursor);
  info.HideTimeout = FHintHidePause;
  info.HintStr = GetShortHint(control->Hint());
  bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  if (canShow) {
    if (OnShowHint) OnShowHint(info.HintStr, canShow, info);
    Multicast(&TApplicationEvents::OnShowHint, info.HintStr, canShow, info);
  }
  // The handlers may have done anything, the control's end included.
  if (FHintControl != control) return;
  const TPoint origin = control->ClientToScreen({0, 0});
  FHintCursorRect = info.CursorRect.Translated(origin.X, origin.Y);
  if (!canShow || info.HintStr.empty()) {
    FHintActive = false;
    return;
  }
  if (!FHintWindow) FHintWindow = new THintWindow(this);
  FHintWindow->SetColor(info.HintColor);
  const TRect size = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
  FHintWindow->ActivateHint(size.Translated(info.HintPos.X, info.HintPos.Y), info.HintStr);
  FHintActive = true;
  if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, true);
}

void TApplication::CancelHint() {
  StopHintTimer();
  if (FHintWindow) FHintWindow->ReleaseHandle();
  FHintActive = false;
  FHintControl = nullptr;
  FHintCursorRect = {};
}

void TApplication::HintControlLeft(TControl* Control) {
  if (!MouseControl()) SetHint(String());
  if (Control != FHintControl) return;
  // Off every control: no more hints until one is entered again.
  if (!MouseControl()) {
    CancelHint();
    return;
  }
  // Onto another control: its hint comes after the short pause.
  StopHintTimer();
  if (FHintWindow) FHintWindow->ReleaseHandle();
  FHintControl = nullptr;
  FHintCursorRect = {};
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (Control == FHintControl) CancelHint();
}

}  // namespace plat
