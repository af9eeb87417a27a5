// The level search: which level of the current pack to play next.
//
// The search is meant to list the data folder once per candidate number, up to 1001 times. One pass gives the
// same answer: within a pass every file is read in listing order, and a file whose number does not parse stops
// the search exactly where the first of those passes would have reached it. The number and pack of each file are
// kept while its size and time stay the same, so a search after the first opens only files that changed.
#include "engine/level/LevelSearch.h"

#include <QHash>
#include <algorithm>
#include <optional>

#include "engine/PicPuzzle.h"
#include "engine/level/CompletedList.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelSettings.h"
#include "platform/Events.h"
#include "platform/FolderListing.h"
#include "platform/IniFile.h"

namespace {
constexpr int kHighestSearchedLevel = 1000;

// What the search needs of one level file, or the error reading it gave.
struct LevelKeys {
  std::int64_t size = -1;
  std::int64_t modifiedNs = 0;
  int level = 0;
  QString pack;
  QString error;
};

QHash<QString, LevelKeys>& ReadLevels() {
  static QHash<QString, LevelKeys> levels;
  return levels;
}

const LevelKeys& KeysOf(const QString& folder, const TFolderEntry& file) {
  const QString path = folder + file.name;
  LevelKeys& keys = ReadLevels()[path];
  if (keys.size == file.size && keys.modifiedNs == file.modifiedNs) return keys;
  keys = LevelKeys();
  keys.size = file.size;
  keys.modifiedNs = file.modifiedNs;
  try {
    const TIniFile ini = OpenLevelIni(path);
    keys.level = ReadLevelNumber(ini);
    keys.pack = ReadLevelPack(ini);
  } catch (const TLevelError& e) {
    keys.error = e.Text();
  }
  return keys;
}

struct Candidate {
  int level;
  QString name;
};
}  // namespace

void ForgetReadLevels() { ReadLevels().clear(); }

QString TPicPuzzle::UpdateLevel(int PuzzleLevel, const QString& PackLevel, const QString& completePuz) {
  const QString folder = LevelDataFolder();
  const std::vector<TFolderEntry> files = ListFolder(folder, QStringLiteral("ini"));
  if (files.empty()) return kSearchEmpty;
  const TCompletedList completed(completePuz);
  std::vector<bool> done;
  done.reserve(files.size());
  for (const TFolderEntry& file : files) done.push_back(completed.Contains(LevelBaseName(file.name)));
  if (std::all_of(done.begin(), done.end(), [](bool d) { return d; })) return kSearchNone;

  std::optional<Candidate> next;  // the lowest higher number, first listed on a tie
  for (std::size_t i = 0; i < files.size(); ++i) {
    ProcessPendingEvents();
    const LevelKeys& keys = KeysOf(folder, files[i]);
    if (!keys.error.isEmpty()) throw TLevelError(keys.error);
    if (keys.pack != PackLevel || done[i]) continue;
    if (keys.level == PuzzleLevel) return files[i].name;
    if (keys.level > PuzzleLevel && keys.level <= kHighestSearchedLevel && (!next || keys.level < next->level))
      next = Candidate{keys.level, files[i].name};
  }
  return next ? next->name : kSearchContinue;
}
