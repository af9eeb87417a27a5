// JPEG decoding through libjpeg, the only picture format the game reads besides BMP.
#pragma once

#include <QImage>
#include <QString>

// Decodes a JPEG file into an opaque ARGB32 image. Throws std::runtime_error in Russian naming the file when it
// cannot be opened or decoded, or its header claims a picture beyond the size bounds (checked before decoding).
QImage DecodeJpegFile(const QString& fileName);
// Decodes JPEG bytes; throws std::runtime_error with the Russian reason when they are not a readable JPEG within
// the size bounds.
QImage DecodeJpeg(const QByteArray& bytes);
