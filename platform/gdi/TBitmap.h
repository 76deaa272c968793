#pragma once
// The class library's bitmap: a picture of 32-bit pixels (or black and
// white ones for pf1bit) with a canvas to draw on it. PixelFormat names the
// layout ScanLine gives and files are written in; ScanLine rows of formats
// other than 32 bits are a packed copy that is written back before the next
// drawing, blit or save. Files go through the BMP reader and writer.
#include <memory>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TGraphic.h"
#include "platform/os/ModuleExports.h"

namespace plat {

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;

  bool Empty() const override { return !FImage; }
  int Width() const override { return FImage ? FImage->Width() : 0; }
  int Height() const override { return FImage ? FImage->Height() : 0; }
  // New sizes keep the pixels that still fit; new ones are white. A size of
  // 0 (or less) empties the bitmap; an absurd one raises EOutOfResources.
  void SetWidth(int value) override { SetSize(value, Height()); }
  void SetHeight(int value) override { SetSize(Width(), value); }
  void SetSize(int width, int height);

  TCanvas* Canvas();
  // The pixel store as a handle; null while empty.
  HBITMAP Handle();

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat value);
  bool Monochrome() const { return FPixelFormat == TPixelFormat::pf1bit; }
  void SetMonochrome(bool value);

  // Row `row` (0 = top) in the pixel format's layout: 32-bit BGRA for
  // pf32bit and pfDevice, 24-bit BGR, 16-bit 5-6-5, 15-bit 5-5-5, or bits
  // (1 = white, leftmost in the high bit). EInvalidGraphic for a row out of
  // range or a palette format.
  void* ScanLine(int row);

  // tmAuto: the bottom-left pixel (white for a monochrome bitmap).
  TColor TransparentColor();
  void SetTransparentColor(TColor value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode value);

  void Assign(const TBitmap& source);
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // The program's bitmap resource Name (RT_BITMAP, with or without a file
  // header); EResNotFound when there is none. Every module shares one set of
  // resources, so the instance is only kept for the familiar shape.
  void LoadFromResourceName(HMODULE instance, const String& name);

  // For readers and writers: the pixels (after any ScanLine copy is written
  // back), and replacing them whole.
  const Bitmap* Image();
  void SetImage(std::unique_ptr<Bitmap> image, TPixelFormat format);

 protected:
  void Draw(TCanvas& canvas, const TRect& rect) override;

 private:
  class TBitmapCanvas;
  friend class TBitmapCanvas;

  // Writes a ScanLine copy back into the pixels.
  void SyncView();
  void ReplaceHandle(HBITMAP handle);

  HBITMAP FImage = nullptr;
  TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
  std::unique_ptr<TBitmapCanvas> FCanvas;
  std::vector<Byte> FView;  // the packed ScanLine copy, when one is out
  int FViewStride = 0;
};

}  // namespace plat
