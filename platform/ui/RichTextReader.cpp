#include "platform/ui/RichTextReader.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace plat {
namespace {

// Windows-1252 for the bytes 0x80-0x9F; the rest of the upper half is Latin-1.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : byte;
}

// Destinations whose text is not the document's.
constexpr std::string_view SkippedDestinations[] = {
    "stylesheet", "info",     "pict",     "object",    "header",   "headerl",           "headerr", "headerf",
    "footer",     "footerl",  "footerr",  "footerf",   "footnote", "annotation",        "fldinst", "listtable",
    "listoverridetable",      "revtbl",   "rsidtbl",   "filetbl",  "generator",         "xmlnstbl", "themedata",
    "colorschememapping",     "latentstyles",          "datastore", "pgdsctbl",         "template", "private"};

// Control words that stand for one character.
constexpr std::pair<std::string_view, char32_t> NamedCharacters[] = {
    {"emdash", 0x2014}, {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
    {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
};

constexpr std::size_t MaxWordLength = 32;
constexpr std::size_t MaxNumberDigits = 10;
constexpr int MaxHalfPoints = 2 * 1638;

enum class TDestination { Text, FontTable, ColorTable, Skip };

struct TGroupState {
  TDestination Destination = TDestination::Text;
  TCharFormat Format;
  int FallbackLength = 1;  // \uc: characters that follow \u as its stand-in
};

class TRichTextReader {
 public:
  TRichTextReader(const String& Document, const TCharFormat& Default) : FDoc(Document), FDefault(Default) {
    FState.Format = Default;
  }

  TRichText Read() {
    if (!IsRichText(FDoc)) throw ERichTextError("Not a rich text document");
    while (FPos < FDoc.size()) {
      const char c = FDoc[FPos++];
      if (c == '{') {
        OpenGroup();
      } else if (c == '}') {
        if (CloseGroup()) return Finish();
      } else if (c == '\\') {
        ControlWord();
      } else if (c != '\r' && c != '\n') {
        Character(FromCp1252(static_cast<unsigned char>(c)));
      }
    }
    throw ERichTextError("The rich text ends inside a group");
  }

 private:
  [[noreturn]] void Fail(const String& What) const {
    throw ERichTextError("Damaged rich text at byte " + std::to_string(FPos) + ": " + What);
  }

  void OpenGroup() {
    if (FStack.size() >= static_cast<std::size_t>(MaxRichTextDepth))
      Fail("groups nested deeper than " + std::to_string(MaxRichTextDepth));
    FStack.push_back(FState);
    FSkip = 0;
  }

  // True when the document's own group closed.
  bool CloseGroup() {
    EndUnicode();
    const TDestination closed = FState.Destination;
    FState = FStack.back();
    FStack.pop_back();
    FSkip = 0;
    if (closed == TDestination::FontTable && FState.Destination != TDestination::FontTable) FontTableDone();
    return FStack.empty();
  }

  void FontTableDone() {
    // The document's default font (\deff) is the font of text without \f.
    if (const auto found = FFonts.find(FDefaultFont); found != FFonts.end()) {
      FState.Format.Name = found->second;
      FDefault.Name = found->second;
    }
  }

  TRichText Finish() {
    EndUnicode();
    // The last paragraph mark closes the document.
    if (FLastParagraphEnd == FText.Length() && FText.Length() >= 2) FText.Erase(FText.Length() - 2, 2);
    return std::move(FText);
  }

  void ControlWord() {
    if (FPos >= FDoc.size()) Fail("a backslash ends the document");
    const char first = FDoc[FPos];
    if (!IsLetter(first)) {
      ++FPos;
      ControlSymbol(first);
      return;
    }
    const std::size_t start = FPos;
    while (FPos < FDoc.size() && IsLetter(FDoc[FPos])) {
      if (FPos - start >= MaxWordLength) Fail("a control word longer than " + std::to_string(MaxWordLength) + " letters");
      ++FPos;
    }
    const std::string_view word(FDoc.data() + start, FPos - start);
    std::optional<long long> parameter;
    bool negative = false;
    if (FPos < FDoc.size() && FDoc[FPos] == '-') {
      negative = true;
      ++FPos;
    }
    const std::size_t digits = FPos;
    long long value = 0;
    while (FPos < FDoc.size() && FDoc[FPos] >= '0' && FDoc[FPos] <= '9') {
      if (FPos - digits >= MaxNumberDigits) Fail("a number longer than " + std::to_string(MaxNumberDigits) + " digits");
      value = value * 10 + (FDoc[FPos++] - '0');
    }
    if (FPos > digits) parameter = negative ? -value : value;
    else if (negative) Fail("a minus sign without a number");
    if (FPos < FDoc.size() && FDoc[FPos] == ' ') ++FPos;
    Apply(word, parameter);
  }

  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

  void ControlSymbol(char symbol) {
    switch (symbol) {
      case '\'': {
        if (FDoc.size() - FPos < 2 || !IsHex(FDoc[FPos]) || !IsHex(FDoc[FPos + 1])) Fail("a bad \\' escape");
        const int byte = HexValue(FDoc[FPos]) * 16 + HexValue(FDoc[FPos + 1]);
        FPos += 2;
        Character(FromCp1252(static_cast<unsigned char>(byte)));
        break;
      }
      case '\\':
      case '{':
      case '}':
        Character(static_cast<unsigned char>(symbol));
        break;
      case '~':
        Character(0x00A0);
        break;
      case '_':
        Character(0x2011);
        break;
      case '*':
        FState.Destination = TDestination::Skip;
        break;
      case '\r':
      case '\n':
        Paragraph();
        break;
      default:  // optional hyphens, formula marks and the like
        break;
    }
  }

  static bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
  static int HexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

  void Apply(std::string_view word, std::optional<long long> parameter) {
    const long long n = parameter.value_or(1);
    if (word == "bin") {
      if (n < 0 || static_cast<unsigned long long>(n) > FDoc.size() - FPos) Fail("binary data beyond the end");
      FPos += static_cast<std::size_t>(n);
      return;
    }
    if (FState.Destination == TDestination::Skip) return;
    if (word == "u") {
      Unicode(static_cast<char16_t>(static_cast<std::uint16_t>(n)));
    } else if (word == "uc") {
      FState.FallbackLength = static_cast<int>(std::clamp(n, 0LL, 16LL));
    } else if (word == "fonttbl") {
      FState.Destination = TDestination::FontTable;
    } else if (word == "colortbl") {
      FState.Destination = TDestination::ColorTable;
      FColorSet = false;
    } else if (std::find(std::begin(SkippedDestinations), std::end(SkippedDestinations), word) !=
               std::end(SkippedDestinations)) {
      FState.Destination = TDestination::Skip;
    } else if (FState.Destination == TDestination::FontTable) {
      if (word == "f") FFontNumber = n;
    } else if (FState.Destination == TDestination::ColorTable) {
      ColorComponent(word, n);
    } else {
      Formatting(word, parameter, n);
    }
  }

  void ColorComponent(std::string_view word, long long n) {
    const Byte value = static_cast<Byte>(std::clamp(n, 0LL, 255LL));
    if (word == "red") FRed = value;
    else if (word == "green") FGreen = value;
    else if (word == "blue") FBlue = value;
    else return;
    FColorSet = true;
  }

  void Formatting(std::string_view word, std::optional<long long> parameter, long long n) {
    TCharFormat& format = FState.Format;
    if (word == "deff") {
      FDefaultFont = n;
    } else if (word == "f") {
      if (const auto found = FFonts.find(n); found != FFonts.end()) format.Name = found->second;
    } else if (word == "fs") {
      if (parameter && n > 0) format.Size = static_cast<int>((std::min<long long>(n, MaxHalfPoints) + 1) / 2);
    } else if (word == "b") {
      format.Bold = n != 0;
    } else if (word == "i") {
      format.Italic = n != 0;
    } else if (word == "ul") {
      format.Underline = n != 0;
    } else if (word == "ulnone") {
      format.Underline = false;
    } else if (word == "cf") {
      if (n >= 0 && n < static_cast<long long>(FColors.size())) format.Color = FColors[n].value_or(clWindowText);
    } else if (word == "plain") {
      format = FDefault;
    } else if (word == "par") {
      Paragraph();
    } else if (word == "line") {
      Emit(U"\r\n");
    } else if (word == "tab") {
      Character(U'\t');
    } else {
      for (const auto& [name, c] : NamedCharacters)
        if (word == name) Character(c);
    }
  }

  void Paragraph() {
    if (FState.Destination != TDestination::Text) return;
    Emit(U"\r\n");
    FLastParagraphEnd = FText.Length();
  }

  void Unicode(char16_t unit) {
    if (FState.Destination != TDestination::Text) {
      // A font name's character; names hold no halves of pairs.
      Character(unit >= 0xD800 && unit <= 0xDFFF ? kReplacementChar : char32_t{unit});
      FSkip = FState.FallbackLength;
      return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF && FHighSurrogate) {
      const char32_t c = 0x10000 + ((static_cast<char32_t>(FHighSurrogate) - 0xD800) << 10) + (unit - 0xDC00);
      FHighSurrogate = 0;
      Emit(std::u32string(1, c));
    } else if (unit >= 0xD800 && unit <= 0xDBFF) {
      EndUnicode();
      FHighSurrogate = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      Emit(std::u32string(1, kReplacementChar));
    } else if (unit >= 0x20 || unit == u'\t') {
      Emit(std::u32string(1, char32_t{unit}));
    }
    FSkip = FState.FallbackLength;
  }

  // A high surrogate without its low half stands for nothing readable.
  void EndUnicode() {
    if (!FHighSurrogate) return;
    FHighSurrogate = 0;
    FText.Append(std::u32string(1, kReplacementChar), FState.Format);
  }

  void Character(char32_t c) {
    if (FSkip > 0) {
      --FSkip;
      return;
    }
    switch (FState.Destination) {
      case TDestination::Text:
        if (c >= 0x20 || c == U'\t') Emit(std::u32string(1, c));
        break;
      case TDestination::FontTable:
        if (c == U';') {
          FFonts[FFontNumber] = Trim(FFontName);
          FFontName.clear();
        } else if (c >= 0x20 && FFontName.size() < 256) {
          AppendUtf8(FFontName, c);
        }
        break;
      case TDestination::ColorTable:
        if (c == U';') {
          if (FColors.size() < 4096)
            FColors.push_back(FColorSet ? std::optional<TColor>(static_cast<TColor>(RGB(FRed, FGreen, FBlue)))
                                        : std::nullopt);
          FRed = FGreen = FBlue = 0;
          FColorSet = false;
        }
        break;
      case TDestination::Skip:
        break;
    }
  }

  void Emit(const std::u32string& Chars) {
    if (FState.Destination != TDestination::Text) return;
    EndUnicode();
    FText.Append(Chars, FState.Format);
  }

  const String& FDoc;
  TCharFormat FDefault;
  std::size_t FPos = 0;
  std::vector<TGroupState> FStack;
  TGroupState FState;
  TRichText FText;
  int FSkip = 0;  // fallback characters of the last \u still to pass over
  char16_t FHighSurrogate = 0;
  int FLastParagraphEnd = -1;
  std::map<long long, String> FFonts;
  long long FFontNumber = 0;
  long long FDefaultFont = 0;
  String FFontName;
  std::vector<std::optional<TColor>> FColors;
  Byte FRed = 0, FGreen = 0, FBlue = 0;
  bool FColorSet = false;
};

}  // namespace

bool IsRichText(const String& Text) { return Text.rfind("{\\rtf", 0) == 0; }

TRichText ReadRichText(const String& Document, const TCharFormat& Default) {
  return TRichTextReader(Document, Default).Read();
}

}  // namespace plat
