// The largest picture the game decodes. Pictures come from level packs and the player's folders, so the size their
// header claims is checked before any pixel is allocated: a few bytes could otherwise ask for gigabytes.
#pragma once

#include <QString>

constexpr qint64 kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = qint64{64} << 20;

struct TPictureBounds {
  qint64 side;
  qint64 pixels;
};
// What may be decoded at its full size.
constexpr TPictureBounds kDecodedPictureBounds{kMaxPictureSide, kMaxPicturePixels};
// A JPEG is scaled down as it is read, so only its header need stay within reason: a 200-megapixel photo does.
constexpr TPictureBounds kScaledJpegBounds{kMaxPictureSide, kMaxPictureSide* kMaxPictureSide};

bool IsPictureSizeAllowed(qint64 width, qint64 height, TPictureBounds bounds = kDecodedPictureBounds);

// Why a picture of that claimed size is refused, in Russian, for a text that names the file.
QString PictureSizeRefusal(qint64 width, qint64 height, TPictureBounds bounds = kDecodedPictureBounds);
