#pragma once
// The edit with an input mask. EditMask is "mask;save literals;blank":
//   L l   a letter (required, optional)     A a   a letter or digit
//   C c   any character                     0 9   a digit
//   #     a digit or sign (optional)        > <   upper or lower case from
//   <>    no case change from here          \x    x as a literal
//   : /   the time and date separators      any other character: a literal
// "save literals" 0 leaves the literals out of Text (anything else, or
// nothing, keeps them); "blank" is the character shown in empty places
// ("_" by default).
//
// The edit shows the whole mask (EditText); typing fills the place at the
// caret (skipping literals) when the character fits it and moves on to the
// next place; Backspace and Delete empty places. Text is EditText with
// empty places as blanks and, unless saved, without literals. Leaving the
// edit with a required place empty raises EDBEditError.
#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/ui/TCustomEdit.h"

namespace plat {

// Input that does not satisfy the mask.
class EDBEditError : public Exception {
 public:
  using Exception::Exception;
};

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  const String& EditMask() const { return FEditMask; }
  // Reshapes the present text to the new mask.
  void SetEditMask(const String& Value);
  bool IsMasked() const { return !FPlaces.empty(); }

  // The text as shown; setting it lays the characters over the mask place
  // by place.
  String EditText() { return TControl::Text(); }
  void SetEditText(const String& Value) { TControl::SetText(Value); }
  // The text as the program reads and writes it (see above); the class
  // library's Text of a masked edit seen as a plain control is EditText.
  String Text();
  void SetText(const String& Value);

  // Raises EDBEditError when a required place is empty.
  virtual void ValidateEdit();

 protected:
  void KeyPress(char32_t& Key) override;
  void DefaultHandler(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void DoEnter() override;

 private:
  struct TPlace {
    bool Literal = false;
    char32_t Char = 0;  // a literal's character
    char Kind = 0;      // the mask character of an input place
    TEditCharCase Case = TEditCharCase::ecNormal;
  };

  void ParseMask(const String& Mask);
  // Writes the edit's text from Chars: place by place over the whole mask,
  // or (Packed) one input place after the other; what does not fit a place
  // leaves it empty.
  void Fill(const std::u32string& Chars, bool Packed);
  bool Fits(const TPlace& Place, char32_t& Char) const;
  int NextInput(int From) const;
  int PreviousInput(int Before) const;
  // Empties the input places of the selection; answers whether there was one.
  bool ClearSelectedPlaces();
  void TypeMasked(char32_t Char);
  void Backspace();
  void DeleteAtCaret();
  // Shows the places again, the caret at Caret.
  void Show(int Caret, bool TextChanged);

  String FEditMask;
  std::vector<TPlace> FPlaces;
  bool FSaveLiterals = true;
  char32_t FBlank = U'_';
  bool FValidating = false;
  int FErrorPlace = -1;  // the empty required place that kept the focus here
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace plat
