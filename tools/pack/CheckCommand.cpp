// puzzle-pack check: every problem of a level pack or a data folder, named; non-zero exit when there is any.
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>

#include "game/LevelCheck.h"
#include "game/LevelFolder.h"
#include "game/LevelPacks.h"
#include "platform/ZipArchive.h"
#include "tools/pack/Commands.h"

namespace {
// Unpacks the archive as the game would and checks what lands in the data folder.
QStringList CheckArchive(const QString& archive) {
  QStringList problems;
  QSet<QString> names;
  const TZipReader zip(archive);
  for (int i = 0; i < zip.Count(); ++i) {
    const QString bare = BareEntryName(zip.Name(i));
    if (bare.isEmpty()) continue;
    if (names.contains(bare))
      problems << QString("%1: два файла с именем «%2», останется последний").arg(archive, bare);
    names.insert(bare);
  }
  QTemporaryDir dir;
  if (!dir.isValid()) throw std::runtime_error("cannot make a temporary folder");
  UnCompressData(archive, dir.path());
  for (QString problem : CheckLevelFolder(dir.path() + "/"))
    problems << problem.replace(dir.path() + "/", archive + ": ");
  return problems;
}
}  // namespace

int CheckCommand(const QStringList& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: puzzle-pack check PACK.zip|FOLDER\n");
    return 2;
  }
  const QString target = args[0];
  const QStringList problems = QFileInfo(target).isDir() ? CheckLevelFolder(target) : CheckArchive(target);
  for (const QString& problem : problems) std::printf("%s\n", problem.toUtf8().constData());
  if (!problems.isEmpty()) {
    std::printf("%lld problem(s)\n", static_cast<long long>(problems.size()));
    return 1;
  }
  std::printf("OK\n");
  return 0;
}
