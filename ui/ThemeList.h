// What the theme and picture chooser shows, worked out from the installed levels without a window.
#pragma once

#include <QString>
#include <vector>

// One installed level as the chooser sees it: its id (INI file name without ".ini"), pack and level number, and
// its 1-based place k in the data folder's listing.
struct TChooserLevel {
  QString id;
  QString pack;
  int level = 0;
  int k = 0;
};

// Every level of "levels/data" in listing order. Missing folder: none. Throws TLevelError naming the file when an INI
// file cannot be read or its level is not an integer.
std::vector<TChooserLevel> ReadChooserLevels();

// One entry per pack, in the order the listing first met each pack, naming the pack's level with the lowest number;
// on equal numbers the level met first keeps the place.
std::vector<TChooserLevel> BuildThemeList(const std::vector<TChooserLevel>& levels);

// A picture counts as completed when its id followed by ".jpg" occurs anywhere in the completed-picture list.
bool IsPictureCompleted(const QString& id, const QString& completePuzzle);
