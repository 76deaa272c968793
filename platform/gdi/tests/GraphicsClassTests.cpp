// The class library's pen, brush, canvas and bitmap.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"

namespace plat {
namespace {

constexpr TColor Magenta = 0xFF00FF;

TEST(TPen, UnchangedValuesDoNothingAndChangesNotify) {
  TPen pen;
  int changes = 0;
  pen.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &pen);
    ++changes;
  };
  HPEN first = pen.Handle();
  pen.SetColor(clBlack);
  pen.SetWidth(1);
  pen.SetStyle(TPenStyle::psSolid);
  pen.SetMode(TPenMode::pmCopy);
  pen.SetWidth(-3);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(pen.Handle(), first);
  pen.SetColor(clRed);
  pen.SetStyle(TPenStyle::psDot);
  pen.SetMode(TPenMode::pmXor);
  EXPECT_EQ(changes, 3);
  LOGPEN lp{};
  GetObject(pen.Handle(), sizeof lp, &lp);
  EXPECT_EQ(lp.lopnColor, RGB(255, 0, 0));
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(PenModeToRop2(pen.Mode()), R2_XORPEN);
}

TEST(TBrush, ColourMakesAClearBrushSolid) {
  TBrush brush;
  int changes = 0;
  brush.OnChange = [&](TObject*) { ++changes; };
  brush.SetStyle(TBrushStyle::bsClear);
  brush.SetColor(clBtnFace);
  EXPECT_EQ(brush.Style(), TBrushStyle::bsSolid);
  EXPECT_EQ(changes, 2);
  LOGBRUSH lb{};
  GetObject(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(212, 208, 200));
  brush.SetStyle(TBrushStyle::bsDiagCross);
  GetObject(brush.Handle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbStyle, BS_HATCHED);
  EXPECT_EQ(lb.lbHatch, static_cast<std::uintptr_t>(HS_DIAGCROSS));
}

TEST(TBrush, AndTPenChangedBackTakeTheirEarlierHandlesAndEachHandleIsItsOwnData) {
  // More colours than are kept aside, each visited twice: every handle
  // describes the data it was asked for, and a colour met again within the
  // last few changes brings back the same handle.
  TBrush brush;
  TPen pen;
  std::map<TColor, HBRUSH> brushes;
  std::map<TColor, HPEN> pens;
  for (int round = 0; round < 2; ++round)
    for (int i = 0; i < 24; ++i) {
      const TColor color = RGB(i * 10, 255 - i, round * 100);
      brush.SetColor(color);
      pen.SetColor(color);
      pen.SetWidth(1 + i % 2);
      LOGBRUSH lb{};
      ASSERT_EQ(GetObject(brush.Handle(), sizeof lb, &lb), static_cast<int>(sizeof lb));
      EXPECT_EQ(lb.lbColor, static_cast<COLORREF>(color));
      EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
      LOGPEN lp{};
      ASSERT_EQ(GetObject(pen.Handle(), sizeof lp, &lp), static_cast<int>(sizeof lp));
      EXPECT_EQ(lp.lopnColor, static_cast<COLORREF>(color));
      EXPECT_EQ(lp.lopnWidth.X, 1 + i % 2);
      brushes.emplace(color, brush.Handle());
      pens.emplace(color, pen.Handle());
    }
  const TColor back = RGB(220, 233, 100);  // the second round's last but one
  brush.SetColor(back);
  pen.SetColor(back);
  pen.SetWidth(1);
  EXPECT_EQ(brush.Handle(), brushes.at(back));
  EXPECT_EQ(pen.Handle(), pens.at(back));
}

TEST(TCanvas, WithoutADcItRefusesToDraw) {
  TCanvas canvas;
  EXPECT_THROW(canvas.Rectangle(0, 0, 1, 1), EInvalidOperation);
  EXPECT_FALSE(canvas.HandleAllocated());
}

TEST(TCanvas, PenModeAndBrushFollowTheirObjects) {
  TBitmap bmp;
  bmp.SetSize(6, 4);
  TCanvas& c = *bmp.Canvas();
  c.Brush()->SetColor(clRed);
  c.FillRect(Rect(0, 0, 6, 4));
  EXPECT_EQ(c.Pixels(5, 3), clRed);
  c.Pen()->SetMode(TPenMode::pmXor);
  c.Pen()->SetColor(clWhite);
  c.MoveTo(0, 1);
  c.LineTo(6, 1);
  EXPECT_EQ(c.Pixels(2, 1), static_cast<TColor>(0xFFFF00));
  c.MoveTo(0, 1);
  c.LineTo(6, 1);
  EXPECT_EQ(c.Pixels(2, 1), clRed);
  EXPECT_EQ(c.PenPos(), TPoint(6, 1));
  c.SetPixels(0, 0, clBlue);
  EXPECT_EQ(c.Pixels(0, 0), clBlue);
  EXPECT_EQ(c.Pixels(6, 0), static_cast<TColor>(CLR_INVALID));
  // A clear brush leaves a rectangle's inside alone.
  c.Pen()->SetMode(TPenMode::pmCopy);
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  c.Rectangle(0, 0, 6, 4);
  EXPECT_EQ(c.Pixels(0, 0), clBlack);
  EXPECT_EQ(c.Pixels(2, 2), clRed);
  EXPECT_EQ(c.ClipRect(), Rect(0, 0, 6, 4));
}

TEST(TCanvas, CopyRectAndDrawFocusRect) {
  TBitmap a, b;
  a.SetSize(2, 2);
  b.SetSize(4, 4);
  a.Canvas()->Brush()->SetColor(clBlue);
  a.Canvas()->FillRect(Rect(0, 0, 2, 2));
  b.Canvas()->CopyRect(Rect(0, 0, 4, 4), a.Canvas(), Rect(0, 0, 2, 2));
  EXPECT_EQ(b.Canvas()->Pixels(3, 3), clBlue);
  b.Canvas()->DrawFocusRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), static_cast<TColor>(0x00FFFF));
  b.Canvas()->DrawFocusRect(Rect(0, 0, 4, 4));
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
}

TEST(TCanvas, TextGoesThroughTheFont) {
  TBitmap bmp;
  bmp.SetSize(60, 20);
  TCanvas& c = *bmp.Canvas();
  c.Font()->SetName("Arial");
  c.Font()->SetHeight(-11);
  c.Font()->SetColor(clBlack);
  const TSize extent = c.TextExtent("Hello");
  EXPECT_GT(extent.cx, 10);
  EXPECT_EQ(c.TextWidth("Hello"), extent.cx);
  EXPECT_EQ(c.TextHeight("Hello"), extent.cy);
  c.TextOut(2, 2, "Hello");
  EXPECT_EQ(c.PenPos(), TPoint(2 + extent.cx, 2));
  int dark = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) dark += (c.Pixels(x, y) & 0xFF) < 128;
  EXPECT_GT(dark, 10);
  // TextRect clips to its rectangle and fills it with the brush.
  c.Brush()->SetColor(clRed);
  c.TextRect(Rect(40, 0, 60, 20), 40, 2, "Hello");
  EXPECT_EQ(c.Pixels(59, 19), clRed);
  EXPECT_NE(c.Pixels(39, 19), clRed);
}

TEST(TBitmap, ResizingKeepsExistingRows) {
  TBitmap bmp;
  EXPECT_TRUE(bmp.Empty());
  bmp.SetSize(3, 2);
  bmp.Canvas()->Brush()->SetColor(clRed);
  bmp.Canvas()->FillRect(Rect(0, 0, 3, 2));
  bmp.SetWidth(5);
  bmp.SetHeight(3);
  EXPECT_EQ(bmp.Canvas()->Pixels(2, 1), clRed);
  EXPECT_EQ(bmp.Canvas()->Pixels(4, 1), clWhite);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 2), clWhite);
  // The canvas keeps drawing on the resized pixels.
  bmp.Canvas()->FillRect(Rect(0, 0, 5, 3));
  EXPECT_EQ(bmp.Canvas()->Pixels(4, 2), clRed);
  bmp.SetHeight(1);
  EXPECT_EQ(bmp.Height(), 1);
  bmp.SetWidth(-5);
  EXPECT_TRUE(bmp.Empty());
  EXPECT_THROW(bmp.SetSize(100000, 100000), EOutOfResources);
  EXPECT_TRUE(bmp.Empty());
}

TEST(TBitmap, ScanLinesInEachLayout) {
  TBitmap bmp;
  bmp.SetSize(3, 2);
  bmp.Canvas()->Brush()->SetColor(static_cast<TColor>(0x332211));  // R 11, G 22, B 33
  bmp.Canvas()->FillRect(Rect(0, 0, 3, 2));
  bmp.SetPixelFormat(TPixelFormat::pf24bit);
  auto* row = static_cast<Byte*>(bmp.ScanLine(1));
  EXPECT_EQ(row[0], 0x33);  // B, G, R
  EXPECT_EQ(row[2], 0x11);
  EXPECT_EQ(static_cast<Byte*>(bmp.ScanLine(1)) - static_cast<Byte*>(bmp.ScanLine(0)), 12);  // padded to 4 bytes
  // Moving each byte halfway to white, as a semi-transparent fill does, then drawing.
  for (int y = 0; y < 2; ++y) {
    auto* p = static_cast<Byte*>(bmp.ScanLine(y));
    for (int i = 0; i < 9; ++i) p[i] = static_cast<Byte>(p[i] + (255 - p[i]) * 50 / 100);
  }
  TCanvas* canvas = bmp.Canvas();
  EXPECT_EQ(canvas->Pixels(2, 1), static_cast<TColor>(0x999088));
  canvas->SetPixels(0, 0, clBlack);  // drawing after ScanLine writes keeps both
  EXPECT_EQ(canvas->Pixels(1, 0), static_cast<TColor>(0x999088));

  bmp.SetPixelFormat(TPixelFormat::pf32bit);
  auto* px = static_cast<TPixel*>(bmp.ScanLine(0));
  px[1] = 0x00FF0000;  // B, G, R, A in memory: red
  EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), clRed);
  bmp.SetPixelFormat(TPixelFormat::pf16bit);
  auto* w = static_cast<Word*>(bmp.ScanLine(0));
  EXPECT_EQ(w[1], 0xF800);  // 5-6-5 red
  w[1] = 0xFFFF;
  EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), clWhite);

  EXPECT_THROW(bmp.ScanLine(2), EInvalidGraphic);
  EXPECT_THROW(bmp.ScanLine(-1), EInvalidGraphic);
  bmp.SetPixelFormat(TPixelFormat::pf8bit);
  EXPECT_THROW(bmp.ScanLine(0), EInvalidGraphic);
}

TEST(TBitmap, MonochromeBitmapsHoldBlackAndWhite) {
  TBitmap bmp;
  bmp.SetSize(9, 1);
  bmp.Canvas()->SetPixels(0, 0, clBlack);
  bmp.Canvas()->SetPixels(1, 0, clSilver);
  bmp.SetMonochrome(true);
  EXPECT_EQ(bmp.PixelFormat(), TPixelFormat::pf1bit);
  auto* bits = static_cast<Byte*>(bmp.ScanLine(0));
  EXPECT_EQ(bits[0], 0x7F);  // 0 black, then white
  EXPECT_EQ(bits[1], 0x80);
  EXPECT_EQ(bmp.TransparentColor(), clWhite);
}

TEST(TBitmap, TransparentDrawingUsesTheBottomLeftPixel) {
  TBitmap sprite;
  sprite.SetSize(3, 3);
  sprite.Canvas()->Brush()->SetColor(Magenta);
  sprite.Canvas()->FillRect(Rect(0, 0, 3, 3));
  sprite.Canvas()->SetPixels(1, 1, clBlack);
  EXPECT_EQ(sprite.TransparentMode(), TTransparentMode::tmAuto);
  EXPECT_EQ(sprite.TransparentColor(), Magenta);
  sprite.SetTransparent(true);

  TBitmap back;
  back.SetSize(6, 6);
  back.Canvas()->Brush()->SetColor(clLime);
  back.Canvas()->FillRect(Rect(0, 0, 6, 6));
  back.Canvas()->Draw(0, 0, &sprite);
  EXPECT_EQ(back.Canvas()->Pixels(0, 0), clLime);
  EXPECT_EQ(back.Canvas()->Pixels(1, 1), clBlack);
  back.Canvas()->StretchDraw(Rect(0, 0, 6, 6), &sprite);
  EXPECT_EQ(back.Canvas()->Pixels(2, 3), clBlack);
  EXPECT_EQ(back.Canvas()->Pixels(5, 5), clLime);
  // A fixed colour wins over the corner.
  sprite.SetTransparentColor(clBlack);
  EXPECT_EQ(sprite.TransparentMode(), TTransparentMode::tmFixed);
  back.Canvas()->Draw(3, 3, &sprite);
  EXPECT_EQ(back.Canvas()->Pixels(3, 3), Magenta);
  EXPECT_EQ(back.Canvas()->Pixels(4, 4), clLime);
  sprite.SetTransparentMode(TTransparentMode::tmAuto);
  EXPECT_EQ(sprite.TransparentColor(), Magenta);
}

TEST(TBitmap, StreamsThroughTheBmpFormatAndAssigns) {
  TBitmap bmp;
  bmp.SetSize(4, 3);
  bmp.SetPixelFormat(TPixelFormat::pf24bit);
  bmp.Canvas()->Brush()->SetColor(clNavy);
  bmp.Canvas()->FillRect(Rect(0, 0, 4, 3));
  bmp.Canvas()->SetPixels(3, 2, clYellow);
  TMemoryStream stream;
  bmp.SaveToStream(stream);
  ASSERT_GT(stream.Size(), 54);
  EXPECT_EQ(std::memcmp(stream.Memory(), "BM", 2), 0);
  EXPECT_EQ(stream.Memory()[28], 24);  // bits per pixel
  stream.SetPosition(0);
  TBitmap copy;
  copy.LoadFromStream(stream);
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(copy.Canvas()->Pixels(3, 2), clYellow);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clNavy);

  // Bad data leaves the picture as it was.
  TMemoryStream junk;
  junk.Write("BMjunkjunkjunk", 14);
  junk.SetPosition(0);
  EXPECT_THROW(copy.LoadFromStream(junk), EInvalidGraphic);
  EXPECT_EQ(copy.Canvas()->Pixels(3, 2), clYellow);

  TBitmap other;
  other.Assign(copy);
  EXPECT_EQ(other.Canvas()->Pixels(3, 2), clYellow);
  other.Canvas()->SetPixels(3, 2, clRed);
  EXPECT_EQ(copy.Canvas()->Pixels(3, 2), clYellow);
}

TEST(TBitmap, LoadsAProgramResourceByName) {
  TBitmap bitmap;
  bitmap.LoadFromResourceName(nullptr, "gditestpicture");  // names without case
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 0), clLime);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), clBlue);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clWhite);
  EXPECT_THROW(bitmap.LoadFromResourceName(nullptr, "NoSuchPicture"), EResNotFound);
  EXPECT_EQ(bitmap.Width(), 2);  // a failed load keeps the picture
}

}  // namespace
}  // namespace plat
