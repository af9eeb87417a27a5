// The windows' pictures from the resource folder: decoration, so an unreadable one is a null image, never an error.
#pragma once

#include <QImage>
#include <QString>

// JPEG goes through libjpeg like every picture of the game; other formats through Qt. Null when unreadable.
QImage LoadResourcePicture(const QString& relativeName);
