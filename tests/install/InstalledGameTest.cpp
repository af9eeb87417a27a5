// The installed game as an ordinary player meets it: installed by read-only-prefix.sh into a prefix this user
// cannot write, and played from there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "platform/ProgramFolder.h"
#include "support/RecordingPlayer.h"
#include "support/TestProgram.h"
#include "ui/MainForm.h"

namespace {
QStringList FilesBelow(const QString& folder) {
  QStringList files;
  for (QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
       it.hasNext();)
    files << it.next();
  files.sort();
  return files;
}

bool CanWrite(const QString& folder) { return ::access(QFile::encodeName(folder).constData(), W_OK) == 0; }

class InstalledGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(prefix.isEmpty() || installed.isEmpty()) << "run by read-only-prefix.sh, which names the install";
    ASSERT_TRUE(qEnvironmentVariable("XDG_DATA_HOME").startsWith(QDir::tempPath()))
        << "the player's folder must be a throw-away one";
    SetProgramFolder(installed);
  }
  void TearDown() override { SetProgramFolder(QString()); }

  void StartWindow() {
    form = std::make_unique<TMainForm>();
    form->show();
  }
  void CloseWindow() {
    form->close();
    form.reset();
    ResetPuzzle();
  }

  const QString prefix = qEnvironmentVariable("PUZZLE_INSTALL_PREFIX");
  const QString installed = qEnvironmentVariable("PUZZLE_INSTALLED_PROGRAM");
  const QString player = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/';
  TestProgram program;
  RecordingPlayers players;
  std::unique_ptr<TMainForm> form;
};

TEST_F(InstalledGame, StartsPlaysPausesAndResumesWithEverythingWrittenInThePlayersFolder) {
  const QStringList installedFiles = FilesBelow(prefix);
  ASSERT_EQ(DataFolder(), player);

  StartWindow();
  EXPECT_EQ(program.messages, QStringList()) << "pictures come from the install, packs unpack in the player's folder";
  EXPECT_FALSE(ListLevelFiles(player + "levels/data/").isEmpty());
  EXPECT_EQ(QDir(player).entryList({"*.zip"}, QDir::Files), QStringList()) << "the default packs are installed";
  EXPECT_EQ(form->BmpButton1->text(), "Начать");

  form->BmpButton1Click();
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_TRUE(Puzzle.Im_bkg_Path.startsWith(player + "levels/data/"));
  form->BmpButton2Click();
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPaused);
  EXPECT_TRUE(QFileInfo(player + "puz.sav").isFile());
  EXPECT_EQ(program.messages, QStringList());
  const int pieces = Puzzle.Pic.size();
  CloseWindow();

  StartWindow();
  EXPECT_EQ(form->BmpButton1->text(), "Продолжить");
  form->BmpButton1Click();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(int(Puzzle.Pic.size()), pieces);
  form->BmpButton2Click();
  CloseWindow();

  EXPECT_EQ(FilesBelow(prefix), installedFiles);
  EXPECT_EQ(program.messages, QStringList());
}

// A copy of the game that carries its own resources but lies where its player cannot write.
TEST_F(InstalledGame, AReadOnlyCopyReadsItsOwnResourcesAndWritesToThePlayersFolder) {
  const QString copy = QDir::cleanPath(installed + '/' + PUZZLE_DATA_FROM_PROGRAM) + '/';
  ASSERT_FALSE(CanWrite(copy)) << "run as a player who cannot write the install, as read-only-prefix.sh does";
  SetProgramFolder(copy);
  EXPECT_EQ(ResourceFolder(), copy);
  EXPECT_EQ(DataFolder(), player);
}
}  // namespace
