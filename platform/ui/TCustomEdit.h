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
#include <vector>

#include "platform/ui/EditBuffer.h"
#include "platform/ui/TWinControl.h"

namespace plat {

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);

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
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override;

 private:
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
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

}  // namespace plat
