// Opening and playing the game's sound files: a file that will not play leaves the game silent, said once.
#include "engine/PicPuzzle.h"
#include "platform/MediaPlayer.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundEffect.h"

void TPicPuzzle::OpenAndPlayBackground(const QString& file) {
  if (OpenSoundOrSayOnce(*MediaPlayerBKG, file) && MediaPlayerBKG->Tag != 1) MediaPlayerBKG->Play();
}

void TPicPuzzle::PlayEffect(const QString& relativeFile) {
  if (OpenSoundOrSayOnce(*MediaPlayerEFF, ResourceFolder() + relativeFile)) MediaPlayerEFF->Play();
}
