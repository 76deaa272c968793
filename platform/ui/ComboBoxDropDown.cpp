// The combo box's drop-down and the selection the user makes: showing and
// closing the list, its highlight by keys and typing, and selecting by
// keys, the wheel and typed letters.
#include <algorithm>

#include "platform/rtl/Unicode.h"
#include "platform/ui/ParentNotify.h"
#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/detail/ComboDropList.h"
#include "platform/ui/detail/ComboEdit.h"
#include "platform/win/Clock.h"
#include "platform/win/VirtualKeys.h"

namespace plat {

namespace {

// Letters typed within this time of each other make one prefix.
constexpr std::int64_t kTypingPause = 1000;

}  // namespace

void TCustomComboBox::ShowDropDown(bool ByPress) {
  if (FDropped || !HandleAllocated() || !Enabled()) return;
  NotifyParent(this, CBN_DROPDOWN);
  DropDown();
  // A handler may have taken the box away.
  if (!HandleAllocated()) return;
  ApplyListLooks();
  int highlight = FItemIndex;
  if (FEdit) {
    // An edited text highlights the item it names.
    const String text = FEdit->Text();
    const auto found = static_cast<int>(
        FList->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
    if (found >= 0) highlight = found;
  }
  FList->Perform(LB_SETCURSEL, static_cast<WPARAM>(highlight), 0);
  FDropped = true;
  FList->ShowAt(DropRect(), ByPress);
  Invalidate();
}

void TCustomComboBox::CloseDropDown(bool Take) {
  if (!FDropped) return;
  FDropped = false;
  const int highlight = FList->ItemIndex();
  NotifyParent(this, Take ? CBN_SELENDOK : CBN_SELENDCANCEL);
  FList->Hide();
  Invalidate();
  NotifyParent(this, CBN_CLOSEUP);
  CloseUp();
  if (Take && highlight >= 0 && highlight != FItemIndex) {
    SelectByUser(highlight);
  } else if (Take && highlight >= 0 && FEdit) {
    // The same item again: its text comes back over what was typed.
    SetEditText(ItemText(highlight));
  }
}

void TCustomComboBox::SelectByUser(int Index) {
  SetCurSel(Index);
  NotifyParent(this, CBN_SELCHANGE);
  Click();
  Select();
}

int TCustomComboBox::StepTarget(WPARAM Key, int From) {
  const int count = static_cast<int>(FList->Perform(LB_GETCOUNT, 0, 0));
  const int page = std::max(FDropDownCount - 1, 1);
  const bool list = !FEdit;
  int target = From;
  switch (Key) {
    case VK_UP: target = From - 1; break;
    case VK_DOWN: target = From + 1; break;
    case VK_PRIOR: target = From - page; break;
    case VK_NEXT: target = From + page; break;
    case VK_LEFT:
      if (!list) return -2;
      target = From - 1;
      break;
    case VK_RIGHT:
      if (!list) return -2;
      target = From + 1;
      break;
    case VK_HOME:
      if (!list) return -2;
      target = 0;
      break;
    case VK_END:
      if (!list) return -2;
      target = count - 1;
      break;
    default: return -2;
  }
  if (count == 0) return -1;
  // From no selection, Up and Down both begin at the top.
  if (From < 0 && (Key == VK_UP || Key == VK_LEFT || Key == VK_PRIOR)) target = 0;
  return std::clamp(target, 0, count - 1);
}

bool TCustomComboBox::MoveHighlight(WPARAM Key) {
  const int target = StepTarget(Key, FList->ItemIndex());
  if (target == -2) return false;
  if (target >= 0) {
    FList->Perform(LB_SETCURSEL, static_cast<WPARAM>(target), 0);
    FList->Perform(LB_SETCARETINDEX, static_cast<WPARAM>(target), 0);
  }
  return true;
}

void TCustomComboBox::SelectByTyping(char32_t Char) {
  const std::int64_t now = CurrentClock().Now();
  String letter;
  AppendUtf8(letter, Char);
  const String prefix = now - FTypedAt <= kTypingPause ? FTyped + letter : letter;
  FTypedAt = now;
  const int from = FDropped ? FList->ItemIndex() : FItemIndex;
  auto find = [this](int Start, const String& Text) {
    return static_cast<int>(
        FList->Perform(LB_FINDSTRING, static_cast<WPARAM>(Start), reinterpret_cast<LPARAM>(Text.c_str())));
  };
  // The first item beginning with the letters; when none does, the letter
  // alone begins again after the current item.
  int found = find(-1, prefix);
  FTyped = prefix;
  if (found < 0) {
    found = find(from, letter);
    FTyped = letter;
  }
  if (found < 0) return;
  if (FDropped) {
    FList->Perform(LB_SETCURSEL, static_cast<WPARAM>(found), 0);
    FList->Perform(LB_SETCARETINDEX, static_cast<WPARAM>(found), 0);
  } else if (found != FItemIndex) {
    SelectByUser(found);
  }
}

void TCustomComboBox::HighlightTypedText() {
  const String text = FEdit->Text();
  if (text.empty()) return;
  const auto found =
      static_cast<int>(FList->Perform(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
  if (found < 0) return;
  FList->Perform(LB_SETCURSEL, static_cast<WPARAM>(found), 0);
  FList->Perform(LB_SETCARETINDEX, static_cast<WPARAM>(found), 0);
}

}  // namespace plat
