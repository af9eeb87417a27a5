// What the theme and picture chooser shows.
#include "ui/ThemeList.h"

#include <algorithm>

#include "engine/level/LevelFolder.h"
#include "engine/level/LevelSettings.h"

std::vector<TChooserLevel> ReadChooserLevels() {
  std::vector<TChooserLevel> levels;
  const QString folder = LevelDataFolder();
  int k = 0;
  for (const QString& name : ListLevelFiles(folder)) {
    const TIniFile ini = OpenLevelIni(folder + name);
    levels.push_back({LevelBaseName(name), ReadLevelPack(ini), ReadLevelNumber(ini), ++k});
  }
  return levels;
}

std::vector<TChooserLevel> BuildThemeList(const std::vector<TChooserLevel>& levels) {
  std::vector<TChooserLevel> themes;
  for (const TChooserLevel& level : levels) {
    const auto sameTheme = std::find_if(themes.begin(), themes.end(),
                                        [&](const TChooserLevel& theme) { return theme.pack == level.pack; });
    if (sameTheme == themes.end())
      themes.push_back(level);
    else if (sameTheme->level > level.level)
      *sameTheme = level;
  }
  return themes;
}

bool IsPictureCompleted(const QString& id, const QString& completePuzzle) {
  return completePuzzle.contains(id + ".jpg");
}
