// Reading a free puzzle's picture file.
#include "free/puzzle/PictureDecode.h"

#include <QFile>
#include <QImageReader>
#include <stdexcept>

#include "platform/Jpeg.h"
#include "platform/PictureSize.h"

QImage DecodeFreePicture(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("файл не открывается");
  if (file.peek(3) == QByteArray("\xFF\xD8\xFF", 3)) return DecodeJpeg(file.readAll());
  QImageReader reader(&file);
  reader.setAutoTransform(true);
  const QSize claimed = reader.size();
  if (claimed.isValid() && !IsPictureSizeAllowed(claimed.width(), claimed.height()))
    throw std::runtime_error(PictureSizeRefusal(claimed.width(), claimed.height()).toStdString());
  const QImage image = reader.read();
  if (image.isNull())
    throw std::runtime_error(
        QString("это не картинка или она повреждена (%1)").arg(reader.errorString()).toStdString());
  return image;
}
