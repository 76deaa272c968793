#include "platform/ui/ListBoxModel.h"

#include <algorithm>

#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

// The selection flags and the focus, to tell whether a command changed them.
class TSelectionProbe {
 public:
  explicit TSelectionProbe(const TListBoxModel& Model) : FModel(Model), FCaret(Model.CaretIndex()) {
    for (int i = 0; i < Model.Count(); ++i) FFlags.push_back(Model.Selected(i));
  }
  bool Changed() const {
    if (FModel.CaretIndex() != FCaret) return true;
    for (int i = 0; i < FModel.Count(); ++i) {
      if (FModel.Selected(i) != FFlags[i]) return true;
    }
    return false;
  }

 private:
  const TListBoxModel& FModel;
  int FCaret;
  std::vector<bool> FFlags;
};

// An index kept on the same item while an item is removed at Removed (-1:
// none) or inserted at Inserted (-1: none).
int Follow(int Index, int Removed, int Inserted) {
  if (Index < 0) return Index;
  if (Removed >= 0 && Index > Removed) --Index;
  if (Inserted >= 0 && Index >= Inserted) ++Index;
  return Index;
}

}  // namespace

String TListBoxModel::Text(int Index) const { return Valid(Index) ? FItems[Index].Text : String(); }

int TListBoxModel::Add(const String& Text) {
  int index = Count();
  if (FSorted) {
    const auto place = std::upper_bound(FItems.begin(), FItems.end(), Text, [](const String& text, const TItem& item) {
      return AnsiCompareText(text, item.Text) < 0;
    });
    index = static_cast<int>(place - FItems.begin());
  }
  return Insert(index, Text);
}

int TListBoxModel::Insert(int Index, const String& Text) {
  if (Index == -1) {
    Index = Count();
  }
  if (Index < 0 || Index > Count()) {
    return -1;
  }
  FItems.insert(FItems.begin() + Index, TItem{Text, 0, FItemHeight, false});
  FCaret = Follow(FCaret, -1, Index);
  FAnchor = Follow(FAnchor, -1, Index);
  return Index;
}

bool TListBoxModel::Delete(int Index) {
  if (!Valid(Index)) {
    return false;
  }
  FItems.erase(FItems.begin() + Index);
  // The focus of a multiple selection passes to the item that took the
  // deleted one's place; a single selection is gone with its item.
  const int successor = FMode == TListSelectMode::Single ? -1 : std::min(Index, Count() - 1);
  FCaret = FCaret == Index ? successor : Follow(FCaret, Index, -1);
  FAnchor = FAnchor == Index ? successor : Follow(FAnchor, Index, -1);
  SetTopIndex(FTopIndex);
  return true;
}

void TListBoxModel::Clear() {
  FItems.clear();
  FCaret = FAnchor = -1;
  FTopIndex = 0;
}

std::intptr_t TListBoxModel::Data(int Index) const { return Valid(Index) ? FItems[Index].Data : 0; }

bool TListBoxModel::SetData(int Index, std::intptr_t Value) {
  if (!Valid(Index)) {
    return false;
  }
  FItems[Index].Data = Value;
  return true;
}

int TListBoxModel::Find(int Start, const String& Prefix, bool Exact) const {
  const int count = Count();
  if (count == 0) {
    return -1;
  }
  if (Start < -1 || Start >= count) {
    Start = -1;
  }
  const int prefixLength = Utf8Length(Prefix);
  for (int step = 1; step <= count; ++step) {
    const int index = (Start + step) % count;
    const String& text = FItems[index].Text;
    if (Exact ? AnsiSameText(text, Prefix) : AnsiSameText(Utf8Copy(text, 1, prefixLength), Prefix)) {
      return index;
    }
  }
  return -1;
}

void TListBoxModel::SetVariableHeight(bool Value) {
  FVariable = Value;
  SetTopIndex(FTopIndex);
}

void TListBoxModel::SetItemHeight(int Value) {
  FItemHeight = std::clamp(Value, 1, MaxItemHeight);
  SetTopIndex(FTopIndex);
}

int TListBoxModel::ItemHeightOf(int Index) const {
  return FVariable && Valid(Index) ? FItems[Index].Height : FItemHeight;
}

bool TListBoxModel::SetItemHeightOf(int Index, int Value) {
  if (!FVariable || !Valid(Index) || Value < 1 || Value > MaxItemHeight) {
    return false;
  }
  FItems[Index].Height = Value;
  SetTopIndex(FTopIndex);
  return true;
}

void TListBoxModel::SetClientHeight(int Value) {
  FClientHeight = std::max(Value, 0);
  SetTopIndex(FTopIndex);
}

bool TListBoxModel::SetTopIndex(int Value) {
  const int top = std::clamp(Value, 0, MaxTopIndex());
  if (top == FTopIndex) {
    return false;
  }
  FTopIndex = top;
  return true;
}

int TListBoxModel::MaxTopIndex() const {
  const int count = Count();
  if (!FVariable) {
    return std::max(count - std::max(FClientHeight / FItemHeight, 1), 0);
  }
  int top = count;
  int used = 0;
  while (top > 0 && used + FItems[top - 1].Height <= FClientHeight) {
    used += FItems[--top].Height;
  }
  return std::max(std::min(top, count - 1), 0);
}

int TListBoxModel::PageCount() const {
  const int count = Count();
  int page = 0;
  int used = 0;
  for (int i = FTopIndex; i < count && used + ItemHeightOf(i) <= FClientHeight; ++i) {
    used += ItemHeightOf(i);
    ++page;
  }
  return count > 0 ? std::max(page, 1) : 0;
}

int TListBoxModel::ItemTop(int Index) const {
  if (!FVariable) {
    return (Index - FTopIndex) * FItemHeight;
  }
  int y = 0;
  for (int i = FTopIndex; i < Index; ++i) y += ItemHeightOf(i);
  for (int i = Index; i < FTopIndex; ++i) y -= ItemHeightOf(i);
  return y;
}

int TListBoxModel::ItemAtY(int Y) const {
  if (Y < 0) {
    return -1;
  }
  if (!FVariable) {
    const int index = FTopIndex + Y / FItemHeight;
    return index < Count() ? index : -1;
  }
  for (int i = FTopIndex, top = 0; i < Count(); top += ItemHeightOf(i++)) {
    if (Y < top + ItemHeightOf(i)) {
      return i;
    }
  }
  return -1;
}

bool TListBoxModel::MakeVisible(int Index) {
  if (!Valid(Index)) {
    return false;
  }
  if (Index < FTopIndex) {
    return SetTopIndex(Index);
  }
  if (ItemTop(Index) + ItemHeightOf(Index) <= FClientHeight) {
    return false;
  }
  // The highest top that still shows the item whole (or starts with it).
  int top = Index;
  int used = ItemHeightOf(Index);
  while (top > FTopIndex && used + ItemHeightOf(top - 1) <= FClientHeight) {
    used += ItemHeightOf(--top);
  }
  return SetTopIndex(top);
}

TListScrollRange TListBoxModel::ScrollRange() const {
  const int count = Count();
  if (count == 0) {
    return {};
  }
  const int maxTop = MaxTopIndex();
  return {0, count - 1, count - maxTop, FTopIndex};
}

void TListBoxModel::SetSelectMode(TListSelectMode Value) {
  FMode = Value;
  if (FMode == TListSelectMode::Single) {
    SelectOnly(FCaret);
  }
}

bool TListBoxModel::SetCaretIndex(int Index) {
  if (!Valid(Index)) {
    return false;
  }
  if (FMode == TListSelectMode::Single) {
    return SetItemIndex(Index);
  }
  FCaret = Index;
  return true;
}

bool TListBoxModel::SetItemIndex(int Index) {
  if (Index != -1 && !Valid(Index)) {
    return false;
  }
  if (FMode == TListSelectMode::Single) {
    SelectOnly(Index);
  } else {
    FCaret = Index;
  }
  MakeVisible(Index);
  return true;
}

bool TListBoxModel::Selected(int Index) const { return Valid(Index) && FItems[Index].Selected; }

bool TListBoxModel::SetSelected(int Index, bool Value) {
  if (!Valid(Index)) {
    return false;
  }
  if (FMode == TListSelectMode::Single) {
    if (Value) {
      SelectOnly(Index);
    } else if (FItems[Index].Selected) {
      SelectOnly(-1);
    }
    return true;
  }
  FItems[Index].Selected = Value;
  return true;
}

int TListBoxModel::SelCount() const {
  return static_cast<int>(std::count_if(FItems.begin(), FItems.end(), [](const TItem& item) { return item.Selected; }));
}

bool TListBoxModel::SelectAll(bool Value) {
  if (FMode == TListSelectMode::Single) {
    return false;
  }
  for (TItem& item : FItems) item.Selected = Value;
  return true;
}

bool TListBoxModel::ClickItem(int Index, bool Shift, bool Ctrl) {
  if (!Valid(Index)) {
    return false;
  }
  const TSelectionProbe probe(*this);
  switch (FMode) {
    case TListSelectMode::Single: SelectOnly(Index); break;
    case TListSelectMode::Multiple:
      FItems[Index].Selected = !FItems[Index].Selected;
      FCaret = FAnchor = Index;
      break;
    case TListSelectMode::Extended:
      if (Shift) {
        SelectRange(FAnchor < 0 ? Index : FAnchor, Index, Ctrl);
        FCaret = Index;
      } else if (Ctrl) {
        FItems[Index].Selected = !FItems[Index].Selected;
        FCaret = FAnchor = Index;
      } else {
        SelectOnly(Index);
      }
      break;
  }
  MakeVisible(Index);
  return probe.Changed();
}

bool TListBoxModel::DragOver(int Index) {
  if (!Valid(Index) || FMode == TListSelectMode::Multiple) {
    return false;
  }
  const TSelectionProbe probe(*this);
  if (FMode == TListSelectMode::Single) {
    SelectOnly(Index);
  } else {
    SelectRange(FAnchor < 0 ? Index : FAnchor, Index, false);
    FCaret = Index;
  }
  MakeVisible(Index);
  return probe.Changed();
}

bool TListBoxModel::MoveFocus(TListMove Move, bool Shift, bool Ctrl) {
  if (Count() == 0) {
    return false;
  }
  const TSelectionProbe probe(*this);
  const int target = FocusTarget(Move);
  if (FMode == TListSelectMode::Single) {
    SelectOnly(target);
  } else if (FMode == TListSelectMode::Multiple || (Ctrl && !Shift)) {
    FCaret = target;
  } else if (Shift) {
    SelectRange(FAnchor < 0 ? target : FAnchor, target, Ctrl);
    FCaret = target;
  } else {
    SelectOnly(target);
  }
  MakeVisible(target);
  return probe.Changed();
}

bool TListBoxModel::Space(bool Ctrl) {
  if (!Valid(FCaret) || FMode == TListSelectMode::Single) {
    return false;
  }
  const TSelectionProbe probe(*this);
  if (FMode == TListSelectMode::Multiple || Ctrl) {
    FItems[FCaret].Selected = !FItems[FCaret].Selected;
    FAnchor = FCaret;
  } else {
    SelectOnly(FCaret);
  }
  return probe.Changed();
}

void TListBoxModel::SelectRange(int From, int To, bool Keep) {
  const int low = std::min(From, To);
  const int high = std::max(From, To);
  for (int i = 0; i < Count(); ++i) {
    if (i >= low && i <= high) {
      FItems[i].Selected = true;
    } else if (!Keep) {
      FItems[i].Selected = false;
    }
  }
}

void TListBoxModel::SelectOnly(int Index) {
  for (TItem& item : FItems) item.Selected = false;
  if (!Valid(Index)) {
    Index = -1;
  } else {
    FItems[Index].Selected = true;
  }
  FCaret = FAnchor = Index;
}

int TListBoxModel::FocusTarget(TListMove Move) const {
  const int last = Count() - 1;
  const int page = std::max(PageCount() - 1, 1);
  switch (Move) {
    case TListMove::Up: return std::max(FCaret - 1, 0);
    case TListMove::Down: return std::min(FCaret + 1, last);
    case TListMove::PageUp: return std::max(FCaret - page, 0);
    case TListMove::PageDown: return std::min(std::max(FCaret, 0) + page, last);
    case TListMove::Home: return 0;
    case TListMove::End: return last;
  }
  return FCaret;
}

}  // namespace plat
