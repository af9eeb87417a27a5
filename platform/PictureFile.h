// The one way the game reads a picture file: photos of any size and the formats cameras and phones write.
#pragma once

#include <QImage>
#include <QMimeData>
#include <QSize>
#include <QString>
#include <QStringList>

// Reads the picture in the file, whatever its name says, upright as its camera meant. JPEG through libjpeg, scaled
// down as it is read but keeping both sides at least atLeast's (QSize() for the full size); HEIC and HEIF through
// libheif; BMP, PNG, WebP, TIFF and the rest Qt reads through its image-format plugins, at full size. A picture
// smaller than `smallest` on either side (at most atLeast) is refused. Throws TPictureRefusal: a Russian sentence
// that names the file and tells why, and the kind of the fault.
QImage LoadPicture(const QString& file, QSize atLeast, QSize smallest = QSize());

// The file name endings of the formats LoadPicture reads, in lower case without the dot.
QStringList PictureFileSuffixes();
// True for a file name the game reads a picture from, judged by its extension.
bool IsPictureFileName(const QString& fileName);
// The local picture files among what is dragged onto a window, in their order.
QStringList DroppedPictures(const QMimeData* data);
