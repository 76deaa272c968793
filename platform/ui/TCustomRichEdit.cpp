#include "platform/ui/TCustomRichEdit.h"

#include <algorithm>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/Shapes.h"
#include "platform/rtl/MulDiv.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/RichTextReader.h"
#include "platform/ui/RichTextWriter.h"
#include "platform/ui/detail/RichTextLayout.h"
#include "platform/win/Caret.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/Windows.h"

namespace plat {
namespace {

TCharFormat FormatOfFont(TFont& Font) {
  TCharFormat format;
  format.Name = Font.Name();
  format.Size = Font.Size() > 0 ? Font.Size() : format.Size;
  const TFontStyles style = Font.Style();
  format.Bold = style.Contains(TFontStyle::fsBold);
  format.Italic = style.Contains(TFontStyle::fsItalic);
  format.Underline = style.Contains(TFontStyle::fsUnderline);
  format.Color = Font.Color() == clDefault ? clWindowText : Font.Color();
  return format;
}

// A context to measure in when the control is not painting: the screen's
// resolution.
struct TMeasureDC {
  TMeasureDC() : DC(CreateCompatibleDC(nullptr)) {}
  ~TMeasureDC() { DeleteDC(DC); }
  TMeasureDC(const TMeasureDC&) = delete;
  TMeasureDC& operator=(const TMeasureDC&) = delete;
  HDC DC;
};

}  // namespace

// The memo's lines, reading and writing streams as rich text.
class TCustomRichEdit::TRichEditStrings : public TStrings {
 public:
  explicit TRichEditStrings(TCustomRichEdit* Edit) : FEdit(Edit) {}

  int Count() const override { return Plain()->Count(); }
  String Strings(int index) const override { return Plain()->Strings(index); }
  void SetStrings(int index, const String& s) override { Plain()->SetStrings(index, s); }
  void Insert(int index, const String& s) override { Plain()->Insert(index, s); }
  void Delete(int index) override { Plain()->Delete(index); }
  void Clear() override { Plain()->Clear(); }
  String Text() const override { return Plain()->Text(); }
  void SetText(const String& text) override { Plain()->SetText(text); }

  // Rich text unless the edit wants plain text or the stream holds none.
  void LoadFromStream(TStream& stream) override {
    const Int64 size = stream.Size() - stream.Position();
    String content;
    if (size > 0) {
      content.resize(static_cast<std::size_t>(size));
      content.resize(static_cast<std::size_t>(stream.Read(content.data(), size)));
    }
    if (FEdit->PlainText() || !IsRichText(content)) {
      TStringStream plain(content);
      Plain()->LoadFromStream(plain);
      return;
    }
    FEdit->LoadRichText(content);
  }

  void SaveToStream(TStream& stream) const override {
    if (FEdit->PlainText()) {
      Plain()->SaveToStream(stream);
      return;
    }
    const String document = FEdit->SaveRichText();
    stream.WriteBuffer(document.data(), static_cast<Int64>(document.size()));
  }

 private:
  TStrings* Plain() const { return static_cast<TCustomMemo*>(FEdit)->Lines(); }
  TCustomRichEdit* FEdit;
};

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner)
    : TCustomMemo(AOwner),
      FDefAttributes(std::make_unique<TTextAttributes>(this, TAttributeType::atDefaultText)),
      FSelAttributes(std::make_unique<TTextAttributes>(this, TAttributeType::atSelected)),
      FRichLines(std::make_unique<TRichEditStrings>(this)) {
  FDefault = FormatOfFont(*Font());
}

TCustomRichEdit::~TCustomRichEdit() = default;

TStrings* TCustomRichEdit::Lines() { return FRichLines.get(); }

TCharFormat TCustomRichEdit::InsertionFormat() {
  if (FTyping) return *FTyping;
  const TEditBuffer& buffer = EditBuffer();
  if (buffer.SelStart() > 0) return FRichText.FormatAt(buffer.SelStart() - 1, FDefault);
  return FRichText.FormatAt(0, FDefault);
}

TCharFormat TCustomRichEdit::CharFormat(TAttributeType Type) {
  if (Type == TAttributeType::atDefaultText) return FDefault;
  const TEditBuffer& buffer = EditBuffer();
  return buffer.SelLength() > 0 ? FRichText.FormatAt(buffer.SelStart(), FDefault) : InsertionFormat();
}

void TCustomRichEdit::ChangeCharFormat(TAttributeType Type, const std::function<void(TCharFormat&)>& Change) {
  const bool reformat = Type == TAttributeType::atSelected && EditBuffer().SelLength() > 0;
  if (Type == TAttributeType::atDefaultText) {
    Change(FDefault);
  } else if (reformat) {
    FRichText.Reformat(EditBuffer().SelStart(), EditBuffer().SelLength(), Change);
  } else {
    TCharFormat format = InsertionFormat();
    Change(format);
    FTyping = format;
  }
  ModelChanged();
  if (reformat && (FEventMask & ENM_REQUESTRESIZE)) SendRequestResize();
}

void TCustomRichEdit::LoadRichText(const String& Document) {
  TRichText read = ReadRichText(Document, FDefault);  // raises before anything changes
  const bool sameText = read.Chars() == FRichText.Chars();
  FRichText = std::move(read);
  FTyping.reset();
  // The memo takes the same characters, so Change finds the model in step.
  SetText(FRichText.Text());
  ModelChanged();
  if (sameText && (FEventMask & ENM_REQUESTRESIZE)) SendRequestResize();
}

String TCustomRichEdit::SaveRichText() const { return WriteRichText(FRichText); }

void TCustomRichEdit::Reconcile() {
  const std::u32string& now = EditBuffer().Chars();
  const std::u32string& was = FRichText.Chars();
  if (now == was) return;
  std::size_t prefix = 0;
  while (prefix < now.size() && prefix < was.size() && now[prefix] == was[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < now.size() - prefix && suffix < was.size() - prefix &&
         now[now.size() - 1 - suffix] == was[was.size() - 1 - suffix])
    ++suffix;
  // Text that replaces everything is plain text set as a whole.
  TCharFormat format = FDefault;
  if (FTyping)
    format = *FTyping;
  else if (prefix > 0)
    format = FRichText.FormatAt(static_cast<int>(prefix) - 1, FDefault);
  else if (suffix > 0)
    format = FRichText.FormatAt(static_cast<int>(was.size() - suffix), FDefault);
  FRichText.Erase(static_cast<int>(prefix), static_cast<int>(was.size() - prefix - suffix));
  FRichText.Insert(static_cast<int>(prefix), now.substr(prefix, now.size() - prefix - suffix), format);
  ModelChanged();
}

void TCustomRichEdit::ModelChanged() {
  FView.reset();
  Invalidate();
}

const TRichTextLayout& TCustomRichEdit::View() {
  const TRect area = EditRect();
  const int width = WordWrap() ? area.Right - area.Left : 0;
  if (!FView || FViewWidth != width) {
    FView.reset();  // it measured the text as it was
    const TMeasureDC measure;
    FView = std::make_unique<TRichTextLayout>(measure.DC, FRichText, FDefault, 0, -1, width);
    FViewWidth = width;
  }
  return *FView;
}

int TCustomRichEdit::FirstViewLine() {
  const auto first = static_cast<int>(Perform(EM_LINEINDEX, Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 0));
  return View().LineOfChar(first);
}

void TCustomRichEdit::PlaceCaret() {
  if (FPlacingCaret || !HandleAllocated() || GetFocus() != Handle()) return;
  FPlacingCaret = true;
  const ScopeExit placed([this] { FPlacingCaret = false; });
  const TRect area = EditRect();
  const TPoint at = View().PosOfChar(EditBuffer().CaretPos(), FirstViewLine());
  SetCaretPos(area.Left + at.X, area.Top + at.Y);
}

void TCustomRichEdit::Change() {
  Reconcile();
  if (FEventMask & ENM_REQUESTRESIZE) SendRequestResize();
  TCustomMemo::Change();
}

void TCustomRichEdit::RequestSize(const TRect& Rect) {
  if (OnResizeRequest) OnResizeRequest(this, Rect);
}

void TCustomRichEdit::SelectionChange() {
  if (OnSelectionChange) OnSelectionChange(this);
}

void TCustomRichEdit::SendRequestResize() {
  const TRichTextLayout& layout = View();
  REQRESIZE request;
  request.rc = {0, 0, WordWrap() ? ClientWidth() : layout.Width(), layout.Height()};
  if (HandleAllocated()) {
    request.nmhdr = {Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(Handle())), EN_REQUESTRESIZE};
    if (const HWND parent = GetParent(Handle()))
      SendMessage(parent, WM_NOTIFY, request.nmhdr.idFrom, reinterpret_cast<LPARAM>(&request));
  }
  RequestSize(request.rc);
}

void TCustomRichEdit::CheckSelection() {
  const int start = EditBuffer().SelStart(), length = EditBuffer().SelLength();
  if (start == FLastSelStart && length == FLastSelLength) return;
  FLastSelStart = start;
  FLastSelLength = length;
  FTyping.reset();
  if ((FEventMask & ENM_SELCHANGE) && HandleAllocated()) {
    SELCHANGE change;
    change.nmhdr = {Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(Handle())), EN_SELCHANGE};
    change.chrg = {start, start + length};
    change.seltyp = length > 0 ? SEL_TEXT : SEL_EMPTY;
    if (const HWND parent = GetParent(Handle()))
      SendMessage(parent, WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
  }
  SelectionChange();
}

LRESULT TCustomRichEdit::FormatRange(bool Render, const FORMATRANGE* Range) {
  if (!Range || !Range->hdc) return 0;  // nothing is kept between calls; no context, nothing drawn
  const HDC dc = Range->hdc;
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  const TRect bounds{MulDiv(Range->rc.Left, dpiX, 1440), MulDiv(Range->rc.Top, dpiY, 1440),
                     MulDiv(Range->rc.Right, dpiX, 1440), MulDiv(Range->rc.Bottom, dpiY, 1440)};
  const int from = std::clamp(static_cast<int>(Range->chrg.cpMin), 0, FRichText.Length());
  const int to = Range->chrg.cpMax < 0 ? FRichText.Length() : static_cast<int>(Range->chrg.cpMax);
  const TRichTextLayout layout(dc, FRichText, FDefault, from, to, WordWrap() ? bounds.Right - bounds.Left : 0);
  return Render ? layout.Draw(dc, bounds) : layout.Fit(bounds.Bottom - bounds.Top);
}

void TCustomRichEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case EM_FORMATRANGE:
      Message.Result = FormatRange(Message.WParam != 0, reinterpret_cast<const FORMATRANGE*>(Message.LParam));
      return;
    case EM_EXGETSEL:
      if (auto* range = reinterpret_cast<CHARRANGE*>(Message.LParam)) {
        range->cpMin = EditBuffer().SelStart();
        range->cpMax = EditBuffer().SelStart() + EditBuffer().SelLength();
      }
      return;
    case EM_EXSETSEL:
      if (const auto* range = reinterpret_cast<const CHARRANGE*>(Message.LParam)) {
        Perform(EM_SETSEL, static_cast<WPARAM>(range->cpMin), range->cpMax);
        Message.Result = EditBuffer().SelStart() + EditBuffer().SelLength();
      }
      return;
    case EM_GETEVENTMASK:
      Message.Result = static_cast<LRESULT>(FEventMask);
      return;
    case EM_SETEVENTMASK:
      Message.Result = static_cast<LRESULT>(FEventMask);
      FEventMask = static_cast<DWORD>(Message.LParam);
      return;
    case EM_REQUESTRESIZE:
      SendRequestResize();
      return;
    case EM_POSFROMCHAR:
      if (Message.WParam <= static_cast<WPARAM>(FRichText.Length()) && HandleAllocated()) {
        const TRect area = EditRect();
        const TPoint at = View().PosOfChar(static_cast<int>(Message.WParam), FirstViewLine());
        Message.Result = MAKELRESULT(static_cast<Word>(area.Left + at.X), static_cast<Word>(area.Top + at.Y));
      } else {
        Message.Result = -1;
      }
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      TCustomMemo::WndProc(Message);  // the focus, the events, the memo's own choice
      SelectByDrawnText(Message);
      CheckSelection();
      PlaceCaret();
      return;
    case EM_CHARFROMPOS: {
      const int at = DrawnCharAt({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
      Message.Result = MAKELRESULT(static_cast<Word>(at), static_cast<Word>(Perform(EM_LINEFROMCHAR, at, 0)));
      return;
    }
    default:
      break;
  }
  TCustomMemo::WndProc(Message);
  if (Message.Msg == CM_FONTCHANGED) {
    FDefault = FormatOfFont(*Font());
    ModelChanged();
  }
  CheckSelection();
  PlaceCaret();
}

void TCustomRichEdit::SelectByDrawnText(const TMessage& Message) {
  if (!HandleAllocated()) return;
  const int at = DrawnCharAt({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
  TEditBuffer& buffer = EditBuffer();
  if (Message.Msg == WM_LBUTTONDOWN)
    buffer.PlaceCaret(at, (Message.WParam & MK_SHIFT) != 0);
  else if (Message.Msg == WM_LBUTTONDBLCLK)
    buffer.SelectWord(at);
  else if ((Message.WParam & MK_LBUTTON) && Focused())
    buffer.PlaceCaret(at, true);
  else
    return;
  EditBufferChanged(false);
}

int TCustomRichEdit::DrawnCharAt(TPoint Client) {
  const TRect area = EditRect();
  return View().CharAtPoint({Client.X - area.Left, Client.Y - area.Top}, FirstViewLine());
}

void TCustomRichEdit::PaintWindow(HDC DC) {
  const TRect client = ClientRect();
  const HBRUSH background = CreateSolidBrush(ColorToColorRef(Color()));
  FillRect(DC, &client, background);
  DeleteObject(background);
  const TRect area = EditRect();
  const TRichTextLayout& layout = View();
  const bool showSelection = !HideSelection() || (HandleAllocated() && GetFocus() == Handle());
  const int selStart = EditBuffer().SelStart();
  // The view scrolls with the memo: its first visible line's first
  // character starts the lines drawn.
  layout.Draw(DC, area, selStart, showSelection ? selStart + EditBuffer().SelLength() : selStart, FirstViewLine());
}

}  // namespace plat
