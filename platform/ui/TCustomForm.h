#pragma once
// A form: a top-level window that holds controls, built from its layout.
//
// A form class reads its layout in its constructor (CreateFromLayout), so
// the layout's components, properties and event bindings are in place and
// then OnCreate runs, all inside construction. Showing a form (Show, Visible,
// ShowModal) places it (Position), raises OnShow and activates it; every
// change of activation raises OnActivate or OnDeactivate, also when a form
// class answers the window's activation message itself. The focus goes to
// ActiveControl (the first control in Tab order when none is set).
//
// ShowModal runs its own message loop until ModalResult is set (by a button
// with a ModalResult, by Close, or by the program) or the application
// terminates; the other forms are disabled meanwhile. It works before
// the application's own loop runs.
#include <functional>
#include <memory>

#include "platform/rtl/Set.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TWinControl.h"

namespace plat {

class TControlCanvas;
class TIcon;
class TMainMenu;
class TMonitor;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateItem>;

// The answer of a modal form: 0 while it runs, else the button's value.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Showing and closing.
  void Show();
  // Runs the form modally and answers its ModalResult. Raises
  // EInvalidOperation for a form that is already visible or modal.
  virtual TModalResult ShowModal();
  // Asks OnCloseQuery, then OnClose decides: hide (the default; a modal
  // form ends its run with mrCancel), free, minimize or nothing. Closing the
  // main form terminates the application.
  void Close();
  bool CloseQuery();
  // Deletes the form once the messages now waiting are handled (the
  // application does; without one nothing happens).
  void Release();

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  TFormState FormState() const { return FFormState; }

  bool Active() const { return FActive; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  // Raises EInvalidOperation "Cannot focus a disabled or invisible window"
  // for a control of another form or one that cannot take the focus.
  void SetActiveControl(TWinControl* Control);
  // Makes Control the active control and, when the form is not active,
  // activates the form.
  void FocusControl(TWinControl* Control);
  // The window with the keyboard focus moved to Control (in this form):
  // raises OnExit and OnEnter along the way and activates the form.
  void SetFocusedControl(TWinControl* Control);
  // Control is leaving (or hiding): the focus and ActiveControl move off it.
  void DefocusControl(TWinControl* Control, bool Removing);
  void SetFocus() override;
  bool CanFocus() override { return Visible() && Enabled(); }

  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  TIcon* Icon() const { return FIcon.get(); }
  TCanvas* Canvas() const;
  // The monitor the form's window lies on most (the nearest one when it
  // lies on none); null without a Screen.
  TMonitor* Monitor();

  // The menu bar: its window shows it, its menu messages go to it. None
  // removes the bar; a menu deleted is removed.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  // A key down as a shortcut of the form: OnShortCut first, then the
  // items of Menu. Answers whether something took it.
  virtual bool IsShortCut(TWMKey& Message);

  TRect ClientRect() override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

 protected:
  // Reads the layout resource LayoutName into the form, binding its events
  // to Handlers, then raises OnCreate.
  void CreateFromLayout(const String& LayoutName, const TLayoutHandlers& Handlers);
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  virtual void Activate();
  virtual void Deactivate();
  virtual void Paint();

  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void PaintWindow(HDC DC) override;

  // Message handlers.
  void WMActivate(TMessage& Message);
  void WMClose(TMessage& Message);
  void WMGetMinMaxInfo(TMessage& Message);
  void WMSysCommand(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMActivate(TMessage& Message);
  void CMDeactivate(TMessage& Message);

 private:
  friend LRESULT ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  // The form's window became active or inactive: keeps FActive, the focus
  // and the events in step, whatever the form class did with the message.
  void SetActive(bool Value);
  void SetWindowFocus();
  void PlaceOnShow();
  DWORD FrameStyle() const;
  DWORD FrameExStyle() const;

  TModalResult FModalResult = mrNone;
  TFormState FFormState;
  bool FActive = false;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  bool FKeyPreview = false;
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize};
  TPosition FPosition = TPosition::poDesigned;
  TWindowState FWindowState = TWindowState::wsNormal;
  std::unique_ptr<TIcon> FIcon;
  std::unique_ptr<TControlCanvas> FCanvas;
  // The menu's destructor takes the bar off the window itself.
  TComponentRef<TMainMenu> FMenu;
};

}  // namespace plat
