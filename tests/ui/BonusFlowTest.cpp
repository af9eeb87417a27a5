// From the main window through the bonus window and the chooser to the bought level playing, as the player goes.
#include <gtest/gtest.h>

#include <QImage>
#include <QTimer>

#include "game/PicPuzzle.h"
#include "platform/ProgramFolder.h"
#include "support/GameFixture.h"
#include "support/LevelFiles.h"
#include "support/RecordingPlayer.h"
#include "ui/BonusButton.h"
#include "ui/BonusForm.h"
#include "ui/MainForm.h"
#include "ui/StoragePack.h"
#include "view/ImageView.h"

namespace {
// A playable 2 × 2 level with its picture.
void WriteLevel(const TestFolder& folder, const QString& name, int number, const QString& pack) {
  folder.Write("levels/data/" + name + ".ini",
               QString("[PuzzleSettings]\nlevel=%1\npack=%2\nimage=%3.jpg\ninfo=%3\nColCount=2\nRowCount=2\n"
                       "LimTime=300\nSpeed_Movie=0\n")
                   .arg(number)
                   .arg(pack, name)
                   .toUtf8());
  folder.Write("levels/data/" + name + ".level", SquareLevelBytes());
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  ASSERT_TRUE(picture.save(folder.File("levels/data/" + name + ".jpg"), "JPG"));
}

class BonusFromMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteLevel(folder, "sea1", 1, "Море");
    WriteLevel(folder, "sea4", 4, "Море");
    WriteLevel(folder, "home", 0, "standart");
    // The windows as the program start makes them.
    main = std::make_unique<TMainForm>();
    bonus = std::make_unique<TBonusForm>(main.get());
    chooser = std::make_unique<TStoragePack>(bonus.get());
  }
  void TearDown() override {
    chooser.reset();
    bonus.reset();
    main->close();
    main.reset();
  }

  // Runs `act` once `window` is up: the game lets events run before it shows a window, too.
  static void WhenShown(QWidget* window, std::function<void()> act) {
    QTimer::singleShot(0, window, [window, act] {
      if (window->isVisible())
        act();
      else
        WhenShown(window, act);
    });
  }
  // Opens the bonus window from the main window; inside the chooser, `choose` acts as the player.
  void OpenChooser(std::function<void()> choose) {
    WhenShown(bonus.get(), [this, choose] {
      WhenShown(chooser.get(), choose);
      bonus->ChooseButton->click();
    });
    main->BmpButton3Click();
  }
  void Click(const char* tileName) {
    TImage32* tile = chooser->findChild<TImage32*>(tileName);
    ASSERT_NE(tile, nullptr) << tileName;
    ASSERT_TRUE(tile->OnClick) << tileName;
    tile->OnClick(tile);
  }

  TestProgram program;
  TestFolder& folder = program.folder;
  QStringList& messages = program.messages;
  RecordingPlayers players;
  std::unique_ptr<TMainForm> main;
  std::unique_ptr<TBonusForm> bonus;
  std::unique_ptr<TStoragePack> chooser;
};

TEST_F(BonusFromMainWindow, ABoughtPictureClosesBothWindowsAndStartsThatLevel) {
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  ASSERT_EQ(Puzzle.GameStatus.Score, 100);
  OpenChooser([this] {
    Click("Image1");    // listing home, sea1, sea4: the themes are "standart" and "Море"
    Click("picture3");  // sea4
    if (chooser->isVisible()) chooser->close();
  });
  EXPECT_FALSE(chooser->isVisible());
  EXPECT_FALSE(bonus->isVisible());
  EXPECT_EQ(mstate, 1);
  EXPECT_EQ(Puzzle.GameStatus.Score, 60);
  EXPECT_EQ(Puzzle.Pack, "Море");
  EXPECT_EQ(Puzzle.level, 4);
  EXPECT_EQ(Puzzle.Im_bkg_Path, folder.File("levels/data/sea4.jpg"));
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying) << messages.join("; ").toStdString();
}

TEST_F(BonusFromMainWindow, LeavingTheChooserWhilePlayingContinuesThePausedLevel) {
  main->BmpButton1Click();  // "Начать": the lowest level of "standart"
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying) << messages.join("; ").toStdString();
  const QString playing = Puzzle.Im_bkg_Path;
  int stepInChooser = 0;
  OpenChooser([&] {
    stepInChooser = Puzzle.GameStatus.IdStep;
    chooser->close();
  });
  EXPECT_EQ(stepInChooser, stPaused);
  EXPECT_EQ(mstate, -1);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(Puzzle.Im_bkg_Path, playing);
  EXPECT_EQ(Puzzle.GameStatus.Score, 100);
}
TEST_F(BonusFromMainWindow, ASkipBoughtWhilePlayingEndsTheLevelAsWonWithoutCompletingIt) {
  main->BmpButton1Click();
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying) << messages.join("; ").toStdString();
  Puzzle.GameStatus.Score = 20;  // a 2 × 2 level: the skip costs 20
  int stepInWindow = 0;
  WhenShown(bonus.get(), [&] {
    stepInWindow = Puzzle.GameStatus.IdStep;
    bonus->SkipLevelButton->click();
  });
  main->BmpButton3Click();
  EXPECT_EQ(stepInWindow, stPaused);
  EXPECT_FALSE(bonus->isVisible());
  EXPECT_EQ(Puzzle.GameStatus.Score, 0);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon) << "play does not go on after the skip";
  EXPECT_EQ(Puzzle.CompletePuzzle, "");
}
}  // namespace
