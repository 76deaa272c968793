#include "grid/TMarkupLabel.h"

#include "grid/ExtUtilDrawing.h"
#include "grid/ExtUtilText.h"
#include "grid/HtmlRenderer.h"
#include "grid/HtmlText.h"
#include "grid/TPictureContainer.h"
#include "grid/detail/HtmlMarkup.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/os/Launcher.h"
#include "platform/rtl/Format.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TImageList.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowStyles.h"

namespace zorbit {

using plat::String;
using plat::TRect;

namespace {

// The version number as packed: major, minor, release, build, high byte first.
constexpr unsigned PackedVersion = 0x01070101;
// Auto sizing measures against this in place of an unbounded side.
constexpr int UnboundedSide = 32767;
// The margin auto sizing adds round the text.
constexpr int AutoSizeMargin = 6;
// The anchor hint stands this far right of and above the pointer.
constexpr plat::TPoint AnchorHintOffset{10, -10};
constexpr int AccentLineHeight = 2;

// Every Z block removed with its text; an unclosed one to the end.
String WithoutHiddenBlocks(const String& Html) {
  String out;
  std::size_t pos = 0;
  for (std::size_t open = detail::FindNoCase(Html, "<Z>"); open != String::npos;
       open = detail::FindNoCase(Html, "<Z>", pos)) {
    out.append(Html, pos, open - pos);
    const std::size_t close = detail::FindNoCase(Html, "</Z>", open);
    if (close == String::npos) return out;
    pos = close + 4;
  }
  out.append(Html, pos);
  return out;
}

}  // namespace

TMarkupLabel::TMarkupLabel(plat::TComponent* AOwner)
    : plat::TCustomLabel(AOwner),
      FHTMLText(std::make_unique<plat::TStringList>()),
      FCache(std::make_unique<THTMLPictureCache>()),
      FImageChangeLink(std::make_unique<plat::TChangeLink>()) {
  SetAutoSize(false);  // the inherited label would size itself to its empty caption
  FHTMLText->OnChange = [this](plat::TObject* Sender) { TextChanged(Sender); };
  FImageChangeLink->OnChange = [this](plat::TObject*) { Invalidate(); };
}

TMarkupLabel::~TMarkupLabel() = default;

void TMarkupLabel::SetHTMLText(const plat::TStrings* Value) {
  String text = Value ? Value->Text() : String();
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  FHTMLText->SetText(text);
}

void TMarkupLabel::TextChanged(plat::TObject*) {
  FCache->ClearPictures();
  Invalidate();
}

String TMarkupLabel::Joined() const {
  String text;
  for (int i = 0; i < FHTMLText->Count(); ++i) text += FHTMLText->Strings(i);
  return text;
}

String TMarkupLabel::PlainText() const { return StripHtml(WithoutHiddenBlocks(Joined())); }

String TMarkupLabel::Version() const {
  return plat::Format("%d.%d.%d.%d", {int(PackedVersion >> 24), int((PackedVersion >> 16) & 0xFF),
                                      int((PackedVersion >> 8) & 0xFF), int(PackedVersion & 0xFF)});
}

bool TMarkupLabel::SizesWidth() const {
  const plat::TAlign a = Align();
  return FAutoSizing && (a == plat::TAlign::alNone || a == plat::TAlign::alLeft || a == plat::TAlign::alRight) &&
         FAutoSizeType != TAutoSizeType::asVertical;
}

bool TMarkupLabel::SizesHeight() const {
  const plat::TAlign a = Align();
  return FAutoSizing && (a == plat::TAlign::alNone || a == plat::TAlign::alTop || a == plat::TAlign::alBottom) &&
         FAutoSizeType != TAutoSizeType::asHorizontal;
}

void TMarkupLabel::SetAutoSizing(bool Value) {
  FAutoSizing = Value;
  if (Value) {
    const plat::TAlign a = Align();
    if (a == plat::TAlign::alLeft || a == plat::TAlign::alRight) SetWidth(AutoSizeMargin);
    if (a == plat::TAlign::alTop || a == plat::TAlign::alBottom) SetHeight(AutoSizeMargin);
  }
  Invalidate();
}

void TMarkupLabel::SetAutoSizeType(TAutoSizeType Value) {
  FAutoSizeType = Value;
  SetAutoSizing(FAutoSizing);
}

void TMarkupLabel::SetEllipsis(bool Value) {
  if (FEllipsis != Value) Set(FEllipsis, Value);
}

void TMarkupLabel::SetURLColor(plat::TColor Value) {
  if (FURLColor != Value) Set(FURLColor, Value);
}

void TMarkupLabel::SetVAlignment(TVAlignment Value) {
  if (FVAlignment != Value) Set(FVAlignment, Value);
}

void TMarkupLabel::SetImages(plat::TImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->UnRegisterChanges(FImageChangeLink.get());
  FImages = Value;
  if (FImages) FImages->RegisterChanges(FImageChangeLink.get());
  Invalidate();
}

void TMarkupLabel::SetPictureContainer(TPictureContainer* Value) {
  if (FPictureContainer == Value) return;
  FPictureContainer = Value;
  Invalidate();
}

void TMarkupLabel::Loaded() {
  plat::TCustomLabel::Loaded();
  if (!TextBuffer().empty()) SetText("");
}

TRect TMarkupLabel::TextRect(plat::TCanvas& Canvas, const String& Html) {
  TRect rect = ClientRect();
  if (FBevelInner != plat::TPanelBevel::bvNone || FBevelOuter != plat::TPanelBevel::bvNone)
    rect = rect.Inflated(-FBevelWidth, -FBevelWidth);
  if (FBorderStyle == plat::TBorderStyle::bsSingle) rect = rect.Inflated(-FBorderWidth, -FBorderWidth);
  if (SizesWidth()) rect.Right = rect.Left + UnboundedSide;
  if (SizesHeight()) rect.Bottom = rect.Top + UnboundedSide;
  if (FVAlignment != TVAlignment::tvaTop) {
    THtmlRenderOptions options = RenderOptions();
    options.CheckOnly = true;
    THtmlRenderResult measured;
    RenderHtml(Canvas, Html, rect, options, measured);
    const int spare = Height() - measured.YSize;
    if (spare > 0) rect.Top += FVAlignment == TVAlignment::tvaCenter ? spare / 2 : spare;
  }
  return rect;
}

THtmlRenderOptions TMarkupLabel::RenderOptions() const {
  THtmlRenderOptions options;
  options.WordWrap = !FEllipsis;
  options.Dialect = THtmlDialect::hdLabel;
  options.Container = FPictureContainer;
  options.Cache = FCache.get();
  options.Images = FImages;
  return options;
}

String TMarkupLabel::AnchorAt(int X, int Y, int& Number) {
  Number = -1;
  // Hit tests only measure: a bitmap's canvas has the same font metrics.
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  plat::TCanvas& canvas = *scratch.Canvas();
  canvas.SetFont(*Font());
  const String html = Joined();
  THtmlRenderOptions options = RenderOptions();
  options.CheckOnly = true;
  options.XPos = X;
  options.YPos = Y;
  options.HoverUnderline = FHover;
  THtmlRenderResult result;
  if (!RenderHtml(canvas, html, TextRect(canvas, html), options, result)) return {};
  Number = result.MouseLink;
  return result.Anchor;
}

void TMarkupLabel::Paint() {
  if (!TextBuffer().empty()) SetText("");
  plat::TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  const int steps = std::max(1, client.Width() / 4);
  const bool lineType = FGradientType == TGradientType::gtBottomLine || FGradientType == TGradientType::gtCenterLine ||
                        FGradientType == TGradientType::gtTopLine;
  if (!Transparent()) {
    if (FColorTo == plat::clNone || lineType) {
      canvas.Brush()->SetColor(Color());
      canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
      canvas.FillRect(client);
    } else {
      FillGradientRect(canvas, Color(), FColorTo, FGradientType == TGradientType::gtFullHorizontal, client, steps);
    }
  }
  if (lineType) {
    int top = client.Top;
    if (FGradientType == TGradientType::gtBottomLine) top = client.Bottom - AccentLineHeight;
    if (FGradientType == TGradientType::gtCenterLine) top = client.Top + client.Height() / 2 - AccentLineHeight / 2;
    FillGradientRect(canvas, Color(), FColorTo, true, {client.Left, top, client.Right, top + AccentLineHeight}, steps);
  }
  canvas.SetFont(*Font());
  TRect frame = client;
  auto bevel = [&](plat::TPanelBevel kind) {
    if (kind == plat::TPanelBevel::bvNone) return;
    const bool lowered = kind == plat::TPanelBevel::bvLowered;
    plat::Frame3D(canvas, frame, lowered ? plat::clBtnShadow : plat::clBtnHighlight,
                  lowered ? plat::clBtnHighlight : plat::clBtnShadow, FBevelWidth);
  };
  bevel(FBevelOuter);
  if (FBorderWidth > 0 && (FBevelOuter != plat::TPanelBevel::bvNone || FBevelInner != plat::TPanelBevel::bvNone))
    plat::Frame3D(canvas, frame, Color(), Color(), FBorderWidth);
  bevel(FBevelInner);
  if (FBorderStyle == plat::TBorderStyle::bsSingle && FBorderWidth > 0) {
    canvas.Pen()->SetColor(plat::clBlack);
    canvas.Pen()->SetWidth(FBorderWidth);
    canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
    canvas.Rectangle(client);
  }

  const String html = Joined();
  plat::TPoint mouse{-1, -1};
  if (plat::GetCursorPos(&mouse)) mouse = ScreenToClient(mouse);
  THtmlRenderOptions options = RenderOptions();
  options.XPos = mouse.X;
  options.YPos = mouse.Y;
  options.HoverLink = FHoverLink;
  options.ShadowOffset = FShadowOffset;
  options.ShadowColor = FShadowColor;
  options.HoverFontColor = FHoverFontColor;
  options.HoverColor = FHoverColor;
  options.URLColor = FURLColor;
  options.HoverUnderline = FHover;
  canvas.Brush()->SetColor(Color());
  THtmlRenderResult result;
  RenderHtml(canvas, html, TextRect(canvas, html), options, result);

  const int width = result.XSize + AutoSizeMargin, height = result.YSize + AutoSizeMargin;
  if (SizesHeight() && Height() != height) SetHeight(height);
  if (SizesWidth() && Width() != width) SetWidth(width);
}

void TMarkupLabel::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
  plat::TCustomLabel::MouseDown(Button, Shift, X, Y);
  int number;
  const String anchor = AnchorAt(X, Y, number);
  if (anchor.empty() && number < 0) return;
  if (IsLinkText(anchor)) {
    plat::ShellExecute("open", anchor, "", "", plat::SW_SHOWNORMAL);
  } else if (OnAnchorClick) {
    OnAnchorClick(this, anchor);
  }
}

void TMarkupLabel::MouseMove(plat::TShiftState Shift, int X, int Y) {
  plat::TCustomLabel::MouseMove(Shift, X, Y);
  int number;
  const String anchor = AnchorAt(X, Y, number);
  if (number >= 0) {
    const bool changed = anchor != FAnchor || number != FHoverLink;
    if (FHover && changed) Invalidate();
    if (Cursor() == plat::crDefault || changed) {
      if (FAnchorHint && plat::Application && plat::Application->HintShowing()) plat::Application->CancelHint();
      SetCursor(plat::crHandPoint);
      FAnchor = anchor;
      FHoverLink = number;
      if (OnAnchorEnter) OnAnchorEnter(this, anchor);
    }
  } else if (Cursor() == plat::crHandPoint) {
    SetCursor(plat::crDefault);
    const String left = FAnchor;
    FAnchor.clear();
    FHoverLink = -1;
    if (FHover) Invalidate();
    if (OnAnchorExit) OnAnchorExit(this, left);
  }
}

void TMarkupLabel::CMHintShow(plat::TMessage& Message) {
  auto* info = reinterpret_cast<plat::THintInfo*>(Message.LParam);
  int number;
  String anchor = FAnchorHint ? AnchorAt(info->CursorPos.X, info->CursorPos.Y, number) : String();
  if (FAnchorHint && number >= 0) {
    if (OnAnchorHint) OnAnchorHint(this, anchor);
    info->HintStr = anchor;
    info->HintPos = ClientToScreen(info->CursorPos + AnchorHintOffset);
    // Moving on re-asks, so that the next anchor gets its own hint.
    info->CursorRect = plat::Bounds(info->CursorPos.X, info->CursorPos.Y, 1, 1);
  } else if (FHintShowFull) {
    info->HintStr = FHTMLHint ? Joined() : PlainText();
  }
}

void TMarkupLabel::CMMouseLeave(plat::TMessage&) {
  if (FHover && FHoverLink >= 0) Invalidate();
  FHoverLink = -1;
}

void TMarkupLabel::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::CM_HINTSHOW:
      plat::TCustomLabel::WndProc(Message);
      CMHintShow(Message);
      return;
    case plat::CM_MOUSELEAVE: CMMouseLeave(Message); break;
    default: break;
  }
  plat::TCustomLabel::WndProc(Message);
}

}  // namespace zorbit
