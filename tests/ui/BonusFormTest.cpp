// The bonus window: its controls, the prices, the star purchases, the skip, the closing and the download button.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "engine/PicPuzzle.h"
#include "platform/ZipArchive.h"
#include "support/GameFixture.h"
#include "support/LoopbackServer.h"
#include "ui/BackgroundPanel.h"
#include "ui/BonusButton.h"
#include "ui/BonusForm.h"
#include "ui/PackList.h"

namespace {
TEST(BonusPrices, AreAQuarterAndAHalfOfTenStarsAPieceRoundedUp) {
  const struct {
    int cols, rows, addTime, skip;
  } cases[] = {
      {4, 3, 30, 60}, {5, 5, 63, 125}, {0, 0, 0, 0}, {1, 1, 3, 5}, {3, 1, 8, 15}, {10, 10, 250, 500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cols << " x " << c.rows);
    const TBonusPrices prices = BonusPrices(c.cols, c.rows);
    EXPECT_EQ(prices.addTime, c.addTime);
    EXPECT_EQ(prices.skipLevel, c.skip);
  }
}

class BonusWindow : public GameFixture {
 protected:
  // Runs the window modally; `act` runs inside it, as the player would.
  void ShowAndDo(std::function<void()> act) {
    QTimer::singleShot(0, form.get(), std::move(act));
    form->exec();
  }

  std::unique_ptr<TBonusForm> form = std::make_unique<TBonusForm>();
};

TEST_F(BonusWindow, EveryControlSitsAtItsDesignPlace) {
  const struct {
    const char* name;
    QWidget* control;
    QRect rect;
  } cases[] = {
      {"title", form->TitleLabel, {0, 0, 801, 33}},
      {"background", form->Background, {0, 33, 801, 514 - 33}},
      {"add time", form->AddTimeButton, {104, 56, 193, 41}},
      {"skip level", form->SkipLevelButton, {320, 56, 257, 41}},
      {"bonus star", form->BonusStarButton, {592, 56, 193, 41}},
      {"download", form->DownloadButton, {208, 104, 193, 41}},
      {"choose", form->ChooseButton, {488, 104, 193, 41}},
      {"progress", form->ProgressBar, {104, 148, 673, 9}},
      {"file-name label", form->FileNameLabel, {104, 160, 168, 32}},
      {"file-name field", form->FileNameEdit, {352, 160, 193, 31}},
      {"version", form->VersionLabel, {616, 168, 64, 25}},
      {"OK", form->OkButton, {710, 456, 75, 40}},
  };
  EXPECT_EQ(form->size(), QSize(801, 514));
  EXPECT_EQ(form->Panel->geometry(), QRect(0, 0, 801, 514));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.control->geometry(), c.rect);
    EXPECT_EQ(c.control->parentWidget(), form->Panel);
  }
  EXPECT_EQ(form->TitleLabel->text(), "Игровые бонусы");
  EXPECT_EQ(form->BonusStarButton->text(), "Получить бонусную звезду");
  EXPECT_EQ(form->DownloadButton->text(), "Скачать доступные темы бесплатно");
  EXPECT_EQ(form->ChooseButton->text(), "Выбрать тему и картинку");
  EXPECT_EQ(form->FileNameLabel->text(), "Имя файла с сохраненными результатами игры");
  EXPECT_EQ(form->VersionLabel->text(), "ver 2.0");
  EXPECT_EQ(form->OkButton->text(), "Ок");
  EXPECT_EQ(form->ProgressBar->value(), 0);
  EXPECT_FALSE(form->ProgressBar->isTextVisible());
  // Before the first showing the price buttons carry their design captions.
  EXPECT_EQ(form->AddTimeButton->text(), "Добавить 5 минут времени за 50 звезд");
  EXPECT_EQ(form->SkipLevelButton->text(), "Перейти на следующий уровень за 50 звезд");
}

TEST_F(BonusWindow, EachShowingPricesTheButtonsByTheCurrentLevel) {
  Puzzle.ColCount = 5;
  Puzzle.RowCount = 5;
  mstate = msWinLevel;
  ShowAndDo([&] {
    EXPECT_EQ(mstate, msNothing);
    EXPECT_EQ(form->AddTimeButton->Tag, 63);
    EXPECT_EQ(form->AddTimeButton->text(), "Добавить 5 минут времени за 63 звезд");
    EXPECT_EQ(form->SkipLevelButton->Tag, 125);
    EXPECT_EQ(form->SkipLevelButton->text(), "Перейти на следующий уровень за 125 звезд");
    form->OkButton->click();
  });
  Puzzle.ColCount = 4;
  Puzzle.RowCount = 3;
  ShowAndDo([&] {
    EXPECT_EQ(form->AddTimeButton->text(), "Добавить 5 минут времени за 30 звезд");
    EXPECT_EQ(form->SkipLevelButton->text(), "Перейти на следующий уровень за 60 звезд");
    form->OkButton->click();
  });
  EXPECT_FALSE(form->isVisible());
}

TEST_F(BonusWindow, AddTimeSellsFiveMinutesForExactlyItsPrice) {
  Puzzle.ColCount = 4;
  Puzzle.RowCount = 3;
  Puzzle.limtime = 200;
  const struct { int score, limtimeAfter, scoreAfter; } cases[] = {{29, 200, 29}, {30, 500, 0}, {95, 800, 35}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    Puzzle.limtime = 200;
    Puzzle.GameStatus.Score = c.score;
    ShowAndDo([&] {
      form->AddTimeButton->click();
      form->AddTimeButton->click();
      EXPECT_TRUE(form->isVisible()) << "the window stays open";
      form->OkButton->click();
    });
    EXPECT_EQ(Puzzle.limtime, c.limtimeAfter);
    EXPECT_EQ(Puzzle.GameStatus.Score, c.scoreAfter);
  }
}

TEST_F(BonusWindow, TheBonusStarIsFree) {
  Puzzle.GameStatus.Score = 0;
  ShowAndDo([&] {
    for (int i = 0; i < 3; ++i) form->BonusStarButton->click();
    form->OkButton->click();
  });
  EXPECT_EQ(Puzzle.GameStatus.Score, 3);
}

TEST_F(BonusWindow, ASkipWhilePausedEndsTheLevelAsWonWithoutMarkingItsPicture) {
  Puzzle.ColCount = 4;
  Puzzle.RowCount = 3;
  Puzzle.CompletePuzzle = "first.jpg ";
  Puzzle.Im_bkg_Path = folder.File("levels/data/second.jpg");
  Puzzle.GameStatus.IdStep = stPaused;
  Puzzle.GameStatus.Score = 60;
  ShowAndDo([&] { form->SkipLevelButton->click(); });
  EXPECT_EQ(mstate, 2);
  EXPECT_EQ(Puzzle.GameStatus.Score, 0);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);
  EXPECT_TRUE(Puzzle.GameStatus.msg.startsWith("Паздравляем! Вы собрали этот уровень!"));
  EXPECT_EQ(Puzzle.CompletePuzzle, "first.jpg ");
  EXPECT_FALSE(form->isVisible());
}

TEST_F(BonusWindow, ASkipOneStarShortDoesNothing) {
  Puzzle.ColCount = 4;
  Puzzle.RowCount = 3;
  Puzzle.GameStatus.IdStep = stPaused;
  Puzzle.GameStatus.Score = 59;
  ShowAndDo([&] {
    form->SkipLevelButton->click();
    EXPECT_TRUE(form->isVisible());
    form->OkButton->click();
  });
  EXPECT_EQ(mstate, 0);
  EXPECT_EQ(Puzzle.GameStatus.Score, 59);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPaused);
}

TEST_F(BonusWindow, ClosingHandsTheUneditableFileNameToTheGame) {
  Puzzle.GameStatus.Fname = "elsewhere.sav";
  EXPECT_FALSE(form->FileNameEdit->isEnabled());
  ShowAndDo([&] { form->close(); });
  EXPECT_EQ(Puzzle.GameStatus.Fname, "puz.sav");
}

TEST_F(BonusWindow, EscapeClosesTheWindowAsItsCloseBoxDoes) {
  Puzzle.GameStatus.Fname = "elsewhere.sav";
  Puzzle.GameStatus.Score = 80;
  ShowAndDo([&] { QTest::keyClick(form.get(), Qt::Key_Escape); });
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Puzzle.GameStatus.Fname, "puz.sav");
  EXPECT_EQ(Puzzle.GameStatus.Score, 80);
}

TEST_F(BonusWindow, TheStatusLoopSwitchesOnlyTheThreeStarButtons) {
  for (bool on : {false, true}) {
    form->SetStarButtonsEnabled(on);
    EXPECT_EQ(form->AddTimeButton->isEnabled(), on);
    EXPECT_EQ(form->SkipLevelButton->isEnabled(), on);
    EXPECT_EQ(form->BonusStarButton->isEnabled(), on);
    EXPECT_TRUE(form->DownloadButton->isEnabled());
    EXPECT_TRUE(form->ChooseButton->isEnabled());
    EXPECT_TRUE(form->OkButton->isEnabled());
  }
}

TEST_F(BonusWindow, TheDownloadButtonRunsTheDownloadAndTheWindowStaysOpen) {
  LoopbackServer server;
  server.Routes().Get(
      "/", [](const httplib::Request&, httplib::Response& response) { response.set_content("packs", "text/plain"); });
  TZipWriter four(folder.File("four.zip"));
  four.Add("four.ini", "[PuzzleSettings]\nlevel=4\n");
  four.Write();
  QFile fourFile(folder.File("four.zip"));
  ASSERT_TRUE(fourFile.open(QIODevice::ReadOnly));
  const std::string packFour = fourFile.readAll().toStdString();
  server.Routes().Get("/download/levels/4.zip", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(packFour, "application/zip");
  });
  folder.Write("resources/server.ini", "[Server]\nBaseUrl=" + server.BaseUrl().toUtf8() + "\n");
  bool openAfterRun = false;
  ShowAndDo([&] {
    form->DownloadButton->click();
    openAfterRun = form->isVisible();
    form->OkButton->click();
  });
  EXPECT_TRUE(openAfterRun);
  EXPECT_EQ(form->ProgressBar->value(), 100);
  EXPECT_TRUE(form->DownloadButton->isEnabled());
  EXPECT_FALSE(QFile::exists(folder.File("4.zip")));
  EXPECT_TRUE(QFile::exists(folder.File("levels/data/four.ini"))) << "installed at once";
  EXPECT_TRUE(messages.last().startsWith("|Получено тем пазлов: 1 ")) << messages.last().toStdString();
  ASSERT_NE(form->PackList->Bar(4), nullptr);
  EXPECT_EQ(form->PackList->Outcome(4), "получен");
}
}  // namespace
