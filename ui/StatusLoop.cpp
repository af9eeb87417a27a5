// The main window's 100 ms status loop, which shows the game's state, and the click that acknowledges a message.
#include "engine/PicPuzzle.h"
#include "platform/Events.h"
#include "ui/BonusForm.h"
#include "ui/MainForm.h"
#include "ui/RaisedLabel.h"

namespace {
constexpr int kLargeScore = 10000;

struct TButtonStates {
  bool turning, pause, hint;
  int start;  // 1 on, 0 off, -1 unchanged
  bool bonusStars;
};

// Which buttons a step code allows; unknown codes change nothing.
bool ButtonStatesFor(int step, TButtonStates* states) {
  switch (step) {
    case stIdle:
    case stSavedGameWaiting: *states = {false, false, false, -1, false}; return true;
    case stPlaying: *states = {true, true, true, 1, true}; return true;
    case stPaused: *states = {false, true, false, -1, true}; return true;
    case stWon:
    case stLost:
    case stNotice: *states = {false, false, false, 0, false}; return true;
    default: return false;
  }
}
}  // namespace

void TMainForm::SetButtonsByStep(int step) {
  TButtonStates states;
  if (!ButtonStatesFor(step, &states)) return;
  for (QPushButton* button : {RzBitBtn1, RzBitBtn2, RzBitBtn3, RzBitBtn4}) button->setEnabled(states.turning);
  BmpButton2->setEnabled(states.pause);
  BmpButton4->setEnabled(states.hint);
  if (states.start >= 0) BmpButton1->setEnabled(states.start == 1);
  if (BonusForm) BonusForm->SetStarButtonsEnabled(states.bonusStars);
}

void TMainForm::daemonTimer() {
  const TGameStatus& status = Puzzle.GameStatus;
  ClockLabel->setText(QString::number(status.timeint / 60) + ":" + QString::number(status.timeint % 60));

  ScoreLabel->setText(QString::number(status.Score));
  QFont scoreFont = ScoreLabel->font();
  scoreFont.setPointSize(std::abs(static_cast<long long>(status.Score)) <= kLargeScore ? 14 : 8);
  ScoreLabel->setFont(scoreFont);

  if (status.msg != "null") {
    MsgLabel->setText(status.msg);
    MsgLabel->show();
    PanelMsg->show();
    PanelMsg->raise();
  } else {
    MsgLabel->setText("");
    MsgLabel->hide();
    PanelMsg->hide();
  }

  SetButtonsByStep(status.IdStep);
  ShowFreeButtons();
  ProcessPendingEvents();
}

void TMainForm::MsgLabelClick() {
  MsgLabel->setText("Подождите минуточку! Идет поиск подходящего уровня...");
  MsgLabel->repaint();
  ProcessPendingEvents();
  PanelMsg->hide();
  Puzzle.GameStatus.msg = "null";
  if (Puzzle.GameStatus.IdStep == stLost) Puzzle.ReplayLevel();
  if (Puzzle.GameStatus.IdStep == stWon) Puzzle.LoadNewLevel();
  if (Puzzle.GameStatus.IdStep == stNotice) Puzzle.GameStatus.IdStep = stIdle;
}
