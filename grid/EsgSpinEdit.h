#pragma once
// TEsgSpinEdit: an edit for an integer, a float, a date or a time that
// spins. Its spin button (TEsgSpinButton, 15 wide, at the right inside the
// edit, the edit its FocusControl) steps up and down, and so do Up, Page Up,
// Down and Page Down. The text starts as "0".
//
// Values are read from the text: Value, FloatValue and DateValue give
// MinValue, MinFloatValue and MinDateValue when the text is no number or
// date (DateValue gives now for an empty text or "0"), TimeValue gives 0 when
// it is no time; conversions never raise. Writing a value clamps it to its
// limits (for each kind a minimum equal to its maximum means no limit; times
// are never clamped) and shows it: integers in decimal, floats with
// Precision decimals (general form for 0), dates short, times long with the
// caret where it was. Leaving the edit writes a value outside its limits
// back, so it ends clamped. SpinType and Precision write the value of their
// kind back, normalising the text.
//
// Stepping (StepUp, StepDown): a read-only edit only beeps. Integers step by
// Increment, floats by IncrementFloat; dates step the part the caret is in
// (by the order of day, month and year in the short date format: a day, a
// calendar month or a calendar year); times the hour before the first time
// separator, the minute before the second, else the second, wrapping at
// midnight.
//
// Typing: IsValidChar decides; a refused character beeps. With
// EditorEnabled off nothing can be typed, deleted, cut or pasted; a paste
// that would take the text beyond MaxLength is refused whole; with
// ReturnIsTab Return moves on like Tab; ExcelStyleDecimalSeparator turns the
// keypad's "." into the locale's decimal separator.
#include "grid/EsgSpinButton.h"
#include "platform/rtl/Types.h"
#include "platform/ui/TMaskEdit.h"

namespace zorbit {

enum class TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum class TEditAlign { eaLeft, eaRight, eaCenter };

class TEsgSpinEdit : public plat::TCustomMaskEdit {
 public:
  explicit TEsgSpinEdit(plat::TComponent* AOwner);
  ~TEsgSpinEdit() override;

  // The embedded spin button; null once the edit is being destroyed.
  TEsgSpinButton* Button() const { return FButton; }

  virtual void StepUp();
  virtual void StepDown();
  // Whether Key may be typed here; may change Key.
  virtual bool IsValidChar(char32_t& Key);

  int Value();
  void SetValue(int Value);
  double FloatValue();
  void SetFloatValue(double Value);
  plat::TDateTime DateValue();
  void SetDateValue(plat::TDateTime Value);
  plat::TDateTime TimeValue();
  void SetTimeValue(plat::TDateTime Value);

  TEsgSpinType SpinType() const { return FSpinType; }
  void SetSpinType(TEsgSpinType Value);
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value);
  TSpinDirection Direction() const { return FButton->Direction(); }
  void SetDirection(TSpinDirection Value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign Value);
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool Value);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool Value);
  bool Themed() const { return FButton->Themed(); }
  void SetThemed(bool Value) { FButton->SetThemed(Value); }

  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  double IncrementFloat() const { return FIncrementFloat; }
  void SetIncrementFloat(double Value) { FIncrementFloat = Value; }
  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value) { FMinValue = Value; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value) { FMaxValue = Value; }
  double MinFloatValue() const { return FMinFloatValue; }
  void SetMinFloatValue(double Value) { FMinFloatValue = Value; }
  double MaxFloatValue() const { return FMaxFloatValue; }
  void SetMaxFloatValue(double Value) { FMaxFloatValue = Value; }
  plat::TDateTime MinDateValue() const { return FMinDateValue; }
  void SetMinDateValue(plat::TDateTime Value) { FMinDateValue = Value; }
  plat::TDateTime MaxDateValue() const { return FMaxDateValue; }
  void SetMaxDateValue(plat::TDateTime Value) { FMaxDateValue = Value; }

 protected:
  void CreateParams(plat::TCreateParams& Params) override;
  void CreateHandleNotify() override;
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  void Loaded() override;

 private:
  void Step(int Sign);
  void StepDate(int Sign);
  void StepTime(int Sign);
  // Writes the value of the present kind back through its setter.
  void WriteValueBack();
  bool OutsideLimits();
  // Shows Text with the caret where it was.
  void ShowKeepingCaret(const plat::String& Text);
  // The smallest height that shows the font.
  int MinHeight();
  void SetFormattingRect();
  // Re-lays the edit out by nudging its width.
  void NudgeWidth();

  TEsgSpinButton* FButton = nullptr;
  TEsgSpinType FSpinType = TEsgSpinType::sptNormal;
  TEditAlign FEditAlign = TEditAlign::eaLeft;
  int FPrecision = 0;
  bool FExcelStyleDecimalSeparator = false;
  bool FReturnIsTab = false;
  bool FEditorEnabled = true;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  int FIncrement = 1;
  double FIncrementFloat = 0.1;
  int FMinValue = 0;
  int FMaxValue = 100;
  double FMinFloatValue = 0.0;
  double FMaxFloatValue = 100.0;
  plat::TDateTime FMinDateValue = 0;
  plat::TDateTime FMaxDateValue = 0;
  plat::TDateTime FDateValue = 0;
  plat::TDateTime FTimeValue = 0;
};

}  // namespace zorbit
