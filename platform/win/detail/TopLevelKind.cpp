#include "platform/win/detail/TopLevelKind.h"

#include "platform/win/WindowStyles.h"

namespace plat {

TopLevelKind KindOfTopLevel(DWORD style, DWORD exStyle) {
  if (exStyle & WS_EX_NOACTIVATE) return (exStyle & WS_EX_TOPMOST) ? TopLevelKind::Tip : TopLevelKind::Menu;
  if (!(exStyle & WS_EX_TOOLWINDOW)) return TopLevelKind::Ordinary;
  const bool captionless = (style & WS_CAPTION) != WS_CAPTION;
  return (style & WS_POPUP) && captionless ? TopLevelKind::Menu : TopLevelKind::Tool;
}

bool IsPopupKind(TopLevelKind kind) { return kind == TopLevelKind::Menu || kind == TopLevelKind::Tip; }

}  // namespace plat
