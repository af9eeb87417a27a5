// Reading a free puzzle's picture file, whatever its format.
#pragma once

#include <QImage>
#include <QString>

// The picture, turned upright by its orientation tag; JPEG through the game's own decoder, other formats through
// Qt's readers. Throws std::runtime_error with the Russian reason alone (the caller names the file); a picture
// whose header claims more pixels than the game decodes is refused before any is allocated.
QImage DecodeFreePicture(const QString& fileName);
