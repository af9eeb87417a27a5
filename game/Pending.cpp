// Operations whose subsystems are still being written; each moves to its own file when it lands.
#include <stdexcept>

#include "game/PicPuzzle.h"
#include "platform/MediaPlayer.h"

namespace {
[[noreturn]] void NotYet(const char* what) { throw std::logic_error(std::string(what) + " is not built yet"); }
}  // namespace

// Level packs.
void TPicPuzzle::CheckPack() {}
QString TPicPuzzle::UpdateLevel(int, const QString&, const QString&) { NotYet("UpdateLevel"); }
void TPicPuzzle::GetDataFromPack(const QString&) { NotYet("GetDataFromPack"); }
void TPicPuzzle::LoadNewLevel() { NotYet("LoadNewLevel"); }
void TPicPuzzle::ReplayLevel() { NotYet("ReplayLevel"); }

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

// Cutting and layers.
void TPicPuzzle::CreateMatrixPics() { NotYet("CreateMatrixPics"); }
void TPicPuzzle::CreateLayerIm_bkg() { NotYet("CreateLayerIm_bkg"); }
void TPicPuzzle::CreateLayerIm_list() { NotYet("CreateLayerIm_list"); }
void TPicPuzzle::CreatePicS() { NotYet("CreatePicS"); }

// Piece interaction, placement, conveyor.
void TPicPuzzle::SetSelection(TCustomLayer* Value) { FSelection = Value; }
void TPicPuzzle::Im_BkgMouseDown(TImage32*, TMouseButton, TShiftState, int, int, TCustomLayer*) {}
void TPicPuzzle::Im_BkgMouseMove(TImage32*, TShiftState, int, int, TCustomLayer*) {}
void TPicPuzzle::Im_BkgDblClick(QObject*) {}
void TPicPuzzle::MouseWheelUp(int) {}
void TPicPuzzle::MouseWheelDown(int) {}
int TPicPuzzle::HelpClick() { return 0; }
void TPicPuzzle::TimerTick(QObject*) {}
