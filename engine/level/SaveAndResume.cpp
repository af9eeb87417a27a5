// SaveStateGame and LoadStateGame: the one saved game in the data folder, replaced whole or not at all.
#include <QFile>
#include <QFileInfo>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/SavedGameFile.h"
#include "platform/BinaryStream.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"

namespace {
QString SavedGamePath() { return DataFolder() + Puzzle.GameStatus.Fname; }

// A damaged file is set aside rather than overwritten by the next save, and the player learns why the game
// starts afresh.
void SetAside(const QString& path, const QString& fault) {
  const QString aside = path + ".bad";
  QFile::remove(aside);
  const QString where = QFile::rename(path, aside)
                            ? QString("Файл сохранён как «%1».").arg(QFileInfo(aside).fileName())
                            : QString("Отложить файл не удалось; следующее сохранение его заменит.");
  ShowMessageBox(QString("Сохранённая игра повреждена и не загружена: %1. %2 Игра начнётся заново.").arg(fault, where),
                 "Внимание", TMsgIcon::Warning);
}
}  // namespace

int TPicPuzzle::SaveStateGame() {
  try {
    // The old file is replaced only once the new one is complete on disk.
    WriteFileAtomically(SavedGamePath(), SavedGameBytes(*this));
  } catch (const std::exception& e) {
    ReportError(QString::fromStdString(e.what()));
    return 0;
  }
  return 1;
}

int TPicPuzzle::LoadStateGame() {
  const QString path = SavedGamePath();
  if (!QFileInfo(path).isFile()) return 0;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowMessageBox(
        QString("Не удаётся прочитать сохранённую игру «%1»: %2. Игра начнётся заново.").arg(path, file.errorString()),
        "Внимание", TMsgIcon::Warning);
    return 0;
  }
  TSavedGame saved;
  try {
    saved = ParseSavedGame(file.readAll());
  } catch (const TBinaryFormatError& e) {
    file.close();
    SetAside(path, QString::fromStdString(e.what()));
    return 0;
  }
  // Only a file read to its end reaches the game, so Puzzle is never left half-loaded.
  saved.GameStatus.Last_PicLayer_Index = GameStatus.Last_PicLayer_Index;
  saved.GameStatus.Fname = GameStatus.Fname;
  ReleasePieces();
  static_cast<TSavedFields&>(*this) = std::move(saved);
  return 1;
}

bool TPicPuzzle::HoldsLevelToResume() {
  if (Pic.empty()) return false;  // a won level is saved without pieces: only its stars and pictures go on
  if (QFileInfo(Im_bkg_Path).isFile()) return true;
  // The full path is of the folder the game was saved in; a moved folder or another machine keeps the
  // picture under the same name among the level data.
  const QString here = LevelDataFolder() + QFileInfo(Im_bkg_Path).fileName();
  if (QFileInfo(here).isFile()) {
    Im_bkg_Path = here;
    return true;
  }
  ShowMessageBox(QString("Картинка сохранённого уровня «%1» не найдена, поэтому уровень начнётся заново. Звёзды и "
                         "собранные картинки сохранены.")
                     .arg(QFileInfo(Im_bkg_Path).fileName()),
                 "Внимание", TMsgIcon::Warning);
  return false;
}
