#pragma once
// The class library's abstract picture: a size, transparency, change
// notification and streaming. Canvases draw graphics through Draw.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Streams.h"

namespace plat {

class TCanvas;

// Raised for picture data that cannot be read.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

class TGraphic : public TObject {
 public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;

  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int value) = 0;
  virtual void SetHeight(int value) = 0;
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool value);
  bool Modified() const { return FModified; }
  void SetModified(bool value);

  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  // The file as ReadPictureFile reads it (PictureFile.h): a regular file
  // of a picture's size, else its error.
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName);

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  // Paints the picture into rect of the canvas, scaled to it.
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
  // Marks the picture modified and tells OnChange.
  virtual void Changed();

 private:
  bool FTransparent = false;
  bool FModified = false;
};

}  // namespace plat
