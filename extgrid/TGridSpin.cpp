#include "extgrid/TGridSpin.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

TGridSpin::TGridSpin(plat::TComponent* AOwner) : TEsgSpinEdit(AOwner), FGrid(detail::OwnerGrid(AOwner)) {
  SetMaxValue(100);
  SetMinValue(0);
  SetIncrement(1);
}

plat::String TGridSpin::EditorText() {
  if (!FGrid) return Text();
  switch (SpinType()) {
    case TEsgSpinType::sptFloat: return plat::Format(FGrid->FloatFormat(), {FloatValue()});
    case TEsgSpinType::sptDate: {
      const plat::TDateTime date = DateValue();
      return date <= 0 && !FGrid->FormatZeroDates() ? plat::String() : plat::DateToStr(date);
    }
    default: return Text();
  }
}

void TGridSpin::LoadEditorText(const plat::String& Value) {
  SetText(Value);
  SetSelStart(static_cast<int>(EditBuffer().Length()));
}

void TGridSpin::StepUp() {
  TEsgSpinEdit::StepUp();
  FireSpinClick(true);
}

void TGridSpin::StepDown() {
  TEsgSpinEdit::StepDown();
  FireSpinClick(false);
}

void TGridSpin::FireSpinClick(bool Up) {
  if (!FGrid) return;
  const int col = FGrid->Col();
  const int row = FGrid->Row();
  switch (SpinType()) {
    case TEsgSpinType::sptNormal:
      if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, col, row, Value(), Up);
      break;
    case TEsgSpinType::sptFloat:
      if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, col, row, FloatValue(), Up);
      break;
    case TEsgSpinType::sptDate:
      if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, col, row, DateValue(), Up);
      break;
    case TEsgSpinType::sptTime:
      if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, col, row, TimeValue(), Up);
      break;
  }
}

void TGridSpin::WndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::WM_KEYDOWN) {
    // The spin edit steps on these keys before its key handling; in a cell
    // they commit (Up, Down) or follow the page rules.
    switch (Message.WParam) {
      case plat::VK_UP:
      case plat::VK_DOWN:
      case plat::VK_PRIOR:
      case plat::VK_NEXT: {
        auto key = static_cast<std::uint16_t>(Message.WParam);
        KeyDown(key, plat::KeyboardStateToShiftState());
        Message.Result = 0;
        return;
      }
      default: break;
    }
  }
  TEsgSpinEdit::WndProc(Message);
  if (Message.Msg == plat::WM_GETDLGCODE) detail::WantEditorKeys(FGrid, Message);
}

void TGridSpin::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  switch (Key) {
    case plat::VK_PRIOR:
    case plat::VK_NEXT:
    case plat::VK_HOME:
    case plat::VK_END:
      PageKey(Key);
      Key = 0;
      return;
    default: break;
  }
  detail::EditorKeyDown(FGrid, *this, Key, Shift);
  if (Key != 0) TEsgSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::PageKey(std::uint16_t Key) {
  const bool up = Key == plat::VK_PRIOR || Key == plat::VK_HOME;
  if (SpinType() == TEsgSpinType::sptNormal) {
    const int value = Value();
    if (Key == plat::VK_PRIOR && value + Increment() <= MaxValue()) SetValue(value + Increment());
    if (Key == plat::VK_NEXT && value - Increment() >= MinValue()) SetValue(value - Increment());
    if (Key == plat::VK_END) SetValue(MinValue());
    if (Key == plat::VK_HOME) SetValue(MaxValue());
  } else if (SpinType() == TEsgSpinType::sptFloat) {
    const double value = FloatValue();
    if (Key == plat::VK_PRIOR && value + IncrementFloat() <= MaxFloatValue()) SetFloatValue(value + IncrementFloat());
    if (Key == plat::VK_NEXT && value - IncrementFloat() >= MinFloatValue()) SetFloatValue(value - IncrementFloat());
    if (Key == plat::VK_END) SetFloatValue(MinFloatValue());
    if (Key == plat::VK_HOME) SetFloatValue(MaxFloatValue());
  }
  if (FGrid && FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), up);
}

void TGridSpin::KeyPress(char32_t& Key) {
  if (detail::SwallowEditorChar(Key)) return;
  TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::DoExit() {
  TEsgSpinEdit::DoExit();
  detail::EditorExited(FGrid);
}

void TGridSpin::Change() {
  TEsgSpinEdit::Change();
  detail::EditorTextChanged(FGrid, Text());
}

}  // namespace zorbit
