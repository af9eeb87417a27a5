// Listing the plain files of one folder with their size and time, in one system call per file.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct TFolderEntry {
  QString name;  // bare file name
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;  // modification time in nanoseconds since the epoch
};

// Plain files (after following links) whose name ends in "." + suffix without regard to case, sorted by name in
// code-unit order so every listing gives the same order. A missing or unreadable folder lists nothing.
std::vector<TFolderEntry> ListFolder(const QString& folder, const QString& suffix);

// The name under which a file called name lies in folder when letter case is not minded: name itself when that
// file exists, else the first such file by name, else name unchanged (the caller then reports it as missing).
// Packs made on systems that ignore case name their files loosely.
QString MatchFileName(const QString& folder, const QString& name);
