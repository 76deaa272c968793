#include "grid/EsgSpinEdit.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "grid/PasteLimit.h"
#include "grid/detail/EmbeddedButton.h"
#include "grid/detail/SpinSteps.h"
#include "grid/detail/SystemFontHeight.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/FontMeasure.h"
#include "platform/win/MessageBox.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowStyles.h"

namespace zorbit {

namespace {

constexpr int kButtonWidth = 15;
constexpr int kButtonHeight = 17;
// Bit 22 of a key's data: the scan code of the keypad's "." (0x53) has it.
constexpr plat::LPARAM kKeypadScanBit = plat::LPARAM{1} << 22;

template <typename T>
T Clamped(T Value, T Min, T Max) {
  // Equal limits mean none.
  if (Min == Max) return Value;
  return std::clamp(Value, std::min(Min, Max), std::max(Min, Max));
}

template <typename T>
bool Outside(T Value, T Min, T Max) {
  return Min != Max && Clamped(Value, Min, Max) != Value;
}

}  // namespace

TEsgSpinEdit::TEsgSpinEdit(plat::TComponent* AOwner) : plat::TCustomMaskEdit(AOwner) {
  SetText("0");
  FButton = new TEsgSpinButton(this);
  FButton->SetBounds(0, 0, kButtonWidth, kButtonHeight);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](plat::TObject*) { StepUp(); };
  FButton->OnDownClick = [this](plat::TObject*) { StepDown(); };
}

// The button goes with the other children; nothing reaches it from here on.
TEsgSpinEdit::~TEsgSpinEdit() { FButton = nullptr; }

// Values.

int TEsgSpinEdit::Value() {
  int value = 0;
  return plat::TryStrToInt(Text(), value) ? value : FMinValue;
}

void TEsgSpinEdit::SetValue(int Value) {
  SetText(plat::IntToStr(Clamped(Value, FMinValue, FMaxValue)));
  if (!FEditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() {
  double value = 0;
  return plat::TryStrToFloat(Text(), value) ? value : FMinFloatValue;
}

void TEsgSpinEdit::SetFloatValue(double Value) {
  const double value = Clamped(Value, FMinFloatValue, FMaxFloatValue);
  SetText(FPrecision > 0 ? plat::FloatToStrF(value, plat::TFloatFormat::ffFixed, 15, FPrecision)
                         : plat::FloatToStr(value));
}

plat::TDateTime TEsgSpinEdit::DateValue() {
  const plat::String text = Text();
  if (text.empty() || text == "0") return plat::Now();
  plat::TDateTime value = 0;
  return plat::TryStrToDate(text, value) ? value : FMinDateValue;
}

void TEsgSpinEdit::SetDateValue(plat::TDateTime Value) {
  FDateValue = Value;
  if (ComponentState().Contains(plat::TComponentStateItem::csLoading)) return;
  FDateValue = Clamped(Value, FMinDateValue, FMaxDateValue);
  ShowKeepingCaret(plat::DateToStr(FDateValue));
}

plat::TDateTime TEsgSpinEdit::TimeValue() {
  plat::TDateTime value = 0;
  return plat::TryStrToTime(Text(), value) ? value : 0;
}

void TEsgSpinEdit::SetTimeValue(plat::TDateTime Value) {
  FTimeValue = Value;
  if (ComponentState().Contains(plat::TComponentStateItem::csLoading)) return;
  ShowKeepingCaret(plat::TimeToStr(FTimeValue));
}

void TEsgSpinEdit::ShowKeepingCaret(const plat::String& Text) {
  const int caret = SelStart();
  SetText(Text);
  SetSelStart(caret);
}

void TEsgSpinEdit::WriteValueBack() {
  switch (FSpinType) {
    case TEsgSpinType::sptNormal: SetValue(Value()); break;
    case TEsgSpinType::sptFloat: SetFloatValue(FloatValue()); break;
    case TEsgSpinType::sptDate: SetDateValue(DateValue()); break;
    case TEsgSpinType::sptTime: SetTimeValue(TimeValue()); break;
  }
}

bool TEsgSpinEdit::OutsideLimits() {
  switch (FSpinType) {
    case TEsgSpinType::sptNormal: return Outside(Value(), FMinValue, FMaxValue);
    case TEsgSpinType::sptFloat: return Outside(FloatValue(), FMinFloatValue, FMaxFloatValue);
    case TEsgSpinType::sptDate: return Outside(DateValue(), FMinDateValue, FMaxDateValue);
    case TEsgSpinType::sptTime: return false;
  }
  return false;
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType Value) {
  FSpinType = Value;
  WriteValueBack();
}

void TEsgSpinEdit::SetPrecision(int Value) {
  FPrecision = Value;
  if (FSpinType == TEsgSpinType::sptFloat) SetFloatValue(FloatValue());
}

void TEsgSpinEdit::Loaded() {
  plat::TCustomMaskEdit::Loaded();
  if (FSpinType == TEsgSpinType::sptDate) SetText(plat::DateToStr(FDateValue));
  if (FSpinType == TEsgSpinType::sptTime) SetText(plat::TimeToStr(FTimeValue));
  SetSpinType(FSpinType);
}

// Steps.

void TEsgSpinEdit::StepUp() { Step(1); }

void TEsgSpinEdit::StepDown() { Step(-1); }

void TEsgSpinEdit::Step(int Sign) {
  if (ReadOnly()) {
    plat::MessageBeep(plat::MB_OK);
    return;
  }
  switch (FSpinType) {
    case TEsgSpinType::sptNormal: {
      // Without limits the sum could leave the integers: it stops at their ends.
      const std::int64_t sum = std::int64_t{Value()} + std::int64_t{Sign} * FIncrement;
      SetValue(static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX)));
      break;
    }
    case TEsgSpinType::sptFloat: SetFloatValue(FloatValue() + Sign * FIncrementFloat); break;
    case TEsgSpinType::sptDate: StepDate(Sign); break;
    case TEsgSpinType::sptTime: StepTime(Sign); break;
  }
}

void TEsgSpinEdit::StepDate(int Sign) {
  const plat::TFormatSettings& settings = plat::FormatSettings();
  const detail::TDatePart part =
      detail::DatePartAt(Text(), SelStart(), settings.ShortDateFormat, settings.DateSeparator);
  SetDateValue(detail::StepDate(DateValue(), part, Sign));
}

void TEsgSpinEdit::StepTime(int Sign) {
  const detail::TTimePart part = detail::TimePartAt(Text(), SelStart(), plat::FormatSettings().TimeSeparator);
  SetTimeValue(detail::StepTime(TimeValue(), part, Sign));
}

// Typing.

bool TEsgSpinEdit::IsValidChar(char32_t& Key) {
  const plat::TFormatSettings& settings = plat::FormatSettings();
  const char32_t decimal = static_cast<unsigned char>(settings.DecimalSeparator);
  const char32_t thousand = static_cast<unsigned char>(settings.ThousandSeparator);
  const char32_t timeSep = static_cast<unsigned char>(settings.TimeSeparator);
  const char32_t dateSep = static_cast<unsigned char>(settings.DateSeparator);
  const bool digit = Key >= U'0' && Key <= U'9';
  const bool printable = Key >= U' ';
  const bool numeric = FSpinType == TEsgSpinType::sptNormal || FSpinType == TEsgSpinType::sptFloat;
  // A separator that is also a number's own character stays typable in numbers.
  const auto numberCharacter = [&](char32_t Separator) {
    return numeric && (Separator == decimal || Separator == thousand || Separator == U'-' || Separator == U'+');
  };
  const plat::String text = Text();
  const plat::String selected = SelText();

  bool valid = Key == U'\b';
  if (!valid) {
    valid = Key == decimal || Key == thousand || Key == timeSep || Key == dateSep || Key == U'-' || digit ||
            (!printable && Key != U'\r');
    if (Key == timeSep && FSpinType != TEsgSpinType::sptTime && !numberCharacter(timeSep)) valid = false;
    if (Key == dateSep && FSpinType != TEsgSpinType::sptDate && !numberCharacter(dateSep)) valid = false;
    if (Key == U'-' && ((text.find('-') != plat::String::npos && selected.find('-') == plat::String::npos) ||
                        SelStart() != 0))
      valid = false;
    // Control characters (the clipboard keys among them) are not typed text.
    if (FSpinType == TEsgSpinType::sptNormal && printable && !digit && Key != U'-') valid = false;
    if (FSpinType == TEsgSpinType::sptFloat && printable) {
      const std::size_t separatorAt = text.find(static_cast<char>(decimal));
      const bool hasSeparator = separatorAt != plat::String::npos;
      if (Key == thousand) valid = false;
      if (Key == decimal && hasSeparator && selected.find(static_cast<char>(decimal)) == plat::String::npos)
        valid = false;
      if (FPrecision > 0 && hasSeparator && SelStart() > static_cast<int>(separatorAt) && SelLength() == 0 &&
          text.size() >= separatorAt + 1 + static_cast<std::size_t>(FPrecision))
        valid = false;
    }
    if (FSpinType == TEsgSpinType::sptTime && Key == timeSep &&
        std::count(text.begin(), text.end(), static_cast<char>(timeSep)) >= 2)
      valid = false;
  }
  if (!FEditorEnabled && (printable || Key == U'\b' || Key == U'.')) valid = false;
  return valid;
}

void TEsgSpinEdit::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  if (Key == plat::VK_RETURN && FReturnIsTab) {
    Key = plat::VK_TAB;
    plat::PostMessageA(Handle(), plat::WM_KEYDOWN, plat::VK_TAB, 0);
  }
  if (Key == plat::VK_DELETE && !FEditorEnabled) Key = 0;
  plat::TCustomMaskEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(char32_t& Key) {
  // The Return that became a Tab is not typed as well.
  if (Key == U'\r' && FReturnIsTab) {
    Key = 0;
  } else if (Key != 0 && !IsValidChar(Key)) {
    Key = 0;
    plat::MessageBeep(plat::MB_OK);
  }
  plat::TCustomMaskEdit::KeyPress(Key);
}

// Focus.

void TEsgSpinEdit::DoExit() {
  if (OutsideLimits()) WriteValueBack();
  plat::TCustomMaskEdit::DoExit();
}

// Window and layout.

void TEsgSpinEdit::CreateParams(plat::TCreateParams& Params) {
  plat::TCustomMaskEdit::CreateParams(Params);
  Params.Style |= plat::ES_MULTILINE | plat::WS_CLIPCHILDREN;
  Params.Style &= ~(plat::ES_RIGHT | plat::ES_CENTER);
  if (FEditAlign == TEditAlign::eaRight) Params.Style |= plat::ES_RIGHT;
  if (FEditAlign == TEditAlign::eaCenter) Params.Style |= plat::ES_CENTER;
}

void TEsgSpinEdit::CreateHandleNotify() {
  plat::TCustomMaskEdit::CreateHandleNotify();
  SetFormattingRect();
}

void TEsgSpinEdit::SetFormattingRect() {
  if (!FButton || !HandleAllocated()) return;
  const bool borderless = BorderStyle() == plat::TBorderStyle::bsNone;
  plat::TRect rect;
  rect.Left = rect.Top = borderless ? 1 : 0;
  rect.Right = ClientWidth() - FButton->Width() - 2 - (borderless ? 1 : 0);
  rect.Bottom = ClientHeight() + 1;
  Perform(plat::EM_SETRECTNP, 0, reinterpret_cast<plat::LPARAM>(&rect));
}

int TEsgSpinEdit::MinHeight() {
  plat::TFontMeasure measure(Font());
  const int fontHeight = measure.TextHeight();
  int height = std::min(detail::SystemFontHeight(), fontHeight) / 4 + fontHeight + 2;
  if (BorderStyle() == plat::TBorderStyle::bsSingle) height += 4 * plat::GetSystemMetrics(plat::SM_CYBORDER);
  return height;
}

void TEsgSpinEdit::NudgeWidth() {
  SetWidth(Width() + 1);
  SetWidth(Width() - 1);
}

void TEsgSpinEdit::SetDirection(TSpinDirection Value) {
  FButton->SetDirection(Value);
  NudgeWidth();
}

void TEsgSpinEdit::SetEditAlign(TEditAlign Value) {
  if (FEditAlign == Value) return;
  FEditAlign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TEsgSpinEdit::SetSpinFlat(bool Value) {
  FSpinFlat = Value;
  FButton->UpButton()->SetFlat(Value);
  FButton->DownButton()->SetFlat(Value);
}

void TEsgSpinEdit::SetSpinTransparent(bool Value) {
  FSpinTransparent = Value;
  FButton->UpButton()->SetTransparent(Value);
  FButton->DownButton()->SetTransparent(Value);
  NudgeWidth();
}

void TEsgSpinEdit::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::WM_KEYDOWN:
      if (Message.WParam == plat::VK_UP || Message.WParam == plat::VK_PRIOR) {
        StepUp();
        Message.Result = 0;
        return;
      }
      if (Message.WParam == plat::VK_DOWN || Message.WParam == plat::VK_NEXT) {
        StepDown();
        Message.Result = 0;
        return;
      }
      break;
    case plat::WM_CHAR:
      if (FExcelStyleDecimalSeparator && Message.WParam == '.' && (Message.LParam & kKeypadScanBit) != 0)
        Message.WParam = static_cast<unsigned char>(plat::FormatSettings().DecimalSeparator);
      break;
    case plat::WM_PASTE:
      if (!FEditorEnabled || ReadOnly() || !ClipboardPasteFits(EditBuffer())) return;
      break;
    case plat::WM_CUT:
      if (!FEditorEnabled || ReadOnly()) return;
      break;
    case plat::WM_LBUTTONDOWN:
      if (!FEditorEnabled && AutoSelect() && !Focused()) {
        // Entering by keyboard selects all already; a click would place the
        // caret, so the selection comes after it.
        plat::TCustomMaskEdit::WndProc(Message);
        SelectAll();
        return;
      }
      break;
    default: break;
  }
  plat::TCustomMaskEdit::WndProc(Message);
  if (Message.Msg == plat::WM_SIZE) {
    detail::FitEditAroundButton(*this, FButton, MinHeight());
    SetFormattingRect();
  }
}

}  // namespace zorbit
