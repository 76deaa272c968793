#include "platform/gdi/TPicture.h"

#include <algorithm>
#include <cctype>

#include "platform/gdi/TJPEGImage.h"

namespace plat {

namespace {

String LowerExtension(const String& fileName) {
  const auto dot = fileName.find_last_of('.');
  const auto slash = fileName.find_last_of("/\\");
  if (dot == String::npos || (slash != String::npos && dot < slash)) return {};
  String extension = fileName.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

template <class T>
std::unique_ptr<TGraphic> CopyAs(const TGraphic& value) {
  auto copy = std::make_unique<T>();
  copy->Assign(static_cast<const T&>(value));
  return copy;
}

}  // namespace

TPicture::~TPicture() = default;

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::Attach(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::SetGraphic(const TGraphic* value) {
  if (value == FGraphic.get() && value != nullptr) return;
  std::unique_ptr<TGraphic> copy;
  if (value == nullptr) {
    // no graphic
  } else if (dynamic_cast<const TBitmap*>(value)) {
    copy = CopyAs<TBitmap>(*value);
  } else if (dynamic_cast<const TJPEGImage*>(value)) {
    copy = CopyAs<TJPEGImage>(*value);
  } else if (dynamic_cast<const TIcon*>(value)) {
    copy = CopyAs<TIcon>(*value);
  } else {
    throw EInvalidGraphic("Cannot assign a " + value->ClassName() + " to a TPicture");
  }
  Attach(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) Attach(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(FGraphic.get())) Attach(std::make_unique<TIcon>());
  return static_cast<TIcon*>(FGraphic.get());
}

void TPicture::LoadFromFile(const String& fileName) {
  const String extension = LowerExtension(fileName);
  std::unique_ptr<TGraphic> graphic;
  if (extension == "bmp") {
    graphic = std::make_unique<TBitmap>();
  } else if (extension == "jpg" || extension == "jpeg") {
    graphic = std::make_unique<TJPEGImage>();
  } else if (extension == "ico") {
    graphic = std::make_unique<TIcon>();
  } else {
    throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
  }
  graphic->LoadFromFile(fileName);
  Attach(std::move(graphic));
}

void TPicture::SaveToFile(const String& fileName) {
  if (FGraphic) FGraphic->SaveToFile(fileName);
}

}  // namespace plat
