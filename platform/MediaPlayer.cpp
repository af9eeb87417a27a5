// Queued end-of-play notifications and the factory that picks the game's audio player.
#include "platform/MediaPlayer.h"

#include <QMetaObject>

#include "platform/SdlMediaPlayer.h"

void TMediaPlayer::PostNotify(TMPNotifyValue value) {
  const int commandsAtEnd = commands_;
  QMetaObject::invokeMethod(
      this, [this, value, commandsAtEnd] { Deliver(value, commandsAtEnd); }, Qt::QueuedConnection);
}

void TMediaPlayer::Deliver(TMPNotifyValue value, int commandsAtEnd) {
  if (value == nvSuccessful && commands_ != commandsAtEnd) value = nvSuperseded;
  notifyValue_ = value;
  if (OnNotify) OnNotify(this);
}

namespace {
TMediaPlayerFactory& Factory() {
  static TMediaPlayerFactory factory;
  return factory;
}
}  // namespace

TMediaPlayer* CreateMediaPlayer(QObject* owner) {
  if (Factory()) return Factory()(owner);
  return new TSdlMediaPlayer(owner);
}

void SetMediaPlayerFactory(TMediaPlayerFactory factory) { Factory() = std::move(factory); }
