// Seeds for the fuzz targets from the default level packs: fuzz_seeds <packs folder> <seeds folder>.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "engine/level/LevelPacks.h"

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
  return 0;
}
