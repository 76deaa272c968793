// The window messages the grid answers before its inherited handling:
// typed characters and dialog characters, balloon tip notifications, a
// child's commands handed back to it, theme changes and the balloon tip's
// end with the window.
#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/ToolTips.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

namespace {

// Key data bit 29: Alt was held.
constexpr plat::LPARAM kAltDown = 0x20000000;
// Key data bit 22 (scan-code bit 6): the numeric keypad's decimal key.
constexpr plat::LPARAM kKeypadDecimal = 0x00400000;
constexpr plat::WPARAM kCtrlC = 3;
constexpr plat::WPARAM kCtrlV = 22;
constexpr plat::WPARAM kCtrlX = 24;
constexpr plat::WPARAM kTab = 9;
constexpr plat::WPARAM kEscape = 27;
constexpr plat::WPARAM kEnter = 13;

bool CtrlHeld() { return (plat::GetKeyState(plat::VK_CONTROL) & 0x8000) != 0; }

}  // namespace

bool TExtStringGrid::GridWindowMessage(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_CHAR: return CharMessage(Message);
    case plat::CM_DIALOGCHAR:
      // The form's accelerators take no character the grid could use.
      if (Message.LParam & kAltDown) return false;
      Message.Result = 0;
      return true;
    case plat::WM_NOTIFY: {
      auto* header = reinterpret_cast<plat::NMHDR*>(Message.LParam);
      if (!header || !FBalloonWindow || header->hwndFrom != FBalloonWindow) return false;
      if (header->code == plat::TTN_GETDISPINFO)
        BalloonNeedsText(*reinterpret_cast<plat::NMTTDISPINFOA*>(Message.LParam));
      else if (header->code != plat::TTN_SHOW && header->code != plat::TTN_POP)
        return false;
      Message.Result = 0;
      return true;
    }
    case plat::WM_COMMAND: {
      const auto child = reinterpret_cast<plat::HWND>(Message.LParam);
      if (!child || child == Handle() || FInput.ReflectingCommand) return false;
      FInput.ReflectingCommand = true;
      Message.Result = plat::SendMessageA(child, plat::CN_COMMAND, Message.WParam, Message.LParam);
      FInput.ReflectingCommand = false;
      return true;
    }
    case plat::WM_THEMECHANGED:
      if (FAutoThemeAdapt) ApplyXPColors();
      return false;
    case plat::WM_DESTROY: DestroyBalloonWindow(); return false;
    default: return false;
  }
}

bool TExtStringGrid::CharMessage(plat::TMessage& Message) {
  if (FNavigation->AllowClipboardShortCuts() && CtrlHeld() &&
      (Message.WParam == kCtrlC || Message.WParam == kCtrlV || Message.WParam == kCtrlX)) {
    Message.Result = 0;
    return true;
  }
  const int col = Col();
  const int row = Row();
  const bool controlCell = IsControlCell(col, row);
  // A character that starts editing: a whole one (not a piece of UTF-8).
  if (FMouseActions->RangeSelectAndEdit() && Message.WParam < 0x80 && Message.WParam != kTab &&
      Message.WParam != kEscape && !controlCell && CellEditable(col, row)) {
    plat::TGridOptions options = Options();
    options.Include(plat::TGridOption::goEditing);
    SetOptions(options);
    ScrollInView(col, row);
    // Editing starts with the typed character.
    ShowEditorChar(static_cast<char32_t>(Message.WParam));
    Message.Result = 0;
    return true;
  }
  if (FExcelStyleDecimalSeparator && Message.WParam == '.' && (Message.LParam & kKeypadDecimal))
    Message.WParam = static_cast<unsigned char>(plat::FormatSettings().DecimalSeparator);
  if (controlCell && Message.WParam != kEnter) {
    Message.Result = 0;
    return true;
  }
  return false;
}

}  // namespace zorbit
