#include "platform/ui/TCustomListBox.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/ParentNotify.h"
#include "platform/ui/TControlCanvas.h"
#include "platform/win/Keyboard.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"

namespace plat {

// Items as the list's window keeps them: every access is a message.
class TCustomListBox::TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TCustomListBox* ListBox) : FListBox(ListBox) {}

  int Count() const override { return static_cast<int>(FListBox->Perform(LB_GETCOUNT, 0, 0)); }

  String Strings(int Index) const override {
    const LRESULT length = FListBox->Perform(LB_GETTEXTLEN, static_cast<WPARAM>(Index), 0);
    if (length < 0) ListIndexError(Index);
    String text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        FListBox->Perform(LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
    return text;
  }

  void SetStrings(int Index, const String& S) override {
    // The item keeps its object and the selection stays where it was.
    TObjectPtr object = Objects(Index);
    const int selected = FListBox->ItemIndex();
    Delete(Index);
    InsertObject(Index, S, object);
    FListBox->SetItemIndex(selected);
  }

  TObjectPtr Objects(int Index) const override {
    CheckIndex(Index);
    return reinterpret_cast<TObjectPtr>(FListBox->Perform(LB_GETITEMDATA, static_cast<WPARAM>(Index), 0));
  }

  void SetObjects(int Index, TObjectPtr Object) override {
    CheckIndex(Index);
    FListBox->Perform(LB_SETITEMDATA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Object));
  }

  int Add(const String& S) override {
    return static_cast<int>(FListBox->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str())));
  }

  int AddObject(const String& S, TObjectPtr Object) override {
    const int index = Add(S);
    if (index >= 0) SetObjects(index, Object);
    return index;
  }

  void Insert(int Index, const String& S) override {
    const auto text = reinterpret_cast<LPARAM>(S.c_str());
    if (Index < 0 || FListBox->Perform(LB_INSERTSTRING, static_cast<WPARAM>(Index), text) < 0) ListIndexError(Index);
  }

  void Delete(int Index) override {
    if (FListBox->Perform(LB_DELETESTRING, static_cast<WPARAM>(Index), 0) < 0) ListIndexError(Index);
  }

  void Clear() override { FListBox->Perform(LB_RESETCONTENT, 0, 0); }

 protected:
  void SetUpdateState(bool Updating) override {
    FListBox->Perform(WM_SETREDRAW, Updating ? FALSE : TRUE, 0);
    if (!Updating) FListBox->Relayout();
  }

 private:
  void CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
  }

  TCustomListBox* FListBox;
};

namespace {

bool IsKeyHeld(UINT Key) { return (GetKeyState(static_cast<int>(Key)) & 0x8000) != 0; }

LRESULT Answer(bool Ok) { return Ok ? LB_OKAY : LB_ERR; }

}  // namespace

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TListBoxStrings>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)) {
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csDoubleClicks, TControlStyleItem::csOpaque});
  SetBounds(Left(), Top(), 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  FModel.SetItemHeight(StandardItemHeight());
}

TCustomListBox::~TCustomListBox() {
  // The canvas may hold a DC on the window that the base class destroys.
  FCanvas->FreeHandle();
}

// Properties.

void TCustomListBox::SetItems(const TStrings* Value) {
  if (Value) FItems->Assign(*Value);
}

int TCustomListBox::ItemIndex() {
  return static_cast<int>(Perform(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int Value) {
  if (ItemIndex() == Value) return;
  Perform(FMultiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

int TCustomListBox::TopIndex() { return static_cast<int>(Perform(LB_GETTOPINDEX, 0, 0)); }

void TCustomListBox::SetTopIndex(int Value) {
  if (TopIndex() != Value) Perform(LB_SETTOPINDEX, static_cast<WPARAM>(Value), 0);
}

int TCustomListBox::ItemHeight() {
  return FStyle == TListBoxStyle::lbStandard ? static_cast<int>(Perform(LB_GETITEMHEIGHT, 0, 0)) : FItemHeight;
}

void TCustomListBox::SetItemHeight(int Value) {
  Value = std::clamp(Value, 1, TListBoxModel::MaxItemHeight);
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  if (FStyle != TListBoxStyle::lbStandard) {
    FModel.SetItemHeight(Value);
    Relayout();
  }
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  FModel.SetVariableHeight(Value == TListBoxStyle::lbOwnerDrawVariable);
  FModel.SetItemHeight(Value == TListBoxStyle::lbStandard ? StandardItemHeight() : FItemHeight);
  Relayout();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  ApplySelectMode();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (FExtendedSelect == Value) return;
  FExtendedSelect = Value;
  ApplySelectMode();
}

void TCustomListBox::ApplySelectMode() {
  FModel.SetSelectMode(!FMultiSelect     ? TListSelectMode::Single
                       : FExtendedSelect ? TListSelectMode::Extended
                                         : TListSelectMode::Multiple);
  Invalidate();
}

void TCustomListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  FModel.SetSorted(Value);
  if (!Value) return;
  // The items there are come back in order.
  TStringList sorted;
  sorted.Assign(*FItems);
  sorted.Sort();
  FItems->BeginUpdate();
  FItems->Clear();
  for (int i = 0; i < sorted.Count(); ++i) FItems->AddObject(sorted.Strings(i), sorted.Objects(i));
  FItems->EndUpdate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

TCanvas* TCustomListBox::Canvas() const { return FCanvas.get(); }

int TCustomListBox::SelCount() { return static_cast<int>(Perform(LB_GETSELCOUNT, 0, 0)); }

bool TCustomListBox::Selected(int Index) {
  const LRESULT answer = Perform(LB_GETSEL, static_cast<WPARAM>(Index), 0);
  if (answer < 0) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  return answer > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= FItems->Count()) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  if (FMultiSelect) {
    Perform(LB_SETSEL, Value ? TRUE : FALSE, Index);
  } else if (Value) {
    SetItemIndex(Index);
  } else if (ItemIndex() == Index) {
    SetItemIndex(-1);
  }
}

void TCustomListBox::SelectAll() {
  if (FMultiSelect) Perform(LB_SETSEL, TRUE, -1);
}

void TCustomListBox::ClearSelection() {
  if (FMultiSelect) {
    Perform(LB_SETSEL, FALSE, -1);
  } else {
    SetItemIndex(-1);
  }
}

void TCustomListBox::DeleteSelected() {
  for (int i = FItems->Count() - 1; i >= 0; --i) {
    if (Selected(i)) FItems->Delete(i);
  }
}

void TCustomListBox::Clear() { FItems->Clear(); }

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) {
  const TRect area = ItemArea();
  if (!area.Contains(Pos)) return -1;
  const int index = FModel.ItemAtY(Pos.Y - area.Top);
  if (index >= 0) return index;
  return Existing ? -1 : FModel.Count();
}

TRect TCustomListBox::ItemRect(int Index) {
  TRect rect;
  if (Perform(LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&rect)) == LB_ERR) return {};
  return rect;
}

// Drawing.

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  DrawStandardItem(*FCanvas, FItems->Strings(Index), Rect);
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomListBox::CNDrawItem(TMessage& Message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  if (!item) return;
  DrawOwnerItem(*FCanvas, *this, *item,
                [this](int Index, TRect Rect, TOwnerDrawState State) { DrawItem(Index, Rect, State); });
  Message.Result = TRUE;
}

void TCustomListBox::CNMeasureItem(TMessage& Message) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  if (!item) return;
  int height = static_cast<int>(item->itemHeight);
  MeasureItem(static_cast<int>(item->itemID), height);
  item->itemHeight = static_cast<UINT>(std::clamp(height, 1, TListBoxModel::MaxItemHeight));
  Message.Result = TRUE;
}

void TCustomListBox::PaintWindow(HDC DC) {
  const TRect client = ItemArea();
  const bool focused = Focused();
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_LISTBOX;
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = HandleAllocated() ? Handle() : nullptr;
  item.hDC = DC;
  const UINT disabled = Enabled() ? 0 : ODS_DISABLED;
  int bottom = client.Top;
  if (FModel.Count() == 0) {
    // An empty list shows where the focus is.
    item.itemID = static_cast<UINT>(-1);
    item.itemState = (focused ? ODS_FOCUS : 0) | disabled;
    item.rcItem = {client.Left, client.Top, client.Right, client.Top + FModel.ItemHeight()};
    Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    bottom = item.rcItem.Bottom;
  }
  for (int i = FModel.TopIndex(); i < FModel.Count() && bottom < client.Bottom; ++i) {
    item.itemID = static_cast<UINT>(i);
    item.itemData = static_cast<ULONG_PTR>(FModel.Data(i));
    item.itemState =
        (FModel.Selected(i) ? ODS_SELECTED : 0) | disabled | (focused && FModel.CaretIndex() == i ? ODS_FOCUS : 0);
    item.rcItem = {client.Left, bottom, client.Right, bottom + FModel.ItemHeightOf(i)};
    // The standard style draws its text here as the owner-draw default does.
    Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    bottom = item.rcItem.Bottom;
  }
  // Below the last item and around the items (the border width).
  FCanvas->Lock(DC);
  FCanvas->Brush()->SetColor(Color());
  FCanvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  if (bottom < client.Bottom) FCanvas->FillRect({client.Left, bottom, client.Right, client.Bottom});
  const TRect whole = ClientRect();
  if (whole != client) {
    FCanvas->FillRect({whole.Left, whole.Top, whole.Right, client.Top});
    FCanvas->FillRect({whole.Left, client.Bottom, whole.Right, whole.Bottom});
    FCanvas->FillRect({whole.Left, client.Top, client.Left, client.Bottom});
    FCanvas->FillRect({client.Right, client.Top, whole.Right, client.Bottom});
  }
  FCanvas->Release();
}

// The message path.

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  if (FSorted) Params.Style |= LBS_SORT;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FStyle == TListBoxStyle::lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED;
  if (FStyle == TListBoxStyle::lbOwnerDrawVariable) Params.Style |= LBS_OWNERDRAWVARIABLE;
  if (FBorderStyle == TBorderStyle::bsSingle) AddSingleBorder(Params);
}

void TCustomListBox::CreateHandleNotify() {
  TWinControl::CreateHandleNotify();
  Relayout();
}

void TCustomListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CN_MEASUREITEM: CNMeasureItem(Message); return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The focus and the selection come before the mouse events (and
      // before an automatic drag starts, which drags the item pressed).
      if (HandleAllocated() && TabStop() && !Focused() && CanFocus()) SetFocus();
      ListMouse(Message);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: ListMouse(Message); break;
    default: break;
  }
  TWinControl::WndProc(Message);
  if (Message.Msg == CM_FONTCHANGED && FStyle == TListBoxStyle::lbStandard) {
    FModel.SetItemHeight(StandardItemHeight());
    Relayout();
  }
  if (Message.Msg == CM_BORDERCHANGED) Relayout();
}

void TCustomListBox::DefaultHandler(TMessage& Message) {
  if (!ListMessage(Message)) TWinControl::DefaultHandler(Message);
}

void TCustomListBox::KeyPress(char32_t& Key) {
  TWinControl::KeyPress(Key);
  if (Key < 32 || (Key == ' ' && FMultiSelect)) return;
  // The next item that starts with the character.
  String prefix;
  AppendUtf8(prefix, Key);
  Key = 0;
  const int found = FModel.Find(FModel.CaretIndex(), prefix, false);
  if (found < 0) return;
  bool changed = false;
  if (FModel.SelectMode() == TListSelectMode::Multiple) {
    changed = FModel.CaretIndex() != found;
    FModel.SetCaretIndex(found);
    FModel.MakeVisible(found);
  } else {
    changed = FModel.ClickItem(found, false, false);
  }
  SelectionChangedByUser(changed || FMultiSelect);
}

bool TCustomListBox::ListMessage(TMessage& Message) {
  const WPARAM w = Message.WParam;
  const LPARAM l = Message.LParam;
  const auto index = static_cast<int>(static_cast<std::intptr_t>(w));
  const bool single = FModel.SelectMode() == TListSelectMode::Single;
  LRESULT& result = Message.Result;
  switch (Message.Msg) {
    case LB_ADDSTRING: result = InsertItem(-1, reinterpret_cast<const char*>(l), FModel.Sorted()); return true;
    case LB_INSERTSTRING: result = InsertItem(index, reinterpret_cast<const char*>(l), false); return true;
    case LB_DELETESTRING:
      result = FModel.Delete(index) ? FModel.Count() : LB_ERR;
      Relayout();
      return true;
    case LB_RESETCONTENT:
      FModel.Clear();
      Relayout();
      return true;
    case LB_GETCOUNT: result = FModel.Count(); return true;
    case LB_GETTEXTLEN:
      result = index >= 0 && index < FModel.Count() ? static_cast<LRESULT>(FModel.Text(index).size()) : LB_ERR;
      return true;
    case LB_GETTEXT: {
      auto* out = reinterpret_cast<char*>(l);
      if (!out || index < 0 || index >= FModel.Count()) {
        result = LB_ERR;
        return true;
      }
      // The caller sized the buffer by LB_GETTEXTLEN.
      const String text = FModel.Text(index);
      std::memcpy(out, text.c_str(), text.size() + 1);
      result = static_cast<LRESULT>(text.size());
      return true;
    }
    case LB_GETITEMDATA: result = index >= 0 && index < FModel.Count() ? FModel.Data(index) : LB_ERR; return true;
    case LB_SETITEMDATA: result = Answer(FModel.SetData(index, l)); return true;
    case LB_SETCURSEL:
      // -1 clears the selection and answers LB_ERR all the same.
      result = single && FModel.SetItemIndex(index) && index >= 0 ? index : LB_ERR;
      Relayout();
      return true;
    case LB_GETCURSEL: result = FModel.ItemIndex(); return true;
    case LB_SETCARETINDEX: {
      const bool ok = FModel.SetCaretIndex(index);
      if (ok) FModel.MakeVisible(index);
      result = Answer(ok);
      Relayout();
      return true;
    }
    case LB_GETCARETINDEX: result = FModel.CaretIndex(); return true;
    case LB_SETSEL: {
      if (single) {
        result = LB_ERR;
        return true;
      }
      const auto item = static_cast<int>(l);
      result = Answer(item == -1 ? FModel.SelectAll(w != 0) : FModel.SetSelected(item, w != 0));
      Invalidate();
      return true;
    }
    case LB_SELITEMRANGE: {
      if (single) {
        result = LB_ERR;
        return true;
      }
      const int first = LOWORD(static_cast<std::uintptr_t>(l));
      const int last = std::min<int>(HIWORD(static_cast<std::uintptr_t>(l)), FModel.Count() - 1);
      for (int i = first; i <= last; ++i) FModel.SetSelected(i, w != 0);
      Invalidate();
      return true;
    }
    case LB_GETSEL:
      result = index >= 0 && index < FModel.Count() ? (FModel.Selected(index) ? 1 : 0) : LB_ERR;
      return true;
    case LB_GETSELCOUNT: result = single ? LB_ERR : FModel.SelCount(); return true;
    case LB_GETSELITEMS: {
      auto* out = reinterpret_cast<int*>(l);
      if (single || !out) {
        result = LB_ERR;
        return true;
      }
      int count = 0;
      for (int i = 0; i < FModel.Count() && static_cast<WPARAM>(count) < w; ++i) {
        if (FModel.Selected(i)) out[count++] = i;
      }
      result = count;
      return true;
    }
    case LB_GETTOPINDEX: result = FModel.TopIndex(); return true;
    case LB_SETTOPINDEX:
      if (index < 0 || index >= std::max(FModel.Count(), 1)) {
        result = LB_ERR;
        return true;
      }
      FModel.SetTopIndex(index);
      Relayout();
      return true;
    case LB_GETITEMRECT: {
      auto* out = reinterpret_cast<RECT*>(l);
      if (!out || index < 0 || index >= FModel.Count()) {
        result = LB_ERR;
        return true;
      }
      const TRect area = ItemArea();
      const int top = area.Top + FModel.ItemTop(index);
      *out = {area.Left, top, area.Right, top + FModel.ItemHeightOf(index)};
      return true;
    }
    case LB_SETITEMHEIGHT: {
      const auto height = static_cast<int>(l);
      if (height < 1 || height > TListBoxModel::MaxItemHeight) {
        result = LB_ERR;
      } else if (FModel.VariableHeight()) {
        result = Answer(FModel.SetItemHeightOf(index, height));
      } else {
        FModel.SetItemHeight(height);
      }
      Relayout();
      return true;
    }
    case LB_GETITEMHEIGHT: result = FModel.ItemHeightOf(index); return true;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
      const char* text = reinterpret_cast<const char*>(l);
      result = FModel.Find(index, text ? text : "", Message.Msg == LB_FINDSTRINGEXACT);
      if (Message.Msg == LB_SELECTSTRING && result >= 0) {
        FModel.SetItemIndex(static_cast<int>(result));
        Relayout();
      }
      return true;
    }
    case LB_ITEMFROMPOINT: {
      const TPoint p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
      const TRect area = ItemArea();
      int item = FModel.ItemAtY(p.Y - area.Top);
      bool outside = !area.Contains(p);
      if (item < 0) {
        item = p.Y < 0 ? FModel.TopIndex() : std::max(FModel.Count() - 1, 0);
        outside = true;
      }
      result = MAKELRESULT(static_cast<Word>(item), outside ? 1 : 0);
      return true;
    }
    case WM_GETDLGCODE: result = DLGC_WANTARROWS | DLGC_WANTCHARS; return true;
    case WM_KEYDOWN: ListKeyDown(Message); return true;
    case WM_VSCROLL: ListScroll(w); return true;
    case WM_MOUSEWHEEL: ListWheel(TMouseMessage::From(Message)); return true;
    case WM_SIZE:
      TWinControl::DefaultHandler(Message);
      Relayout();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The focus rectangle comes and goes.
      TWinControl::DefaultHandler(Message);
      Invalidate();
      return true;
    default: return false;
  }
}

int TCustomListBox::InsertItem(int Index, const char* Text, bool Sorted) {
  const String text = Text ? Text : "";
  const int index = Sorted ? FModel.Add(text) : FModel.Insert(Index, text);
  if (index < 0) return static_cast<int>(LB_ERR);
  if (FModel.VariableHeight()) {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_LISTBOX;
    measure.itemID = static_cast<UINT>(index);
    measure.itemWidth = static_cast<UINT>(std::max(ItemArea().Width(), 0));
    measure.itemHeight = static_cast<UINT>(FItemHeight);
    Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    FModel.SetItemHeightOf(index, std::clamp(static_cast<int>(std::min<UINT>(measure.itemHeight, 0xFFFF)), 1,
                                             TListBoxModel::MaxItemHeight));
  }
  Relayout();
  return index;
}

void TCustomListBox::ListMouse(TMessage& Message) {
  const TMouseMessage mouse = TMouseMessage::From(Message);
  const TPoint p = mouse.Pos;
  const bool shift = mouse.Holds(MK_SHIFT);
  const bool ctrl = mouse.Holds(MK_CONTROL);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int index = ItemAtPos(p, true);
      // An automatic drag takes over the mouse from here.
      FTracking = DragMode() != TDragMode::dmAutomatic;
      if (index < 0) return;
      FModel.ClickItem(index, shift, ctrl);
      Relayout();
      SelectionChangedByUser(true);
      if (Message.Msg == WM_LBUTTONDBLCLK) {
        NotifyParent(this, LBN_DBLCLK);
        DblClick();
      }
      return;
    }
    case WM_MOUSEMOVE: {
      if (!FTracking || !mouse.Holds(MK_LBUTTON) || FModel.Count() == 0) return;
      // Above or below the list, the next item out of view comes in.
      const TRect area = ItemArea();
      const int height = area.Height();
      const int y = p.Y - area.Top;
      int index = 0;
      if (y < 0) {
        index = std::max(FModel.TopIndex() - 1, 0);
      } else if (y >= height) {
        const int last = FModel.ItemAtY(height - 1);
        index = last < 0 ? FModel.Count() - 1 : std::min(last + 1, FModel.Count() - 1);
      } else {
        index = FModel.ItemAtY(y);
        if (index < 0) index = FModel.Count() - 1;
      }
      const bool changed = FModel.DragOver(index);
      Relayout();
      if (changed) SelectionChangedByUser(true);
      return;
    }
    case WM_LBUTTONUP: FTracking = false; return;
    default: return;
  }
}

void TCustomListBox::ListKeyDown(TMessage& Message) {
  const bool shift = IsKeyHeld(VK_SHIFT);
  const bool ctrl = IsKeyHeld(VK_CONTROL);
  bool changed = false;
  switch (Message.WParam) {
    case VK_UP:
    case VK_LEFT: changed = FModel.MoveFocus(TListMove::Up, shift, ctrl); break;
    case VK_DOWN:
    case VK_RIGHT: changed = FModel.MoveFocus(TListMove::Down, shift, ctrl); break;
    case VK_PRIOR: changed = FModel.MoveFocus(TListMove::PageUp, shift, ctrl); break;
    case VK_NEXT: changed = FModel.MoveFocus(TListMove::PageDown, shift, ctrl); break;
    case VK_HOME: changed = FModel.MoveFocus(TListMove::Home, shift, ctrl); break;
    case VK_END: changed = FModel.MoveFocus(TListMove::End, shift, ctrl); break;
    case VK_SPACE:
      if (!FMultiSelect) return;
      changed = FModel.Space(ctrl);
      break;
    default: return;
  }
  Relayout();
  // A multiple-selection list reports every move of its focus.
  SelectionChangedByUser(changed || FMultiSelect);
}

void TCustomListBox::ListScroll(WPARAM Request) {
  const int page = std::max(FModel.PageCount() - 1, 1);
  int top = FModel.TopIndex();
  switch (LOWORD(Request)) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: top = HIWORD(Request); break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = FModel.MaxTopIndex(); break;
    default: return;
  }
  if (FModel.SetTopIndex(top)) Relayout();
}

void TCustomListBox::ListWheel(const TMouseMessage& Wheel) {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int notches = Wheel.WheelDelta / WHEEL_DELTA;
  if (notches != 0 && FModel.SetTopIndex(FModel.TopIndex() - notches * static_cast<int>(lines))) Relayout();
}

void TCustomListBox::SelectionChangedByUser(bool Changed) {
  if (!Changed) return;
  NotifyParent(this, LBN_SELCHANGE);
  Click();
}

void TCustomListBox::Relayout() {
  FModel.SetClientHeight(ItemArea().Height());
  UpdateScrollBar();
  Invalidate();
}

void TCustomListBox::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  const TListScrollRange range = FModel.ScrollRange();
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = range.Min;
  info.nMax = range.Max;
  info.nPage = static_cast<UINT>(range.Page);
  info.nPos = range.Pos;
  SetScrollInfo(Handle(), SB_VERT, &info, true);
}

TRect TCustomListBox::ItemArea() {
  const int inset = BorderWidth();
  TRect area = ClientRect().Inflated(-inset, -inset);
  area.Right = std::max(area.Right, area.Left);
  area.Bottom = std::max(area.Bottom, area.Top);
  return area;
}

int TCustomListBox::StandardItemHeight() { return std::max(TFontMeasure(Font()).TextHeight(), 1); }

}  // namespace plat
