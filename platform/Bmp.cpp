// BMP: the header by hand, the pixels by Qt.
#include "platform/Bmp.h"

#include <QFile>
#include <QtEndian>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "platform/PictureSize.h"

namespace {
// File header (14 bytes), then the info header: its size, then width and height.
constexpr int kInfoHeaderAt = 14;
constexpr int kCoreHeaderSize = 12;  // OS/2 1.x: 16-bit width and height
constexpr int kSizeBytesNeeded = 26;

[[noreturn]] void Refuse(const QString& fileName, const QString& reason) {
  throw std::runtime_error(QString("Картинку «%1» нельзя показать: %2.").arg(fileName, reason).toStdString());
}
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

QImage ReadBmpFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) Refuse(fileName, "файл не открывается");
  const std::optional<QSize> size = BmpHeaderSize(file.peek(kSizeBytesNeeded));
  if (!size) Refuse(fileName, "это не BMP-файл");
  if (!IsPictureSizeAllowed(size->width(), size->height()))
    Refuse(fileName, PictureSizeRefusal(size->width(), size->height()));
  QImage picture;
  if (!picture.loadFromData(file.readAll(), "BMP")) Refuse(fileName, "BMP-файл повреждён");
  return picture;
}
