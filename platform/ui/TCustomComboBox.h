#pragma once
// The combo box: a selection field with a button, and a drop-down list of
// items. csDropDown edits its text in an edit part (detail/ComboEdit.h);
// csDropDownList shows the selected item; the owner-draw styles are lists
// whose items (and selection field) DrawItem draws, OnDrawItem when
// assigned, all of one height (ItemHeight) with csOwnerDrawFixed, each
// measured by MeasureItem (OnMeasureItem) with csOwnerDrawVariable.
//
// Like the list box, its own behaviour (the CB_* messages, keys, mouse,
// wheel and the drop-down) sits at the end of the message path, and Items
// reaches the items through those messages. The drop-down list
// (detail/ComboDropList.h) is a list box in a pop-up window that never
// takes the activation and holds the capture while it shows, DropDownCount
// items high and at least as wide as the box (CB_SETDROPPEDWIDTH), below
// the box or above it where the screen has no room below.
//
// The user: F4, Alt+Down and Alt+Up drop the list and close it again, as
// does a press on the button (on any part of a list style). With the list
// closed, Up, Down, Page Up and Page Down (and Home, End, Left and Right in
// the list styles) and the wheel change the selection, and in the list
// styles typed letters select the first item that begins with the letters
// typed within a second of each other. With the list shown, those keys and
// the mouse move its highlight only: Enter, F4, Alt+Up, Alt+Down or a
// click on an item take it; Escape, a press elsewhere and the focus leaving
// close it with the selection as it was. While it shows, typing in the
// edit part moves the highlight to the first item beginning with the text.
//
// The parent hears, as WM_COMMAND: CBN_SETFOCUS and CBN_KILLFOCUS when the
// focus comes into and leaves the box (its edit part included);
// CBN_EDITUPDATE and CBN_EDITCHANGE (then OnChange) after the user changed
// the edit part's text; CBN_DROPDOWN (then OnDropDown, which may still
// fill the items) before the list shows; on taking, CBN_SELENDOK, then the
// list goes and CBN_CLOSEUP (OnCloseUp), then, when the selection changed,
// CBN_SELCHANGE; on closing without taking, CBN_SELENDCANCEL and
// CBN_CLOSEUP. CBN_SELCHANGE is followed by OnClick and OnSelect (OnChange
// when OnSelect is not assigned). Changes by the program are not told.
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/StandardControlMessages.h"

namespace plat {

class TCanvas;
class TComboDropList;
class TComboEdit;
class TControlCanvas;

enum class TComboBoxStyle { csDropDown, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  TStrings* Items() { return FItems.get(); }
  void SetItems(const TStrings* Value);
  // The selected item; -1 for none. Setting it selects without events
  // (and, with the edit part, shows the item's text).
  int ItemIndex();
  void SetItemIndex(int Value);
  // How many items the drop-down shows at most (at least 1).
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  // Sorts the items there are and keeps new ones in order.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  // The owner-draw item height (16 unless set); the standard styles' items
  // are as high as the font. The box is 6 pixels higher than its selection
  // field (the item height in the owner-draw styles, the font's and 2
  // otherwise; CB_SETITEMHEIGHT -1 sets it), whatever its edge.
  int ItemHeight();
  void SetItemHeight(int Value);
  // Characters the user may type into the edit part; 0 for no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool DroppedDown();
  void SetDroppedDown(bool Value);
  TCanvas* Canvas() const;
  void Clear();

  bool Focused() const override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  virtual void Change();
  // The user chose an item: OnSelect, or OnChange when it is not assigned.
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  // Draws an item of the list or (odComboBoxEdit) the selection field on
  // Canvas: OnDrawItem when assigned, else its text.
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  // The messages of the edit part, before the edit's own handling: keys,
  // characters and the focus go the box's way, the rest to the edit.
  virtual void EditWndProc(TMessage& Message);
  // The button's area of the client area (the right SM_CXVSCROLL pixels);
  // the field and the edit part end before it, a press in it drops the list.
  virtual TRect ButtonRect();

  void CreateParams(TCreateParams& Params) override;
  void CreateHandleNotify() override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override;

 private:
  friend class TComboDropList;

  // The parts.
  void MakeEdit();
  // The edit part goes, its messages its own again.
  void DropEdit();
  void PlaceEdit();
  void ApplyListLooks();
  bool Editable() const { return FStyle == TComboBoxStyle::csDropDown; }
  bool OwnerDraws() const { return FStyle != TComboBoxStyle::csDropDown && FStyle != TComboBoxStyle::csDropDownList; }
  int FieldHeight();
  void AdjustHeight();
  TRect FieldRect();
  // The rectangle of the drop-down (screen), placed as it shows.
  TRect DropRect();

  // The CB_* messages and the box's own answers (ComboBoxMessages.cpp).
  bool ComboMessage(TMessage& Message);
  LRESULT InsertItem(int Index, const char* Text, bool Sorted);
  LRESULT DeleteItem(int Index);
  LRESULT SetCurSel(int Index);
  LRESULT SetItemHeightOf(int Index, int Height);
  bool SetTextMessage(const char* Text);
  String ItemText(int Index);
  void SetEditText(const String& Text);
  void ComboKeyDown(TMessage& Message);
  void ComboMouseDown(TPoint Pos);
  void ComboWheel(const TMouseMessage& Wheel);
  void ComboFocus(bool Gained, HWND Other);
  void EditCommand(WPARAM WParam);
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);

  // The drop-down and the selection (ComboBoxDropDown.cpp). ByPress: the
  // left button that dropped it is still down.
  void ShowDropDown(bool ByPress = false);
  // Closes the list, taking its highlight as the selection or not.
  void CloseDropDown(bool Take);
  // The list's highlight moved by a key; false when the key is not one of the list's.
  bool MoveHighlight(WPARAM Key);
  // A new selection by the user: notified and raised.
  void SelectByUser(int Index);
  // Where a key moves the selection from From (kept within the items); -2
  // for a key that does not move it.
  int StepTarget(WPARAM Key, int From);
  void SelectByTyping(char32_t Char);
  void HighlightTypedText();

  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  std::unique_ptr<TStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  std::unique_ptr<TComboDropList> FList;
  std::unique_ptr<TComboEdit> FEdit;
  TWndMethod FEditDefaultProc;
  int FItemIndex = -1;
  int FDropDownCount = 8;
  bool FSorted = false;
  int FItemHeight = 16;
  int FFieldHeight = 0;  // the selection field's height set by CB_SETITEMHEIGHT -1; 0: the style's
  int FDroppedWidth = 0;
  int FMaxLength = 0;
  bool FDropped = false;
  bool FSettingText = false;  // the program sets the edit part's text
  String FTyped;              // letters typed for the selection
  std::int64_t FTypedAt = 0;  // when the last of them came (the window layer's clock)
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
};

}  // namespace plat
