// Operations whose subsystems are still being written; each moves to its own file when it lands.
#include <stdexcept>

#include "game/PicPuzzle.h"
#include "platform/MediaPlayer.h"

namespace {
[[noreturn]] void NotYet(const char* what) { throw std::logic_error(std::string(what) + " is not built yet"); }
}  // namespace

// Saved game.
int TPicPuzzle::SaveStateGame() { NotYet("SaveStateGame"); }
int TPicPuzzle::LoadStateGame() { return 0; }

// Sound.
void TPicPuzzle::MediaPlayerBKGNotify(QObject*) {}
void TPicPuzzle::MuteON() {}
void TPicPuzzle::MuteOFF() {}
bool TPicPuzzle::issound() { return true; }
TMediaPlayer* CreateMediaPlayer(QObject*) { return nullptr; }
void SetMediaPlayerFactory(TMediaPlayerFactory) {}
