// The program folder, the resource folder and the player's data folder.
#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <stdexcept>

#include "platform/FolderListing.h"

namespace {
QString& OverriddenFolder() {
  static QString folder;
  return folder;
}

QString WithSlash(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

bool HoldsResources(const QString& folder) { return QFileInfo(folder + "resources").isDir(); }

QString InstallDataFolder() {
  return WithSlash(QDir::cleanPath(ProgramFolder() + QStringLiteral(PUZZLE_DATA_FROM_PROGRAM)));
}

// An installed game has no "resources/" beside its executable, only in the install's data folder.
bool IsInstalled() { return !HoldsResources(ProgramFolder()) && HoldsResources(InstallDataFolder()); }

// access() and not the permission bits: it also sees read-only mounts and the player's groups.
bool CanWrite(const QString& folder) { return ::access(QFile::encodeName(folder).constData(), W_OK) == 0; }

// An installed game never writes beside its executable, not even when root runs it.
bool KeepsEverythingTogether() { return !IsInstalled() && CanWrite(ProgramFolder()); }
}  // namespace

QString ProgramFolder() {
  if (!OverriddenFolder().isEmpty()) return OverriddenFolder();
  return WithSlash(QCoreApplication::applicationDirPath());
}

void SetProgramFolder(const QString& folder) { OverriddenFolder() = folder.isEmpty() ? folder : WithSlash(folder); }

QString ResourceFolder() { return IsInstalled() ? InstallDataFolder() : ProgramFolder(); }

QString DataFolder() {
  if (KeepsEverythingTogether()) return ProgramFolder();
  return WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void PrepareDataFolder() {
  if (KeepsEverythingTogether()) return;
  const QString data = DataFolder();
  if (QFileInfo::exists(data + "levels")) return;
  if (!QDir().mkpath(data)) throw std::runtime_error(QString("Не удаётся создать папку «%1».").arg(data).toStdString());
  const QString resources = ResourceFolder();
  for (const TFolderEntry& pack : ListFolder(resources, QStringLiteral("zip"))) {
    QFile::remove(data + pack.name);
    QFile source(resources + pack.name);
    if (!source.copy(data + pack.name))
      throw std::runtime_error(QString("Набор уровней «%1» не удаётся скопировать в «%2»: %3")
                                   .arg(source.fileName(), data, source.errorString())
                                   .toStdString());
  }
}
