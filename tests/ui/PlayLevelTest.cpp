// A whole level played through the real window with mouse and wheel events: won by hand, lost by clock and conveyor.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWheelEvent>

#include "engine/PicPuzzle.h"
#include "pieces/RotLayer.h"
#include "platform/ProgramFolder.h"
#include "support/RecordingPlayer.h"
#include "support/SourceTree.h"
#include "support/TestProgram.h"
#include "support/WindowFixture.h"
#include "ui/MainForm.h"
#include "view/ImageView.h"

namespace {
constexpr int kTrayLevel = 7;  // "standart" level 7: 4 × 3 pieces riding the tray, some of them turned

class PlayLevel : public WindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::copy(SourcePacksFolder() + "standart.zip", folder.File("standart.zip")));
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
    Puzzle.level = kTrayLevel;
    QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
    ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
    ASSERT_EQ(QFileInfo(Puzzle.Im_bkg_Path).fileName(), "st07_zakat.jpg");
    // The conveyor is driven by the test, one tick at a time.
    Puzzle.Timer->stop();
  }
  TRotLayer* Layer(TImage32* view, int index) const { return dynamic_cast<TRotLayer*>(view->Layers().Items(index)); }
  TRotLayer* BoardPiece(int tag) const {
    for (int i = 0; i < form->Image_Bkg->Layers().Count(); ++i)
      if (Layer(form->Image_Bkg, i)->Tag == tag) return Layer(form->Image_Bkg, i);
    return nullptr;
  }
  QPoint OnBoard(float x, float y) const { return form->Image_Bkg->BitmapToControl(QPoint(qRound(x), qRound(y))); }
  void Wheel(int notches) {
    QWheelEvent event(QPointF(300, 300), form->mapToGlobal(QPointF(300, 300)), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.get(), &event);
  }

  // Takes every thumbnail that has come into view off the tray with a click.
  void TakeVisibleThumbnails() {
    TImage32* tray = form->Im_list;
    for (int i = tray->Layers().Count() - 1; i >= 0; --i) {
      const TFloatPoint at = Layer(tray, i)->Position();
      if (at.X >= 20 && at.X < tray->width() - 60) {
        tray->RepaintNow();
        QTest::mouseClick(tray, Qt::LeftButton, Qt::NoModifier, QPoint(qRound(at.X), qRound(at.Y)));
      }
    }
  }

  // Drags a loose piece by its centre so that its centre lands over its home.
  void DragHome(int tag) {
    BoardPiece(tag)->BringToFront();  // the player would pick it out of the heap
    form->Image_Bkg->RepaintNow();
    const TFloatPoint at = BoardPiece(tag)->Position();
    const TPicClip& piece = Puzzle.Pic[tag];
    const QPoint from = OnBoard(at.X, at.Y);
    const QPoint to = OnBoard(piece.Left + piece.Width / 2.0f, piece.Top + piece.Height / 2.0f);
    QTest::mousePress(form->Image_Bkg, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(form->Image_Bkg, (from + to) / 2);
    QTest::mouseMove(form->Image_Bkg, to);
    QTest::mouseRelease(form->Image_Bkg, Qt::LeftButton, Qt::NoModifier, to);
  }
};

TEST_F(PlayLevel, EveryPieceTakenOffTheTrayDraggedHomeAndTurnedWinsTheLevel) {
  const int pieces = static_cast<int>(Puzzle.Pic.size());
  ASSERT_EQ(pieces, 12);
  for (TPicClip& piece : Puzzle.Pic) piece.DistanceMoving = 40;  // every thumbnail comes into view in time
  for (int tick = 0; tick < 40 && form->Im_list->Layers().Count() > 0; ++tick) {
    Puzzle.TimerTick(Puzzle.Timer.get());
    TakeVisibleThumbnails();
  }
  ASSERT_EQ(form->Im_list->Layers().Count(), 0);
  ASSERT_EQ(form->Image_Bkg->Layers().Count(), pieces);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);

  int score = Puzzle.GameStatus.Score;
  bool turnedByHand = false;
  for (int tag = 0; tag < pieces; ++tag) {
    DragHome(tag);
    if (Puzzle.Pic[tag].IndexAttach == tag) {
      EXPECT_EQ(Puzzle.GameStatus.Score, score += 10);
      continue;
    }
    // Dropped home but turned too far: straighten it with the turning buttons and the wheel, then drop it again.
    const float angle = BoardPiece(tag)->Angle();
    ASSERT_GT(std::fabs(angle), Puzzle.da) << tag;
    for (int tens = int(angle) / 10; tens > 0; --tens) QTest::mouseClick(form->RzBitBtn3, Qt::LeftButton);
    for (int tens = int(angle) / 10; tens < 0; ++tens) QTest::mouseClick(form->RzBitBtn1, Qt::LeftButton);
    Wheel(-(int(angle) % 10));
    EXPECT_LE(std::fabs(BoardPiece(tag)->Angle()), 1.0f) << tag;
    DragHome(tag);
    ASSERT_EQ(Puzzle.Pic[tag].IndexAttach, tag) << tag;
    EXPECT_EQ(Puzzle.GameStatus.Score, score += 10);
    turnedByHand = true;
  }
  EXPECT_TRUE(turnedByHand);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);
  EXPECT_EQ(Puzzle.CompletePuzzle, "st07_zakat.jpg ");
  EXPECT_TRUE(Puzzle.GameStatus.msg.startsWith("Паздравляем! Вы собрали этот уровень!"));
  form->daemonTimer();
  EXPECT_TRUE(form->PanelMsg->isVisible());
  EXPECT_TRUE(messages.filter("Ошибка|").isEmpty()) << messages.join("\n").toStdString();
}

TEST_F(PlayLevel, TheClockRunningOutLosesAndTheMessageReplaysTheLevel) {
  // The clock is driven here: ten ticks make the one second of the level's time.
  Puzzle.Clock->stop();
  Puzzle.limtime = 1;
  for (int tick = 0; tick < 9; ++tick) Puzzle.ClockTick(Puzzle.Clock.get());
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  Puzzle.ClockTick(Puzzle.Clock.get());
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stLost);
  EXPECT_EQ(Puzzle.GameStatus.msg, "Этот уровень вы не успели собрать! Попробуйте еще раз!\n\r\n\rПРОДОЛЖИТЬ");
  EXPECT_EQ(form->Image_Bkg->Layers().Count(), 0);
  form->daemonTimer();
  QTest::mouseClick(form->MsgLabel, Qt::LeftButton);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(QFileInfo(Puzzle.Im_bkg_Path).fileName(), "st07_zakat.jpg");
}

TEST_F(PlayLevel, AThumbnailReachingTheEndOfTheTrayLosesTheLevel) {
  Puzzle.Pic[0].DistanceMoving = 5000;
  Puzzle.TimerTick(Puzzle.Timer.get());
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stLost);
  EXPECT_EQ(form->Im_list->Layers().Count(), 0);
  EXPECT_TRUE(Puzzle.Pic.empty());
}
TEST_F(PlayLevel, KeysTurnTheHeldPiecePauseAndSwitchFullScreen) {
  for (TPicClip& piece : Puzzle.Pic) piece.DistanceMoving = 40;
  for (int tick = 0; tick < 40 && form->Image_Bkg->Layers().Count() == 0; ++tick) {
    Puzzle.TimerTick(Puzzle.Timer.get());
    TakeVisibleThumbnails();
  }
  ASSERT_GT(form->Image_Bkg->Layers().Count(), 0);
  // The player moves a piece a little, away from its home; it stays in the hand for turning.
  TRotLayer* moved = Layer(form->Image_Bkg, 0);
  moved->BringToFront();
  form->Image_Bkg->RepaintNow();
  const QPoint from = OnBoard(moved->Position().X, moved->Position().Y);
  QTest::mousePress(form->Image_Bkg, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(form->Image_Bkg, from + QPoint(15, 10));
  QTest::mouseRelease(form->Image_Bkg, Qt::LeftButton, Qt::NoModifier, from + QPoint(15, 10));
  // The piece in the hand is the one the first key turns; every other stays as it lies.
  std::vector<float> before;
  for (int i = 0; i < form->Image_Bkg->Layers().Count(); ++i) before.push_back(Layer(form->Image_Bkg, i)->Angle());
  QTest::keyClick(form.get(), Qt::Key_Left);
  TRotLayer* heldPiece = nullptr;
  for (int i = 0; i < form->Image_Bkg->Layers().Count(); ++i) {
    if (Layer(form->Image_Bkg, i)->Angle() == before[i]) continue;
    ASSERT_EQ(heldPiece, nullptr) << "one key turned two pieces";
    heldPiece = Layer(form->Image_Bkg, i);
    EXPECT_FLOAT_EQ(heldPiece->Angle(), before[i] + 1);
  }
  ASSERT_NE(heldPiece, nullptr);
  const struct {
    const char* name;
    Qt::Key key;
    float turn;  // counter-clockwise is positive
  } turns[] = {
      {"left", Qt::Key_Left, 1},  {"up", Qt::Key_Up, 1},           {"right", Qt::Key_Right, -1},
      {"down", Qt::Key_Down, -1}, {"page up", Qt::Key_PageUp, 10}, {"page down", Qt::Key_PageDown, -10},
  };
  for (const auto& t : turns) {
    SCOPED_TRACE(t.name);
    const float angle = heldPiece->Angle();
    QTest::keyClick(form.get(), t.key);
    EXPECT_FLOAT_EQ(heldPiece->Angle(), angle + t.turn);
  }

  QTest::keyClick(form.get(), Qt::Key_Space);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPaused);
  const float paused = heldPiece->Angle();
  QTest::keyClick(form.get(), Qt::Key_Left);
  EXPECT_FLOAT_EQ(heldPiece->Angle(), paused) << "a paused game does not turn";
  QTest::keyClick(form.get(), Qt::Key_Space);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);

  QTest::keyClick(form.get(), Qt::Key_F11);
  EXPECT_TRUE(form->isFullScreen());
  EXPECT_EQ(form->Panel->width(), form->Panel->height()) << "the board stays square in full screen";
  QTest::keyClick(form.get(), Qt::Key_F11);
  EXPECT_FALSE(form->isFullScreen());
  EXPECT_TRUE(messages.filter("Ошибка|").isEmpty()) << messages.join("\n").toStdString();
}
}  // namespace
