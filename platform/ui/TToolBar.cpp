#include "platform/ui/TToolBar.h"

#include <algorithm>

#include "platform/gdi/DrawText.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/FontMeasure.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMenu.h"
#include "platform/ui/TToolButton.h"
#include "platform/win/Focus.h"
#include "platform/win/Menus.h"
#include "platform/win/MessageViews.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/Windows.h"

namespace plat {

namespace {

// What a button needs around its content: a 16 x 16 image in the default
// 23 x 22 button.
constexpr int kSpareWidth = 7;
constexpr int kSpareHeight = 6;
// Between the image and the caption: below it, or beside it (List).
constexpr int kGapBelow = 2;
constexpr int kGapBeside = 4;

// The bar whose menu is being tracked and its message filter: the hook is a
// plain function, and the window layer tracks one menu at a time.
TToolBar* gTrackingBar = nullptr;
HHOOK gMenuHook = nullptr;

TSize ImageSize(const TImageList* Images) { return Images ? TSize{Images->Width(), Images->Height()} : TSize{0, 0}; }

}  // namespace

TToolBar::TToolBar(TComponent* AOwner) : TToolWindow(AOwner) {
  SetControlStyle({TControlStyleItem::csAcceptsControls, TControlStyleItem::csCaptureMouse,
                   TControlStyleItem::csClickEvents, TControlStyleItem::csDoubleClicks, TControlStyleItem::csOpaque});
  SetEdgeBorders({TEdgeBorder::ebTop});
  SetColor(clBtnFace);
  SetParentColor(false);
  SetBounds(Left(), Top(), 150, 29);
  SetAlign(TAlign::alTop);
  // A changed list may change the buttons' size and pictures.
  for (TChangeLink* link : {&FImagesLink, &FHotImagesLink, &FDisabledImagesLink})
    link->OnChange = [this](TObject*) { LayOut(); };
}

TToolBar::~TToolBar() = default;

TToolButton* TToolBar::Buttons(int Index) const {
  if (Index < 0 || Index >= ButtonCount()) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  return FButtons[static_cast<std::size_t>(Index)];
}

// Properties.

void TToolBar::SetButtonWidth(int Value) {
  Value = std::max(Value, 0);
  if (FButtonWidth == Value) return;
  FButtonWidth = Value;
  LayOut();
}

void TToolBar::SetButtonHeight(int Value) {
  Value = std::max(Value, 0);
  if (FButtonHeight == Value) return;
  FButtonHeight = Value;
  LayOut();
}

void TToolBar::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  Invalidate();
}

void TToolBar::SetShowCaptions(bool Value) {
  if (FShowCaptions == Value) return;
  FShowCaptions = Value;
  LayOut();
}

void TToolBar::SetList(bool Value) {
  if (FList == Value) return;
  FList = Value;
  LayOut();
}

void TToolBar::SetIndent(int Value) {
  Value = std::max(Value, 0);
  if (FIndent == Value) return;
  FIndent = Value;
  LayOut();
}

void TToolBar::SetWrapable(bool Value) {
  if (FWrapable == Value) return;
  FWrapable = Value;
  LayOut();
}

void TToolBar::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Invalidate();
}

void TToolBar::SetAutoSize(bool Value) {
  if (AutoSize() == Value) return;
  TToolWindow::SetAutoSize(Value);
  LayOut();
}

void TToolBar::SetImageList(TImageList*& Field, TChangeLink& Link, TImageList* Value) {
  if (Field == Value) return;
  if (Field) {
    Field->UnRegisterChanges(&Link);
    Field->RemoveFreeNotification(this);
  }
  Field = Value;
  if (Value) {
    Value->RegisterChanges(&Link);
    Value->FreeNotification(this);
  }
  LayOut();
}

void TToolBar::SetImages(TImageList* Value) { SetImageList(FImages, FImagesLink, Value); }
void TToolBar::SetHotImages(TImageList* Value) { SetImageList(FHotImages, FHotImagesLink, Value); }
void TToolBar::SetDisabledImages(TImageList* Value) { SetImageList(FDisabledImages, FDisabledImagesLink, Value); }

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TToolWindow::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove) return;
  for (TImageList** field : {&FImages, &FHotImages, &FDisabledImages}) {
    if (AComponent == *field) {
      *field = nullptr;
      LayOut();
    }
  }
}

// Layout.

TSize TToolBar::ContentSize(TToolButton* Button, TFontMeasure& Measure) {
  const TSize image = ImageSize(FImages);
  TSize text{0, 0};
  const String caption = Button->Caption();
  if (FShowCaptions && !caption.empty()) {
    RECT r{0, 0, 0, 0};
    DrawText(Measure.DC(), caption.c_str(), static_cast<int>(caption.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    text = {r.Width(), r.Height()};
  }
  const bool both = image.cx > 0 && text.cx > 0;
  if (FList)
    return {image.cx + (both ? kGapBeside : 0) + text.cx + kSpareWidth, std::max(image.cy, text.cy) + kSpareHeight};
  return {std::max(image.cx, text.cx) + kSpareWidth, image.cy + (both ? kGapBelow : 0) + text.cy + kSpareHeight};
}

void TToolBar::LayOut() {
  if (FLayingOut || ComponentState().Contains(TComponentStateItem::csLoading) ||
      ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  FLayingOut = true;
  const ScopeExit done([this] { FLayingOut = false; });
  for (TToolButton* b : FButtons) b->TakeFromMenuItem();

  // The common button size: the bar's, grown to the largest content.
  std::vector<TSize> content(FButtons.size());
  TSize common{FButtonWidth, FButtonHeight};
  TFontMeasure measure(Font());
  for (std::size_t i = 0; i < FButtons.size(); ++i) {
    TToolButton* b = FButtons[i];
    if (!b->Visible() || b->IsGap()) continue;
    content[i] = ContentSize(b, measure);
    if (!b->AutoSize()) common.cx = std::max(common.cx, content[i].cx);
    common.cy = std::max(common.cy, content[i].cy);
  }

  const TRect edge = EdgeSizes();
  const int right = Width() - edge.Left - edge.Right;
  int x = FIndent;
  int row = 0;
  bool rowUsed = false;
  for (std::size_t i = 0; i < FButtons.size(); ++i) {
    TToolButton* b = FButtons[i];
    if (!b->Visible()) continue;
    int w = b->IsGap() ? b->FGapWidth : b->AutoSize() ? content[i].cx : common.cx;
    if (b->Style() == TToolButtonStyle::tbsDropDown) w += TToolButton::kArrowPartWidth;
    if (FWrapable && rowUsed && x + w > right) {
      ++row;
      x = FIndent;
    }
    b->Place(Bounds(x, row * common.cy, w, common.cy));
    x += w;
    rowUsed = true;
    if (b->Wrap()) {
      ++row;
      x = FIndent;
      rowUsed = false;
    }
  }
  FRowCount = rowUsed ? row + 1 : row;
  if (AutoSize() && FRowCount > 0) SetHeight(FRowCount * common.cy + edge.Top + edge.Bottom);
  Invalidate();
}

void TToolBar::Loaded() {
  TToolWindow::Loaded();
  LayOut();
}

void TToolBar::Resize() {
  TToolWindow::Resize();
  LayOut();
}

void TToolBar::EdgeChanged() {
  TToolWindow::EdgeChanged();
  LayOut();
}

void TToolBar::CMControlListChange(TMessage& Message) {
  auto* control = reinterpret_cast<TControl*>(Message.WParam);
  if (Message.LParam) {
    if (auto* button = dynamic_cast<TToolButton*>(control)) FButtons.push_back(button);
  } else {
    // A button going away is no longer a tool button: it is found by address.
    std::erase_if(FButtons, [control](TToolButton* b) { return static_cast<TControl*>(b) == control; });
    for (TToolButton** b : {&FMenuButton, &FNextMenuButton, &FKeyboardButton})
      if (static_cast<TControl*>(*b) == control) *b = nullptr;
  }
  LayOut();
}

// Check groups: the grouped check buttons next to Button in Index order.

void TToolBar::LiftGroup(TToolButton* Button) {
  if (Button->Style() != TToolButtonStyle::tbsCheck) return;
  const auto at = std::find(FButtons.begin(), FButtons.end(), Button);
  if (at == FButtons.end()) return;
  const auto inGroup = [](TToolButton* b) { return b->Style() == TToolButtonStyle::tbsCheck && b->Grouped(); };
  auto first = at;
  while (first != FButtons.begin() && inGroup(*(first - 1))) --first;
  for (auto it = first; it != FButtons.end() && inGroup(*it); ++it) {
    if (*it != Button && (*it)->Down()) {
      (*it)->FDown = false;
      (*it)->Invalidate();
    }
  }
}

// Keys.

void TToolBar::CMDialogChar(TMessage& Message) {
  if (!FShowCaptions || !Enabled() || !Showing()) return;
  const auto ch = static_cast<char32_t>(Message.WParam);
  for (TToolButton* b : FButtons) {
    // Menu buttons answer to Alt with their mnemonic, through the form's menu keys.
    if (b->IsGap() || b->HasSubMenu() || !b->Visible() || !b->Enabled() || !IsAccel(ch, b->Caption())) continue;
    b->Click();
    Message.Result = 1;
    return;
  }
}

void TToolBar::WndProc(TMessage& Message) {
  // The open menu's messages (its popups opening, owner drawing) are its menu's.
  if (FMenuButton && FMenuButton->MenuItem()) {
    if (TMenu* menu = FMenuButton->MenuItem()->GetParentMenu(); menu && menu->DispatchMenuMessage(Message)) return;
  }
  switch (Message.Msg) {
    case CM_APPSYSCOMMAND: CMAppSysCommand(Message); return;
    case WM_GETDLGCODE:
      if (FMenuKeys) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
      }
      break;
    case WM_KILLFOCUS:
      TToolWindow::WndProc(Message);
      LeaveMenuKeys(false);
      return;
    default: break;
  }
  switch (Message.Msg) {
    case CM_CONTROLLISTCHANGE:
      TToolWindow::WndProc(Message);
      CMControlListChange(Message);
      return;
    case CM_DIALOGCHAR: CMDialogChar(Message); return;
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED:
      TToolWindow::WndProc(Message);
      LayOut();
      return;
    default: TToolWindow::WndProc(Message); return;
  }
}

// The menu bar.

bool TToolBar::IsMenuButton(const TToolButton* Button) const {
  // The item's state counts, also before the button has taken it.
  return Button->HasSubMenu() && Button->MenuItem()->Enabled() && Button->MenuItem()->Visible();
}

TToolButton* TToolBar::NextMenuButton(const TToolButton* From, bool Forward) const {
  const auto count = static_cast<std::ptrdiff_t>(FButtons.size());
  const auto found = std::find(FButtons.begin(), FButtons.end(), From);
  // Without a button to start from: the first (or last) one counts.
  const std::ptrdiff_t at = found != FButtons.end() ? found - FButtons.begin() : Forward ? -1 : count;
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t i = ((Forward ? at + step : at - step) % count + count) % count;
    if (IsMenuButton(FButtons[static_cast<std::size_t>(i)])) return FButtons[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

TToolButton* TToolBar::MenuButtonFor(char32_t Char) const {
  for (TToolButton* b : FButtons)
    if (IsMenuButton(b) && IsAccel(Char, b->Caption())) return b;
  return nullptr;
}

LRESULT TToolBar::MenuFilter(int Code, WPARAM WParam, LPARAM LParam) {
  if (Code == MSGF_MENU && gTrackingBar && gTrackingBar->MenuLoopMessage(*reinterpret_cast<const MSG*>(LParam)))
    return 1;
  return CallNextHookEx(gMenuHook, Code, WParam, LParam);
}

bool TToolBar::MenuLoopMessage(const MSG& Msg) {
  TToolButton* next = nullptr;
  if (Msg.message == WM_KEYDOWN) {
    const TKeyMessage key = TKeyMessage::From(Msg.message, Msg.wParam, Msg.lParam);
    if (key.Key == VK_LEFT || key.Key == VK_RIGHT) next = NextMenuButton(FMenuButton, key.Key == VK_RIGHT);
  } else if (Msg.message == WM_MOUSEMOVE && Msg.hwnd) {
    POINT screen = TMouseMessage::From(Msg.message, Msg.wParam, Msg.lParam).Pos;
    ::plat::ClientToScreen(Msg.hwnd, &screen);
    next = dynamic_cast<TToolButton*>(ControlAtPos(ScreenToClient(screen), false));
    if (next && !IsMenuButton(next)) next = nullptr;
  }
  if (!next || next == FMenuButton) return false;
  FNextMenuButton = next;
  EndMenu();
  return true;
}

bool TToolBar::TrackMenu(TToolButton* Button) {
  if (FMenuButton || gTrackingBar || !Button || Button->Parent() != this) return false;
  Button->TakeFromMenuItem();
  if (!IsMenuButton(Button)) return false;
  gMenuHook = SetWindowsHookEx(WH_MSGFILTER, &TToolBar::MenuFilter, nullptr, GetCurrentThreadId());
  gTrackingBar = this;
  const ScopeExit unhooked([] {
    UnhookWindowsHookEx(gMenuHook);
    gMenuHook = nullptr;
    gTrackingBar = nullptr;
  });
  TMenu* menu = nullptr;
  UINT command = 0;
  for (TToolButton* b = Button; b && command == 0;) {
    b->TakeFromMenuItem();
    if (!IsMenuButton(b)) break;
    TMenuItem* item = b->MenuItem();
    menu = item->GetParentMenu();
    FMenuButton = b;
    FNextMenuButton = nullptr;
    SetKeyboardButton(FMenuKeys ? b : nullptr);
    b->FMenuShown = true;
    b->Invalidate();
    Update();
    const ScopeExit closed([this] {
      if (FMenuButton) {
        FMenuButton->FMenuShown = false;
        FMenuButton->Invalidate();
      }
      FMenuButton = nullptr;
    });
    const TPoint topLeft = b->ClientToScreen({0, 0});
    const TRect onScreen = Bounds(topLeft.X, topLeft.Y, b->Width(), b->Height());
    TPMPARAMS params;
    params.rcExclude = onScreen;
    command = static_cast<UINT>(
        TrackPopupMenuEx(item->Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_VERTICAL | TPM_RETURNCMD,
                         onScreen.Left, onScreen.Bottom, Handle(), &params));
    b = FNextMenuButton;
  }
  LeaveMenuKeys(true);
  // Chosen: the item runs once the menus are closed.
  if (command != 0 && menu) menu->DispatchCommand(static_cast<Word>(command));
  return true;
}

void TToolBar::SetKeyboardButton(TToolButton* Button) {
  if (FKeyboardButton == Button) return;
  if (FKeyboardButton) {
    FKeyboardButton->FHot = false;
    FKeyboardButton->Invalidate();
  }
  FKeyboardButton = Button;
  if (Button) {
    Button->FHot = true;
    Button->Invalidate();
  }
}

void TToolBar::EnterMenuKeys() {
  TToolButton* first = NextMenuButton(nullptr, true);
  if (!first || !CanFocus()) return;
  FFocusBeforeMenuKeys = GetFocus();
  SetFocus();
  FMenuKeys = true;
  SetKeyboardButton(first);
}

void TToolBar::LeaveMenuKeys(bool RestoreFocus) {
  if (!FMenuKeys) return;
  FMenuKeys = false;
  SetKeyboardButton(nullptr);
  const HWND before = FFocusBeforeMenuKeys;
  FFocusBeforeMenuKeys = nullptr;
  if (RestoreFocus && before && IsWindow(before)) ::plat::SetFocus(before);
}

void TToolBar::CMAppSysCommand(TMessage& Message) {
  if (!Showing() || !Enabled() || FMenuButton) return;
  const auto ch = static_cast<char32_t>(Message.LParam);
  if (ch == 0) {
    // Alt or F10 alone: into the menu keys, or out of them again.
    if (FMenuKeys) {
      LeaveMenuKeys(true);
    } else {
      EnterMenuKeys();
      if (!FMenuKeys) return;
    }
    Message.Result = 1;
    return;
  }
  if (TToolButton* button = MenuButtonFor(ch)) {
    Message.Result = 1;
    TrackMenu(button);
  }
}

void TToolBar::MenuKeyDown(std::uint16_t& Key) {
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
      if (TToolButton* next = NextMenuButton(FKeyboardButton, Key == VK_RIGHT)) SetKeyboardButton(next);
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
      if (FKeyboardButton) TrackMenu(FKeyboardButton);
      break;
    case VK_ESCAPE: LeaveMenuKeys(true); break;
    default: return;
  }
  Key = 0;
}

void TToolBar::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (FMenuKeys) MenuKeyDown(Key);
  if (Key != 0) TToolWindow::KeyDown(Key, Shift);
}

void TToolBar::KeyPress(char32_t& Key) {
  if (FMenuKeys) {
    if (TToolButton* button = MenuButtonFor(Key)) {
      Key = 0;
      TrackMenu(button);
      return;
    }
  }
  TToolWindow::KeyPress(Key);
}

// Painting.

void TToolBar::EraseBackground(HDC) {}

TBitmap* TToolBar::DitherPattern() {
  if (!FDither) {
    FDither = std::make_unique<TBitmap>();
    FDither->SetSize(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) FDither->Canvas()->SetPixels(x, y, (x + y) % 2 ? clBtnFace : clBtnHighlight);
  }
  return FDither.get();
}

void TToolBar::ResetCanvas() {
  TCanvas& canvas = *Canvas();
  canvas.SetFont(*Font());
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
  canvas.Pen()->SetColor(clBtnText);
}

TCustomDrawState TToolBar::DrawState(TToolButton* Button) const {
  TCustomDrawState state;
  if (Button->Hot()) state.Include(TCustomDrawStateItem::cdsHot);
  if (Button->Pressed()) state.Include(TCustomDrawStateItem::cdsSelected);
  if (Button->Down()) state.Include(TCustomDrawStateItem::cdsChecked);
  if (!Button->Enabled() || !Enabled()) state.Include(TCustomDrawStateItem::cdsDisabled);
  if (Button->Indeterminate()) state.Include(TCustomDrawStateItem::cdsIndeterminate);
  if (Button->Marked()) state.Include(TCustomDrawStateItem::cdsMarked);
  return state;
}

void TToolBar::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  const auto advanced = [&](TCustomDrawStage Stage, bool& DefaultDraw) {
    ResetCanvas();
    if (OnAdvancedCustomDraw) OnAdvancedCustomDraw(this, client, Stage, DefaultDraw);
  };

  bool defaultErase = true;
  advanced(TCustomDrawStage::cdPreErase, defaultErase);
  if (defaultErase) {
    canvas.Brush()->SetColor(FTransparent && Parent() ? Parent()->Color() : Color());
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(client);
  }
  bool ignored = true;
  advanced(TCustomDrawStage::cdPostErase, ignored);

  bool defaultPaint = true;
  ResetCanvas();
  if (OnCustomDraw) OnCustomDraw(this, client, defaultPaint);
  advanced(TCustomDrawStage::cdPrePaint, defaultPaint);
  if (defaultPaint) {
    RECT clip;
    GetClipBox(canvas.Handle(), &clip);
    for (TToolButton* b : FButtons) {
      if (!b->Visible() || !b->BoundsRect().Intersects(clip)) continue;
      const TCustomDrawState state = DrawState(b);
      TTBCustomDrawFlags flags;
      bool defaultButton = true;
      ResetCanvas();
      if (OnCustomDrawButton) OnCustomDrawButton(this, b, state, defaultButton);
      if (OnAdvancedCustomDrawButton)
        OnAdvancedCustomDrawButton(this, b, state, TCustomDrawStage::cdPrePaint, flags, defaultButton);
      ResetCanvas();
      if (defaultButton) PaintButton(b, state, flags);
      if (OnAdvancedCustomDrawButton) {
        bool unused = true;
        ResetCanvas();
        OnAdvancedCustomDrawButton(this, b, state, TCustomDrawStage::cdPostPaint, flags, unused);
      }
    }
  }
  ignored = true;
  advanced(TCustomDrawStage::cdPostPaint, ignored);
}

void TToolBar::PaintGap(TToolButton* Button) {
  if (Button->Style() != TToolButtonStyle::tbsDivider && !FFlat) return;
  // An etched line down the middle.
  const TRect r = Button->BoundsRect();
  RECT line{r.Left + r.Width() / 2 - 1, r.Top + 1, r.Left + r.Width() / 2 + 1, r.Bottom - 1};
  DrawEdge(Canvas()->Handle(), &line, EDGE_ETCHED, BF_LEFT);
}

void TToolBar::PaintButton(TToolButton* Button, TCustomDrawState State, TTBCustomDrawFlags Flags) {
  if (Button->IsGap()) {
    PaintGap(Button);
    return;
  }
  TCanvas& canvas = *Canvas();
  const HDC dc = canvas.Handle();
  const bool hot = State.Contains(TCustomDrawStateItem::cdsHot);
  const bool pushed = State.Contains(TCustomDrawStateItem::cdsSelected) || Button->Down();
  TRect face = Button->BoundsRect();
  TRect arrow = face;
  if (Button->Style() == TToolButtonStyle::tbsDropDown) {
    face.Right -= TToolButton::kArrowPartWidth;
    arrow.Left = face.Right;
  } else {
    arrow = {};
  }

  if (hot && Flags.Contains(TTBCustomDrawFlag::tbHiliteHotTrack)) {
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(Button->BoundsRect());
  }
  for (const TRect& part : {face, arrow}) {
    if (part.IsEmpty() || Flags.Contains(TTBCustomDrawFlag::tbNoEdges)) continue;
    RECT r = part;
    if (!FFlat) {
      DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    } else if (pushed) {
      DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot) {
      DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
  }
  // A check button that is down but not held shows a face dithered with the
  // highlight; a marked one the highlight.
  const TRect inner = face.Inflated(-2, -2);
  if (Button->Marked() && !Flags.Contains(TTBCustomDrawFlag::tbNoMark)) {
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(inner);
  } else if (Button->Down() && !State.Contains(TCustomDrawStateItem::cdsSelected) && !hot) {
    canvas.Brush()->SetBitmap(DitherPattern());
    canvas.FillRect(inner);
    canvas.Brush()->SetBitmap(nullptr);
  }
  if (!arrow.IsEmpty()) {
    // A small triangle pointing down.
    const bool enabled = !State.Contains(TCustomDrawStateItem::cdsDisabled);
    const int cx = arrow.Left + arrow.Width() / 2 + (pushed ? 1 : 0);
    const int cy = arrow.Top + arrow.Height() / 2 + (pushed ? 1 : 0);
    canvas.Brush()->SetColor(enabled ? clBtnText : clGrayText);
    canvas.Pen()->SetColor(enabled ? clBtnText : clGrayText);
    const TPoint triangle[] = {{cx - 2, cy - 1}, {cx + 2, cy - 1}, {cx, cy + 1}};
    canvas.Polygon(triangle);
  }
  if (pushed && !Flags.Contains(TTBCustomDrawFlag::tbNoOffset)) face = face.Translated(1, 1);
  PaintContent(Button, face, State, Flags);
}

void TToolBar::PaintContent(TToolButton* Button, TRect Rect, TCustomDrawState State, TTBCustomDrawFlags Flags) {
  TCanvas& canvas = *Canvas();
  const bool disabled = State.Contains(TCustomDrawStateItem::cdsDisabled);
  const bool greyed = disabled || Button->Indeterminate();
  TImageList* images = FImages;
  if (greyed && FDisabledImages) {
    images = FDisabledImages;
  } else if (State.Contains(TCustomDrawStateItem::cdsHot) && FHotImages) {
    images = FHotImages;
  }
  const TSize image = ImageSize(FImages);
  const String caption = FShowCaptions ? Button->Caption() : String();
  TPoint imageAt;
  TRect textRect = Rect;
  UINT format = DT_SINGLELINE;
  if (FList) {
    imageAt = {Rect.Left + kSpareWidth / 2, Rect.Top + (Rect.Height() - image.cy) / 2};
    textRect.Left = imageAt.X + image.cx + (image.cx > 0 ? kGapBeside : 0);
    format |= DT_VCENTER;
  } else if (caption.empty()) {
    imageAt = {Rect.Left + (Rect.Width() - image.cx) / 2, Rect.Top + (Rect.Height() - image.cy) / 2};
  } else {
    imageAt = {Rect.Left + (Rect.Width() - image.cx) / 2, Rect.Top + kSpareHeight / 2};
    textRect.Top = imageAt.Y + image.cy + (image.cy > 0 ? kGapBelow : 0);
    textRect.Bottom -= kSpareHeight / 2;
    format |= DT_CENTER | (image.cy > 0 ? 0 : DT_VCENTER);
  }
  if (images && Button->ImageIndex() >= 0 && Button->ImageIndex() < images->Count())
    images->Draw(&canvas, imageAt.X, imageAt.Y, Button->ImageIndex(), !greyed || images == FDisabledImages);
  if (caption.empty()) return;
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  if (greyed && !Flags.Contains(TTBCustomDrawFlag::tbNoEtchedEffect)) {
    TRect lower = textRect.Translated(1, 1);
    canvas.Font()->SetColor(clBtnHighlight);
    DrawCanvasText(canvas, caption, lower, format);
    canvas.Font()->SetColor(clBtnShadow);
  } else if (greyed) {
    canvas.Font()->SetColor(clGrayText);
  }
  DrawCanvasText(canvas, caption, textRect, format);
}

}  // namespace plat
