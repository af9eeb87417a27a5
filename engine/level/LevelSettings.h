// The keys of a level's INI file, section "PuzzleSettings".
#pragma once

#include <QString>

#include "engine/level/LevelData.h"
#include "platform/IniFile.h"

inline const QString kLevelSection = QStringLiteral("PuzzleSettings");
inline const QString kDefaultPack = QStringLiteral("standart");

struct TLevelSettings {
  int level = 0;
  QString pack = kDefaultPack;
  QString image;  // file name inside the data folder
  QString info;
  int ColCount = 0;
  int RowCount = 0;
  int LimTime = 0;
  int Speed_Movie = 0;
};

// Reads every key. Throws TLevelError naming the file and the key when the file cannot be read, a required key is
// missing or a number is not a decimal Int32.
TLevelSettings ReadLevelSettings(const QString& iniFileName);

// Opens a level's INI file; throws TLevelError naming it when it cannot be read.
TIniFile OpenLevelIni(const QString& iniFileName);

// The two keys the level search needs, with the same errors.
int ReadLevelNumber(const TIniFile& ini);
QString ReadLevelPack(const TIniFile& ini);

// Decimal with an optional leading minus, within Int32; nothing else, not even blanks.
bool ParseLevelInteger(const QString& text, int* value);
