// EXIF orientation through libexif.
#include "platform/Orientation.h"

#include <libexif/exif-data.h>

#include <QTransform>
#include <QtEndian>
#include <cstring>
#include <memory>

namespace {
constexpr int kAsShot = 1;
const unsigned char kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};
}  // namespace

int ExifOrientation(const unsigned char* data, unsigned size) {
  if (!data || size == 0) return kAsShot;
  // libexif finds the TIFF structure after the "Exif" header; a bare one, as WebP keeps it, is given the header.
  QByteArray withHeader;
  if (size < sizeof kExifHeader || memcmp(data, kExifHeader, sizeof kExifHeader) != 0) {
    withHeader = QByteArray(reinterpret_cast<const char*>(kExifHeader), sizeof kExifHeader) +
                 QByteArray(reinterpret_cast<const char*>(data), size);
    data = reinterpret_cast<const unsigned char*>(withHeader.constData());
    size = withHeader.size();
  }
  const std::unique_ptr<ExifData, decltype(&exif_data_unref)> exif(exif_data_new_from_data(data, size),
                                                                   &exif_data_unref);
  if (!exif) return kAsShot;
  const ExifEntry* entry = exif_data_get_entry(exif.get(), EXIF_TAG_ORIENTATION);
  if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1) return kAsShot;
  const int orientation = exif_get_short(entry->data, exif_data_get_byte_order(exif.get()));
  return orientation >= 1 && orientation <= 8 ? orientation : kAsShot;
}

QByteArray WebpExifChunk(const QByteArray& webp) {
  // RIFF, its size, "WEBP", then chunks: a four-letter name, a little-endian size, the data padded to even.
  constexpr qsizetype kFirstChunk = 12;
  if (webp.size() < kFirstChunk || !webp.startsWith("RIFF") || webp.mid(8, 4) != "WEBP") return {};
  for (qsizetype at = kFirstChunk; at + 8 <= webp.size();) {
    const qint64 size = qFromLittleEndian<quint32>(webp.constData() + at + 4);
    if (webp.mid(at, 4) == "EXIF") return webp.mid(at + 8, size);
    at += 8 + size + (size & 1);
  }
  return {};
}

bool LiesSideways(int orientation) { return orientation >= 5 && orientation <= 8; }

QImage Upright(const QImage& stored, int orientation) {
  // Orientations 2 to 8: mirrored, turned 180°, flipped, then the four that lie on their side (EXIF's numbering).
  switch (orientation) {
    case 2: return stored.mirrored(true, false);
    case 3: return stored.mirrored(true, true);
    case 4: return stored.mirrored(false, true);
    case 5: return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6: return stored.transformed(QTransform().rotate(90));
    case 7: return stored.transformed(QTransform().rotate(270)).mirrored(true, false);
    case 8: return stored.transformed(QTransform().rotate(270));
    default: return stored;
  }
}
