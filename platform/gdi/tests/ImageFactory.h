#pragma once
// Encoded pictures made by the real libraries (giflib, libjpeg) and icon
// files assembled from DIBs, for the reader tests.
#include <algorithm>
#include <cstdio>  // before jpeglib.h, which uses FILE

#include <gif_lib.h>
#include <jpeglib.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/BmpCodec.h"

namespace plat::testing {

inline std::unique_ptr<Bitmap> MakePicture(int width, int height, TPixel (*pixel)(int x, int y)) {
  auto image = std::make_unique<Bitmap>(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image->Put(x, y, pixel(x, y));
  }
  return image;
}

struct GifFrameSpec {
  int Left, Top, Width, Height;
  std::vector<GifPixelType> Indices;  // row by row
  int TransparentIndex = NO_TRANSPARENT_COLOR;
  int DelayCs = 0;
  int Disposal = DISPOSAL_UNSPECIFIED;
  bool Interlace = false;
  std::vector<GifColorType> LocalColours;  // empty: the global ones
};

inline GifFrameSpec FrameSpec(int left, int top, int width, int height, std::vector<GifPixelType> indices) {
  GifFrameSpec frame;
  frame.Left = left, frame.Top = top, frame.Width = width, frame.Height = height;
  frame.Indices = std::move(indices);
  return frame;
}

inline int WriteToVector(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<Byte>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

inline std::vector<Byte> EncodeGif(int width, int height, const std::vector<GifColorType>& globalColours,
                                   const std::vector<GifFrameSpec>& frames) {
  std::vector<Byte> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteToVector, &error);
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = GifMakeMapObject(static_cast<int>(globalColours.size()), globalColours.data());
  EGifPutScreenDesc(gif, width, height, 8, 0, global);
  for (const GifFrameSpec& f : frames) {
    GraphicsControlBlock control{f.Disposal, false, f.DelayCs, f.TransparentIndex};
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    ColorMapObject* local = f.LocalColours.empty()
                                ? nullptr
                                : GifMakeMapObject(static_cast<int>(f.LocalColours.size()), f.LocalColours.data());
    if (local == nullptr && gif->Image.ColorMap != nullptr) {
      // The encoder would drop the previous frame's colours without freeing them.
      GifFreeMapObject(gif->Image.ColorMap);
      gif->Image.ColorMap = nullptr;
    }
    EGifPutImageDesc(gif, f.Left, f.Top, f.Width, f.Height, f.Interlace, local);
    // An interlaced frame is written in pass order.
    std::vector<int> rows;
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < (f.Interlace ? 4 : 1); ++pass) {
      for (int y = f.Interlace ? starts[pass] : 0; y < f.Height; y += f.Interlace ? steps[pass] : 1) rows.push_back(y);
    }
    for (int y : rows) {
      EGifPutLine(gif, const_cast<GifPixelType*>(f.Indices.data()) + static_cast<std::size_t>(y) * f.Width, f.Width);
    }
    GifFreeMapObject(local);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(global);
  return out;
}

struct JpegSpec {
  int Width = 32;
  int Height = 24;
  int Components = 3;  // 1 grey, 3 RGB, 4 CMYK
  bool Progressive = false;
  // Progressive grey only: every coefficient band in a scan of its own, in
  // three steps of precision, 190 scans in all.
  bool EveryBandApart = false;
};

// The scan script of JpegSpec::EveryBandApart.
inline std::vector<jpeg_scan_info> EveryBandApartScans() {
  std::vector<jpeg_scan_info> scans;
  scans.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, 0, 0, 0, 0});
  for (int step = 0; step < 3; ++step) {
    for (int band = 1; band < 64; ++band) {
      const int high = step == 0 ? 0 : 3 - step;  // 0 then 2, 1: each refines the step before
      scans.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, band, band, high, 2 - step});
    }
  }
  return scans;
}

// A smooth picture that survives compression closely: channel c at (x, y).
inline int JpegPattern(int x, int y, int c) { return std::min(255, x * 3 + y * 2 + c * 40); }

inline std::vector<Byte> EncodeJpeg(const JpegSpec& spec) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(spec.Width);
  info.image_height = static_cast<JDIMENSION>(spec.Height);
  info.input_components = spec.Components;
  info.in_color_space = spec.Components == 1 ? JCS_GRAYSCALE : spec.Components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (spec.Progressive) jpeg_simple_progression(&info);
  const std::vector<jpeg_scan_info> script = EveryBandApartScans();
  if (spec.EveryBandApart) {
    info.scan_info = script.data();
    info.num_scans = static_cast<int>(script.size());
  }
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(spec.Width) * spec.Components);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < spec.Width; ++x) {
      for (int c = 0; c < spec.Components; ++c) {
        row[static_cast<std::size_t>(x) * spec.Components + c] = static_cast<JSAMPLE>(JpegPattern(x, y, c));
      }
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<Byte> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

struct IconSpec {
  std::unique_ptr<Bitmap> Image;
  int BitsPerPixel;
  std::vector<bool> Transparent;  // row by row from the top; empty: none
};

// An icon file: a directory, then for each image its DIB (height doubled)
// followed by its AND mask.
inline std::vector<Byte> EncodeIco(const std::vector<IconSpec>& images, bool withPngEntry = false) {
  std::vector<std::vector<Byte>> bodies;
  for (const IconSpec& spec : images) {
    BmpWriteOptions options;
    options.BitsPerPixel = spec.BitsPerPixel;
    options.FileHeader = false;
    std::vector<Byte> dib = WriteBmp(*spec.Image, options);
    const std::int32_t doubled = spec.Image->Height() * 2;
    std::memcpy(dib.data() + 8, &doubled, 4);
    const int width = spec.Image->Width();
    const std::size_t stride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
    for (int fileRow = 0; fileRow < spec.Image->Height(); ++fileRow) {
      const int y = spec.Image->Height() - 1 - fileRow;
      std::vector<Byte> row(stride, 0);
      for (int x = 0; x < width; ++x) {
        if (!spec.Transparent.empty() && spec.Transparent[static_cast<std::size_t>(y) * width + x]) {
          row[static_cast<std::size_t>(x) / 8] |= static_cast<Byte>(0x80 >> (x % 8));
        }
      }
      dib.insert(dib.end(), row.begin(), row.end());
    }
    bodies.push_back(std::move(dib));
  }
  if (withPngEntry) bodies.push_back({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
  std::vector<Byte> out = {0, 0, 1, 0, static_cast<Byte>(bodies.size()), 0};
  std::size_t offset = 6 + 16 * bodies.size();
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    const bool png = i >= images.size();
    const int w = png ? 0 : images[i].Image->Width();
    const int h = png ? 0 : images[i].Image->Height();
    const Byte entry[16] = {static_cast<Byte>(w),
                            static_cast<Byte>(h),
                            0,
                            0,
                            1,
                            0,
                            32,
                            0,
                            static_cast<Byte>(bodies[i].size()),
                            static_cast<Byte>(bodies[i].size() >> 8),
                            static_cast<Byte>(bodies[i].size() >> 16),
                            0,
                            static_cast<Byte>(offset),
                            static_cast<Byte>(offset >> 8),
                            static_cast<Byte>(offset >> 16),
                            0};
    out.insert(out.end(), entry, entry + 16);
    offset += bodies[i].size();
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace plat::testing
