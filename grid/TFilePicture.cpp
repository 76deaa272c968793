#include "grid/TFilePicture.h"

#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPicture.h"

namespace zorbit {

void TFilePicture::SetFilename(const plat::String& Value) {
  plat::TPicture picture;
  if (!Value.empty()) picture.LoadFromFile(Value);
  FFilename = Value;
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::SetStored(const plat::String& Filename, int Width, int Height) {
  FFilename = Filename;
  FWidth = Width > 0 ? Width : 0;
  FHeight = Height > 0 ? Height : 0;
}

void TFilePicture::DrawStretched(plat::TCanvas& Canvas, const plat::TRect& Rect) const {
  if (FFilename.empty()) return;
  plat::TPicture picture;
  picture.LoadFromFile(FFilename);
  Canvas.StretchDraw(Rect, picture.Graphic());
}

void TFilePicture::Assign(const plat::TPersistent* Source) {
  const auto* other = dynamic_cast<const TFilePicture*>(Source);
  if (!other) {
    plat::TPersistent::Assign(Source);
    return;
  }
  FFilename = other->FFilename;
  FWidth = other->FWidth;
  FHeight = other->FHeight;
}

}  // namespace zorbit
