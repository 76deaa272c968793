#include "platform/ui/detail/ComboDropList.h"

#include "platform/ui/TCustomComboBox.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace plat {

TComboDropList::TComboDropList(TCustomComboBox& Box) : TCustomListBox(nullptr), FBox(Box) {
  SetTabStop(false);
  SetVisible(false);
  SetBorderStyle(TBorderStyle::bsNone);
}

void TComboDropList::CreateParams(TCreateParams& Params) {
  TCustomListBox::CreateParams(Params);
  // The list box's own styles, in a pop-up owned by the box's window.
  constexpr DWORD listStyles = 0xFFFF;
  Params.Style = WS_POPUP | WS_BORDER | WS_VSCROLL | (Params.Style & listStyles);
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = FBox.Handle();
}

void TComboDropList::ShowAt(TRect Rect, bool Pressed) {
  const HWND window = Handle();
  FShown = true;
  FPressedOnBox = Pressed;
  SetWindowPos(window, HWND_TOP, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  // The highlighted item in view.
  const int index = ItemIndex();
  if (index >= 0) Perform(LB_SETCARETINDEX, static_cast<WPARAM>(index), 0);
  SetCapture(window);
}

void TComboDropList::Hide() {
  if (!FShown) return;
  // Forgotten first: letting the capture go tells of it.
  FShown = false;
  FPressedOnBox = false;
  if (!HandleAllocated()) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  ShowWindow(Handle(), SW_HIDE);
}

void TComboDropList::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case WM_CAPTURECHANGED:
      if (FShown && !FTrackingFrame) FBox.CloseDropDown(false);
      return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: Mouse(Message); return;
    case CN_DRAWITEM:
      if (FBox.OwnerDraws()) {
        DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
        item.CtlType = ODT_COMBOBOX;
        item.hwndItem = FBox.HandleAllocated() ? FBox.Handle() : nullptr;
        Message.Result = FBox.Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        return;
      }
      break;
    case CN_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      MEASUREITEMSTRUCT asked = *item;
      asked.CtlType = ODT_COMBOBOX;
      FBox.Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&asked));
      item->itemHeight = asked.itemHeight;
      Message.Result = TRUE;
      return;
    }
    default: break;
  }
  TCustomListBox::WndProc(Message);
}

void TComboDropList::Mouse(TMessage& Message) {
  if (!FShown) return;
  const TMouseMessage mouse = TMouseMessage::From(Message);
  const bool inside = ClientRect().Contains(mouse.Pos);
  const int index = inside ? ItemAtPos(mouse.Pos, true) : -1;
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      if (index >= 0) SetItemIndex(index);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (inside) {
        FPressedOnBox = false;
        if (index >= 0) SetItemIndex(index);
        return;
      }
      RECT bounds;
      GetWindowRect(Handle(), &bounds);
      const TPoint screen = ClientToScreen(mouse.Pos);
      if (TRect(bounds).Contains(screen)) {
        TrackFrame(screen);
        return;
      }
      FBox.CloseDropDown(false);
      return;
    }
    case WM_LBUTTONUP:
      if (index >= 0) {
        SetItemIndex(index);
        FBox.CloseDropDown(true);
      } else if (!inside && FPressedOnBox) {
        // The release of the press on the box, which the capture brought here.
        FPressedOnBox = false;
        const TPoint onBox = FBox.ScreenToClient(ClientToScreen(mouse.Pos));
        FBox.Perform(WM_LBUTTONUP, Message.WParam, PointToLParam(onBox.X, onBox.Y));
      }
      return;
    default:
      if (!inside) FBox.CloseDropDown(false);
      return;
  }
}

void TComboDropList::TrackFrame(TPoint Screen) {
  const HWND window = Handle();
  const auto hit = static_cast<WPARAM>(SendMessageA(window, WM_NCHITTEST, 0, PointToLParam(Screen.X, Screen.Y)));
  if (hit != HTVSCROLL) return;
  FTrackingFrame = true;
  Perform(WM_NCLBUTTONDOWN, hit, PointToLParam(Screen.X, Screen.Y));
  FTrackingFrame = false;
  if (FShown && HandleAllocated() && GetCapture() != window) SetCapture(window);
}

}  // namespace plat
