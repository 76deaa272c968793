#include "grid/THTMLPicture.h"

#include "platform/gdi/PictureFile.h"
#include "platform/gdi/TCanvas.h"
#include "platform/os/Resources.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StringUtils.h"

namespace zorbit {

using plat::Byte;
using plat::String;

THTMLPicture::~THTMLPicture() = default;

int THTMLPicture::Width() const { return FPicture ? plat::HimetricToPixels(FPicture->HimetricWidth()) : 0; }
int THTMLPicture::Height() const { return FPicture ? plat::HimetricToPixels(FPicture->HimetricHeight()) : 0; }

void THTMLPicture::Decode(std::vector<Byte> Data, int Frame) {
  FPicture = plat::LoadPictureFromBytes(Data, Frame);
  FData = std::move(Data);
  FFrame = Frame;
  FEmpty = false;
}

void THTMLPicture::LoadFromStream(plat::TStream& Stream) {
  const plat::Int64 count = Stream.Size() - Stream.Position();
  std::vector<Byte> data(static_cast<std::size_t>(count > 0 ? count : 0));
  if (!data.empty()) Stream.ReadBuffer(data.data(), static_cast<plat::Int64>(data.size()));
  Decode(std::move(data), 1);
  Changed();
}

void THTMLPicture::SaveToStream(plat::TStream& Stream) {
  if (!FData.empty()) Stream.WriteBuffer(FData.data(), static_cast<plat::Int64>(FData.size()));
}

void THTMLPicture::LoadFromFile(const String& FileName) {
  try {
    plat::TMemoryStream stream;
    plat::ReadPictureFile(FileName, stream);
    LoadFromStream(stream);
  } catch (const plat::Exception&) {
    // A file that cannot be read or decoded shows nothing.
    FData.clear();
    FPicture.reset();
    FEmpty = true;
  }
}

void THTMLPicture::LoadFromResourceName(const String& Name) {
  const plat::HRSRC resource = plat::FindResource(nullptr, Name, plat::RT_RCDATA);
  if (!resource) return;
  const auto* bytes = static_cast<const Byte*>(plat::LockResource(plat::LoadResource(nullptr, resource)));
  if (!bytes) return;
  Decode(std::vector<Byte>(bytes, bytes + plat::SizeofResource(nullptr, resource)), 1);
  Changed();
}

void THTMLPicture::LoadPictureFromSource(const String& Source) {
  FID = Source;
  const String upper = plat::UpperCase(Source);
  static const String Res = "RES://", File = "FILE://";
  try {
    if (upper.starts_with(Res)) {
      LoadFromResourceName(Source.substr(Res.size()));
    } else if (upper.starts_with(File)) {
      LoadFromFile(Source.substr(File.size()));
    }
  } catch (const plat::EInvalidGraphic&) {
    // A damaged resource shows nothing; the renderer never sees the error.
    FData.clear();
    FPicture.reset();
    FEmpty = true;
  }
}

void THTMLPicture::Assign(const THTMLPicture* Source) {
  if (Source == this) return;
  if (!Source || Source->FData.empty()) {
    FData.clear();
    FPicture.reset();
    FEmpty = true;
    FFrame = 1;
  } else {
    Decode(Source->FData, 1);
  }
  Changed();
}

void THTMLPicture::SetFrame(int Value) {
  if (Value < 1 || Value > FrameCount() || Value == FFrame) return;
  Decode(FData, Value);
  if (OnFrameChange) OnFrameChange(this);
}

int THTMLPicture::FrameCount() const {
  return FPicture && FPicture->Format() == plat::TPictureFormat::pfGif ? FPicture->FrameCount() : -1;
}

int THTMLPicture::FrameXPos() const { return FPicture ? FPicture->FrameBounds().Left : 0; }
int THTMLPicture::FrameYPos() const { return FPicture ? FPicture->FrameBounds().Top : 0; }

int THTMLPicture::FrameWidth() const { return FPicture && FPicture->Screen().cx > 0 ? FPicture->Screen().cx : Width(); }

int THTMLPicture::FrameHeight() const {
  return FPicture && FPicture->Screen().cy > 0 ? FPicture->Screen().cy : Height();
}

void THTMLPicture::Render(plat::HDC DC, const plat::TRect& Rect) const {
  if (!FEmpty && FPicture) FPicture->Render(DC, Rect);
}

void THTMLPicture::Draw(plat::TCanvas& Canvas, const plat::TRect& Rect) {
  if (FEmpty || !FPicture) return;
  const plat::HDC dc = Canvas.Handle();
  if (FStretch) {
    Render(dc, Rect);
    return;
  }
  const int ppi = plat::GetDeviceCaps(dc, plat::LOGPIXELSX);
  Render(dc, plat::Bounds(Rect.Left, Rect.Top, plat::HimetricToPixels(FPicture->HimetricWidth(), ppi),
                          plat::HimetricToPixels(FPicture->HimetricHeight(), ppi)));
}

}  // namespace zorbit
