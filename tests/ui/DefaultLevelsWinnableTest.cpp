// Every level of the default packs can be won by a player at a human pace, with a third of its clock to spare.
//
// The player knows where each piece belongs but not faster than a person moves: a second for every thumbnail taken
// off the tray and every piece dragged home, a tenth of a second for every wheel notch. The test owns the game's
// time: it fires the clock and the conveyor itself, at their real rates relative to the player's moves and waits.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QMap>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelSettings.h"
#include "pieces/RotLayer.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "support/SourceTree.h"
#include "support/WindowFixture.h"
#include "view/ImageView.h"

namespace {
constexpr int kClockMs = 94;    // the game clock's interval: ten ticks count a second
constexpr int kMoveMs = 1000;   // taking a thumbnail, or dragging a piece home
constexpr int kNotchMs = 100;   // one wheel notch
constexpr int kLookMs = 100;    // a glance at the tray while waiting for a thumbnail
constexpr int kUprightDeg = 2;  // a piece looks upright to the player from here on
constexpr int kThumbHalf = 20;  // a thumbnail is 40 pixels wide, its position its centre

TRotLayer* Layer(TImage32* view, int index) { return dynamic_cast<TRotLayer*>(view->Layers().Items(index)); }

// The game's two timers, fired by the test in the order real time would fire them.
class GameTime {
 public:
  void LevelStarted() {
    Puzzle.Timer->stop();
    Puzzle.Clock->stop();
    nextClock_ = now_ + kClockMs;
    nextTray_ = now_ + Puzzle.speed_movie;
  }
  void Pass(int ms) {
    const long end = now_ + ms;
    while (Puzzle.GameStatus.IdStep == stPlaying) {
      const bool tray = Puzzle.speed_movie > 0 && nextTray_ <= nextClock_;
      const long next = tray ? nextTray_ : nextClock_;
      if (next > end) break;
      now_ = next;
      if (tray) {
        nextTray_ += Puzzle.speed_movie;
        Puzzle.TimerTick(Puzzle.Timer.get());
      } else {
        nextClock_ += kClockMs;
        Puzzle.ClockTick(Puzzle.Clock.get());
      }
    }
    now_ = end;
  }

 private:
  long now_ = 0, nextClock_ = 0, nextTray_ = 0;
};

class DefaultLevelsWinnable : public WindowFixture {
 protected:
  void SetUp() override {
    for (const QString& pack : QDir(SourcePacksFolder()).entryList({"*.zip"}, QDir::Files))
      ASSERT_TRUE(QFile::copy(SourcePacksFolder() + pack, folder.File(pack)));
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
  }

  // Every installed level's theme, counted.
  static QMap<QString, int> LevelsByTheme() {
    QMap<QString, int> themes;
    for (const QString& ini : ListLevelFiles(LevelDataFolder()))
      ++themes[ReadLevelSettings(LevelDataFolder() + ini).pack];
    return themes;
  }

  // The thumbnail nearest the tray's end among those wholly in view, which the player saves first.
  TRotLayer* ThumbnailInReach() const {
    TImage32* tray = form->Im_list;
    TRotLayer* urgent = nullptr;
    for (int i = 0; i < tray->Layers().Count(); ++i) {
      TRotLayer* t = Layer(tray, i);
      const float x = t->Position().X;
      if (x >= kThumbHalf && x <= tray->width() - kThumbHalf && (!urgent || x > urgent->Position().X)) urgent = t;
    }
    return urgent;
  }

  // The loose piece on top of the heap: the one the player can always get hold of.
  TRotLayer* TopLoosePiece() const {
    for (int i = form->Image_Bkg->Layers().Count() - 1; i >= 0; --i)
      if (Layer(form->Image_Bkg, i)->Tag >= 0) return Layer(form->Image_Bkg, i);
    return nullptr;
  }

  void Take(TRotLayer* thumbnail) {
    const TFloatPoint at = thumbnail->Position();
    form->Im_list->RepaintNow();
    QTest::mouseClick(form->Im_list, Qt::LeftButton, Qt::NoModifier, QPoint(qRound(at.X), qRound(at.Y)));
    time.Pass(kMoveMs);
  }

  void Wheel(int notch) {
    QWheelEvent event(QPointF(300, 300), form->mapToGlobal(QPointF(300, 300)), QPoint(), QPoint(0, 120 * notch),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.get(), &event);
    time.Pass(kNotchMs);
  }

  // A point of the piece that no other piece covers, as the player sees it; none when it lies wholly under others.
  std::optional<QPoint> GrabPoint(TRotLayer* piece) const {
    TImage32* board = form->Image_Bkg;
    board->RepaintNow();
    const TFloatPoint centre = piece->Position();
    // Within 0.3 of the piece's shorter side from its centre a point stays on the piece however it is turned.
    const float reach = 0.3f * std::min(piece->Bitmap().Width(), piece->Bitmap().Height());
    const float steps[][2] = {{0, 0},       {1, 0},        {-1, 0},       {0, 1},        {0, -1},
                              {0.7f, 0.7f}, {-0.7f, 0.7f}, {0.7f, -0.7f}, {-0.7f, -0.7f}};
    for (const auto& step : steps) {
      const QPoint at =
          board->BitmapToControl(QPoint(qRound(centre.X + step[0] * reach), qRound(centre.Y + step[1] * reach)));
      if (board->Layers().FindLayerAtPos(at.x(), at.y()) == piece) return at;
    }
    return std::nullopt;
  }

  // Picks the piece up, turns it upright notch by notch and drops it over its home; false when it does not lock.
  bool PlaceHome(TRotLayer* piece) {
    TImage32* board = form->Image_Bkg;
    std::optional<QPoint> from = GrabPoint(piece);
    if (!from) {
      // Buried under other pieces: a double click lifts every loose piece to the top.
      QTest::mouseDClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
      QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));  // the double click's own release
      time.Pass(kMoveMs);
      if (Puzzle.GameStatus.IdStep != stPlaying || !(from = GrabPoint(piece))) return false;
    }
    const int tag = piece->Tag;
    const TPicClip& clip = Puzzle.Pic[tag];
    const QPoint to =
        board->BitmapToControl(QPoint(qRound(clip.Left + clip.Width / 2.0f), qRound(clip.Top + clip.Height / 2.0f)));
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, *from);
    if (Puzzle.GameStatus.PicLayer_Index != tag) return false;
    while (Puzzle.GameStatus.IdStep == stPlaying && std::fabs(piece->Angle()) > kUprightDeg)
      Wheel(piece->Angle() > 0 ? -1 : 1);
    if (Puzzle.GameStatus.IdStep != stPlaying) return true;  // the clock ran out while turning: the caller says so
    // The piece follows the hand: its centre ends where the hand ends.
    QTest::mouseMove(board, (*from + to) / 2);
    QTest::mouseMove(board, to);
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, to);
    time.Pass(kMoveMs);
    return Puzzle.GameStatus.IdStep == stWon || Puzzle.Pic[tag].IndexAttach == tag;
  }

  // Plays the level in hand to its end like a person who knows the solution.
  void Play() {
    while (Puzzle.GameStatus.IdStep == stPlaying) {
      if (TRotLayer* thumbnail = ThumbnailInReach()) {
        Take(thumbnail);
      } else if (TRotLayer* piece = TopLoosePiece()) {
        ASSERT_TRUE(PlaceHome(piece)) << "piece " << piece->Tag << " did not lock at its home";
      } else {
        time.Pass(kLookMs);
      }
    }
  }

  GameTime time;
};

TEST_F(DefaultLevelsWinnable, EveryLevelIsWonAtAHumanPaceWithAThirdOfItsClockLeft) {
  const QMap<QString, int> themes = LevelsByTheme();
  ASSERT_GE(themes.size(), 4);
  int played = 0;
  std::uint32_t seed = 0;
  for (auto theme = themes.begin(); theme != themes.end(); ++theme) {
    SCOPED_TRACE(theme.key().toStdString());
    SeedRandom(++seed);
    ASSERT_EQ(Puzzle.GameStatus.IdStep, stIdle);
    // As the chooser leaves the game after a purchase; the bonus window then presses "Начать" itself, since a
    // finished theme's notice leaves the button disabled.
    Puzzle.Pack = theme.key();
    Puzzle.level = 0;
    if (form->BmpButton1->isEnabled())
      QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
    else
      form->BmpButton1Click();
    for (int won = 0; won < theme.value(); ++won) {
      ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying) << Puzzle.GameStatus.msg.toStdString();
      const QString level = QFileInfo(Puzzle.Im_bkg_Path).completeBaseName();
      SCOPED_TRACE(level.toStdString());
      time.LevelStarted();
      ASSERT_NO_FATAL_FAILURE(Play());
      ASSERT_EQ(Puzzle.GameStatus.IdStep, stWon) << "lost";
      EXPECT_GE(Puzzle.GameStatus.timeint * 3, Puzzle.limtime)
          << Puzzle.GameStatus.timeint << " of " << Puzzle.limtime << " seconds left";
      ::testing::Test::RecordProperty(
          level.toStdString(),
          QString("%1 of %2 s left").arg(Puzzle.GameStatus.timeint).arg(Puzzle.limtime).toStdString());
      ++played;
      form->daemonTimer();
      QTest::mouseClick(form->MsgLabel, Qt::LeftButton);  // on to the theme's next level
    }
    // The theme is done: the notice says so, and the next click clears it.
    EXPECT_EQ(Puzzle.GameStatus.IdStep, stIdle);
    form->daemonTimer();
    QTest::mouseClick(form->MsgLabel, Qt::LeftButton);
  }
  EXPECT_GE(played, 40);
  EXPECT_TRUE(messages.filter("Ошибка|").isEmpty()) << messages.join("\n").toStdString();
}
}  // namespace
