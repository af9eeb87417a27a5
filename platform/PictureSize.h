// The largest picture the game decodes. Pictures come from level packs, so the size their header claims is
// checked before any pixel is allocated: a few bytes could otherwise ask for gigabytes.
#pragma once

#include <QString>

constexpr qint64 kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = qint64{64} << 20;

bool IsPictureSizeAllowed(qint64 width, qint64 height);

// Why a picture of that claimed size is refused, in Russian, for a text that names the file.
QString PictureSizeRefusal(qint64 width, qint64 height);
