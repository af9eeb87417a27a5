// The time spent on a free puzzle: it runs while the puzzle's window is in front and not minimised, and stops for
// good once the picture is whole.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

class TFreeClock : public QObject {
  Q_OBJECT

 public:
  // Milliseconds of a steady clock; tests give one they step.
  using TSource = std::function<qint64()>;

  // Watches the window's activation and minimising; runs at once when the window is already active.
  explicit TFreeClock(QWidget* window, TSource now = {});

  int Seconds() const;           // whole seconds counted
  void SetSeconds(int seconds);  // for a puzzle resumed with its time
  void Stop();                   // the puzzle is finished: the clock never runs again
  bool Running() const { return running_; }

 signals:
  // The seconds shown changed: a second counted, a time set.
  void Changed(int seconds);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();  // runs or pauses as the window is now
  qint64 Counted() const;

  QWidget* window_;
  TSource now_;
  qint64 counted_ = 0;  // milliseconds up to the last pause
  qint64 since_ = 0;    // when the clock last began running
  bool active_ = false, minimised_ = false, stopped_ = false, running_ = false;
  int shown_ = -1;
  QTimer tick_;
};

// "1:02:03", or "2:05" under an hour.
QString ClockText(int seconds);
