// TFreeKeeper: every save written at once; the player hears of a failing disk once, not at every move.
#include "free/saves/FreeKeeper.h"

#include <exception>

#include "free/saves/FreeSaves.h"
#include "platform/MessageBox.h"

TFreeKeeper::TFreeKeeper(QString path) : path_(std::move(path)) {}

bool TFreeKeeper::Save(const TFreePuzzle& puzzle, int seconds) {
  try {
    WriteFreeSave(path_, TakeFreeSave(puzzle, seconds));
  } catch (const std::exception& e) {
    if (!failing_) ReportError(QString::fromUtf8(e.what()));
    failing_ = true;
    return false;
  }
  failing_ = false;
  return true;
}
