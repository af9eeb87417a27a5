// A photo's EXIF orientation: how the camera was held, so the picture can be turned upright.
#pragma once

#include <QByteArray>
#include <QImage>

// The orientation tag (1 to 8) of EXIF data: a JPEG APP1 segment ("Exif\0\0" and a TIFF structure) or a bare TIFF
// structure, as a WebP file's EXIF chunk holds it; 1 (as shot) when there is none or it cannot be read.
int ExifOrientation(const unsigned char* data, unsigned size);
// The EXIF chunk of a WebP file, empty when it has none.
QByteArray WebpExifChunk(const QByteArray& webp);

// True for the orientations in which the stored picture lies on its side.
bool LiesSideways(int orientation);
QImage Upright(const QImage& stored, int orientation);
