#pragma once
// TExtInplaceEdit: the advanced grid's in-place edit, for the text editor
// types (edNormal, edNumeric, edPositiveNumeric, edFloat, the case types,
// edPassword, edDataCheckBox). Made by the grid's CreateEditor, owned by it.
//
// Typing: each character passes the filter of the active editor type (a
// refused one beeps) and the length limit (the grid's MaxEditLength: at the
// limit, without a selection, only Backspace, Esc and Enter pass); the
// mixed-case type rewrites the whole text; with the grid's Lookup the text
// up to the caret is completed from LookupItems, the completed rest
// selected. A paste takes plain text only, asks OnClipboardPaste and
// OnClipboardBeforePasteCell, and is refused whole when the result would
// pass the length limit or is no number for a number type; copy and cut
// ask OnClipboardCopy and OnClipboardCut.
//
// Committing: Tab (with the tab option), Up on the first line, Down on the
// last one, and Enter commit the text through the grid's CommitEdit before
// the key goes on to the grid; a refusal shows the cell's text again and
// keeps the edit open, the key going no further. Esc puts the text from
// before the edit back and ends it. With Navigation.LineFeedOnEnter, Enter
// breaks the line in the text types and Ctrl+Enter anywhere; with
// CursorWalkEditor, Left at the start and Right at the end commit and walk
// to the neighbouring editable cell. Losing the focus to another window
// than the grid commits the text and ends the edit; OnEditingDone follows
// every focus loss, and LookupHistory keeps a new text in LookupItems.
//
// Place: the current cell less one pixel in width and height, the text 2
// pixels inside. A double click fires the grid's OnDblClickCell.
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TInplaceEdit.h"

namespace zorbit {

class TExtStringGrid;

class TExtInplaceEdit : public plat::TInplaceEdit {
 public:
  explicit TExtInplaceEdit(TExtStringGrid* AOwner);

  TExtStringGrid* ExtGrid() const { return FExtGrid; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void KeyUp(std::uint16_t& Key, plat::TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  // Commits the text; a refusal loads Reload (selected as on entering) and
  // answers false.
  bool CommitText(const plat::String& Reload);
  void LoadSelected(const plat::String& Text);
  void Paste();
  // Types Key over the selection and applies the rewriting rules.
  void TypeChar(char32_t Key);
  void CompleteFromLookup();
  // Walks to the cell left (Forward false) or right of the current one.
  void WalkToNeighbour(bool Forward);
  // Row height or column width follow the text.
  void SizeToText(bool ExtraLine);
  bool OnFirstLine();
  bool OnLastLine();
  bool LineFeedOnEnter();

  plat::TComponentRef<TExtStringGrid> FExtGrid;
  // The next select-all request is the one that comes with the focus.
  bool FFocusSelect = false;
  // The Return character of a refused commit goes nowhere.
  bool FDropReturn = false;
};

}  // namespace zorbit
