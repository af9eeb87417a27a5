// Level folders and level file names.
#include "engine/level/LevelFolder.h"

#include "platform/FolderListing.h"
#include "platform/ProgramFolder.h"

QString LevelsFolder() { return DataFolder() + QStringLiteral("levels/"); }
QString LevelDataFolder() { return LevelsFolder() + QStringLiteral("data/"); }
QString LevelTempFolder() { return LevelsFolder() + QStringLiteral("temp/"); }

QStringList ListLevelFiles(const QString& folder) {
  QStringList names;
  for (const TFolderEntry& entry : ListFolder(folder, QStringLiteral("ini"))) names << entry.name;
  return names;
}

QString LevelBaseName(const QString& iniName) { return QString(iniName).remove(QStringLiteral(".ini")); }

QString LevelDataPath(const QString& iniPath) {
  // Only the file name: a folder whose name holds ".ini" must not send the game to another folder.
  const qsizetype nameStart = iniPath.lastIndexOf('/') + 1;
  const QString folder = iniPath.left(nameStart);
  return folder + MatchFileName(folder, iniPath.mid(nameStart).replace(QStringLiteral(".ini"), QStringLiteral(".level"),
                                                                       Qt::CaseInsensitive));
}
