// Seeds for the fuzz targets from the default level packs, and free puzzles' files made here:
// fuzz_seeds <packs folder> <seeds folder>.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "engine/level/LevelPacks.h"
#include "free/saves/FreeSaveFile.h"

namespace {
// A free puzzle of columns × rows pieces in a row on the table, the first two joined; with a thumbnail or without.
TFreeSave FreeSeed(int columns, int rows, bool thumbnail) {
  TFreeSave save;
  save.Origin = {"/photos/lake.jpg", columns * rows, true, 7};
  save.Grid = {columns, rows, QSize(columns * 60, rows * 60)};
  for (int piece = 0; piece < columns * rows; ++piece) {
    save.State.GroupOf.push_back(piece == 1 ? 0 : piece);
    save.State.Places.push_back({QPointF(piece * 70.0, -40), piece * 15.0});
    if (piece != 1) save.State.Stacking.push_back(piece);
  }
  save.Seconds = 61;
  if (thumbnail) {
    save.Thumbnail = QImage(32, 24, QImage::Format_RGB32);
    save.Thumbnail.fill(Qt::darkYellow);
  }
  return save;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seeds <packs folder> <seeds folder>\n");
    return 2;
  }
  const QDir packs(QString::fromLocal8Bit(argv[1]));
  const QDir seeds(QString::fromLocal8Bit(argv[2]));
  const auto seed = [&](const QString& target, const QString& from) {
    seeds.mkpath(target);
    QFile::copy(from, seeds.filePath(target + "/" + QFileInfo(from).fileName()));
  };
  QTemporaryDir unpacked;
  for (const QString& pack : packs.entryList({"*.zip"}, QDir::Files)) {
    seed("FuzzPackUnpack", packs.filePath(pack));
    UnCompressData(packs.filePath(pack), unpacked.path());
  }
  const QDir levels(unpacked.path());
  for (const QString& file : levels.entryList(QDir::Files)) {
    const QString path = levels.filePath(file);
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == "ini") seed("FuzzIni", path);
    if (suffix == "level")
      for (const char* target : {"FuzzLevelData", "FuzzSavedGame", "FuzzPieceCut"}) seed(target, path);
    if (suffix == "jpg" || suffix == "bmp") seed("FuzzPictureHeader", path);
  }
  seeds.mkpath("FuzzFreeSave");
  const auto freeSeed = [&](const QString& name, const TFreeSave& save) {
    QFile file(seeds.filePath("FuzzFreeSave/" + name));
    if (file.open(QIODevice::WriteOnly)) file.write(FreeSaveBytes(save));
  };
  freeSeed("4x3.puzzle", FreeSeed(4, 3, true));
  freeSeed("5x4-bare.puzzle", FreeSeed(5, 4, false));
  return 0;
}
