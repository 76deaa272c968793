// Balloon tips over the cells: the tool tip window that Balloon.Enable
// makes and frees, and the text it asks for the cell under the pointer.
#include "extgrid/TExtStringGrid.h"
#include "extgrid/TExtRichEdit.h"
#include "extgrid/detail/BalloonText.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/HtmlText.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Mouse.h"
#include "platform/win/ToolTips.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace zorbit {

namespace {

const char kFirstTitle[] = "ToolTipText";
constexpr int kFirstIcon = 3;
constexpr int kDefaultIcon = 1;

}  // namespace

void TExtStringGrid::BalloonEnableChanged() {
  if (Loading()) return;
  if (FBalloon->Enable())
    CreateBalloonWindow();
  else
    DestroyBalloonWindow();
}

void TExtStringGrid::CreateBalloonWindow() {
  if (FBalloonWindow || !HandleAllocated() || !FBalloon->Enable()) return;
  FBalloonWindow = plat::CreateWindowExA(0, plat::TOOLTIPS_CLASS, nullptr, plat::TTS_ALWAYSTIP | plat::TTS_BALLOON, 0,
                                         0, 0, 0, Handle(), nullptr, nullptr, nullptr);
  if (!FBalloonWindow) return;
  plat::SetWindowPos(FBalloonWindow, plat::HWND_TOPMOST, 0, 0, 0, 0,
                     plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE);
  plat::TOOLINFOA tool;
  tool.uFlags = plat::TTF_IDISHWND | plat::TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<plat::UINT_PTR>(Handle());
  const plat::TRect client = ClientRect();
  tool.rect = {client.Left, client.Top, client.Right, client.Bottom};
  tool.lpszText = plat::LPSTR_TEXTCALLBACK;
  plat::SendMessageA(FBalloonWindow, plat::TTM_ADDTOOL, 0, reinterpret_cast<plat::LPARAM>(&tool));
  plat::SendMessageA(FBalloonWindow, plat::TTM_SETTITLE, detail::BalloonIcon(kFirstIcon),
                     reinterpret_cast<plat::LPARAM>(kFirstTitle));
  const struct {
    plat::WPARAM Which;
    int Delay;
  } delays[] = {{plat::TTDT_INITIAL, FBalloon->InitialDelay()},
                {plat::TTDT_RESHOW, FBalloon->ReshowDelay()},
                {plat::TTDT_AUTOPOP, FBalloon->AutoHideDelay()}};
  for (const auto& d : delays)
    if (d.Delay != -1) plat::SendMessageA(FBalloonWindow, plat::TTM_SETDELAYTIME, d.Which, d.Delay);
  if (FBalloon->Transparency() != 0) {
    plat::SetWindowLongPtrA(FBalloonWindow, plat::GWL_EXSTYLE,
                            plat::GetWindowLongPtrA(FBalloonWindow, plat::GWL_EXSTYLE) | plat::WS_EX_LAYERED);
    plat::SetLayeredWindowAttributes(FBalloonWindow, 0, static_cast<plat::Byte>(255 - FBalloon->Transparency()),
                                     plat::LWA_ALPHA);
  }
}

void TExtStringGrid::DestroyBalloonWindow() {
  if (!FBalloonWindow) return;
  if (plat::IsWindow(FBalloonWindow)) plat::DestroyWindow(FBalloonWindow);
  FBalloonWindow = nullptr;
}

plat::String TExtStringGrid::BalloonCellText(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return {};
  const plat::String text = GetCellText(DisplayToRealCol(ACol), ARow);
  if (text.starts_with(UnicodeCellMarker)) return plat::WideToUtf8(DecodeUnicodeCellText(text));
  if (text.starts_with("{\\rtf") && LoadRichCell(text)) return FRichEdit->Text();
  return StripHtml(text);
}

void TExtStringGrid::BalloonNeedsText(plat::NMTTDISPINFOA& Info) {
  if (!FBalloon->Enable()) return;
  plat::POINT cursor{};
  plat::GetCursorPos(&cursor);
  const plat::TPoint client = ScreenToClient(cursor);
  const plat::TGridCoord cell = MouseCoord(client.X, client.Y);
  plat::String text = detail::BalloonText(BalloonCellText(cell.X, cell.Y));
  plat::String title = " ";
  int icon = kDefaultIcon;
  if (OnCellBalloon) OnCellBalloon(this, cell.X, cell.Y, title, text, icon);
  FBalloonCell = cell;
  FBalloonText = text;
  Info.lpszText = FBalloonText.data();
  const plat::HWND tip = Info.hdr.hwndFrom;
  if (FBalloon->TextColor() != plat::clNone)
    plat::SendMessageA(tip, plat::TTM_SETTIPTEXTCOLOR, plat::ColorToColorRef(FBalloon->TextColor()), 0);
  if (FBalloon->BackgroundColor() != plat::clNone)
    plat::SendMessageA(tip, plat::TTM_SETTIPBKCOLOR, plat::ColorToColorRef(FBalloon->BackgroundColor()), 0);
  FBalloonTitle = detail::BalloonTitle(title);
  plat::SendMessageA(tip, plat::TTM_SETTITLE, detail::BalloonIcon(icon),
                     reinterpret_cast<plat::LPARAM>(FBalloonTitle.c_str()));
}

}  // namespace zorbit
