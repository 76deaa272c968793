#pragma once
// The multi-line edit: TCustomEdit with ES_MULTILINE. Its text runs over
// lines broken at CR LF and, with WordWrap, at the last blank that fits the
// formatting rectangle (the client area less a margin, or what EM_SETRECT
// and EM_SETRECTNP set); each line is aligned left, right or centred. The
// caret moves by characters, words, lines (Up, Down, Home, End) and pages
// (Page Up, Page Down); Ctrl+Home and Ctrl+End go to the ends of the text.
// Enter types a line break with WantReturns (else the form gets it), Tab a
// tab with WantTabs. The view follows the caret and scrolls by its scroll
// bars and the wheel. The line messages answer on the lines shown
// (EM_GETLINECOUNT, EM_LINEINDEX, EM_LINEFROMCHAR, EM_LINELENGTH,
// EM_GETLINE), positions counting each line break as two characters.
//
// Lines is the text as a list of those lines: writing it rewrites the text;
// Insert and Delete outside 0..Count raise EListError ("List index out of
// bounds (%d)") and change nothing.
#include <memory>

#include "platform/ui/TCustomEdit.h"
#include "platform/ui/detail/MemoLayout.h"

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
  TRect EditRect() override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void KeyPress(char32_t& Key) override;

 private:
  class TMemoStrings;

  bool MemoMessage(TMessage& Message);
  void MemoKeyDown(WPARAM Key);
  void MemoMouse(TMessage& Message);
  void MemoScroll(bool Vertical, int Code, int Pos);
  // After any message: lays the text out again when it or the width
  // changed, brings the caret into view when it moved, places it, and
  // updates the scroll bars.
  void Sync();
  void Relayout();
  void ScrollCaretIntoView();
  void PlaceMemoCaret();
  void UpdateScrollBars();
  void SetTopLine(int Value);
  int LineHeight();
  int VisibleLines();
  String LineText(int Line) const;
  std::vector<int> LineEdges(int Line);
  // Where a line's text starts, alignment and scrolling included.
  int LineLeft(int Line);
  int CharAt(TPoint Client);
  TPoint PosOfChar(int Position);
  int LongestLine();

  TMemoLayout FLayout;
  std::unique_ptr<TMemoStrings> FLines;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FHasRect = false;
  TRect FRect;  // the formatting rectangle EM_SETRECT set
  int FTopLine = 0;
  int FScrollX = 0;
  // What the layout and the view were made for.
  std::u32string FLaidText;
  int FLaidWidth = -1;
  int FLastCaret = -1;
  int FGoalX = -1;  // the x that Up and Down keep to, -1 when unset
  bool FSyncing = false;
  bool FSelecting = false;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace plat
