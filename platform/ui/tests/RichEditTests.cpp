// The rich edit on the headless display: rich text loaded and saved through
// Lines' streams unchanged; the selection's and the default attributes;
// typing in the format at the caret; EM_FORMATRANGE drawing into another
// device context and answering what fit; EN_REQUESTRESIZE; its painting.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/RichTextReader.h"
#include "platform/ui/RichTextWriter.h"
#include "platform/ui/TCustomRichEdit.h"
#include "platform/ui/tests/ReferencePicture.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/Caret.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/StandardControlMessages.h"

namespace plat::testing {
namespace {

constexpr TColor Red = 0x0000FF;  // 00BBGGRR

// Two fonts, bold and a colour, in two paragraphs.
const String Document =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}"
    "\\pard\\f0\\fs20 Plain \\b bold\\b0  \\cf1 red\\cf0\\par\\f1\\fs32 Big Times\\par}";

class RichEdit : public StdControlsTest {
 protected:
  TRichEdit* MakeRichEdit() {
    TRichEdit* edit = Make<TRichEdit>(Bounds(10, 10, 300, 120));
    Pump();
    return edit;
  }
  static void Load(TRichEdit* Edit, const String& Text) {
    TStringStream stream(Text);
    Edit->Lines()->LoadFromStream(stream);
  }
  static String Save(TRichEdit* Edit) {
    TStringStream stream;
    Edit->Lines()->SaveToStream(stream);
    return stream.DataString();
  }
};

TEST_F(RichEdit, RichTextLoadsAndSavesUnchanged) {
  TRichEdit* edit = MakeRichEdit();
  Load(edit, Document);
  EXPECT_EQ(edit->Text(), "Plain bold red\r\nBig Times");
  ASSERT_EQ(edit->Lines()->Count(), 2);
  EXPECT_EQ(edit->Lines()->Strings(1), "Big Times");
  const String saved = Save(edit);
  // What was saved reads back to the same characters and formats, and saving
  // that again gives the same document.
  const TRichText original = ReadRichText(Document, TCharFormat());
  const TRichText back = ReadRichText(saved, TCharFormat());
  EXPECT_EQ(back.Chars(), original.Chars());
  ASSERT_EQ(back.Runs().size(), original.Runs().size());
  for (std::size_t i = 0; i < back.Runs().size(); ++i) EXPECT_EQ(*back.Runs()[i].Format, *original.Runs()[i].Format) << i;
  Load(edit, saved);
  EXPECT_EQ(Save(edit), saved);

  // Plain text stays plain; a damaged document changes nothing.
  EXPECT_THROW(Load(edit, "{\\rtf1 {unclosed"), ERichTextError);
  EXPECT_EQ(edit->Text(), "Plain bold red\r\nBig Times");
  Load(edit, "just text\r\nline two");
  EXPECT_EQ(edit->Lines()->Count(), 2);
  edit->SetPlainText(true);
  EXPECT_EQ(Save(edit), "just text\r\nline two\r\n");
}

TEST_F(RichEdit, SelectionAndDefaultAttributes) {
  TRichEdit* edit = MakeRichEdit();
  Load(edit, Document);
  edit->SetSelStart(6);
  edit->SetSelLength(4);  // "bold"
  TTextAttributes* sel = edit->SelAttributes();
  EXPECT_EQ(sel->Name(), "Arial");
  EXPECT_EQ(sel->Size(), 10);
  EXPECT_TRUE(sel->Style().Contains(TFontStyle::fsBold));
  sel->SetColor(Red);
  sel->SetStyle(TFontStyles().Include(TFontStyle::fsItalic));
  edit->SetSelStart(11);
  edit->SetSelLength(3);  // "red"
  EXPECT_EQ(sel->Color(), Red);
  edit->SetSelStart(7);
  edit->SetSelLength(1);
  EXPECT_EQ(sel->Color(), Red);
  EXPECT_EQ(sel->Style(), TFontStyles().Include(TFontStyle::fsItalic));

  // The default follows the font; plain text set as a whole takes it.
  edit->Font()->SetName("Courier New");
  edit->Font()->SetSize(9);
  EXPECT_EQ(edit->DefAttributes()->Name(), "Courier New");
  edit->SetText("fresh");
  edit->SetSelStart(0);
  edit->SetSelLength(5);
  EXPECT_EQ(sel->Name(), "Courier New");
  EXPECT_EQ(sel->Size(), 9);
}

TEST_F(RichEdit, TypingTakesTheFormatAtTheCaret) {
  TRichEdit* edit = MakeRichEdit();
  edit->SetFocus();
  Type("ab");
  edit->SelAttributes()->SetStyle(TFontStyles().Include(TFontStyle::fsBold));  // no selection: what comes next
  Type("cd");
  edit->SelAttributes()->SetStyle(TFontStyles());
  Type("e{LEFT}{LEFT}{LEFT}{BS}");  // typed plain, then "b" deleted
  Pump();
  const TRichText& text = edit->RichText();
  EXPECT_EQ(text.Text(), "acde");
  ASSERT_EQ(text.Runs().size(), 3u);
  EXPECT_FALSE(text.Runs()[0].Format->Bold);
  EXPECT_EQ(text.Runs()[1].Length, 2);
  EXPECT_TRUE(text.Runs()[1].Format->Bold);
  EXPECT_FALSE(text.Runs()[2].Format->Bold);
}

TEST_F(RichEdit, FormatRangeDrawsIntoAContextAndAnswersWhatFit) {
  TRichEdit* edit = MakeRichEdit();
  Load(edit, Document);
  TBitmap picture;
  picture.SetSize(240, 60);
  picture.Canvas()->Brush()->SetColor(clWhite);
  picture.Canvas()->FillRect(TRect{0, 0, 240, 60});
  const HDC dc = picture.Canvas()->Handle();
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  auto twips = [dpi](int pixels) { return pixels * 1440 / dpi; };
  FORMATRANGE range;
  range.hdc = range.hdcTarget = dc;
  range.chrg = {0, -1};
  // Room for the first line only: the answer is where the second starts.
  range.rc = {twips(4), twips(4), twips(236), twips(24)};
  range.rcPage = range.rc;
  EXPECT_EQ(SendMessage(edit->Handle(), EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&range)), 16);
  // Room for both: everything fit.
  range.rc.Bottom = twips(56);
  EXPECT_EQ(SendMessage(edit->Handle(), EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range)), 25);
  EXPECT_EQ(SendMessage(edit->Handle(), EM_FORMATRANGE, 0, 0), 0);  // frees nothing, answers 0
  FORMATRANGE noContext = range;
  noContext.hdc = nullptr;
  EXPECT_EQ(SendMessage(edit->Handle(), EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&noContext)), 0);
  // From the second paragraph on.
  range.chrg = {16, -1};
  EXPECT_EQ(SendMessage(edit->Handle(), EM_FORMATRANGE, 0, reinterpret_cast<LPARAM>(&range)), 25);

  const Bitmap& image = *picture.Image();
  int red = 0, black = 0, outside = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const TPixel p = image.At(x, y) & 0xFFFFFF;
      const bool inside = x >= 4 && x < 236 && y >= 4 && y < 56;
      if (!inside && p != 0xFFFFFF) ++outside;
      const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;  // pixels hold 00RRGGBB
      if (r > 200 && g < 80 && b < 80) ++red;
      if (r < 60 && g < 60 && b < 60) ++black;
    }
  EXPECT_GT(red, 10);
  EXPECT_GT(black, 50);
  EXPECT_EQ(outside, 0);
  KeepForInspection(image, "RichEdit.FormatRange.png");
}

TEST_F(RichEdit, RequestResizeReportsTheContentsSize) {
  TRichEdit* edit = MakeRichEdit();
  std::vector<TRect> requests;
  edit->OnResizeRequest = [&](TObject*, const TRect& rect) { requests.push_back(rect); };
  Load(edit, Document);
  EXPECT_TRUE(requests.empty());  // not asked for
  SendMessage(edit->Handle(), EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
  EXPECT_EQ(SendMessage(edit->Handle(), EM_GETEVENTMASK, 0, 0), static_cast<LRESULT>(ENM_REQUESTRESIZE));
  // The parent hears it as WM_NOTIFY, with the same rectangle.
  std::vector<TRect> notified;
  const TWndMethod formProc = Form()->WindowProc;
  Form()->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_NOTIFY) {
      const auto* request = reinterpret_cast<const REQRESIZE*>(message.LParam);
      if (request->nmhdr.code == EN_REQUESTRESIZE && request->nmhdr.hwndFrom == edit->Handle())
        notified.push_back(request->rc);
    }
    formProc(message);
  };
  SendMessage(edit->Handle(), EM_REQUESTRESIZE, 0, 0);
  Form()->WindowProc = formProc;
  ASSERT_EQ(requests.size(), 1u);
  ASSERT_EQ(notified.size(), 1u);
  EXPECT_EQ(notified.back(), requests.back());
  const int twoLines = requests.back().Height();
  EXPECT_EQ(requests.back().Width(), edit->ClientWidth());
  EXPECT_GT(twoLines, 20);
  edit->Lines()->Add("a third line");
  ASSERT_GE(requests.size(), 2u);
  EXPECT_GT(requests.back().Height(), twoLines);
  // Without word wrap the width is the longest line's.
  edit->SetWordWrap(false);
  SendMessage(edit->Handle(), EM_REQUESTRESIZE, 0, 0);
  EXPECT_LT(requests.back().Width(), edit->ClientWidth());
  EXPECT_GT(requests.back().Width(), 40);
}

TEST_F(RichEdit, SelectionChangesAreReported) {
  TRichEdit* edit = MakeRichEdit();
  Load(edit, Document);
  int changes = 0;
  edit->OnSelectionChange = [&](TObject*) { ++changes; };
  CHARRANGE range{6, 10};
  EXPECT_EQ(SendMessage(edit->Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range)), 10);
  EXPECT_EQ(edit->SelText(), "bold");
  EXPECT_EQ(changes, 1);
  CHARRANGE back;
  SendMessage(edit->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&back));
  EXPECT_EQ(back.cpMin, 6);
  EXPECT_EQ(back.cpMax, 10);
  SendMessage(edit->Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(changes, 1);  // the same selection is no change
}

TEST_F(RichEdit, TheCaretAndTheMouseFollowTheDrawnText) {
  TRichEdit* edit = MakeRichEdit();
  Load(edit, Document);
  edit->SetFocus();
  Pump();
  // "Big T|imes": in 16-point Times, well right of and below where the
  // memo's own 8-point measure would put it.
  const LRESULT at = SendMessage(edit->Handle(), EM_POSFROMCHAR, 21, 0);
  const TPoint drawn{LOWORD(static_cast<DWORD>(at)), HIWORD(static_cast<DWORD>(at))};
  const LRESULT lineTwo = SendMessage(edit->Handle(), EM_POSFROMCHAR, 16, 0);
  EXPECT_GT(drawn.X - LOWORD(static_cast<DWORD>(lineTwo)), 40);  // "Big T" at 16 points
  EXPECT_GE(HIWORD(static_cast<DWORD>(lineTwo)), 16);            // below a 10-point line
  edit->SetSelStart(21);
  Pump();
  POINT caret;
  ASSERT_TRUE(GetCaretPos(&caret));
  EXPECT_EQ(caret, drawn);
  EXPECT_EQ(LOWORD(static_cast<DWORD>(SendMessage(edit->Handle(), EM_CHARFROMPOS, 0, PointToLParam(drawn.X + 1, drawn.Y + 5)))), 21);

  // A click on the drawn "m" of "Times" puts the caret before it.
  const LRESULT m = SendMessage(edit->Handle(), EM_POSFROMCHAR, 23, 0);
  InjectClick(OnScreen(edit, Point(LOWORD(static_cast<DWORD>(m)) + 2, HIWORD(static_cast<DWORD>(m)) + 10)));
  Pump();
  EXPECT_EQ(edit->SelStart(), 23);
  EXPECT_EQ(edit->SelLength(), 0);
  // A drag over the drawn "Big" selects it.
  auto drawnPoint = [&](int position) {
    const LRESULT p = SendMessage(edit->Handle(), EM_POSFROMCHAR, static_cast<WPARAM>(position), 0);
    return OnScreen(edit, Point(LOWORD(static_cast<DWORD>(p)) + 1, HIWORD(static_cast<DWORD>(p)) + 10));
  };
  InjectDrag(drawnPoint(16), drawnPoint(19));
  Pump();
  EXPECT_EQ(edit->SelText(), "Big");
}

TEST_F(RichEdit, TheViewScrollsWithTheCaret) {
  TRichEdit* edit = MakeRichEdit();
  edit->Font()->SetName("Arial");
  edit->Font()->SetSize(10);
  String text;
  for (int i = 1; i <= 20; ++i) text += "line " + std::to_string(i) + (i < 20 ? "\r\n" : "");
  edit->SetText(text);
  Pump();
  const std::unique_ptr<Bitmap> top = WindowPicture(Form()->Handle());
  edit->SetSelStart(edit->RichText().Length());  // the caret to the last line
  Pump();
  EXPECT_GT(SendMessage(edit->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  const std::unique_ptr<Bitmap> bottom = WindowPicture(Form()->Handle());
  KeepForInspection(*bottom, "RichEdit.scrolled.png");
  int differing = 0;
  for (int y = 0; y < top->Height(); ++y)
    for (int x = 0; x < top->Width(); ++x) differing += top->At(x, y) != bottom->At(x, y);
  EXPECT_GT(differing, 100);
}

TEST_F(RichEdit, PaintsItsRichText) {
  Form()->SetBounds(100, 100, 340, 170);
  TRichEdit* edit = MakeRichEdit();
  Load(edit, Document);
  edit->SetFocus();
  SendMessage(edit->Handle(), EM_SETSEL, 6, 10);
  Pump();
  const std::unique_ptr<Bitmap> shot = WindowPicture(Form()->Handle());
  ASSERT_TRUE(shot);
  KeepForInspection(*shot, "RichEdit.png");
  // Red text in the first line; the selection's highlight behind "bold".
  int red = 0, highlight = 0;
  const COLORREF highlightColor = ColorToColorRef(clHighlight);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x) {
      const COLORREF c = PixelAt(edit, Point(x, y));
      if ((c & 0xFF) > 200 && ((c >> 8) & 0xFF) < 80 && ((c >> 16) & 0xFF) < 80) ++red;
      if (c == highlightColor) ++highlight;
    }
  EXPECT_GT(red, 10);
  EXPECT_GT(highlight, 50);
}

}  // namespace
}  // namespace plat::testing
