// Open, play, stop and the end of play over SDL_mixer channels; silent but well-behaved without a device.
#include "platform/SdlMediaPlayer.h"

#include <SDL_mixer.h>

#include <QFileInfo>
#include <QMetaObject>
#include <stdexcept>

namespace {
[[noreturn]] void CannotOpen(const QString& file, const QString& reason) {
  throw std::runtime_error(QString("Не удалось открыть звуковой файл \"%1\": %2").arg(file, reason).toStdString());
}
}  // namespace

TSdlMediaPlayer::TSdlMediaPlayer(QObject* owner)
    : TMediaPlayer(owner), device_(TSdlAudioDevice::Acquire()), chunk_(nullptr, &Mix_FreeChunk) {
  // Called on the audio thread, or inside a halt: only hands the end over to the UI thread.
  channel_ = device_->AttachChannel([this] {
    const int play = play_;
    QMetaObject::invokeMethod(
        this, [this, play] { ChannelEnded(play); }, Qt::QueuedConnection);
  });
}

TSdlMediaPlayer::~TSdlMediaPlayer() {
  Halt();
  device_->DetachChannel(channel_);
}

void TSdlMediaPlayer::Halt() {
  if (!device_->Silent()) Mix_HaltChannel(channel_);
}

void TSdlMediaPlayer::Open() {
  CountCommand();
  if (state_ == TState::Playing) PostNotify(nvAborted);
  if (state_ == TState::Playing || state_ == TState::Paused) Halt();
  ++play_;  // an end still on its way belongs to the closed file
  chunk_.reset();
  state_ = TState::Closed;

  const QString file = FileName();
  if (!QFileInfo(file).isFile()) CannotOpen(file, "файл не найден");
  // Without a device nothing is decoded: the file only has to be there.
  if (!device_->Silent()) {
    chunk_.reset(Mix_LoadWAV(file.toUtf8().constData()));
    if (!chunk_) CannotOpen(file, QString::fromUtf8(Mix_GetError()));
  }
  state_ = TState::Ready;
}

void TSdlMediaPlayer::Play() {
  CountCommand();
  switch (state_) {
    case TState::Closed: PostNotify(nvFailure); return;
    case TState::Playing: PostNotify(nvSuperseded); return;  // the earlier play gives way; the sound goes on
    case TState::Paused:
      if (!device_->Silent()) Mix_Resume(channel_);
      break;
    case TState::Ready:
    case TState::Ended:
      // Without a device the play never ends by itself: a stop or an open ends it.
      ++play_;
      if (!device_->Silent() && Mix_PlayChannel(channel_, chunk_.get(), 0) < 0) {
        state_ = TState::Ended;
        PostNotify(nvFailure);
        return;
      }
      break;
  }
  state_ = TState::Playing;
}

void TSdlMediaPlayer::Stop() {
  CountCommand();
  if (state_ != TState::Playing) return;
  if (!device_->Silent()) Mix_Pause(channel_);
  state_ = TState::Paused;
  PostNotify(nvAborted);
}

void TSdlMediaPlayer::ChannelEnded(int play) {
  if (play != play_) return;
  const bool playing = state_ == TState::Playing;
  if (playing || state_ == TState::Paused) state_ = TState::Ended;
  // A stop that came just after the end has already reported this play as aborted.
  if (playing) PostNotify(nvSuccessful);
}
