// JPEG decoding through libjpeg.
#include "platform/Jpeg.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <string>

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

// libjpeg reports errors by long jump, so nothing with a destructor may live in this frame.
bool DecodeInto(const QByteArray& bytes, QImage* image, char* message) {
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
  info.out_color_space = JCS_EXT_BGRA;  // little-endian 0xAARRGGBB words
  jpeg_start_decompress(&info);
  *image = QImage(info.output_width, info.output_height, QImage::Format_ARGB32);
  if (image->isNull()) {
    std::snprintf(message, JMSG_LENGTH_MAX, "picture too large");
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
  if (bytes.isEmpty()) throw std::runtime_error("empty JPEG data");
  if (!DecodeInto(bytes, &image, message)) throw std::runtime_error(std::string("not a readable JPEG: ") + message);
  return image;
}

QImage DecodeJpegFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot open " + fileName.toStdString());
  try {
    return DecodeJpeg(file.readAll());
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(fileName.toStdString() + ": " + e.what());
  }
}
