// The picture readers on any bytes: a header claiming a huge picture is refused before anything is allocated.
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <exception>

#include "platform/BinaryStream.h"
#include "platform/Bmp.h"
#include "platform/Jpeg.h"
#include "platform/PictureSize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  try {
    const QImage picture = DecodeJpeg(bytes);
    if (!IsPictureSizeAllowed(picture.width(), picture.height())) std::abort();
  } catch (const std::exception&) {
  }
  const QString file = dir.filePath("picture.bmp");
  WriteFileAtomically(file, bytes);
  try {
    const QImage picture = ReadBmpFile(file);
    if (!IsPictureSizeAllowed(picture.width(), picture.height())) std::abort();
  } catch (const std::exception&) {
  }
  return 0;
}
