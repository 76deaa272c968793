#pragma once
// The multi-line edit of the class library: TCustomEdit made with
// ES_MULTILINE (whose window does the lines, wrapping, caret moves, line
// messages and scrolling; see TCustomEdit.h), with the properties that
// choose its style: WordWrap (no ES_AUTOHSCROLL), Alignment (ES_RIGHT,
// ES_CENTER) and ScrollBars (WS_VSCROLL, WS_HSCROLL); a change of them
// makes the window again. Enter types a line break with WantReturns (else
// the form gets it), Tab a tab with WantTabs.
//
// Lines is the text as a list of the lines shown, through the line
// messages: writing it rewrites the text; Insert and Delete outside
// 0..Count raise EListError ("List index out of bounds (%d)") and change
// nothing.
#include <memory>

#include "platform/ui/TCustomEdit.h"

namespace plat {

class TStrings;

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* Lines();
  void SetLines(const TStrings& Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  // The caret as column (X) and line (Y), from 0.
  TPoint CaretPos();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void KeyPress(char32_t& Key) override;

 private:
  class TMemoStrings;

  std::unique_ptr<TMemoStrings> FLines;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace plat
