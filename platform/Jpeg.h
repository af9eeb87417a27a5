// JPEG decoding through libjpeg: scaled down as it is read, turned upright as the camera's EXIF says.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Decodes JPEG bytes into an opaque ARGB32 image, upright. With a valid atLeast, libjpeg scales the picture down as
// it reads it, to the smallest of its scales (1/8 to 8/8) at which both upright sides are still at least atLeast's;
// without one it decodes at full size. Only the decoded size must fit the bounds of a full decode: a header claims
// at most 16384 points a side. Throws TPictureRefusal with the Russian reason.
QImage DecodeJpeg(const QByteArray& bytes, QSize atLeast = QSize());
// The same for a file; the refusal names the file.
QImage DecodeJpegFile(const QString& fileName);
