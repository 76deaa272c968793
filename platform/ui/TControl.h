#pragma once
// The base of every control: a component with a parent, bounds in its
// parent's client coordinates, alignment, visibility, text, colour, font,
// cursor, hint, mouse and key events, drag and drop, and a message path of
// its own.
//
// Messages: Perform hands a TMessage to WindowProc, which is WndProc unless
// someone hooked it (keep the old value and call it from the hook). WndProc
// overrides switch on the message, call their named handler and pass what
// they do not handle to the base class; what no class handles ends in
// DefaultHandler (for a windowed control: the window's default procedure).
//
// Notifications: a changed font, colour, text, enabled state or visibility
// sends CM_FONTCHANGED, CM_COLORCHANGED, CM_TEXTCHANGED, CM_ENABLEDCHANGED or
// CM_VISIBLECHANGED to the control itself; a windowed control passes font,
// colour, hint and reading-order changes on to its children as the
// CM_PARENT*CHANGED messages, and children with ParentFont (...) take the
// new value.
#include <memory>
#include <utility>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TCanvas.h"  // EInvalidOperation, which controls raise
#include "platform/gdi/TFont.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TSizeConstraints.h"

namespace plat {

class TWinControl;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // Messages.
  TWndMethod WindowProc;
  // Sends a message to WindowProc at once and answers its Result.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  virtual void WndProc(TMessage& Message);
  // The end of the message path: answers WM_GETTEXT, WM_GETTEXTLENGTH and
  // WM_SETTEXT from the control's own text; everything else gets 0.
  virtual void DefaultHandler(TMessage& Message);

  // Parent. Setting one inserts the control into the parent's Controls.
  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  void SetParentComponent(TComponent* Value) override;
  void SetName(const String& Value) override;
  bool HasParent() const { return FParent != nullptr; }

  // Bounds, in the parent's client coordinates.
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& Value) { SetBounds(Value.Left, Value.Top, Value.Width(), Value.Height()); }
  // Sizes pass through Constraints and CanResize; negative sizes become 0.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  // The client area: (0, 0) to its size, in the control's own coordinates.
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Width(); }
  int ClientHeight() { return ClientRect().Height(); }
  // Sets the control's size so that its client area gets this size.
  virtual void SetClientWidth(int Value);
  virtual void SetClientHeight(int Value);
  // Where the client area's top-left lies on the screen.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(TPoint Point) { return Point + ClientOrigin(); }
  TPoint ScreenToClient(TPoint Point) { return Point - ClientOrigin(); }
  TPoint ClientToParent(TPoint Point, TWinControl* AParent = nullptr);
  TPoint ParentToClient(TPoint Point, TWinControl* AParent = nullptr);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TSizeConstraints* Constraints() { return FConstraints.get(); }
  // Sizes itself to its content (labels, images) when the class can.
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool Value);

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show();
  void Hide();
  // Whether the control is enabled (its parents may still be disabled).
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  // Caption and Text are one value.
  String Caption() { return GetText(); }
  void SetCaption(const String& Value) { SetText(Value); }
  String Text() { return GetText(); }
  void SetText(const String& Value);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }

  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);

  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  // Reading order: from the parent unless set; left to right by default.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool IsRightToLeft() const { return FBiDiMode != TBiDiMode::bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return FBiDiMode == TBiDiMode::bdRightToLeft; }
  bool UseRightToLeftReading() const { return FBiDiMode != TBiDiMode::bdLeftToRight; }

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  // The action whose caption, enabled state, hint and visibility this
  // control shows and which its Click runs.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);

  // Painting: Invalidate asks for a repaint later, Update does what is
  // pending now, Repaint and Refresh do both.
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }

  // Drag and drop in the class library. BeginDrag starts at once
  // (Immediate) or once the mouse moved Threshold pixels (-1: the
  // default of 5) with the left button down.
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Ends a drag this control runs; Drop: drop on the target under the mouse.
  void EndDrag(bool Drop);
  bool Dragging() const;
  // The target's part: OnDragOver decides; without it nothing is accepted.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DragDrop(TObject* Source, int X, int Y);

  virtual void Click();
  virtual void DblClick();

  // Events.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;

  // Other objects that follow this control's size: each handler runs after
  // OnResize, in subscription order, until its subscription is removed. A
  // subscriber removes its own before it goes, so that objects freed in any
  // order leave no handler behind; removing an unknown id does nothing.
  int SubscribeResize(TNotifyEvent Handler);
  void UnsubscribeResize(int Subscription);
  TContextPopupEvent OnContextPopup;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TStartDragEvent OnStartDrag;
  TEndDragEvent OnEndDrag;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

  // Text storage: graphic controls keep it here, windowed ones pass it to
  // their window too.
  String GetText();
  const String& TextBuffer() const { return FText; }

  // Called after the size changed.
  virtual void Resize();
  // May change or refuse a new size; the default asks OnCanResize.
  virtual bool CanResize(int& NewWidth, int& NewHeight);
  // Asks the parent to realign its controls when this one is aligned.
  void RequestAlign();
  // Sizes the control to its content when AutoSize is set; the default does nothing.
  virtual void AdjustSize() {}
  virtual void SetZOrder(bool TopMost);
  // Called with the pointer in the control's client coordinates.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  // Answers whether OnMouseWheel handled it; when not, each whole notch
  // turned (deltas add up until they make one) goes to DoMouseWheelDown
  // (towards the user) or DoMouseWheelUp.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  // Answer whether OnMouseWheelDown (OnMouseWheelUp) handled the notch.
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  // Takes the linked action's caption (while its link says the caption is
  // linked), enabled state, hint and visibility (CheckDefaults: only where
  // the control still has its defaults).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // The link SetAction ties the control to its action with; a control that
  // follows more of its action (a checked state, a group) makes its own.
  virtual std::unique_ptr<TControlActionLink> CreateActionLink();
  // Raises the context menu: OnContextPopup, then the PopupMenu at the
  // screen point. Answers whether it was handled.
  virtual bool DoContextPopup(TPoint MousePos);

  // Message handlers.
  void WMMouseMove(TMessage& Message);
  void WMButtonDown(TMessage& Message, TMouseButton Button);
  void WMButtonUp(TMessage& Message, TMouseButton Button);
  void WMLButtonDblClk(TMessage& Message);
  void WMRButtonDblClk(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);
  void CMParentBiDiModeChanged(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMHitTest(TMessage& Message);
  void CMDrag(TMessage& Message);
  void CMMouseWheel(TMessage& Message);

  // The bounds fields themselves, for classes that follow a window.
  void UpdateBoundsFields(int ALeft, int ATop, int AWidth, int AHeight);

  // Follows the mouse: captures it for this control or lets go.
  void SetMouseCapture(bool Value);
  bool MouseCapture() const;

  friend class TWinControl;
  friend class TControlActionLink;
  friend class TDragManager;
  friend class TDragControlObject;

 private:
  void FontChanged(TObject* Sender);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  bool FAutoSize = false;
  bool FVisible = true;
  bool FEnabled = true;
  String FText;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  TCursor FCursor = crDefault;
  TCursor FDragCursor = crDrag;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TPopupMenu* FPopupMenu = nullptr;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  bool FParentBiDiMode = true;
  TControlStyle FControlStyle;
  TControlState FControlState;
  TDragMode FDragMode = TDragMode::dmManual;
  int FWheelAccumulator = 0;  // wheel delta short of a whole notch
  std::unique_ptr<TSizeConstraints> FConstraints;
  std::unique_ptr<TControlActionLink> FActionLink;
  std::vector<std::pair<int, TNotifyEvent>> FResizeSubscribers;
  int FLastResizeSubscription = 0;
};

// The windowed control a window belongs to, or null.
TWinControl* FindControl(HWND Handle);
// The form (top-level windowed control) a control is placed in, or null.
class TCustomForm;
TCustomForm* GetParentForm(TControl* Control);
// The control under a screen point: the deepest visible one, disabled ones
// too when AllowDisabled. Null outside every window of the program.
TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled);
// The control holding the mouse capture (a graphic control captures
// through its parent's window), or null.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

}  // namespace plat
