// Pack unpacking on any bytes: whatever the archive holds, files land only in the data folder, flat, and a refused
// pack leaves the folder empty.
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "engine/level/LevelPacks.h"
#include "platform/BinaryStream.h"
#include "platform/ZipArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir root;
  const QString pack = root.filePath("temp/pack.zip");
  const QString dataFolder = root.filePath("levels/data");
  QDir().mkpath(root.filePath("temp"));
  WriteFileAtomically(pack, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  bool installed = true;
  try {
    UnCompressData(pack, dataFolder);
  } catch (const TZipError&) {
    installed = false;
  }
  QDirIterator all(root.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDirIterator::Subdirectories);
  while (all.hasNext()) {
    const QFileInfo entry(all.next());
    const QString where = entry.absolutePath();
    const bool allowed = entry.absoluteFilePath() == pack || entry.absoluteFilePath() == root.filePath("temp") ||
                         entry.absoluteFilePath() == root.filePath("levels") ||
                         entry.absoluteFilePath() == dataFolder || (where == dataFolder && entry.isFile() && installed);
    if (!allowed) std::abort();
  }
  QDir(dataFolder).removeRecursively();
  return 0;
}
