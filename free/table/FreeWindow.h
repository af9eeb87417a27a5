// The free puzzle's window: the table, a small toolbar with the clock and the congratulation when the picture is
// whole.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

#include "free/table/FreeClock.h"

class QLabel;
class TFreePuzzle;
class TFreeTable;

class TFreeWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `picture` is the file the puzzle was made of, named in the caption and the congratulation; `clock` the steady
  // clock the time is counted by, the system's unless a test steps its own.
  TFreeWindow(std::unique_ptr<TFreePuzzle> puzzle, const QString& picture, QWidget* parent = nullptr,
              TFreeClock::TSource clock = {});
  ~TFreeWindow() override;

  TFreeTable& Table() { return *table_; }
  const QLabel& Congratulation() const { return *congratulation_; }
  // The time spent on the puzzle: Seconds() to keep it, SetSeconds() to go on from it.
  TFreeClock& Clock() { return *clock_; }
  const QLabel& ClockLabel() const { return *clockLabel_; }
  // The best time for this picture and count so far, for the congratulation to show beside this one.
  void SetBestSeconds(std::optional<int> seconds) { best_ = seconds; }

 signals:
  // The picture is whole, after this many seconds.
  void Finished(int seconds);

 private:
  void Congratulate();

  std::unique_ptr<TFreePuzzle> puzzle_;
  TFreeTable* table_;
  QLabel* congratulation_;
  TFreeClock* clock_;
  QLabel* clockLabel_;
  QString pictureName_;
  std::optional<int> best_;
};
