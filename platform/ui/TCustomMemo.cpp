#include "platform/ui/TCustomMemo.h"

#include <cstring>

#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringList.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/WindowStyles.h"

namespace plat {

// The memo's lines as a list of strings, through the line messages.
class TCustomMemo::TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* Memo) : FMemo(Memo) {}

  int Count() const override {
    // A last empty line (after a final break, or of an empty memo) is no item.
    const int lines = static_cast<int>(Send(EM_GETLINECOUNT, 0));
    return Send(EM_LINELENGTH, Send(EM_LINEINDEX, lines - 1)) == 0 ? lines - 1 : lines;
  }
  String Strings(int index) const override {
    Check(index, Count() - 1);
    const int length = static_cast<int>(Send(EM_LINELENGTH, Send(EM_LINEINDEX, index)));
    // The line's bytes: at most four a character.
    String text(static_cast<std::size_t>(length) * 4 + sizeof(Word), '\0');
    const Word size = static_cast<Word>(std::min<std::size_t>(text.size(), 0xFFFF));
    std::memcpy(text.data(), &size, sizeof size);
    text.resize(static_cast<std::size_t>(Send(EM_GETLINE, index, reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }
  void Insert(int index, const String& s) override {
    Check(index, Count());
    // Before the line with a break after it; after a last line without a
    // break, after a new break.
    const LRESULT start = Send(EM_LINEINDEX, index);
    const int lines = static_cast<int>(Send(EM_GETLINECOUNT, 0));
    const bool lastIsEmpty = Send(EM_LINELENGTH, Send(EM_LINEINDEX, lines - 1)) == 0;
    if (index < lines - 1 || lastIsEmpty)
      Replace(static_cast<int>(start), 0, s + "\r\n");
    else
      Replace(FMemo->EditBuffer().Length(), 0, "\r\n" + s);
  }
  void Delete(int index) override {
    Check(index, Count() - 1);
    const int start = static_cast<int>(Send(EM_LINEINDEX, index));
    const LRESULT next = Send(EM_LINEINDEX, index + 1);
    const int end = next >= 0 ? static_cast<int>(next) : FMemo->EditBuffer().Length();
    Replace(start, end - start, "");
  }
  void Clear() override { FMemo->SetText(""); }
  void SetText(const String& text) override { FMemo->SetText(text); }

 private:
  static void Check(int index, int last) {
    if (index < 0 || index > last) throw EListError(FmtLoadResString(SListIndexError, {index}));
  }
  LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam = 0) const { return FMemo->Perform(Msg, WParam, LParam); }
  void Replace(int start, int length, const String& text) {
    Send(EM_SETSEL, static_cast<WPARAM>(start), start + length);
    Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  TCustomMemo* FMemo;
};

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this)) {
  EditBuffer().SetMultiLine(true);
  SetAutoSelect(false);
  SetBounds(Left(), Top(), 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

TStrings* TCustomMemo::Lines() {
  HandleNeeded();
  return FLines.get();
}

void TCustomMemo::SetLines(const TStrings& Value) { SetText(Value.Text()); }

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  if (HandleAllocated()) RecreateWnd();
}

TPoint TCustomMemo::CaretPos() {
  const int caret = EditBuffer().CaretPos();
  const int line = static_cast<int>(Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(caret), 0));
  return {caret - static_cast<int>(Perform(EM_LINEINDEX, static_cast<WPARAM>(line), 0)), line};
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
  if (FWordWrap) Params.Style &= ~ES_AUTOHSCROLL;
  if (FAlignment == TAlignment::taRightJustify) Params.Style |= ES_RIGHT;
  if (FAlignment == TAlignment::taCenter) Params.Style |= ES_CENTER;
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) Params.Style |= WS_VSCROLL;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) Params.Style |= WS_HSCROLL;
}

void TCustomMemo::WndProc(TMessage& Message) {
  TCustomEdit::WndProc(Message);
  if (Message.Msg != WM_GETDLGCODE) return;
  if (FWantTabs)
    Message.Result |= DLGC_WANTTAB;
  else
    Message.Result &= ~DLGC_WANTTAB;
  if (!FWantReturns) Message.Result &= ~DLGC_WANTALLKEYS;
}

void TCustomMemo::KeyPress(char32_t& Key) {
  // Enter and Tab type only when the memo wants them.
  if ((Key == U'\r' && !FWantReturns) || (Key == U'\t' && !FWantTabs)) Key = 0;
  if (Key == U'\n') Key = 0;  // Ctrl+Enter
  TCustomEdit::KeyPress(Key);
}

}  // namespace plat
