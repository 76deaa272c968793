#include "skin/SkImageButton.h"

#include "platform/gdi/TGraphic.h"

namespace zorbit {

using plat::TBitmap;
using plat::TCanvas;
using plat::TPicture;

TskImageButton::TskImageButton(plat::TComponent* AOwner)
    : TskCustomButton(AOwner),
      FPicNormal(std::make_unique<TPicture>()),
      FPicMouseOn(std::make_unique<TPicture>()),
      FPicMouseDown(std::make_unique<TPicture>()),
      FPicDisabled(std::make_unique<TPicture>()) {
  for (TPicture* picture : {FPicNormal.get(), FPicMouseOn.get(), FPicMouseDown.get(), FPicDisabled.get()}) {
    picture->OnChange = [this](plat::TObject*) { PictureChanged(); };
  }
}

TskImageButton::~TskImageButton() {
  for (TPicture* picture : {FPicNormal.get(), FPicMouseOn.get(), FPicMouseDown.get(), FPicDisabled.get()}) {
    picture->OnChange = nullptr;
  }
}

void TskImageButton::AssignPicture(TPicture& Target, const TPicture* Value) {
  Target.SetGraphic(Value ? Value->Graphic() : nullptr);
}

void TskImageButton::PictureChanged() {
  UpdateAutoSize();
  Invalidate();
}

void TskImageButton::SetStretch(bool Value) {
  FStretch = Value;
  Invalidate();
}

void TskImageButton::SetDrawFocused(bool Value) {
  FDrawFocused = Value;
  Invalidate();
}

void TskImageButton::UpdateAutoSize() {
  if (!AutoSize() || !Parent()) return;
  const plat::TGraphic* graphic = FPicNormal->Graphic();
  if (graphic && !graphic->Empty()) SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
}

void TskImageButton::CopyPicture(TPicture& Source, TBitmap& Picture) {
  plat::TGraphic* graphic = Source.Graphic();
  if (!graphic || graphic->Empty()) graphic = FPicNormal->Graphic();
  if (!graphic || graphic->Empty()) return;
  Picture.SetSize(graphic->Width(), graphic->Height());
  Picture.Canvas()->Draw(0, 0, graphic);
}

void TskImageButton::DrawPicture(TCanvas& Canvas, TBitmap& Picture) {
  if (Picture.Empty()) return;
  Picture.SetTransparentColor(Picture.Canvas()->Pixels(0, 0));
  Picture.SetTransparent(true);
  if (FStretch) {
    Canvas.StretchDraw(ClientRect(), &Picture);
  } else {
    Canvas.Draw(0, 0, &Picture);
  }
}

void TskImageButton::DrawFocus(TCanvas& Canvas) {
  if (FDrawFocused) TskCustomButton::DrawFocus(Canvas);
}

}  // namespace zorbit
