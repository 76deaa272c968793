#pragma once
// The tool bar: a row (or rows) of tool buttons (TToolButton) that it lays
// out and draws itself, on a tool window whose edge is at the top only.
//
// Layout: the visible buttons in Index order from Indent, at the top of the
// client area. Separators and dividers are as wide as their own Width (8 by
// default), flat or not. Every other button is ButtonWidth x ButtonHeight
// (23 x 22), grown to the largest content of the bar's buttons: the image
// (Images' size) and, with ShowCaptions, the caption below it (beside it
// with List), with 7 pixels across and 6 down to spare; a self-sizing
// button (AutoSize) is as wide as its own content; a drop-down button has a
// 12-pixel arrow part more. A button with Wrap ends its row; with Wrapable
// a button that would cross the right edge starts a new one. AutoSize makes
// the bar as high as its rows (and its edge).
//
// The bar follows changes of its image lists. Drawing: Color fills the bar (the parent's colour when Transparent); a
// flat bar's buttons show a raised edge when hot and a sunken one when
// pressed or down, other bars' buttons the standard push-button look. A
// disabled button's image comes from DisabledImages, else Images in grey; a
// hot one's from HotImages when there are any. Custom drawing runs on the
// bar's canvas in this order: OnAdvancedCustomDraw cdPreErase, (the
// background), cdPostErase; OnCustomDraw and OnAdvancedCustomDraw
// cdPrePaint; for each visible button OnCustomDrawButton and
// OnAdvancedCustomDrawButton cdPrePaint, (the button), cdPostPaint; then
// OnAdvancedCustomDraw cdPostPaint. DefaultDraw starts true; false leaves
// out the standard drawing of that stage (at the bar's cdPrePaint: all
// buttons, whose handlers are then not called).
//
// Keys: a character typed with a button's caption accelerator (ShowCaptions)
// clicks it.
//
// A menu bar: buttons tied to the top-level items of a menu (MenuItem)
// open their item's sub-menu below them (TrackMenu) on a press, on Alt with
// the caption's mnemonic, or from the keys: Alt or F10 alone selects the
// first such button (the bar takes the focus until the menu keys are done),
// Left and Right move, Down, Up or Enter open, Escape gives the focus back.
// While a menu is open its button shows pressed; Left and Right, or the
// mouse moving onto another such button, close it and open that button's
// menu instead. The menu is the item's own popup, tracked through the window
// layer with this bar as its owner: its menu messages go to the item's menu
// (which keeps its own automatic mnemonics), and the item chosen runs its
// Click once, after the menu is closed. Buttons whose items are disabled or
// hidden do not open.
#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/TChangeLink.h"
#include "platform/ui/TToolWindow.h"
#include "platform/win/Messages.h"

namespace plat {

class TBitmap;
class TFontMeasure;
class TImageList;
class TToolButton;
class TToolBar;

using TTBCustomDrawEvent = std::function<void(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw)>;
using TTBCustomDrawBtnEvent =
    std::function<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;
using TTBAdvancedCustomDrawEvent =
    std::function<void(TToolBar* Sender, const TRect& ARect, TCustomDrawStage Stage, bool& DefaultDraw)>;
using TTBAdvancedCustomDrawBtnEvent =
    std::function<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, TCustomDrawStage Stage,
                       TTBCustomDrawFlags& Flags, bool& DefaultDraw)>;

class TToolBar : public TToolWindow {
 public:
  // Aligned to the top, 150 x 29, edge at the top, Wrapable. Freed, it
  // frees its buttons, as any parent its controls.
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  // Raises EListError "List index out of bounds (%d)" outside 0..ButtonCount-1.
  TToolButton* Buttons(int Index) const;
  // The rows of the last layout (0 without visible buttons).
  int RowCount() const { return FRowCount; }

  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);
  bool List() const { return FList; }
  void SetList(bool Value);
  int Indent() const { return FIndent; }
  void SetIndent(int Value);
  bool Wrapable() const { return FWrapable; }
  void SetWrapable(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  void SetAutoSize(bool Value) override;

  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  TImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TImageList* Value);
  TImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TImageList* Value);

  // Opens the sub-menu of Button's menu item below it and tracks it, moving
  // on to the other menu buttons as the user asks; returns when the menus
  // are closed. Answers false, without tracking, for a button that has no
  // sub-menu or cannot open it, and while a menu of the bar is open.
  bool TrackMenu(TToolButton* Button);

  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;
  TTBAdvancedCustomDrawEvent OnAdvancedCustomDraw;
  TTBAdvancedCustomDrawBtnEvent OnAdvancedCustomDrawButton;

 protected:
  void Paint() override;
  // The bar paints its whole client area itself.
  void EraseBackground(HDC DC) override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  void Resize() override;
  void EdgeChanged() override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;

 private:
  friend class TToolButton;

  // Places every button again and repaints.
  void LayOut();
  // The content size of a button (image and caption, with the spare pixels).
  TSize ContentSize(TToolButton* Button, TFontMeasure& Measure);
  void SetImageList(TImageList*& Field, TChangeLink& Link, TImageList* Value);
  // Lifts the other check buttons of Button's group.
  void LiftGroup(TToolButton* Button);
  TCustomDrawState DrawState(TToolButton* Button) const;
  void PaintButton(TToolButton* Button, TCustomDrawState State, TTBCustomDrawFlags Flags);
  void PaintGap(TToolButton* Button);
  void PaintContent(TToolButton* Button, TRect Rect, TCustomDrawState State, TTBCustomDrawFlags Flags);
  void ResetCanvas();
  // The menu bar.
  bool IsMenuButton(const TToolButton* Button) const;
  // The next (or previous) menu button after From, round the bar; null when none.
  TToolButton* NextMenuButton(const TToolButton* From, bool Forward) const;
  TToolButton* MenuButtonFor(char32_t Char) const;
  // The loop's messages, before the menu acts on them: answers true for one
  // that moves on to another button's menu.
  bool MenuLoopMessage(const MSG& Msg);
  static LRESULT MenuFilter(int Code, WPARAM WParam, LPARAM LParam);
  void EnterMenuKeys();
  void LeaveMenuKeys(bool RestoreFocus);
  void SetKeyboardButton(TToolButton* Button);
  void MenuKeyDown(std::uint16_t& Key);
  void CMAppSysCommand(TMessage& Message);
  // Highlight and face in a checkerboard, for check buttons that are down.
  TBitmap* DitherPattern();
  void CMControlListChange(TMessage& Message);
  void CMDialogChar(TMessage& Message);

  std::vector<TToolButton*> FButtons;  // in Index order
  int FRowCount = 0;
  int FButtonWidth = 23;
  int FButtonHeight = 22;
  bool FFlat = false;
  bool FShowCaptions = false;
  bool FList = false;
  int FIndent = 0;
  bool FWrapable = true;
  bool FTransparent = false;
  bool FLayingOut = false;
  TImageList* FImages = nullptr;
  TImageList* FHotImages = nullptr;
  TImageList* FDisabledImages = nullptr;
  TChangeLink FImagesLink;
  TChangeLink FHotImagesLink;
  TChangeLink FDisabledImagesLink;
  std::unique_ptr<TBitmap> FDither;
  TToolButton* FMenuButton = nullptr;      // whose menu is open
  TToolButton* FNextMenuButton = nullptr;  // whose menu opens next
  bool FMenuKeys = false;                  // the bar has the focus for the menu keys
  TToolButton* FKeyboardButton = nullptr;  // selected by the menu keys
  HWND FFocusBeforeMenuKeys = nullptr;
};

}  // namespace plat
