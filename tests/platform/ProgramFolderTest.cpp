// Which folder the game reads its resources from and writes its files to, for a copy of its own and an install.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/ProgramFolder.h"
#include "support/TestFolder.h"

namespace {
// A throw-away XDG_DATA_HOME, so the player's folder of these tests never lies in the real home.
class PlayerHome {
 public:
  PlayerHome() : saved_(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", home_.File("share").toUtf8()); }
  ~PlayerHome() { qputenv("XDG_DATA_HOME", saved_); }
  QString DataFolder() const { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/'; }

 private:
  TestFolder home_;
  QByteArray saved_;
};

class GameFolders : public ::testing::Test {
 protected:
  void TearDown() override { SetProgramFolder(QString()); }

  // An install under the throw-away prefix: the executable's folder, and resources and a pack in the data folder.
  QString Install() {
    const QString program = prefix.File("bin/");
    QDir().mkpath(program);
    const QString data = QDir::cleanPath(program + PUZZLE_DATA_FROM_PROGRAM) + '/';
    QDir().mkpath(data + "resources/backgrd");
    prefix.Write(QDir(prefix.Path()).relativeFilePath(data + "standart.zip"), "pack");
    SetProgramFolder(program);
    return data;
  }

  TestFolder prefix;
  PlayerHome home;
};

TEST_F(GameFolders, AWritableCopyKeepsEverythingInItsFolder) {
  for (const QString& inside : {QString(), QString("resources/backgrd/")}) {
    TestFolder copy;
    QDir().mkpath(copy.File(inside));
    SetProgramFolder(copy.Path());
    EXPECT_EQ(ResourceFolder(), copy.Path()) << inside.toStdString();
    EXPECT_EQ(DataFolder(), copy.Path()) << inside.toStdString();
    PrepareDataFolder();
    EXPECT_FALSE(QFileInfo::exists(home.DataFolder())) << inside.toStdString();
  }
}

TEST_F(GameFolders, AnInstallReadsFromItsDataFolderAndWritesToThePlayersFolder) {
  const QString installData = Install();
  EXPECT_EQ(ResourceFolder(), installData);
  EXPECT_EQ(DataFolder(), home.DataFolder());
  EXPECT_TRUE(home.DataFolder().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
}

TEST_F(GameFolders, TheDefaultPacksReachThePlayersFolderOnlyAtTheFirstStart) {
  Install();
  PrepareDataFolder();
  ASSERT_TRUE(QFileInfo(home.DataFolder() + "standart.zip").isFile());
  // The pack check moves the pack into the level folders; a later start must not bring it back.
  QDir().mkpath(home.DataFolder() + "levels");
  QFile::remove(home.DataFolder() + "standart.zip");
  PrepareDataFolder();
  EXPECT_FALSE(QFileInfo::exists(home.DataFolder() + "standart.zip"));
}

TEST_F(GameFolders, ACopyWithItsOwnResourcesIsNotAnInstall) {
  const QString installData = Install();
  QDir().mkpath(ProgramFolder() + "resources");
  EXPECT_EQ(ResourceFolder(), ProgramFolder());
  EXPECT_EQ(DataFolder(), ProgramFolder());
  EXPECT_NE(ResourceFolder(), installData);
}
}  // namespace
