// Photos as cameras and phones write them, made at test time: JPEGs of any size streamed row by row, CMYK and
// progressive ones, EXIF orientation in JPEG, WebP and TIFF, and HEIC through libheif.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Every test photo shows this mark: the top-left quarter red, the rest blue, as stored (before any turn).
inline const QColor kMarkColour(230, 20, 20);
inline const QColor kFieldColour(20, 40, 220);
QImage MarkedPicture(QSize size);

struct TJpegPlan {
  QSize size;
  bool progressive = false;
  bool cmyk = false;    // Adobe CMYK, inks stored inverted as Photoshop writes them
  int orientation = 0;  // EXIF orientation tag, 0 for no EXIF segment
  bool grainy = false;  // a fine grain over the mark, so the file is as large as a real photo's
};
// Writes the marked picture as a JPEG, making its folder; rows are made and compressed one at a time, so any size costs
// little memory.
void WriteJpeg(const QString& path, const TJpegPlan& plan);

// A bare EXIF TIFF structure holding only the orientation tag.
QByteArray ExifTiff(int orientation);
// The marked picture as a WebP (Qt's writer) wrapped in an extended WebP with that EXIF chunk.
QByteArray WebpWithExif(QSize size, int orientation);
// The marked picture as a TIFF with the orientation tag (Qt's writer).
QByteArray TiffTurned(QSize size, int orientation);
// The marked picture as a HEIC with that orientation (libheif writes the turn and mirror boxes); empty when
// libheif has no HEVC encoder.
QByteArray HeicTurned(QSize size, int orientation);
