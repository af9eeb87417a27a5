// Photo files for tests, written through libjpeg, Qt's writers and libheif.
#include "PhotoFiles.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <libheif/heif.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

QImage MarkedPicture(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(kFieldColour);
  QPainter(&picture).fillRect(0, 0, size.width() / 2, size.height() / 2, kMarkColour);
  return picture;
}

QByteArray ExifTiff(int orientation) {
  // Little-endian TIFF header, one IFD of one entry: tag 0x0112, type SHORT, count 1, the value; no next IFD.
  QByteArray tiff("II*\0\x08\0\0\0", 8);
  const auto add16 = [&](quint16 v) { tiff.append(reinterpret_cast<const char*>(&v), 2); };
  const auto add32 = [&](quint32 v) { tiff.append(reinterpret_cast<const char*>(&v), 4); };
  add16(1);
  add16(0x0112);
  add16(3);
  add32(1);
  add16(static_cast<quint16>(orientation));
  add16(0);
  add32(0);
  return tiff;
}

void WriteJpeg(const QString& path, const TJpegPlan& plan) {
  QDir().mkpath(QFileInfo(path).path());
  std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
  if (!file) throw std::runtime_error("cannot write " + path.toStdString());
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = plan.size.width();
  info.image_height = plan.size.height();
  info.input_components = plan.cmyk ? 4 : 3;
  info.in_color_space = plan.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  if (plan.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  if (plan.orientation) {
    const QByteArray app1 = QByteArray("Exif\0\0", 6) + ExifTiff(plan.orientation);
    jpeg_write_marker(&info, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(app1.constData()), app1.size());
  }
  // Two kinds of row: through the mark, and below it.
  const auto pixel = [&](const QColor& c) -> std::vector<JSAMPLE> {
    if (!plan.cmyk) return {JSAMPLE(c.red()), JSAMPLE(c.green()), JSAMPLE(c.blue())};
    const int k = 255 - std::max({c.red(), c.green(), c.blue()});
    const auto ink = [&](int v) { return k == 255 ? 0 : (255 - v - k) * 255 / (255 - k); };
    return {JSAMPLE(255 - ink(c.red())), JSAMPLE(255 - ink(c.green())), JSAMPLE(255 - ink(c.blue())), JSAMPLE(255 - k)};
  };
  const std::vector<JSAMPLE> mark = pixel(kMarkColour), field = pixel(kFieldColour);
  std::vector<JSAMPLE> upper, lower;
  for (int x = 0; x < plan.size.width(); ++x) {
    const std::vector<JSAMPLE>& top = x < plan.size.width() / 2 ? mark : field;
    upper.insert(upper.end(), top.begin(), top.end());
    lower.insert(lower.end(), field.begin(), field.end());
  }
  // The grain: a few rows of noise, taken in turn, each added to the row it lies over.
  constexpr int kGrainRows = 61;
  std::vector<std::vector<JSAMPLE>> grain(plan.grainy ? kGrainRows : 0, std::vector<JSAMPLE>(upper.size()));
  std::minstd_rand noise(7);
  for (auto& row : grain)
    for (JSAMPLE& sample : row) sample = JSAMPLE(noise() % 24);
  std::vector<JSAMPLE> grained(upper.size());
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    JSAMPROW row = y < plan.size.height() / 2 ? upper.data() : lower.data();
    if (plan.grainy) {
      for (size_t i = 0; i < grained.size(); ++i)
        grained[i] = JSAMPLE(std::min(255, row[i] + grain[y % kGrainRows][i]));
      row = grained.data();
    }
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(file);
}

QByteArray WebpWithExif(QSize size, int orientation) {
  QByteArray simple;
  QBuffer buffer(&simple);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "webp");
  writer.setQuality(100);
  if (!writer.write(MarkedPicture(size))) throw std::runtime_error("Qt cannot write WebP");
  // RIFF, size, "WEBP", then the extended header naming an EXIF chunk, the picture's chunk, the EXIF chunk.
  QByteArray vp8x("VP8X\x0a\0\0\0\x08\0\0\0", 12);
  const auto add24 = [&](int v) { vp8x.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)).append(char(v >> 16)); };
  add24(size.width() - 1);
  add24(size.height() - 1);
  QByteArray exif = ExifTiff(orientation);
  QByteArray exifChunk("EXIF", 4);
  quint32 exifSize = qToLittleEndian<quint32>(exif.size());
  exifChunk.append(reinterpret_cast<const char*>(&exifSize), 4).append(exif);
  if (exif.size() & 1) exifChunk.append('\0');
  QByteArray body = QByteArray("WEBP") + vp8x + simple.mid(12) + exifChunk;
  const quint32 riffSize = qToLittleEndian<quint32>(body.size());
  return QByteArray("RIFF") + QByteArray(reinterpret_cast<const char*>(&riffSize), 4) + body;
}

QByteArray TiffTurned(QSize size, int orientation) {
  // EXIF's orientation numbers as Qt's transformations.
  static const QImageIOHandler::Transformations kQt[] = {
      QImageIOHandler::TransformationNone,     QImageIOHandler::TransformationNone,
      QImageIOHandler::TransformationMirror,   QImageIOHandler::TransformationRotate180,
      QImageIOHandler::TransformationFlip,     QImageIOHandler::TransformationFlipAndRotate90,
      QImageIOHandler::TransformationRotate90, QImageIOHandler::TransformationMirrorAndRotate90,
      QImageIOHandler::TransformationRotate270};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "tiff");
  writer.setTransformation(kQt[orientation]);
  if (!writer.write(MarkedPicture(size))) throw std::runtime_error("Qt cannot write TIFF");
  return bytes;
}

QByteArray HeicTurned(QSize size, int orientation) {
  if (!heif_have_encoder_for_format(heif_compression_HEVC)) return {};
  const QImage picture = MarkedPicture(size).convertToFormat(QImage::Format_RGB888);
  heif_context* context = heif_context_alloc();
  heif_encoder* encoder = nullptr;
  heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
  heif_encoder_set_lossy_quality(encoder, 90);
  heif_image* image = nullptr;
  heif_image_create(size.width(), size.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
  heif_image_add_plane(image, heif_channel_interleaved, size.width(), size.height(), 8);
  int stride = 0;
  uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
  for (int y = 0; y < size.height(); ++y) std::memcpy(plane + y * stride, picture.constScanLine(y), size.width() * 3);
  heif_encoding_options* options = heif_encoding_options_alloc();
  options->image_orientation = static_cast<heif_orientation>(orientation);
  heif_context_encode_image(context, image, encoder, options, nullptr);
  heif_encoding_options_free(options);
  heif_image_release(image);
  heif_encoder_release(encoder);
  QByteArray bytes;
  heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* to) {
                       static_cast<QByteArray*>(to)->append(static_cast<const char*>(data), size);
                       return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                     }};
  heif_context_write(context, &writer, &bytes);
  heif_context_free(context);
  return bytes;
}
