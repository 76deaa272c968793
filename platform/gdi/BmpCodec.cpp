#include "platform/gdi/BmpCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <set>

#include "platform/gdi/CodecInput.h"

namespace plat {

namespace {

constexpr const char* Kind = "BMP";
constexpr std::size_t FileHeaderSize = 14;
constexpr DWORD CoreHeaderSize = 12;
constexpr DWORD InfoHeaderSize = 40;
constexpr DWORD MaxHeaderSize = 1024;
constexpr DWORD MaxPaletteEntries = 256;

constexpr TPixel Rgb(int r, int g, int b) {
  return (static_cast<TPixel>(r) << 16) | (static_cast<TPixel>(g) << 8) | static_cast<TPixel>(b);
}

// One channel of a bit-field layout.
struct Channel {
  DWORD Mask = 0;
  int Shift = 0;
  DWORD Max = 0;

  static Channel Of(DWORD mask, const ByteReader& reader) {
    Channel c;
    c.Mask = mask;
    if (mask == 0) return c;
    c.Shift = std::countr_zero(mask);
    c.Max = mask >> c.Shift;
    if ((c.Max & (c.Max + 1)) != 0) reader.Fail("a colour mask is not contiguous");
    return c;
  }
  int Value(DWORD pixel) const {
    if (Max == 0) return 0;
    const unsigned long long v = (pixel & Mask) >> Shift;
    return static_cast<int>((v * 255 + Max / 2) / Max);
  }
};

struct DibHeader {
  int Width = 0;
  int Height = 0;
  bool TopDown = false;
  int Bpp = 0;
  DWORD Compression = BI_RGB;
  std::array<DWORD, 4> Masks{};  // red, green, blue, alpha
  DWORD PaletteEntries = 0;
  int PaletteEntrySize = 4;
};

// Reads the header at the reader's position and leaves it at the palette.
DibHeader ReadHeader(ByteReader& r, bool icon) {
  const std::size_t start = r.Position();
  const DWORD size = r.U32();
  DibHeader h;
  DWORD colorsUsed = 0;
  if (size == CoreHeaderSize) {
    h.Width = r.U16();
    h.Height = r.U16();
    r.U16();  // planes
    h.Bpp = r.U16();
    h.PaletteEntrySize = 3;
  } else if (size >= InfoHeaderSize && size <= MaxHeaderSize) {
    h.Width = r.I32();
    const std::int32_t height = r.I32();
    if (height == INT32_MIN) r.Fail("the height is out of range");
    h.TopDown = height < 0;
    h.Height = height < 0 ? -height : height;
    r.U16();  // planes
    h.Bpp = r.U16();
    h.Compression = r.U32();
    r.Skip(12);  // image size, resolution
    colorsUsed = r.U32();
    r.U32();  // colours important
    if (h.Compression == BI_BITFIELDS) {
      if (size < InfoHeaderSize + 12) r.Seek(start + size);  // the masks follow a plain info header
      for (std::size_t i = 0; i < (size >= InfoHeaderSize + 16 ? 4u : 3u); ++i) h.Masks[i] = r.U32();
    }
  } else {
    r.Fail("the header size is unknown");
  }
  if (size != CoreHeaderSize) r.Seek(std::max(r.Position(), start + size));
  if (icon) {
    if (h.TopDown || h.Height % 2 != 0) r.Fail("the icon's height does not hold its mask");
    h.Height /= 2;
  }
  switch (h.Bpp) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: r.Fail("the bit depth is not supported");
  }
  switch (h.Compression) {
    case BI_RGB: break;
    case BI_RLE8:
      if (h.Bpp != 8 || h.TopDown) r.Fail("RLE8 needs a bottom-up 8-bit bitmap");
      break;
    case BI_RLE4:
      if (h.Bpp != 4 || h.TopDown) r.Fail("RLE4 needs a bottom-up 4-bit bitmap");
      break;
    case BI_BITFIELDS:
      if (h.Bpp != 16 && h.Bpp != 32) r.Fail("bit fields need 16 or 32 bits");
      break;
    default: r.Fail("the compression is not supported");
  }
  if (colorsUsed > MaxPaletteEntries) r.Fail("the palette is too large");
  if (h.Bpp <= 8) {
    h.PaletteEntries = colorsUsed != 0 ? colorsUsed : (1u << h.Bpp);
  } else {
    h.PaletteEntries = colorsUsed;
  }
  if (h.Compression != BI_BITFIELDS && h.Bpp == 16) h.Masks = {0x7C00, 0x03E0, 0x001F, 0};
  if (h.Compression != BI_BITFIELDS && h.Bpp == 32) h.Masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
  if (h.Bpp == 16) {
    for (DWORD& mask : h.Masks) mask &= 0xFFFF;
  }
  if (h.Width <= 0 || h.Height <= 0) r.Fail("the size is empty or negative");
  return h;
}

std::vector<TPixel> ReadPalette(ByteReader& r, const DibHeader& h) {
  std::vector<TPixel> palette(h.PaletteEntries);
  for (TPixel& entry : palette) {
    const Byte b = r.U8(), g = r.U8(), red = r.U8();
    if (h.PaletteEntrySize == 4) r.U8();
    entry = Rgb(red, g, b);
  }
  return palette;
}

std::size_t Stride(int width, int bpp) { return ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4; }

int ImageRow(const DibHeader& h, int fileRow) { return h.TopDown ? fileRow : h.Height - 1 - fileRow; }

TPixel PaletteColour(const std::vector<TPixel>& palette, unsigned index) {
  return index < palette.size() ? palette[index] : 0;
}

void DecodeUncompressed(ByteReader& r, const DibHeader& h, const std::vector<TPixel>& palette, Bitmap& out) {
  const std::size_t stride = Stride(h.Width, h.Bpp);
  if (stride * static_cast<std::size_t>(h.Height) > r.Remaining()) r.Fail("the pixel data ends too early");
  const std::array<Channel, 4> channels{Channel::Of(h.Masks[0], r), Channel::Of(h.Masks[1], r),
                                        Channel::Of(h.Masks[2], r), Channel::Of(h.Masks[3], r)};
  for (int fileRow = 0; fileRow < h.Height; ++fileRow) {
    const std::span<const Byte> row = r.Bytes(stride);
    TPixel* dest = out.Row(ImageRow(h, fileRow));
    for (int x = 0; x < h.Width; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      switch (h.Bpp) {
        case 1: dest[x] = PaletteColour(palette, (row[ux / 8] >> (7 - ux % 8)) & 1); break;
        case 4: dest[x] = PaletteColour(palette, (row[ux / 2] >> (ux % 2 == 0 ? 4 : 0)) & 0xF); break;
        case 8: dest[x] = PaletteColour(palette, row[ux]); break;
        case 24: dest[x] = Rgb(row[ux * 3 + 2], row[ux * 3 + 1], row[ux * 3]); break;
        default: {
          DWORD p = 0;
          if (h.Bpp == 16) {
            p = row[ux * 2] | (row[ux * 2 + 1] << 8);
          } else {
            p = row[ux * 4] | (row[ux * 4 + 1] << 8) | (row[ux * 4 + 2] << 16) |
                (static_cast<DWORD>(row[ux * 4 + 3]) << 24);
          }
          dest[x] = (static_cast<TPixel>(channels[3].Value(p)) << 24) |
                    Rgb(channels[0].Value(p), channels[1].Value(p), channels[2].Value(p));
        }
      }
    }
  }
}

// Runs of pixels, escapes for line ends, the end, jumps and literal runs.
// Pixels the data skips stay black.
void DecodeRle(ByteReader& r, const DibHeader& h, const std::vector<TPixel>& palette, Bitmap& out) {
  const bool four = h.Compression == BI_RLE4;
  int x = 0;
  int fileRow = 0;
  // Columns past the right edge are dropped, so x never grows past it.
  auto put = [&](unsigned index) {
    if (x >= h.Width) return;
    out.Row(ImageRow(h, fileRow))[x] = PaletteColour(palette, index);
    ++x;
  };
  while (true) {
    if (fileRow >= h.Height) return;  // every row filled: the end marker may be missing
    if (r.Remaining() < 2) r.Fail("the run-length data ends before its end marker");
    const Byte count = r.U8();
    const Byte value = r.U8();
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i % 2 == 0) ? value >> 4 : value & 0xF) : value);
      continue;
    }
    switch (value) {
      case 0: x = 0, ++fileRow; break;
      case 1: return;
      case 2: {
        const Byte dx = r.U8();
        const Byte dy = r.U8();
        x = std::min(x + dx, h.Width);
        fileRow += dy;
        break;
      }
      default: {
        const std::size_t bytes = four ? (value + 1u) / 2 : value;
        const std::span<const Byte> literal = r.Bytes(bytes);
        for (int i = 0; i < value; ++i) {
          const Byte b = literal[four ? static_cast<std::size_t>(i / 2) : static_cast<std::size_t>(i)];
          put(four ? ((i % 2 == 0) ? b >> 4 : b & 0xF) : b);
        }
        if (bytes % 2 != 0) r.Skip(1);
      }
    }
  }
}

// The DIB at the reader's position; pixelOffset, when not zero, is where the
// pixels start (from a file header).
BmpImage DecodeDib(ByteReader& r, std::size_t pixelOffset, bool icon, std::vector<bool>* mask) {
  const DibHeader h = ReadHeader(r, icon);
  const bool rle = h.Compression == BI_RLE8 || h.Compression == BI_RLE4;
  CheckImageSize(h.Width, h.Height, r.Remaining(), rle ? BmpRlePixelsPerByte : 32, Kind);
  const std::vector<TPixel> palette = ReadPalette(r, h);
  if (pixelOffset != 0) r.Seek(pixelOffset);
  BmpImage image;
  image.Image = std::make_unique<Bitmap>(h.Width, h.Height);
  image.Compression = h.Compression;
  image.TopDown = h.TopDown;
  image.BitsPerPixel = h.Bpp == 16 && h.Masks[0] == 0x7C00 && h.Masks[1] == 0x03E0 && h.Masks[2] == 0x001F ? 15 : h.Bpp;
  if (rle) {
    DecodeRle(r, h, palette, *image.Image);
  } else {
    DecodeUncompressed(r, h, palette, *image.Image);
  }
  if (mask != nullptr) {
    const std::size_t stride = Stride(h.Width, 1);
    if (stride * static_cast<std::size_t>(h.Height) > r.Remaining()) r.Fail("the icon mask ends too early");
    mask->assign(static_cast<std::size_t>(h.Width) * h.Height, false);
    for (int fileRow = 0; fileRow < h.Height; ++fileRow) {
      const std::span<const Byte> row = r.Bytes(stride);
      const std::size_t y = static_cast<std::size_t>(h.Height - 1 - fileRow);
      for (std::size_t x = 0; x < static_cast<std::size_t>(h.Width); ++x) {
        (*mask)[y * static_cast<std::size_t>(h.Width) + x] = ((row[x / 8] >> (7 - x % 8)) & 1) != 0;
      }
    }
  }
  return image;
}

}  // namespace

BmpImage ReadBmp(std::span<const Byte> data) {
  ByteReader r(data, Kind);
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') {
    r.Skip(10);
    const DWORD pixelOffset = r.U32();
    if (pixelOffset < FileHeaderSize || pixelOffset > data.size()) r.Fail("the pixel offset is out of range");
    return DecodeDib(r, pixelOffset, false, nullptr);
  }
  return DecodeDib(r, 0, false, nullptr);
}

BmpImage ReadBmp(TStream& stream) {
  const Int64 start = stream.Position();
  std::array<Byte, 6> head{};
  const Int64 got = stream.Read(head.data(), static_cast<Int64>(head.size()));
  stream.SetPosition(start);
  if (got == static_cast<Int64>(head.size()) && head[0] == 'B' && head[1] == 'M') {
    const DWORD fileSize = head[2] | (head[3] << 8) | (head[4] << 16) | (static_cast<DWORD>(head[5]) << 24);
    const Int64 rest = stream.Size() - start;
    // A file size that cannot be right (some writers leave it 0) means "the rest".
    if (fileSize >= FileHeaderSize && fileSize <= rest) {
      std::vector<Byte> data(fileSize);
      stream.ReadBuffer(data.data(), fileSize);
      return ReadBmp(data);
    }
  }
  const std::vector<Byte> data = ReadRest(stream, Kind);
  return ReadBmp(data);
}

IconDib ReadIconDib(std::span<const Byte> data) {
  ByteReader r(data, "icon");
  IconDib dib;
  dib.Colour = DecodeDib(r, 0, true, &dib.Transparent);
  return dib;
}

// Writing.

namespace {

// The 16 colours of the VGA palette.
constexpr std::array<TPixel, 16> VgaColours{Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
                                            Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
                                            Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
                                            Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};

class Palette {
 public:
  Palette(const Bitmap& image, std::size_t size) {
    std::set<TPixel> seen;
    for (int y = 0; y < image.Height() && seen.size() <= size; ++y) {
      const TPixel* row = image.Row(y);
      for (int x = 0; x < image.Width() && seen.size() <= size; ++x) seen.insert(row[x] & 0xFFFFFF);
    }
    if (seen.size() <= size) {
      FColours.assign(seen.begin(), seen.end());
    } else if (size == 2) {
      FColours = {Rgb(0, 0, 0), Rgb(255, 255, 255)};
    } else if (size == 16) {
      FColours.assign(VgaColours.begin(), VgaColours.end());
    } else {
      for (int i = 0; i < 256; ++i)
        FColours.push_back(Rgb((i >> 5) * 255 / 7, ((i >> 2) & 7) * 255 / 7, (i & 3) * 255 / 3));
    }
  }

  const std::vector<TPixel>& Colours() const { return FColours; }

  unsigned IndexOf(TPixel pixel) {
    const TPixel p = pixel & 0xFFFFFF;
    if (auto found = FIndex.find(p); found != FIndex.end()) return found->second;
    unsigned best = 0;
    long long bestDistance = -1;
    for (unsigned i = 0; i < FColours.size(); ++i) {
      const long long dr = static_cast<long long>((p >> 16) & 0xFF) - ((FColours[i] >> 16) & 0xFF);
      const long long dg = static_cast<long long>((p >> 8) & 0xFF) - ((FColours[i] >> 8) & 0xFF);
      const long long db = static_cast<long long>(p & 0xFF) - (FColours[i] & 0xFF);
      const long long distance = dr * dr + dg * dg + db * db;
      if (bestDistance < 0 || distance < bestDistance) best = i, bestDistance = distance;
    }
    FIndex.emplace(p, best);
    return best;
  }

 private:
  std::vector<TPixel> FColours;
  std::map<TPixel, unsigned> FIndex;
};

void Put16(std::vector<Byte>& out, unsigned v) {
  out.push_back(static_cast<Byte>(v));
  out.push_back(static_cast<Byte>(v >> 8));
}

void Put32(std::vector<Byte>& out, DWORD v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

int Scale(TPixel p, int shift, int max) { return static_cast<int>((((p >> shift) & 0xFF) * max + 127) / 255); }

void PackRow(std::vector<Byte>& out, const TPixel* row, int width, int bpp, Palette* palette) {
  const std::size_t start = out.size();
  switch (bpp) {
    case 1:
    case 4:
    case 8: {
      const int perByte = 8 / bpp;
      for (int x = 0; x < width; x += perByte) {
        unsigned byte = 0;
        for (int k = 0; k < perByte; ++k) {
          const unsigned index = x + k < width ? palette->IndexOf(row[x + k]) : 0;
          byte |= index << (8 - bpp * (k + 1));
        }
        out.push_back(static_cast<Byte>(byte));
      }
      break;
    }
    case 15:
      for (int x = 0; x < width; ++x) {
        Put16(out, (Scale(row[x], 16, 31) << 10) | (Scale(row[x], 8, 31) << 5) | Scale(row[x], 0, 31));
      }
      break;
    case 16:
      for (int x = 0; x < width; ++x) {
        Put16(out, (Scale(row[x], 16, 31) << 11) | (Scale(row[x], 8, 63) << 5) | Scale(row[x], 0, 31));
      }
      break;
    case 24:
      for (int x = 0; x < width; ++x) {
        out.push_back(static_cast<Byte>(row[x]));
        out.push_back(static_cast<Byte>(row[x] >> 8));
        out.push_back(static_cast<Byte>(row[x] >> 16));
      }
      break;
    default:
      for (int x = 0; x < width; ++x) Put32(out, row[x]);
  }
  while ((out.size() - start) % 4 != 0) out.push_back(0);
}

// Repeated indices become runs; three or more differing ones a literal run
// (padded to a whole word); at 4 bits a byte carries two pixels.
void EncodeRleRow(std::vector<Byte>& out, const std::vector<unsigned>& indices, bool four) {
  const std::size_t n = indices.size();
  std::size_t i = 0;
  while (i < n) {
    std::size_t run = 1;
    while (i + run < n && run < 255 && indices[i + run] == indices[i]) ++run;
    if (run >= 2) {
      out.push_back(static_cast<Byte>(run));
      out.push_back(static_cast<Byte>(four ? (indices[i] << 4) | indices[i] : indices[i]));
      i += run;
      continue;
    }
    std::size_t literal = 1;
    while (i + literal < n && literal < 255 &&
           !(i + literal + 1 < n && indices[i + literal] == indices[i + literal + 1])) {
      ++literal;
    }
    if (literal < 3) {
      for (std::size_t k = 0; k < literal; ++k) {
        out.push_back(1);
        out.push_back(static_cast<Byte>(four ? indices[i + k] << 4 : indices[i + k]));
      }
    } else {
      out.push_back(0);
      out.push_back(static_cast<Byte>(literal));
      const std::size_t start = out.size();
      for (std::size_t k = 0; k < literal; k += four ? 2 : 1) {
        if (four) {
          const unsigned low = k + 1 < literal ? indices[i + k + 1] : 0;
          out.push_back(static_cast<Byte>((indices[i + k] << 4) | low));
        } else {
          out.push_back(static_cast<Byte>(indices[i + k]));
        }
      }
      if ((out.size() - start) % 2 != 0) out.push_back(0);
    }
    i += literal;
  }
  out.push_back(0);
  out.push_back(0);
}

}  // namespace

std::vector<Byte> WriteBmp(const Bitmap& image, const BmpWriteOptions& options) {
  const int bpp = options.BitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 15 && bpp != 16 && bpp != 24 && bpp != 32) {
    throw EInvalidGraphic("BMP files cannot hold that bit depth");
  }
  if (options.Rle && (bpp != 4 && bpp != 8)) throw EInvalidGraphic("Run-length BMP files hold 4 or 8 bits");
  if (options.Rle && options.TopDown) throw EInvalidGraphic("Run-length BMP files are bottom-up");
  const int width = image.Width();
  const int height = image.Height();
  std::unique_ptr<Palette> palette;
  if (bpp <= 8) palette = std::make_unique<Palette>(image, std::size_t{1} << bpp);

  std::vector<Byte> pixels;
  for (int fileRow = 0; fileRow < height; ++fileRow) {
    const TPixel* row = image.Row(options.TopDown ? fileRow : height - 1 - fileRow);
    if (options.Rle) {
      std::vector<unsigned> indices(static_cast<std::size_t>(width));
      for (int x = 0; x < width; ++x) indices[static_cast<std::size_t>(x)] = palette->IndexOf(row[x]);
      EncodeRleRow(pixels, indices, bpp == 4);
    } else {
      PackRow(pixels, row, width, bpp, palette.get());
    }
  }
  if (options.Rle) {
    pixels.push_back(0);
    pixels.push_back(1);
  }

  const bool bitFields = bpp == 16;
  const std::size_t paletteBytes = palette ? palette->Colours().size() * 4 : 0;
  const std::size_t headerBytes = InfoHeaderSize + (bitFields ? 12 : 0) + paletteBytes;
  const std::size_t offset = (options.FileHeader ? FileHeaderSize : 0) + headerBytes;
  std::vector<Byte> out;
  out.reserve(offset + pixels.size());
  if (options.FileHeader) {
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<DWORD>(offset + pixels.size()));
    Put32(out, 0);
    Put32(out, static_cast<DWORD>(offset));
  }
  Put32(out, InfoHeaderSize);
  Put32(out, static_cast<DWORD>(width));
  Put32(out, static_cast<DWORD>(options.TopDown ? -height : height));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bpp == 15 ? 16 : bpp));
  Put32(out, options.Rle ? (bpp == 8 ? BI_RLE8 : BI_RLE4) : bitFields ? BI_BITFIELDS : BI_RGB);
  Put32(out, static_cast<DWORD>(pixels.size()));
  Put32(out, 3780);  // 96 DPI in pixels per metre
  Put32(out, 3780);
  Put32(out, palette ? static_cast<DWORD>(palette->Colours().size()) : 0);
  Put32(out, 0);
  if (bitFields) {
    Put32(out, 0xF800);
    Put32(out, 0x07E0);
    Put32(out, 0x001F);
  }
  if (palette) {
    for (TPixel c : palette->Colours()) Put32(out, c & 0xFFFFFF);
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

void WriteBmp(TStream& stream, const Bitmap& image, const BmpWriteOptions& options) {
  const std::vector<Byte> data = WriteBmp(image, options);
  stream.WriteBuffer(data.data(), static_cast<Int64>(data.size()));
}

}  // namespace plat
