#pragma once
// The class library's icon: an icon file as loaded (saved back unchanged),
// measured by its image nearest 32 x 32 pixels and drawn through the image
// nearest the size it is drawn at (its 16 x 16 image in a 16 x 16
// rectangle), always transparent where the icon is not. Its size cannot be set ("Cannot change the size of an icon").
// Data that cannot be read raises EInvalidGraphic and leaves the icon as it
// was.
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/TGraphic.h"

namespace plat {

class TIcon : public TGraphic {
 public:
  static constexpr int IconSize = 32;

  TIcon() = default;
  ~TIcon() override;

  bool Empty() const override { return FData.empty(); }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetWidth(int value) override;
  void SetHeight(int value) override;
  bool Transparent() const override { return true; }

  // The rest of the stream.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  void Assign(const TIcon& source);

 protected:
  void Draw(TCanvas& canvas, const TRect& rect) override;

 private:
  void Load(std::vector<Byte> data);
  void FreeImages();

  std::vector<Byte> FData;
  IconFile FIconFile;            // the images as read, for choosing one
  std::vector<HBITMAP> FImages;  // the same, premultiplied for AlphaBlend
  int FWidth = 0;
  int FHeight = 0;
};

}  // namespace plat
