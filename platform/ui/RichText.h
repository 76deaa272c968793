#pragma once
// A rich text as the rich edit keeps it: characters (code points, paragraphs
// separated by CR LF as the edit's plain text counts them) and, for each
// character, its character format: font name, size in points, bold, italic,
// underline and colour. Formats are kept in a table, so a long text of
// few formats costs one index per character. Positions count characters
// from 0; ranges are clamped to the text.
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/rtl/Types.h"

namespace plat {

struct TCharFormat {
  String Name = "Arial";
  int Size = 10;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TColor Color = clWindowText;  // clWindowText is the automatic colour

  friend bool operator==(const TCharFormat&, const TCharFormat&) = default;
};

// Characters that share one format, in text order.
struct TRichRun {
  int Start = 0;
  int Length = 0;
  const TCharFormat* Format = nullptr;
};

class TRichText {
 public:
  const std::u32string& Chars() const { return FChars; }
  int Length() const { return static_cast<int>(FChars.size()); }
  String Text() const;

  // The format of the character at Position (the last one past the end; the
  // given fallback for an empty text).
  const TCharFormat& FormatAt(int Position, const TCharFormat& Fallback) const;
  std::vector<TRichRun> Runs() const;

  void Clear();
  // Characters in one format at Position.
  void Insert(int Position, const std::u32string& Chars, const TCharFormat& Format);
  void Append(const std::u32string& Chars, const TCharFormat& Format) { Insert(Length(), Chars, Format); }
  void Erase(int Position, int Count);
  // Changes the format of a range: Change receives each character's format
  // and alters it.
  template <typename Change>
  void Reformat(int Start, int Count, Change change) {
    ClampRange(Start, Count);
    for (int i = Start; i < Start + Count; ++i) {
      TCharFormat format = FFormats[FFormatOf[i]];
      change(format);
      FFormatOf[i] = FormatIndex(format);
    }
  }

 private:
  // Formats are found by their fields, so texts of many formats stay fast.
  using TFormatKey = std::tuple<String, int, bool, bool, bool, TColor>;
  static TFormatKey KeyOf(const TCharFormat& Format);
  int FormatIndex(const TCharFormat& Format);
  void ClampRange(int& Start, int& Count) const;

  std::u32string FChars;
  std::vector<int> FFormatOf;  // per character, into FFormats
  std::vector<TCharFormat> FFormats;
  std::map<TFormatKey, int> FIndexOf;
  std::size_t FCompactAt = 64;
};

}  // namespace plat
