#pragma once
// The menu being tracked on this thread: a popup menu (TrackPopupMenu, the
// system menu) or a window's menu bar with the popups opened from it. It
// opens each popup in its own menu window, holds the capture, runs the
// nested loop on the thread's queue, tells the owner what happens and
// closes everything again. One at a time: Current() is the one running.
#include <optional>
#include <vector>

#include "platform/win/detail/MenuLayout.h"

namespace plat {

class MenuTracker {
 public:
  // TrackPopupMenuEx: answers the command chosen, 0 for none.
  static UINT RunPopup(HWND owner, HMENU menu, UINT flags, TPoint at, const TRect* exclude);
  // The owner's system menu from the keyboard, below the caption.
  static void RunSystemMenu(HWND owner);
  // The owner's menu bar with an item selected, its popup opened when
  // `open`; byMouse: the press that started it was the mouse's.
  static void RunMenuBar(HWND owner, int item, bool open, bool byMouse);

  static MenuTracker* Current();

  MenuTracker(const MenuTracker&) = delete;
  MenuTracker& operator=(const MenuTracker&) = delete;
  ~MenuTracker();

  // EndMenu: ends the loop without a choice.
  void Cancel();
  // The highlighted item of the window's menu bar, or -1.
  int BarSelection(HWND window) const;
  // Paints an open popup's window; false for a window that is not one.
  bool PaintMenuWindow(HWND window, HDC dc) const;
  // The screen rectangle of an item of an open popup.
  std::optional<TRect> OpenItemRect(HMENU menu, UINT position) const;

 private:
  struct Level {
    HMENU Menu = nullptr;
    HWND Window = nullptr;
    PopupLayout Layout;
    int Selected = -1;
  };
  // Where a screen point lies: on an item (or the frame, Item -1) of an
  // open popup, on a bar item, or outside.
  struct Spot {
    int Level = -1;
    int Item = -1;
    bool OnBar = false;
  };

  MenuTracker(HWND owner, UINT flags, bool popupMode);

  LRESULT Notify(UINT message, WPARAM wParam, LPARAM lParam);
  void Begin(HMENU initMenu, HWND capture);
  void Run(HWND announced);
  UINT Finish();
  void CheckEnd();

  bool OpenLevel(HMENU menu, int position, TPoint at, UINT placement, const TRect* exclude);
  void OpenSubMenu(std::size_t level, bool selectFirst);
  void CloseDeepest();
  void CloseAbove(std::size_t level);

  void Select(std::size_t level, int item, bool byMouse);
  void NotifySelect(HMENU menu, int item, bool byMouse);
  void MoveSelection(std::size_t level, int step);
  void Choose(std::size_t level, int item);
  void Hover(std::size_t level, int item);

  void SwitchBar(int item, bool open, bool selectFirst, bool byMouse);
  void OpenBarPopup(bool selectFirst);
  void ChooseBarItem(int item);
  std::optional<TRect> BarItemRect(int item) const;
  void RepaintBar();

  void HandleMessage(MSG& msg);
  void HandleMouse(const MSG& msg);
  void HandleKey(MSG& msg);
  void HandleChar(WPARAM character);
  Spot Locate(TPoint screen) const;
  void ActivateByKey(std::optional<std::size_t> level, int item);

  HWND FOwner;
  UINT FFlags;
  bool FPopupMode;
  HMENU FBar = nullptr;
  int FBarSelected = -1;
  bool FBarDropped = false;  // moving along the bar opens each item's popup
  std::vector<Level> FLevels;
  HWND FCapture = nullptr;
  HWND FActiveAtStart = nullptr;
  bool FDone = false;
  bool FMouseUsed = false;  // a press or a move over items: a release chooses
  bool FByMouse = false;    // started by the mouse: owner-drawn items hide their accelerators
  std::optional<UINT> FChoice;
  bool FChoiceIsSystem = false;
};

}  // namespace plat
