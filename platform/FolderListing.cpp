// Folder listing over readdir and fstatat: QDir stats every entry twice, which the level search feels with
// thousands of levels.
#include "platform/FolderListing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>

std::vector<TFolderEntry> ListFolder(const QString& folder, const QString& suffix) {
  std::vector<TFolderEntry> entries;
  DIR* dir = ::opendir(QFile::encodeName(folder).constData());
  if (!dir) return entries;
  const QString ending = QStringLiteral(".") + suffix;
  while (const dirent* entry = ::readdir(dir)) {
    const QString name = QFile::decodeName(entry->d_name);
    if (!name.endsWith(ending, Qt::CaseInsensitive)) continue;
    struct stat info;
    if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode)) continue;
    entries.push_back({name, static_cast<std::int64_t>(info.st_size),
                       static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec});
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end(),
            [](const TFolderEntry& a, const TFolderEntry& b) { return a.name < b.name; });
  return entries;
}

QString MatchFileName(const QString& folder, const QString& name) {
  if (name.isEmpty() || name.contains('/') || QFileInfo::exists(folder + name)) return name;
  const QString ending = name.mid(name.lastIndexOf('.') + 1);
  for (const TFolderEntry& entry : ListFolder(folder, ending))
    if (entry.name.compare(name, Qt::CaseInsensitive) == 0) return entry.name;
  return name;
}
