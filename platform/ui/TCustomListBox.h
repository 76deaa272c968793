#pragma once
// The list box. Like the edit, its own behaviour sits at the end of the
// message path (the LB_* messages, keys, mouse, wheel and scrolling), and
// Items reaches the items through those messages, so that a class hooking
// WindowProc sees every change. The list keeps its window's vertical
// scroll bar in step with the items (GetScrollBarInfo reads it) and scrolls
// on WM_VSCROLL requests.
//
// Drawing: the standard style draws each item's text; the owner-draw
// styles hand each item to DrawItem (OnDrawItem when assigned) through
// CN_DRAWITEM, with Canvas prepared (the highlight colours for a selected
// item), and draw the focus rectangle after it. lbOwnerDrawVariable asks
// MeasureItem (OnMeasureItem) for each new item's height (1 to 255).
//
// OnClick follows each change of the selection by the user (and each click
// on an item), not changes made by the program; the parent window hears
// LBN_SELCHANGE first (LBN_DBLCLK before OnDblClick).
#include <functional>
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/ListBoxModel.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/MessageViews.h"
#include "platform/win/StandardControlMessages.h"

namespace plat {

class TCanvas;
class TControlCanvas;

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() { return FItems.get(); }
  void SetItems(const TStrings* Value);
  // The selected item (the focused one with MultiSelect); -1 for none.
  // Setting it selects without OnClick.
  int ItemIndex();
  void SetItemIndex(int Value);
  int TopIndex();
  void SetTopIndex(int Value);
  // The owner-draw item height (16 unless set); the standard style's items
  // are as high as the font.
  int ItemHeight();
  void SetItemHeight(int Value);
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  // With MultiSelect: Shift and Ctrl extend the selection (else each click
  // toggles an item).
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool Sorted() const { return FSorted; }
  // Sorts the items there are and keeps new ones in order.
  void SetSorted(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TCanvas* Canvas() const;

  int SelCount();
  bool Selected(int Index);
  // Raises EListError for an index outside the list.
  void SetSelected(int Index, bool Value);
  void SelectAll();
  void ClearSelection();
  void DeleteSelected();
  void Clear();

  // The item under a client point; below the last item: Count with
  // Existing false, else -1; outside the client area -1.
  int ItemAtPos(TPoint Pos, bool Existing);
  // The item's rectangle in client coordinates; empty for an index outside
  // the list.
  TRect ItemRect(int Index);

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  // Draws one item on Canvas (OnDrawItem when assigned, else its text).
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);

  void CreateParams(TCreateParams& Params) override;
  void CreateHandleNotify() override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void KeyPress(char32_t& Key) override;

  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);

 private:
  class TListBoxStrings;

  bool ListMessage(TMessage& Message);
  int InsertItem(int Index, const char* Text, bool Sorted);
  void ListMouse(TMessage& Message);
  void ListKeyDown(TMessage& Message);
  void ListScroll(WPARAM Request);
  void ListWheel(const TMouseMessage& Wheel);
  void SelectionChangedByUser(bool Changed);
  void ApplySelectMode();
  // After a change of the items, the heights or the size: the scroll bar
  // follows and the list is repainted.
  void Relayout();
  void UpdateScrollBar();
  // Where the items go: the client area inside the border width.
  TRect ItemArea();
  int StandardItemHeight();

  TListBoxModel FModel;
  std::unique_ptr<TStrings> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  TListBoxStyle FStyle = TListBoxStyle::lbStandard;
  int FItemHeight = 16;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FSorted = false;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FTracking = false;  // the left button went down on the list
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};

}  // namespace plat
