// An audio player for tests: it plays nothing, keeps the position as a real player does and logs every command.
#pragma once

#include <QStringList>
#include <ostream>

#include "platform/MediaPlayer.h"

class RecordingPlayer : public TMediaPlayer {
 public:
  explicit RecordingPlayer(QObject* owner) : TMediaPlayer(owner) {}

  void Open() override;
  void Play() override;
  void Stop() override;

  // The play reaches the end of the file, as the audio thread would report it.
  void ReachEnd();
  bool Playing() const { return state_ == TState::Playing; }

  // "open <file name>", "play from start", "play from position", "play with nothing open", "stop".
  QStringList log;

 private:
  enum class TState { Closed, Ready, Playing, Paused, Ended };
  TState state_ = TState::Closed;
};

// Makes every player of the game a recording one while it lives; files named in `missing` fail to open.
class RecordingPlayers {
 public:
  explicit RecordingPlayers(QStringList missing = {});
  ~RecordingPlayers();
};

// Readable failure messages for logs.
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '"' << list.join("\", \"").toStdString() << '"';
}
