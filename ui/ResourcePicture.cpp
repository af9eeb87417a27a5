#include "ui/ResourcePicture.h"

#include <QFileInfo>
#include <exception>

#include "platform/PictureFile.h"
#include "platform/ProgramFolder.h"

QImage LoadResourcePicture(const QString& relativeName) {
  const QString path = ResourceFolder() + relativeName;
  const QString suffix = QFileInfo(path).suffix().toLower();
  try {
    if (suffix == "jpg" || suffix == "jpeg") return LoadPicture(path, QSize());
  } catch (const std::exception&) {
    return QImage();
  }
  QImage image;
  image.load(path);
  return image;
}
