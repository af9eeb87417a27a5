// Sounds both games play: the lock of a piece, and opening a sound file that may not play.
#include "platform/SoundEffect.h"

#include "platform/MediaPlayer.h"
#include "platform/MessageBox.h"

bool OpenSoundOrSayOnce(TMediaPlayer& player, const QString& file) {
  player.SetFileName(file);
  try {
    player.Open();
    return true;
  } catch (const std::exception& e) {
    ReportOnce("sound:" + file, QString("Не удалось воспроизвести звук: %1").arg(QString::fromStdString(e.what())));
    return false;
  }
}
