#include "platform/ui/TCustomComboBox.h"

#include <algorithm>

#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/TComboBoxStrings.h"
#include "platform/ui/TControlCanvas.h"
#include "platform/ui/detail/ComboDropList.h"
#include "platform/ui/detail/ComboEdit.h"
#include "platform/win/Focus.h"
#include "platform/win/Monitors.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

// The sunken edge on both sides and a pixel above and below the field: a
// box is as high whatever its edge (Ctl3D), so that the field's height
// sets the box's.
constexpr int kFrameAndMargins = 6;

}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TComboBoxStrings>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)),
      FList(std::make_unique<TComboDropList>(*this)) {
  // No mouse capture of its own: the drop-down holds it while it shows.
  SetControlStyle({TControlStyleItem::csDoubleClicks, TControlStyleItem::csFixedHeight, TControlStyleItem::csOpaque});
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  MakeEdit();
  SetBounds(Left(), Top(), 145, 0);
}

TCustomComboBox::~TCustomComboBox() {
  // The parts go first, quietly: their windows going would call on the box.
  FDropped = false;
  FList->Hide();
  FList.reset();
  DropEdit();
  FCanvas->FreeHandle();
}

// The parts.

void TCustomComboBox::DropEdit() {
  if (!FEdit) return;
  FEdit->WindowProc = FEditDefaultProc;
  FEdit.reset();
}

void TCustomComboBox::MakeEdit() {
  if (!Editable()) {
    DropEdit();
    return;
  }
  if (FEdit) return;
  FEdit = std::make_unique<TComboEdit>();
  FEditDefaultProc = FEdit->WindowProc;
  FEdit->WindowProc = [this](TMessage& Message) { EditWndProc(Message); };
  FEdit->SetMaxLength(FMaxLength);
  FEdit->SetParent(this);
  PlaceEdit();
}

void TCustomComboBox::PlaceEdit() {
  if (!FEdit) return;
  const TRect field = FieldRect();
  const int height = TFontMeasure(Font()).TextHeight();
  FEdit->SetBounds(field.Left + 2, field.Top + std::max((field.Height() - height) / 2, 0),
                   std::max(field.Width() - 3, 0), std::min(height, field.Height()));
}

// The list's looks follow the box's.
void TCustomComboBox::ApplyListLooks() {
  FList->SetFont(Font());
  FList->SetColor(Color());
  FList->SetSorted(FSorted);
  switch (FStyle) {
    case TComboBoxStyle::csOwnerDrawFixed: FList->SetStyle(TListBoxStyle::lbOwnerDrawFixed); break;
    case TComboBoxStyle::csOwnerDrawVariable: FList->SetStyle(TListBoxStyle::lbOwnerDrawVariable); break;
    default: FList->SetStyle(TListBoxStyle::lbStandard); break;
  }
  FList->SetItemHeight(FItemHeight);
}

int TCustomComboBox::FieldHeight() {
  if (FFieldHeight > 0) return FFieldHeight;
  return OwnerDraws() ? FItemHeight : TFontMeasure(Font()).TextHeight() + 2;
}

void TCustomComboBox::AdjustHeight() { SetBounds(Left(), Top(), Width(), 0); }

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // The height follows the selection field.
  (void)AHeight;
  TWinControl::SetBounds(ALeft, ATop, AWidth, FieldHeight() + kFrameAndMargins);
  PlaceEdit();
}

TRect TCustomComboBox::ButtonRect() {
  const TRect client = ClientRect();
  const int width = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.Width());
  return {client.Right - width, client.Top, client.Right, client.Bottom};
}

TRect TCustomComboBox::FieldRect() {
  const TRect client = ClientRect();
  // Centred: a flat frame leaves a pixel more above and below.
  const int inset = std::max((client.Height() - FieldHeight()) / 2, 0);
  return {client.Left + 1, client.Top + inset, std::max(ButtonRect().Left - 1, client.Left + 1), client.Bottom - inset};
}

TRect TCustomComboBox::DropRect() {
  int height = 0;
  const int count = FList->Items()->Count();
  const int shown = std::min(count, FDropDownCount);
  for (int i = 0; i < shown; ++i)
    height += static_cast<int>(FList->Perform(LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0));
  if (shown == 0) height = FList->ItemHeight();
  height += 2 * GetSystemMetrics(SM_CYBORDER);
  RECT box;
  GetWindowRect(Handle(), &box);
  const int width = std::max<int>(FDroppedWidth, box.Right - box.Left);
  MONITORINFO info;
  GetMonitorInfoA(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &info);
  const TRect work = info.rcWork;
  const int left = std::max<int>(std::min<int>(box.Left, work.Right - width), work.Left);
  int top = box.Bottom;
  if (top + height > work.Bottom && box.Top - height >= work.Top) top = box.Top - height;
  return {left, top, left + width, top + height};
}

// Properties.

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (FStyle == Value) return;
  const String text = Text();
  FStyle = Value;
  MakeEdit();
  ApplyListLooks();
  AdjustHeight();
  RecreateWnd();
  if (Editable()) SetEditText(text);
}

void TCustomComboBox::SetItems(const TStrings* Value) {
  if (Value) FItems->Assign(*Value);
}

int TCustomComboBox::ItemIndex() { return static_cast<int>(Perform(CB_GETCURSEL, 0, 0)); }

void TCustomComboBox::SetItemIndex(int Value) {
  if (ItemIndex() != Value) Perform(CB_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

void TCustomComboBox::SetDropDownCount(int Value) { FDropDownCount = std::max(Value, 1); }

void TCustomComboBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  const String selected = FItemIndex >= 0 ? ItemText(FItemIndex) : String();
  FList->SetSorted(Value);
  // The list sorted its items there are; the selection stays on its item.
  if (FItemIndex >= 0)
    FItemIndex = static_cast<int>(
        FList->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(selected.c_str())));
  Invalidate();
}

int TCustomComboBox::ItemHeight() {
  return OwnerDraws() ? FItemHeight : static_cast<int>(Perform(CB_GETITEMHEIGHT, 0, 0));
}

void TCustomComboBox::SetItemHeight(int Value) {
  Value = std::clamp(Value, 1, TListBoxModel::MaxItemHeight);
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  ApplyListLooks();
  AdjustHeight();
  Invalidate();
}

void TCustomComboBox::SetMaxLength(int Value) {
  FMaxLength = std::max(Value, 0);
  if (FEdit) FEdit->SetMaxLength(FMaxLength);
}

bool TCustomComboBox::DroppedDown() { return Perform(CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TCustomComboBox::SetDroppedDown(bool Value) { Perform(CB_SHOWDROPDOWN, Value ? TRUE : FALSE, 0); }

TCanvas* TCustomComboBox::Canvas() const { return FCanvas.get(); }

void TCustomComboBox::Clear() {
  FItems->Clear();
  SetText("");
}

bool TCustomComboBox::Focused() const {
  const HWND focus = GetFocus();
  return focus && (TWinControl::Focused() || (FEdit && FEdit->HandleAllocated() && focus == FEdit->Handle()));
}

// Events.

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) {
    OnSelect(this);
  } else {
    Change();
  }
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  DrawStandardItem(*FCanvas, ItemText(Index), Rect);
}

void TCustomComboBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomComboBox::DoEnter() {
  // Coming in, the edit part's text is selected whole.
  if (FEdit) FEdit->SelectAll();
  TWinControl::DoEnter();
}

// The window.

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;
  switch (FStyle) {
    case TComboBoxStyle::csDropDown: Params.Style |= CBS_DROPDOWN | CBS_AUTOHSCROLL; break;
    case TComboBoxStyle::csDropDownList: Params.Style |= CBS_DROPDOWNLIST; break;
    case TComboBoxStyle::csOwnerDrawFixed: Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case TComboBoxStyle::csOwnerDrawVariable: Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
  }
  if (FSorted) Params.Style |= CBS_SORT;
  AddSingleBorder(Params);
}

void TCustomComboBox::CreateHandleNotify() {
  TWinControl::CreateHandleNotify();
  ApplyListLooks();
  PlaceEdit();
}

void TCustomComboBox::PaintWindow(HDC DC) {
  const TRect client = ClientRect();
  const TRect field = FieldRect();
  const bool enabled = Enabled();
  {
    const TControlCanvasLock lock(*FCanvas, DC);
    FCanvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    FCanvas->Brush()->SetColor(enabled ? Color() : clBtnFace);
    FCanvas->FillRect({client.Left, client.Top, ButtonRect().Left, client.Bottom});
  }
  if (!Editable()) {
    // The selection field as an item drawn for its owner (the standard
    // list style draws its text the same way).
    const bool marked = Focused() && !FDropped;
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_COMBOBOX;
    item.itemID = static_cast<UINT>(FItemIndex);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ODS_COMBOBOXEDIT | (marked ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
    item.hwndItem = HandleAllocated() ? Handle() : nullptr;
    item.hDC = DC;
    item.rcItem = field;
    if (FItemIndex >= 0) item.itemData = static_cast<ULONG_PTR>(Perform(CB_GETITEMDATA, item.itemID, 0));
    Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  }
  RECT button = ButtonRect();
  DrawFrameControl(DC, &button, DFC_SCROLL,
                   DFCS_SCROLLCOMBOBOX | (FDropped ? DFCS_PUSHED : 0) | (enabled ? 0 : DFCS_INACTIVE));
}

}  // namespace plat
