#include "platform/ui/TControl.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/DragManager.h"
#include "platform/ui/MouseTracking.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TControlActionLink.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TDragObject.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TWinControl.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowText.h"

namespace plat {

namespace {

// A graphic control holding the capture does so through its parent's window.
TControl* gCaptureControl = nullptr;

}  // namespace

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()), FConstraints(std::make_unique<TSizeConstraints>()) {
  WindowProc = [this](TMessage& Message) { WndProc(Message); };
  FFont->OnChange = [this](TObject* Sender) { FontChanged(Sender); };
  FConstraints->OnChange = [this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); };
  FControlStyle = {TControlStyleItem::csCaptureMouse, TControlStyleItem::csClickEvents, TControlStyleItem::csSetCaption,
                   TControlStyleItem::csDoubleClicks};
}

TControl::~TControl() {
  Destroying();
  TDragManager::ControlDestroyed(this);
  ForgetMouseControl(this);
  if (Application) Application->ControlDestroyed(this);
  if (gCaptureControl == this) gCaptureControl = nullptr;
  FActionLink.reset();
  if (FParent) FParent->RemoveControl(this);
}

// Messages.

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& Message) {
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    // Without csDoubleClicks a second click is just another press.
    if (!FControlStyle.Contains(TControlStyleItem::csDoubleClicks) &&
        (Message.Msg == WM_LBUTTONDBLCLK || Message.Msg == WM_RBUTTONDBLCLK || Message.Msg == WM_MBUTTONDBLCLK))
      Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FDragMode == TDragMode::dmAutomatic &&
        !ComponentState().Contains(TComponentStateItem::csDesigning)) {
      BeginDrag(false);
      return;
    }
  }
  switch (Message.Msg) {
    case WM_MOUSEMOVE: WMMouseMove(Message); return;
    case WM_LBUTTONDOWN: WMButtonDown(Message, TMouseButton::mbLeft); return;
    case WM_RBUTTONDOWN: WMButtonDown(Message, TMouseButton::mbRight); return;
    case WM_MBUTTONDOWN: WMButtonDown(Message, TMouseButton::mbMiddle); return;
    case WM_LBUTTONUP: WMButtonUp(Message, TMouseButton::mbLeft); return;
    case WM_RBUTTONUP: WMButtonUp(Message, TMouseButton::mbRight); return;
    case WM_MBUTTONUP: WMButtonUp(Message, TMouseButton::mbMiddle); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return;
    case WM_RBUTTONDBLCLK: WMRButtonDblClk(Message); return;
    case WM_CONTEXTMENU: WMContextMenu(Message); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_COLORCHANGED: CMColorChanged(Message); return;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); return;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); return;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(Message); return;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(Message); return;
    case CM_MOUSEENTER: CMMouseEnter(Message); return;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return;
    case CM_HITTEST: CMHitTest(Message); return;
    case CM_DRAG: CMDrag(Message); return;
    case CM_MOUSEWHEEL: CMMouseWheel(Message); return;
    default: DefaultHandler(Message); return;
  }
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXT:
      Message.Result = CopyTextOut(FText, reinterpret_cast<char*>(Message.LParam), Message.WParam);
      return;
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(FText.size()); return;
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(Message.LParam);
      FText = text ? text : "";
      Message.Result = TRUE;
      return;
    }
    default: Message.Result = 0; return;
  }
}

// Parent.

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (static_cast<TControl*>(AParent) == this) throw EInvalidOperation(LoadResString(SControlParentSetToSelf));
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* parent = dynamic_cast<TWinControl*>(Value)) SetParent(parent);
}

void TControl::SetName(const String& Value) {
  // A caption that still is the name follows it, except while a layout is read.
  const bool followName = FControlStyle.Contains(TControlStyleItem::csSetCaption) && Name() == GetText() &&
                          !ComponentState().Contains(TComponentStateItem::csLoading) &&
                          !(Owner() && Owner()->ComponentState().Contains(TComponentStateItem::csLoading));
  TComponent::SetName(Value);
  if (followName) SetText(Value);
}

// Bounds.

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  FConstraints->Apply(AWidth, AHeight);
  if ((AWidth != FWidth || AHeight != FHeight) && !CanResize(AWidth, AHeight)) {
    AWidth = FWidth;
    AHeight = FHeight;
  }
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  const bool sized = AWidth != FWidth || AHeight != FHeight;
  Invalidate();
  UpdateBoundsFields(ALeft, ATop, AWidth, AHeight);
  Invalidate();
  RequestAlign();
  if (sized) Resize();
}

void TControl::UpdateBoundsFields(int ALeft, int ATop, int AWidth, int AHeight) {
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
}

TRect TControl::ClientRect() { return {0, 0, FWidth, FHeight}; }

void TControl::SetClientWidth(int Value) { SetWidth(FWidth - ClientWidth() + Value); }
void TControl::SetClientHeight(int Value) { SetHeight(FHeight - ClientHeight() + Value); }

TPoint TControl::ClientOrigin() {
  if (!FParent) return {FLeft, FTop};
  return FParent->ClientOrigin() + TPoint{FLeft, FTop};
}

TPoint TControl::ClientToParent(TPoint Point, TWinControl* AParent) {
  if (!AParent) AParent = FParent;
  if (!AParent) return Point;
  return AParent->ScreenToClient(ClientToScreen(Point));
}

TPoint TControl::ParentToClient(TPoint Point, TWinControl* AParent) {
  if (!AParent) AParent = FParent;
  if (!AParent) return Point;
  return ScreenToClient(AParent->ClientToScreen(Point));
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  const TAlign old = FAlign;
  FAlign = Value;
  // A control turned from a horizontal to a vertical bar keeps its thickness.
  const auto horizontal = [](TAlign a) { return a == TAlign::alTop || a == TAlign::alBottom; };
  const auto vertical = [](TAlign a) { return a == TAlign::alLeft || a == TAlign::alRight; };
  if (!ComponentState().Contains(TComponentStateItem::csLoading) &&
      ((horizontal(old) && vertical(Value)) || (vertical(old) && horizontal(Value))))
    SetBounds(FLeft, FTop, FHeight, FWidth);
  RequestAlign();
}

void TControl::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  if (Value) AdjustSize();
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
  // A handler may unsubscribe itself or others: walk a copy of the ids.
  std::vector<int> ids;
  for (const auto& [id, handler] : FResizeSubscribers) ids.push_back(id);
  for (int id : ids) {
    auto it = std::find_if(FResizeSubscribers.begin(), FResizeSubscribers.end(),
                           [id](const auto& entry) { return entry.first == id; });
    if (it == FResizeSubscribers.end()) continue;
    TNotifyEvent handler = it->second;
    handler(this);
  }
}

int TControl::SubscribeResize(TNotifyEvent Handler) {
  FResizeSubscribers.emplace_back(++FLastResizeSubscription, std::move(Handler));
  return FLastResizeSubscription;
}

void TControl::UnsubscribeResize(int Subscription) {
  std::erase_if(FResizeSubscribers, [Subscription](const auto& entry) { return entry.first == Subscription; });
}

bool TControl::CanResize(int& NewWidth, int& NewHeight) {
  bool resize = true;
  if (OnCanResize) OnCanResize(this, NewWidth, NewHeight, resize);
  return resize;
}

// Visibility, state, text.

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  if (!Value) Invalidate();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
  RequestAlign();
}

void TControl::Show() { SetVisible(true); }

void TControl::Hide() { SetVisible(false); }

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

String TControl::GetText() {
  const auto length = Perform(WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  String text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

void TControl::SetText(const String& Value) {
  if (GetText() == Value) return;
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value && FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetFont(const TFont* Value) {
  if (Value) FFont->Assign(*Value);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value && FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
  FParentShowHint = false;
  if (FShowHint == Value) return;
  FShowHint = Value;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value && FParent) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  FParentBiDiMode = false;
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (Value && FParent) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

// Actions.

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (Action() == Value) return;
  if (!Value) {
    FActionLink.reset();
    FControlStyle.Exclude(TControlStyleItem::csActionClient);
    return;
  }
  FControlStyle.Include(TControlStyleItem::csActionClient);
  if (!FActionLink) FActionLink = CreateActionLink();
  FActionLink->SetAction(Value);
  ActionChange(Value, ComponentState().Contains(TComponentStateItem::csLoading));
  Value->FreeNotification(this);
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() { return std::make_unique<TControlActionLink>(this); }

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  if ((!CheckDefaults || GetText().empty() || GetText() == Name()) && (!FActionLink || FActionLink->IsCaptionLinked()))
    SetCaption(action->Caption());
  if (!CheckDefaults || FEnabled) SetEnabled(action->Enabled());
  if (!CheckDefaults || FHint.empty()) SetHint(action->Hint());
  if (!CheckDefaults || FVisible) SetVisible(action->Visible());
}

// Painting.

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || !FVisible) return;
  const TRect bounds = BoundsRect();
  InvalidateRect(FParent->Handle(), &bounds, !FControlStyle.Contains(TControlStyleItem::csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::SetZOrder(bool TopMost) {
  if (!FParent) return;
  FParent->MoveControl(this, TopMost);
  Invalidate();
}

// Mouse.

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::WMMouseMove(TMessage& Message) {
  if (Application) Application->HintMouseMessage(this, Message);
  if (!FControlStyle.Contains(TControlStyleItem::csNoStdEvents)) {
    const TMouseMessage mouse = TMouseMessage::From(Message);
    MouseMove(ShiftStateOf(mouse), mouse.Pos.X, mouse.Pos.Y);
  }
}

void TControl::WMButtonDown(TMessage& Message, TMouseButton Button) {
  if (Button == TMouseButton::mbLeft) {
    FControlState.Include(TControlStateItem::csLButtonDown);
    if (FControlStyle.Contains(TControlStyleItem::csClickEvents)) FControlState.Include(TControlStateItem::csClicked);
  }
  if (FControlStyle.Contains(TControlStyleItem::csCaptureMouse)) SetMouseCapture(true);
  if (!FControlStyle.Contains(TControlStyleItem::csNoStdEvents)) {
    const TMouseMessage mouse = TMouseMessage::From(Message);
    MouseDown(Button, ShiftStateOf(mouse), mouse.Pos.X, mouse.Pos.Y);
  }
}

void TControl::WMButtonUp(TMessage& Message, TMouseButton Button) {
  if (FControlStyle.Contains(TControlStyleItem::csCaptureMouse)) SetMouseCapture(false);
  const TMouseMessage mouse = TMouseMessage::From(Message);
  const TPoint p = mouse.Pos;
  if (Button == TMouseButton::mbLeft) {
    FControlState.Exclude(TControlStateItem::csLButtonDown);
    if (FControlState.Contains(TControlStateItem::csClicked)) {
      FControlState.Exclude(TControlStateItem::csClicked);
      if (ClientRect().Contains(p)) Click();
    }
  }
  if (!FControlStyle.Contains(TControlStyleItem::csNoStdEvents)) MouseUp(Button, ShiftStateOf(mouse), p.X, p.Y);
  // The context menu follows the right button's release, as on the desktop.
  if (Button == TMouseButton::mbRight) {
    const TPoint screen = ClientToScreen(p);
    Perform(WM_CONTEXTMENU, 0, PointToLParam(screen.X, screen.Y));
  }
}

void TControl::WMLButtonDblClk(TMessage& Message) {
  if (FControlStyle.Contains(TControlStyleItem::csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(TControlStyleItem::csClickEvents)) DblClick();
  if (!FControlStyle.Contains(TControlStyleItem::csNoStdEvents)) {
    const TMouseMessage mouse = TMouseMessage::From(Message);
    MouseDown(TMouseButton::mbLeft, ShiftStateOf(mouse) + TShiftState{TShiftStateItem::ssDouble}, mouse.Pos.X,
              mouse.Pos.Y);
  }
}

void TControl::WMRButtonDblClk(TMessage& Message) {
  if (FControlStyle.Contains(TControlStyleItem::csCaptureMouse)) SetMouseCapture(true);
  if (!FControlStyle.Contains(TControlStyleItem::csNoStdEvents)) {
    const TMouseMessage mouse = TMouseMessage::From(Message);
    MouseDown(TMouseButton::mbRight, ShiftStateOf(mouse) + TShiftState{TShiftStateItem::ssDouble}, mouse.Pos.X,
              mouse.Pos.Y);
  }
}

void TControl::WMContextMenu(TMessage& Message) {
  const TMouseMessage menu = TMouseMessage::From(Message);
  const TPoint screen = menu.FromKeyboard() ? ClientToScreen({0, 0}) : menu.Pos;
  if (DoContextPopup(ScreenToClient(screen))) {
    Message.Result = 1;
    return;
  }
  // Not handled here: the parent may have a menu.
  if (FParent) {
    Message.Result = FParent->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
    return;
  }
  DefaultHandler(Message);
}

bool TControl::DoContextPopup(TPoint MousePos) {
  bool handled = false;
  if (OnContextPopup) OnContextPopup(this, MousePos, handled);
  if (handled) return true;
  if (FPopupMenu && FPopupMenu->AutoPopup() && FEnabled) {
    const TPoint screen = ClientToScreen(MousePos);
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(screen.X, screen.Y);
    return true;
  }
  return false;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  FWheelAccumulator += WheelDelta;
  while (FWheelAccumulator >= WHEEL_DELTA || FWheelAccumulator <= -WHEEL_DELTA) {
    const bool down = FWheelAccumulator < 0;
    FWheelAccumulator += down ? WHEEL_DELTA : -WHEEL_DELTA;
    handled = (down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos)) || handled;
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::CMMouseWheel(TMessage& Message) {
  // CM_MOUSEWHEEL passes WM_MOUSEWHEEL's parameters on.
  const TMouseMessage wheel = TMouseMessage::From(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
  Message.Result = DoMouseWheel(ShiftStateOf(wheel), wheel.WheelDelta, wheel.Pos) ? 1 : 0;
}

void TControl::Click() {
  if (OnClick) {
    OnClick(this);
  } else if (FActionLink && !ComponentState().Contains(TComponentStateItem::csDesigning)) {
    FActionLink->Execute(this);
  }
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

// Notifications.

void TControl::CMVisibleChanged(TMessage&) { Invalidate(); }

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  FFont->Assign(*FParent->Font());
  FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!FParentColor || !FParent) return;
  SetColor(FParent->Color());
  FParentColor = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || !FParent) return;
  SetShowHint(FParent->ShowHint());
  FParentShowHint = true;
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!FParentBiDiMode || !FParent) return;
  SetBiDiMode(FParent->BiDiMode());
  FParentBiDiMode = true;
}

void TControl::CMMouseEnter(TMessage&) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&) {
  if (Application) Application->HintControlLeft(this);
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

// Drag and drop.

void TControl::BeginDrag(bool Immediate, int Threshold) { TDragManager::Begin(this, Immediate, Threshold); }

void TControl::EndDrag(bool Drop) {
  if (TDragManager::DragControl() == this) TDragManager::End(Drop);
}

bool TControl::Dragging() const { return TDragManager::DragControl() == this; }

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = false;
  if (OnDragOver) {
    Accept = true;
    OnDragOver(this, Source, X, Y, State, Accept);
  }
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::CMDrag(TMessage& Message) {
  auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
  if (!rec || !rec->Source) return;
  const TPoint p = ScreenToClient(rec->Pos);
  TObject* source = rec->Source->SourceObject();
  bool accept = false;
  switch (static_cast<TDragMessage>(Message.WParam)) {
    case TDragMessage::dmDragEnter: DragOver(source, p.X, p.Y, TDragState::dsDragEnter, accept); break;
    case TDragMessage::dmDragLeave: DragOver(source, p.X, p.Y, TDragState::dsDragLeave, accept); break;
    case TDragMessage::dmDragMove: DragOver(source, p.X, p.Y, TDragState::dsDragMove, accept); break;
    case TDragMessage::dmDragDrop: DragDrop(source, p.X, p.Y); break;
    case TDragMessage::dmDragCancel:
    case TDragMessage::dmFindTarget: break;
  }
  Message.Result = accept ? 1 : 0;
}

// Component life.

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (FActionLink && AComponent == FActionLink->Action()) SetAction(nullptr);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent) {
    if (FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
    if (FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (FParentBiDiMode) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  }
  if (FAutoSize) AdjustSize();
  RequestAlign();
}

// Capture.

TControl* GetCaptureControl() {
  TControl* result = FindControl(GetCapture());
  if (result && gCaptureControl && gCaptureControl->Parent() == result) return gCaptureControl;
  return result;
}

void SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  gCaptureControl = nullptr;
  if (!Control) return;
  auto* window = dynamic_cast<TWinControl*>(Control);
  if (!window) {
    if (!Control->Parent()) return;
    gCaptureControl = Control;
    window = Control->Parent();
  }
  SetCapture(window->Handle());
}

TCustomForm* GetParentForm(TControl* Control) {
  while (Control && Control->Parent()) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(Control);
}

TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled) {
  TWinControl* window = FindControl(WindowFromPoint(ScreenPos));
  if (!window) return nullptr;
  TControl* found = window->ControlAtPos(window->ScreenToClient(ScreenPos), AllowDisabled);
  return found ? found : window;
}

}  // namespace plat
