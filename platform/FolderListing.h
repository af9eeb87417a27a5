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
