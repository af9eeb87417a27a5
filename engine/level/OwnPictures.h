// The player's own pictures: each becomes a level of the theme "Мои картинки" in the data folder.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

inline const QString kOwnPicturesPack = QStringLiteral("Мои картинки");

// Pieces a side for a picture of this size: more for a larger picture, 3 to 6.
int OwnPictureGrid(QSize pictureSize);

struct TOwnLevel {
  QString id;  // the INI file's name without ".ini"
  int level = 0;
};

// Makes the level of one picture in the data folder, numbered after the theme's last, and makes the level search
// read the folder anew. Throws std::runtime_error with a Russian text when the picture cannot be read or written.
TOwnLevel AddOwnPicture(const QString& path);
