#include "skin/SkImagePanel.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/ControlPaint.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowDC.h"
#include "platform/rtl/ScopeExit.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinPictures.h"

namespace zorbit {

namespace {

constexpr plat::UINT kAlignmentFormat[] = {plat::DT_LEFT, plat::DT_RIGHT, plat::DT_CENTER};

}  // namespace

TskCustomPanel::TskCustomPanel(plat::TComponent* AOwner)
    : plat::TCustomPanel(AOwner), FPicture(std::make_unique<plat::TPicture>()) {
  SetBevelOuter(plat::TPanelBevel::bvNone);
  SetBevelInner(plat::TPanelBevel::bvNone);
  FPicture->OnChange = [this](plat::TObject*) { PictureChanged(); };
}

TskCustomPanel::~TskCustomPanel() { FPicture->OnChange = nullptr; }

void TskCustomPanel::SetPicture(const plat::TPicture* Value) {
  FPicture->SetGraphic(Value ? Value->Graphic() : nullptr);
}

void TskCustomPanel::SetDrawStyle(TskDrawStyle Value) {
  if (FDrawStyle == Value) return;
  FDrawStyle = Value;
  FillBackground();
  Invalidate();
}

void TskCustomPanel::SetAutoSize(bool Value) {
  plat::TCustomPanel::SetAutoSize(Value);
  if (FPicture->Graphic()) PictureChanged();
}

void TskCustomPanel::SetTransparent(bool Value) {
  FTransparent = Value;
  if (FPicture->Graphic()) FPicture->Graphic()->SetTransparent(Value);
  Invalidate();
}

void TskCustomPanel::FillBackground() {
  if (Parent() || !HandleAllocated()) return;
  const plat::HWND window = Handle();
  const plat::HDC dc = plat::GetDC(window);
  if (!dc) return;
  const plat::ScopeExit release([&] { plat::ReleaseDC(window, dc); });
  plat::TCanvas canvas;
  canvas.SetHandle(dc);
  const plat::ScopeExit detach([&] { canvas.SetHandle(nullptr); });
  FillRectColor(canvas, ClientRect(), Color());
}

void TskCustomPanel::PictureChanged() {
  plat::TGraphic* graphic = FPicture->Graphic();
  if (AutoSize() && graphic && !graphic->Empty()) {
    using plat::TAlign;
    const TAlign align = Align();
    const bool freeWidth =
        align == TAlign::alNone || align == TAlign::alLeft || align == TAlign::alRight || align == TAlign::alCustom;
    const bool freeHeight =
        align == TAlign::alNone || align == TAlign::alTop || align == TAlign::alBottom || align == TAlign::alCustom;
    SetBounds(Left(), Top(), freeWidth ? graphic->Width() : Width(), freeHeight ? graphic->Height() : Height());
  }
  if (graphic) graphic->SetTransparent(FTransparent);
  FillBackground();
  Invalidate();
}

void TskCustomPanel::PaintPicture(plat::TCanvas& Canvas) {
  plat::TGraphic* graphic = FPicture->Graphic();
  const plat::TRect client = ClientRect();
  if (FTransparent) {
    DrawParentBackground(Canvas, *this);
  } else {
    FillRectColor(Canvas, client, Color());
  }
  if (graphic && !graphic->Empty()) {
    switch (FDrawStyle) {
      case TskDrawStyle::skNormal: Canvas.Draw(0, 0, graphic); break;
      case TskDrawStyle::skStretch: Canvas.StretchDraw(client, graphic); break;
      case TskDrawStyle::skTile:
        if (auto* bitmap = dynamic_cast<plat::TBitmap*>(graphic)) {
          TileDraw(Canvas, *bitmap, client);
        } else {
          // Other kinds of picture tile as a bitmap of themselves.
          plat::TBitmap copy;
          copy.SetSize(graphic->Width(), graphic->Height());
          FillRectColor(*copy.Canvas(), {0, 0, copy.Width(), copy.Height()}, Color());
          copy.Canvas()->Draw(0, 0, graphic);
          TileDraw(Canvas, copy, client);
        }
        break;
    }
  }
}

void TskCustomPanel::PaintTo(plat::TCanvas& Canvas) {
  PaintPicture(Canvas);
  const plat::String caption = Caption();
  if (caption.find_first_not_of(' ') == plat::String::npos) return;
  Canvas.SetFont(*Font());
  Canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
  plat::TRect place = ClientRect();
  plat::DrawCanvasText(Canvas, caption, place,
                       plat::DT_SINGLELINE | plat::DT_VCENTER | kAlignmentFormat[static_cast<int>(Alignment())]);
}

void TskCustomPanel::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  plat::TBitmap buffer;
  buffer.SetSize(Width(), Height());
  PaintTo(*buffer.Canvas());
  Canvas()->Draw(0, 0, &buffer);
}

void TskCustomPanel::Resize() {
  plat::TCustomPanel::Resize();
  Invalidate();
}

void TskCustomPanel::WndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  plat::TCustomPanel::WndProc(Message);
}

}  // namespace zorbit
