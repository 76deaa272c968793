#pragma once
// The single-line edit. Its own behaviour (what the platform's edit does:
// typing, the caret and the selection by keys and mouse, scrolling the
// text sideways, the clipboard, undo and the EM_* messages) sits at the end
// of the message path, in DefaultHandler, after the key and mouse events:
// an OnKeyPress that clears the key keeps it out, and a class that hooks
// WindowProc sees every message first. Typed characters enter after
// KeyPress.
//
// OnChange follows every change of the text, by the user or the program;
// the parent window hears EN_CHANGE first (and EN_MAXTEXT when the limit
// cut the input).
//
// A window made with ES_MULTILINE (what TCustomMemo and the grid's
// in-place editor ask for) is the platform's multi-line edit: lines broken
// at CR LF and, without ES_AUTOHSCROLL, wrapped at the last blank that fits
// the formatting rectangle (EM_SETRECT, EM_SETRECTNP); aligned by ES_RIGHT
// and ES_CENTER; the caret moving by lines and pages; the line messages
// (EM_GETLINECOUNT, EM_LINEINDEX, EM_LINEFROMCHAR, EM_LINELENGTH,
// EM_GETLINE, EM_LINESCROLL) answering on the lines shown; the view
// scrolling by its scroll bars (WS_VSCROLL, WS_HSCROLL) and the wheel.
// That code is in EditMultiLine.cpp.
#include <memory>
#include <vector>

#include "platform/ui/EditBuffer.h"
#include "platform/ui/TWinControl.h"

namespace plat {

class TMemoLayout;

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  // Entering by keyboard selects all the text.
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // bsSingle: a sunken edge around the edit.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TEditCharCase CharCase() const { return FBuffer.CharCase(); }
  void SetCharCase(TEditCharCase Value);
  // The selection shows only while the edit has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // Characters the user may type in; 0 for no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool Modified();
  void SetModified(bool Value);
  // Shown in place of each character when not #0; the text cannot be
  // copied or cut then.
  char PasswordChar() const { return FBuffer.PasswordChar(); }
  void SetPasswordChar(char Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);

  // The selection, in characters from 0.
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  String SelText() const { return FBuffer.SelText(); }
  // Replaces the selection (the caret follows the new text).
  void SetSelText(const String& Value);
  void SelectAll();

  bool CanUndo();
  void Undo();
  void ClearUndo();
  void Clear();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  TNotifyEvent OnChange;

 protected:
  // The text changed: raises OnChange.
  virtual void Change();
  // Where the text goes, in client coordinates.
  virtual TRect EditRect();
  // For classes that shape the text themselves: the text with its caret
  // and selection, and what follows a change of them (the view, and
  // OnChange when the text changed).
  TEditBuffer& EditBuffer() { return FBuffer; }
  void EditBufferChanged(bool TextChanged) { Changed({TextChanged, false}); }

  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  // What the window about to be made takes from its style (one line or
  // many), for a descendant that makes the window itself (a Unicode window).
  void TakeWindowStyle(const TCreateParams& Params);
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override;

 private:
  // Multi-line mode (EditMultiLine.cpp).
  bool MultiLineMessage(TMessage& Message);
  void MultiLineKeyDown(WPARAM Key);
  void MultiLineMouse(TMessage& Message);
  void MultiLineScroll(bool Vertical, int Code, int Pos);
  // Lays the text out again when it or the width changed, brings the caret
  // into view when it moved, places it, and updates the scroll bars.
  void MultiLineSync();
  void MultiLineScrollCaret();
  void MultiLinePlaceCaret();
  void MultiLineScrollBars();
  void MultiLinePaint(HDC DC);
  void SetTopLine(int Value);
  bool WordWraps() const;
  int LineHeight();
  int VisibleLines();
  String LineText(int Line) const;
  std::vector<int> LineEdges(int Line);
  // Where a line's text starts, alignment and scrolling included.
  int LineLeft(int Line);
  int CharAtPoint(TPoint Client);
  TPoint PosOfChar(int Position);
  int LongestLine();

  // Native handlers.
  void EditKeyDown(TMessage& Message);
  void EditChar(char32_t Char);
  void EditMouse(TMessage& Message);
  void EditFocus(bool Gained);
  bool EditMessage(TMessage& Message);
  void ReplaceText(const String& Value);

  // After a change of the text or the selection: the view follows the
  // caret and is repainted; OnChange follows a changed text.
  void Changed(const TEditResult& Result);
  void SelectionMoved();
  std::vector<int> CharEdges();
  int CharAtX(int X);
  void ScrollCaret();
  void PlaceCaret();
  int TextHeight();

  TEditBuffer FBuffer;
  bool FAutoSelect = true;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FHideSelection = true;
  int FMaxLength = 0;
  bool FReadOnly = false;
  int FScrollX = 0;             // pixels of the text scrolled out at the left
  bool FSelecting = false;      // the left button drags a selection
  bool FMouseEntering = false;  // the focus comes with a click
  bool FCaretCreated = false;

  DWORD FStyle = 0;  // the window's style when it was made
  bool FMultiLine = false;
  bool FHasRect = false;
  TRect FRect;                           // the formatting rectangle EM_SETRECT set
  std::unique_ptr<TMemoLayout> FLayout;  // the lines of a multi-line window
  int FTopLine = 0;
  // What the layout and the view were made for.
  std::u32string FLaidText;
  int FLaidWidth = -1;
  int FLastCaret = -1;
  int FGoalX = -1;  // the x that Up and Down keep to, -1 when unset
  bool FSyncing = false;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

}  // namespace plat
