// Queued end-of-play notifications.
#include "platform/MediaPlayer.h"

#include <QMetaObject>

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
