#pragma once
// A button of a tool bar (TToolBar): a control without a window that lives
// on the bar, which places it (in Index order), sizes it and draws it. Put
// on a bar by setting the bar as its parent; it joins at the end.
//
// Styles: a push button; a check button, which a click puts down and up
// again (Grouped check buttons next to each other form a group of which at
// most one is down; a click on the down one lifts it only with
// AllowAllUp); a drop-down button, whose arrow part shows DropdownMenu
// below it; a separator (a gap of its Width, 8 by default) and a divider (a
// gap with a line).
//
// A press shows the button pressed while the mouse stays on it; the release
// on it makes one Click. Disabled buttons take no clicks. A button with a
// DropdownMenu that is not a drop-down button shows the menu on the press
// instead of clicking.
//
// A button tied to a menu item (MenuItem: a top-level item of a menu bar)
// shows the item's caption, enabled state, visibility, image index and
// hint, taken when the item is set, whenever the bar lays out and before
// the item's menu opens. A press on it opens the item's sub-menu below it
// (the bar's menu tracking, TToolBar.h); an item without sub-items is
// clicked with the button.
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/ToolBarTypes.h"

namespace plat {

class TToolBar;
class TMenuItem;
class TPopupMenu;

class TToolButton : public TGraphicControl {
 public:
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;

  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle Value);
  bool Grouped() const { return FGrouped; }
  void SetGrouped(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // Down: a check button that is down, or any button shown pressed. Putting
  // a grouped check button down lifts the rest of its group.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // The picture of the bar's image lists; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Drawn greyed, as neither up nor down.
  bool Indeterminate() const { return FIndeterminate; }
  void SetIndeterminate(bool Value);
  // Drawn highlighted.
  bool Marked() const { return FMarked; }
  void SetMarked(bool Value);
  // The next button starts a new row.
  bool Wrap() const { return FWrap; }
  void SetWrap(bool Value);
  // As wide as its caption and image need, instead of the bar's button width.
  void SetAutoSize(bool Value) override;
  // Its place among the bar's buttons; -1 when it is on none.
  int Index() const;

  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* Value);
  TMenuItem* MenuItem() const { return FMenuItem; }
  void SetMenuItem(TMenuItem* Value);
  // Shows the button's menu below it: its menu item's sub-menu, else
  // DropdownMenu. Answers whether there was one to show.
  bool CheckMenuDropdown();
  // OnClick (or the action), then the menu item's Click when the item has
  // no sub-items.
  void Click() override;

  // Under the mouse (and enabled), or selected by the bar's menu keys.
  bool Hot() const { return FHot; }
  // Held down by the mouse while the mouse is on it, or showing its menu.
  bool Pressed() const { return (FHeld && FMouseOver) || FMenuShown; }

  // A separator's or divider's width is its own; other buttons get theirs
  // from the bar, which places them all.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;

 private:
  friend class TToolBar;

  // The width of a drop-down button's arrow part.
  static constexpr int kArrowPartWidth = 12;

  TToolBar* Bar() const;
  // The bar lays it out again: its size or place may change.
  void Changed();
  // Where the bar puts it.
  void Place(const TRect& Bounds);
  bool IsGap() const { return FStyle == TToolButtonStyle::tbsSeparator || FStyle == TToolButtonStyle::tbsDivider; }
  // Whether X (client coordinates) falls on the drop-down arrow part.
  bool OnArrowPart(int X) const;
  // Shows the drop-down menu below the button, pressed while it is open.
  void DropDown();
  // Whether the button opens its menu item's sub-menu.
  bool HasSubMenu() const;
  // Takes caption, enabled state, visibility, image index and hint from MenuItem.
  void TakeFromMenuItem();

  TToolButtonStyle FStyle = TToolButtonStyle::tbsButton;
  bool FGrouped = false;
  bool FAllowAllUp = false;
  bool FDown = false;
  int FImageIndex = -1;
  bool FIndeterminate = false;
  bool FMarked = false;
  bool FWrap = false;
  int FGapWidth = 8;
  TComponentRef<TPopupMenu> FDropdownMenu;
  TComponentRef<TMenuItem> FMenuItem;
  bool FHot = false;
  bool FHeld = false;       // the left button went down on it
  bool FMouseOver = false;  // the mouse is on it
  bool FMenuShown = false;
};

}  // namespace plat
