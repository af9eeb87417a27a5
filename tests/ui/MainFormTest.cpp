// The main window: its layout rules, its status loop and the buttons that need no level.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QTimer>

#include "engine/PicPuzzle.h"
#include "platform/ProgramFolder.h"
#include "support/RecordingPlayer.h"
#include "support/TestProgram.h"
#include "support/WindowFixture.h"
#include "ui/Anchors.h"
#include "ui/MainForm.h"
#include "ui/RaisedLabel.h"
#include "view/ImageView.h"

namespace {
class MainWindow : public WindowFixture {
 protected:
  void SetUp() override { OpenWindow(false); }
};

TEST_F(MainWindow, NewPlayerStartsWithAHundredStarsInTheStandardPack) {
  EXPECT_EQ(form->windowTitle(), "KAVRIN Настольный Пазл");
  EXPECT_EQ(form->BmpButton1->text(), "Начать");
  EXPECT_EQ(form->BmpButton1->Tag, 0);
  EXPECT_EQ(Puzzle.GameStatus.Score, 100);
  EXPECT_EQ(Puzzle.Pack, "standart");
  EXPECT_EQ(Puzzle.level, 0);
  EXPECT_EQ(Puzzle.GameStatus.Fname, "puz.sav");
  EXPECT_EQ(form->BmpButton4->Tag, 15);
  EXPECT_EQ(Puzzle.Im_Bkg, form->Image_Bkg);
  EXPECT_EQ(Puzzle.Im_list, form->Im_list);
  EXPECT_EQ(form->Image_Bkg->Color(), 11191504u);
  EXPECT_TRUE(form->Im_list->isHidden());
  EXPECT_TRUE(form->PanelMsg->isHidden());
}

TEST_F(MainWindow, MissingArtIsReportedOnceAndStartUpGoesOn) {
  // Every picture is missing from the throw-away program folder; start-up must still create the game.
  EXPECT_NE(Puzzle.Clock, nullptr);
  EXPECT_EQ(Puzzle.GameStatus.Fname, "puz.sav");
  EXPECT_TRUE(form->Image_Bkg->Bitmap().Empty());
  // Said once per run: the box names every missing file, and an earlier test in this process may have shown it.
  int reports = 0;
  for (const QString& message : messages) reports += message.contains("default.jpg") && message.contains("bkg3.jpg");
  EXPECT_LE(reports, 1);
}

TEST(WindowResizeRule, KeepsTheWindowSquareAndAtLeast548) {
  const std::pair<QSize, QSize> cases[] = {{{600, 900}, {900, 900}},
                                           {{300, 300}, {548, 548}},
                                           {{900, 600}, {900, 900}},
                                           {{548, 100}, {548, 548}},
                                           {{700, 700}, {700, 700}}};
  for (const auto& [given, expected] : cases) EXPECT_EQ(TMainForm::SquareSize(given), expected) << given.width();
}

TEST_F(MainWindow, ResizingMakesTheWindowSquareAndRecordsItsSize) {
  form->show();
  form->resize(600, 900);
  EXPECT_EQ(form->size(), QSize(900, 900));
  EXPECT_EQ(Puzzle.GameStatus.ParentWidth, 900);
  EXPECT_EQ(Puzzle.GameStatus.ParentHeight, 900);
  form->resize(300, 300);
  EXPECT_EQ(form->size(), QSize(548, 548));
  EXPECT_EQ(form->Panel->size(), QSize(548, 548));
}

TEST(Anchoring, FollowsTheAnchoredEdges) {
  const QSize design(705, 617), grown(805, 717);
  struct Case {
    QRect place;
    int anchors;
    QRect expected;
  } cases[] = {
      {{0, 5, 81, 49}, akLeft | akTop, {0, 5, 81, 49}},
      {{410, 5, 152, 53}, akLeft | akTop | akRight, {410, 5, 252, 53}},
      {{568, 4, 73, 49}, akTop | akRight, {668, 4, 73, 49}},
      {{56, 56, 585, 513}, akAll, {56, 56, 685, 613}},
      {{56, 552, 585, 59}, akLeft | akRight | akBottom, {56, 652, 685, 59}},
      {{640, 236, 57, 57}, akRight, {740, 278, 57, 57}},
  };
  for (const Case& c : cases) EXPECT_EQ(TAnchors::Place(c.place, design, c.anchors, grown), c.expected) << c.anchors;
}

TEST_F(MainWindow, ClockShowsMinutesAndSecondsWithoutPadding) {
  const std::pair<int, const char*> cases[] = {{125, "2:5"}, {600, "10:0"}, {59, "0:59"}, {60, "1:0"}, {0, "0:0"}};
  for (const auto& [seconds, text] : cases) {
    Puzzle.GameStatus.timeint = seconds;
    form->daemonTimer();
    EXPECT_EQ(form->ClockLabel->text(), text);
  }
}

TEST_F(MainWindow, LargeScoresUseASmallerFont) {
  const std::pair<int, int> cases[] = {{10000, 14}, {-10000, 14}, {10001, 8}, {-10001, 8}, {0, 14}};
  for (const auto& [score, points] : cases) {
    Puzzle.GameStatus.Score = score;
    form->daemonTimer();
    EXPECT_EQ(form->ScoreLabel->text(), QString::number(score));
    EXPECT_EQ(form->ScoreLabel->font().pointSize(), points) << score;
  }
}

TEST_F(MainWindow, MessagePanelShowsAnyTextButNull) {
  form->show();
  Puzzle.GameStatus.IdStep = stWon;
  Puzzle.GameStatus.msg = "null";
  form->daemonTimer();
  EXPECT_FALSE(form->PanelMsg->isVisible());
  Puzzle.GameStatus.msg = "";
  form->daemonTimer();
  EXPECT_TRUE(form->PanelMsg->isVisible());
  Puzzle.GameStatus.msg = "Привет";
  form->daemonTimer();
  EXPECT_TRUE(form->MsgLabel->isVisible());
  EXPECT_EQ(form->MsgLabel->text(), "Привет");
}

TEST_F(MainWindow, ButtonsFollowTheStepCode) {
  struct Case {
    int step;
    bool turning, pause, hint, start;
  } cases[] = {
      {stPlaying, true, true, true, true},
      {stIdle, false, false, false, true},
      {stPaused, false, true, false, true},
      {stWon, false, false, false, false},
      {stLost, false, false, false, false},
      {stNotice, false, false, false, false},
      {stSavedGameWaiting, false, false, false, false},
  };
  // The start button keeps its state at 0, 1 and -10, so each case starts from the previous one.
  for (const Case& c : cases) {
    Puzzle.GameStatus.IdStep = c.step;
    form->daemonTimer();
    EXPECT_EQ(form->RzBitBtn1->isEnabled(), c.turning) << c.step;
    EXPECT_EQ(form->RzBitBtn4->isEnabled(), c.turning) << c.step;
    EXPECT_EQ(form->BmpButton2->isEnabled(), c.pause) << c.step;
    EXPECT_EQ(form->BmpButton4->isEnabled(), c.hint) << c.step;
    EXPECT_EQ(form->BmpButton1->isEnabled(), c.start) << c.step;
    EXPECT_TRUE(form->BmpButton3->isEnabled());
    EXPECT_TRUE(form->BmpButton5->isEnabled());
  }
}

TEST_F(MainWindow, UnknownStepChangesNoButtonButUpdatesTheLabels) {
  Puzzle.GameStatus.IdStep = stPlaying;
  form->daemonTimer();
  Puzzle.GameStatus.IdStep = 4242;
  Puzzle.GameStatus.timeint = 61;
  form->daemonTimer();
  EXPECT_TRUE(form->BmpButton2->isEnabled());
  EXPECT_TRUE(form->RzBitBtn2->isEnabled());
  EXPECT_EQ(form->ClockLabel->text(), "1:1");
}

TEST_F(MainWindow, ClickOnANoticeReturnsToIdle) {
  Puzzle.GameStatus.IdStep = stNotice;
  Puzzle.GameStatus.msg = "Отсутствуют уровни";
  form->MsgLabelClick();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_EQ(Puzzle.GameStatus.msg, "null");
  EXPECT_TRUE(form->PanelMsg->isHidden());
}

TEST_F(MainWindow, SoundButtonDoesNothingBeforeTheFirstLevel) {
  const QPixmap up = form->BmpButton5->UpFace();
  form->BmpButton5Click();
  EXPECT_EQ(form->BmpButton5->Tag, 0);
  EXPECT_EQ(form->BmpButton5->UpFace().cacheKey(), up.cacheKey());
}

TEST_F(MainWindow, HintNeedsFifteenStarsAndAPlayingLevel) {
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.GameStatus.Score = 14;
  form->BmpButton4Click();
  EXPECT_EQ(Puzzle.GameStatus.Score, 14);
  Puzzle.GameStatus.Score = 15;
  Puzzle.GameStatus.IdStep = stPaused;
  form->BmpButton4Click();
  EXPECT_EQ(Puzzle.GameStatus.Score, 15);
}

TEST_F(MainWindow, PauseButtonIgnoresStatesWithoutALevel) {
  for (int step : {int(stIdle), int(stSavedGameWaiting), int(stWon), int(stLost), int(stNotice)}) {
    Puzzle.GameStatus.IdStep = step;
    form->BmpButton2Click();
    EXPECT_EQ(form->BmpButton2->Tag, 0);
    EXPECT_EQ(Puzzle.GameStatus.IdStep, step);
  }
}

TEST_F(MainWindow, ClosingWhilePausedAsksNothing) {
  Puzzle.GameStatus.IdStep = stPaused;
  form->close();
  EXPECT_FALSE(messages.contains("|Сохранить результаты игры?"));
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
}

TEST_F(MainWindow, ClosingWhilePlayingAsksWhetherToSave) {
  Puzzle.GameStatus.IdStep = stPlaying;
  program.answer = TMsgResult::No;
  form->close();
  EXPECT_TRUE(messages.contains("|Сохранить результаты игры?"));
  EXPECT_FALSE(QFile::exists(folder.File("puz.sav")));
}
}  // namespace
