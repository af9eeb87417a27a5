// Loading levels into the game: GetDataFromPack, and moving on after a level ends.
#include "engine/level/LevelLoad.h"

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "platform/Events.h"

void ShowNotice(const QString& text) {
  Puzzle.GameStatus.IdStep = stNotice;
  Puzzle.GameStatus.msg = text;
  ProcessPendingEvents();
}

bool StartFoundLevel(int from, bool fullStopWhenAllDone) {
  Puzzle.ResetClock();
  try {
    const QString found = Puzzle.UpdateLevel(from, Puzzle.Pack, Puzzle.CompletePuzzle);
    if (!IsLevelFound(found)) {
      ShowNotice(LevelSearchNotice(found) + (found == kSearchNone && fullStopWhenAllDone ? "." : ""));
      return false;
    }
    Puzzle.GetDataFromPack(found);
  } catch (const TLevelError& e) {
    ShowNotice(e.Text());  // a damaged level refuses to start; the game is as it was
    return false;
  }
  Puzzle.ImageLoadFromFile(Puzzle.Im_bkg_Path);
  Puzzle.StartGame();
  return true;
}

TLevel ReadLevel(const QString& iniPath) {
  TLevel level{ReadLevelSettings(iniPath), ReadLevelData(LevelDataPath(iniPath))};
  const TLevelSettings& s = level.settings;
  if (s.ColCount < 1 || s.RowCount < 1)
    throw TLevelError(QString("Уровень «%1» нельзя начать: сетка %2 × %3 деталей невозможна.")
                          .arg(iniPath)
                          .arg(s.ColCount)
                          .arg(s.RowCount));
  const qint64 needed = qint64{s.ColCount} * s.RowCount;
  if (static_cast<qint64>(level.data.Pic.size()) < needed)
    throw TLevelError(QString("Уровень «%1» нельзя начать: в файле «%2» %3 деталей, а сетке %4 × %5 нужно %6.")
                          .arg(iniPath, LevelDataPath(iniPath))
                          .arg(level.data.Pic.size())
                          .arg(s.ColCount)
                          .arg(s.RowCount)
                          .arg(needed));
  return level;
}

TLevelFields LevelFields(const TLevel& level, const QString& folder) {
  const TLevelSettings& s = level.settings;
  TLevelFields f;
  f.Im_bkg_Path = folder + s.image;
  f.Im_bkg_Description = s.info;
  f.level = s.level;
  f.Pack = s.pack;
  f.ColCount = s.ColCount;
  f.RowCount = s.RowCount;
  f.speed_movie = s.Speed_Movie;
  f.limtime = s.LimTime;
  f.dr = level.data.dr;
  f.da = level.data.da;
  return f;
}

QString LevelSearchNotice(const QString& result) {
  if (result == kSearchEmpty)
    return "Отсутствуют уровни Игры Пазл. Скачайте в Игровых бонусах дополнительные уровни с сервера";
  if (result == kSearchNone)
    return "Завершены все уровни Игры Пазл. Скачайте в Игровых бонусах дополнительные уровни с сервера";
  return "Поздравляем! Вы завершили текущую тему Игры. Выберите в Игровых бонусах новую тему";
}

bool IsLevelFound(const QString& result) {
  return result != kSearchEmpty && result != kSearchNone && result != kSearchContinue;
}

// Everything is read and checked first, so a level that cannot start leaves the game as it was.
void TPicPuzzle::GetDataFromPack(const QString& Fname) {
  const QString folder = LevelDataFolder();
  TLevel loaded = ReadLevel(folder + Fname);
  TLevelData& d = loaded.data;
  static_cast<TLevelFields&>(*this) = LevelFields(loaded, folder);
  static_cast<TLevelStatus&>(GameStatus) = d;
  ReleasePieces();
  // Records beyond the grid take no part in the level: no cut, no layer, no place in the saved game.
  d.Pic.resize(static_cast<std::size_t>(ColCount) * RowCount);
  Pic = std::move(d.Pic);
}

void TPicPuzzle::LoadNewLevel() {
  // The win is kept before the next level is looked for: a next level that is missing, damaged or fails to
  // start must not cost the stars and the completed picture.
  SaveStateGame();
  if (!StartFoundLevel(level + 1)) return;
  // The fresh level is saved at once, so a crash or quit from here on resumes it.
  StopGame();
  SaveStateGame();
  PlayGame();
}

void TPicPuzzle::ReplayLevel() { StartFoundLevel(level); }
