// The recording audio player for tests.
#include "RecordingPlayer.h"

#include <QFileInfo>
#include <stdexcept>

#include "platform/MediaPlayerFactory.h"

namespace {
QStringList& MissingFiles() {
  static QStringList missing;
  return missing;
}
}  // namespace

void RecordingPlayer::Open() {
  CountCommand();
  if (state_ == TState::Playing) PostNotify(nvAborted);
  const QString name = QFileInfo(FileName()).fileName();
  log << "open " + name;
  state_ = TState::Closed;
  if (MissingFiles().contains(name)) throw std::runtime_error("no such file: " + name.toStdString());
  state_ = TState::Ready;
}

void RecordingPlayer::Play() {
  CountCommand();
  switch (state_) {
    case TState::Closed:
      log << "play with nothing open";
      PostNotify(nvFailure);
      return;
    case TState::Ready:
    case TState::Ended: log << "play from start"; break;
    case TState::Playing: PostNotify(nvSuperseded); [[fallthrough]];
    case TState::Paused: log << "play from position"; break;
  }
  state_ = TState::Playing;
}

void RecordingPlayer::Stop() {
  CountCommand();
  log << "stop";
  if (state_ != TState::Playing) return;
  state_ = TState::Paused;
  PostNotify(nvAborted);
}

void RecordingPlayer::ReachEnd() {
  state_ = TState::Ended;
  PostNotify(nvSuccessful);
}

RecordingPlayers::RecordingPlayers(QStringList missing) {
  MissingFiles() = std::move(missing);
  SetMediaPlayerFactory([](QObject* owner) { return new RecordingPlayer(owner); });
}

RecordingPlayers::~RecordingPlayers() {
  SetMediaPlayerFactory(nullptr);
  MissingFiles().clear();
}
