#include "platform/ui/RichText.h"

#include <algorithm>

#include "platform/rtl/Unicode.h"

namespace plat {

String TRichText::Text() const {
  String text;
  for (const char32_t c : FChars) AppendUtf8(text, c);
  return text;
}

const TCharFormat& TRichText::FormatAt(int Position, const TCharFormat& Fallback) const {
  if (FChars.empty()) return Fallback;
  return FFormats[FFormatOf[std::clamp(Position, 0, Length() - 1)]];
}

std::vector<TRichRun> TRichText::Runs() const {
  std::vector<TRichRun> runs;
  for (int i = 0; i < Length(); ++i) {
    if (runs.empty() || FFormatOf[i] != FFormatOf[i - 1])
      runs.push_back({i, 0, &FFormats[FFormatOf[i]]});
    ++runs.back().Length;
  }
  return runs;
}

void TRichText::Clear() {
  FChars.clear();
  FFormatOf.clear();
  FFormats.clear();
  FIndexOf.clear();
  FCompactAt = 64;
}

void TRichText::Insert(int Position, const std::u32string& Chars, const TCharFormat& Format) {
  Position = std::clamp(Position, 0, Length());
  const int index = FormatIndex(Format);
  FChars.insert(static_cast<std::size_t>(Position), Chars);
  FFormatOf.insert(FFormatOf.begin() + Position, Chars.size(), index);
}

void TRichText::Erase(int Position, int Count) {
  ClampRange(Position, Count);
  FChars.erase(static_cast<std::size_t>(Position), static_cast<std::size_t>(Count));
  FFormatOf.erase(FFormatOf.begin() + Position, FFormatOf.begin() + Position + Count);
}

TRichText::TFormatKey TRichText::KeyOf(const TCharFormat& Format) {
  return {Format.Name, Format.Size, Format.Bold, Format.Italic, Format.Underline, Format.Color};
}

int TRichText::FormatIndex(const TCharFormat& Format) {
  const TFormatKey key = KeyOf(Format);
  if (const auto found = FIndexOf.find(key); found != FIndexOf.end()) return found->second;
  // Formats no character uses any more are dropped before the table grows;
  // the next look comes when it has doubled, so the cost stays in proportion.
  if (FFormats.size() >= FCompactAt) {
    std::vector<TCharFormat> used;
    std::vector<int> map(FFormats.size(), -1);
    for (int& index : FFormatOf) {
      if (map[index] < 0) {
        map[index] = static_cast<int>(used.size());
        used.push_back(FFormats[index]);
      }
      index = map[index];
    }
    FFormats = std::move(used);
    FIndexOf.clear();
    for (std::size_t i = 0; i < FFormats.size(); ++i) FIndexOf.emplace(KeyOf(FFormats[i]), static_cast<int>(i));
    FCompactAt = std::max<std::size_t>(64, 2 * FFormats.size());
  }
  FIndexOf.emplace(key, static_cast<int>(FFormats.size()));
  FFormats.push_back(Format);
  return static_cast<int>(FFormats.size()) - 1;
}

void TRichText::ClampRange(int& Start, int& Count) const {
  Start = std::clamp(Start, 0, Length());
  Count = std::clamp(Count, 0, Length() - Start);
}

}  // namespace plat
