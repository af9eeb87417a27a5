// The life cycle of a level: the clock, pause and continue, the end of a level, loading the picture.
#include <QImage>
#include <QTimer>

#include "engine/PicPuzzle.h"
#include "support/GameFixture.h"

namespace {
using LifeCycle = GameFixture;

TEST(PuzzleAtStart, IsZeroUntilCreated) {
  ResetPuzzle();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, 0);
  EXPECT_EQ(Puzzle.GameStatus.msg, "");
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, 0);
  EXPECT_EQ(Puzzle.GameStatus.Last_PicLayer_Index, 0);
}

TEST_F(LifeCycle, CreateSetsIdleStateWithTimersOff) {
  EXPECT_EQ(Puzzle.GameStatus.msg, "null");
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, -1);
  EXPECT_EQ(Puzzle.GameStatus.Last_PicLayer_Index, 0);
  EXPECT_FALSE(Puzzle.Timer->isActive());
  EXPECT_FALSE(Puzzle.Clock->isActive());
  EXPECT_EQ(Puzzle.Clock->interval(), 94);
  EXPECT_EQ(Puzzle.MediaPlayerBKG->Tag, 0);
}

struct ClockCase {
  const char* name;
  int limtime, msec, sec, min, ticks;
  int expectMsec, expectSec, expectMin, expectTimeint, expectStep;
};

class ClockTicks : public GameFixture, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(ClockTicks, CountAndEndOnlyAtExactlyZero) {
  const ClockCase& c = GetParam();
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.limtime = c.limtime;
  msec = c.msec;
  sec = c.sec;
  min = c.min;
  for (int i = 0; i < c.ticks; ++i) Puzzle.ClockTick(Puzzle.Clock.get());
  EXPECT_EQ(msec, c.expectMsec);
  EXPECT_EQ(sec, c.expectSec);
  EXPECT_EQ(min, c.expectMin);
  EXPECT_EQ(Puzzle.GameStatus.timeint, c.expectTimeint);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, c.expectStep);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClockTicks,
    ::testing::Values(ClockCase{"TenTicksMakeASecond", 100, 0, 0, 0, 10, 0, 1, 0, 99, stPlaying},
                      ClockCase{"NineTicksAreNotASecond", 100, 0, 0, 0, 9, 9, 0, 0, 100, stPlaying},
                      ClockCase{"SixtySecondsCarryIntoAMinute", 100, 9, 59, 0, 1, 0, 0, 1, 40, stPlaying},
                      ClockCase{"ZeroLimitLosesAtFirstTick", 0, 0, 0, 0, 1, 1, 0, 0, 0, stLost},
                      ClockCase{"ReachingZeroLoses", 61, 9, 0, 1, 1, 0, 1, 1, 0, stLost},
                      ClockCase{"BelowZeroNeverEnds", 30, 9, 40, 0, 1, 0, 41, 0, -11, stPlaying}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LifeCycle, LateExtraTimeCountsOnFromTheRaisedLimit) {
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.limtime = 10;
  min = 0;
  sec = 9;
  msec = 9;
  Puzzle.limtime += 300;
  Puzzle.ClockTick(Puzzle.Clock.get());
  EXPECT_EQ(Puzzle.GameStatus.timeint, 300);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
}

TEST_F(LifeCycle, PauseNegatesTheStepAndContinueRestoresIt) {
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.Timer->start(50);
  Puzzle.Clock->start();
  EXPECT_EQ(Puzzle.StopGame(), stPaused);
  EXPECT_FALSE(Puzzle.Clock->isActive());
  EXPECT_FALSE(Puzzle.Timer->isActive());
  EXPECT_EQ(board->Bitmap().MasterAlpha(), 255);
  Puzzle.PlayGame();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_TRUE(Puzzle.Clock->isActive());
  EXPECT_EQ(board->Bitmap().MasterAlpha(), 50);
}

TEST_F(LifeCycle, PauseAndContinueDoNothingInOtherStates) {
  for (int step : {int(stIdle), int(stSavedGameWaiting), int(stWon), int(stLost), int(stNotice), 12345}) {
    Puzzle.GameStatus.IdStep = step;
    EXPECT_EQ(Puzzle.StopGame(), step);
    Puzzle.PlayGame();
    EXPECT_EQ(Puzzle.GameStatus.IdStep, step);
  }
  Puzzle.GameStatus.IdStep = stPaused;
  EXPECT_EQ(Puzzle.StopGame(), stPaused);
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.PlayGame();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
}

TEST_F(LifeCycle, PausingWithoutATrayLeavesTheTrayHidden) {
  Puzzle.speed_movie = 0;
  tray->hide();
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.StopGame();
  Puzzle.PlayGame();
  EXPECT_TRUE(tray->isHidden());
}

TEST_F(LifeCycle, WinningShowsTheDescriptionBetweenLineBreaks) {
  const QString breaks3 = "\n\r\n\r\n\r";
  for (const QString& description : {QString("Озеро в горах"), QString()}) {
    Puzzle.GameStatus.IdStep = stPaused;  // the skip-level bonus wins while paused
    Puzzle.Im_bkg_Description = description;
    Puzzle.Clock->start();
    Puzzle.winGame();
    EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);
    EXPECT_EQ(Puzzle.GameStatus.msg,
              "Паздравляем! Вы собрали этот уровень! " + breaks3 + description + breaks3 + "СЛЕДУЮЩИЙ");
    EXPECT_FALSE(Puzzle.Clock->isActive());
    EXPECT_TRUE(Puzzle.Pic.empty());
    EXPECT_EQ(board->Bitmap().MasterAlpha(), 255);
  }
}

TEST_F(LifeCycle, LosingSaysSoAndReleasesThePieces) {
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.Pic.resize(3);
  for (TPicClip& piece : Puzzle.Pic) piece.bmp = std::make_unique<TBitmap32>(4, 4);
  Puzzle.wonGame();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stLost);
  EXPECT_EQ(Puzzle.GameStatus.msg, "Этот уровень вы не успели собрать! Попробуйте еще раз!\n\r\n\rПРОДОЛЖИТЬ");
  EXPECT_TRUE(Puzzle.Pic.empty());
}

TEST_F(LifeCycle, ClearGameReturnsToIdle) {
  Puzzle.GameStatus.IdStep = stPlaying;
  Puzzle.GameStatus.msg = "text";
  Puzzle.GameStatus.PicLayer_Index = 3;
  board->Bitmap().SetMasterAlpha(50);
  board->SetScale(2.0f);
  Puzzle.Clock->start();
  Puzzle.ClearGame();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_EQ(Puzzle.GameStatus.msg, "null");
  EXPECT_EQ(Puzzle.GameStatus.PicLayer_Index, -1);
  EXPECT_EQ(board->Bitmap().MasterAlpha(), 255);
  EXPECT_FLOAT_EQ(board->Scale(), 1.0f);
  EXPECT_FALSE(Puzzle.Clock->isActive());
}

struct PictureCase {
  const char* file;
  const char* format;
  int width, height;
  int expectWidth, expectHeight;
};

TEST_F(LifeCycle, JpegPicturesBecome800SquareAndBmpKeepsItsSize) {
  const PictureCase cases[] = {{"wide.jpg", "JPEG", 1024, 768, 800, 800},
                               {"small.JPEG", "JPEG", 90, 120, 800, 800},
                               {"picture.bmp", "BMP", 300, 200, 300, 200}};
  for (const PictureCase& c : cases) {
    QImage image(c.width, c.height, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    ASSERT_TRUE(image.save(folder.File(c.file), c.format));
    Puzzle.ImageLoadFromFile(folder.File(c.file));
    EXPECT_EQ(board->Bitmap().Width(), c.expectWidth) << c.file;
    EXPECT_EQ(board->Bitmap().Height(), c.expectHeight) << c.file;
    EXPECT_EQ(Puzzle.Im_bkg_Path, folder.File(c.file));
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LifeCycle, UnknownPictureFormatIsReportedAndChangesNothing) {
  board->Bitmap().SetSize(10, 20);
  Puzzle.Im_bkg_Path = "before.jpg";
  Puzzle.ImageLoadFromFile(folder.File("picture.png"));
  EXPECT_EQ(messages, QStringList{"Внимание|Неизвестный графический формат. Выберите BMP или JPEG."});
  EXPECT_EQ(board->Bitmap().Width(), 10);
  EXPECT_EQ(Puzzle.Im_bkg_Path, "before.jpg");
}

TEST_F(LifeCycle, UnreadablePictureRaisesAndKeepsThePath) {
  folder.Write("broken.jpg", "not a jpeg at all");
  Puzzle.Im_bkg_Path = "before.jpg";
  EXPECT_THROW(Puzzle.ImageLoadFromFile(folder.File("broken.jpg")), std::runtime_error);
  EXPECT_EQ(Puzzle.Im_bkg_Path, "before.jpg");
}

TEST_F(LifeCycle, StartGameWithoutAPictureDoesNothing) {
  Puzzle.StartGame();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
  EXPECT_FALSE(Puzzle.Clock->isActive());
}
}  // namespace
