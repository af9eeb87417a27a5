// The sound switch and the music loop against recording players: mute, pause, win jingle, effects, restarts.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "engine/PicPuzzle.h"
#include "pieces/RotLayer.h"
#include "platform/Events.h"
#include "support/GameFixture.h"
#include "support/RecordingPlayer.h"
#include "view/ImageView.h"

namespace {
class SoundTest : public GameFixture {
 protected:
  RecordingPlayer& Music() { return *static_cast<RecordingPlayer*>(Puzzle.MediaPlayerBKG.get()); }
  RecordingPlayer& Effects() { return *static_cast<RecordingPlayer*>(Puzzle.MediaPlayerEFF.get()); }

  // Resumes a level of one loose piece lying away from its home, as a saved game would leave it.
  void StartLevel() {
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(folder.File("level.bmp"), "BMP"));
    Puzzle.Im_bkg_Path = folder.File("level.bmp");
    Puzzle.dr = 5;
    Puzzle.da = 5;
    Puzzle.limtime = 300;
    Puzzle.GameStatus.timeint = 300;
    TPicClip piece;
    piece.bmp = std::make_unique<TBitmap32>(10, 10, 0xFF808080);
    piece.Width = piece.Height = 10;
    piece.Left = piece.Top = 20;
    piece.Loc_bkg = {70, 70, 80, 80};
    Puzzle.Pic.push_back(std::move(piece));
    Puzzle.GameStatus.IdStep = stSavedGameWaiting;
    Puzzle.RestoreGame();
    ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  }

  TRotLayer* PieceLayer() { return dynamic_cast<TRotLayer*>(Puzzle.Im_Bkg->Layers().Items(0)); }

  // What the music player was told since the level started.
  QStringList MusicSinceStart() { return Music().log.mid(2); }
};

TEST_F(SoundTest, BeforeAnyLevelTheSwitchHasNothingToMute) {
  EXPECT_TRUE(Puzzle.issound());
  Puzzle.MuteON();
  EXPECT_EQ(Music().Tag, 0);
  Puzzle.MuteOFF();
  ProcessPendingEvents();
  EXPECT_EQ(Music().Tag, 0);
  EXPECT_TRUE(Music().log.isEmpty());
}

TEST_F(SoundTest, ALevelStartLoadsAndPlaysTheMusic) {
  StartLevel();
  EXPECT_FALSE(Puzzle.issound());
  EXPECT_EQ(Music().log, QStringList({"open background_music.mp3", "play from start"}));
  EXPECT_EQ(Music().Tag, 0);
}

TEST_F(SoundTest, MutingStopsAtOnceAndUnmutingGoesOnFromThere) {
  StartLevel();
  Puzzle.MuteON();
  EXPECT_EQ(Music().Tag, 1);
  EXPECT_FALSE(Music().Playing());
  Puzzle.MuteOFF();
  ProcessPendingEvents();
  EXPECT_EQ(Music().Tag, 0);
  EXPECT_EQ(MusicSinceStart(), QStringList({"stop", "play from position"}));
}

TEST_F(SoundTest, MutingWhilePausedKeepsTheMusicSilentWhenPlayResumes) {
  StartLevel();
  Puzzle.StopGame();
  Puzzle.MuteON();
  Puzzle.PlayGame();
  ProcessPendingEvents();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_FALSE(Music().Playing());
  EXPECT_EQ(MusicSinceStart(), QStringList({"stop", "stop"}));
}

TEST_F(SoundTest, UnmutingWhilePausedPlaysTheMusicAlthoughTheGameStaysPaused) {
  StartLevel();
  Puzzle.MuteON();
  Puzzle.StopGame();
  Puzzle.MuteOFF();
  ProcessPendingEvents();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPaused);
  EXPECT_TRUE(Music().Playing());
  EXPECT_EQ(MusicSinceStart(), QStringList({"stop", "stop", "play from position"}));
}

TEST_F(SoundTest, WhileMutedTheJingleAndTheNextMusicAreLoadedButNotPlayed) {
  StartLevel();
  Puzzle.MuteON();
  Puzzle.winGame();
  EXPECT_EQ(MusicSinceStart(), QStringList({"stop", "stop", "open win.mp3"}));
  Music().log.clear();
  StartLevel();
  ProcessPendingEvents();
  EXPECT_EQ(Music().log, QStringList({"open background_music.mp3"}));
  EXPECT_EQ(Music().Tag, 1);
}

// Unmuting after a win plays the jingle the background player still holds.
struct JingleCase {
  const char* name;
  bool mutedBeforeWin;
  bool jingleReachesEnd;
  QStringList afterUnmute;
};

class JingleAfterUnmute : public SoundTest, public ::testing::WithParamInterface<JingleCase> {};

TEST_P(JingleAfterUnmute, PlaysFromTheRightPlace) {
  const JingleCase& c = GetParam();
  StartLevel();
  if (c.mutedBeforeWin) Puzzle.MuteON();
  Puzzle.winGame();
  if (c.jingleReachesEnd) Music().ReachEnd();
  ProcessPendingEvents();
  if (!c.mutedBeforeWin) Puzzle.MuteON();
  Music().log.clear();
  Puzzle.MuteOFF();
  ProcessPendingEvents();
  EXPECT_EQ(Music().log, c.afterUnmute);
}

INSTANTIATE_TEST_SUITE_P(Sound, JingleAfterUnmute,
                         ::testing::Values(JingleCase{"OpenedWhileMuted", true, false, {"play from start"}},
                                           JingleCase{"PlayedToItsEnd", false, true, {"play from start"}},
                                           JingleCase{"CutShortByMuting", false, false, {"play from position"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Whatever ends a play of the music, only reaching the end of the file starts it again.
struct EndCase {
  const char* name;
  std::function<void(RecordingPlayer& music)> end;
  QStringList afterwards;
};

class MusicEnd : public SoundTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(MusicEnd, RestartsOnlyAfterReachingTheEnd) {
  StartLevel();
  Music().log.clear();
  GetParam().end(Music());
  ProcessPendingEvents();
  ProcessPendingEvents();
  EXPECT_EQ(Music().log, GetParam().afterwards);
  EXPECT_EQ(Music().Playing(), GetParam().afterwards.last().startsWith("play"));
}

INSTANTIATE_TEST_SUITE_P(
    Sound, MusicEnd,
    ::testing::Values(EndCase{"ReachesTheEnd", [](RecordingPlayer& m) { m.ReachEnd(); }, {"play from start"}},
                      EndCase{"LoopsAgainAndAgain",
                              [](RecordingPlayer& m) {
                                m.ReachEnd();
                                ProcessPendingEvents();
                                m.ReachEnd();
                              },
                              {"play from start", "play from start"}},
                      EndCase{"Muted", [](RecordingPlayer&) { Puzzle.MuteON(); }, {"stop"}},
                      EndCase{"Paused", [](RecordingPlayer&) { Puzzle.StopGame(); }, {"stop"}},
                      EndCase{"ReplacedByTheJingle",
                              [](RecordingPlayer&) { Puzzle.winGame(); },
                              {"stop", "open win.mp3", "play from start"}},
                      EndCase{"MutedJustAfterTheEndBeforeTheNoticeArrives",
                              [](RecordingPlayer& m) {
                                m.ReachEnd();
                                Puzzle.MuteON();
                              },
                              {"stop"}},
                      // The pause lets events run before it stops the music, so the earlier end restarts it first.
                      EndCase{"PausedJustAfterTheEndBeforeTheNoticeArrives",
                              [](RecordingPlayer& m) {
                                m.ReachEnd();
                                Puzzle.StopGame();
                              },
                              {"play from start", "stop"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundTest, TheJingleNeverRepeats) {
  StartLevel();
  Puzzle.winGame();
  Music().log.clear();
  Music().ReachEnd();
  ProcessPendingEvents();
  EXPECT_TRUE(Music().log.isEmpty());
}

TEST_F(SoundTest, PressAndLockEffectsPlayWhileMuted) {
  StartLevel();
  Puzzle.MuteON();
  TRotLayer* layer = PieceLayer();
  ASSERT_NE(layer, nullptr);
  Puzzle.LayerMouseDown(layer, mbLeft, 0, 0, 0);
  EXPECT_EQ(Effects().log, QStringList({"open click2.mp3", "play from start"}));
  layer->SetPosition({25, 25});  // the piece's home
  Puzzle.CheckPicS(layer);
  EXPECT_EQ(Effects().log, QStringList({"open click2.mp3", "play from start", "open set.wav", "play from start"}));
  // The lock finished the level: the jingle is loaded but stays silent.
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);
  EXPECT_EQ(MusicSinceStart(), QStringList({"stop", "stop", "open win.mp3"}));
}

class MissingMusicTest : public GameFixture {
 protected:
  // Made after the fixture's own recording players, so its list of missing files is the one in force.
  RecordingPlayers musicMissing{{"background_music.mp3"}};
};

TEST_F(MissingMusicTest, ALevelGoesOnSilentlyAndTheSwitchStaysHarmless) {
  QImage picture(50, 50, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  ASSERT_TRUE(picture.save(folder.File("level.bmp"), "BMP"));
  Puzzle.Im_bkg_Path = folder.File("level.bmp");
  Puzzle.limtime = Puzzle.GameStatus.timeint = 300;
  Puzzle.RestoreGame();
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stWon);  // no pieces: won at once, the jingle still plays
  auto& music = *static_cast<RecordingPlayer*>(Puzzle.MediaPlayerBKG.get());
  EXPECT_EQ(music.log, QStringList({"open background_music.mp3", "stop", "open win.mp3", "play from start"}));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("background_music.mp3"));
}

TEST_F(MissingMusicTest, UnmutingMusicThatNeverOpenedFailsQuietlyWithoutLooping) {
  Puzzle.MediaPlayerBKG->SetFileName(folder.File("resources/music/background_music.mp3"));
  auto& music = *static_cast<RecordingPlayer*>(Puzzle.MediaPlayerBKG.get());
  EXPECT_THROW(music.Open(), std::runtime_error);
  Puzzle.MuteON();
  Puzzle.MuteOFF();
  ProcessPendingEvents();
  ProcessPendingEvents();
  EXPECT_EQ(music.log, QStringList({"open background_music.mp3", "stop", "play with nothing open"}));
  EXPECT_EQ(music.NotifyValue(), nvFailure);
}
}  // namespace
