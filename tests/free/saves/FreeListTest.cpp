// "Мои пазлы" reads the folder: good puzzles listed right, newest first; damaged, foreign and picture-less files
// listed as such, and none of them changed.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include "FreeSavesFixture.h"
#include "engine/PicPuzzle.h"
#include "engine/level/SavedGameFile.h"
#include "free/saves/FreeRecords.h"
#include "free/saves/FreeSaves.h"
#include "support/TestProgram.h"

namespace {
QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

TEST(FreeList, ListsEveryFileAndTouchesNone) {
  TestProgram program;
  const QString picture = program.folder.File("lake.png"), gone = program.folder.File("gone.png");
  WriteFixturePicture(picture, QSize(240, 180));
  WriteFixturePicture(gone, QSize(240, 180));
  EXPECT_TRUE(ListFreeSaves().empty());  // no folder yet

  auto puzzle = FixtureFreePuzzle(picture);
  TFreeSave older = TakeFreeSave(*puzzle, 40);
  older.Saved = QDateTime::currentDateTimeUtc().addDays(-2);
  const QString olderPath = FreeSaveFolder() + "older.puzzle";
  WriteFreeSave(olderPath, older);
  PlayStep(*puzzle, 0);
  const QString newerPath = FreeSaveFolder() + "newer.puzzle";
  WriteFreeSave(newerPath, TakeFreeSave(*puzzle, 41));
  TFreeSave pictureless = TakeFreeSave(*FixtureFreePuzzle(gone), 5);
  pictureless.Saved = QDateTime::currentDateTimeUtc().addDays(-1);
  const QString picturelessPath = FreeSaveFolder() + "gone.puzzle";
  WriteFreeSave(picturelessPath, pictureless);
  QFile::remove(gone);
  const QByteArray good = Contents(newerPath);
  program.folder.Write("free/cut.puzzle", good.left(good.size() / 2));
  program.folder.Write("free/level.puzzle", SavedGameBytes(TPicPuzzle()));
  program.folder.Write("free/notes.txt", "not a puzzle, not listed");
  KeepFreeSeconds(older.Origin, older.Grid, 30);  // the records' file is not a puzzle either

  QStringList before;
  for (const QString& name : QDir(FreeSaveFolder()).entryList(QDir::Files))
    before << name + Contents(FreeSaveFolder() + name).toHex();
  const std::vector<TFreeListing> listings = ListFreeSaves();
  ASSERT_EQ(listings.size(), 5u);
  // The two damaged files carry the file's own time, now: they come first.
  QStringList faults;
  for (int i : {0, 1}) {
    EXPECT_TRUE(listings[i].Fault.contains(QRegularExpression("[а-яА-Я]"))) << i;
    faults << QFileInfo(listings[i].Path).fileName() + ": " + listings[i].Fault;
  }
  faults.sort();
  EXPECT_TRUE(faults[0].startsWith("cut.puzzle: Файл пазла обрывается")) << faults[0].toStdString();
  EXPECT_TRUE(faults[1].startsWith("level.puzzle: Это не файл пазла")) << faults[1].toStdString();

  const TFreeListing& newer = listings[2];
  EXPECT_EQ(newer.Path, newerPath);
  EXPECT_TRUE(newer.Fault.isEmpty());
  EXPECT_FALSE(newer.PictureMissing);
  EXPECT_EQ(newer.Origin, puzzle->Origin());
  EXPECT_EQ(newer.Grid, puzzle->Grid());
  EXPECT_EQ(newer.Seconds, 41);
  EXPECT_FALSE(newer.Finished);
  EXPECT_EQ(newer.PercentJoined, 100 / 11);  // one join of the eleven twelve pieces need
  EXPECT_FALSE(newer.Thumbnail.isNull());

  EXPECT_EQ(listings[3].Path, picturelessPath);
  EXPECT_TRUE(listings[3].PictureMissing);
  EXPECT_TRUE(listings[3].Fault.isEmpty());
  EXPECT_EQ(listings[4].Path, olderPath);
  EXPECT_EQ(listings[4].PercentJoined, 0);
  EXPECT_EQ(listings[4].LastPlayed, older.Saved.toUTC());

  QStringList after;
  for (const QString& name : QDir(FreeSaveFolder()).entryList(QDir::Files))
    after << name + Contents(FreeSaveFolder() + name).toHex();
  EXPECT_EQ(after, before);

  DeleteFreeSave(picturelessPath);
  EXPECT_FALSE(QFileInfo::exists(picturelessPath));
  EXPECT_EQ(ListFreeSaves().size(), 4u);
}

TEST(FreeList, NewPathsAreNeverTaken) {
  TestProgram program;
  const QString first = NewFreeSavePath();
  EXPECT_TRUE(first.startsWith(FreeSaveFolder()));
  program.folder.Write("free/" + QFileInfo(first).fileName(), "taken");
  const QString second = NewFreeSavePath();
  EXPECT_NE(second, first);
  EXPECT_FALSE(QFileInfo::exists(second));
}
