// Picture files: the format from the bytes, the decoder by format.
#include "platform/PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

#include "platform/Bmp.h"
#include "platform/Heif.h"
#include "platform/Jpeg.h"
#include "platform/Orientation.h"
#include "platform/PictureRefusal.h"
#include "platform/PictureSize.h"

namespace {
const QStringList kHeifSuffixes = {"heic", "heif", "hif"};

bool LooksLikeJpeg(const QByteArray& bytes) { return bytes.startsWith("\xFF\xD8\xFF"); }

// Qt's readers, the format found from the bytes; their header's size is checked before anything is decoded.
QImage DecodeThroughQt(const QByteArray& bytes, bool namedAsPicture) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (!reader.canRead()) throw namedAsPicture ? DamagedPicture(QString()) : UnsupportedPicture();
  const QSize claimed = reader.size();
  if (claimed.isValid() && !IsPictureSizeAllowed(claimed.width(), claimed.height()))
    throw TooLargePicture(claimed.width(), claimed.height(), kDecodedPictureBounds);
  reader.setAutoTransform(true);
  const QImage image = reader.read();
  if (image.isNull()) throw DamagedPicture(reader.errorString());
  // Qt's WebP reader knows nothing of EXIF.
  if (reader.format() == "webp") {
    const QByteArray exif = WebpExifChunk(bytes);
    return Upright(image, ExifOrientation(reinterpret_cast<const uchar*>(exif.constData()), exif.size()));
  }
  return image;
}
}  // namespace

QStringList PictureFileSuffixes() {
  QStringList suffixes = kHeifSuffixes;
  for (const QByteArray& format : QImageReader::supportedImageFormats()) suffixes << QString::fromLatin1(format);
  return suffixes;
}

QImage LoadPicture(const QString& file, QSize atLeast, QSize smallest) {
  const bool namedAsPicture = PictureFileSuffixes().contains(QFileInfo(file).suffix().toLower());
  return DecodePictureFile(file, [&](const QByteArray& bytes) {
    const QImage picture = LooksLikeJpeg(bytes)            ? DecodeJpeg(bytes, atLeast)
                           : bytes.startsWith("BM")        ? DecodeBmp(bytes)
                           : LooksLikeHeif(bytes.left(64)) ? DecodeHeif(bytes)
                                                           : DecodeThroughQt(bytes, namedAsPicture);
    if (smallest.isValid() && (picture.width() < smallest.width() || picture.height() < smallest.height()))
      throw TooSmallPicture(picture.size(), smallest);
    return picture;
  });
}

bool IsPictureFileName(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  return !suffix.isEmpty() && PictureFileSuffixes().contains(suffix);
}

QStringList DroppedPictures(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && IsPictureFileName(url.toLocalFile())) paths << url.toLocalFile();
  return paths;
}
