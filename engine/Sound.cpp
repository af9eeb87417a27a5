// The sound switch and the music loop: muting acts on the background player only, whose tag is the mute flag.
#include "engine/PicPuzzle.h"
#include "platform/MediaPlayer.h"

namespace {
bool HasMusic(const TMediaPlayer* player) { return player && !player->FileName().isEmpty(); }
}  // namespace

void TPicPuzzle::MediaPlayerBKGNotify(QObject* Sender) {
  // Only a play that reached the end of the file repeats; a stop, a mute or a new file never restarts it.
  auto* player = dynamic_cast<TMediaPlayer*>(Sender);
  if (!player || player->NotifyValue() != nvSuccessful) return;
  player->Play();  // the player stands at the end, so it rewinds first
}

void TPicPuzzle::MuteON() {
  if (!HasMusic(MediaPlayerBKG.get())) return;
  MediaPlayerBKG->Stop();
  MediaPlayerBKG->Tag = 1;
}

void TPicPuzzle::MuteOFF() {
  if (!HasMusic(MediaPlayerBKG.get())) return;
  MediaPlayerBKG->Tag = 0;
  MediaPlayerBKG->Play();
}

bool TPicPuzzle::issound() { return !HasMusic(MediaPlayerBKG.get()); }
