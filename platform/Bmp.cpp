// BMP: the header by hand, the pixels by Qt.
#include "platform/Bmp.h"

#include <QtEndian>
#include <cstdint>
#include <cstdlib>

#include "platform/PictureRefusal.h"
#include "platform/PictureSize.h"

namespace {
// File header (14 bytes), then the info header: its size, then width and height.
constexpr int kInfoHeaderAt = 14;
constexpr int kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit width and height
constexpr int kSizeBytesNeeded = 26;
}  // namespace

std::optional<QSize> BmpHeaderSize(const QByteArray& head) {
  if (head.size() < kSizeBytesNeeded || !head.startsWith("BM")) return std::nullopt;
  const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
  const quint32 infoSize = qFromLittleEndian<quint32>(bytes + kInfoHeaderAt);
  if (infoSize == kCoreHeaderSize)
    return QSize(qFromLittleEndian<quint16>(bytes + 18), qFromLittleEndian<quint16>(bytes + 20));
  const qint32 width = qFromLittleEndian<qint32>(bytes + 18);
  const qint32 height = qFromLittleEndian<qint32>(bytes + 22);
  // INT32_MIN has no positive counterpart; it is beyond every bound anyway.
  const qint32 rows = height == INT32_MIN ? INT32_MAX : std::abs(height);
  return QSize(width, rows);
}

QImage DecodeBmp(const QByteArray& bytes) {
  const std::optional<QSize> size = BmpHeaderSize(bytes.left(kSizeBytesNeeded));
  if (!size) throw DamagedPicture("это не BMP-файл");
  if (!IsPictureSizeAllowed(size->width(), size->height()))
    throw TooLargePicture(size->width(), size->height(), kDecodedPictureBounds);
  QImage picture;
  if (!picture.loadFromData(bytes, "BMP")) throw DamagedPicture("BMP-файл повреждён");
  return picture;
}

QImage ReadBmpFile(const QString& fileName) { return DecodePictureFile(fileName, DecodeBmp); }
