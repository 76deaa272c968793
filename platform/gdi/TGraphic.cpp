#include "platform/gdi/TGraphic.h"

#include "platform/gdi/PictureFile.h"

namespace plat {

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

void TGraphic::SetModified(bool value) {
  if (value) {
    Changed();
  } else {
    FModified = false;
  }
}

void TGraphic::Changed() {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const String& fileName) {
  TMemoryStream stream;
  ReadPictureFile(fileName, stream);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const String& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

}  // namespace plat
