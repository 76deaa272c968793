#include "platform/win/detail/DateTimeFields.h"

#include <algorithm>

#include "platform/rtl/DateTime.h"

namespace plat {

namespace {

bool SameTime(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
         a.wMinute == b.wMinute && a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}

// Value + Delta within First..Last, coming round at the ends.
int Wrap(int Value, int Delta, int First, int Last) {
  const int span = Last - First + 1;
  return First + ((Value - First + Delta) % span + span) % span;
}

Word ToWord(int Value) { return static_cast<Word>(Value); }

void KeepDayInMonth(SYSTEMTIME& Time) { Time.wDay = std::min<Word>(Time.wDay, DaysInAMonth(Time.wYear, Time.wMonth)); }

char32_t Lower(char32_t Char) { return Char >= 'A' && Char <= 'Z' ? Char + 32 : Char; }

char32_t FirstLetter(const String& Text) { return Text.empty() ? 0 : Lower(static_cast<unsigned char>(Text[0])); }

bool IsSeparator(char32_t Char, const TFormatSettings& Settings) {
  static constexpr char32_t kSeparators[] = {'/', ':', '.', ',', '-', ' '};
  return Char == static_cast<unsigned char>(Settings.DateSeparator) ||
         Char == static_cast<unsigned char>(Settings.TimeSeparator) ||
         std::find(std::begin(kSeparators), std::end(kSeparators), Char) != std::end(kSeparators);
}

}  // namespace

TDateTimeFields::TDateTimeFields()
    : FValue(DateTimeToSystemTime(EncodeDate(2000, 1, 1))),
      FMin(EncodeDate(1, 1, 1)),
      FMax(EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59, 999)) {}

void TDateTimeFields::SetFormat(std::vector<TDateTimeToken> Tokens, const TFormatSettings& Settings) {
  FTokens = std::move(Tokens);
  FSettings = Settings;
  FFields.clear();
  for (std::size_t i = 0; i < FTokens.size(); ++i)
    if (FTokens[i].Part != TDateTimePart::Literal) FFields.push_back(static_cast<int>(i));
  FCurrent = 0;
  FTyped = FTypedCount = 0;
  FPending = false;
}

bool TDateTimeFields::SetValue(const SYSTEMTIME& Value) {
  TDateTime value = 0;
  if (!TrySystemTimeToDateTime(Value, value) || value < FMin || value > FMax) return false;
  FTyped = FTypedCount = 0;
  FPending = false;
  FValue = DateTimeToSystemTime(value);
  return true;
}

bool TDateTimeFields::SetRange(TDateTime Min, TDateTime Max) {
  if (Min > Max) return false;
  FMin = Min;
  FMax = Max;
  Apply(FValue, true);
  return true;
}

bool TDateTimeFields::SetDate(const SYSTEMTIME& Day) {
  SYSTEMTIME candidate = FValue;
  candidate.wYear = Day.wYear;
  candidate.wMonth = Day.wMonth;
  candidate.wDay = Day.wDay;
  TDateTime ignored = 0;
  return TrySystemTimeToDateTime(candidate, ignored) && Apply(candidate, true);
}

bool TDateTimeFields::SelectField(int Field) {
  if (Field < 0 || Field >= FieldCount()) return false;
  FinishTyping();
  FAdvanced = false;
  FCurrent = Field;
  return true;
}

bool TDateTimeFields::HasField(int Delta) const {
  const int target = FCurrent + Delta;
  return target >= 0 && target < FieldCount();
}

bool TDateTimeFields::MoveField(int Delta) { return HasField(Delta) && SelectField(FCurrent + Delta); }

const TDateTimeToken& TDateTimeFields::FieldToken(int Field) const {
  return FTokens[static_cast<std::size_t>(FFields[static_cast<std::size_t>(Field)])];
}

TDateTimeFields::TBounds TDateTimeFields::BoundsOf(const TDateTimeToken& Token) const {
  switch (Token.Part) {
    case TDateTimePart::Year: return Token.Width == 2 ? TBounds{0, 99, 2} : TBounds{1, 9999, 4};
    case TDateTimePart::Month:
    case TDateTimePart::MonthName: return {1, 12, 2};
    case TDateTimePart::Day: return {1, 31, 2};
    case TDateTimePart::Hour: return Token.TwelveHour ? TBounds{1, 12, 2} : TBounds{0, 23, 2};
    case TDateTimePart::Minute:
    case TDateTimePart::Second: return {0, 59, 2};
    case TDateTimePart::MSec: return {0, 999, 3};
    default: return {};
  }
}

SYSTEMTIME TDateTimeFields::WithField(const TDateTimeToken& Token, int Number) const {
  SYSTEMTIME t = FValue;
  switch (Token.Part) {
    case TDateTimePart::Year:
      t.wYear = ToWord(std::clamp(Token.Width == 2 ? FValue.wYear / 100 * 100 + Number : Number, 1, 9999));
      break;
    case TDateTimePart::Month:
    case TDateTimePart::MonthName: t.wMonth = ToWord(Number); break;
    case TDateTimePart::Day: t.wDay = ToWord(Number); break;
    case TDateTimePart::Hour:
      t.wHour = ToWord(Token.TwelveHour ? Number % 12 + (FValue.wHour >= 12 ? 12 : 0) : Number);
      break;
    case TDateTimePart::Minute: t.wMinute = ToWord(Number); break;
    case TDateTimePart::Second: t.wSecond = ToWord(Number); break;
    case TDateTimePart::MSec: t.wMilliseconds = ToWord(Number); break;
    default: break;
  }
  KeepDayInMonth(t);
  return t;
}

bool TDateTimeFields::Apply(const SYSTEMTIME& Candidate, bool Clamp) {
  TDateTime value = SystemTimeToDateTime(Candidate);
  if (value < FMin || value > FMax) {
    if (!Clamp) return false;
    value = std::clamp(value, FMin, FMax);
  }
  const SYSTEMTIME kept = DateTimeToSystemTime(value);
  const bool changed = !SameTime(kept, FValue);
  FValue = kept;
  return changed;
}

bool TDateTimeFields::Step(int Delta) {
  bool changed = FinishTyping();
  FAdvanced = false;
  if (FieldCount() == 0) return changed;
  const TDateTimeToken& token = FieldToken(FCurrent);
  SYSTEMTIME t = FValue;
  switch (token.Part) {
    case TDateTimePart::Year: t.wYear = ToWord(std::clamp(t.wYear + Delta, 1, 9999)); break;
    case TDateTimePart::Month:
    case TDateTimePart::MonthName: t.wMonth = ToWord(Wrap(t.wMonth, Delta, 1, 12)); break;
    case TDateTimePart::Day: t.wDay = ToWord(Wrap(t.wDay, Delta, 1, DaysInAMonth(t.wYear, t.wMonth))); break;
    case TDateTimePart::DayName: {
      TDateTime day = 0;
      if (!TryEncodeDate(t.wYear, t.wMonth, t.wDay, day) ||
          !TrySystemTimeToDateTime(DateTimeToSystemTime(day + Delta), day))
        return changed;
      const SYSTEMTIME next = DateTimeToSystemTime(day);
      t.wYear = next.wYear;
      t.wMonth = next.wMonth;
      t.wDay = next.wDay;
      break;
    }
    case TDateTimePart::Hour:
      t.wHour = ToWord(token.TwelveHour ? Wrap(t.wHour % 12, Delta, 0, 11) + (t.wHour >= 12 ? 12 : 0)
                                        : Wrap(t.wHour, Delta, 0, 23));
      break;
    case TDateTimePart::Minute: t.wMinute = ToWord(Wrap(t.wMinute, Delta, 0, 59)); break;
    case TDateTimePart::Second: t.wSecond = ToWord(Wrap(t.wSecond, Delta, 0, 59)); break;
    case TDateTimePart::MSec: t.wMilliseconds = ToWord(Wrap(t.wMilliseconds, Delta, 0, 999)); break;
    case TDateTimePart::AmPm: t.wHour = ToWord((t.wHour + 12) % 24); break;
    case TDateTimePart::Literal: break;
  }
  KeepDayInMonth(t);
  return Apply(t) || changed;
}

bool TDateTimeFields::TypeChar(char32_t Char) {
  if (FieldCount() == 0) return false;
  const bool advanced = FAdvanced;
  FAdvanced = false;
  if (Char >= '0' && Char <= '9') return TypeDigit(static_cast<int>(Char - '0'));
  const TDateTimeToken& token = FieldToken(FCurrent);
  const char32_t letter = Lower(Char);
  if (token.Part == TDateTimePart::AmPm) {
    const bool pm = FValue.wHour >= 12;
    if (letter != 0 && letter == FirstLetter(AmPmMarker(token, 12, FSettings)) && !pm) {
      return Apply(WithField({TDateTimePart::Hour, 2, false, {}, false}, FValue.wHour + 12));
    }
    if (letter != 0 && letter == FirstLetter(AmPmMarker(token, 0, FSettings)) && pm) {
      return Apply(WithField({TDateTimePart::Hour, 2, false, {}, false}, FValue.wHour - 12));
    }
  }
  if (IsSeparator(Char, FSettings) && !advanced) {
    const bool changed = FinishTyping();
    MoveField(1);
    return changed;
  }
  return false;
}

bool TDateTimeFields::TypeDigit(int Digit) {
  const TDateTimeToken& token = FieldToken(FCurrent);
  const TBounds bounds = BoundsOf(token);
  if (bounds.Digits == 0) return false;
  int typed = FTypedCount > 0 ? FTyped * 10 + Digit : Digit;
  int count = FTypedCount + 1;
  if (typed > bounds.High || count > bounds.Digits) {
    // Too much for the field: the digit begins it again.
    typed = Digit;
    count = 1;
  }
  FTyped = typed;
  FTypedCount = count;
  const bool done = count >= bounds.Digits || typed * 10 > bounds.High;
  bool changed = false;
  if (token.Part != TDateTimePart::Year && typed >= bounds.Low) {
    changed = Apply(WithField(token, typed));
    FPending = false;
  } else {
    FPending = true;
  }
  if (done) {
    changed = FinishTyping() || changed;
    FAdvanced = HasField(1);
    if (FAdvanced) ++FCurrent;
  }
  return changed;
}

bool TDateTimeFields::FinishTyping() {
  bool changed = false;
  if (FPending && FTypedCount > 0 && FieldCount() > 0) {
    const TDateTimeToken& token = FieldToken(FCurrent);
    if (token.Part == TDateTimePart::Year && FTyped >= BoundsOf(token).Low) changed = Apply(WithField(token, FTyped));
  }
  FTyped = FTypedCount = 0;
  FPending = false;
  return changed;
}

String TDateTimeFields::PieceText(const TDateTimeToken& Token) const {
  return FormatDateTimeToken(Token, SystemTimeToDateTime(FValue), FSettings);
}

std::vector<TDateTimeFields::TPiece> TDateTimeFields::Pieces() const {
  std::vector<TPiece> pieces;
  int field = 0;
  for (std::size_t i = 0; i < FTokens.size(); ++i) {
    const TDateTimeToken& token = FTokens[i];
    if (token.Part == TDateTimePart::Literal) {
      pieces.push_back({token.Text, -1});
      continue;
    }
    const bool typing = field == FCurrent && FPending;
    pieces.push_back({typing ? std::to_string(FTyped) : PieceText(token), field});
    ++field;
  }
  return pieces;
}

}  // namespace plat
