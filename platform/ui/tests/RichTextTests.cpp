// The rich-text model and its reader and writer: a text in two fonts with
// bold and colour read, written and read back unchanged; the subset's
// control words; damaged and hostile documents refused with a clear error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/ui/RichText.h"
#include "platform/ui/RichTextReader.h"
#include "platform/ui/RichTextWriter.h"
#include "testing/ProjectPaths.h"

namespace plat::testing {
namespace {

constexpr TColor Red = 0x0000FF;  // 00BBGGRR

TCharFormat Format(const char* Name, int Size, bool Bold = false, TColor Color = clWindowText) {
  TCharFormat f;
  f.Name = Name;
  f.Size = Size;
  f.Bold = Bold;
  f.Color = Color;
  return f;
}

// Each run as "font size flags colour:text".
std::string Describe(const TRichText& Text) {
  std::string out;
  for (const TRichRun& run : Text.Runs()) {
    const TCharFormat& f = *run.Format;
    TRichText part;
    part.Append(Text.Chars().substr(run.Start, run.Length), f);
    out += "[" + f.Name + " " + std::to_string(f.Size) + (f.Bold ? " b" : "") + (f.Italic ? " i" : "") +
           (f.Underline ? " u" : "") + (f.Color == clWindowText ? "" : " #" + std::to_string(f.Color)) + ":" +
           part.Text() + "]";
  }
  return out;
}

// Plain Arial, bold Arial, red Arial, a paragraph, then large Times.
TRichText TwoFonts() {
  TRichText text;
  text.Append(U"Plain ", Format("Arial", 10));
  text.Append(U"bold", Format("Arial", 10, true));
  text.Append(U" red\r\n", Format("Arial", 10, false, Red));
  text.Append(U"Big {\\} \u00E9\u20AC\U0001F600\tend", Format("Times New Roman", 16));
  return text;
}

TEST(RichText, WrittenAndReadBackUnchanged) {
  const TRichText original = TwoFonts();
  const String document = WriteRichText(original);
  EXPECT_TRUE(IsRichText(document));
  const TRichText back = ReadRichText(document, TCharFormat());
  EXPECT_EQ(back.Chars(), original.Chars());
  EXPECT_EQ(Describe(back), Describe(original));
  EXPECT_EQ(Describe(back),
            "[Arial 10:Plain ][Arial 10 b:bold][Arial 10 #255: red\r\n][Times New Roman 16:Big {\\} \u00E9\u20AC"
            "\U0001F600\tend]");
  EXPECT_EQ(WriteRichText(back), document);  // a second round changes nothing
}

TEST(RichText, ReadsTheSubsetCellsHold) {
  const String document =
      "{\\rtf1\\ansi\\ansicpg1252\\deff1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman Times New Roman;}}\r\n"
      "{\\colortbl ;\\red0\\green128\\blue0;}\r\n"
      "{\\*\\generator Some Writer 5.1;}\\viewkind4\\uc1\\pard\\lang1033\\f0\\fs20 Plain \\b bold\\b0  "
      "\\i\\ul slanted\\ulnone\\i0  \\cf1 green\\cf0\\par\r\n"
      "\\f1\\fs24 caf\\'e9 \\u8364?\\uc0\\u8364  {\\b grouped}\\tab x\\par\r\n"
      "\\plain default\\par\r\n}";
  const TRichText text = ReadRichText(document, Format("Tahoma", 8));
  EXPECT_EQ(text.Text(), "Plain bold slanted green\r\ncaf\u00E9 \u20AC\u20AC grouped\tx\r\ndefault");
  EXPECT_EQ(Describe(text),
            "[Arial 10:Plain ][Arial 10 b:bold][Arial 10: ][Arial 10 i u:slanted][Arial 10: ]"
            "[Arial 10 #32768:green][Arial 10:\r\n][Times New Roman 12:caf\u00E9 \u20AC\u20AC ]"
            "[Times New Roman 12 b:grouped][Times New Roman 12:\tx\r\n][Times New Roman 8:default]");
}

TEST(RichText, EdgesOfTheSubset) {
  const struct {
    const char* Document;
    const char* Text;
  } cases[] = {
      {"{\\rtf1}", ""},
      {"{\\rtf1 a\\par}", "a"},                                  // the closing mark is no line
      {"{\\rtf1 a\\par\\par}", "a\r\n"},
      {"{\\rtf1 a\\line b}", "a\r\nb"},
      {"{\\rtf1 \\unknownword12 a{\\unknowngroup b}}", "ab"},    // unknown words pass, text stays
      {"{\\rtf1 a{\\*\\unknown b{c}}d}", "ad"},                 // marked groups are skipped whole
      {"{\\rtf1 a{\\pict\\bin3 }}}}z}", "az"},                    // binary data is passed over
      {"{\\rtf1 \\u-10179?\\u-8704?}", "\U0001F600"},            // a surrogate pair
      {"{\\rtf1 \\u-10179?x}", "\uFFFDx"},                       // half a pair
      {"{\\rtf1 \\uc2\\u233 xyz}", "\u00E9z"},                   // two fallback characters
      {"{\\rtf1 a}trailing bytes", "a"},
      {"{\\rtf1 \\'80\\'41}", "\u20AC" "A"},
      {"{\\rtf1 a\r\n\r\nb}", "ab"},                             // line ends in the source are not text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadRichText(c.Document, TCharFormat()).Text(), c.Text) << c.Document;
  }
}

TEST(RichText, DamagedDocumentsAreRefused) {
  const String deep = String(MaxRichTextDepth, '{');
  const struct {
    String Document;
    const char* Message;
  } cases[] = {
      {"", "Not a rich text document"},
      {"plain text", "Not a rich text document"},
      {"{\\rtf1 a", "The rich text ends inside a group"},
      {"{\\rtf1 {a}", "The rich text ends inside a group"},
      {"{\\rtf1 \\", "a backslash ends the document"},
      {"{\\rtf1 \\'4", "a bad \\' escape"},
      {"{\\rtf1 \\'zz}", "a bad \\' escape"},
      {"{\\rtf1 \\fs12345678901}", "a number longer than 10 digits"},
      {"{\\rtf1 \\" + String(40, 'a') + "}", "a control word longer than 32 letters"},
      {"{\\rtf1 \\bin99 ab}", "binary data beyond the end"},
      {"{\\rtf1 \\bin-1 }", "binary data beyond the end"},
      {"{\\rtf1 \\fs- }", "a minus sign without a number"},
      {"{\\rtf1 " + deep + "}", "groups nested deeper than 100"},
  };
  for (const auto& c : cases) {
    try {
      ReadRichText(c.Document, TCharFormat());
      ADD_FAILURE() << "read: " << c.Document.substr(0, 40);
    } catch (const ERichTextError& error) {
      EXPECT_NE(error.Message().find(c.Message), String::npos) << error.Message();
    }
  }
  // Nesting up to the limit is read.
  const String deepest = "{\\rtf1 " + String(MaxRichTextDepth - 1, '{') + "x" + String(MaxRichTextDepth, '}');
  EXPECT_EQ(ReadRichText(deepest, TCharFormat()).Text(), "x");
}

TEST(RichText, TheBrokenCorpusIsRefused) {
  const std::filesystem::path folder = zorbit::testing::SourcePath("platform/ui/tests/data/richtext");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const String document{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_THROW(ReadRichText(document, TCharFormat()), ERichTextError) << entry.path();
    ++files;
  }
  EXPECT_GE(files, 5);
}

TEST(RichText, ModelEditsKeepFormatsInPlace) {
  TRichText text = TwoFonts();
  text.Erase(0, 6);  // "Plain "
  text.Insert(4, U"!", Format("Arial", 10, true));
  text.Reformat(0, 2, [](TCharFormat& f) { f.Italic = true; });
  EXPECT_EQ(Describe(text).rfind("[Arial 10 b i:bo][Arial 10 b:ld!][Arial 10 #255: red\r\n][Times", 0), 0u)
      << Describe(text);
  text.Erase(-5, 3);  // clamped to the start
  EXPECT_EQ(text.Text().substr(0, 6), "d! red");
  text.Clear();
  EXPECT_EQ(text.FormatAt(0, Format("Fallback", 9)).Name, "Fallback");
  EXPECT_TRUE(text.Runs().empty());
}

}  // namespace
}  // namespace plat::testing
