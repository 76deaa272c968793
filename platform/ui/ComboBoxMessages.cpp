// The combo box's own messages: the CB_* messages on the drop-down list's
// items, the text, the keys, the mouse, the wheel and the focus, and the
// messages of the edit part.
#include <algorithm>
#include <cstring>

#include "platform/ui/ParentNotify.h"
#include "platform/ui/TControlCanvas.h"
#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/detail/ComboDropList.h"
#include "platform/ui/detail/ComboEdit.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"

namespace plat {

namespace {

LRESULT Answer(bool Ok) { return Ok ? CB_OKAY : CB_ERR; }

bool IsKeyHeld(int Key) { return (GetKeyState(Key) & 0x8000) != 0; }

}  // namespace

void TCustomComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CN_MEASUREITEM: CNMeasureItem(Message); return;
    case WM_COMMAND:
      if (FEdit && FEdit->HandleAllocated() && reinterpret_cast<HWND>(Message.LParam) == FEdit->Handle()) {
        EditCommand(Message.WParam);
        return;
      }
      break;
    case WM_DESTROY:
      // The list's window, owned by the box's, goes with it: quietly.
      FDropped = false;
      FList->Hide();
      break;
    default: break;
  }
  TWinControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // After the focus and the mouse events.
      ComboMouseDown(TMouseMessage::From(Message).Pos);
      break;
    case CM_FONTCHANGED:
      if (FEdit) FEdit->SetFont(Font());
      AdjustHeight();
      break;
    case CM_COLORCHANGED:
      if (FEdit) FEdit->SetColor(Color());
      Invalidate();
      break;
    case CM_ENABLEDCHANGED:
      if (FEdit) FEdit->SetEnabled(Enabled());
      if (!Enabled()) CloseDropDown(false);
      Invalidate();
      break;
    case CM_CTL3DCHANGED: PlaceEdit(); break;
    case CM_SHOWINGCHANGED:
      if (!Showing()) CloseDropDown(false);
      break;
    default: break;
  }
}

void TCustomComboBox::DefaultHandler(TMessage& Message) {
  if (!ComboMessage(Message)) TWinControl::DefaultHandler(Message);
}

bool TCustomComboBox::ComboMessage(TMessage& Message) {
  const WPARAM w = Message.WParam;
  const LPARAM l = Message.LParam;
  const auto index = static_cast<int>(static_cast<std::intptr_t>(w));
  LRESULT& result = Message.Result;
  switch (Message.Msg) {
    case CB_ADDSTRING: result = InsertItem(-1, reinterpret_cast<const char*>(l), FSorted); return true;
    case CB_INSERTSTRING: result = InsertItem(index, reinterpret_cast<const char*>(l), false); return true;
    case CB_DELETESTRING: result = DeleteItem(index); return true;
    case CB_RESETCONTENT:
      FList->Perform(LB_RESETCONTENT, 0, 0);
      FItemIndex = -1;
      Invalidate();
      return true;
    case CB_GETCOUNT: result = FList->Perform(LB_GETCOUNT, 0, 0); return true;
    case CB_GETCURSEL: result = FItemIndex; return true;
    case CB_SETCURSEL: result = SetCurSel(index); return true;
    case CB_GETLBTEXT: result = FList->Perform(LB_GETTEXT, w, l); return true;
    case CB_GETLBTEXTLEN: result = FList->Perform(LB_GETTEXTLEN, w, l); return true;
    case CB_GETITEMDATA: result = FList->Perform(LB_GETITEMDATA, w, l); return true;
    case CB_SETITEMDATA: result = FList->Perform(LB_SETITEMDATA, w, l); return true;
    case CB_FINDSTRING: result = FList->Perform(LB_FINDSTRING, w, l); return true;
    case CB_FINDSTRINGEXACT: result = FList->Perform(LB_FINDSTRINGEXACT, w, l); return true;
    case CB_SELECTSTRING: {
      const LRESULT found = FList->Perform(LB_FINDSTRING, w, l);
      result = found >= 0 ? SetCurSel(static_cast<int>(found)) : CB_ERR;
      return true;
    }
    case CB_SHOWDROPDOWN:
      if (w) {
        ShowDropDown();
      } else {
        CloseDropDown(false);
      }
      result = TRUE;
      return true;
    case CB_GETDROPPEDSTATE: result = FDropped ? TRUE : FALSE; return true;
    case CB_GETDROPPEDCONTROLRECT:
      if (auto* out = reinterpret_cast<RECT*>(l)) *out = HandleAllocated() ? DropRect() : TRect{};
      result = l ? TRUE : CB_ERR;
      return true;
    case CB_SETITEMHEIGHT: result = SetItemHeightOf(index, static_cast<int>(l)); return true;
    case CB_GETITEMHEIGHT: result = index == -1 ? FieldHeight() : FList->Perform(LB_GETITEMHEIGHT, w, 0); return true;
    case CB_SETDROPPEDWIDTH:
      if (index < 0) {
        result = CB_ERR;
        return true;
      }
      FDroppedWidth = index;
      result = std::max(FDroppedWidth, Width());
      return true;
    case CB_GETDROPPEDWIDTH: result = std::max(FDroppedWidth, Width()); return true;
    case CB_LIMITTEXT:
      if (!FEdit) {
        result = CB_ERR;
        return true;
      }
      SetMaxLength(static_cast<int>(std::min<WPARAM>(w, EditDefaultLimit)));
      result = TRUE;
      return true;
    case CB_SETEDITSEL:
      if (!FEdit) {
        result = CB_ERR;
        return true;
      }
      // The start and end are signed words; -1 as start drops the selection,
      // as end means the end of the text.
      FEdit->Perform(EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(l)))),
                     static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(l))));
      result = TRUE;
      return true;
    case WM_GETTEXT:
      if (FEdit) {
        result = FEdit->Perform(WM_GETTEXT, w, l);
      } else {
        result = FList->Perform(LB_GETTEXT, static_cast<WPARAM>(FItemIndex), l);
        if (result < 0 && l && w) *reinterpret_cast<char*>(l) = '\0';
        result = std::max<LRESULT>(result, 0);
      }
      return true;
    case WM_GETTEXTLENGTH:
      result = FEdit ? FEdit->Perform(WM_GETTEXTLENGTH, 0, 0)
                     : std::max<LRESULT>(FList->Perform(LB_GETTEXTLEN, static_cast<WPARAM>(FItemIndex), 0), 0);
      return true;
    case WM_SETTEXT: result = SetTextMessage(reinterpret_cast<const char*>(l)) ? TRUE : CB_ERR; return true;
    case WM_GETDLGCODE: result = DLGC_WANTARROWS | DLGC_WANTCHARS | (FDropped ? DLGC_WANTALLKEYS : 0); return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: ComboKeyDown(Message); return true;
    case WM_MOUSEWHEEL: ComboWheel(TMouseMessage::From(Message)); return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ComboFocus(Message.Msg == WM_SETFOCUS, reinterpret_cast<HWND>(w));
      TWinControl::DefaultHandler(Message);
      return true;
    case WM_SIZE:
      TWinControl::DefaultHandler(Message);
      PlaceEdit();
      Invalidate();
      return true;
    default: return false;
  }
}

// Items.

String TCustomComboBox::ItemText(int Index) {
  const LRESULT length = FList->Perform(LB_GETTEXTLEN, static_cast<WPARAM>(Index), 0);
  if (length < 0) return {};
  String text(static_cast<std::size_t>(length) + 1, '\0');
  FList->Perform(LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

LRESULT TCustomComboBox::InsertItem(int Index, const char* Text, bool Sorted) {
  const LRESULT at = FList->Perform(Sorted ? LB_ADDSTRING : LB_INSERTSTRING, static_cast<WPARAM>(Index),
                                    reinterpret_cast<LPARAM>(Text));
  // The selection stays on its item.
  if (at >= 0 && FItemIndex >= at) ++FItemIndex;
  return at;
}

LRESULT TCustomComboBox::DeleteItem(int Index) {
  const LRESULT left = FList->Perform(LB_DELETESTRING, static_cast<WPARAM>(Index), 0);
  if (left < 0) return CB_ERR;
  if (FItemIndex == Index) {
    FItemIndex = -1;
    Invalidate();
  } else if (FItemIndex > Index) {
    --FItemIndex;
  }
  return left;
}

LRESULT TCustomComboBox::SetCurSel(int Index) {
  const int count = static_cast<int>(FList->Perform(LB_GETCOUNT, 0, 0));
  if (Index < -1 || Index >= count) return CB_ERR;
  FItemIndex = Index;
  FList->Perform(LB_SETCURSEL, static_cast<WPARAM>(Index), 0);
  if (FEdit) SetEditText(Index >= 0 ? ItemText(Index) : String());
  Invalidate();
  // -1 clears the selection and answers CB_ERR all the same.
  return Index >= 0 ? Index : CB_ERR;
}

LRESULT TCustomComboBox::SetItemHeightOf(int Index, int Height) {
  if (Height < 1 || Height > TListBoxModel::MaxItemHeight || Index < -1) return CB_ERR;
  if (Index == -1) {
    FFieldHeight = Height;
    AdjustHeight();
    Invalidate();
    return CB_OKAY;
  }
  if (FStyle != TComboBoxStyle::csOwnerDrawVariable) {
    FItemHeight = Height;
    FList->SetItemHeight(Height);
  }
  return Answer(FList->Perform(LB_SETITEMHEIGHT, static_cast<WPARAM>(Index), Height) != LB_ERR);
}

// Text.

void TCustomComboBox::SetEditText(const String& Text) {
  if (!FEdit) return;
  FSettingText = true;
  FEdit->SetText(Text);
  FSettingText = false;
  FEdit->SelectAll();
}

bool TCustomComboBox::SetTextMessage(const char* Text) {
  const String text = Text ? Text : "";
  TMessage own{WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), 0};
  if (FEdit) {
    SetEditText(text);
    TWinControl::DefaultHandler(own);
    return true;
  }
  // A list shows only its items: the text chooses one.
  const LRESULT found =
      FList->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  if (found < 0) return false;
  SetCurSel(static_cast<int>(found));
  TWinControl::DefaultHandler(own);
  return true;
}

// The edit part.

void TCustomComboBox::EditWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_MOUSEWHEEL:
      // Typed or turned in the edit, the keys and the wheel are the box's.
      WindowProc(Message);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A press in the edit part focuses the box (which hands the focus on).
      if (!Focused() && CanFocus()) SetFocus();
      FEditDefaultProc(Message);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ComboFocus(Message.Msg == WM_SETFOCUS, reinterpret_cast<HWND>(Message.WParam));
      // The edit's own (the caret), without taking the form's focus from the box.
      FEdit->DefaultHandler(Message);
      if (Message.Msg == WM_SETFOCUS) {
        if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
      }
      return;
    default: FEditDefaultProc(Message); return;
  }
}

void TCustomComboBox::EditCommand(WPARAM WParam) {
  if (HIWORD(WParam) != EN_CHANGE || FSettingText) return;
  NotifyParent(this, CBN_EDITUPDATE);
  NotifyParent(this, CBN_EDITCHANGE);
  if (FDropped) HighlightTypedText();
  Change();
}

void TCustomComboBox::KeyPress(char32_t& Key) {
  TWinControl::KeyPress(Key);
  if (Key == 0) return;
  if (FEdit) {
    // Tab, Enter and Escape are no text.
    if (Key != '\t' && Key != '\r' && Key != 27) FEdit->TypeChar(Key);
  } else if (Key >= ' ') {
    SelectByTyping(Key);
  }
  Key = 0;
}

// Keys, mouse, wheel, focus.

void TCustomComboBox::ComboKeyDown(TMessage& Message) {
  const WPARAM key = Message.WParam;
  const bool alt = Message.Msg == WM_SYSKEYDOWN || IsKeyHeld(VK_MENU);
  if (key == VK_F4 || (alt && (key == VK_UP || key == VK_DOWN))) {
    if (FDropped) {
      CloseDropDown(true);
    } else {
      ShowDropDown();
    }
    return;
  }
  if (alt) {
    TWinControl::DefaultHandler(Message);
    return;
  }
  if (FDropped) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
      CloseDropDown(key == VK_RETURN);
      return;
    }
    if (MoveHighlight(key)) return;
  } else {
    const int target = StepTarget(key, FItemIndex);
    if (target != -2) {
      if (target >= 0 && target != FItemIndex) SelectByUser(target);
      return;
    }
  }
  // What the box leaves is the edit part's (the caret, Delete...).
  if (FEdit) FEdit->DefaultHandler(Message);
}

void TCustomComboBox::ComboMouseDown(TPoint Pos) {
  if (!Enabled()) return;
  if (FEdit && !ButtonRect().Contains(Pos)) return;
  if (FDropped) {
    CloseDropDown(false);
    return;
  }
  ShowDropDown(true);
}

void TCustomComboBox::ComboWheel(const TMouseMessage& Wheel) {
  if (FDropped) {
    FList->Perform(WM_MOUSEWHEEL, Wheel.WParam(), Wheel.LParam());
    return;
  }
  const int notches = Wheel.WheelDelta / WHEEL_DELTA;
  if (notches == 0) return;
  const int count = static_cast<int>(FList->Perform(LB_GETCOUNT, 0, 0));
  if (count == 0) return;
  // Towards the user (a negative delta) goes down the list.
  const int target = std::clamp(FItemIndex - notches, 0, count - 1);
  if (target != FItemIndex) SelectByUser(target);
}

void TCustomComboBox::ComboFocus(bool Gained, HWND Other) {
  const auto inBox = [this](HWND Window) {
    return Window && ((HandleAllocated() && Window == Handle()) ||
                      (FEdit && FEdit->HandleAllocated() && Window == FEdit->Handle()));
  };
  if (Gained) {
    // The box passes the focus on to its edit part.
    if (FEdit && FEdit->HandleAllocated() && GetFocus() == Handle()) ::plat::SetFocus(FEdit->Handle());
    if (!inBox(Other)) NotifyParent(this, CBN_SETFOCUS);
  } else if (!inBox(Other)) {
    CloseDropDown(false);
    NotifyParent(this, CBN_KILLFOCUS);
  }
  Invalidate();
}

// Owner drawing.

void TCustomComboBox::CNDrawItem(TMessage& Message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  if (!item) return;
  DrawOwnerItem(*FCanvas, *this, *item, [this](int Index, TRect Rect, TOwnerDrawState State) {
    if (OwnerDraws()) {
      DrawItem(Index, Rect, State);
    } else {
      DrawStandardItem(*FCanvas, ItemText(Index), Rect);
    }
  });
  Message.Result = TRUE;
}

void TCustomComboBox::CNMeasureItem(TMessage& Message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  if (!item) return;
  int height = FItemHeight;
  if (FStyle == TComboBoxStyle::csOwnerDrawVariable) MeasureItem(static_cast<int>(item->itemID), height);
  item->itemHeight = static_cast<UINT>(std::clamp(height, 1, TListBoxModel::MaxItemHeight));
  Message.Result = TRUE;
}

}  // namespace plat
