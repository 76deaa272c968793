#pragma once
// The head of every WM_NOTIFY record: who sends (window and control
// identifier) and what happened. The controls that notify this way (the
// rich edit, the tool tip, the date-time picker, the month calendar) put their own fields
// after it.
#include "platform/win/WinTypes.h"

namespace plat {

struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

}  // namespace plat
