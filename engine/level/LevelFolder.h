// Where levels live in the data folder, and how a level's files and its completion are named.
#pragma once

#include <QString>
#include <QStringList>

// "levels/", "levels/data/" and "levels/temp/" in the data folder, each with its trailing "/".
QString LevelsFolder();
QString LevelDataFolder();
QString LevelTempFolder();

// Bare names of the plain files in folder matching "*.ini" without regard to case, sorted by name so every
// listing gives the same order. Missing folder: empty list.
QStringList ListLevelFiles(const QString& folder);

// The level's identity: its INI file name with every ".ini" removed.
QString LevelBaseName(const QString& iniName);
// The level data file beside an INI file: every ".ini" of its file name, in any letter case, becomes ".level",
// and a file of that name in another letter case is taken when there is one.
QString LevelDataPath(const QString& iniPath);
