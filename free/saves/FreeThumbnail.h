// The small picture of a free puzzle's table that its listing shows.
#pragma once

#include <QImage>

class TFreePuzzle;

// The thumbnail's long side; a file's thumbnail is never larger.
constexpr int kFreeThumbnailSide = 256;

// The whole table, every piece where it lies, drawn from each piece's smallest image.
QImage FreeThumbnail(const TFreePuzzle& puzzle);
