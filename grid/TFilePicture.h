#pragma once
// A picture known by its file name only: setting Filename reads the file
// once for its size, and DrawStretched reads it again each time it draws,
// so no picture stays in memory.
//
// A file that cannot be read (missing, damaged, an unknown extension)
// raises its error from the setter and leaves Filename, Width and Height
// as they were; from DrawStretched it raises and draws nothing. An empty
// name means no picture: size 0 x 0, nothing drawn.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"
#include "platform/ui/TPersistent.h"

namespace plat {
class TCanvas;
}

namespace zorbit {

class TFilePicture : public plat::TPersistent {
 public:
  const plat::String& Filename() const { return FFilename; }
  void SetFilename(const plat::String& Value);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Takes a name and size known already (read back from a stream) without
  // reading the file; sizes below 0 count as 0.
  void SetStored(const plat::String& Filename, int Width, int Height);

  void DrawStretched(plat::TCanvas& Canvas, const plat::TRect& Rect) const;
  // Copies Filename and the size without reading the file.
  void Assign(const plat::TPersistent* Source) override;

 private:
  plat::String FFilename;
  int FWidth = 0;
  int FHeight = 0;
};

}  // namespace zorbit
