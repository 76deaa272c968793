#include "grid/detail/HtmlEngine.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "grid/ExtUtilDrawing.h"
#include "grid/HtmlColors.h"
#include "grid/THTMLPictureCache.h"
#include "grid/TPictureContainer.h"
#include "grid/detail/HtmlMarkup.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/ShellFileInfo.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/ThemeServices.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/TImageList.h"

namespace zorbit::detail {

using plat::String;
using plat::TColor;
using plat::TRect;

namespace {

constexpr plat::UINT RunFlags =
    plat::DT_BOTTOM | plat::DT_SINGLELINE | plat::DT_EXPANDTABS | plat::DT_EXTERNALLEADING | plat::DT_NOPREFIX;
constexpr int ListIndent = 12;    // per UL level, and the bullet's distance
constexpr int CheckBoxSize = 16;  // CHECK and RADIO
constexpr int ComboHeight = 25;
constexpr int ButtonLineHeight = 18;  // what a BUTTON takes of the line
constexpr int ButtonHeight = 20;      // and how high it is drawn
constexpr int ControlPadding = 6;     // an edit box is "gh" + 6 high
constexpr int ComboArrowWidth = 16;
constexpr int FontSizes[] = {8, 10, 12, 14, 16};  // FONT SIZE "1".."5"
constexpr TColor ErrorColor = 0x0000FF;

String Upper(std::string_view s) {
  String out(s);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

// "&nbsp;", "&lt;" and "&gt;" inside a run, in one pass.
String DecodeRun(const String& Run) {
  if (Run.find('&') == String::npos) return Run;
  String out;
  for (std::size_t pos = 0; pos < Run.size();) {
    if (StartsWithNoCase(Run, pos, "&nbsp;")) {
      out += ' ';
      pos += 6;
    } else if (StartsWithNoCase(Run, pos, "&lt;")) {
      out += '<';
      pos += 4;
    } else if (StartsWithNoCase(Run, pos, "&gt;")) {
      out += '>';
      pos += 4;
    } else {
      out += Run[pos++];
    }
  }
  return out;
}

// Step 2 to 4 of the preparation: entities outside tags decoded once, "<#"
// made plain text, LF dropped and CR made a BR tag.
String Prepare(const String& Html) {
  String text;
  text.reserve(Html.size());
  for (std::size_t pos = 0; pos < Html.size();) {
    if (Html[pos] == '<') {
      const std::size_t close = Html.find('>', pos);
      const std::size_t end = close == String::npos ? Html.size() : close + 1;
      text.append(Html, pos, end - pos);
      pos = end;
    } else {
      std::size_t next = Html.find('<', pos);
      if (next == String::npos) next = Html.size();
      text += DecodeHtmlEntities(Html.substr(pos, next - pos));
      pos = next;
    }
  }
  for (std::size_t at = text.find("<#"); at != String::npos; at = text.find("<#", at)) {
    text.erase(at, 1);
    const std::size_t close = text.find('>', at);
    if (close != String::npos) text.erase(close, 1);
  }
  String out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\n') continue;
    if (c == '\r') {
      out += "<BR>";
    } else {
      out += c;
    }
  }
  return out;
}

void SetFaceName(plat::LOGFONTW& Font, const String& Name) {
  const plat::WideString wide = plat::Utf8ToWide(Name);
  std::fill(std::begin(Font.lfFaceName), std::end(Font.lfFaceName), u'\0');
  std::copy_n(wide.begin(), std::min<std::size_t>(wide.size(), plat::LF_FACESIZE - 1), Font.lfFaceName);
}

}  // namespace

HtmlEngine::HtmlEngine(plat::TCanvas& Canvas, const TRect& Rect, const THtmlRenderOptions& Options,
                       THtmlRenderResult& Result)
    : FCanvas(Canvas),
      FRect(Rect),
      FOptions(Options),
      FResult(Result),
      FDC(Canvas.Handle()),
      FSaved(FDC),
      FBackground(Canvas.Brush()->Color()) {
  plat::GetObject(Canvas.Font()->Handle(), sizeof(FState.Font), &FState.Font);
  FState.FontColor = Canvas.Font()->Color();
  FState.AnchorFontColor = FState.HiFontColor = FState.BlinkFontColor = FState.FontColor;
  FScreenPPI = plat::GetDeviceCaps(FDC, plat::LOGPIXELSY);
}

HtmlEngine::~HtmlEngine() = default;

bool HtmlEngine::Run(const String& Html) {
  FResult = THtmlRenderResult{};
  FText = Prepare(Html);
  int y = FRect.Top;
  bool any = false;
  for (std::size_t pos = 0; pos < FText.size();) {
    const int gh = TextHeight(FState.Font);
    if (any && !FOptions.CheckOnly && y + gh > FRect.Bottom) break;
    const State start = FState;
    Line line;
    line.TextHeight = line.Above = gh;
    const int left = FRect.Left + start.Indent;
    Walk measure{Pass::Measure};
    measure.X = measure.Left = measure.AnchorLeft = left;
    FRunSizes.clear();
    FRunNext = 0;
    RenderHtmlLine(measure, line, pos);
    if (line.End <= pos) break;  // nothing could be taken: never loop
    line.Width = measure.X - left - measure.TrailingBlank;
    FResult.XSize = std::max(FResult.XSize, line.Width);
    const Align align = FState.Alignment;
    const int indent = FState.Indent;
    FState = start;

    int x = FRect.Left + indent;
    const int free = FRect.Width() - indent - line.Width;
    if (align == Align::Right && FRect.Right - line.Width > FRect.Left) x = FRect.Right - line.Width;
    if (align == Align::Center && free > 0) x = FRect.Left + indent + free / 2;
    FRunNext = 0;
    Walk place{Pass::Place};
    place.X = place.Left = place.AnchorLeft = x;
    place.Top = y;
    place.Baseline = y + line.Sup + line.Above;
    if (FState.ParaFill && Drawing(place)) Fill({FRect.Left, y, FRect.Right, y + line.Height()}, FState.ParaBrush);
    RenderHtmlLine(place, line, pos);
    if (place.Rule && Drawing(place)) DrawLine(FRect.Left, y + line.Height(), FRect.Right, y + line.Height(), 0);
    y += line.Height();
    FResult.YSize += line.Height();
    pos = line.End;
    any = true;
  }
  if (!any) FResult.YSize = TextHeight(FState.Font);
  FResult.HyperLinks = FState.Anchors;
  return FHit;
}

void HtmlEngine::RenderHtmlLine(Walk& W, Line& L, std::size_t Start) {
  const bool measuring = W.Mode == Pass::Measure;
  const std::size_t limit = measuring ? FText.size() : L.End;
  std::size_t pos = Start;
  while (pos < limit) {
    if (FText[pos] == '<') {
      const std::size_t close = FText.find('>', pos);
      if (close == String::npos) {  // an unclosed tag ends the text
        pos = FText.size();
        break;
      }
      const Flow flow = HandleTag(W, L, std::string_view(FText).substr(pos, close - pos + 1));
      if (flow == Flow::EndBefore) break;
      pos = close + 1;
      if (flow == Flow::EndAfter) break;
      continue;
    }
    std::size_t end = std::min(FText.find('<', pos), FText.size());
    if (FOptions.WordWrap) {
      const std::size_t blank = FText.find(' ', pos);
      if (blank < end) end = blank + 1;
    }
    end = std::min(end, limit);
    if (!HandleRun(W, L, FText.substr(pos, end - pos), FOptions.WordWrap)) break;
    pos = end;
  }
  if (measuring) L.End = pos;
}

bool HtmlEngine::ItemFits(const Walk& W, int Width) const {
  if (!W.Placed || !FOptions.WordWrap) return true;
  if (Width > FRect.Right - W.Left) return true;  // wider than any line: placed anyway
  return W.X + Width <= FRect.Right;
}

void HtmlEngine::Raise(Line& L, int Above, int Below) {
  L.Above = std::max(L.Above, Above);
  L.Below = std::max(L.Below, Below);
}

bool HtmlEngine::HandleRun(Walk& W, Line& L, String Run, bool Wrapped) {
  Run = DecodeRun(Run);
  if (FState.Hidden || Run.empty()) return true;
  const bool blank = Run.back() == ' ';
  if (W.Mode == Pass::Measure) {
    CachedFont& font = FontOf(FState.Font);
    if (blank && font.BlankWidth < 0) font.BlankWidth = Measure(" ").cx;
    FRunSizes.emplace_back(Measure(Run), blank ? font.BlankWidth : 0);
  }
  if (FRunNext >= FRunSizes.size()) return true;  // the place pass takes only what was measured
  const auto [size, trailing] = FRunSizes[FRunNext++];
  if (W.Mode == Pass::Measure) {
    const bool fits = W.X + size.cx - trailing <= FRect.Right;
    const bool glued = W.Placed && !W.EndsWithBlank;
    if (Wrapped && W.Placed && !fits && !glued && size.cx - trailing <= FRect.Right - W.Left) return false;
    Raise(L, size.cy, 0);
    if (FState.Sub) L.Sub = std::max(L.Sub, size.cy / 4);
    if (FState.Sup) L.Sup = std::max(L.Sup, size.cy / 4);
  } else {
    int bottom = W.Baseline;
    if (FState.Sub) bottom += size.cy / 4;
    if (FState.Sup) bottom -= size.cy / 4;
    TRect box{W.X, bottom - size.cy, W.X + size.cx, bottom};
    if (Drawing(W)) {
      if (!FOptions.WordWrap) box.Right = std::min(box.Right, FRect.Right);
      const plat::UINT extra = FOptions.WordWrap ? 0 : plat::DT_END_ELLIPSIS;
      if (FState.Brush != plat::clNone) Fill(box, FState.Brush);
      if (FState.Shadow)
        DrawRun(Run, box.Translated(FOptions.ShadowOffset, FOptions.ShadowOffset), FOptions.ShadowColor, extra);
      DrawRun(Run, box, FState.FontColor, extra);
      if (FState.Error) {
        for (int x = box.Left & ~1, up = 1; x < box.Right; x += 2, up = !up)
          DrawLine(x, box.Bottom + (up ? -1 : 1), x + 2, box.Bottom + (up ? 1 : -1), ErrorColor);
      }
    }
    const TRect band{W.X, W.Baseline - L.TextHeight, W.X + size.cx, W.Baseline};
    if (FState.InAnchor && PointIn(band)) {
      FHit = true;
      FResult.Anchor = FState.AnchorHref;
      FResult.AnchorTitle = FState.AnchorTitle;
      FResult.MouseLink = FState.AnchorNumber;
    }
    FResult.StripText += Run;
  }
  W.X += size.cx;
  W.Placed = true;
  W.EndsWithBlank = blank;
  W.TrailingBlank = trailing;
  return true;
}

HtmlEngine::Flow HtmlEngine::HandleTag(Walk& W, Line& L, std::string_view Tag) {
  const bool closing = Tag.size() > 1 && Tag[1] == '/';
  std::size_t at = closing ? 2 : 1, end = at;
  while (end < Tag.size() && std::isalpha(static_cast<unsigned char>(Tag[end]))) ++end;
  const String name = Upper(Tag.substr(at, end - at));
  return closing ? ClosingTag(W, L, name) : OpeningTag(W, L, Tag, name);
}

HtmlEngine::Flow HtmlEngine::OpeningTag(Walk& W, Line& L, std::string_view Tag, const String& Name) {
  State& s = FState;
  String value;
  TColor color;
  int number = 0;
  const bool colours = !FOptions.KeepFontColors;
  if (Name == "A") {
    Anchor(W, Tag);
  } else if (Name == "B") {
    s.Font.lfWeight = plat::FW_BOLD;
  } else if (Name == "BR") {
    if (W.Mode == Pass::Place) FResult.StripText += '\r';
    return Flow::EndAfter;
  } else if (Name.starts_with("BL")) {
    s.BlinkFontColor = s.FontColor;
    if (!FOptions.Blink) s.FontColor = FBackground;
  } else if (Name == "BODY") {
    if (Drawing(W)) Body(Tag);
  } else if (Name == "CONTROL") {
    return Control(W, L, Tag);
  } else if (Name == "E") {
    s.Error = true;
  } else if (Name == "FONT") {
    s.FontStack.push_back({s.Font, s.FontColor, s.Brush});
    const String upper = Upper(Tag);
    if (TagAttribute(upper, "FACE", value) && !value.empty()) SetFaceName(s.Font, value);
    if (colours && TagAttribute(upper, "COLOR", value) && ParseHtmlColor(value, color)) s.FontColor = color;
    if (colours && TagAttribute(upper, "BGCOLOR", value) && ParseHtmlColor(value, color)) s.Brush = color;
    if (TagAttribute(upper, "SIZE", value) && ParseTagNumber(value, number) && number > 0)
      SetFontHeightInPoints(number <= 5 ? FontSizes[number - 1] : number);
  } else if (Name == "HI") {
    s.HiFontColor = s.FontColor;
    s.HiBrush = s.Brush;
    s.Brush = plat::clHighlight;
    s.FontColor = plat::clHighlightText;
  } else if (Name == "HR") {
    W.Rule = true;
    return Flow::EndAfter;
  } else if (Name == "I") {
    s.Font.lfItalic = 1;
  } else if (Name == "IND") {
    if (TagAttribute(Tag, "x", value) && ParseTagNumber(value, number)) W.X = std::max(W.X, FRect.Left + number);
  } else if (Name == "IMG") {
    return Image(W, L, Tag);
  } else if (Name == "LI") {
    if (W.Bullet) return Flow::EndBefore;
    W.X += ListIndent * s.ListLevel;
    W.Bullet = W.Placed = true;
    W.EndsWithBlank = false;
    // The bullet in the text's own font: the Symbol face here is
    // symbol-encoded and has no bullet at the code point of the text.
    if (Drawing(W))
      DrawRun(s.ListLevel % 2 ? "\xE2\x80\xA2" : "o", {W.X - ListIndent, W.Baseline - L.Above, W.X, W.Baseline},
              s.FontColor, 0);
  } else if (Name == "P") {
    const String upper = Upper(Tag);
    if (TagAttribute(upper, "ALIGN", value)) {
      if (value == "LEFT") s.Alignment = Align::Left;
      if (value == "RIGHT") s.Alignment = Align::Right;
      if (value == "CENTER") s.Alignment = Align::Center;
    }
    if (TagAttribute(upper, "INDENT", value) && ParseTagNumber(value, number)) s.Indent = number;
    if (colours && TagAttribute(upper, "BGCOLOR", value) && ParseHtmlColor(value, color)) {
      s.BrushBeforePara = s.Brush;
      s.ParaFill = true;
      s.ParaBrush = s.Brush = color;
      if (Drawing(W)) Fill({FRect.Left, W.Top, FRect.Right, W.Top + L.Height()}, color);
    }
  } else if (Name == "R") {
    if (TagAttribute(Tag, "a", value) && ParseTagNumber(value, number)) {
      s.RotateStack.push_back(s.Font);
      s.Font.lfEscapement = s.Font.lfOrientation = ((number % 360) + 360) % 360 * 10;
    }
  } else if (Name == "S") {
    s.Font.lfStrikeOut = 1;
  } else if (Name == "SHAD") {
    s.Shadow = true;
  } else if (Name == "SUB") {
    s.Sub = true;
  } else if (Name == "SUP") {
    s.Sup = true;
  } else if (Name == "U") {
    s.Font.lfUnderline = 1;
  } else if (Name == "UL") {
    ++s.ListLevel;
    return Flow::EndAfter;
  } else if (Name == "Z") {
    s.Hidden = true;
  }
  return Flow::Continue;
}

HtmlEngine::Flow HtmlEngine::ClosingTag(Walk& W, Line& L, const String& Name) {
  State& s = FState;
  if (Name == "A") {
    EndAnchor(W, L);
  } else if (Name == "B") {
    s.Font.lfWeight = plat::FW_NORMAL;
  } else if (Name.starts_with("B")) {
    s.FontColor = s.BlinkFontColor;
  } else if (Name == "E") {
    s.Error = false;
  } else if (Name == "FONT") {
    if (!s.FontStack.empty()) {
      s.Font = s.FontStack.back().Font;
      s.FontColor = s.FontStack.back().FontColor;
      s.Brush = s.FontStack.back().Brush;
      s.FontStack.pop_back();
    }
  } else if (Name == "HI") {
    s.FontColor = s.HiFontColor;
    s.Brush = s.HiBrush;
  } else if (Name == "I") {
    s.Font.lfItalic = 0;
  } else if (Name == "LI") {
    return Flow::EndAfter;
  } else if (Name == "P") {
    if (s.ParaFill) s.Brush = s.BrushBeforePara;
    s.ParaFill = false;
    return Flow::EndAfter;
  } else if (Name == "R") {
    if (!s.RotateStack.empty()) {
      s.Font = s.RotateStack.back();
      s.RotateStack.pop_back();
    }
  } else if (Name == "S") {
    s.Font.lfStrikeOut = 0;
  } else if (Name == "SHAD") {
    s.Shadow = false;
  } else if (Name == "SUB" || Name == "SUP") {
    s.Sub = s.Sup = false;
  } else if (Name == "U") {
    s.Font.lfUnderline = 0;
  } else if (Name == "UL") {
    if (s.ListLevel > 0) {
      --s.ListLevel;
    } else {
      s.Font.lfUnderline = 0;
    }
  } else if (Name == "Z") {
    s.Hidden = false;
  }
  return Flow::Continue;
}

void HtmlEngine::SetFontHeightInPoints(int Points) {
  FState.Font.lfHeight = -static_cast<int>(std::lround(Points * static_cast<double>(FScreenPPI) / 72.0));
}

void HtmlEngine::Anchor(Walk& W, std::string_view Tag) {
  State& s = FState;
  s.AnchorNumber = s.Anchors++;
  s.InAnchor = true;
  s.AnchorHref.clear();
  s.AnchorTitle.clear();
  if (FOptions.Dialect == THtmlDialect::hdLabel) {
    FirstQuotedValue(Tag, s.AnchorHref);
  } else {
    TagAttribute(Upper(Tag), "HREF", s.AnchorHref);
    TagAttribute(Tag, "TITLE", s.AnchorTitle);
  }
  s.AnchorFontColor = s.FontColor;
  s.AnchorBrush = s.Brush;
  s.AnchorUnderline = s.Font.lfUnderline;
  const bool hovered = s.AnchorNumber == FOptions.HoverLink;
  const bool styled = !FOptions.HoverUnderline || hovered;
  if (styled) s.Font.lfUnderline = 1;
  if (styled && !FOptions.KeepFontColors) s.FontColor = FOptions.URLColor;
  if (hovered && FOptions.HoverColor != plat::clNone) s.Brush = FOptions.HoverColor;
  if (hovered && FOptions.HoverFontColor != plat::clNone) s.FontColor = FOptions.HoverFontColor;
  W.AnchorLeft = W.X;
}

void HtmlEngine::EndAnchor(Walk& W, const Line& L) {
  State& s = FState;
  if (!s.InAnchor) return;
  if (W.Mode == Pass::Place && s.AnchorNumber == FOptions.FocusLink) {
    const TRect focus{W.AnchorLeft - 1, W.Baseline - L.TextHeight, W.X + 1, W.Baseline};
    if (Drawing(W)) plat::DrawFocusRect(FDC, &focus);
    FResult.FocusAnchor = s.AnchorHref;
    FResult.FocusRect = focus;
  }
  s.InAnchor = false;
  s.FontColor = s.AnchorFontColor;
  s.Brush = s.AnchorBrush;
  s.Font.lfUnderline = s.AnchorUnderline;
}

void HtmlEngine::Body(std::string_view Tag) {
  const bool label = FOptions.Dialect == THtmlDialect::hdLabel;
  if (FOptions.KeepFontColors && label) return;
  String value;
  TColor color, to;
  // The colour first: a background picture lies over it.
  if (!FOptions.KeepFontColors && TagAttribute(Tag, "BGCOLOR", value) && ParseHtmlColor(value, color)) {
    if (label && TagAttribute(Tag, "BGCOLORTO", value) && ParseHtmlColor(value, to)) {
      String dir;
      const bool horizontal = !TagAttribute(Tag, "DIR", dir) || plat::UpperCase(dir) == "H";
      FillGradientRect(FCanvas, color, to, horizontal, FRect, 64);
    } else {
      Fill(label ? TRect{FRect.Left - 2, FRect.Top, FRect.Right, FRect.Bottom} : FRect, color);
    }
  }
  if (!TagAttribute(Tag, "BACKGROUND", value)) return;
  THTMLPicture* picture = Picture(value);
  if (!picture) return;
  const int w = picture->Width(), h = picture->Height();
  if (w <= 0 || h <= 0) return;  // the tiles would never advance
  const plat::DCStateSaver clip(FDC);
  plat::IntersectClipRect(FDC, FRect.Left, FRect.Top, FRect.Right, FRect.Bottom);
  for (int y = FRect.Top; y < FRect.Bottom; y += h)
    for (int x = FRect.Left; x < FRect.Right; x += w) picture->Render(FDC, plat::Bounds(x, y, w, h));
}

THTMLPicture* HtmlEngine::Picture(const String& Source) {
  THTMLPicture* picture = nullptr;
  if (Source.find("://") != String::npos) {
    if (!FOptions.Cache) return nullptr;
    picture = FOptions.Cache->FindPicture(Source);
    if (!picture) {
      picture = FOptions.Cache->AddPicture();
      picture->SetAsynch(false);
      picture->LoadPictureFromSource(Source);
    }
  } else if (Source.find(':') == String::npos && FOptions.Container) {
    picture = FOptions.Container->LookupPictureByName(Source);
  }
  return picture && !picture->Empty() ? picture : nullptr;
}

int HtmlEngine::ScaledToScreen(int Pixels) const { return Pixels * FScreenPPI / 96; }

HtmlEngine::Flow HtmlEngine::Image(Walk& W, Line& L, std::string_view Tag) {
  String src, alt, value, align;
  TagAttribute(Tag, "SRC", src);
  TagAttribute(Tag, "ALT", alt);
  enum class Kind { None, ListImage, SystemIcon, Picture } kind = Kind::None;
  int w = 0, h = 0, index = 0;
  plat::HIMAGELIST system = nullptr;
  THTMLPicture* picture = nullptr;
  const String upper = Upper(src);
  if (upper.starts_with("IDX:")) {
    if (FOptions.Images && ParseTagNumber(src.substr(4), index) && index >= 0 && index < FOptions.Images->Count()) {
      kind = Kind::ListImage;
      w = FOptions.Images->Width();
      h = FOptions.Images->Height();
      if (FOptions.ImageScale) {
        w = static_cast<int>(std::lround(w * FOptions.ScaleFactor));
        h = static_cast<int>(std::lround(h * FOptions.ScaleFactor));
      }
    }
  } else if (upper.starts_with("SSYS:") || upper.starts_with("LSYS:")) {
    const plat::UINT size = upper[0] == 'S' ? plat::SHGFI_SMALLICON : plat::SHGFI_LARGEICON;
    const String name = src.substr(5);
    system = plat::SystemImageListOf(size);
    bool found = ParseTagNumber(name, index);
    if (!found) {
      plat::SHFILEINFO info;
      const plat::UINT flags = plat::SHGFI_SYSICONINDEX | size;
      if (plat::FileExists(name) || plat::DirectoryExists(name)) {
        found = plat::SHGetFileInfo(name, 0, &info, flags) != 0;
      } else {
        found =
            plat::SHGetFileInfo(name, plat::FILE_ATTRIBUTE_NORMAL, &info, flags | plat::SHGFI_USEFILEATTRIBUTES) != 0;
      }
      index = info.iIcon;
    }
    if (found && index >= 0 && index < plat::ImageList_GetImageCount(system)) {
      kind = Kind::SystemIcon;
      plat::ImageList_GetIconSize(system, &w, &h);
    }
  } else if ((picture = Picture(src))) {
    kind = Kind::Picture;
    w = picture->FrameWidth();
    h = picture->FrameHeight();
  }
  if (kind == Kind::None) return Flow::Continue;  // a missing picture takes no room
  int width = 0, height = 0;
  if (TagAttribute(Tag, "WIDTH", value) && ParseTagNumber(value, width) && TagAttribute(Tag, "HEIGHT", value) &&
      ParseTagNumber(value, height) && width > 0 && height > 0) {
    w = width;
    h = height;
  }
  w = ScaledToScreen(w);
  h = ScaledToScreen(h);
  if (W.Mode == Pass::Measure && !ItemFits(W, w)) return Flow::EndBefore;
  // Bottom: the picture stands on the baseline; TOP and MIDDLE line its top
  // or middle up with the text's.
  int above = h;
  if (TagAttribute(Upper(Tag), "ALIGN", align)) {
    if (align == "TOP") above = std::min(h, L.TextHeight);
    if (align == "MIDDLE") above = std::min(h, L.TextHeight / 2 + h / 2);
  }
  Raise(L, above, h - above);
  if (W.Mode == Pass::Place) {
    const TRect box{W.X, W.Baseline - above, W.X + w, W.Baseline - above + h};
    const bool hovered = FState.InAnchor && PointIn(box);
    if (hovered) {
      FHit = true;
      FResult.Anchor = FState.AnchorHref;
      FResult.AnchorTitle = FState.AnchorTitle;
      FResult.MouseLink = FState.AnchorNumber;
    }
    if (Drawing(W)) {
      switch (kind) {
        case Kind::ListImage:
          if (FOptions.ImageScale) {
            plat::TBitmap bitmap;
            FOptions.Images->GetBitmap(index, &bitmap);
            FCanvas.StretchDraw(box, &bitmap);
          } else {
            FOptions.Images->Draw(&FCanvas, box.Left, box.Top, index);
          }
          break;
        case Kind::SystemIcon:
          plat::ImageList_Draw(system, index, FDC, box.Left, box.Top, plat::ILD_TRANSPARENT);
          break;
        case Kind::Picture: {
          THTMLPicture* hover = hovered && !alt.empty() ? Picture(alt) : nullptr;
          DrawPicture(hover ? hover : picture, box);
          break;
        }
        case Kind::None: break;
      }
    }
  }
  W.X += w;
  W.Placed = true;
  W.EndsWithBlank = false;
  W.TrailingBlank = 0;
  return Flow::Continue;
}

void HtmlEngine::DrawPicture(THTMLPicture* Picture, const TRect& Box) {
  const int aw = std::max(1, Picture->FrameWidth()), ah = std::max(1, Picture->FrameHeight());
  if (Picture->FrameCount() > 1) Fill(Box, FBackground);
  // The frame at its place in the animation, scaled as the whole box is.
  auto sx = [&](int v) { return Box.Left + static_cast<int>(static_cast<long long>(v) * Box.Width() / aw); };
  auto sy = [&](int v) { return Box.Top + static_cast<int>(static_cast<long long>(v) * Box.Height() / ah); };
  const int fx = Picture->FrameXPos(), fy = Picture->FrameYPos();
  Picture->Render(FDC, {sx(fx), sy(fy), sx(fx + Picture->Width()), sy(fy + Picture->Height())});
}

HtmlEngine::Flow HtmlEngine::Control(Walk& W, Line& L, std::string_view Tag) {
  if (FOptions.Dialect == THtmlDialect::hdLabel) return Flow::Continue;
  String id, type, value, text;
  TagAttribute(Tag, "ID", id);
  TagAttribute(Tag, "TYPE", type);
  type = Upper(type);
  TagAttribute(Tag, "VALUE", value);
  value = UnescapeHtmlValue(value);
  int width = 0;
  if (TagAttribute(Tag, "WIDTH", text)) ParseTagNumber(text, width);
  width = std::max(width, 0);
  const bool check = type == "CHECK" || type == "RADIO";
  int height = type == "COMBO" ? ComboHeight : L.TextHeight + ControlPadding;
  if (check) width = height = CheckBoxSize;
  const bool button = type == "BUTTON";
  if (W.Mode == Pass::Measure && !ItemFits(W, width)) return Flow::EndBefore;
  Raise(L, button ? ButtonLineHeight : height, 0);
  if (W.Mode == Pass::Place) {
    const int lineBottom = W.Top + L.Height();
    const TRect box = button ? TRect{W.X + 2, lineBottom - ButtonHeight, W.X + width - 2, lineBottom}
                             : TRect{W.X, W.Baseline - height, W.X + width, W.Baseline};
    const bool hot = PointIn(box);
    if (hot || (!FOptions.CheckControlID.empty() && FOptions.CheckControlID == id)) {
      FHit = true;
      FResult.Anchor = "ctrl";
      FResult.ControlRect = box;
      FResult.ControlValue = value;
      FResult.ControlID = id;
      FResult.ControlType = type;
    }
    if (Drawing(W)) {
      const bool checked = plat::UpperCase(value) == "TRUE";
      if (type == "EDIT" || type == "PASSWORD" || type == "MASK" || type == "COMBO") {
        const plat::HBRUSH frame = plat::CreateSolidBrush(0x808080);
        plat::FrameRect(FDC, &box, frame);
        plat::DeleteObject(frame);
        String shown = value;
        if (type == "PASSWORD") shown.assign(static_cast<std::size_t>(plat::Utf8Length(value)), '*');
        TRect inside = box.Inflated(-2, -1);
        if (type == "COMBO") {
          TRect arrow{box.Right - 1 - ComboArrowWidth, box.Top + 1, box.Right - 1, box.Bottom - 1};
          inside.Right = arrow.Left;
          if (!Themed(u"combobox", 1, PointIn(arrow) ? 2 : 1, arrow))
            plat::DrawFrameControl(FDC, &arrow, plat::DFC_SCROLL, plat::DFCS_SCROLLCOMBOBOX);
        }
        DrawRun(shown, inside, FState.FontColor, plat::DT_VCENTER);
      } else if (check) {
        TRect mark = box;
        const bool radio = type == "RADIO";
        if (!Themed(u"button", radio ? 2 : 3, checked ? 5 : 1, box))
          plat::DrawFrameControl(FDC, &mark, plat::DFC_BUTTON,
                                 (radio ? plat::DFCS_BUTTONRADIO : plat::DFCS_BUTTONCHECK) | plat::DFCS_FLAT |
                                     (checked ? plat::DFCS_CHECKED : 0));
      } else if (button) {
        TRect face = box;
        if (!Themed(u"button", 1, FOptions.MouseDown ? 3 : hot ? 2 : 1, box))
          plat::DrawFrameControl(FDC, &face, plat::DFC_BUTTON,
                                 plat::DFCS_BUTTONPUSH | (FOptions.MouseDown && hot ? plat::DFCS_PUSHED : 0));
        DrawRun(value, box.Inflated(-2, -2), FState.FontColor, plat::DT_CENTER | plat::DT_VCENTER);
      }
    }
  }
  W.X += width;
  W.Placed = true;
  W.EndsWithBlank = false;
  W.TrailingBlank = 0;
  return Flow::Continue;
}

bool HtmlEngine::Themed(const char16_t* ClassName, int Part, int StateId, const TRect& Box) {
  if (!plat::IsThemeActive()) return false;
  const plat::HTHEME theme = plat::OpenThemeData(nullptr, ClassName);
  if (!theme) return false;
  const plat::ScopeExit closed([theme] { plat::CloseThemeData(theme); });
  return plat::SUCCEEDED(plat::DrawThemeBackground(theme, FDC, Part, StateId, &Box, nullptr));
}

void HtmlEngine::FontDeleter::operator()(plat::HFONT Font) const { plat::DeleteObject(Font); }

HtmlEngine::CachedFont& HtmlEngine::FontOf(const plat::LOGFONTW& Font) {
  std::array<plat::Byte, sizeof(plat::LOGFONTW)> key;
  std::memcpy(key.data(), &Font, sizeof(Font));
  CachedFont& cached = FFonts[key];
  if (!cached.Handle) cached.Handle.reset(plat::CreateFontIndirectW(&Font));
  return cached;
}

plat::HFONT HtmlEngine::FontHandle(const plat::LOGFONTW& Font) { return FontOf(Font).Handle.get(); }

plat::TSize HtmlEngine::Measure(const String& Text) {
  plat::SelectObject(FDC, FontHandle(FState.Font));
  TRect r{};
  plat::DrawTextA(FDC, Text.data(), static_cast<int>(Text.size()), &r, RunFlags | plat::DT_CALCRECT);
  return {r.Width(), r.Height()};
}

int HtmlEngine::TextHeight(const plat::LOGFONTW& Font) {
  CachedFont& cached = FontOf(Font);
  if (cached.TextHeight < 0) {
    const plat::LOGFONTW kept = FState.Font;
    FState.Font = Font;
    cached.TextHeight = Measure("gh").cy;
    FState.Font = kept;
  }
  return cached.TextHeight;
}

void HtmlEngine::DrawRun(const String& Text, TRect Box, TColor Color, plat::UINT ExtraFlags) {
  if (Box.IsEmpty()) return;
  plat::SelectObject(FDC, FontHandle(FState.Font));
  plat::SetTextColor(FDC, plat::ColorToColorRef(Color));
  // Canvas calls in between (gradients, image lists) may have made it opaque.
  plat::SetBkMode(FDC, plat::TRANSPARENT);
  plat::UINT flags = RunFlags | ExtraFlags;
  if (ExtraFlags & (plat::DT_VCENTER | plat::DT_CENTER)) flags &= ~plat::DT_BOTTOM;
  plat::DrawTextA(FDC, Text.data(), static_cast<int>(Text.size()), &Box, flags);
}

void HtmlEngine::Fill(const TRect& Box, TColor Color) {
  if (Color == plat::clNone || Box.IsEmpty()) return;
  const plat::HBRUSH brush = plat::CreateSolidBrush(plat::ColorToColorRef(Color));
  plat::FillRect(FDC, &Box, brush);
  plat::DeleteObject(brush);
}

void HtmlEngine::DrawLine(int X1, int Y1, int X2, int Y2, TColor Color) {
  const plat::HPEN pen = plat::CreatePen(plat::PS_SOLID, 1, plat::ColorToColorRef(Color));
  {
    const plat::DCStateSaver selected(FDC);
    plat::SelectObject(FDC, pen);
    plat::MoveToEx(FDC, X1, Y1, nullptr);
    plat::LineTo(FDC, X2, Y2);
  }
  plat::DeleteObject(pen);
}

}  // namespace zorbit::detail
