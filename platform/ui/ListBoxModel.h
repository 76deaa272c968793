#pragma once
// What a list box keeps apart from its drawing: the items (text, a data
// value, a height, a selected flag), which item is at the top and which
// holds the focus, the selection in the three selection modes, and the
// scroll range that follows from the item heights and the visible height.
//
// Positions are in pixels from the top of the client area. With fixed
// heights every item is ItemHeight tall; with variable heights each keeps
// its own (1 to 255, as measured). Indexes outside the list are refused
// with false or -1, never used.
#include <cstdint>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

enum class TListSelectMode {
  Single,    // one selected item, which is also the focused one
  Multiple,  // a click or Space toggles an item; the arrows move the focus
  Extended,  // a click selects one item; Shift extends, Ctrl adds or toggles
};

// Keys that move the focus.
enum class TListMove { Up, Down, PageUp, PageDown, Home, End };

// The vertical scroll bar as the list sets it: range Min..Max, Page items
// seen at once, the top item at Pos.
struct TListScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
};

class TListBoxModel {
 public:
  static constexpr int MaxItemHeight = 255;

  // Items.
  int Count() const { return static_cast<int>(FItems.size()); }
  // The text, or "" outside the list.
  String Text(int Index) const;
  // Inserts at Index (-1 or Count(): at the end); with Sorted, Add finds the
  // place by the text without regard to case. Answer the index, or -1 for an
  // index outside the list.
  int Add(const String& Text);
  int Insert(int Index, const String& Text);
  bool Delete(int Index);
  void Clear();
  bool Sorted() const { return FSorted; }
  // Does not reorder items already there.
  void SetSorted(bool Value) { FSorted = Value; }
  std::intptr_t Data(int Index) const;
  bool SetData(int Index, std::intptr_t Value);
  // The first item after Start (wrapping; -1: from the top) whose text begins
  // with Prefix, or equals it when Exact, without regard to case; -1 if none.
  int Find(int Start, const String& Prefix, bool Exact) const;

  // Heights.
  bool VariableHeight() const { return FVariable; }
  void SetVariableHeight(bool Value);
  int ItemHeight() const { return FItemHeight; }
  // The fixed height (at least 1), which new items also start with.
  void SetItemHeight(int Value);
  // The height of one item: the fixed height unless heights are variable.
  int ItemHeightOf(int Index) const;
  // Only with variable heights; refuses heights outside 1..MaxItemHeight.
  bool SetItemHeightOf(int Index, int Value);

  // Scrolling.
  int ClientHeight() const { return FClientHeight; }
  void SetClientHeight(int Value);
  int TopIndex() const { return FTopIndex; }
  // Clamped to 0..MaxTopIndex(); answers whether the top item changed.
  bool SetTopIndex(int Value);
  // The top index that shows the last item at the bottom.
  int MaxTopIndex() const;
  // The items that fit wholly from the top item (at least 1 in a list that
  // has items).
  int PageCount() const;
  // The y of the item's top; above 0 for items below the top item, negative
  // for items above it.
  int ItemTop(int Index) const;
  // The item that covers y (client pixels, 0 at the top), or -1 below the
  // last item or above the client area.
  int ItemAtY(int Y) const;
  // Scrolls as little as needed for the item to be seen whole.
  bool MakeVisible(int Index);
  TListScrollRange ScrollRange() const;

  // Selection.
  TListSelectMode SelectMode() const { return FMode; }
  // Leaves the selection at the focused item alone.
  void SetSelectMode(TListSelectMode Value);
  // The focused item (the selected one in Single mode); -1 for none.
  int CaretIndex() const { return FCaret; }
  bool SetCaretIndex(int Index);
  // The selected item in Single mode, else the focused one.
  int ItemIndex() const { return FCaret; }
  // Single mode: selects Index alone (-1: none). Other modes: moves the focus
  // without selecting. Out-of-range values (other than -1) are refused.
  bool SetItemIndex(int Index);
  bool Selected(int Index) const;
  // Single mode: selecting makes the item the only selected and focused one.
  bool SetSelected(int Index, bool Value);
  int SelCount() const;
  // Selects or clears every item (not in Single mode).
  bool SelectAll(bool Value);

  // What the user does; each answers whether the selection changed, and
  // brings the focused item into view.
  bool ClickItem(int Index, bool Shift, bool Ctrl);
  // The mouse moving over Index with the button held.
  bool DragOver(int Index);
  bool MoveFocus(TListMove Move, bool Shift, bool Ctrl);
  bool Space(bool Ctrl);

 private:
  struct TItem {
    String Text;
    std::intptr_t Data = 0;
    int Height = 0;
    bool Selected = false;
  };

  bool Valid(int Index) const { return Index >= 0 && Index < Count(); }
  // Selects From..To (inclusive, either order) and, unless Keep, nothing else.
  void SelectRange(int From, int To, bool Keep);
  // Selects Index alone (nothing for -1) and puts the focus and anchor there.
  void SelectOnly(int Index);
  int FocusTarget(TListMove Move) const;

  std::vector<TItem> FItems;
  bool FSorted = false;
  bool FVariable = false;
  int FItemHeight = 13;
  int FClientHeight = 0;
  int FTopIndex = 0;
  TListSelectMode FMode = TListSelectMode::Single;
  int FCaret = -1;
  int FAnchor = -1;
};

}  // namespace plat
