#include "platform/gdi/TBitmap.h"

#include <algorithm>

#include "platform/gdi/Blits.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/RasterOps.h"
#include "platform/os/Resources.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

namespace {

constexpr TPixel White = 0x00FFFFFF;

int BitsOf(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pfDevice:
    case TPixelFormat::pf32bit: return 32;
    default: return 0;  // palette formats have no direct rows here
  }
}

// Packs one row of pixels into the format's layout, or back.
void PackRow(const TPixel* pixels, int width, TPixelFormat format, Byte* out) {
  for (int x = 0; x < width; ++x) {
    const TPixel p = pixels[x];
    const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    switch (format) {
      case TPixelFormat::pf1bit:
        if (x % 8 == 0) out[x / 8] = 0;
        if (p & ColorMask) out[x / 8] = static_cast<Byte>(out[x / 8] | (0x80 >> (x % 8)));
        break;
      case TPixelFormat::pf15bit: {
        const unsigned v = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
        out[2 * x] = static_cast<Byte>(v);
        out[2 * x + 1] = static_cast<Byte>(v >> 8);
        break;
      }
      case TPixelFormat::pf16bit: {
        const unsigned v = ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
        out[2 * x] = static_cast<Byte>(v);
        out[2 * x + 1] = static_cast<Byte>(v >> 8);
        break;
      }
      default:  // 24 bits
        out[3 * x] = static_cast<Byte>(b);
        out[3 * x + 1] = static_cast<Byte>(g);
        out[3 * x + 2] = static_cast<Byte>(r);
        break;
    }
  }
}

// Widens 5 or 6 bits to 8 by repeating the top bits, so white stays white.
unsigned Widen(unsigned v, int bits) { return (v << (8 - bits)) | (v >> (2 * bits - 8)); }

void UnpackRow(const Byte* in, int width, TPixelFormat format, TPixel* pixels) {
  for (int x = 0; x < width; ++x) {
    switch (format) {
      case TPixelFormat::pf1bit: pixels[x] = (in[x / 8] & (0x80 >> (x % 8))) ? White : 0; break;
      case TPixelFormat::pf15bit: {
        const unsigned v = in[2 * x] | (in[2 * x + 1] << 8);
        pixels[x] = (Widen((v >> 10) & 31, 5) << 16) | (Widen((v >> 5) & 31, 5) << 8) | Widen(v & 31, 5);
        break;
      }
      case TPixelFormat::pf16bit: {
        const unsigned v = in[2 * x] | (in[2 * x + 1] << 8);
        pixels[x] = (Widen((v >> 11) & 31, 5) << 16) | (Widen((v >> 5) & 63, 6) << 8) | Widen(v & 31, 5);
        break;
      }
      default:
        pixels[x] = (static_cast<TPixel>(in[3 * x + 2]) << 16) | (static_cast<TPixel>(in[3 * x + 1]) << 8) | in[3 * x];
        break;
    }
  }
}

}  // namespace

// The canvas of a bitmap: a memory DC holding the bitmap, made on demand;
// pending ScanLine writes land before each drawing call.
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& owner) : FOwner(owner) {}
  ~TBitmapCanvas() override { FreeHandle(); }

  void Changing() override {
    FOwner.SyncView();
    TCanvas::Changing();
  }
  void Changed() override {
    TCanvas::Changed();
    FOwner.Changed();
  }
  // Lets go of the DC so the bitmap's handle can change.
  void Reset() { FreeHandle(); }

 protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    if (FOwner.FImage) SelectObject(dc, FOwner.FImage);
    AdoptHandle(dc);
  }

 private:
  TBitmap& FOwner;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  FCanvas.reset();
  if (FImage) DeleteObject(FImage);
}

void TBitmap::ReplaceHandle(HBITMAP handle) {
  FView.clear();
  if (FCanvas) FCanvas->Reset();
  if (FImage) DeleteObject(FImage);
  FImage = handle;
}

void TBitmap::SyncView() {
  if (FView.empty() || !FImage) return;
  for (int y = 0; y < FImage->Height(); ++y)
    UnpackRow(FView.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(FViewStride), FImage->Width(),
              FPixelFormat, FImage->Row(y));
  FView.clear();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) return;
  SyncView();
  if (width == 0 || height == 0) {
    ReplaceHandle(nullptr);
  } else if (!Bitmap::ValidSize(width, height)) {
    throw EOutOfResources("Out of system resources");
  } else if (FImage) {
    FImage->Resize(width, height, White);
  } else {
    auto image = std::make_unique<Bitmap>(width, height, Monochrome());
    image->Fill(White);
    ReplaceHandle(GdiObjectTable::Adopt(std::move(image)));
  }
  Changed();
}

TCanvas* TBitmap::Canvas() {
  SyncView();
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
  return FCanvas.get();
}

HBITMAP TBitmap::Handle() {
  SyncView();
  return FImage;
}

const Bitmap* TBitmap::Image() { return Handle(); }

void TBitmap::SetImage(std::unique_ptr<Bitmap> image, TPixelFormat format) {
  ReplaceHandle(image ? GdiObjectTable::Adopt(std::move(image)) : nullptr);
  FPixelFormat = format;
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == FPixelFormat) return;
  SyncView();
  const bool mono = value == TPixelFormat::pf1bit;
  if (FImage && mono != FImage->IsMonochrome()) {
    auto image = std::make_unique<Bitmap>(FImage->Width(), FImage->Height(), mono);
    for (int y = 0; y < image->Height(); ++y)
      for (int x = 0; x < image->Width(); ++x) image->Put(x, y, image->Quantize(FImage->At(x, y) & ColorMask));
    ReplaceHandle(GdiObjectTable::Adopt(std::move(image)));
  }
  FPixelFormat = value;
  Changed();
}

void TBitmap::SetMonochrome(bool value) {
  if (value == Monochrome()) return;
  SetPixelFormat(value ? TPixelFormat::pf1bit : TPixelFormat::pfDevice);
}

void* TBitmap::ScanLine(int row) {
  if (!FImage || row < 0 || row >= FImage->Height()) throw EInvalidGraphic("Scan line index out of range");
  const int bits = BitsOf(FPixelFormat);
  if (bits == 0) throw EInvalidGraphic("Scan lines of palette bitmaps are not available");
  if (bits == 32) return FImage->Row(row);  // the store's own rows
  if (FView.empty()) {
    FViewStride = ((FImage->Width() * bits + 31) / 32) * 4;
    FView.assign(static_cast<std::size_t>(FViewStride) * static_cast<std::size_t>(FImage->Height()), 0);
    for (int y = 0; y < FImage->Height(); ++y)
      PackRow(FImage->Row(y), FImage->Width(), FPixelFormat,
              FView.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(FViewStride));
  }
  return FView.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(FViewStride);
}

TColor TBitmap::TransparentColor() {
  if (FTransparentColor != clDefault) return ColorToRGB(FTransparentColor);
  if (Monochrome()) return clWhite;
  if (!Handle()) return clBlack;
  return static_cast<TColor>(ColorRefFromPixel(FImage->At(0, FImage->Height() - 1) & ColorMask));
}

void TBitmap::SetTransparentColor(TColor value) {
  if (value == FTransparentColor && FTransparentMode == TTransparentMode::tmFixed) return;
  FTransparentColor = value;
  FTransparentMode = value == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  if (value == FTransparentMode) return;
  if (value == TTransparentMode::tmAuto) {
    SetTransparentColor(clDefault);
  } else {
    SetTransparentColor(TransparentColor());
  }
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  const_cast<TBitmap&>(source).SyncView();
  ReplaceHandle(source.FImage ? GdiObjectTable::Adopt(std::make_unique<Bitmap>(*source.FImage)) : nullptr);
  FPixelFormat = source.FPixelFormat;
  FTransparentColor = source.FTransparentColor;
  FTransparentMode = source.FTransparentMode;
  SetTransparent(source.Transparent());
  Changed();
}

void TBitmap::LoadFromResourceName(HMODULE instance, const String& name) {
  const HRSRC resource = FindResource(instance, name, RT_BITMAP);
  const void* bytes = resource != nullptr ? LockResource(LoadResource(instance, resource)) : nullptr;
  if (bytes == nullptr) throw EResNotFound(FmtLoadResString(SResNotFound, {name}));
  TMemoryStream stream;
  stream.WriteBuffer(bytes, SizeofResource(instance, resource));
  stream.SetPosition(0);
  LoadFromStream(stream);
}

void TBitmap::LoadFromStream(TStream& stream) {
  if (stream.Position() >= stream.Size()) {  // nothing left: an empty picture
    SetImage(nullptr, FPixelFormat);
    return;
  }
  BmpImage file = ReadBmp(stream);  // raises before anything here changes
  TPixelFormat format = TPixelFormat::pfDevice;
  switch (file.BitsPerPixel) {
    case 1: format = TPixelFormat::pf1bit; break;
    case 4: format = TPixelFormat::pf4bit; break;
    case 8: format = TPixelFormat::pf8bit; break;
    case 15: format = TPixelFormat::pf15bit; break;
    case 16: format = TPixelFormat::pf16bit; break;
    case 24: format = TPixelFormat::pf24bit; break;
    case 32: format = TPixelFormat::pf32bit; break;
    default: break;
  }
  if (format == TPixelFormat::pf1bit) {
    // Black and white stay a monochrome bitmap; other two-colour palettes keep their colours.
    const Bitmap& image = *file.Image;
    bool blackAndWhite = true;
    for (int y = 0; y < image.Height() && blackAndWhite; ++y)
      for (int x = 0; x < image.Width() && blackAndWhite; ++x) {
        const TPixel p = image.At(x, y) & ColorMask;
        blackAndWhite = p == 0 || p == White;
      }
    if (blackAndWhite) {
      auto mono = std::make_unique<Bitmap>(image.Width(), image.Height(), true);
      for (int y = 0; y < image.Height(); ++y) std::copy_n(image.Row(y), image.Width(), mono->Row(y));
      file.Image = std::move(mono);
    } else {
      format = TPixelFormat::pfDevice;
    }
  }
  SetImage(std::move(file.Image), format);
}

void TBitmap::SaveToStream(TStream& stream) {
  if (!Handle()) return;  // an empty bitmap writes nothing
  BmpWriteOptions options;
  switch (FPixelFormat) {
    case TPixelFormat::pf1bit: options.BitsPerPixel = 1; break;
    case TPixelFormat::pf4bit: options.BitsPerPixel = 4; break;
    case TPixelFormat::pf8bit: options.BitsPerPixel = 8; break;
    case TPixelFormat::pf15bit: options.BitsPerPixel = 15; break;
    case TPixelFormat::pf16bit: options.BitsPerPixel = 16; break;
    case TPixelFormat::pf24bit:
    case TPixelFormat::pfCustom: options.BitsPerPixel = 24; break;
    case TPixelFormat::pfDevice:
    case TPixelFormat::pf32bit: options.BitsPerPixel = 32; break;
  }
  WriteBmp(stream, *FImage, options);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (!Handle()) return;
  HDC dst = canvas.Handle();
  HDC src = Canvas()->Handle();
  const int w = FImage->Width(), h = FImage->Height();
  // A monochrome picture keeps its black and white on a colour canvas.
  const COLORREF oldText = SetTextColor(dst, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dst, RGB(255, 255, 255));
  if (Transparent()) {
    TransparentBlt(dst, rect.Left, rect.Top, rect.Width(), rect.Height(), src, 0, 0, w, h,
                   ColorToColorRef(TransparentColor()));
  } else {
    StretchBlt(dst, rect.Left, rect.Top, rect.Width(), rect.Height(), src, 0, 0, w, h, canvas.CopyMode());
  }
  SetTextColor(dst, oldText);
  SetBkColor(dst, oldBack);
}

}  // namespace plat
