// Small level files for tests.
#include "LevelFiles.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include "engine/level/LevelData.h"

QByteArray SquareLevelBytes() {
  TLevelData data;
  data.dr = 12;
  data.da = 8;
  data.msg = "null";
  data.Pic.resize(4);
  for (TPicClip& record : data.Pic) record.ID = "200,200,600,200;600,200,600,600;600,600,200,600;200,600,200,200";
  return LevelDataBytes(data);
}

QByteArray EncodedPicture(const char* format, QSize size, QColor colour) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format);
  return bytes;
}

// The JPEG with its frame header (baseline or progressive) claiming width × height.
QByteArray JpegClaiming(int width, int height) {
  QByteArray bytes = EncodedPicture("JPG", QSize(16, 12), Qt::blue);
  for (qsizetype at = 2; at + 9 < bytes.size(); ++at)
    if (static_cast<uchar>(bytes[at]) == 0xFF && (static_cast<uchar>(bytes[at + 1]) & 0xFE) == 0xC0) {
      qToBigEndian<quint16>(height, bytes.data() + at + 5);
      qToBigEndian<quint16>(width, bytes.data() + at + 7);
      return bytes;
    }
  return {};
}
