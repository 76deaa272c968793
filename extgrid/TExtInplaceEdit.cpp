#include "extgrid/TExtInplaceEdit.h"

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/EditCharFilter.h"
#include "grid/ExtUtilText.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/TClipboard.h"
#include "platform/win/Clipboard.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Messages.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

namespace {

// Bit 22 of a key's data: the scan code of the keypad's "." (0x53) has it.
constexpr plat::LPARAM kKeypadScanBit = plat::LPARAM{1} << 22;

bool IsTextType(TEditorType Type) {
  switch (Type) {
    case TEditorType::edNormal:
    case TEditorType::edCapital:
    case TEditorType::edMixedCase:
    case TEditorType::edLowerCase:
    case TEditorType::edUpperCase: return true;
    default: return false;
  }
}

}  // namespace

TExtInplaceEdit::TExtInplaceEdit(TExtStringGrid* AOwner) : plat::TInplaceEdit(AOwner), FExtGrid(AOwner) {}

void TExtInplaceEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  plat::TInplaceEdit::SetBounds(ALeft, ATop, AWidth - 1, AHeight - 1);
  if (!HandleAllocated()) return;
  plat::TRect rect{2, 2, ClientWidth() - 2, ClientHeight() - 2};
  Perform(plat::EM_SETRECTNP, 0, reinterpret_cast<plat::LPARAM>(&rect));
}

bool TExtInplaceEdit::LineFeedOnEnter() {
  return FExtGrid && FExtGrid->Navigation()->LineFeedOnEnter() && IsTextType(FExtGrid->ActiveEditorType());
}

void TExtInplaceEdit::LoadSelected(const plat::String& Text) {
  SetText(Text);
  if (FExtGrid && FExtGrid->Navigation()->EditSelectAll())
    SelectAll();
  else
    SetSelStart(static_cast<int>(EditBuffer().Length()));
}

bool TExtInplaceEdit::CommitText(const plat::String& Reload) {
  if (!FExtGrid || FExtGrid->CommitEdit(Text())) return true;
  LoadSelected(Reload);
  SetModified(false);
  return false;
}

bool TExtInplaceEdit::OnFirstLine() {
  const plat::String text = Text();
  const std::size_t caret = plat::Utf8ByteOffset(text, SelStart());
  return text.rfind('\n', caret == 0 ? 0 : caret - 1) == plat::String::npos || caret == 0;
}

bool TExtInplaceEdit::OnLastLine() {
  const plat::String text = Text();
  return text.find('\n', plat::Utf8ByteOffset(text, SelStart() + SelLength())) == plat::String::npos;
}

void TExtInplaceEdit::KeyDown(std::uint16_t& Key, plat::TShiftState Shift) {
  FFocusSelect = false;
  if (!FExtGrid) {
    plat::TInplaceEdit::KeyDown(Key, Shift);
    return;
  }
  TExtStringGrid* grid = FExtGrid;
  const bool ctrl = Shift.Contains(plat::TShiftStateItem::ssCtrl);
  const bool shift = Shift.Contains(plat::TShiftStateItem::ssShift);
  const int length = static_cast<int>(EditBuffer().Length());
  switch (Key) {
    case plat::VK_ESCAPE:
      Key = 0;
      SetText(grid->EditStartText());
      SetModified(false);
      grid->EndCellEdit();
      return;
    case plat::VK_TAB:
      if (grid->Options().Contains(plat::TGridOption::goTabs) && !CommitText(grid->CurrentCellText())) {
        Key = 0;
        return;
      }
      break;
    case plat::VK_UP:
    case plat::VK_DOWN:
      if (!(Key == plat::VK_UP ? OnFirstLine() : OnLastLine())) {
        // Within the text the caret moves a line.
        plat::TCustomMaskEdit::KeyDown(Key, Shift);
        return;
      }
      if (!CommitText(grid->EditStartText())) {
        Key = 0;
        return;
      }
      break;
    case plat::VK_RETURN:
      if (ctrl ? grid->Navigation()->LineFeedOnEnter() : LineFeedOnEnter()) {
        if (grid->SizeWhileTyping()->Height() && grid->Multilinecells()) SizeToText(true);
        plat::TCustomMaskEdit::KeyDown(Key, Shift);
        return;
      }
      if (!ctrl && !CommitText(grid->EditStartText())) {
        FDropReturn = true;
        Key = 0;
        return;
      }
      break;
    case plat::VK_HOME:
    case plat::VK_END:
      if (!ctrl && !shift) {
        SetSelStart(Key == plat::VK_HOME ? 0 : length);
        Key = 0;
        return;
      }
      break;
    case plat::VK_LEFT:
    case plat::VK_RIGHT: {
      const bool atEdge = SelLength() == 0 && (Key == plat::VK_LEFT ? SelStart() == 0 : SelStart() >= length);
      if (!atEdge || shift) break;
      if (!CommitText(grid->CurrentCellText())) {
        Key = 0;
        return;
      }
      if (grid->Navigation()->CursorWalkEditor()) {
        const bool forward = Key == plat::VK_RIGHT;
        Key = 0;
        WalkToNeighbour(forward);
        return;
      }
      break;
    }
    default: break;
  }
  plat::TInplaceEdit::KeyDown(Key, Shift);
}

void TExtInplaceEdit::WalkToNeighbour(bool Forward) {
  TExtStringGrid* grid = FExtGrid;
  const int col = grid->Col() + (Forward ? 1 : -1);
  const int row = grid->Row();
  if (col >= grid->FixedCols() && col < grid->ColCount() && grid->CanEditCellAt(col, row)) {
    grid->SetCol(col);
    return;
  }
  grid->AdvanceCell(grid->Col(), row, false, Forward, true, true);
}

void TExtInplaceEdit::KeyUp(std::uint16_t& Key, plat::TShiftState Shift) {
  plat::TInplaceEdit::KeyUp(Key, Shift);
  if (!FExtGrid) return;
  const TSizeWhileTyping* sizing = FExtGrid->SizeWhileTyping();
  if (sizing->Width() || (sizing->Height() && FExtGrid->WordWrap())) SizeToText(false);
}

void TExtInplaceEdit::SizeToText(bool ExtraLine) {
  TExtStringGrid* grid = FExtGrid;
  const int col = grid->Col();
  const int row = grid->Row();
  plat::String text = Text();
  if (ExtraLine) text += "\nX";
  int width = 0;
  int height = 0;
  grid->MeasureEditText(col, row, text, width, height);
  if (grid->SizeWhileTyping()->Width() && width > grid->ColWidths(col)) grid->SetColWidths(col, width);
  if (grid->SizeWhileTyping()->Height() && height != grid->RowHeights(row)) {
    grid->SetRowHeights(row, std::max(height, grid->DefaultRowHeight()));
    if (grid->OnEndRowSize) grid->OnEndRowSize(grid, row);
  }
}

void TExtInplaceEdit::KeyPress(char32_t& Key) {
  FFocusSelect = false;
  if (!FExtGrid || Key == 0) {
    plat::TInplaceEdit::KeyPress(Key);
    return;
  }
  TExtStringGrid* grid = FExtGrid;
  if (Key == U'\r') {
    if (FDropReturn) {
      FDropReturn = false;
      Key = 0;
      return;
    }
    if (LineFeedOnEnter()) {
      plat::TCustomMaskEdit::KeyPress(Key);
      return;
    }
    plat::TInplaceEdit::KeyPress(Key);
    return;
  }
  // Esc and Tab were keys; the other control characters are the edit's
  // short-cuts (Ctrl+V comes as one), which no filter looks at.
  if (Key < U' ' && Key != U'\b') {
    plat::TInplaceEdit::KeyPress(Key);
    return;
  }
  const plat::String text = Text();
  const plat::String selected = SelText();
  if (!detail::PassesLengthLimit(Key, grid->MaxEditLength(), plat::Utf8Length(text), SelLength())) {
    plat::MessageBeep(plat::MB_OK);
    Key = 0;
    return;
  }
  switch (detail::FilterEditChar(grid->ActiveEditorType(), Key, {text, SelStart(), selected})) {
    case detail::TCharVerdict::cvAccept: break;
    case detail::TCharVerdict::cvRefuse:
      plat::MessageBeep(plat::MB_OK);
      Key = 0;
      return;
    case detail::TCharVerdict::cvIgnore: Key = 0; return;
  }
  const bool rewrites = grid->ActiveEditorType() == TEditorType::edMixedCase ||
                        (grid->Lookup() && grid->LookupItems()->Count() > 0);
  if (!rewrites || Key < U' ') {
    plat::TInplaceEdit::KeyPress(Key);
    return;
  }
  TypeChar(Key);
  Key = 0;
}

void TExtInplaceEdit::TypeChar(char32_t Key) {
  plat::String typed;
  plat::AppendUtf8(typed, Key);
  const int caret = SelStart() + 1;
  SetSelText(typed);
  if (FExtGrid->ActiveEditorType() == TEditorType::edMixedCase) {
    SetText(CapitalizeWords(Text()));
    SetSelStart(caret);
  }
  if (FExtGrid->Lookup()) CompleteFromLookup();
  SetModified(true);
}

void TExtInplaceEdit::CompleteFromLookup() {
  if (SelLength() != 0) return;
  const bool caseSensitive = FExtGrid->LookupCaseSensitive();
  const auto folded = [caseSensitive](const plat::String& s) { return caseSensitive ? s : plat::AnsiUpperCase(s); };
  const plat::String text = Text();
  const int caret = SelStart();
  const plat::String typed = text.substr(0, plat::Utf8ByteOffset(text, caret));
  const plat::String prefix = folded(typed);
  if (prefix.empty()) return;
  const plat::TStringList* items = FExtGrid->LookupItems();
  for (int i = 0; i < items->Count(); ++i) {
    const plat::String& item = items->Strings(i);
    if (folded(item).compare(0, prefix.size(), prefix) != 0) continue;
    const plat::String rest = item.substr(typed.size());
    SetText(typed + rest);
    SetSelStart(caret);
    SetSelLength(plat::Utf8Length(rest));
    return;
  }
}

void TExtInplaceEdit::Paste() {
  TExtStringGrid* grid = FExtGrid;
  plat::TClipboard* clipboard = plat::Clipboard();
  if (!clipboard->HasFormat(plat::CF_TEXT)) return;
  bool allow = true;
  if (grid->OnClipboardPaste) grid->OnClipboardPaste(grid, allow);
  if (!allow) return;
  plat::String value = clipboard->AsText();
  if (grid->OnClipboardBeforePasteCell) grid->OnClipboardBeforePasteCell(grid, grid->Col(), grid->Row(), value, allow);
  if (!allow) return;
  const int limit = grid->MaxEditLength();
  const plat::String text = Text();
  const std::size_t from = plat::Utf8ByteOffset(text, SelStart());
  const std::size_t to = plat::Utf8ByteOffset(text, SelStart() + SelLength());
  plat::String result = text.substr(0, from) + value + text.substr(to);
  // The whole paste goes in or none of it: a cut-off number or name is no
  // value the user chose.
  if (limit > 0 && plat::Utf8Length(result) > limit) return;
  if (!detail::FilterPastedText(grid->ActiveEditorType(), result)) return;
  const int caret = SelStart() + plat::Utf8Length(value);
  SetText(result);
  SetSelStart(caret);
  SetModified(true);
}

void TExtInplaceEdit::WndProc(plat::TMessage& Message) {
  if (!FExtGrid) {
    plat::TInplaceEdit::WndProc(Message);
    return;
  }
  TExtStringGrid* grid = FExtGrid;
  switch (Message.Msg) {
    case plat::WM_CHAR:
      if (grid->ExcelStyleDecimalSeparator() && Message.WParam == '.' && (Message.LParam & kKeypadScanBit) != 0)
        Message.WParam = static_cast<unsigned char>(plat::FormatSettings().DecimalSeparator);
      break;
    case plat::WM_PASTE: Paste(); return;
    case plat::WM_COPY:
    case plat::WM_CUT: {
      bool allow = true;
      const auto& event = Message.Msg == plat::WM_COPY ? grid->OnClipboardCopy : grid->OnClipboardCut;
      if (event) event(grid, allow);
      if (!allow) return;
      break;
    }
    case plat::EM_SETSEL:
      // The focus selects all only with EditSelectAll, or when a typed
      // character replaces the text.
      if (FFocusSelect && Message.WParam == 0 && Message.LParam == -1 && !grid->Navigation()->EditSelectAll() &&
          grid->PendingKey() == 0) {
        const auto end = static_cast<plat::WPARAM>(EditBuffer().Length());
        Message.WParam = end;
        Message.LParam = static_cast<plat::LPARAM>(end);
      }
      break;
    case plat::WM_LBUTTONDOWN: FFocusSelect = false; break;
    case plat::WM_LBUTTONDBLCLK:
      plat::TInplaceEdit::WndProc(Message);
      if (grid->OnDblClickCell) grid->OnDblClickCell(grid, grid->Row(), grid->Col());
      return;
    case plat::CM_VISIBLECHANGED:
      plat::TInplaceEdit::WndProc(Message);
      if (Message.WParam == 0) grid->InplaceEditorHidden();
      return;
    default: break;
  }
  plat::TInplaceEdit::WndProc(Message);
}

void TExtInplaceEdit::DoEnter() {
  FFocusSelect = true;
  plat::TInplaceEdit::DoEnter();
  if (FExtGrid && FExtGrid->Navigation()->ImproveMaskSel() && !EditMask().empty()) {
    FFocusSelect = false;
    SetSelStart(0);
    SetSelLength(1);
  }
}

void TExtInplaceEdit::DoExit() {
  FFocusSelect = false;
  plat::TCustomMaskEdit::DoExit();
  if (!FExtGrid) return;
  TExtStringGrid* grid = FExtGrid;
  const plat::String text = Text();
  if (grid->LookupHistory() && !text.empty() && grid->LookupItems()->IndexOf(text) < 0) grid->LookupItems()->Add(text);
  if (!grid->Focused() && Visible()) {
    grid->CommitEdit(text);
    SetText(grid->CurrentCellText());
    SetModified(false);
    grid->EndCellEdit();
  }
  grid->EditingDone();
}

}  // namespace zorbit
