#include "platform/ui/TDateTimePicker.h"

#include <cmath>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/SystemTime.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/CommonControls.h"
#include "platform/win/DateTimePicker.h"

namespace plat {

namespace {

TDateTime WholeDays(TDateTime Value) { return std::trunc(Value); }
TDateTime TimeOfDay(TDateTime Value) { return std::fabs(Value - std::trunc(Value)); }
TDateTime LastMoment() { return EncodeTime(23, 59, 59, 999); }

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner), FDateTime(Now()) {
  INITCOMMONCONTROLSEX init;
  init.dwICC = ICC_DATE_CLASSES;
  InitCommonControlsEx(&init);
  // No mouse capture: the drop-down calendar holds it while it shows.
  SetControlStyle({TControlStyleItem::csOpaque, TControlStyleItem::csClickEvents, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csFixedHeight});
  SetBounds(Left(), Top(), 186, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

// Values.

void TDateTimePicker::CheckInRange(TDateTime Value) const {
  if (FMinDate != 0 && WholeDays(Value) < WholeDays(FMinDate))
    throw EDateTimeError(FmtLoadResString(SDateTimeMin, {DateToStr(FMinDate)}));
  if (FMaxDate != 0 && WholeDays(Value) > WholeDays(FMaxDate))
    throw EDateTimeError(FmtLoadResString(SDateTimeMax, {DateToStr(FMaxDate)}));
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
  if (Value == FDateTime) return;
  CheckInRange(Value);
  FDateTime = Value;
  SendValue();
}

TDateTime TDateTimePicker::Date() const { return WholeDays(FDateTime); }

void TDateTimePicker::SetDate(TDateTime Value) { SetDateTime(ComposeDateTime(WholeDays(Value), TimeOfDay(FDateTime))); }

TDateTime TDateTimePicker::Time() const { return TimeOfDay(FDateTime); }

void TDateTimePicker::SetTime(TDateTime Value) { SetDateTime(ComposeDateTime(Date(), TimeOfDay(Value))); }

void TDateTimePicker::SetMinDate(TDateTime Value) {
  if (Value == FMinDate) return;
  if (Value != 0 && FMaxDate != 0 && WholeDays(Value) > WholeDays(FMaxDate))
    throw EDateTimeError(FmtLoadResString(SDateTimeMax, {DateToStr(FMaxDate)}));
  FMinDate = Value;
  // The value moves into the new range, as the window's does.
  if (Value != 0 && WholeDays(FDateTime) < WholeDays(Value))
    FDateTime = ComposeDateTime(WholeDays(Value), TimeOfDay(FDateTime));
  SendRange();
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
  if (Value == FMaxDate) return;
  if (Value != 0 && FMinDate != 0 && WholeDays(Value) < WholeDays(FMinDate))
    throw EDateTimeError(FmtLoadResString(SDateTimeMin, {DateToStr(FMinDate)}));
  FMaxDate = Value;
  if (Value != 0 && WholeDays(FDateTime) > WholeDays(Value))
    FDateTime = ComposeDateTime(WholeDays(Value), TimeOfDay(FDateTime));
  SendRange();
}

// Looks: each makes a window of another style.

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  if (FDateMode == Value) return;
  FDateMode = Value;
  RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  if (FDateFormat == Value) return;
  FDateFormat = Value;
  RecreateWnd();
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (FShowCheckbox == Value) return;
  FShowCheckbox = Value;
  RecreateWnd();
}

void TDateTimePicker::SetFormat(const String& Value) {
  if (FFormat == Value) return;
  FFormat = Value;
  SendFormat();
}

bool TDateTimePicker::Checked() const { return !FShowCheckbox || FChecked; }

void TDateTimePicker::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SendValue();
}

// Events.

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TDateTimePicker::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

// The window.

void TDateTimePicker::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, DATETIMEPICK_CLASS);
  if (FKind == TDateTimeKind::dtkTime) {
    Params.Style |= DTS_TIMEFORMAT;
  } else {
    if (FDateFormat == TDTDateFormat::dfLong) Params.Style |= DTS_LONGDATEFORMAT;
    if (FDateMode == TDTDateMode::dmUpDown) Params.Style |= DTS_UPDOWN;
  }
  if (FShowCheckbox) Params.Style |= DTS_SHOWNONE;
  AddSingleBorder(Params);
}

void TDateTimePicker::CreateHandleNotify() {
  TWinControl::CreateHandleNotify();
  SendRange();
  SendFormat();
  SendValue();
}

void TDateTimePicker::SendValue() {
  if (!HandleAllocated()) return;
  if (!Checked()) {
    Perform(DTM_SETSYSTEMTIME, static_cast<WPARAM>(GDT_NONE), 0);
    return;
  }
  const SYSTEMTIME value = DateTimeToSystemTime(FDateTime);
  Perform(DTM_SETSYSTEMTIME, static_cast<WPARAM>(GDT_VALID), reinterpret_cast<LPARAM>(&value));
}

void TDateTimePicker::SendRange() {
  if (!HandleAllocated()) return;
  SYSTEMTIME ends[2];
  WPARAM flags = 0;
  if (FMinDate != 0) {
    ends[0] = DateTimeToSystemTime(WholeDays(FMinDate));
    flags |= GDTR_MIN;
  }
  if (FMaxDate != 0) {
    ends[1] = DateTimeToSystemTime(ComposeDateTime(WholeDays(FMaxDate), LastMoment()));
    flags |= GDTR_MAX;
  }
  Perform(DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(ends));
}

void TDateTimePicker::SendFormat() {
  if (!HandleAllocated()) return;
  Perform(DTM_SETFORMAT, 0, FFormat.empty() ? 0 : reinterpret_cast<LPARAM>(FFormat.c_str()));
}

void TDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY) {
    CNNotify(Message);
    return;
  }
  TWinControl::WndProc(Message);
}

void TDateTimePicker::CNNotify(TMessage& Message) {
  const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
  switch (header->code) {
    case DTN_DATETIMECHANGE: {
      const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(Message.LParam);
      FChecked = change->dwFlags != static_cast<DWORD>(GDT_NONE);
      if (FChecked) FDateTime = SystemTimeToDateTime(change->st);
      Change();
      return;
    }
    case DTN_DROPDOWN:
      FDroppedDown = true;
      DropDown();
      return;
    case DTN_CLOSEUP:
      FDroppedDown = false;
      CloseUp();
      return;
    default: return;
  }
}

}  // namespace plat
