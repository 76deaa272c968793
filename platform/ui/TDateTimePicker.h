#pragma once
// The date-time picker: the common control of DateTimePicker.h in a
// control. Kind chooses a date or a time; DateMode a drop-down calendar or
// up-down arrows; DateFormat the locale's short or long date format, unless
// Format gives one of its own (the runtime's syntax, as FormatDateTime
// reads it). With ShowCheckbox a check box says whether there is a value
// (Checked).
//
// DateTime is one value: Date its whole days, Time its fraction; setting
// either keeps the other. MinDate and MaxDate bound the days (0: no bound;
// their time of day is not looked at): a DateTime outside them raises
// EDateTimeError, and so does a bound that would cross the other.
//
// OnChange follows each change the user makes (not those the program
// makes); OnDropDown follows the calendar's appearing, OnCloseUp its going
// (after the OnChange of a day taken from it).
#include "platform/rtl/Exception.h"
#include "platform/ui/TWinControl.h"

namespace plat {

class EDateTimeError : public Exception {
 public:
  using Exception::Exception;
};

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateMode { dmComboBox, dmUpDown };
enum class TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* AOwner);

  TDateTime DateTime() const { return FDateTime; }
  void SetDateTime(TDateTime Value);
  TDateTime Date() const;
  void SetDate(TDateTime Value);
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  TDateTime MinDate() const { return FMinDate; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDateTime Value);

  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  TDTDateFormat DateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat Value);
  const String& Format() const { return FFormat; }
  void SetFormat(const String& Value);
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  // Without ShowCheckbox always true.
  bool Checked() const;
  void SetChecked(bool Value);
  // Whether the calendar shows.
  bool DroppedDown() const { return FDroppedDown; }

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();

  void CreateParams(TCreateParams& Params) override;
  void CreateHandleNotify() override;
  void WndProc(TMessage& Message) override;

 private:
  void CNNotify(TMessage& Message);
  // The window takes the control's value, range, check mark and format.
  void SendValue();
  void SendRange();
  void SendFormat();
  void CheckInRange(TDateTime Value) const;

  TDateTime FDateTime = 0;
  TDateTime FMinDate = 0;
  TDateTime FMaxDate = 0;
  TDateTimeKind FKind = TDateTimeKind::dtkDate;
  TDTDateMode FDateMode = TDTDateMode::dmComboBox;
  TDTDateFormat FDateFormat = TDTDateFormat::dfShort;
  String FFormat;
  bool FShowCheckbox = false;
  bool FChecked = true;
  bool FDroppedDown = false;
};

}  // namespace plat
