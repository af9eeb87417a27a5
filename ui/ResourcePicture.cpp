#include "ui/ResourcePicture.h"

#include <QFileInfo>
#include <exception>

#include "platform/Jpeg.h"
#include "platform/ProgramFolder.h"

QImage LoadResourcePicture(const QString& relativeName) {
  const QString path = ResourceFolder() + relativeName;
  const QString suffix = QFileInfo(path).suffix().toLower();
  try {
    if (suffix == "jpg" || suffix == "jpeg") return DecodeJpegFile(path);
  } catch (const std::exception&) {
    return QImage();
  }
  QImage image;
  image.load(path);
  return image;
}
