#include "platform/ui/TWinControl.h"

#include <algorithm>
#include <unordered_map>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Unicode.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/DragManager.h"
#include "platform/ui/MouseTracking.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/Cursors.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/NotifyHeader.h"
#include "platform/win/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat {

namespace {

std::unordered_map<HWND, TWinControl*>& ControlsByWindow() {
  static std::unordered_map<HWND, TWinControl*> map;
  return map;
}

// The control whose window CreateWindowEx is making: its first messages
// arrive before the handle is known.
TWinControl* gCreatingControl = nullptr;

// Shifts a DC's origin so that (dx, dy) becomes (0, 0).
void MoveWindowOrg(HDC DC, int dx, int dy) {
  POINT origin;
  GetWindowOrgEx(DC, &origin);
  SetWindowOrgEx(DC, origin.X - dx, origin.Y - dy, nullptr);
}

bool IsMouseMessage(UINT Msg) {
  return Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST && Msg != WM_MOUSEWHEEL && Msg != WM_MOUSEHWHEEL;
}

}  // namespace

TWinControl* FindControl(HWND Handle) {
  if (!Handle) return nullptr;
  const auto& map = ControlsByWindow();
  const auto found = map.find(Handle);
  return found == map.end() ? nullptr : found->second;
}

LRESULT ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = FindControl(Window);
  if (!control) {
    if (!gCreatingControl) return DefWindowProcA(Window, Msg, WParam, LParam);
    control = gCreatingControl;
    gCreatingControl = nullptr;
    control->FHandle = Window;
    ControlsByWindow()[Window] = control;
  }
  TMessage message{Msg, WParam, LParam, 0};
  try {
    control->WindowProc(message);
    // Activation events do not depend on a form class passing the message on.
    if (Msg == WM_ACTIVATE && FindControl(Window) == control) {
      if (auto* form = dynamic_cast<TCustomForm*>(control)) form->SetActive(LOWORD(WParam) != WA_INACTIVE);
    }
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(control);
  }
  return message.Result;
}

LRESULT UnicodeControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return CallWindowProcW(ControlWindowProc, Window, Msg, WParam, LParam);
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  Destroying();
  DestroyComponents();
  if (Parent()) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, true);
    SetParent(nullptr);
  }
  DestroyHandle();
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    delete child;
  }
}

// The window.

HWND TWinControl::Handle() {
  if (!FHandle) {
    if (Parent()) Parent()->HandleNeeded();
    CreateHandle();
  }
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = TextBuffer();
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(TControlStyleItem::csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  if (Parent()) Params.WndParent = Parent()->Handle();
  Params.ClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WinClassName = ClassName();
}

void TWinControl::RegisterWindowClass(const TCreateParams& Params) {
  if (FindWindowClass(Params.WinClassName.c_str())) return;
  WNDCLASSA wc;
  wc.style = Params.ClassStyle;
  wc.lpfnWndProc = ControlWindowProc;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = Params.WinClassName.c_str();
  if (!RegisterClassA(&wc)) throw EOSError(LoadResString(SWindowCreate), GetLastError());
}

void TWinControl::AttachNewWindow(const std::function<HWND()>& MakeWindow) {
  gCreatingControl = this;
  const HWND handle = MakeWindow();
  gCreatingControl = nullptr;
  // A window that took no message before it was made is entered now.
  if (handle && !FHandle) {
    FHandle = handle;
    ControlsByWindow()[handle] = this;
  }
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  AttachNewWindow([&Params] {
    return CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style, Params.X,
                           Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr, nullptr, nullptr);
  });
}

void TWinControl::RegisterUnicodeClass(const String& AnsiClassName, const WideString& UnicodeClassName) {
  if (FindWindowClass(UnicodeClassName.c_str())) return;
  WNDCLASSA ansi;
  if (!GetClassInfoA(nullptr, AnsiClassName.c_str(), &ansi))
    throw EOSError(LoadResString(SWindowCreate), GetLastError());
  const bool menuByNumber = IS_INTRESOURCE(ansi.lpszMenuName);
  const WideString menuName = menuByNumber ? WideString() : Utf8ToWide(ansi.lpszMenuName);
  WNDCLASSW wide;
  wide.style = ansi.style;
  wide.lpfnWndProc = UnicodeControlWindowProc;
  wide.cbClsExtra = ansi.cbClsExtra;
  wide.cbWndExtra = ansi.cbWndExtra;
  wide.hInstance = ansi.hInstance;
  wide.hIcon = ansi.hIcon;
  wide.hCursor = ansi.hCursor;
  wide.hbrBackground = ansi.hbrBackground;
  wide.lpszMenuName = menuByNumber ? reinterpret_cast<const char16_t*>(ansi.lpszMenuName) : menuName.c_str();
  wide.lpszClassName = UnicodeClassName.c_str();
  if (!RegisterClassW(&wide)) throw EOSError(LoadResString(SWindowCreate), GetLastError());
}

void TWinControl::CreateUnicodeHandle(const TCreateParams& Params) {
  // The ANSI class registered first also makes ControlWindowProc known as
  // an ANSI procedure, which the conversion into it relies on.
  RegisterWindowClass(Params);
  const WideString className = Utf8ToWide(Params.WinClassName + ".UnicodeClass");
  RegisterUnicodeClass(Params.WinClassName, className);
  const WideString caption = Utf8ToWide(Params.Caption);
  AttachNewWindow([&] {
    return CreateWindowExW(Params.ExStyle, className.c_str(), caption.c_str(), Params.Style, Params.X, Params.Y,
                           Params.Width, Params.Height, Params.WndParent, nullptr, nullptr, nullptr);
  });
}

void TWinControl::CreateSubClass(TCreateParams& Params, const char* ControlClassName) {
  WNDCLASSA windowClass;
  if (!GetClassInfoA(nullptr, ControlClassName, &windowClass))
    throw EOSError(LoadResString(SWindowCreate), GetLastError());
  FDefWndProc = windowClass.lpfnWndProc;
  Params.ClassStyle = windowClass.style;
}

void TWinControl::AddSingleBorder(TCreateParams& Params) const {
  if (FCtl3D) {
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  } else {
    Params.Style |= WS_BORDER;
  }
}

void TWinControl::SetCtl3D(bool Value) {
  if (FCtl3D == Value) return;
  FCtl3D = Value;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  if (!FHandle) return;
  const auto style = static_cast<DWORD>(GetWindowLong(FHandle, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLong(FHandle, GWL_EXSTYLE));
  if ((exStyle & WS_EX_CLIENTEDGE) || ((style & WS_CHILD) && (style & WS_BORDER))) {
    RecreateWnd();
  } else {
    Invalidate();
  }
}

void TWinControl::PassFontToWindow() {
  if (FDefWndProc && FHandle) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD))
    throw EInvalidOperation(FmtLoadResString(SParentRequired, {Name()}));
  RegisterWindowClass(params);
  {
    SetControlState(ControlState() + TControlState{TControlStateItem::csCreating});
    const ScopeExit created([this] { SetControlState(ControlState() - TControlState{TControlStateItem::csCreating}); });
    CreateWindowHandle(params);
  }
  if (!FHandle) throw EOSError(LoadResString(SWindowCreate), GetLastError());
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  // Windows of controls placed later lie above this one.
  if (Parent()) {
    HWND above = HWND_TOP;
    const auto& siblings = Parent()->FControls;
    auto it = std::find(siblings.begin(), siblings.end(), static_cast<TControl*>(this));
    for (++it; it != siblings.end(); ++it) {
      auto* next = dynamic_cast<TWinControl*>(*it);
      if (next && next->FHandle) {
        above = next->FHandle;
        break;
      }
    }
    SetWindowPos(FHandle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  UpdateBoundsFromWindow();
  PassFontToWindow();
  CreateHandleNotify();
}

void TWinControl::DestroyWnd() {
  if (!FHandle) return;
  SetControlState(ControlState() + TControlState{TControlStateItem::csDestroyingHandle});
  DestroyWindow(FHandle);
  SetControlState(ControlState() - TControlState{TControlStateItem::csDestroyingHandle});
  // WM_NCDESTROY forgot the window; a window destroyed elsewhere is forgotten here.
  ControlsByWindow().erase(FHandle);
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* child : FControls)
    if (auto* window = dynamic_cast<TWinControl*>(child)) window->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  const bool wasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (FHandle && wasFocused) ::plat::SetFocus(FHandle);
}

void TWinControl::WMNCDestroy(TMessage& Message) {
  DefaultHandler(Message);
  ControlsByWindow().erase(FHandle);
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::UpdateShowing() {
  const bool show = Visible() && !ControlState().Contains(TControlStateItem::csReadingState);
  if (show) {
    if (!FHandle) CreateHandle();
    for (TControl* child : std::vector<TControl*>(FControls))
      if (auto* window = dynamic_cast<TWinControl*>(child)) window->UpdateShowing();
  }
  if (FHandle && FShowing != show) {
    FShowing = show;
    // A failed change leaves the control as it was.
    ScopeExit undo([this, show] { FShowing = !show; });
    Perform(CM_SHOWINGCHANGED, 0, 0);
    undo.Dismiss();
  }
}

void TWinControl::UpdateControlState() {
  TWinControl* top = this;
  while (top->Parent()) {
    top = top->Parent();
    if (!top->FShowing) return;
  }
  if (dynamic_cast<TCustomForm*>(top)) UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&) {
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage& Message) {
  if (!Visible() && Parent()) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
  }
  TControl::CMVisibleChanged(Message);
  UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage& Message) {
  if (!Enabled() && Parent()) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this, false);
  }
  if (FHandle) EnableWindow(FHandle, Enabled());
  TControl::CMEnabledChanged(Message);
}

// Bounds.

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  Constraints()->Apply(AWidth, AHeight);
  if ((AWidth != Width() || AHeight != Height()) && !CanResize(AWidth, AHeight)) {
    AWidth = Width();
    AHeight = Height();
  }
  if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height()) return;
  if (FHandle && !IsIconic(FHandle)) {
    // The window's move and size messages bring the fields up to date.
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const bool sized = AWidth != Width() || AHeight != Height();
    UpdateBoundsFields(ALeft, ATop, AWidth, AHeight);
    if (sized) {
      Realign();
      Resize();
    }
  }
  RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!FHandle || IsIconic(FHandle)) return;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLong(FHandle, GWL_STYLE) & WS_CHILD) {
    POINT corners[2] = {r.TopLeft(), r.BottomRight()};
    MapWindowPoints(nullptr, GetParent(FHandle), corners, 2);
    r = {corners[0].X, corners[0].Y, corners[1].X, corners[1].Y};
  }
  const bool sized = r.Width() != Width() || r.Height() != Height();
  const bool moved = r.Left != Left() || r.Top != Top();
  if (!sized && !moved) return;
  UpdateBoundsFields(r.Left, r.Top, r.Width(), r.Height());
  if (sized) {
    Realign();
    Resize();
  }
  RequestAlign();
}

void TWinControl::WMSize(TMessage& Message) {
  DefaultHandler(Message);
  UpdateBoundsFromWindow();
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
  DefaultHandler(Message);
  UpdateBoundsFromWindow();
}

TRect TWinControl::ClientRect() {
  if (!FHandle) return TControl::ClientRect();
  RECT r;
  GetClientRect(FHandle, &r);
  return r;
}

TPoint TWinControl::ClientOrigin() {
  if (!FHandle) return TControl::ClientOrigin();
  POINT p{0, 0};
  ::plat::ClientToScreen(FHandle, &p);
  return p;
}

void TWinControl::SetBorderWidth(int Value) {
  Value = std::max(Value, 0);
  if (FBorderWidth == Value) return;
  FBorderWidth = Value;
  Realign();
  Invalidate();
  Perform(CM_BORDERCHANGED, 0, 0);
}

// Children.

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0 || Index >= ControlCount()) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  return FControls[static_cast<std::size_t>(Index)];
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (AParent && (AParent == this || ContainsControl(AParent)))
    throw EInvalidOperation(LoadResString(SControlParentSetToSelf));
  TControl::SetParent(AParent);
}

void TWinControl::InsertControl(TControl* AControl) {
  AControl->FParent = this;
  FControls.push_back(AControl);
  auto* window = dynamic_cast<TWinControl*>(AControl);
  if (window) FTabList.push_back(window);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
  AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
  AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
  AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
  AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  if (window)
    window->UpdateControlState();
  else if (FHandle)
    AControl->Invalidate();
  AlignControl(AControl);
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  const auto it = std::find(FControls.begin(), FControls.end(), AControl);
  if (it == FControls.end()) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
  if (auto* window = dynamic_cast<TWinControl*>(AControl)) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(window, true);
    window->DestroyHandle();
  } else {
    AControl->Invalidate();
  }
  FControls.erase(std::find(FControls.begin(), FControls.end(), AControl));
  std::erase_if(FTabList, [AControl](TWinControl* w) { return static_cast<TControl*>(w) == AControl; });
  AControl->FParent = nullptr;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
  Realign();
}

void TWinControl::MoveControl(TControl* AControl, bool TopMost) {
  const auto it = std::find(FControls.begin(), FControls.end(), AControl);
  if (it == FControls.end()) return;
  FControls.erase(it);
  if (TopMost)
    FControls.push_back(AControl);
  else
    FControls.insert(FControls.begin(), AControl);
}

bool TWinControl::ContainsControl(TControl* Control) const {
  while (Control && Control != this) Control = Control->Parent();
  return Control != nullptr;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
  const auto hit = [&](TControl* c) {
    if (!c->Visible() || !(c->Enabled() || AllowDisabled) || !c->BoundsRect().Contains(Pos)) return false;
    const TPoint local = Pos - TPoint{c->Left(), c->Top()};
    return c->Perform(CM_HITTEST, 0, PointToLParam(local.X, local.Y)) != 0;
  };
  if (AllowWinControls) {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
      if (dynamic_cast<TWinControl*>(*it) && hit(*it)) return *it;
  }
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (!dynamic_cast<TWinControl*>(*it) && hit(*it)) return *it;
  return nullptr;
}

void TWinControl::SetZOrder(bool TopMost) {
  if (Parent()) Parent()->MoveControl(this, TopMost);
  if (FHandle)
    SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Broadcast(TMessage& Message) {
  for (TControl* child : std::vector<TControl*>(FControls)) {
    child->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT Msg) {
  for (TControl* child : std::vector<TControl*>(FControls)) child->Perform(Msg, 0, 0);
}

// Alignment.

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
  if (FAlignLevel == 0 && ControlState().Contains(TControlStateItem::csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* AControl) {
  const TComponentState state = ComponentState();
  if (state.Contains(TComponentStateItem::csDestroying)) return;
  if (FAlignLevel > 0 || state.Contains(TComponentStateItem::csLoading)) {
    SetControlState(ControlState() + TControlState{TControlStateItem::csAlignmentNeeded});
    return;
  }
  DisableAlign();
  TRect rect = ClientRect();
  AlignControls(AControl, rect);
  SetControlState(ControlState() - TControlState{TControlStateItem::csAlignmentNeeded});
  EnableAlign();
}

void TWinControl::AdjustClientRect(TRect& Rect) { Rect = Rect.Inflated(-FBorderWidth, -FBorderWidth); }

void TWinControl::CustomAlignPosition(TControl*, int&, int&, int&, int&, TRect&) {}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  AdjustClientRect(Rect);
  // Which of two controls of the same alignment goes first (nearer the edge).
  const auto before = [](TControl* a, TControl* b, TAlign align) {
    switch (align) {
      case TAlign::alTop: return a->Top() < b->Top();
      case TAlign::alBottom: return a->Top() + a->Height() >= b->Top() + b->Height();
      case TAlign::alLeft: return a->Left() < b->Left();
      case TAlign::alRight: return a->Left() + a->Width() >= b->Left() + b->Width();
      default: return false;
    }
  };
  for (TAlign align :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient, TAlign::alCustom}) {
    std::vector<TControl*> list;
    if (AControl && AControl->Align() == align && AControl->Visible() && ContainsControl(AControl))
      list.push_back(AControl);
    for (TControl* c : FControls) {
      if (c == AControl || c->Align() != align || !c->Visible()) continue;
      auto at = list.begin();
      while (at != list.end() && !before(c, *at, align)) ++at;
      list.insert(at, c);
    }
    for (TControl* c : list) {
      int left = Rect.Left, top = Rect.Top;
      int width = std::max(Rect.Width(), 0), height = std::max(Rect.Height(), 0);
      switch (align) {
        case TAlign::alTop: height = c->Height(); break;
        case TAlign::alBottom:
          height = c->Height();
          top = Rect.Bottom - height;
          break;
        case TAlign::alLeft: width = c->Width(); break;
        case TAlign::alRight:
          width = c->Width();
          left = Rect.Right - width;
          break;
        case TAlign::alCustom:
          left = c->Left();
          top = c->Top();
          width = c->Width();
          height = c->Height();
          CustomAlignPosition(c, left, top, width, height, Rect);
          break;
        default: break;
      }
      c->SetBounds(left, top, width, height);
      // Constraints may have kept the control from the size asked for.
      switch (align) {
        case TAlign::alTop: Rect.Top = top + c->Height(); break;
        case TAlign::alBottom: Rect.Bottom = top + height - c->Height(); break;
        case TAlign::alLeft: Rect.Left = left + c->Width(); break;
        case TAlign::alRight: Rect.Right = left + width - c->Width(); break;
        default: break;
      }
    }
  }
}

// Focus and Tab order.

bool TWinControl::CanFocus() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return Visible() && Enabled();
  for (TControl* c = this; c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else {
    ::plat::SetFocus(Handle());
  }
}

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  if (FHandle) {
    const LONG style = GetWindowLong(FHandle, GWL_STYLE);
    SetWindowLong(FHandle, GWL_STYLE,
                  Value ? (style | static_cast<LONG>(WS_TABSTOP)) : (style & ~static_cast<LONG>(WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  const auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  const auto count = static_cast<int>(list.size());
  const int at = Value < 0 || Value > count ? count : Value;
  list.insert(list.begin() + at, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* c : FTabList) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const auto count = static_cast<int>(list.size());
  const auto found = std::find(list.begin(), list.end(), CurControl);
  int start = found == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[static_cast<std::size_t>(i)];
    if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  // Without the Tab stop test (arrow keys) only this control's own children take part.
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

void TWinControl::WMSetFocus(TMessage& Message) {
  DefaultHandler(Message);
  if (ControlState().Contains(TControlStateItem::csFocusing)) return;
  if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }

void TWinControl::CMExit(TMessage&) { DoExit(); }

// Keys.

bool TWinControl::DialogKeyStep(std::uint16_t Key, LPARAM KeyData) {
  if (ComponentState().Contains(TComponentStateItem::csDesigning)) return false;
  if (Perform(CM_CHILDKEY, Key, reinterpret_cast<LPARAM>(this)) != 0) return true;
  LRESULT mask = 0;
  switch (Key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: return false;
  }
  // The key asked about travels with the question, as the platform sends it.
  MSG asked{FHandle, WM_KEYDOWN, Key, KeyData, 0, {}};
  if (Perform(CM_WANTSPECIALKEY, Key, KeyData) != 0 ||
      (Perform(WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&asked)) & mask) != 0)
    return false;
  TCustomForm* form = GetParentForm(this);
  return form && form->Perform(CM_DIALOGKEY, Key, KeyData) != 0;
}

bool TWinControl::IsMenuKey(const TMessage& Message) {
  if (ComponentState().Contains(TComponentStateItem::csDesigning)) return false;
  TWMKey key = TWMKey::From(Message);
  for (TControl* control = this; control; control = control->Parent()) {
    if (control->PopupMenu() && control->PopupMenu()->IsShortCut(key)) return true;
  }
  if (TCustomForm* form = GetParentForm(this); form && form->IsShortCut(key)) return true;
  // Then the application: its handlers and its main form.
  return Application && SendMessageA(Application->Handle(), CM_APPKEYDOWN, key.CharCode, key.KeyData) != 0;
}

bool TWinControl::DoKeyDown(std::uint16_t& Key, TShiftState Shift) {
  TWinControl* form = GetParentForm(this);
  if (form && form != this && static_cast<TCustomForm*>(form)->KeyPreview() && form->DoKeyDown(Key, Shift)) return true;
  if (!ControlStyle().Contains(TControlStyleItem::csNoStdEvents)) {
    KeyDown(Key, Shift);
    if (Key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(std::uint16_t& Key, TShiftState Shift) {
  TWinControl* form = GetParentForm(this);
  if (form && form != this && static_cast<TCustomForm*>(form)->KeyPreview() && form->DoKeyUp(Key, Shift)) return true;
  if (!ControlStyle().Contains(TControlStyleItem::csNoStdEvents)) {
    KeyUp(Key, Shift);
    if (Key == 0) return true;
  }
  return false;
}

bool TWinControl::DoKeyPress(char32_t& Key) {
  TWinControl* form = GetParentForm(this);
  if (form && form != this && static_cast<TCustomForm*>(form)->KeyPreview() && form->DoKeyPress(Key)) return true;
  if (!ControlStyle().Contains(TControlStyleItem::csNoStdEvents)) {
    KeyPress(Key);
    if (Key == 0) return true;
  }
  return false;
}

void TWinControl::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::WMKeyDown(TMessage& Message) {
  const TKeyMessage pressed = TKeyMessage::From(Message);
  std::uint16_t key = pressed.Key;
  if (key == VK_ESCAPE && TDragManager::DragControl()) {
    TDragManager::End(false);
    return;
  }
  if (Application) Application->CancelHint();
  if (IsMenuKey(Message)) return;
  if (DialogKeyStep(key, Message.LParam)) return;
  if (!DoKeyDown(key, ShiftStateOf(pressed))) DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
  const TKeyMessage released = TKeyMessage::From(Message);
  std::uint16_t key = released.Key;
  if (!DoKeyUp(key, ShiftStateOf(released))) DefaultHandler(Message);
}

// Characters come as UTF-8 bytes, one message each: a character is handled
// once it is whole (TUtf8Assembler).
void TWinControl::WMChar(TMessage& Message) {
  for (char32_t ch : FPendingChar.Add(static_cast<Byte>(Message.WParam & 0xFF))) {
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
      TCustomForm* form = GetParentForm(this);
      if (form && form->Perform(CM_DIALOGCHAR, ch, Message.LParam) != 0) continue;
    }
    if (DoKeyPress(ch) || !FDefWndProc) continue;
    // What the key press left goes on to the common control, byte by byte.
    String bytes;
    AppendUtf8(bytes, ch);
    for (char byte : bytes) {
      TMessage passed{WM_CHAR, static_cast<Byte>(byte), Message.LParam, 0};
      DefaultHandler(passed);
    }
  }
}

void TWinControl::WMSysChar(TMessage& Message) {
  for (char32_t ch : FPendingChar.Add(static_cast<Byte>(Message.WParam & 0xFF))) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGCHAR, ch, Message.LParam) != 0) continue;
    DefaultHandler(Message);
  }
}

void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMDialogChar(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMChildKey(TMessage& Message) {
  if (Parent()) Message.Result = Parent()->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
}

// Painting.

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(TControlStyleItem::csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::EraseBackground(HDC DC) {
  const HBRUSH brush = CreateSolidBrush(ColorToColorRef(Color()));
  const TRect client = ClientRect();
  FillRect(DC, &client, brush);
  DeleteObject(brush);
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  if (FDefWndProc) {
    DefaultHandler(Message);
    return;
  }
  // Double buffered: erased with the rest, off screen.
  if (!FDoubleBuffered || Message.WParam == static_cast<WPARAM>(Message.LParam))
    EraseBackground(reinterpret_cast<HDC>(Message.WParam));
  Message.Result = 1;
}

void TWinControl::PaintHandler(HDC DC) {
  PaintWindow(DC);
  PaintControls(DC, nullptr);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto it = First ? std::find(FControls.begin(), FControls.end(), First) : FControls.begin();
  RECT clip;
  GetClipBox(DC, &clip);
  for (; it != FControls.end(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible() || !c->BoundsRect().Intersects(clip)) continue;
    const DCStateSaver saved(DC);
    MoveWindowOrg(DC, c->Left(), c->Top());
    IntersectClipRect(DC, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  }
}

void TWinControl::WMPaint(TMessage& Message) {
  // A common control paints itself unless it holds graphic controls.
  if (FDefWndProc && FControls.empty()) {
    DefaultHandler(Message);
    return;
  }
  if (Message.WParam) {
    PaintHandler(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(FHandle, &ps);
  if (!dc) return;
  const ScopeExit painted([window = FHandle, &ps] { EndPaint(window, &ps); });
  if (FDoubleBuffered) {
    const TRect client = ClientRect();
    const HDC memory = CreateCompatibleDC(dc);
    const ScopeExit memoryDeleted([memory] { DeleteDC(memory); });
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max(client.Width(), 1), std::max(client.Height(), 1));
    const ScopeExit bitmapDeleted([bitmap] { DeleteObject(bitmap); });
    const DCStateSaver saved(memory);
    SelectObject(memory, bitmap);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(memory));
    PaintHandler(memory);
    BitBlt(dc, 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
  } else {
    PaintHandler(dc);
  }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  SetControlState(ControlState() + TControlState{TControlStateItem::csPaintCopy});
  const ScopeExit copied([this] { SetControlState(ControlState() - TControlState{TControlStateItem::csPaintCopy}); });
  const DCStateSaver saved(DC);
  MoveWindowOrg(DC, X, Y);
  IntersectClipRect(DC, 0, 0, Width(), Height());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  for (TControl* child : FControls) {
    auto* window = dynamic_cast<TWinControl*>(child);
    if (window && window->Visible()) window->PaintTo(DC, window->Left(), window->Top());
  }
}

void TWinControl::PaintTo(TCanvas* Canvas, int X, int Y) {
  Canvas->Changing();
  PaintTo(Canvas->Handle(), X, Y);
  Canvas->Changed();
}

// Notifications passed on to the children.

void TWinControl::CMFontChanged(TMessage& Message) {
  TControl::CMFontChanged(Message);
  PassFontToWindow();
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& Message) {
  TControl::CMColorChanged(Message);
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) { NotifyControls(CM_PARENTSHOWHINTCHANGED); }

void TWinControl::CMBiDiModeChanged(TMessage&) {
  NotifyControls(CM_PARENTBIDIMODECHANGED);
  Invalidate();
}

void TWinControl::CMInvalidate(TMessage&) { Invalidate(); }

// Cursor and mouse.

void TWinControl::WMSetCursor(TMessage& Message) {
  if (LOWORD(static_cast<WPARAM>(Message.LParam)) == HTCLIENT && reinterpret_cast<HWND>(Message.WParam) == FHandle) {
    TCursor cursor = Screen ? Screen->Cursor() : crDefault;
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* under = ControlAtPos(ScreenToClient(p), false);
      cursor = under ? under->Cursor() : Cursor();
      if (cursor == crDefault) cursor = Cursor();
    }
    if (cursor != crDefault && Screen) {
      ::plat::SetCursor(Screen->Cursors(cursor));
      Message.Result = TRUE;
      return;
    }
  }
  DefaultHandler(Message);
}

void TWinControl::WMMouseWheel(TMessage& Message) {
  Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
  if (Message.Result == 0) DefaultHandler(Message);
}

void TWinControl::TrackMouse(TMessage& Message) {
  POINT p = TMouseMessage::From(Message).Pos;
  ::plat::ClientToScreen(FHandle, &p);
  NoteMousePosition(p);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  TMouseMessage mouse = TMouseMessage::From(Message);
  TControl* control = nullptr;
  if (GetCapture() == FHandle) {
    TControl* capture = GetCaptureControl();
    if (capture && capture->Parent() == this) control = capture;
  } else {
    control = ControlAtPos(mouse.Pos, false);
  }
  if (!control) return false;
  mouse.Pos = mouse.Pos - TPoint{control->Left(), control->Top()};
  Message.Result = control->Perform(Message.Msg, mouse.WParam(), mouse.LParam());
  return true;
}

// The message path.

void TWinControl::WndProc(TMessage& Message) {
  if (IsMouseMessage(Message.Msg) && FHandle) {
    if (Message.Msg == WM_MOUSEMOVE) TrackMouse(Message);
    if (Message.Msg != WM_MOUSEMOVE && Application) Application->CancelHint();
    if (IsControlMouseMsg(Message)) return;
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FTabStop && !Focused() && CanFocus())
      SetFocus();
    if (FDefWndProc) DefaultHandler(Message);
  }
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_SIZE:
    case WM_MOVE: WMSize(Message); return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(Message); return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(Message); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(Message); return;
    case WM_CHAR: WMChar(Message); return;
    case WM_SYSCHAR: WMSysChar(Message); return;
    case WM_SETCURSOR: WMSetCursor(Message); return;
    case WM_MOUSEWHEEL: WMMouseWheel(Message); return;
    case WM_MOUSELEAVE:
      NoteMouseLeft(FHandle);
      DefaultHandler(Message);
      return;
    case WM_NCDESTROY: WMNCDestroy(Message); return;
    case CM_SHOWINGCHANGED: CMShowingChanged(Message); return;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_COLORCHANGED: CMColorChanged(Message); return;
    case CM_SHOWHINTCHANGED: CMShowHintChanged(Message); return;
    case CM_BIDIMODECHANGED: CMBiDiModeChanged(Message); return;
    case CM_DIALOGKEY: CMDialogKey(Message); return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_APPSYSCOMMAND: Broadcast(Message); return;
    case CM_CHILDKEY: CMChildKey(Message); return;
    case CM_ENTER: CMEnter(Message); return;
    case CM_EXIT: CMExit(Message); return;
    case CM_RECREATEWND: CMRecreateWnd(Message); return;
    case CM_CTL3DCHANGED: CMCtl3DChanged(Message); return;
    case WM_NOTIFY: WMNotify(Message); return;
    case CM_INVALIDATE: CMInvalidate(Message); return;
    case CM_FOCUSCHANGED: Broadcast(Message); return;
    default: TControl::WndProc(Message); return;
  }
}

void TWinControl::WMNotify(TMessage& Message) {
  const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
  TWinControl* sender = header ? FindControl(header->hwndFrom) : nullptr;
  if (sender && sender != this) {
    Message.Result = sender->Perform(CN_NOTIFY, Message.WParam, Message.LParam);
    return;
  }
  DefaultHandler(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (FDefWndProc && FHandle && Message.Msg < CM_BASE) {
    // The control keeps its own copy of the text as well.
    if (Message.Msg == WM_SETTEXT) TControl::DefaultHandler(Message);
    Message.Result = CallWindowProcA(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  switch (Message.Msg) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: TControl::DefaultHandler(Message); return;
    case WM_SETTEXT:
      TControl::DefaultHandler(Message);
      // The window's own text (its title) follows.
      if (FHandle) DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
      return;
    default:
      if (FHandle && Message.Msg < CM_BASE)
        Message.Result = DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
      else
        Message.Result = 0;
      return;
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

}  // namespace plat
