// Level packs: the level folders, and unpacking new packs at start-up.
#include "engine/level/LevelPacks.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelSearch.h"
#include "pieces/LibStorage.h"
#include "platform/BusyProgress.h"
#include "platform/Events.h"
#include "platform/FolderListing.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ZipArchive.h"

namespace {
// A longer name cannot be a file on the player's disk.
constexpr qsizetype kMaxFileNameBytes = 255;

QStringList& PackProblems() {
  static QStringList problems;
  return problems;
}

void MakeFolder(const QString& folder) {
  if (!QDir(folder).exists() && !QDir().mkdir(folder))
    throw std::runtime_error(QString("Не удаётся создать папку «%1».").arg(folder).toStdString());
}

// A pack that cannot be unpacked would fail again at every start; it goes aside under a name no scan picks up.
void SetAside(const QString& archive, const QString& reason) {
  const QString aside = archive + ".bad";
  QFile::remove(aside);
  const bool moved = QFile::rename(archive, aside);
  PackProblems() << QString("Набор уровней «%1» не установлен: %2\n%3")
                        .arg(QFileInfo(archive).fileName(), reason,
                             moved ? QString("Архив отложен в «%1».").arg(aside)
                                   : QString("Архив не удалось убрать в сторону."));
}

// Downloads that a killed run left half written.
void RemovePartialDownloads(const QString& folder) {
  for (const TFolderEntry& part : ListFolder(folder, QStringLiteral("part")))
    if (part.name.endsWith(QStringLiteral(".zip.part"), Qt::CaseInsensitive)) QFile::remove(folder + part.name);
}

void WriteStaged(const QString& archive, const QString& fileName, const QByteArray& bytes) {
  const QString bare = QFileInfo(fileName).fileName();
  if (QFile::encodeName(bare).size() > kMaxFileNameBytes)
    throw TZipError(QString("В архиве «%1» файл «%2» назван длиннее %3 байт, такой файл не записать.")
                        .arg(archive, bare)
                        .arg(kMaxFileNameBytes));
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush())
    throw TZipError(
        QString("Файл «%1» из архива «%2» не удаётся записать: %3.").arg(bare, archive, file.errorString()));
}

// Renames within one disk do not fail half way; what could stop them (a folder in the way) is checked first.
void MoveStagedFiles(const QString& archive, const QString& staging, const QString& folder) {
  const QStringList names = QDir(staging).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  for (const QString& name : names)
    if (QFileInfo(folder + name).isDir())
      throw TZipError(
          QString("Файл «%1» из архива «%2» не записать: в папке уровней так названа папка.").arg(name, archive));
  for (const QString& name : names) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(staging + name).toStdString(),
                            QFile::encodeName(folder + name).toStdString(), error);
    if (error)
      throw TZipError(QString("Файл «%1» из архива «%2» не удаётся перенести в папку уровней: %3.")
                          .arg(name, archive, QString::fromStdString(error.message())));
  }
}
}  // namespace

QString BareEntryName(const QString& entryName) {
  const QString bare = entryName.mid(std::max(entryName.lastIndexOf('/'), entryName.lastIndexOf('\\')) + 1);
  return bare == "." || bare == ".." ? QString() : bare;
}

void CheckPackBounds(const TZipReader& archive, const QString& fileName) {
  if (archive.Count() > kMaxPackEntries)
    throw TZipError(QString("Архив «%1» содержит %2 файлов, а в наборе уровней их может быть не больше %3.")
                        .arg(fileName)
                        .arg(archive.Count())
                        .arg(kMaxPackEntries));
  qint64 total = 0;
  for (int i = 0; i < archive.Count() && total <= kMaxPackSize; ++i) total += archive.Size(i);
  if (total > kMaxPackSize)
    throw TZipError(QString("Архив «%1» распаковался бы больше чем в %2 МБ, это слишком много для набора уровней.")
                        .arg(fileName)
                        .arg(kMaxPackSize >> 20));
}

void UnCompressData(const QString& Fname, const QString& ExtractDir, TBusyProgress* progress) {
  const TZipReader archive(Fname);
  CheckPackBounds(archive, Fname);
  const QString folder = ExtractDir.endsWith('/') ? ExtractDir : ExtractDir + '/';
  const QString staging = folder.chopped(1) + ".part/";
  QDir(staging).removeRecursively();
  for (const QString& needed : {folder, staging})
    if (!QDir().mkpath(needed)) throw TZipError(QString("Не удаётся создать папку «%1».").arg(needed));
  try {
    for (int i = 0; i < archive.Count(); ++i) {
      if (progress) progress->Set(i, archive.Count());
      const QString bare = BareEntryName(archive.Name(i));
      if (!bare.isEmpty()) WriteStaged(Fname, staging + bare, archive.Read(i));
    }
    MoveStagedFiles(Fname, staging, folder);
  } catch (...) {
    QDir(staging).removeRecursively();
    throw;
  }
  QDir(staging).removeRecursively();
  ForgetReadLevels();
  ProcessPendingEvents();
}

namespace {
// A pack goes to the temporary folder before it is unpacked, so a pack that breaks the start is not met again.
void MoveToTemp(const QString& data, const QString& name) {
  try {
    FileCopy(data + name, LevelTempFolder() + name);
    if (!QFile::remove(data + name))
      throw std::runtime_error(QString("не удаётся удалить «%1»").arg(data + name).toStdString());
  } catch (const std::runtime_error& e) {
    PackProblems()
        << QString("Набор уровней «%1» не удалось перенести: %2").arg(name, QString::fromStdString(e.what()));
  }
}

void UnpackFromTemp(const QString& name, TBusyProgress* progress) {
  const QString archive = LevelTempFolder() + name;
  if (!QFileInfo::exists(archive)) return;
  try {
    UnCompressData(archive, LevelDataFolder(), progress);
  } catch (const TZipError& e) {
    SetAside(archive, QString::fromStdString(e.what()));
    return;
  }
  if (!QFile::remove(archive))
    PackProblems() << QString("Распакованный набор уровней «%1» не удаётся удалить.").arg(archive);
}

void MakeLevelFolders() {
  MakeFolder(LevelsFolder());
  MakeFolder(LevelDataFolder());
  MakeFolder(LevelTempFolder());
}
}  // namespace

void TPicPuzzle::CheckPack() {
  PrepareDataFolder();
  const QString data = DataFolder();
  MakeLevelFolders();
  RemovePartialDownloads(data);

  for (const TFolderEntry& pack : ListFolder(data, QStringLiteral("zip"))) MoveToTemp(data, pack.name);

  TBusyProgress progress("Устанавливаются новые наборы уровней…");
  for (const TFolderEntry& pack : ListFolder(LevelTempFolder(), QStringLiteral("zip")))
    UnpackFromTemp(pack.name, &progress);
}

void InstallPacks(const QStringList& names) {
  MakeLevelFolders();
  const QString data = DataFolder();
  for (const QString& name : names) MoveToTemp(data, name);
  TBusyProgress progress("Устанавливаются новые наборы уровней…");
  for (const QString& name : names) UnpackFromTemp(name, &progress);
}

void ShowPackReport() {
  if (PackProblems().isEmpty()) return;
  const QString text = "Не все новые наборы уровней удалось установить.\n\n" + PackProblems().join("\n\n");
  PackProblems().clear();
  ShowMessageBox(text, "Внимание", TMsgIcon::Warning);
}
