// JPEG decoding through libjpeg.
#include "platform/Jpeg.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>
#include <cstring>

#include "platform/Orientation.h"
#include "platform/PictureRefusal.h"
#include "platform/PictureSize.h"

namespace {
// Progressive JPEGs keep every coefficient of the picture until the last scan, whatever the scale: this caps them,
// and with them the peak of any decode.
constexpr long kJpegWorkingMemory = long{192} << 20;
constexpr int kScaleSteps = 8;

enum class TOutcome { Decoded, Damaged, Incomplete, ClaimsTooMuch, DecodesTooLarge, NeedsTooMuchMemory };

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool incomplete;
  bool corrupt;
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings that libjpeg reads past would show grey or garbled rows: the picture is refused instead.
void OnMessage(j_common_ptr info, int level) {
  if (level >= 0) return;
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  ++info->err->num_warnings;
  const int code = info->err->msg_code;
  if (code == JWRN_JPEG_EOF) manager->incomplete = true;
  if (code == JWRN_HUFF_BAD_CODE || code == JWRN_HIT_MARKER) manager->corrupt = true;
}

int OrientationOf(const jpeg_decompress_struct& info) {
  for (jpeg_saved_marker_ptr marker = info.marker_list; marker; marker = marker->next)
    if (marker->marker == JPEG_APP0 + 1 && marker->data_length > 6 && std::memcmp(marker->data, "Exif\0", 6) == 0)
      return ExifOrientation(marker->data, marker->data_length);
  return 1;
}

// The smallest scale whose output still covers atLeast, the full size without one; the output size goes to
// info->output_width and output_height.
void ChooseScale(jpeg_decompress_struct* info, QSize atLeast) {
  info->scale_denom = kScaleSteps;
  for (info->scale_num = atLeast.isValid() ? 1 : kScaleSteps;; ++info->scale_num) {
    jpeg_calc_output_dimensions(info);
    if (info->scale_num == kScaleSteps) return;
    if (static_cast<int>(info->output_width) >= atLeast.width() &&
        static_cast<int>(info->output_height) >= atLeast.height())
      return;
  }
}

// Adobe's CMYK JPEGs store the inks inverted, others as they are.
void CmykToArgb(const JSAMPLE* cmyk, int width, bool inverted, uchar* argb) {
  auto* out = reinterpret_cast<QRgb*>(argb);
  for (int x = 0; x < width; ++x, cmyk += 4) {
    const int c = inverted ? cmyk[0] : 255 - cmyk[0], m = inverted ? cmyk[1] : 255 - cmyk[1];
    const int y = inverted ? cmyk[2] : 255 - cmyk[2], k = inverted ? cmyk[3] : 255 - cmyk[3];
    out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
  }
}

// libjpeg reports errors by long jump, so nothing with a destructor may live in this frame. A picture beyond the
// size bounds is refused from its header, before libjpeg or the image allocate anything for its pixels; the size it
// claims or would decode to goes to *size.
TOutcome DecodeInto(const QByteArray& bytes, QSize atLeast, QImage* image, int* orientation, QSize* size,
                    char* message) {
  jpeg_decompress_struct info;
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.jump)) {
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
    const bool memory = errors.base.msg_code == JERR_NO_BACKING_STORE || errors.base.msg_code == JERR_OUT_OF_MEMORY;
    jpeg_destroy_decompress(&info);
    return memory ? TOutcome::NeedsTooMuchMemory : errors.incomplete ? TOutcome::Incomplete : TOutcome::Damaged;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = kJpegWorkingMemory;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
  jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&info, TRUE);
  *size = QSize(info.image_width, info.image_height);
  if (!IsPictureSizeAllowed(info.image_width, info.image_height, kScaledJpegBounds)) {
    jpeg_destroy_decompress(&info);
    return TOutcome::ClaimsTooMuch;
  }
  *orientation = OrientationOf(info);
  ChooseScale(&info, LiesSideways(*orientation) ? atLeast.transposed() : atLeast);
  if (!IsPictureSizeAllowed(info.output_width, info.output_height)) {
    *size = QSize(info.output_width, info.output_height);
    jpeg_destroy_decompress(&info);
    return TOutcome::DecodesTooLarge;
  }
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  const bool inverted = info.saw_Adobe_marker;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;  // BGRA: little-endian 0xAARRGGBB words
  jpeg_start_decompress(&info);
  *image = QImage(info.output_width, info.output_height, QImage::Format_ARGB32);
  if (image->isNull()) {
    std::snprintf(message, JMSG_LENGTH_MAX, "out of memory");
    jpeg_destroy_decompress(&info);
    return TOutcome::NeedsTooMuchMemory;
  }
  JSAMPARRAY inks =
      cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 4, 1)
           : nullptr;
  while (info.output_scanline < info.output_height) {
    uchar* line = image->scanLine(info.output_scanline);
    JSAMPROW row = cmyk ? inks[0] : line;
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) CmykToArgb(inks[0], info.output_width, inverted, line);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  if (errors.incomplete) return TOutcome::Incomplete;
  return errors.corrupt ? TOutcome::Damaged : TOutcome::Decoded;
}
}  // namespace

QImage DecodeJpeg(const QByteArray& bytes, QSize atLeast) {
  QImage image;
  int orientation = 1;
  QSize size;
  char message[JMSG_LENGTH_MAX] = {};
  if (bytes.isEmpty()) throw DamagedPicture("файл пуст");
  switch (DecodeInto(bytes, atLeast, &image, &orientation, &size, message)) {
    case TOutcome::Decoded: return Upright(image, orientation);
    case TOutcome::Incomplete: throw IncompletePicture();
    case TOutcome::ClaimsTooMuch: throw TooLargePicture(size.width(), size.height(), kScaledJpegBounds);
    case TOutcome::DecodesTooLarge: throw TooLargePicture(size.width(), size.height(), kDecodedPictureBounds);
    case TOutcome::NeedsTooMuchMemory:
      throw TPictureRefusal(TPictureFault::TooLarge,
                            QString("картинке %1 × %2 точек нужно больше памяти, чем игра даёт одной картинке (%3 МБ)")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(kJpegWorkingMemory >> 20));
    case TOutcome::Damaged: break;
  }
  throw DamagedPicture(message[0] ? QString::fromLatin1(message) : QString("сжатые данные JPEG испорчены"));
}

QImage DecodeJpegFile(const QString& fileName) {
  return DecodePictureFile(fileName, [](const QByteArray& bytes) { return DecodeJpeg(bytes); });
}
