#include "skin/SkForm.h"

#include <algorithm>

#include "platform/gdi/Region.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TMainMenu.h"
#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "skin/SkFormConsts.h"
#include "skin/SkMainMenu.h"
#include "skin/SkMgr.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinPictures.h"
#include "skin/detail/FrameLimits.h"
#include "skin/detail/ThemeSource.h"

namespace zorbit {

namespace {

// The class library's notifications after which a form's window may carry
// its caption again (a recreated window among them).
constexpr plat::UINT CM_FLOATING_NOTIFY = 0xB03A;
constexpr plat::UINT CN_STYLE_NOTIFY = 0xBE10;

constexpr plat::DWORD CaptionBits = plat::WS_CAPTION;

// Shared by every frame: size messages seen while a form created maximized
// stays maximized (the second one maximizes it again for good).
int gMaximizedSizes = 0;

}  // namespace

TskForm::TskForm(plat::TComponent* AOwner) : plat::TCustomPanel(AOwner) {
  auto* form = dynamic_cast<plat::TCustomForm*>(AOwner);
  bool first = form != nullptr;
  for (int i = 0; first && i < form->ControlCount(); ++i) first = dynamic_cast<TskForm*>(form->Controls(i)) == nullptr;

  FTitleBar = new TskTitleBar(this);
  if (!first) return;
  FForm = form;
  form->Constraints()->SetMinHeight(50);
  form->Constraints()->SetMinWidth(125);
  Constraints()->SetMinHeight(50);
  Constraints()->SetMinWidth(125);
  form->SetBorderWidth(0);
  FCreatedBounds = form->BoundsRect();
  FCreatedMaximized = form->WindowState() == plat::TWindowState::wsMaximized;

  FTitleBar->SetParent(this);
  FTitleBar->SetAlign(plat::TAlign::alTop);
  FMenuBarColor = Color();
  SetBevelOuter(plat::TPanelBevel::bvNone);
  SetBevelInner(plat::TPanelBevel::bvNone);
  SetBorderStyle(plat::TBorderStyle::bsNone);
  SetAlign(plat::TAlign::alClient);
  SetParent(form);
  SetCaption(form->Caption());
  SetTitleBarVisible(true);
  plat::TCustomPanel::SetCaption(" ");

  TakeOverForm();
  SetUIStyle(TskUIStyle::DeepBlue);
}

TskForm::~TskForm() {
  FDestroying = true;
  // A menu that outlives the frame must not reach it.
  if (auto* menu = dynamic_cast<TskMainMenu*>(FMenu)) menu->SetFrame(nullptr);
  GiveBackForm();
  delete FAppEvents;
  FAppEvents = nullptr;
  RemoveMenuBar();
  delete FTitleBar;
  FTitleBar = nullptr;
}

void TskForm::TakeOverForm() {
  using plat::TFormBorderStyle;
  const TFormBorderStyle style = FForm->BorderStyle();
  if (style == TFormBorderStyle::bsNone || style == TFormBorderStyle::bsSingle ||
      style == TFormBorderStyle::bsToolWindow)
    FForm->SetBorderStyle(TFormBorderStyle::bsDialog);
  FPreviousWindowProc = FForm->WindowProc;
  FForm->WindowProc = [this](plat::TMessage& Message) { FormHook(Message); };
  FAppEvents = new plat::TApplicationEvents(nullptr);
  FAppEvents->OnMessage = [this](plat::MSG& Msg, bool& Handled) { ApplicationMessage(Msg, Handled); };
  StripCaption();
}

void TskForm::GiveBackForm() {
  if (!FForm) return;
  FForm->WindowProc = FPreviousWindowProc;
  if (FForm->ComponentState().Contains(plat::TComponentStateItem::csDestroying) || !FForm->HandleAllocated()) return;
  const plat::HWND window = FForm->Handle();
  plat::SetWindowLong(window, plat::GWL_STYLE, plat::GetWindowLong(window, plat::GWL_STYLE) | CaptionBits);
  plat::SetWindowRgn(window, nullptr, true);
  RecomputeFrame();
}

void TskForm::StripCaption() {
  if (!FForm || !FForm->HandleAllocated()) return;
  const plat::HWND window = FForm->Handle();
  const auto style = static_cast<plat::DWORD>(plat::GetWindowLong(window, plat::GWL_STYLE));
  if (!(style & CaptionBits)) return;
  plat::SetWindowLong(window, plat::GWL_STYLE, static_cast<plat::LONG>(style & ~CaptionBits));
  RecomputeFrame();
}

void TskForm::RecomputeFrame() {
  if (!FForm || !FForm->HandleAllocated()) return;
  plat::SetWindowPos(
      FForm->Handle(), nullptr, 0, 0, 0, 0,
      plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOZORDER | plat::SWP_NOACTIVATE | plat::SWP_FRAMECHANGED);
  // The client area changed without a size message: the frame fills it again.
  FForm->Realign();
}

// Properties.

void TskForm::SetUIStyle(TskUIStyle Value) {
  FUIStyle = Value;
  const TskThemeSource source(FFileTheme, Value);
  FBorderColor = source.Color(element::FormBorderColor);
  FBorderWidth = ClampBorderWidth(source.Int(element::FormBorderWidthInt));
  plat::TCustomPanel::SetColor(source.Color(element::FormBackgroundColor));
  FSideBorder.reset();
  FLeftBorder.reset();
  FBottomBorder.reset();
  FBottomBorderHeight = 0;
  if (source.FromFile()) {
    if (FMenuBar) {
      plat::TColor bar = source.Color(element::MenuMenuBarColor);
      if (bar == -1) {
        const plat::TColor control = source.Color(element::ControlFontColor);
        bar = control == 0x20000 ? 0xAC5B3B : control == 0x30000 ? 0x996733 : Color();
      }
      SetMenuBarColor(bar);
    }
    FTitleBar->SetRoundCorner(ClampCorner(source.Int(element::FormRoundCornerInt)));
    FTitleBar->SetRoundCornerBottom(ClampCorner(source.Int(element::FormBottomRoundCornerInt)));
    auto left = std::make_unique<plat::TBitmap>();
    source.Bitmap(element::FormLeftBorderImage, *left);
    if (!left->Empty()) {
      FSideBorder = std::make_unique<plat::TBitmap>();
      FSideBorder->Assign(*left);
      Rotate180(*FSideBorder);
      FLeftBorder = std::move(left);
    }
    auto bottom = std::make_unique<plat::TBitmap>();
    source.Bitmap(element::FormBottomBorderImage, *bottom);
    if (!bottom->Empty()) {
      FBottomBorderHeight = bottom->Height();
      FBottomBorder = std::move(bottom);
    }
  } else {
    SetMenuBarColor(Color());
    FTitleBar->SetRoundCorner(ClampCorner(source.Int(element::FormRoundCornerInt)));
    FTitleBar->SetRoundCornerBottom(0);
  }

  FTitleBar->SetFileTheme(FFileTheme);
  FTitleBar->SetUIStyle(FUIStyle);
  if (auto* menu = dynamic_cast<TskMainMenu*>(FMenu)) {
    menu->SetUIStyle(FUIStyle);
    menu->SetFileTheme(FFileTheme);
  }
  if (FUIStyleAutoUpdateSub) ContainerApplyUIStyle(*this, FUIStyle, FFileTheme);

  RecomputeFrame();
  BuildRegion();
  Invalidate();
  PaintBorder();
}

void TskForm::SetFileTheme(TskFileTheme* Value) {
  // The same theme again re-applies only when it loaded a file since.
  const int loads = Value ? Value->LoadCount() : 0;
  if (Value == FFileTheme && loads == FThemeLoads) return;
  if (FFileTheme && FFileTheme != Value) FFileTheme->RemoveFreeNotification(this);
  FFileTheme = Value;
  FThemeLoads = loads;
  if (Value) Value->FreeNotification(this);
  SetUIStyle(FUIStyle);
}

void TskForm::SetBorderColor(plat::TColor Value) {
  FBorderColor = Value;
  PaintBorder();
}

void TskForm::SetBorderWidth(int Value) {
  FBorderWidth = Value;
  PaintBorder();
}

void TskForm::SetColor(plat::TColor Value) { plat::TCustomPanel::SetColor(Value); }

plat::String TskForm::Caption() const { return FTitleBar ? FTitleBar->Caption() : plat::String(); }

void TskForm::SetCaption(const plat::String& Value) {
  if (FTitleBar) FTitleBar->SetCaption(Value);
  if (FForm) FForm->SetCaption(Value);
}

void TskForm::SetTitleBarVisible(bool Value) {
  FTitleBarVisible = Value;
  FTitleBar->SetVisible(Value && FForm);
  FTitleBar->SetTop(0);
  BuildRegion();
  PaintBorder();
}

int TskForm::RoundCorner() const { return FTitleBarVisible && FTitleBar ? FTitleBar->RoundCorner() : 0; }

void TskForm::SetRoundCorner(int Value) {
  FTitleBar->SetRoundCorner(Value);
  BuildRegion();
}

int TskForm::RoundCornerBottom() const { return FTitleBarVisible && FTitleBar ? FTitleBar->RoundCornerBottom() : 0; }

void TskForm::SetRoundCornerBottom(int Value) {
  FTitleBar->SetRoundCornerBottom(Value);
  BuildRegion();
}

void TskForm::SetFormPanel(plat::TCustomPanel* Value) {
  if (Value == this) {
    plat::MessageDlg(plat::LoadResString(SskFormPanelIsFrame), plat::TMsgDlgType::mtError, {plat::TMsgDlgBtn::mbOK}, 0);
    return;
  }
  if (FFormPanel) FFormPanel->RemoveFreeNotification(this);
  FFormPanel = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  Value->SetAlign(plat::TAlign::alClient);
  if (Value->ClassName() != "TskImagePanel") {
    Value->SetBevelOuter(plat::TPanelBevel::bvNone);
    Value->SetBevelInner(plat::TPanelBevel::bvNone);
    Value->SetBorderStyle(plat::TBorderStyle::bsNone);
  }
  Value->SetCaption("");
}

int TskForm::SideBorderWidth() const { return FSideBorder ? FSideBorder->Width() : 0; }

void TskForm::Resize() {
  plat::TCustomPanel::Resize();
  if (FTitleBar && FTitleBar->Visible()) FTitleBar->SetTop(0);
}

void TskForm::Notification(plat::TComponent* AComponent, plat::TOperation Operation) {
  plat::TCustomPanel::Notification(AComponent, Operation);
  if (Operation != plat::TOperation::opRemove) return;
  if (AComponent == FFormPanel) FFormPanel = nullptr;
  if (AComponent == FTitleBar) FTitleBar = nullptr;
  if (AComponent == FMenuBar) FMenuBar = nullptr;
  if (AComponent == FMenu) {
    FMenu = nullptr;
    RemoveMenuBar();
  }
  if (AComponent == FFileTheme && !FDestroying) {
    FFileTheme = nullptr;
    ContainerApplyUIStyle(*this, TskUIStyle::DeepBlue, nullptr);
    SetUIStyle(TskUIStyle::DeepBlue);
  }
}

// The window region: the top corners cut by RoundCorner, the bottom ones by
// RoundCornerBottom.
void TskForm::BuildRegion() {
  if (!FForm || !FForm->HandleAllocated() || FDestroying ||
      ComponentState().Contains(plat::TComponentStateItem::csDesigning))
    return;
  const int w = FForm->Width();
  const int h = FForm->Height();
  const int half = h / 2;
  const int r = std::max(RoundCorner(), 0);
  const int b = std::max(RoundCornerBottom(), 0);
  const plat::HRGN upper = plat::CreateRoundRectRgn(0, 0, w + 1, half + 1, r, r);
  const plat::HRGN lower = plat::CreateRoundRectRgn(0, half, w + 1, h + 1, b, b);
  const auto unite = [](plat::HRGN Target, int Left, int Top, int Right, int Bottom) {
    const plat::HRGN piece = plat::CreateRectRgn(Left, Top, Right, Bottom);
    plat::CombineRgn(Target, Target, piece, plat::RGN_OR);
    plat::DeleteObject(piece);
  };
  unite(upper, 0, half - 2 * r, 2 * r, half);
  unite(upper, w - 2 * r, half - 2 * r, w, half);
  unite(lower, 0, half, 2 * b, half + 2 * b);
  unite(lower, w - 2 * b, half, w, half + 2 * b);
  plat::CombineRgn(upper, upper, lower, plat::RGN_OR);
  plat::DeleteObject(lower);
  plat::SetWindowRgn(FForm->Handle(), upper, true);  // the window owns it now
}

// The hook every message to the form passes.

void TskForm::FormHook(plat::TMessage& Message) {
  if (FDestroying) {
    FPreviousWindowProc(Message);
    return;
  }
  switch (Message.Msg) {
    case plat::WM_NCCALCSIZE:
      if (Message.WParam && Message.LParam) {
        auto* params = reinterpret_cast<plat::NCCALCSIZE_PARAMS*>(Message.LParam);
        plat::TRect proposed = params->rgrc[0];
        if (params->lppos)
          proposed = {params->lppos->x, params->lppos->y, params->lppos->x + params->lppos->cx,
                      params->lppos->y + params->lppos->cy};
        const int side = SideBorderWidth();
        if (side > 0) {
          proposed.Left += side - 2;
          proposed.Right -= side - 2;
        }
        proposed.Bottom -= FBottomBorderHeight - 2;
        params->rgrc[0] = proposed;
        params->rgrc[1] = proposed;
      }
      break;
    case SKM_SIDEBORDERWIDTH: Message.Result = SideBorderWidth(); return;
    case plat::WM_NCPAINT:
      if (FForm->WindowState() == plat::TWindowState::wsMinimized) break;
      PaintBorder();
      Message.Result = 0;
      return;
    default: break;
  }
  FPreviousWindowProc(Message);
  switch (Message.Msg) {
    case plat::WM_KEYDOWN:
    case plat::WM_SYSKEYDOWN:
      if (FMenu && IsActiveFrame()) {
        plat::TWMKey key = plat::TWMKey::From(Message);
        Message.Result = FMenu->IsShortCut(key) ? 1 : 0;
      }
      break;
    case plat::WM_SHOWWINDOW: FForm->SetMenu(nullptr); break;
    case plat::WM_ACTIVATE:
      if (FTitleBar) FTitleBar->SetFormActive(plat::LOWORD(Message.WParam) != plat::WA_INACTIVE);
      break;
    case plat::WM_CREATE:
    case plat::CM_RECREATEWND:
    case CM_FLOATING_NOTIFY:
    case CN_STYLE_NOTIFY: StripCaption(); break;
    case plat::WM_SIZE: FormSized(Message); break;
    default: break;
  }
}

void TskForm::FormSized(plat::TMessage& Message) {
  const bool maximized = Message.WParam == plat::SIZE_MAXIMIZED;
  if (maximized && ComponentState().Contains(plat::TComponentStateItem::csDesigning)) return;
  if (FCreatedMaximized) {
    if (maximized) {
      if (++gMaximizedSizes == 2) FForm->SetWindowState(plat::TWindowState::wsMaximized);
    } else {
      FForm->SetBounds(FCreatedBounds.Left, FCreatedBounds.Top, FCreatedBounds.Width(), FCreatedBounds.Height());
      FCreatedMaximized = false;
    }
  }
  if (maximized && !FPlacingMaximized) {
    // Over the work area, the side edges and the top just off it.
    const plat::TRect area = GetMainWorkArea();
    const plat::TRect target{area.Left - 4, area.Top - 4, area.Right + 4, area.Bottom - 1};
    if (FForm->BoundsRect() != target) {
      FPlacingMaximized = true;
      const plat::ScopeExit placed([this] { FPlacingMaximized = false; });
      plat::SetWindowPos(FForm->Handle(), nullptr, target.Left, target.Top, target.Width(), target.Height(),
                         plat::SWP_NOZORDER | plat::SWP_NOACTIVATE);
    }
  }
  PaintBorder();
  if (FTitleBar) FTitleBar->LayoutButtons();
  BuildRegion();
}

bool TskForm::IsActiveFrame() const { return FForm && FForm->Active() && IsFormActive(FForm); }

void TskForm::ApplicationMessage(plat::MSG& Msg, bool& Handled) {
  if (Handled || FDestroying || !IsActiveFrame()) return;
  if (Msg.message == plat::WM_SYSKEYDOWN && Msg.wParam == plat::VK_SPACE) {
    if (FTitleBar && FTitleBar->ControlMenu()) {
      Handled = true;
      FTitleBar->ControlMenu()->Popup(FForm->Left(), FForm->Top() + FTitleBar->Height());
    }
    return;
  }
  if (Msg.message == plat::WM_KEYDOWN && FMenu) {
    plat::TWMKey key{Msg.message, static_cast<plat::Word>(Msg.wParam), Msg.lParam, 0};
    Handled = FMenu->IsShortCut(key);
  }
}

}  // namespace zorbit
