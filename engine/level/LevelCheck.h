// Checking the levels of a data folder the way the game will use them, for pack authors.
#pragma once

#include <QString>
#include <QStringList>

// Every problem found, each naming its file: keys that do not parse, a missing data file or picture, a picture that
// does not decode, fewer pieces than the grid needs, an outline that does not parse, leaves the 800 × 800
// pattern or encloses no shape reaching each side of its cell. Empty when all is well.
QStringList CheckLevelFolder(const QString& folder);

// All the check finds in a data folder: the INI files it checked, the problems, and the warnings about levels that
// play, but hardly as meant (no time to play, no description for the congratulation, records never used).
struct TLevelCheck {
  QStringList levels;
  QStringList problems;
  QStringList warnings;
};
TLevelCheck CheckLevels(const QString& folder);

// The problems of one outline path, empty when the cutting can use it.
QStringList CheckOutline(const QString& outline);
