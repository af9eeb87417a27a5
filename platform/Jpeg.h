// JPEG decoding through libjpeg, the only picture format the game reads besides BMP.
#pragma once

#include <QImage>
#include <QString>

// Decodes a JPEG file into an opaque ARGB32 image. Throws std::runtime_error naming the file when it cannot.
QImage DecodeJpegFile(const QString& fileName);
// Decodes JPEG bytes; throws std::runtime_error when they are not a readable JPEG.
QImage DecodeJpeg(const QByteArray& bytes);
