#pragma once
// The skinned list box: the platform's list box with its border replaced by
// a thin frame in the theme's "ControlBorderColor", its items drawn by
// itself (owner-drawn by default), and a separate skinned scroll bar
// (VScrollBar) that stands in for its own vertical one.
//
// Border: no border of its own, a border width of 2 pixels; after each
// paint and background erase the window is framed with BorderColor outside
// and Color inside.
//
// Items: a selected item draws in SelectedColor and SelectedTextColor; any
// item of a disabled list, and a disabled or greyed item, in
// DisabledTextColor. OnDrawItem, when assigned, draws the item alone (no
// text, no focus rectangle from the list); otherwise DrawItemText fills the
// rectangle and draws the text on one line, vertically centred, aligned by
// Alignment, 2 pixels in from the leading side, and a focus rectangle
// follows for the focused item when ShowFocusRect.
//
// The scroll bar: assigned, it becomes vertical, is brought to the front and
// placed over the list's right edge, inside its border (top + 1, height - 2);
// from then on it follows the list's own vertical scroll bar (shown, sized,
// ranged and positioned as that one is; hidden when that one is; disabled
// with the list) after every change of the items, scrolling, keys, the
// wheel, the mouse, moving, resizing and showing. Moving the bar scrolls the
// list to the bar's position. A bar let go of (or deleted) is forgotten; one
// let go of gets back its defaults (no change event, line button 0, Max 100,
// enabled).
#include "platform/ui/TCustomListBox.h"
#include "skin/ThemeElements.h"

namespace zorbit {

class TskFileTheme;
class TskScrollBar;

class TskListBox : public plat::TCustomListBox {
 public:
  explicit TskListBox(plat::TComponent* AOwner);
  ~TskListBox() override;

  TskFileTheme* FileTheme() const { return FFileTheme; }
  // Stores the theme, passes it to VScrollBar and applies UIStyle again.
  void SetFileTheme(TskFileTheme* Value);
  TskUIStyle UIStyle() const { return FUIStyle; }
  // BorderColor from the theme; VScrollBar gets the style resolved.
  void SetUIStyle(TskUIStyle Value);
  plat::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(plat::TColor Value);
  plat::TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(plat::TAlignment Value);
  plat::TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(plat::TColor Value);
  plat::TColor SelectedTextColor() const { return FSelectedTextColor; }
  void SetSelectedTextColor(plat::TColor Value);
  plat::TColor DisabledTextColor() const { return FDisabledTextColor; }
  void SetDisabledTextColor(plat::TColor Value);
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool Value);
  TskScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TskScrollBar* Value);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  // The default drawing of an item: fill, then the text.
  virtual void DrawItemText(int Index, plat::TRect Rect, plat::TOwnerDrawState State);

  void DrawItem(int Index, plat::TRect Rect, plat::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void WndProc(plat::TMessage& Message) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  void DrawOwnerItem(plat::TMessage& Message);
  // Whether the message changes what the list's own scroll bar shows.
  bool MovesScrollBar(const plat::TMessage& Message) const;
  void PlaceScrollBar();
  void SyncScrollBar();
  void ScrollBarChanged();
  void ReleaseScrollBar();

  TskFileTheme* FFileTheme = nullptr;
  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  plat::TColor FBorderColor = plat::clBlack;
  plat::TAlignment FAlignment = plat::TAlignment::taLeftJustify;
  plat::TColor FSelectedColor = plat::clHighlight;
  plat::TColor FSelectedTextColor = plat::clHighlightText;
  plat::TColor FDisabledTextColor = plat::clGrayText;
  bool FShowFocusRect = true;
  TskScrollBar* FVScrollBar = nullptr;
  bool FUpdatingBar = false;
  bool FLeftDown = false;
};

}  // namespace zorbit
