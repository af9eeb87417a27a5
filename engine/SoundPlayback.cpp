// Opening and playing the game's sound files: a file that will not play leaves the game silent, said once.
#include "engine/PicPuzzle.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"

namespace {
bool OpenOrSayOnce(TMediaPlayer* player, const QString& file) {
  player->SetFileName(file);
  try {
    player->Open();
    return true;
  } catch (const std::exception& e) {
    ReportOnce("sound:" + file, QString("Не удалось воспроизвести звук: %1").arg(QString::fromStdString(e.what())));
    return false;
  }
}
}  // namespace

void TPicPuzzle::OpenAndPlayBackground(const QString& file) {
  if (OpenOrSayOnce(MediaPlayerBKG.get(), file) && MediaPlayerBKG->Tag != 1) MediaPlayerBKG->Play();
}

void TPicPuzzle::PlayEffect(const QString& relativeFile) {
  if (OpenOrSayOnce(MediaPlayerEFF.get(), ResourceFolder() + relativeFile)) MediaPlayerEFF->Play();
}
