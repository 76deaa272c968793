#pragma once
// A control with a window of its own: it holds other controls, takes the
// keyboard focus, and takes part in Tab navigation. Its window is made
// when first needed (Handle) from CreateParams, with a window class named
// after the control's class (or a Unicode window: CreateUnicodeHandle), and
// its messages reach WindowProc in UTF-8.
//
// A control may live in a window of a class the window layer has (a common
// control, CreateSubClass): its messages still come to WindowProc first, and
// what the control leaves goes to that class's procedure rather than to
// DefWindowProc (the mouse before the control's mouse events, a character
// no KeyPress took after them); such a window paints itself, and hears the
// control's font (WM_SETFONT) when made and whenever the font changes.
// A parent hands each WM_NOTIFY to the control that sent it as CN_NOTIFY.
//
// Keys: a key pressed in a windowed control is first offered as a dialog
// key (Tab, arrows, Enter, Escape) to its form, unless the control wants
// it (WM_GETDLGCODE, CM_WANTSPECIALKEY); then the form sees it when its
// KeyPreview is set; then the control's KeyDown and OnKeyDown. Key releases
// and typed characters go the same way (characters not wanted by the
// control are first offered to the form as CM_DIALOGCHAR, for "&" accelerators).
#include <functional>
#include <vector>

#include "platform/rtl/Utf8Assembler.h"
#include "platform/ui/TControl.h"
#include "platform/win/WindowClass.h"

namespace plat {

class TCanvas;

// The window procedure of every control's window: hands the messages to the
// control's WindowProc.
LRESULT ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
// The procedure of controls' Unicode windows: takes UTF-16 text and hands
// each message to ControlWindowProc in UTF-8, the window layer converting.
LRESULT UnicodeControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

// What CreateWnd makes the window from.
struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  UINT ClassStyle = 0;  // CS_* of the window class
  String WinClassName;  // the control's class name unless changed
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, made on first use (with the parents' windows); raises
  // EInvalidOperation when the control has no parent window to live in.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window and makes it again (a style that needs a new window).
  void RecreateWnd();
  // Whether the control and every parent are visible and have windows.
  bool Showing() const { return FShowing; }

  // The controls placed in this one: windowed and graphic, in the order
  // they were placed (a control brought to the front goes last).
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(TControl* Control) const;
  // The visible child (enabled unless AllowDisabled; windowed ones only when
  // AllowWinControls) at a point of the client area, topmost first.
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;

  // Focus and Tab order.
  virtual bool CanFocus();
  // Whether the control's window (or one of its parts: a combo box's
  // edit) has the focus.
  virtual bool Focused() const;
  virtual void SetFocus();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  // Position among the parent's windowed children in Tab order; values
  // out of range go to the end.
  int TabOrder() const;
  void SetTabOrder(int Value);
  // The windowed descendants in Tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& List);
  // The next (previous) control after CurControl in Tab order within this
  // one, wrapping round; only tab stops when CheckTabStop; only direct
  // children of this control when CheckParent. Null when none.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  // Moves the focus to that control.
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  // Focuses the first control in Tab order.
  void SelectFirst();

  // Painting: double buffered paints the client area off screen first.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  // Paints the control and its children onto a DC at X, Y.
  void PaintTo(HDC DC, int X, int Y);
  void PaintTo(TCanvas* Canvas, int X, int Y);
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  // Sends a message to every child control; stops at the first that
  // answers nonzero.
  void Broadcast(TMessage& Message);

  // Alignment of the children. While disabled (nested), realignment
  // requests wait and run when the last EnableAlign comes.
  void DisableAlign();
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel > 0; }

  // The single border of an edit, list or grid: sunken (3-D) when set, a
  // flat line when not. True at first; a change remakes a window that
  // has such a border.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);

  // Space between the frame and the client area, on every side.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect ClientRect() override;
  TPoint ClientOrigin() override;
  void SetParent(TWinControl* AParent) override;

  void DefaultHandler(TMessage& Message) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  void WndProc(TMessage& Message) override;

  // The window's making.
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWindowHandle(const TCreateParams& Params);
  // For a CreateWindowHandle that wants a Unicode window (IsWindowUnicode):
  // made through the wide interface in a copy of the control's window class
  // named WinClassName + ".UnicodeClass", registered on first use. Senders
  // of either form reach the control as from an ANSI window; text that has
  // no UTF-8 form (an unpaired surrogate) arrives as U+FFFD.
  void CreateUnicodeHandle(const TCreateParams& Params);
  // For CreateParams: the window is of the registered class ControlClassName
  // (copied under the control's own class name), whose procedure handles
  // what the control leaves. Raises EOSError when there is no such class.
  void CreateSubClass(TCreateParams& Params, const char* ControlClassName);
  // For CreateParams: the single border (Ctl3D).
  void AddSingleBorder(TCreateParams& Params) const;
  virtual void CreateWnd();
  virtual void DestroyWnd();
  void CreateHandle();
  void DestroyHandle();
  // The window was just made (for controls that put their state into it).
  virtual void CreateHandleNotify() {}

  // Alignment: places the aligned children within Rect (the client area
  // after AdjustClientRect). AControl is the one whose change asked for it.
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  // Where an alCustom child goes; the default leaves it where it is.
  virtual void CustomAlignPosition(TControl* Control, int& NewLeft, int& NewTop, int& NewWidth, int& NewHeight,
                                   TRect& AlignRect);

  // Painting: PaintWindow paints the control itself (with the DC at the
  // client origin), then the graphic children are painted over it.
  virtual void PaintWindow(HDC DC);
  void PaintControls(HDC DC, TControl* First);
  void PaintHandler(HDC DC);
  // Fills the background with Color; the default for WM_ERASEBKGND.
  virtual void EraseBackground(HDC DC);

  // Keys, after the form's preview.
  virtual void KeyDown(std::uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(std::uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char32_t& Key);
  // The whole key path: answers true when the key was taken (no further handling).
  bool DoKeyDown(std::uint16_t& Key, TShiftState Shift);
  bool DoKeyUp(std::uint16_t& Key, TShiftState Shift);
  bool DoKeyPress(char32_t& Key);
  virtual void DoEnter();
  virtual void DoExit();

  void SetZOrder(bool TopMost) override;
  // Shows, hides, enables the window to match the control's state.
  void UpdateControlState();
  // Sends a message (no parameters) to every child.
  void NotifyControls(UINT Msg);
  void Loaded() override;

  // Message handlers.
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMKeyDown(TMessage& Message);
  void WMKeyUp(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMSysChar(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void WMNCDestroy(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMShowHintChanged(TMessage& Message);
  void CMBiDiModeChanged(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMChildKey(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMRecreateWnd(TMessage& Message);
  void CMCtl3DChanged(TMessage& Message);
  void WMNotify(TMessage& Message);
  void CMInvalidate(TMessage& Message);

 private:
  friend class TControl;
  friend LRESULT ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  void AlignControl(TControl* AControl);
  void MoveControl(TControl* AControl, bool TopMost);
  void UpdateShowing();
  void UpdateBoundsFromWindow();
  void RegisterWindowClass(const TCreateParams& Params);
  static void RegisterUnicodeClass(const String& AnsiClassName, const WideString& UnicodeClassName);
  // Makes the window with MakeWindow, entering it as this control's.
  void AttachNewWindow(const std::function<HWND()>& MakeWindow);
  // A routed mouse message for a graphic child: answers true when it went there.
  bool IsControlMouseMsg(TMessage& Message);
  void TrackMouse(TMessage& Message);
  // A key down offered as a shortcut: to the popup menus of this control
  // and its parents, to the form (its OnShortCut and menu bar), then to the
  // application.
  bool IsMenuKey(const TMessage& Message);
  bool DialogKeyStep(std::uint16_t Key, LPARAM KeyData);
  // A window of a common control takes the font by WM_SETFONT.
  void PassFontToWindow();

  HWND FHandle = nullptr;
  bool FShowing = false;
  std::vector<TControl*> FControls;  // in placing order, the last on top
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  bool FDoubleBuffered = false;
  int FAlignLevel = 0;
  int FBorderWidth = 0;
  bool FCtl3D = true;
  WNDPROC FDefWndProc = nullptr;  // the procedure of a common control's class
  TUtf8Assembler FPendingChar;    // a character typed in parts
};

}  // namespace plat
