// JPEG decoding through libjpeg.
#include "platform/Jpeg.h"

#include <jpeglib.h>

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/PictureSize.h"

namespace {
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// libjpeg reports errors by long jump, so nothing with a destructor may live in this frame. A picture beyond the
// size bounds is refused from its header, before libjpeg or the image allocate anything for its pixels; its claimed
// size goes to *claimed.
bool DecodeInto(const QByteArray& bytes, QImage* image, char* message, QSize* claimed) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  if (setjmp(errors.jump)) {
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
  jpeg_read_header(&info, TRUE);
  if (!IsPictureSizeAllowed(info.image_width, info.image_height)) {
    *claimed = QSize(info.image_width, info.image_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_EXT_BGRA;  // little-endian 0xAARRGGBB words
  jpeg_start_decompress(&info);
  *image = QImage(info.output_width, info.output_height, QImage::Format_ARGB32);
  if (image->isNull()) {
    std::snprintf(message, JMSG_LENGTH_MAX, "out of memory");
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(info.output_scanline);
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}
}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
  QImage image;
  char message[JMSG_LENGTH_MAX] = {};
  QSize claimed;
  if (bytes.isEmpty()) throw std::runtime_error("файл пуст");
  if (!DecodeInto(bytes, &image, message, &claimed)) {
    if (claimed.isValid())
      throw std::runtime_error(PictureSizeRefusal(claimed.width(), claimed.height()).toStdString());
    throw std::runtime_error(std::string("это не JPEG или он повреждён (") + message + ")");
  }
  return image;
}

QImage DecodeJpegFile(const QString& fileName) {
  QFile file(fileName);
  const auto refuse = [&](const QString& reason) {
    return std::runtime_error(QString("Картинку «%1» нельзя показать: %2.").arg(fileName, reason).toStdString());
  };
  if (!file.open(QIODevice::ReadOnly)) throw refuse("файл не открывается");
  try {
    return DecodeJpeg(file.readAll());
  } catch (const std::runtime_error& e) {
    throw refuse(QString::fromStdString(e.what()));
  }
}
