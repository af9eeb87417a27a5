// Level packs: the level folders, and unpacking new packs at start-up.
#include "game/LevelPacks.h"

#include <QDir>
#include <QFile>

#include "game/LevelFolder.h"
#include "game/LevelSearch.h"
#include "game/PicPuzzle.h"
#include "pieces/LibStorage.h"
#include "platform/BinaryStream.h"
#include "platform/Events.h"
#include "platform/FolderListing.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ZipArchive.h"

namespace {
void MakeFolder(const QString& folder) {
  if (!QDir(folder).exists() && !QDir().mkdir(folder))
    throw std::runtime_error(QString("Не удаётся создать папку «%1».").arg(folder).toStdString());
}

// A pack that cannot be unpacked would fail again at every start; it goes aside under a name no scan picks up.
void SetAside(const QString& archive, const QString& reason) {
  const QString aside = archive + ".bad";
  QFile::remove(aside);
  const bool moved = QFile::rename(archive, aside);
  ReportOnce(archive, QString("Набор уровней «%1» не удалось распаковать: %2\n%3")
                          .arg(QFileInfo(archive).fileName(), reason,
                               moved ? QString("Архив отложен в «%1».").arg(aside)
                                     : QString("Архив не удалось убрать в сторону.")));
}
}  // namespace

QString BareEntryName(const QString& entryName) {
  const QString bare = entryName.mid(std::max(entryName.lastIndexOf('/'), entryName.lastIndexOf('\\')) + 1);
  return bare == "." || bare == ".." ? QString() : bare;
}

void UnCompressData(const QString& Fname, const QString& ExtractDir) {
  const TZipReader archive(Fname);
  if (!QDir().mkpath(ExtractDir)) throw TZipError(QString("Не удаётся создать папку «%1».").arg(ExtractDir));
  const QString folder = ExtractDir.endsWith('/') ? ExtractDir : ExtractDir + '/';
  for (int i = 0; i < archive.Count(); ++i) {
    const QString bare = BareEntryName(archive.Name(i));
    if (bare.isEmpty()) continue;
    const QByteArray bytes = archive.Read(i);
    try {
      WriteFileAtomically(folder + bare, bytes);
    } catch (const std::runtime_error& e) {
      throw TZipError(QString::fromStdString(e.what()));
    }
  }
  ForgetReadLevels();
  ProcessPendingEvents();
}

void TPicPuzzle::CheckPack() {
  PrepareDataFolder();
  const QString data = DataFolder();
  MakeFolder(LevelsFolder());
  MakeFolder(LevelDataFolder());
  MakeFolder(LevelTempFolder());

  for (const TFolderEntry& pack : ListFolder(data, QStringLiteral("zip"))) {
    try {
      FileCopy(data + pack.name, LevelTempFolder() + pack.name);
      if (!QFile::remove(data + pack.name))
        throw std::runtime_error(QString("не удаётся удалить «%1»").arg(data + pack.name).toStdString());
    } catch (const std::runtime_error& e) {
      ReportOnce(
          data + pack.name,
          QString("Набор уровней «%1» не удалось перенести: %2").arg(pack.name, QString::fromStdString(e.what())));
    }
  }

  for (const TFolderEntry& pack : ListFolder(LevelTempFolder(), QStringLiteral("zip"))) {
    const QString archive = LevelTempFolder() + pack.name;
    try {
      UnCompressData(archive, LevelDataFolder());
    } catch (const TZipError& e) {
      SetAside(archive, QString::fromStdString(e.what()));
      continue;
    }
    if (!QFile::remove(archive))
      ReportOnce(archive, QString("Распакованный набор уровней «%1» не удаётся удалить.").arg(archive));
  }
}
