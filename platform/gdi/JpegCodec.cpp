#include "platform/gdi/JpegCodec.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "platform/gdi/CodecInput.h"

namespace plat {

namespace {

constexpr const char* Kind = "JPEG";
// A uniform picture packs a few hundred pixels into a byte; more is not a
// real picture.
constexpr long long JpegPixelsPerByte = 1024;
constexpr long MaxDecoderMemory = 512L * 1024 * 1024;
// Each scan of a progressive file is decoded over the whole picture, so a
// small file of many tiny scans costs a decoder many full passes. Real
// encoders write about ten; far more is a file built to waste time.
constexpr int MaxScans = 100;

// libjpeg reports errors by calling back; the callback jumps back to the
// step that called the library. The steps below hold no C++ objects, so the
// jump skips no destructor. Warnings (corrupt or missing data that libjpeg
// would paper over) count as errors.
struct ErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->Message);
  std::longjmp(errors->Jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
  if (level < 0) ErrorExit(info);
}

// libjpeg calls this as it works through the input, a scan at a time.
void CheckScans(j_common_ptr info) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number <= MaxScans) return;
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  std::snprintf(errors->Message, sizeof errors->Message, "more than %d scans", MaxScans);
  std::longjmp(errors->Jump, 1);
}

bool ReadHeaderStep(jpeg_decompress_struct* info, ErrorManager* errors) {
  if (setjmp(errors->Jump) != 0) return false;
  jpeg_read_header(info, TRUE);
  return true;
}

bool StartStep(jpeg_decompress_struct* info, ErrorManager* errors) {
  if (setjmp(errors->Jump) != 0) return false;
  info->out_color_space = JCS_RGB;
  jpeg_start_decompress(info);
  return true;
}

bool ReadLineStep(jpeg_decompress_struct* info, ErrorManager* errors, JSAMPROW row) {
  if (setjmp(errors->Jump) != 0) return false;
  return jpeg_read_scanlines(info, &row, 1) == 1;
}

bool FinishStep(jpeg_decompress_struct* info, ErrorManager* errors) {
  if (setjmp(errors->Jump) != 0) return false;
  jpeg_finish_decompress(info);
  return true;
}

// Owns the decompressor so that every exit destroys it.
class Decompressor {
 public:
  explicit Decompressor(std::span<const Byte> data) {
    FInfo.err = jpeg_std_error(&FErrors.Base);
    FErrors.Base.error_exit = ErrorExit;
    FErrors.Base.emit_message = EmitMessage;
    FErrors.Message[0] = 0;
    FProgress.progress_monitor = CheckScans;
    jpeg_create_decompress(&FInfo);
    FInfo.progress = &FProgress;
    FInfo.mem->max_memory_to_use = MaxDecoderMemory;
    jpeg_mem_src(&FInfo, data.data(), static_cast<unsigned long>(data.size()));
  }
  ~Decompressor() { jpeg_destroy_decompress(&FInfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  jpeg_decompress_struct* Info() { return &FInfo; }
  ErrorManager* Errors() { return &FErrors; }
  [[noreturn]] void Fail() const {
    throw EInvalidGraphic(String("Invalid JPEG image: ") + (FErrors.Message[0] ? FErrors.Message : "corrupt data"));
  }

 private:
  jpeg_decompress_struct FInfo{};
  ErrorManager FErrors{};
  jpeg_progress_mgr FProgress{};
};

}  // namespace

JpegImage ReadJpeg(std::span<const Byte> data) {
  if (data.size() < 2 || data[0] != 0xFF || data[1] != 0xD8)
    throw EInvalidGraphic("Invalid JPEG image: no start marker");
  Decompressor decompressor(data);
  jpeg_decompress_struct* info = decompressor.Info();
  ErrorManager* errors = decompressor.Errors();
  if (!ReadHeaderStep(info, errors)) decompressor.Fail();
  CheckImageSize(info->image_width, info->image_height, data.size(), JpegPixelsPerByte, Kind);
  JpegImage image;
  image.Grayscale = info->jpeg_color_space == JCS_GRAYSCALE;
  if (!StartStep(info, errors)) decompressor.Fail();
  if (info->output_components != 3) throw EInvalidGraphic("Invalid JPEG image: unexpected colour layout");
  const int width = static_cast<int>(info->output_width);
  const int height = static_cast<int>(info->output_height);
  image.Image = std::make_unique<Bitmap>(width, height);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    if (!ReadLineStep(info, errors, row.data())) decompressor.Fail();
    TPixel* dest = image.Image->Row(y);
    for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
      dest[x] = (static_cast<TPixel>(row[x * 3]) << 16) | (static_cast<TPixel>(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
    }
  }
  if (!FinishStep(info, errors)) decompressor.Fail();
  return image;
}

}  // namespace plat
