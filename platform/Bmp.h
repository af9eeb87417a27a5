// BMP pictures of level packs, read by Qt once their header passed the size check.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// The size a BMP header claims; none when the bytes do not start like a BMP file. A bottom-up or top-down height
// gives the same positive size.
std::optional<QSize> BmpHeaderSize(const QByteArray& head);

// Decodes BMP bytes. Throws TPictureRefusal with the Russian reason when its header claims a picture beyond the
// size bounds or it cannot be decoded.
QImage DecodeBmp(const QByteArray& bytes);
// The same for a file; the refusal names the file.
QImage ReadBmpFile(const QString& fileName);
