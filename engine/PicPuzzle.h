// The game state: the one TPicPuzzle instance `Puzzle`, its status record, its piece table and the level clock.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "engine/Conventions.h"
#include "pieces/Geometry.h"
#include "view/Bitmap32.h"
#include "view/Layers.h"

class QObject;
class QTimer;
class TMediaPlayer;
class TImage32;
class TRotLayer;

// Step codes of GameStatus.IdStep; the values are stored in saved games and level data files.
enum : int {
  stIdle = 0,
  stSavedGameWaiting = 1,
  stPlaying = 10,
  stPaused = -10,
  stWon = 1000,
  stLost = -1000,
  stNotice = 999,
};

using Ext80 = long double;

// The part of the running status that a level data file sets when the level starts.
struct TLevelStatus {
  int ParentWidth = 0;
  int ParentHeight = 0;
  int PicLayer_Index = 0;
  int timeint = 0;
  int IdStep = 0;
  QString msg;
};

struct TGameStatus : TLevelStatus {
  int Last_PicLayer_Index = 0;
  int Score = 0;
  QString Fname;
};

// One piece.
struct TPicClip {
  std::unique_ptr<TBitmap32> bmp;
  int Width = 0;
  int Height = 0;
  int Top = 0;
  int Left = 0;
  int row = 0;
  int col = 0;
  int IdLeft = 0;
  int IdRight = 0;
  int IdUp = 0;
  int IdDown = 0;
  QString ID;
  int IndexAttach = -1;
  int SpeedRotation = 0;
  int AngleRotation = 0;
  int DistanceMoving = 0;
  TFloatRect Loc_list;
  TFloatRect Loc_bkg;
  Ext80 Angle = 0;
  int Index = 0;
};

// What a level's files set when it starts: its INI keys and the tolerances of its data file.
struct TLevelFields {
  QString Im_bkg_Path;
  QString Im_bkg_Description;
  int level = 0;
  QString Pack;
  int ColCount = 0;
  int RowCount = 0;
  int speed_movie = 0;
  int limtime = 0;
  int dr = 0;
  int da = 0;
};

// Everything a saved game keeps, declared once for the game and for a saved game read from its file.
struct TSavedFields : TLevelFields {
  QString CompletePuzzle;
  TGameStatus GameStatus;  // the file keeps all but Last_PicLayer_Index and Fname
  std::vector<TPicClip> Pic;
};

class TPicPuzzle : public TSavedFields {
 public:
  // Out of line: the players and timers are complete only there.
  TPicPuzzle();
  ~TPicPuzzle();
  TPicPuzzle(TPicPuzzle&&) noexcept;
  TPicPuzzle& operator=(TPicPuzzle&&) noexcept;

  // Made by Create, freed by Destroy.
  std::unique_ptr<TMediaPlayer> MediaPlayerEFF;
  std::unique_ptr<TMediaPlayer> MediaPlayerBKG;
  TImage32* Im_Bkg = nullptr;
  TImage32* Im_list = nullptr;
  std::unique_ptr<QTimer> Timer;
  std::unique_ptr<QTimer> Clock;
  // Runs once a fresh level is cut and playing, before the player can touch it; the windows greet what is new.
  std::function<void()> OnLevelStarted;

  // Life cycle.
  void Create(TImage32* InterfaceContainer, TImage32* Interfacelist);
  void Destroy();
  void ClearGame();
  // The countdown back to its start: nothing counted, no time left shown.
  void ResetClock();
  void ImageLoadFromFile(const QString& FileName);
  void ScaleImg(TImage32* src, int width, int height);
  void StartGame();
  void RestoreGame();
  int StopGame();
  void PlayGame();
  void winGame();
  void wonGame();
  void ClockTick(QObject* Sender);
  // While held, the clock and the conveyor stay stopped whatever would start them; let go, they run again for a
  // level in play.
  void HoldClock(bool held);
  bool ClockHeld() const { return FClockHeld; }

  // Level packs and level data.
  void CheckPack();
  QString UpdateLevel(int PuzzleLevel, const QString& PackLevel, const QString& completePuz);
  void GetDataFromPack(const QString& Fname);
  void LoadNewLevel();
  void ReplayLevel();

  // Saved game.
  int SaveStateGame();
  int LoadStateGame();
  // After a load: true when the saved game holds a level that can go on, its picture found at its stored path or
  // under its name in the data folder (the path then points there). Says so when the picture is gone.
  bool HoldsLevelToResume();

  // Sound.
  void MediaPlayerBKGNotify(QObject* Sender);
  void MuteON();
  void MuteOFF();
  bool issound();

  // Cutting and layers.
  void CreateMatrixPics();
  void CreateLayerIm_bkg();
  void CreateLayerIm_list();
  void CreatePicS();

  // Piece interaction.
  TCustomLayer* Selection() const { return FSelection; }
  void SetSelection(TCustomLayer* Value);
  void LayerMouseDown(TCustomLayer* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void LayerMouseUp(TCustomLayer* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Im_listLayerMouseDown(TCustomLayer* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void Im_BkgMouseDown(TImage32* Sender, TMouseButton Button, TShiftState Shift, int X, int Y, TCustomLayer* Layer);
  void Im_BkgMouseMove(TImage32* Sender, TShiftState Shift, int X, int Y, TCustomLayer* Layer);
  void Im_BkgDblClick(QObject* Sender);
  void MouseWheelUp(int angle);
  void MouseWheelDown(int angle);

  // Placement and hint.
  void CheckPicS(TCustomLayer* sender);
  int HelpClick();

  // Tray conveyor.
  void TimerTick(QObject* Sender);

  // Clears and frees every piece bitmap, then empties the table.
  void ReleasePieces();
  // Frees every layer of a view, bottom first, then clears its collection.
  static void DestroyLayers(TImage32* view);
  // Connects the board view's mouse-move, mouse-down and double-click events to the engine.
  void ConnectBoardHandlers();
  // True while a level is being started: the cut lets events run, and a second start or a pause must wait.
  bool Starting() const { return FStarting; }

 private:
  // The one tear-down of a level on screen: no selection, no layers, no tray, no running timers, the picture whole.
  void ClearBoard();
  // A won or lost level leaves only the whole picture: the board cleared and the pieces freed.
  void ClearFinishedLevel();
  void OpenAndPlayBackground(const QString& file);
  // Starts the clock, and the conveyor when the level has a tray.
  void StartTimers();
  // Plays a file relative to the resource folder on the effects player; effects ignore the mute flag.
  void PlayEffect(const QString& relativeFile);

  // Shared by the hand, the placement check and the layer building.
  TRotLayer* FindBoardLayer(int tag) const;
  static void CentrePivot(TRotLayer* layer);
  static void RecordBoardPlace(const TRotLayer* layer, TPicClip& piece);
  void AttachLooseHandlers(TRotLayer* layer);
  void TakeLastPieceIntoHand();
  void TurnHeldPiece(int degrees, bool recentre);
  bool IsAtHome(const TRotLayer* layer, const TPicClip& piece) const;
  void LockPiece(TRotLayer* layer, TPicClip& piece);
  void FinishIfComplete();

  TCustomLayer* FSelection = nullptr;
  bool FStarting = false;
  bool FClockHeld = false;
};

extern TPicPuzzle Puzzle;
extern int msec;
extern int sec;
extern int min;
