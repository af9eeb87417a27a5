// A picture opened with the game ("Open with", or named on the command line) starts as a level at once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <csignal>

#include "engine/level/OwnPictures.h"
#include "engine/level/SavedGameFile.h"
#include "support/TestFolder.h"

namespace {
TEST(OpenPicture, StartsAsALevelOfMyPictures) {
  TestFolder folder;
  const QString built = QCoreApplication::applicationDirPath() + "/";
  folder.CopyFolder(built + "resources", "resources");
  ASSERT_TRUE(QFile::copy(built + "puzzle", folder.File("puzzle")));
  QImage photo(1200, 900, QImage::Format_RGB32);
  photo.fill(QColor(90, 140, 60));
  ASSERT_TRUE(photo.save(folder.File("Летний луг.jpg"), "JPG"));

  QProcess game;
  game.setProgram(folder.File("puzzle"));
  game.setArguments({folder.File("Летний луг.jpg")});
  game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  game.start();
  ASSERT_TRUE(game.waitForStarted(10000));
  // The level is made and started in one step of the event loop; the signal is handled after it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.File("levels/data/moi_0001.ini")); }, 30000));
  ::kill(static_cast<pid_t>(game.processId()), SIGTERM);
  const bool ended = game.waitForFinished(20000);
  if (!ended) game.kill();
  ASSERT_TRUE(ended);
  EXPECT_EQ(game.exitCode(), 0);

  // Ended by the session, the game saved the level in play: the photo, whole, 4 x 4, of "Мои картинки".
  QFile saved(folder.File("puz.sav"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const TSavedGame save = ParseSavedGame(saved.readAll());
  EXPECT_EQ(save.Pack, kOwnPicturesPack);
  EXPECT_EQ(save.level, 1);
  EXPECT_TRUE(save.Im_bkg_Path.endsWith("moi_0001.jpg")) << save.Im_bkg_Path.toStdString();
  EXPECT_EQ(save.ColCount, 4);
  EXPECT_EQ(save.Pic.size(), 16u);
  EXPECT_EQ(save.GameStatus.Score, 100) << "the first own picture costs no stars";
}
}  // namespace
