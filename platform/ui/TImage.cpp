#include "platform/ui/TImage.h"

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TGraphic.h"

namespace plat {

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  SetControlStyle(ControlStyle() + TControlStyle{TControlStyleItem::csReplicatable});
  SetBounds(Left(), Top(), 105, 105);
  FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { FPicture->OnChange = nullptr; }

void TImage::SetPicture(const TPicture* Value) {
  if (Value) FPicture->Assign(*Value);
}

void TImage::SetCenter(bool Value) {
  if (FCenter == Value) return;
  FCenter = Value;
  PictureChanged();
}

void TImage::SetStretch(bool Value) {
  if (FStretch == Value) return;
  FStretch = Value;
  PictureChanged();
}

void TImage::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  PictureChanged();
}

TRect TImage::DestRect() {
  const int width = FPicture->Width();
  const int height = FPicture->Height();
  const TRect client = ClientRect();
  if (FStretch) return client;
  TRect rect{0, 0, width, height};
  if (FCenter) rect = rect.Translated((client.Width() - width) / 2, (client.Height() - height) / 2);
  return rect;
}

void TImage::PictureChanged() {
  TGraphic* graphic = FPicture->Graphic();
  if (graphic && !graphic->Empty()) {
    if (graphic->Transparent() != FTransparent) graphic->SetTransparent(FTransparent);
    if (AutoSize()) AdjustSize();
  }
  // A picture that covers the control without holes hides what lies behind.
  const TRect dest = DestRect();
  const bool covers = graphic && !graphic->Empty() && !FTransparent && dest.Left <= 0 && dest.Top <= 0 &&
                      dest.Right >= Width() && dest.Bottom >= Height();
  TControlStyle style = ControlStyle();
  if (covers) {
    style.Include(TControlStyleItem::csOpaque);
  } else {
    style.Exclude(TControlStyleItem::csOpaque);
  }
  SetControlStyle(style);
  Invalidate();
}

void TImage::AdjustSize() {
  if (!AutoSize() || FPicture->Width() <= 0 || FPicture->Height() <= 0) return;
  SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
}

void TImage::Paint() {
  TGraphic* graphic = FPicture->Graphic();
  if (!graphic || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), graphic);
}

}  // namespace plat
