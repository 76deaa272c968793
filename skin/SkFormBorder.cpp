// The frame's painting: the client background and the form's non-client
// edge, which continues the title pictures into the top edge.
#include <functional>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TCustomForm.h"
#include "platform/win/WindowDC.h"
#include "skin/SkForm.h"
#include "skin/SkThemes.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinPictures.h"

namespace zorbit {

namespace {

// The form's non-client edge at the sides and the top.
constexpr int Edge = 3;

// Draws Paint's picture, made on a bitmap of Rect's size, at Rect.
void DrawStrip(plat::TCanvas& Canvas, const plat::TRect& Rect, const std::function<void(plat::TCanvas&)>& Paint) {
  if (Rect.Width() <= 0 || Rect.Height() <= 0) return;
  plat::TBitmap strip;
  strip.SetSize(Rect.Width(), Rect.Height());
  Paint(*strip.Canvas());
  Canvas.Draw(Rect.Left, Rect.Top, &strip);
}

// The title bar's three section pictures, when all are there.
struct TitlePictures {
  plat::TGraphic* Left = nullptr;
  plat::TGraphic* Right = nullptr;
  plat::TGraphic* Client = nullptr;
  explicit operator bool() const { return Left && Right && Client; }
};

TitlePictures TitlePicturesOf(const TskTitleBar& Bar) {
  const auto picture = [&Bar](int Index) -> plat::TGraphic* {
    if (Index >= Bar.Sections()->Count()) return nullptr;
    plat::TGraphic* graphic = Bar.Sections()->Items(Index)->Picture()->Graphic();
    return graphic && !graphic->Empty() ? graphic : nullptr;
  };
  return {picture(0), picture(1), picture(2)};
}

// The top edge's middle strip: L at LeftX, R at RightX, C stretched between.
void DrawTitleTop(plat::TCanvas& Canvas, const TitlePictures& Pictures, int LeftX, int RightX, int ClientFrom) {
  Canvas.Draw(LeftX, 0, Pictures.Left);
  Canvas.Draw(RightX, 0, Pictures.Right);
  if (RightX > ClientFrom) Canvas.StretchDraw({ClientFrom, 0, RightX, Pictures.Client->Height()}, Pictures.Client);
}

}  // namespace

void TskForm::Paint() {
  PaintClientBackground();
  PaintBorder();
}

void TskForm::PaintClientBackground() {
  const plat::TRect client{0, 0, Width(), Height()};
  const char* pattern = FUIStyle == TskUIStyle::MacOS     ? "MACOS_FORM_BACKGROUND"
                        : FUIStyle == TskUIStyle::Protein ? "PROTEIN_FORM_BACKGROUND"
                                                          : nullptr;
  plat::TBitmap tile;
  if (!pattern || !LoadSkinPicture(pattern, tile)) {
    FillRectColor(*Canvas(), client, Color());
    return;
  }
  plat::TBitmap buffer;
  buffer.SetSize(client.Width(), client.Height());
  TileDraw(*buffer.Canvas(), tile, client);
  Canvas()->Draw(0, 0, &buffer);
}

void TskForm::PaintBorder() {
  if (FDestroying || !FForm || !FForm->HandleAllocated() || FForm->WindowState() == plat::TWindowState::wsMinimized)
    return;
  const plat::HWND window = FForm->Handle();
  const plat::HDC dc = plat::GetWindowDC(window);
  if (!dc) return;
  const plat::ScopeExit release([window, dc] { plat::ReleaseDC(window, dc); });
  plat::TCanvas canvas;
  canvas.SetHandle(dc);
  const plat::ScopeExit detach([&canvas] { canvas.SetHandle(nullptr); });

  const int w = FForm->Width();
  const int h = FForm->Height();
  const bool titleVisible = FTitleBar && FTitleBarVisible;
  const int titleBottom = titleVisible ? Edge + FTitleBar->Height() : Edge;
  const bool menuVisible = FMenuBar && FMenuBar->Visible();
  const plat::TRect menuBand{0, titleBottom, w, titleBottom + (menuVisible ? FMenuBar->Height() : 0)};
  const TitlePictures pictures = titleVisible ? TitlePicturesOf(*FTitleBar) : TitlePictures{};
  // A strip beside the menu bar takes its colour; the rest of it Color.
  const auto fillEdge = [&](const plat::TRect& Rect, plat::TColor EdgeColor) {
    FillRectColor(canvas, Rect, EdgeColor);
    if (menuVisible) FillRectColor(canvas, Rect.Intersected(menuBand), FMenuBarColor);
  };

  if (!FSideBorder) {
    const int bw = FBorderWidth;
    if (bw > 0) {
      FillRectColor(canvas, {0, 0, bw, h}, FBorderColor);
      FillRectColor(canvas, {w - bw, 0, w, h}, FBorderColor);
      FillRectColor(canvas, {0, h - bw, w, h}, FBorderColor);
    }
    if (bw >= 4) return;
    const int inner = std::max(bw, 0);
    const int clientBottom = FForm->ClientRect().Height() + Edge;
    fillEdge({inner, titleBottom, Edge, h - inner}, Color());
    fillEdge({w - Edge, titleBottom, w - inner, h - inner}, Color());
    FillRectColor(canvas, {inner, clientBottom, w - inner, h - inner}, Color());
    if (!titleVisible) {
      FillRectColor(canvas, {0, 0, w, 1}, FBorderColor);
      FillRectColor(canvas, {inner, 1, w - inner, Edge}, Color());
      return;
    }
    if (!pictures) return;
    const int strip = Edge - inner;
    const int leftHeight = pictures.Left->Height();
    const int rightWidth = pictures.Right->Width();
    DrawStrip(canvas, {inner, 0, inner + strip, leftHeight},
              [&](plat::TCanvas& Strip) { Strip.Draw(0, 0, pictures.Left); });
    DrawStrip(canvas, {w - Edge, 0, w - Edge + strip, leftHeight}, [&](plat::TCanvas& Strip) {
      if (rightWidth <= 2)
        Strip.StretchDraw({0, 0, strip, leftHeight}, pictures.Right);
      else
        Strip.Draw(2 - rightWidth, 0, pictures.Right);
    });
    const int topWidth = w - 5;
    DrawStrip(canvas, {2, 0, 2 + topWidth, Edge}, [&](plat::TCanvas& Strip) {
      DrawTitleTop(Strip, pictures, -2, topWidth - rightWidth + 3, pictures.Left->Width() - 2);
    });
    if (bw == 1 && RoundCorner() == 11) {
      canvas.Pen()->SetColor(FBorderColor);
      canvas.Arc(0, 0, 22, 22, 11, 0, 0, 11);
      canvas.Arc(w - 22, 0, w, 22, w, 11, w - 11, 0);
    }
    return;
  }

  // With the skin file's side pictures.
  const int side = FSideBorder->Width();
  const int bottom = h - FBottomBorderHeight;
  if (FBottomBorder) DrawThreePart(*FBottomBorder, canvas, {0, bottom, w, h}, true, false);
  canvas.StretchDraw({0, titleBottom, side, bottom}, FLeftBorder.get());
  canvas.StretchDraw({w - side, titleBottom, w, bottom}, FSideBorder.get());
  fillEdge({side, titleBottom, side + 1, bottom}, Color());
  fillEdge({w - side - 1, titleBottom, w - side, bottom}, Color());
  FillRectColor(canvas, {side, bottom - 1, w - side, bottom}, Color());
  if (!titleVisible) {
    FillRectColor(canvas, {side, 0, w - side, Edge}, FMenuBar ? FMenuBarColor : FForm->Color());
    return;
  }
  if (!pictures) return;
  const int leftHeight = pictures.Left->Height();
  const int rightWidth = pictures.Right->Width();
  DrawStrip(canvas, {0, 0, side + 2, leftHeight}, [&](plat::TCanvas& Strip) { Strip.Draw(0, 0, pictures.Left); });
  DrawStrip(canvas, {w - side - 2, 0, w, leftHeight}, [&](plat::TCanvas& Strip) {
    if (rightWidth <= side + 2)
      Strip.StretchDraw({0, 0, side + 2, leftHeight}, pictures.Right);
    else
      Strip.Draw(side + 2 - rightWidth, 0, pictures.Right);
  });
  DrawStrip(canvas, {side, 0, w - side, Edge}, [&](plat::TCanvas& Strip) {
    DrawTitleTop(Strip, pictures, 1 - side, w - side - rightWidth, pictures.Left->Width() - side);
  });
}

}  // namespace zorbit
