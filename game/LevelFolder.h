// Where levels live below the program folder, and how a level's files and its completion are named.
#pragma once

#include <QString>
#include <QStringList>

// "levels/", "levels/data/" and "levels/temp/" in the program folder, each with its trailing "/".
QString LevelsFolder();
QString LevelDataFolder();
QString LevelTempFolder();

// Bare names of the plain files in folder matching "*.<suffix>" without regard to case, sorted by name so every
// listing gives the same order. Missing folder: empty list.
QStringList ListFilesWithSuffix(const QString& folder, const QString& suffix);
inline QStringList ListLevelFiles(const QString& folder) { return ListFilesWithSuffix(folder, QStringLiteral("ini")); }

// The level's identity: its INI file name with every ".ini" removed.
QString LevelBaseName(const QString& iniName);
// A level counts as done when its base name occurs anywhere in the completed-picture list.
bool IsLevelDone(const QString& iniName, const QString& completePuz);
// The level data file beside an INI file: every ".ini" of its file name becomes ".level".
QString LevelDataPath(const QString& iniPath);
