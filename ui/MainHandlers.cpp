// The main window's buttons and wheel: start or continue, pause, bonuses, hint, sound, turning, help and tips.
#include "engine/PicPuzzle.h"
#include "engine/level/LevelLoad.h"
#include "platform/Events.h"
#include "platform/MessageBox.h"
#include "ui/BonusForm.h"
#include "ui/FirstTips.h"
#include "ui/HelpWindow.h"
#include "ui/MainForm.h"
#include "ui/TipPanel.h"

void TMainForm::BmpButton1Click() {
  if (Puzzle.Starting()) return;
  if (BmpButton1->Tag == 0) {
    if (Puzzle.GameStatus.IdStep == stPlaying) {
      Puzzle.StopGame();
      Puzzle.ClearGame();
    }
    if (Puzzle.GameStatus.IdStep == stIdle) StartFoundLevel(Puzzle.level, true);
    return;
  }
  if (Puzzle.GameStatus.IdStep == stSavedGameWaiting) {
    BmpButton1->Tag = 0;
    try {
      Puzzle.RestoreGame();
    } catch (...) {
      // A level that cannot go on is given up once; the next press starts afresh with the progress kept.
      Puzzle.ClearGame();
      Puzzle.ReleasePieces();
      BmpButton1->setText("Начать");
      throw;
    }
    BmpButton1->setText("Начать");
    BmpButton1->Tag = 0;
  } else if (Puzzle.GameStatus.IdStep == stIdle) {
    StartFoundLevel(Puzzle.level);
    if (Puzzle.GameStatus.IdStep == stPlaying) {
      BmpButton1->setText("Начать");
      BmpButton1->Tag = 0;
    }
  }
}

void TMainForm::BmpButton2Click() {
  const int step = Puzzle.GameStatus.IdStep;
  if (step != stPlaying && step != stPaused) return;
  BmpButton2->setEnabled(false);
  ProcessPendingEvents();
  BmpButton2->SwapGlyphs();
  if (BmpButton2->Tag == 0) {
    BmpButton2->Tag = 1;
    Puzzle.StopGame();
    BmpButton1->setEnabled(false);
    RunReported([] { Puzzle.SaveStateGame(); });
  } else {
    BmpButton2->Tag = 0;
    Puzzle.PlayGame();
    BmpButton1->setEnabled(true);
  }
  BmpButton2->setEnabled(true);
  ProcessPendingEvents();
}

void TMainForm::BmpButton3Click() {
  switch (Puzzle.GameStatus.IdStep) {
    case stPlaying:
      Puzzle.StopGame();
      RunReported([] { Puzzle.SaveStateGame(); });
      if (BonusForm) BonusForm->exec();
      Puzzle.PlayGame();
      break;
    case stWon:
    case stLost:
    case stNotice:
    case stPaused:
    case stIdle:
    case stSavedGameWaiting:
      if (BonusForm) BonusForm->exec();
      break;
    default: break;
  }
}

void TMainForm::BmpButton4Click() {
  if (Puzzle.GameStatus.IdStep != stPlaying || Puzzle.GameStatus.Score < BmpButton4->Tag) return;
  if (Puzzle.HelpClick() == 1) Puzzle.GameStatus.Score -= BmpButton4->Tag;
}

void TMainForm::BmpButton5Click() {
  if (Puzzle.issound()) return;
  BmpButton5->SwapGlyphs();
  if (BmpButton5->Tag == 0) {
    BmpButton5->Tag = 1;
    Puzzle.MuteON();
  } else {
    BmpButton5->Tag = 0;
    Puzzle.MuteOFF();
  }
  BmpButton5->setEnabled(true);
  ProcessPendingEvents();
}

void TMainForm::RzBitBtn1Click() { Puzzle.MouseWheelUp(10); }
void TMainForm::RzBitBtn2Click() { Puzzle.MouseWheelUp(1); }
void TMainForm::RzBitBtn3Click() { Puzzle.MouseWheelDown(10); }
void TMainForm::RzBitBtn4Click() { Puzzle.MouseWheelDown(1); }
void TMainForm::FormMouseWheelUp() { Puzzle.MouseWheelUp(1); }
void TMainForm::FormMouseWheelDown() { Puzzle.MouseWheelDown(1); }

void TMainForm::HelpButtonClick() {
  const bool playing = Puzzle.GameStatus.IdStep == stPlaying;
  if (playing) Puzzle.StopGame();
  THelpWindow help(this);
  help.exec();
  if (playing) Puzzle.PlayGame();
}

void TMainForm::ShowFirstTips() {
  tipsShown_ = TipsFor(LookOf(Puzzle), SeenTips());
  if (tipsShown_.empty()) return;
  QStringList texts;
  for (TTip tip : tipsShown_) texts << TipText(tip);
  Puzzle.HoldClock(true);
  TipPanel->ShowTips(texts);
}
