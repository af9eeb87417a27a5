// The SDL_mixer player on the dummy audio driver: ends of play, stop and resume, two players, bad files.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDataStream>
#include <QElapsedTimer>
#include <QtMath>
#include <memory>
#include <stdexcept>

#include "platform/Events.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/SdlMediaPlayer.h"
#include "support/TestFolder.h"

namespace {
// A 16-bit stereo PCM WAV file of a soft 440 Hz tone.
QByteArray ToneWav(int milliseconds) {
  constexpr int rate = 44100;
  const int frames = rate * milliseconds / 1000;
  QByteArray wav;
  QDataStream out(&wav, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  const quint32 dataBytes = frames * 4;
  out.writeRawData("RIFF", 4);
  out << quint32(36 + dataBytes);
  out.writeRawData("WAVEfmt ", 8);
  out << quint32(16) << quint16(1) << quint16(2) << quint32(rate) << quint32(rate * 4) << quint16(4) << quint16(16);
  out.writeRawData("data", 4);
  out << dataBytes;
  for (int i = 0; i < frames; ++i) {
    const qint16 sample = qint16(3000 * qSin(2 * M_PI * 440 * i / rate));
    out << sample << sample;
  }
  return wav;
}

class SdlMediaPlayerTest : public ::testing::Test {
 protected:
  std::unique_ptr<TSdlMediaPlayer> NewPlayer(const QString& file) {
    auto player = std::make_unique<TSdlMediaPlayer>(nullptr);
    player->SetFileName(file);
    player->OnNotify = [this, p = player.get()](TMediaPlayer* sender) {
      ends.push_back({sender == p ? "" : "?", sender->NotifyValue()});
    };
    return player;
  }

  QString Tone(const QString& name, int milliseconds) {
    folder.Write(name, ToneWav(milliseconds));
    return folder.File(name);
  }

  // Lets events run until `count` ends have arrived or the time is up.
  void WaitForEnds(size_t count, int milliseconds = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (ends.size() < count && timer.elapsed() < milliseconds) ProcessPendingEvents();
  }

  std::vector<TMPNotifyValue> Values() const {
    std::vector<TMPNotifyValue> values;
    for (const auto& end : ends) values.push_back(end.second);
    return values;
  }

  TestFolder folder;
  std::vector<std::pair<std::string, TMPNotifyValue>> ends;
};

TEST_F(SdlMediaPlayerTest, APlayToTheEndIsSuccessfulAndTheNextPlayRewinds) {
  auto player = NewPlayer(Tone("short.wav", 150));
  EXPECT_EQ(player->FileName(), folder.File("short.wav"));
  player->Open();
  player->Play();
  WaitForEnds(1);
  player->Play();
  WaitForEnds(2);
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvSuccessful, nvSuccessful}));
}

TEST_F(SdlMediaPlayerTest, TheEndArrivesOnTheUserInterfaceThreadNeverInsideACall) {
  auto player = NewPlayer(Tone("short.wav", 100));
  player->Open();
  player->Play();
  player->Stop();
  EXPECT_TRUE(ends.empty());
  WaitForEnds(1);
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvAborted}));
}

TEST_F(SdlMediaPlayerTest, StopAbortsAndAPlayAfterItGoesOnToTheEnd) {
  auto player = NewPlayer(Tone("tone.wav", 600));
  player->Open();
  player->Play();
  WaitForEnds(1, 150);  // nothing ends meanwhile; the tone is under way
  player->Stop();
  WaitForEnds(1);
  player->Play();
  WaitForEnds(2);
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvAborted, nvSuccessful}));
}

TEST_F(SdlMediaPlayerTest, OpeningAnotherFileAbortsThePlayAndNeverReportsItsEnd) {
  auto player = NewPlayer(Tone("long.wav", 2000));
  player->Open();
  player->Play();
  player->SetFileName(Tone("short.wav", 100));
  player->Open();
  WaitForEnds(2, 2500);  // the long tone's end must never come
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvAborted}));
}

TEST_F(SdlMediaPlayerTest, PlayingAgainWhilePlayingSupersedesTheEarlierPlay) {
  auto player = NewPlayer(Tone("short.wav", 200));
  player->Open();
  player->Play();
  player->Play();
  WaitForEnds(2);
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvSuperseded, nvSuccessful}));
}

TEST_F(SdlMediaPlayerTest, PlayWithNothingOpenFails) {
  auto player = NewPlayer(folder.File("never-opened.wav"));
  player->Play();
  player->Stop();  // nothing plays, so nothing to abort
  WaitForEnds(2, 300);
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvFailure}));
}

TEST_F(SdlMediaPlayerTest, ANoneHandlerKeepsThePlayerSilent) {
  auto player = NewPlayer(Tone("short.wav", 100));
  player->Open();
  player->Play();
  player->OnNotify = nullptr;
  WaitForEnds(1, 600);
  EXPECT_TRUE(ends.empty());
}

TEST_F(SdlMediaPlayerTest, MusicAndEffectPlayTogetherOnTheirOwnChannels) {
  auto music = NewPlayer(Tone("music.wav", 3000));
  auto effect = NewPlayer(Tone("click.wav", 100));
  music->Open();
  effect->Open();
  music->Play();
  effect->Play();
  WaitForEnds(1);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_EQ(ends[0].second, nvSuccessful);  // the effect; the music plays on
  effect->Open();                           // a new effect cuts nothing of the music
  effect->Play();
  WaitForEnds(2);
  music->Stop();
  WaitForEnds(3);
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvSuccessful, nvSuccessful, nvAborted}));
}

struct BadFile {
  const char* name;
  QByteArray bytes;  // empty: the file does not exist
};

class SdlMediaPlayerBadFile : public SdlMediaPlayerTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(SdlMediaPlayerBadFile, OpenThrowsAndPlayThenFails) {
  const BadFile& bad = GetParam();
  if (!bad.bytes.isEmpty()) folder.Write(bad.name, bad.bytes);
  auto player = NewPlayer(folder.File(bad.name));
  EXPECT_THROW(player->Open(), std::runtime_error);
  player->Play();
  WaitForEnds(1);
  EXPECT_EQ(Values(), std::vector<TMPNotifyValue>({nvFailure}));
}

INSTANTIATE_TEST_SUITE_P(Sound, SdlMediaPlayerBadFile,
                         ::testing::Values(BadFile{"missing.mp3", {}}, BadFile{"noise.mp3", QByteArray(4000, '\x5a')},
                                           BadFile{"cut.wav", ToneWav(100).left(30)}),
                         [](const auto& info) { return QString(info.param.name).replace('.', '_').toStdString(); });

TEST_F(SdlMediaPlayerTest, TheGameSoundFilesDecode) {
  // The build lays the resources beside the test programs, in the program folder.
  for (const char* name : {"background_music.mp3", "win.mp3", "click2.mp3", "set.wav"}) {
    SCOPED_TRACE(name);
    auto player = NewPlayer(ProgramFolder() + "resources/music/" + name);
    EXPECT_NO_THROW(player->Open());
  }
}

TEST(SdlMediaPlayerWithoutDevice, StaysSilentTellsOnceAndStillReportsEnds) {
  QStringList messages;
  SetMessageBoxHook([&](const QString& text, const QString&, TMsgIcon, TMsgButtons) {
    messages << text;
    return TMsgResult::Ok;
  });
  const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
  qputenv("SDL_AUDIODRIVER", "no-such-driver");
  TestFolder folder;
  folder.Write("tone.wav", ToneWav(50));
  {
    std::vector<TMPNotifyValue> values;
    TSdlMediaPlayer music(nullptr), effect(nullptr);
    music.OnNotify = [&](TMediaPlayer* p) { values.push_back(p->NotifyValue()); };
    music.SetFileName(folder.File("tone.wav"));
    effect.SetFileName(folder.File("missing.wav"));
    music.Open();
    EXPECT_THROW(effect.Open(), std::runtime_error);
    music.Play();
    ProcessPendingEvents();
    EXPECT_TRUE(values.empty());  // a silent play lasts until it is stopped
    music.Stop();
    ProcessPendingEvents();
    EXPECT_EQ(values, std::vector<TMPNotifyValue>({nvAborted}));
  }
  qputenv("SDL_AUDIODRIVER", driver);
  SetMessageBoxHook(nullptr);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("без звука"));
}
}  // namespace
