#pragma once
// What a date-time picker does to its value, without a window: the format's
// fields, the current one, and the keys' work on them (stepping, typing
// digits and am/pm letters, moving between fields), the range the value is
// kept in, and the pieces of text the picker draws.
//
// The value is always valid and within the range; every operation answers
// whether it changed the value. An edit that would take the value out of
// the range is refused; a new range or a day set moves the value into it. A separator typed right after a field
// completed by its digits moves no further. Digits typed into a field are taken as soon
// as they make a value of the field (a day or month of 0 waits for the next
// digit), except a year, which is taken once all its digits are typed or
// typing ends (FinishTyping); until taken the digits show as typed.
#include <vector>

#include "platform/rtl/DateTimeFormatTokens.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SystemTime.h"

namespace plat {

class TDateTimeFields {
 public:
  TDateTimeFields();

  // A new format (tokens of TokenizeDateTimeFormat, names from settings);
  // the first field becomes current.
  void SetFormat(std::vector<TDateTimeToken> Tokens, const TFormatSettings& Settings);

  const SYSTEMTIME& Value() const { return FValue; }
  // Refuses (false) a time that is not valid or lies outside the range.
  bool SetValue(const SYSTEMTIME& Value);
  // Min and Max as TDateTime; refuses Min above Max. The value moves into
  // the range.
  bool SetRange(TDateTime Min, TDateTime Max);
  TDateTime Min() const { return FMin; }
  TDateTime Max() const { return FMax; }
  // The date of Day with the value's time of day, kept within the range.
  bool SetDate(const SYSTEMTIME& Day);

  // Fields: the tokens that are not literals, in order.
  int FieldCount() const { return static_cast<int>(FFields.size()); }
  int Current() const { return FCurrent; }
  // Makes Field current (ends typing); false when it is outside the fields.
  bool SelectField(int Field);
  // The next (Delta 1) or previous (-1) field; false when there is none.
  bool MoveField(int Delta);
  bool HasField(int Delta) const;

  // Up (1) and Down (-1) on the current field.
  bool Step(int Delta);
  // A typed character: digits, am/pm letters and separators.
  bool TypeChar(char32_t Char);
  // Takes a pending year and ends typing.
  bool FinishTyping();

  // What the picker draws, token by token: the text, and the field it
  // belongs to (-1 for a literal).
  struct TPiece {
    String Text;
    int Field = -1;
  };
  std::vector<TPiece> Pieces() const;

 private:
  // Lowest and highest value a field takes by typing.
  struct TBounds {
    int Low = 0;
    int High = 0;
    int Digits = 0;  // 0: not typed in digits
  };
  const TDateTimeToken& FieldToken(int Field) const;
  TBounds BoundsOf(const TDateTimeToken& Token) const;
  // The value with a field set to Number (typed), day kept within its month.
  SYSTEMTIME WithField(const TDateTimeToken& Token, int Number) const;
  // Takes Candidate: moved into the range when Clamp, else only when within it.
  bool Apply(const SYSTEMTIME& Candidate, bool Clamp = false);
  bool TypeDigit(int Digit);
  String PieceText(const TDateTimeToken& Token) const;

  std::vector<TDateTimeToken> FTokens;
  std::vector<int> FFields;  // token index of each field
  TFormatSettings FSettings;
  SYSTEMTIME FValue;
  TDateTime FMin;
  TDateTime FMax;
  int FCurrent = 0;
  // Digits typed into the current field so far.
  int FTyped = 0;
  int FTypedCount = 0;
  bool FPending = false;  // typed digits not (yet) taken show as typed
  // The last digit completed a field and moved on: a separator typed next
  // belongs to that field and moves no further.
  bool FAdvanced = false;
};

}  // namespace plat
