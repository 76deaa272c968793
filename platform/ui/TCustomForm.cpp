#include "platform/ui/TCustomForm.h"

#include <vector>

#include "platform/gdi/TIcon.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/LayoutReader.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TControlCanvas.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/Mouse.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat {

namespace {

int ShowCommand(TWindowState State) {
  switch (State) {
    case TWindowState::wsMinimized: return SW_SHOWMINIMIZED;
    case TWindowState::wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
  }
}

// While a form runs modally the other forms take no input; this puts them
// back however the run ends.
class TDisabledForms {
 public:
  explicit TDisabledForms(TCustomForm* Modal) {
    if (!Screen) return;
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* form = Screen->Forms(i);
      if (form == Modal || !form->HandleAllocated()) continue;
      const HWND window = form->Handle();
      if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, false);
        FWindows.push_back(window);
      }
    }
  }
  ~TDisabledForms() {
    for (HWND window : FWindows)
      if (IsWindow(window)) EnableWindow(window, true);
  }
  TDisabledForms(const TDisabledForms&) = delete;
  TDisabledForms& operator=(const TDisabledForms&) = delete;

 private:
  std::vector<HWND> FWindows;
};

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner)
    : TWinControl(AOwner), FIcon(std::make_unique<TIcon>()), FCanvas(std::make_unique<TControlCanvas>(this)) {
  SetControlStyle({TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                   TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption,
                   TControlStyleItem::csDoubleClicks});
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Destroying();
  if (OnDestroy) OnDestroy(this);
  if (Application && Application->FMainForm == this) Application->FMainForm = nullptr;
  if (Screen) Screen->RemoveForm(this);
  // A menu that outlives the form keeps its handle: the window would take it along.
  SetMenu(nullptr);
  FCanvas->FreeHandle();
  // The controls go while the form's parts still exist.
  DestroyComponents();
}

void TCustomForm::CreateFromLayout(const String& LayoutName, const TLayoutHandlers& Handlers) {
  {
    FFormState.Include(TFormStateItem::fsCreating);
    const ScopeExit created([this] { FFormState.Exclude(TFormStateItem::fsCreating); });
    ReadLayout(*this, LayoutName, Handlers);
  }
  DoCreate();
  // A layout that makes the form visible shows it once it is complete.
  if (Visible()) UpdateControlState();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

TCanvas* TCustomForm::Canvas() const { return FCanvas.get(); }

TMonitor* TCustomForm::Monitor() {
  if (!Screen) return nullptr;
  if (HandleAllocated()) return Screen->MonitorFromWindow(Handle(), TMonitorDefaultTo::mdNearest);
  return Screen->MonitorFromRect(BoundsRect(), TMonitorDefaultTo::mdNearest);
}

void TCustomForm::PaintWindow(HDC DC) {
  const TControlCanvasLock lock(*FCanvas, DC);
  Paint();
}

// The window.

DWORD TCustomForm::FrameStyle() const {
  DWORD style = WS_CLIPCHILDREN;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone: style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog: style |= WS_POPUP | WS_CAPTION; break;
  }
  if (FBorderStyle != TFormBorderStyle::bsNone && FBorderIcons.Contains(TBorderIcon::biSystemMenu)) {
    style |= WS_SYSMENU;
    const bool boxes = FBorderStyle == TFormBorderStyle::bsSingle || FBorderStyle == TFormBorderStyle::bsSizeable;
    if (boxes && FBorderIcons.Contains(TBorderIcon::biMinimize)) style |= WS_MINIMIZEBOX;
    if (boxes && FBorderIcons.Contains(TBorderIcon::biMaximize)) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD TCustomForm::FrameExStyle() const {
  DWORD exStyle = 0;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsDialog: exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE; break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin: exStyle |= WS_EX_TOOLWINDOW; break;
    default: break;
  }
  if (FBorderIcons.Contains(TBorderIcon::biHelp) &&
      (FBorderStyle == TFormBorderStyle::bsDialog || !FBorderIcons.Contains(TBorderIcon::biMinimize)))
    exStyle |= WS_EX_CONTEXTHELP;
  return exStyle;
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = FrameStyle();
  Params.ExStyle = FrameExStyle();
  Params.WndParent = nullptr;
  if (!Enabled()) Params.Style |= WS_DISABLED;
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMenu) FMenu->SetWindowHandle(Handle());
}

void TCustomForm::DestroyWnd() {
  if (FMenu) FMenu->SetWindowHandle(nullptr);
  TWinControl::DestroyWnd();
}

TRect TCustomForm::ClientRect() {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Without a window yet: what the frame of these styles (and the bar) leaves.
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, FrameStyle(), FMenu != nullptr, FrameExStyle());
  return {0, 0, std::max(Width() - frame.Width(), 0), std::max(Height() - frame.Height(), 0)};
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (FWindowState == Value) return;
  FWindowState = Value;
  if (HandleAllocated() && Showing()) ShowWindow(Handle(), ShowCommand(Value));
}

// The menu bar.

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (FMenu == Value) return;
  if (FMenu) FMenu->SetWindowHandle(nullptr);
  FMenu = Value;
  if (Value && HandleAllocated()) Value->SetWindowHandle(Handle());
}

bool TCustomForm::IsShortCut(TWMKey& Message) {
  bool handled = false;
  if (OnShortCut) OnShortCut(Message, handled);
  return handled || (FMenu && FMenu->IsShortCut(Message));
}

// Showing.

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::PlaceOnShow() {
  TRect area;
  switch (FPosition) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      if (!Screen) return;
      area = {0, 0, Screen->Width(), Screen->Height()};
      break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
      TCustomForm* other = FPosition == TPosition::poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
      if (!other && Application) other = Application->MainForm();
      if (other && other != this) {
        area = other->BoundsRect();
      } else if (Screen) {
        area = {0, 0, Screen->Width(), Screen->Height()};
      } else {
        return;
      }
      break;
    }
    default: return;
  }
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::CMShowingChanged(TMessage&) {
  if (Showing()) {
    {
      FFormState.Include(TFormStateItem::fsShowing);
      const ScopeExit shown([this] { FFormState.Exclude(TFormStateItem::fsShowing); });
      DoShow();
    }
    PlaceOnShow();
    ShowWindow(Handle(), ShowCommand(FWindowState));
  } else {
    DoHide();
    if (Screen && Screen->FActiveForm == this) Screen->FActiveForm = nullptr;
    ShowWindow(Handle(), SW_HIDE);
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FFormState.Contains(TFormStateItem::fsModal))
    throw EInvalidOperation(LoadResString(SCannotShowModal));
  if (const HWND capture = GetCapture()) {
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
  }
  if (Application) Application->CancelHint();
  const HWND previous = GetActiveWindow();
  FFormState.Include(TFormStateItem::fsModal);
  struct TModalState {
    TCustomForm* Form;
    HWND Previous;
    ~TModalState() {
      Form->FFormState.Exclude(TFormStateItem::fsModal);
      if (Previous && IsWindow(Previous) && IsWindowVisible(Previous)) SetActiveWindow(Previous);
    }
  } restore{this, previous};
  const TDisabledForms disabled(this);
  // Owned by the window it came from, which a click then brings it over.
  if (previous && previous != Handle())
    SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previous));
  FModalResult = mrNone;
  Show();
  {
    const ModalLoopScope scope(Handle());
    while (FModalResult == mrNone) {
      if (Application) {
        Application->HandleMessage();
        if (Application->Terminated()) FModalResult = mrCancel;
      } else {
        MSG msg;
        if (!GetMessage(&msg, nullptr, 0, 0)) {
          PostQuitMessage(static_cast<int>(msg.wParam));
          FModalResult = mrCancel;
          break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
      }
      if (FModalResult != mrNone && !(Application && Application->Terminated())) {
        // The form may refuse to close (OnCloseQuery, OnClose with caNone).
        TCloseAction action = TCloseAction::caNone;
        if (CloseQuery()) {
          action = TCloseAction::caHide;
          DoClose(action);
        }
        if (action == TCloseAction::caNone) FModalResult = mrNone;
      }
    }
  }
  Hide();
  return FModalResult;
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (FFormState.Contains(TFormStateItem::fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = TCloseAction::caHide;
  DoClose(action);
  switch (action) {
    case TCloseAction::caNone: return;
    case TCloseAction::caHide:
      if (Application && Application->MainForm() == this)
        Application->Terminate();
      else
        Hide();
      return;
    case TCloseAction::caMinimize: SetWindowState(TWindowState::wsMinimized); return;
    case TCloseAction::caFree:
      if (Application && Application->MainForm() == this)
        Application->Terminate();
      else
        Release();
      return;
  }
}

void TCustomForm::Release() {
  // The application deletes it: not inside the form's own message handling.
  if (Application) PostMessageA(Application->Handle(), CM_RELEASE, 0, reinterpret_cast<LPARAM>(this));
}

// Activation and focus.

void TCustomForm::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (Value) {
    FFormState.Include(TFormStateItem::fsActivated);
    if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
    if (Screen) Screen->FActiveForm = this;
    SetWindowFocus();
    Perform(CM_ACTIVATE, 0, 0);
  } else {
    Perform(CM_DEACTIVATE, 0, 0);
  }
}

void TCustomForm::SetWindowFocus() {
  if (!HandleAllocated()) return;
  const HWND focus = FActiveControl && FActiveControl->CanFocus() ? FActiveControl->Handle() : Handle();
  if (GetFocus() != focus) ::plat::SetFocus(focus);
}

void TCustomForm::CMActivate(TMessage&) { Activate(); }

void TCustomForm::CMDeactivate(TMessage&) { Deactivate(); }

void TCustomForm::WMActivate(TMessage& Message) { SetActive(LOWORD(Message.WParam) != WA_INACTIVE); }

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  const bool loading = ComponentState().Contains(TComponentStateItem::csLoading);
  if (Control && (Control == this || GetParentForm(Control) != this || (!loading && !Control->CanFocus())))
    throw EInvalidOperation(LoadResString(SCannotFocus));
  FActiveControl = Control;
  if (!loading && FActive) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
  SetActiveControl(Control);
  if (FActive)
    SetWindowFocus();
  else
    SetFocus();
}

void TCustomForm::SetFocus() {
  if (FActive) {
    SetWindowFocus();
    return;
  }
  if (!Visible() || !Enabled()) throw EInvalidOperation(LoadResString(SCannotFocus));
  SetActiveWindow(Handle());
  SetWindowFocus();
}

void TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (!Control || (Control != this && !ContainsControl(Control))) return;
  // A form being destroyed has left the screen already: it must not come back as its focus.
  if (ComponentState().Contains(TComponentStateItem::csDestroying)) return;
  if (Screen) {
    Screen->FActiveControl = Control;
    Screen->FActiveForm = this;
  }
  if (FFocusedControl == Control) return;
  if (Control != this) FActiveControl = Control;
  TWinControl* old = FFocusedControl;
  FFocusedControl = Control;
  // Exits from the old focus up to the nearest parent that holds both.
  for (TWinControl* c = old; c && c != this && !c->ContainsControl(Control); c = c->Parent()) {
    c->Perform(CM_EXIT, 0, 0);
    if (FFocusedControl != Control) return;
  }
  std::vector<TWinControl*> entered;
  for (TWinControl* c = Control; c && c != this && !(old && c->ContainsControl(old)); c = c->Parent())
    entered.push_back(c);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
    (*it)->Perform(CM_ENTER, 0, 0);
    if (FFocusedControl != Control) return;
  }
  // Controls whose look depends on where the focus is (the default button's
  // outline) learn of the move.
  TMessage changed{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control), 0};
  Broadcast(changed);
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && FFocusedControl && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
  if (FActiveControl && Control->ContainsControl(FActiveControl)) {
    FActiveControl = nullptr;
    if (FActive && !Removing) SetWindowFocus();
  }
  if (Screen && Screen->FActiveControl && Control->ContainsControl(Screen->FActiveControl))
    Screen->FActiveControl = nullptr;
}

// Messages.

void TCustomForm::CMDialogKey(TMessage& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (Message.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
          FActiveControl->Parent()->SelectNext(FActiveControl, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN,
                                               false);
          Message.Result = 1;
        }
        return;
      default: break;
    }
  }
  TWinControl::CMDialogKey(Message);
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMGetMinMaxInfo(TMessage& Message) {
  DefaultHandler(Message);
  auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  if (!info) return;
  const TSizeConstraints* limits = Constraints();
  if (limits->MinWidth()) info->ptMinTrackSize.X = limits->MinWidth();
  if (limits->MinHeight()) info->ptMinTrackSize.Y = limits->MinHeight();
  if (limits->MaxWidth()) info->ptMaxTrackSize.X = limits->MaxWidth();
  if (limits->MaxHeight()) info->ptMaxTrackSize.Y = limits->MaxHeight();
}

void TCustomForm::WMSysCommand(TMessage& Message) {
  if ((Message.WParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
    Application->Minimize();
    return;
  }
  // The menu keys go to a menu made of controls (a tool bar) before the window's own.
  if ((Message.WParam & 0xFFF0) == SC_KEYMENU && Perform(CM_APPSYSCOMMAND, 0, Message.LParam) != 0) return;
  DefaultHandler(Message);
}

void TCustomForm::WndProc(TMessage& Message) {
  if (FMenu && FMenu->DispatchMenuMessage(Message)) return;
  switch (Message.Msg) {
    case WM_ACTIVATE: WMActivate(Message); return;
    case WM_CLOSE: WMClose(Message); return;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(Message); return;
    case WM_SYSCOMMAND: WMSysCommand(Message); return;
    case WM_ACTIVATEAPP:
      if (Application) Application->ActivateApp(Message.WParam != 0);
      break;
    case WM_SIZE:
      TWinControl::WndProc(Message);
      switch (Message.WParam) {
        case SIZE_MINIMIZED: FWindowState = TWindowState::wsMinimized; break;
        case SIZE_MAXIMIZED: FWindowState = TWindowState::wsMaximized; break;
        case SIZE_RESTORED: FWindowState = TWindowState::wsNormal; break;
        default: break;
      }
      return;
    case CM_SHOWINGCHANGED: CMShowingChanged(Message); return;
    case CM_VISIBLECHANGED:
      // A layout's Visible takes effect once the form is complete.
      if (FFormState.Contains(TFormStateItem::fsCreating)) return;
      break;
    case CM_DIALOGKEY: CMDialogKey(Message); return;
    case CM_ACTIVATE: CMActivate(Message); return;
    case CM_DEACTIVATE: CMDeactivate(Message); return;
    default: break;
  }
  TWinControl::WndProc(Message);
}

}  // namespace plat
