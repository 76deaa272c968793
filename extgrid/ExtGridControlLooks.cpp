// Check boxes, radio groups and node glyphs in the grid's control looks:
// the classic and flat frame controls, the XP and silver pictures, the
// Corvane drawing, the user's glyphs and the visual style's parts.
#include <algorithm>
#include <array>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellPaint.h"
#include "extgrid/detail/ResourceGlyphs.h"
#include "grid/ExtUtilDrawing.h"
#include "grid/TCellProperties.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/ThemeServices.h"
#include "platform/rtl/StringList.h"

namespace zorbit {

using plat::TPoint;
using plat::TRect;

namespace {

// The visual style's check box and radio button parts and their states.
constexpr int RadioPart = 2;
constexpr int CheckPart = 3;
constexpr int StateOff = 1;
constexpr int StateOffDisabled = 4;
constexpr int StateOn = 5;
constexpr int StateOnDisabled = 8;
// The size of the pictures the bitmap looks draw radio buttons with.
constexpr int RadioGlyphSize = 13;
constexpr int CorvaneRadioSize = 16;
constexpr int NodeBoxSize = 8;

int ThemeState(bool On, bool Enabled) {
  return On ? (Enabled ? StateOn : StateOnDisabled) : (Enabled ? StateOff : StateOffDisabled);
}

// The picture of a silver or XP check box or radio button: silver numbers
// 1..4, XP 5..8, each look checked, unchecked, checked disabled, unchecked
// disabled.
plat::String LookGlyph(const char* Kind, bool XP, bool On, bool Enabled) {
  const int number = (XP ? 5 : 1) + (On ? 0 : 1) + (Enabled ? 0 : 2);
  return plat::String(Kind) + "0" + std::to_string(number);
}

// Draws a part of the visual style's "button" class; false without one.
bool DrawThemedButtonPart(plat::TCanvas& Canvas, plat::HWND Window, int Part, int State, const TRect& Rect) {
  if (!plat::IsThemeActive()) return false;
  const plat::HTHEME theme = plat::OpenThemeData(Window, u"button");
  if (!theme) return false;
  const plat::RECT box = Rect;
  Canvas.Changing();
  plat::DrawThemeBackground(theme, Canvas.Handle(), Part, State, &box, nullptr);
  Canvas.Changed();
  plat::CloseThemeData(theme);
  return true;
}

void DrawFrameControlOn(plat::TCanvas& Canvas, const TRect& Rect, plat::UINT State) {
  plat::RECT box = Rect;
  Canvas.Changing();
  plat::DrawFrameControl(Canvas.Handle(), &box, plat::DFC_BUTTON, State);
  Canvas.Changed();
}

void DrawLine(plat::TCanvas& Canvas, TPoint From, TPoint To, plat::TColor Colour) {
  Canvas.Pen()->SetColor(Colour);
  Canvas.MoveTo(From.X, From.Y);
  Canvas.LineTo(To.X, To.Y);
}

}  // namespace

void TExtStringGrid::DrawCheckBox(plat::TCanvas* ACanvas, const TRect& Rect, bool Checked, bool Enabled,
                                  TControlStyle Style) {
  plat::TCanvas& canvas = *ACanvas;
  const int size = FControlLook->CheckSize();
  const TRect square =
      plat::Bounds(Rect.Left + (Rect.Width() - size) / 2, Rect.Top + (Rect.Height() - size) / 2, size, size);
  switch (Style) {
    case TControlStyle::csClassic:
    case TControlStyle::csFlat: {
      plat::UINT state = plat::DFCS_BUTTONCHECK;
      if (Checked) state |= plat::DFCS_CHECKED;
      if (!Enabled) state |= plat::DFCS_INACTIVE;
      if (Style == TControlStyle::csFlat) state |= plat::DFCS_FLAT;
      DrawFrameControlOn(canvas, square, state);
      break;
    }
    case TControlStyle::csWinXP:
    case TControlStyle::csSilver:
      detail::DrawResourceGlyphCentred(canvas, Rect,
                                       LookGlyph("ESGCHK", Style == TControlStyle::csWinXP, Checked, Enabled));
      break;
    case TControlStyle::csCorvane: {
      canvas.Brush()->SetColor(Enabled ? plat::clBtnFace : plat::clBtnShadow);
      canvas.FillRect(square);
      const int l = square.Left, t = square.Top, r = square.Right - 1, b = square.Bottom - 1;
      DrawLine(canvas, {l, b}, {l, t}, plat::clBtnHighlight);
      canvas.LineTo(r, t);
      DrawLine(canvas, {r, t}, {r, b}, plat::clBtnShadow);
      canvas.LineTo(l - 1, b);
      if (Checked) {
        // A tick of two double strokes.
        const plat::TColor tick = Enabled ? FControlLook->Color() : plat::clGray;
        const int cx = l + size / 2 - 1, cy = t + size * 2 / 3;
        for (int thick = 0; thick < 2; ++thick) {
          DrawLine(canvas, {l + 3, cy - 3 + thick}, {cx, cy + thick}, tick);
          DrawLine(canvas, {cx, cy + thick}, {r - 2, t + 3 + thick}, tick);
        }
      }
      break;
    }
    case TControlStyle::csGlyph: {
      plat::TBitmap* glyph = Checked ? FControlLook->CheckedGlyph() : FControlLook->UnCheckedGlyph();
      if (glyph && !glyph->Empty())
        DrawBitmapTransparent(canvas, Rect.Left + (Rect.Width() - glyph->Width()) / 2,
                              Rect.Top + (Rect.Height() - glyph->Height()) / 2, glyph, plat::clNone);
      break;
    }
    case TControlStyle::csTheme:
      DrawThemedButtonPart(canvas, HandleAllocated() ? Handle() : nullptr, CheckPart, ThemeState(Checked, Enabled),
                           square);
      break;
  }
}

void TExtStringGrid::DrawCellCheckBox(CellPaint& P, const TRect& R, TPoint At) {
  bool checked = false;
  GetCheckBoxState(P.Col, P.Row, checked);
  const bool enabled = GraphicEnabled(P, FControlLook->NoDisabledCheckRadioLook() || FControlLook->CheckAlwaysActive());
  const int w = P.GraphicWidth, h = P.GraphicHeight;
  // Across by the text's alignment: a text beside it keeps its room.
  const int text = P.TextBeside ? P.TextWidth : 0;
  int x = At.X;
  if (P.HAlign == plat::TAlignment::taRightJustify) x = R.Right - 1 - w - text;
  if (P.HAlign == plat::TAlignment::taCenter) x = R.Left + (R.Width() - w - text) / 2;
  DrawCheckBox(P.Canvas, {x, At.Y, x + w, At.Y + h}, checked, enabled, FControlLook->ControlStyle());
}

void TExtStringGrid::DrawRadioGroup(plat::TCanvas* ACanvas, const TRect& Rect, int Count, int Index,
                                    const plat::TStrings* Captions, bool Disabled, bool SideBySide) {
  plat::TCanvas& canvas = *ACanvas;
  const TControlStyle style = FControlLook->ControlStyle();
  const int line = canvas.TextHeight("gh");
  const plat::TColor textColour = canvas.Font()->Color();
  int x = Rect.Left, y = Rect.Top;
  for (int i = 0; i < Count; ++i) {
    const plat::String caption = Captions && i < Captions->Count() ? Captions->Strings(i) : plat::String();
    const bool on = i == Index;
    const auto centredOnLine = [&](int Size) { return plat::Bounds(x, y + (line - Size) / 2, Size, Size); };
    int captionX = x + 18;
    switch (style) {
      case TControlStyle::csClassic:
      case TControlStyle::csFlat: {
        const bool flat = style == TControlStyle::csFlat;
        const int size = FControlLook->RadioSize() + (flat ? 2 : 0);
        plat::UINT state = plat::DFCS_BUTTONRADIO;
        if (flat) state |= plat::DFCS_FLAT;
        if (on) state |= plat::DFCS_CHECKED;
        if (Disabled) state |= plat::DFCS_INACTIVE;
        DrawFrameControlOn(canvas, centredOnLine(size), state);
        captionX = x + FControlLook->RadioSize() + 6;
        break;
      }
      case TControlStyle::csCorvane: {
        const TRect box = centredOnLine(CorvaneRadioSize);
        const int cx = box.Left + CorvaneRadioSize / 2, cy = box.Top + CorvaneRadioSize / 2;
        // Light above, dark below; swapped when selected, as pressed in.
        const plat::TColor upper = on ? plat::clGray : plat::clWhite;
        const plat::TColor lower = on ? plat::clWhite : plat::clGray;
        DrawLine(canvas, {box.Left, cy}, {cx, box.Top}, upper);
        canvas.LineTo(box.Right, cy);
        DrawLine(canvas, {box.Right, cy}, {cx, box.Bottom}, lower);
        canvas.LineTo(box.Left, cy);
        if (on) {
          const std::array<TPoint, 4> dot = {TPoint{cx, cy - 4}, {cx + 4, cy}, {cx, cy + 4}, {cx - 4, cy}};
          canvas.Brush()->SetColor(FControlLook->Color());
          canvas.Pen()->SetColor(FControlLook->Color());
          canvas.Polygon(dot);
        }
        captionX = x + 20;
        break;
      }
      case TControlStyle::csTheme:
        DrawThemedButtonPart(canvas, HandleAllocated() ? Handle() : nullptr, RadioPart, ThemeState(on, !Disabled),
                             centredOnLine(RadioGlyphSize));
        break;
      case TControlStyle::csWinXP:
      case TControlStyle::csSilver:
        detail::DrawResourceGlyphCentred(canvas, centredOnLine(RadioGlyphSize),
                                         LookGlyph("ESGRAD", style == TControlStyle::csWinXP, on, !Disabled));
        if (SideBySide) captionX = x + RadioGlyphSize + 2;
        break;
      case TControlStyle::csGlyph: {
        plat::TBitmap* glyph = on ? FControlLook->RadioOnGlyph() : FControlLook->RadioOffGlyph();
        if (glyph && !glyph->Empty()) {
          DrawBitmapTransparent(canvas, x, y + (line - glyph->Height()) / 2, glyph, plat::clNone);
          if (SideBySide) captionX = x + glyph->Width() + 2;
        }
        break;
      }
    }
    canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
    canvas.Font()->SetColor(Disabled ? plat::clGrayText : textColour);
    canvas.TextOut(captionX, y, caption);
    canvas.Brush()->SetStyle(plat::TBrushStyle::bsSolid);
    if (SideBySide)
      x = captionX + canvas.TextWidth(caption) + 6;
    else
      y += line;
  }
  canvas.Font()->SetColor(textColour);
}

void TExtStringGrid::DrawCellRadio(CellPaint& P, TPoint At, const TRect& R) {
  const TCellGraphic& graphic = *P.Graphic;
  const plat::TStringList* captions = graphic.Strings();
  if (!captions) return;
  const int index = graphic.CellIndex() >= 0 ? graphic.CellIndex() : captions->IndexOf(GetCellText(P.RealCol, P.Row));
  const bool enabled = GraphicEnabled(P, FControlLook->RadioAlwaysActive() || FControlLook->NoDisabledCheckRadioLook());
  DrawRadioGroup(P.Canvas, {At.X, At.Y, R.Right, R.Bottom}, captions->Count(), index, captions, !enabled,
                 graphic.CellBoolean());
}

void TExtStringGrid::DrawNodeGlyph(CellPaint& P, const TRect& R) {
  plat::TCanvas& canvas = *P.Canvas;
  const int indent = FCellNode->NodeIndent();
  const auto levelOf = [this](int ARow) {
    const auto* properties =
        ARow >= 0 && ARow < RowCount() ? dynamic_cast<TCellProperties*>(GetGridObject(0, ARow)) : nullptr;
    return properties ? properties->NodeLevel() : 0;
  };
  const int level = levelOf(P.Row);
  int x = R.Left + level * indent - indent;
  const bool lookMoves = FLook == TGridLook::glSoft || FLook == TGridLook::glSilver || FLook == TGridLook::glXP ||
                         FLook == TGridLook::glListView;
  if (P.Col < TBaseGrid::FixedCols() && lookMoves && !FFlat) x += 1;
  const bool contracted = P.Graphic->CellBoolean();
  const TNodeType type = FCellNode->NodeType();
  if (type == TNodeType::cn3D) {
    canvas.Brush()->SetColor(FCellNode->Color());
    canvas.FillRect(R);
    plat::RECT frame = R;
    canvas.Changing();
    plat::DrawEdge(canvas.Handle(), &frame, plat::BDR_RAISEDINNER, plat::BF_RECT);
    canvas.Changed();
  }
  const TRect box = plat::Bounds(x + 4, R.Top + (R.Height() - NodeBoxSize) / 2, NodeBoxSize, NodeBoxSize);
  if (FCellNode->ShowTree() && P.Row >= TBaseGrid::FixedRows()) {
    const int cx = x + 8;
    if (P.Row + 1 < RowCount() && levelOf(P.Row + 1) > level)
      DrawLine(canvas, {cx, box.Bottom}, {cx, R.Bottom}, FCellNode->TreeColor());
    if (P.Row > TBaseGrid::FixedRows() && levelOf(P.Row - 1) >= level)
      DrawLine(canvas, {cx, R.Top}, {cx, box.Top}, FCellNode->TreeColor());
  }
  plat::TBitmap* expand = FCellNode->ExpandGlyph();
  plat::TBitmap* contract = FCellNode->ContractGlyph();
  switch (type) {
    case TNodeType::cnLeaf:
      detail::DrawResourceGlyph(canvas, x, R.Top + 2, contracted ? "ESGLEAFCLOSE" : "ESGLEAFOPEN");
      return;
    case TNodeType::cnXP:
      detail::DrawResourceGlyph(canvas, x + 4, R.Top + 6, contracted ? "XPNODEC" : "XPNODEO");
      return;
    case TNodeType::cnGlyph:
      if (!expand->Empty() && !contract->Empty()) {
        plat::TBitmap* glyph = contracted ? contract : expand;
        DrawBitmapTransparent(canvas, x + 4, R.Top + (R.Height() - glyph->Height()) / 2, glyph, plat::clNone);
        return;
      }
      break;
    default: break;
  }
  if (type == TNodeType::cnFlat) {
    canvas.Brush()->SetColor(P.SavedBrush);
    canvas.Pen()->SetColor(FCellNode->NodeColor());
    canvas.Rectangle(box);
    const int cy = box.Top + NodeBoxSize / 2, cx = box.Left + NodeBoxSize / 2;
    DrawLine(canvas, {box.Left + 2, cy}, {box.Right - 2, cy}, FCellNode->NodeColor());
    if (contracted) DrawLine(canvas, {cx, box.Top + 2}, {cx, box.Bottom - 2}, FCellNode->NodeColor());
    return;
  }
  plat::RECT edge = box;
  canvas.Changing();
  plat::DrawEdge(canvas.Handle(), &edge, contracted ? plat::EDGE_RAISED : plat::EDGE_SUNKEN, plat::BF_RECT);
  canvas.Changed();
}

}  // namespace zorbit
