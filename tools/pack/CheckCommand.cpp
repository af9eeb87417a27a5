// puzzle-pack check: every problem of a level pack or a data folder, named; non-zero exit when there is any.
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>

#include "engine/level/LevelCheck.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelPacks.h"
#include "platform/ZipArchive.h"
#include "tools/pack/Commands.h"

namespace {
// Unpacks the archive as the game would and checks what lands in the data folder.
TLevelCheck CheckArchive(const QString& archive) {
  TLevelCheck check;
  QSet<QString> names;
  const TZipReader zip(archive);
  for (int i = 0; i < zip.Count(); ++i) {
    const QString bare = BareEntryName(zip.Name(i));
    if (bare.isEmpty()) continue;
    if (names.contains(bare))
      check.problems << QString("%1: два файла с именем «%2», останется последний").arg(archive, bare);
    names.insert(bare);
  }
  QTemporaryDir dir;
  if (!dir.isValid()) throw std::runtime_error("cannot make a temporary folder");
  UnCompressData(archive, dir.path());
  TLevelCheck unpacked = CheckLevels(dir.path() + "/");
  for (QStringList* texts : {&unpacked.problems, &unpacked.warnings})
    texts->replaceInStrings(dir.path() + "/", archive + ": ");
  check.levels = unpacked.levels;
  check.problems << unpacked.problems;
  check.warnings = unpacked.warnings;
  return check;
}
}  // namespace

int CheckCommand(const QStringList& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: puzzle-pack check PACK.zip|FOLDER\n");
    return 2;
  }
  const QString target = args[0];
  const TLevelCheck check = QFileInfo(target).isDir() ? CheckLevels(target) : CheckArchive(target);
  std::printf("checked %lld level(s): %s\n", static_cast<long long>(check.levels.size()),
              check.levels.join(", ").toUtf8().constData());
  for (const QString& warning : check.warnings) std::printf("warning: %s\n", warning.toUtf8().constData());
  for (const QString& problem : check.problems) std::printf("%s\n", problem.toUtf8().constData());
  if (!check.problems.isEmpty()) {
    std::printf("%lld problem(s)\n", static_cast<long long>(check.problems.size()));
    return 1;
  }
  std::printf("OK\n");
  return 0;
}
