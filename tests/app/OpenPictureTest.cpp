// A picture given to the game: with --pieces it is a free puzzle saved from its first moment and again when the
// session ends the game; the level game's saved game and levels are not touched.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <csignal>

#include "free/saves/FreeSaves.h"
#include "support/TestFolder.h"

namespace {
QStringList FreeSaves(const TestFolder& folder) {
  return QDir(folder.File("free")).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

TEST(OpenPicture, AFreePuzzleIsSavedFromItsFirstMomentAndWhenTheSessionEnds) {
  TestFolder folder;
  const QString built = QCoreApplication::applicationDirPath() + "/";
  folder.CopyFolder(built + "resources", "resources");
  ASSERT_TRUE(QFile::copy(built + "puzzle", folder.File("puzzle")));
  QImage photo(1200, 900, QImage::Format_RGB32);
  photo.fill(QColor(90, 140, 60));
  ASSERT_TRUE(photo.save(folder.File("Летний луг.jpg"), "JPG"));

  QProcess game;
  game.setProgram(folder.File("puzzle"));
  game.setArguments({"--pieces", "24", folder.File("Летний луг.jpg")});
  game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  game.start();
  ASSERT_TRUE(game.waitForStarted(10000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return FreeSaves(folder).size() == 1; }, 30000));
  ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
  const bool ended = game.waitForFinished(20000);
  if (!ended) game.kill();
  ASSERT_TRUE(ended);
  EXPECT_EQ(game.exitCode(), 0);

  ASSERT_EQ(FreeSaves(folder).size(), 1) << "one puzzle, one file, nothing left half written";
  const TFreeSave save = ReadFreeSave(folder.File("free/" + FreeSaves(folder).front()));
  EXPECT_EQ(save.Origin.Picture, folder.File("Летний луг.jpg"));
  EXPECT_EQ(save.Grid.Columns * save.Grid.Rows, 24);
  EXPECT_EQ(save.State.GroupOf.size(), 24u);
  EXPECT_FALSE(save.Finished);
  EXPECT_FALSE(QFile::exists(folder.File("puz.sav")));
  EXPECT_FALSE(QFile::exists(folder.File("levels/data/moi_0001.ini")));
}
}  // namespace
