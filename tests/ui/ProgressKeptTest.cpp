// What the player earned survives: a moved game folder, a picture gone, a level saved at its start, a level
// without a tray left idle, and the session ending the game.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/SavedGameFile.h"
#include "platform/ProgramFolder.h"
#include "support/RecordingPlayer.h"
#include "support/SourceTree.h"
#include "support/TestProgram.h"
#include "support/WindowFixture.h"
#include "ui/MainForm.h"

namespace {
class ProgressKept : public WindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::copy(SourcePacksFolder() + "standart.zip", folder.File("standart.zip")));
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
  }
  // The game as the next start finds it: the window closed and opened again over the same saved game.
  void Restart() {
    CloseWindow();
    ResetPuzzle();
    OpenWindow();
  }
  // "standart" level 1: 2 × 2 pieces, no tray.
  void StartFirstLevel() {
    QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
    ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
    ASSERT_EQ(Puzzle.level, 1);
  }
  void Pause() {
    QTest::mouseClick(form->BmpButton2, Qt::LeftButton);
    ASSERT_EQ(Puzzle.GameStatus.IdStep, stPaused);
  }
  TSavedGame Saved(const QString& programFolder) const {
    QFile file(programFolder + "puz.sav");
    return ParseSavedGame(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
  }
};

TEST_F(ProgressKept, ALevelWithoutATrayLeavesTheConveyorTimerOff) {
  StartFirstLevel();
  ASSERT_EQ(Puzzle.speed_movie, 0);
  // A stopped timer cannot fire: checking that it is stopped is exact where a real wait only samples.
  EXPECT_FALSE(Puzzle.Timer->isActive());
  Pause();
  QTest::mouseClick(form->BmpButton2, Qt::LeftButton);  // continue
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_FALSE(Puzzle.Timer->isActive());
  EXPECT_TRUE(Puzzle.Clock->isActive());
}

TEST_F(ProgressKept, AMovedGameFolderResumesFromThePictureOfTheSameName) {
  StartFirstLevel();
  Pause();
  Puzzle.GameStatus.Score = 130;
  Puzzle.SaveStateGame();
  CloseWindow();

  TestFolder moved;
  moved.CopyFolder(folder.Path());
  ASSERT_TRUE(QDir(folder.File("levels")).removeRecursively());  // the old place is gone
  SetProgramFolder(moved.Path());
  Restart();
  ASSERT_EQ(form->BmpButton1->text(), "Продолжить");
  QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(Puzzle.Im_bkg_Path, LevelDataFolder() + "st01_aitzgorri.jpg");
  EXPECT_TRUE(Puzzle.Im_bkg_Path.startsWith(moved.Path()));
  EXPECT_EQ(Puzzle.GameStatus.Score, 130);
  EXPECT_EQ(form->Image_Bkg->Layers().Count(), 4);
  EXPECT_TRUE(messages.filter("st01_aitzgorri").isEmpty()) << messages.join("\n").toStdString();
  CloseWindow();
}

TEST_F(ProgressKept, APictureGoneEverywhereStartsAfreshWithTheStarsKept) {
  StartFirstLevel();
  Pause();
  Puzzle.GameStatus.Score = 130;
  Puzzle.CompletePuzzle = "other.jpg ";
  Puzzle.Im_bkg_Path = "/nowhere/levels/data/vanished.jpg";
  Puzzle.SaveStateGame();
  Restart();
  ASSERT_EQ(messages.filter("vanished.jpg").size(), 1) << messages.join("\n").toStdString();
  EXPECT_EQ(form->BmpButton1->text(), "Начать");
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_EQ(Puzzle.GameStatus.Score, 130);
  EXPECT_EQ(Puzzle.CompletePuzzle, "other.jpg ");
  QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(Puzzle.level, 1);
  EXPECT_EQ(Puzzle.GameStatus.Score, 130);
}

TEST_F(ProgressKept, AWonLevelIsNotOfferedAgain) {
  StartFirstLevel();
  Puzzle.GameStatus.Score = 140;
  Puzzle.CompletePuzzle = "st01_aitzgorri.jpg ";
  Puzzle.winGame();
  Puzzle.SaveStateGame();  // as the message click does before it looks for the next level
  Restart();
  EXPECT_EQ(form->BmpButton1->text(), "Начать");
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_EQ(Puzzle.GameStatus.Score, 140);
  QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
  EXPECT_EQ(Puzzle.level, 2);
}

TEST_F(ProgressKept, ALevelSavedAtItsStartResumesWithItsOwnTime) {
  StartFirstLevel();
  Puzzle.Clock->stop();  // no tick yet: the time left is still 0
  Pause();
  ASSERT_EQ(Saved(folder.Path()).GameStatus.timeint, 0);
  const int limit = Puzzle.limtime;
  ASSERT_GT(limit, 0);
  Restart();
  QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  Puzzle.ClockTick(Puzzle.Clock.get());
  EXPECT_EQ(Puzzle.GameStatus.timeint, limit);
  EXPECT_EQ(min, 0);
  EXPECT_EQ(sec, 0);
}

struct SessionCase {
  const char* name;
  bool paused;
};

class SessionEnds : public ProgressKept, public ::testing::WithParamInterface<SessionCase> {};

TEST_P(SessionEnds, TheLevelIsSavedWithoutAQuestion) {
  StartFirstLevel();
  if (GetParam().paused) Pause();
  QFile::remove(folder.File("puz.sav"));
  Puzzle.GameStatus.Score = 120;
  const qsizetype before = messages.size();
  form->EndSession();
  EXPECT_EQ(messages.size(), before) << messages.join("\n").toStdString();
  EXPECT_FALSE(form->isVisible());
  const TSavedGame saved = Saved(folder.Path());
  EXPECT_EQ(saved.GameStatus.IdStep, stPaused);
  EXPECT_EQ(saved.GameStatus.Score, 120);
  EXPECT_EQ(saved.Pic.size(), 4u);
  Restart();
  EXPECT_EQ(form->BmpButton1->text(), "Продолжить");
}

INSTANTIATE_TEST_SUITE_P(Cases, SessionEnds,
                         ::testing::Values(SessionCase{"playing", false}, SessionCase{"paused", true}),
                         [](const auto& info) { return std::string(info.param.name); });
}  // namespace
