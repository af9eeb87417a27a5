// The life cycle of a level: create and release the game, load the picture, start, resume, pause, win, lose, tick.
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <stdexcept>

#include "engine/PicPuzzle.h"
#include "pieces/LibStorage.h"
#include "pieces/RotLayer.h"
#include "platform/Events.h"
#include "platform/MediaPlayerFactory.h"
#include "platform/MessageBox.h"
#include "platform/PictureFile.h"
#include "platform/ProgramFolder.h"
#include "view/ImageView.h"

namespace {
// Line breaks inside the game's messages are line feed then carriage return.
const QString kBreak = QStringLiteral("\n\r");

void SetTrayVisible(TImage32* tray, bool visible) {
  if (tray) tray->setVisible(visible);
}

void SetTrayMouseEvents(TImage32* tray, bool on) {
  TLayerCollection& layers = tray->Layers();
  for (int i = 0; i < layers.Count(); ++i) {
    layers.Items(i)->SetMouseEvents(on);
    layers.Items(i)->Changed();
  }
}

// Every piece layer shows its piece through its own bitmap, whose master alpha hides or dims it.
void SetLayerAlpha(TCustomLayer* layer, int alpha) {
  if (auto* piece = dynamic_cast<TCustomAffineLayer*>(layer)) piece->Bitmap().SetMasterAlpha(alpha);
}
}  // namespace

void TPicPuzzle::Create(TImage32* InterfaceContainer, TImage32* Interfacelist) {
  Im_Bkg = InterfaceContainer;
  ConnectBoardHandlers();
  Im_list = Interfacelist;

  Timer = std::make_unique<QTimer>();
  QObject::connect(Timer.get(), &QTimer::timeout, Im_list, [this] { TimerTick(Timer.get()); });
  Clock = std::make_unique<QTimer>();
  Clock->setInterval(kClockInterval);
  QObject::connect(Clock.get(), &QTimer::timeout, Im_list, [this] { ClockTick(Clock.get()); });

  ResetClock();

  MediaPlayerEFF.reset(CreateMediaPlayer(nullptr));
  MediaPlayerBKG.reset(CreateMediaPlayer(nullptr));
  MediaPlayerBKG->OnNotify = [this](TMediaPlayer* sender) { MediaPlayerBKGNotify(sender); };
  MediaPlayerBKG->Tag = 0;

  GameStatus.msg = "null";
  GameStatus.IdStep = stIdle;
  GameStatus.PicLayer_Index = -1;
}

void TPicPuzzle::Destroy() {
  ClearBoard();
  ReleasePieces();
  Timer.reset();
  Clock.reset();
  MediaPlayerEFF.reset();
  MediaPlayerBKG.reset();
  ResetClock();
  GameStatus.IdStep = stIdle;
  GameStatus.msg = "null";
}

void TPicPuzzle::ClearGame() {
  ClearBoard();
  Im_Bkg->SetScale(1.0f);
  ResetClock();
  GameStatus.IdStep = stIdle;
  GameStatus.msg = "null";
}

void TPicPuzzle::ClearBoard() {
  SetSelection(nullptr);
  GameStatus.PicLayer_Index = -1;
  DestroyLayers(Im_list);
  DestroyLayers(Im_Bkg);
  SetTrayVisible(Im_list, false);
  if (Im_Bkg) Im_Bkg->Bitmap().SetMasterAlpha(kOpaqueAlpha);
  if (Timer) Timer->stop();
  if (Clock) Clock->stop();
}

void TPicPuzzle::ResetClock() {
  msec = sec = min = 0;
  GameStatus.timeint = 0;
}

void TPicPuzzle::ImageLoadFromFile(const QString& FileName) {
  const QString extension = "." + QFileInfo(FileName).suffix().toLower();
  if (extension == ".jpeg" || extension == ".jpg") {
    Im_Bkg->Bitmap().AssignImage(LoadPicture(FileName, QSize(kPictureSize, kPictureSize)));
    ScaleImg(Im_Bkg, kPictureSize, kPictureSize);
    Im_bkg_Path = FileName;
  } else if (extension == ".bmp") {
    Im_Bkg->Bitmap().AssignImage(LoadPicture(FileName, QSize()));
    Im_bkg_Path = FileName;
  } else {
    ShowMessageBox("Неизвестный графический формат. Выберите BMP или JPEG.", "Внимание", TMsgIcon::Information);
  }
}

void TPicPuzzle::ScaleImg(TImage32* src, int width, int height) { ScaleBmp(src->Bitmap(), width, height); }

void TPicPuzzle::StartGame() {
  if (Im_Bkg->Bitmap().Empty() || FStarting) return;
  FStarting = true;
  try {
    MediaPlayerBKG->OnNotify = [this](TMediaPlayer* sender) { MediaPlayerBKGNotify(sender); };
    OpenAndPlayBackground(ResourceFolder() + kBackgroundMusic);
    GameStatus.msg = "null";
    ConnectBoardHandlers();
    CreateMatrixPics();
    CreateLayerIm_bkg();
    if (speed_movie != 0) CreateLayerIm_list();
    SetTrayVisible(Im_list, speed_movie != 0);
  } catch (...) {
    // The level stays unstarted: no half-built board, no music for a level that is not there.
    FStarting = false;
    MediaPlayerBKG->Stop();
    ClearBoard();
    throw;
  }
  Im_Bkg->Bitmap().SetMasterAlpha(kPlayingPictureAlpha);
  Timer->setInterval(speed_movie);
  StartTimers();
  ResetClock();
  GameStatus.IdStep = stPlaying;
  FStarting = false;
  if (OnLevelStarted) OnLevelStarted();
  ProcessPendingEvents();
}

void TPicPuzzle::RestoreGame() {
  SetSelection(nullptr);
  GameStatus.PicLayer_Index = -1;
  ImageLoadFromFile(Im_bkg_Path);
  MediaPlayerBKG->OnNotify = [this](TMediaPlayer* sender) { MediaPlayerBKGNotify(sender); };
  OpenAndPlayBackground(ResourceFolder() + kBackgroundMusic);
  ConnectBoardHandlers();
  CreateLayerIm_bkg();
  if (speed_movie != 0) CreateLayerIm_list();
  SetTrayVisible(Im_list, speed_movie != 0);
  Im_Bkg->Bitmap().SetMasterAlpha(kPlayingPictureAlpha);
  Im_Bkg->SetScale(1.0f);
  Timer->setInterval(speed_movie);
  CreatePicS();
  // Placing the pieces may already have won the level; that outcome stands.
  if (GameStatus.IdStep == stWon) return;
  // Saved at its start, before the first tick: the level's own time, where it has one.
  if (GameStatus.timeint == 0) GameStatus.timeint = limtime > 0 ? limtime : kResumeSeconds;
  msec = 0;
  sec = (limtime - GameStatus.timeint) % 60;
  min = (limtime - GameStatus.timeint) / 60;
  StartTimers();
  GameStatus.IdStep = stPlaying;
}

int TPicPuzzle::StopGame() {
  if (GameStatus.IdStep != stPlaying) return GameStatus.IdStep;
  GameStatus.IdStep = -GameStatus.IdStep;
  ProcessPendingEvents();
  TLayerCollection& board = Im_Bkg->Layers();
  for (int i = 0; i < board.Count(); ++i) {
    TCustomLayer* layer = board.Items(i);
    SetLayerAlpha(layer, 0);
    layer->SetMouseEvents(false);
    layer->Changed();
  }
  SetTrayMouseEvents(Im_list, false);
  if (speed_movie != 0) SetTrayVisible(Im_list, false);
  Im_Bkg->Bitmap().SetMasterAlpha(kOpaqueAlpha);
  Timer->stop();
  Clock->stop();
  Im_Bkg->Changed();
  if (!MediaPlayerBKG->FileName().isEmpty()) MediaPlayerBKG->Stop();
  return GameStatus.IdStep;
}

void TPicPuzzle::PlayGame() {
  if (GameStatus.IdStep != stPaused) return;
  TLayerCollection& board = Im_Bkg->Layers();
  for (int i = 0; i < board.Count(); ++i) {
    TCustomLayer* layer = board.Items(i);
    const bool locked = layer->Tag < 0;
    SetLayerAlpha(layer, locked ? kOpaqueAlpha : kLoosePieceAlpha);
    layer->SetMouseEvents(!locked);
    layer->Changed();
  }
  SetTrayMouseEvents(Im_list, true);
  if (speed_movie != 0) SetTrayVisible(Im_list, true);
  Im_Bkg->Bitmap().SetMasterAlpha(kPlayingPictureAlpha);
  StartTimers();
  if (!MediaPlayerBKG->FileName().isEmpty() && MediaPlayerBKG->Tag == 0) MediaPlayerBKG->Play();
  GameStatus.IdStep = -GameStatus.IdStep;
  ProcessPendingEvents();
}

void TPicPuzzle::winGame() {
  GameStatus.IdStep = stWon;
  ProcessPendingEvents();
  MediaPlayerBKG->Stop();
  MediaPlayerBKG->OnNotify = nullptr;
  OpenAndPlayBackground(ResourceFolder() + kWinJingle);
  ClearFinishedLevel();
  GameStatus.msg = "Паздравляем! Вы собрали этот уровень! " + kBreak + kBreak + kBreak + Im_bkg_Description + kBreak +
                   kBreak + kBreak + "СЛЕДУЮЩИЙ";
}

void TPicPuzzle::wonGame() {
  GameStatus.IdStep = stLost;
  ProcessPendingEvents();
  ClearFinishedLevel();
  GameStatus.msg = "Этот уровень вы не успели собрать! Попробуйте еще раз!" + kBreak + kBreak + "ПРОДОЛЖИТЬ";
}

void TPicPuzzle::ClearFinishedLevel() {
  ClearBoard();
  ReleasePieces();
}

// A level without a tray has no conveyor to move: its timer would only fire on every pass of the event loop.
void TPicPuzzle::StartTimers() {
  if (FClockHeld) return;
  if (speed_movie > 0) Timer->start();
  Clock->start();
}

void TPicPuzzle::HoldClock(bool held) {
  FClockHeld = held;
  if (!Timer || !Clock) return;
  if (held) {
    Timer->stop();
    Clock->stop();
  } else if (GameStatus.IdStep == stPlaying) {
    StartTimers();
  }
}

void TPicPuzzle::ClockTick(QObject*) {
  if (msec == 9) ++sec;
  msec = msec < 9 ? msec + 1 : 0;
  if (sec == 60) {
    sec = 0;
    ++min;
  }
  GameStatus.timeint = limtime - (min * 60 + sec);
  if (GameStatus.timeint == 0) wonGame();
}
