// Loading a level's settings and data, checked whole before the game takes any of it.
#pragma once

#include <QString>

#include "engine/level/LevelData.h"
#include "engine/level/LevelSettings.h"

struct TLevel {
  TLevelSettings settings;
  TLevelData data;
};

// Where each of the game's level fields comes from: the INI keys, and the tolerances of the data file. The picture
// and its description are those of the data folder `folder`.
TLevelFields LevelFields(const TLevel& level, const QString& folder);

// Reads the INI file and the level data file beside it. Throws TLevelError naming the file and the fault when a
// key does not parse, the data file is missing or damaged, or it holds fewer pieces than the grid needs.
TLevel ReadLevel(const QString& iniPath);

// The notice for a search that found no level: "empty", "none" (without a final full stop) or "continue".
QString LevelSearchNotice(const QString& result);
// Shows why no level starts, in the notice state (999) that the message click clears.
void ShowNotice(const QString& text);
// True when the search result names a level file rather than a reason why there is none.
bool IsLevelFound(const QString& result);
// Finds the pack's first uncompleted level from number `from` on, loads and starts it; false after putting up the
// notice that says why none starts. The start button's own notice for a finished game ends with a full stop.
bool StartFoundLevel(int from, bool fullStopWhenAllDone = false);
