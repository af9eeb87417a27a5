// The Russian reasons a picture is refused.
#include "platform/PictureRefusal.h"

#include <QFile>

#include "platform/PictureSize.h"

TPictureRefusal::TPictureRefusal(TPictureFault fault, const QString& reason)
    : std::runtime_error(reason.toStdString()), fault_(fault), reason_(reason) {}

TPictureRefusal UnsupportedPicture() {
  return {TPictureFault::Unsupported, "такой формат игра не читает, она берёт JPEG, PNG, BMP, WebP, TIFF и HEIC"};
}

TPictureRefusal DamagedPicture(const QString& detail) {
  return {TPictureFault::Damaged, detail.isEmpty() ? QString("файл повреждён или это не картинка")
                                                   : QString("файл повреждён или это не картинка (%1)").arg(detail)};
}

TPictureRefusal IncompletePicture() {
  return {TPictureFault::Incomplete, "файл неполон: картинка обрывается, не дописана или не докачана"};
}

TPictureRefusal TooLargePicture(qint64 width, qint64 height, TPictureBounds bounds) {
  return {TPictureFault::TooLarge, PictureSizeRefusal(width, height, bounds)};
}

TPictureRefusal TooSmallPicture(QSize size, QSize smallest) {
  return {TPictureFault::TooSmall, QString("картинка %1 × %2 точек слишком мала, нужно хотя бы %3 × %4")
                                       .arg(size.width())
                                       .arg(size.height())
                                       .arg(smallest.width())
                                       .arg(smallest.height())};
}

QImage DecodePictureFile(const QString& fileName, const std::function<QImage(const QByteArray&)>& decode) {
  const auto naming = [&](const TPictureRefusal& refusal) {
    return TPictureRefusal(refusal.Fault(),
                           QString("Картинку «%1» нельзя показать: %2.").arg(fileName, refusal.Reason()));
  };
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) throw naming({TPictureFault::NotOpened, "файл не открывается"});
  try {
    return decode(file.readAll());
  } catch (const TPictureRefusal& refusal) {
    throw naming(refusal);
  }
}
