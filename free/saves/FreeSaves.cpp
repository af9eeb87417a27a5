// The free puzzles' folder: each puzzle one file, written whole, listed without touching a picture.
#include "free/saves/FreeSaves.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>

#include "free/saves/FreeThumbnail.h"
#include "platform/BinaryStream.h"
#include "platform/ProgramFolder.h"

namespace {
const QString kSuffix = ".puzzle";

QString FileName(const QString& path) { return QFileInfo(path).fileName(); }

int PercentJoined(const TFreeState& state) {
  const int pieces = int(state.GroupOf.size());
  if (pieces < 2) return 100;
  const int groups = int(std::set<int>(state.GroupOf.begin(), state.GroupOf.end()).size());
  return (pieces - groups) * 100 / (pieces - 1);
}

TFreeListing Listing(const QString& path) {
  TFreeListing listing;
  listing.Path = path;
  listing.LastPlayed = QFileInfo(path).lastModified().toUTC();
  try {
    const TFreeSave save = ReadFreeSave(path);
    listing.Origin = save.Origin;
    listing.Grid = save.Grid;
    listing.Seconds = save.Seconds;
    listing.Finished = save.Finished;
    listing.PercentJoined = PercentJoined(save.State);
    listing.Thumbnail = save.Thumbnail;
    if (save.Saved.isValid() && save.Saved.toMSecsSinceEpoch() > 0) listing.LastPlayed = save.Saved;
    listing.PictureMissing = !QFileInfo(save.Origin.Picture).isFile();
  } catch (const TFreeError& e) {
    listing.Fault = QString::fromUtf8(e.what());
  }
  return listing;
}
}  // namespace

QString FreeSaveFolder() { return DataFolder() + "free/"; }

QString NewFreeSavePath() {
  const QString stem = FreeSaveFolder() + QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss");
  QString path = stem + kSuffix;
  for (int n = 2; QFileInfo::exists(path); ++n) path = QString("%1-%2%3").arg(stem).arg(n).arg(kSuffix);
  return path;
}

TFreeSave TakeFreeSave(const TFreePuzzle& puzzle, int seconds) {
  return {puzzle.Origin(),
          puzzle.Grid(),
          puzzle.State(),
          seconds,
          puzzle.Finished(),
          FreeThumbnail(puzzle),
          QDateTime::currentDateTimeUtc()};
}

void WriteFreeSave(const QString& path, const TFreeSave& save) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  try {
    WriteFileAtomically(path, FreeSaveBytes(save));
  } catch (const std::exception& e) {
    throw std::runtime_error(QString("Пазл не сохранён. %1").arg(QString::fromUtf8(e.what())).toStdString());
  }
}

TFreeSave ReadFreeSave(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw TFreeError(QString("Пазл «%1» не прочитать: %2.").arg(FileName(path), file.errorString()).toStdString());
  return ParseFreeSave(file.readAll());
}

std::unique_ptr<TFreePuzzle> ResumeFreePuzzle(const TFreeSave& save) {
  const QString picture = save.Origin.Picture;
  if (!QFileInfo(picture).isFile())
    throw TFreeError(
        QString("Картинки «%1» больше нет, поэтому пазл не продолжить; его можно удалить.").arg(picture).toStdString());
  std::unique_ptr<TFreePuzzle> puzzle = StartFreePuzzle(save.Origin);
  if (puzzle->Grid() != save.Grid)
    throw TFreeError(QString("Картинка «%1» изменилась с тех пор, как пазл начат, поэтому его не продолжить.")
                         .arg(picture)
                         .toStdString());
  try {
    puzzle->Restore(save.State);
  } catch (const TFreeError& e) {
    throw TFreeError(QString("Сохранение пазла повреждено: %1.").arg(QString::fromUtf8(e.what())).toStdString());
  }
  return puzzle;
}

std::vector<TFreeListing> ListFreeSaves() {
  const QDir folder(FreeSaveFolder());
  std::vector<TFreeListing> listings;
  for (const QString& name : folder.entryList({"*" + kSuffix}, QDir::Files))
    listings.push_back(Listing(folder.filePath(name)));
  std::stable_sort(listings.begin(), listings.end(),
                   [](const TFreeListing& a, const TFreeListing& b) { return a.LastPlayed > b.LastPlayed; });
  return listings;
}

void DeleteFreeSave(const QString& path) {
  QFile file(path);
  if (!file.remove() && QFileInfo::exists(path))
    throw std::runtime_error(
        QString("Пазл «%1» не удалить: %2.").arg(FileName(path), file.errorString()).toStdString());
}
