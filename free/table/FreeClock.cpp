// The time spent on a free puzzle, paused while its window is behind another or minimised.
#include "free/table/FreeClock.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace {
qint64 SteadyMilliseconds() {
  static QElapsedTimer started = [] {
    QElapsedTimer timer;
    timer.start();
    return timer;
  }();
  return started.elapsed();
}

// Often enough that a shown second is never late by much.
constexpr int kTickMilliseconds = 200;
}  // namespace

TFreeClock::TFreeClock(QWidget* window, TSource now)
    : QObject(window), window_(window), now_(now ? std::move(now) : TSource(SteadyMilliseconds)) {
  active_ = window->isActiveWindow();
  minimised_ = window->isMinimized();
  window->installEventFilter(this);
  tick_.setInterval(kTickMilliseconds);
  connect(&tick_, &QTimer::timeout, this, [this] {
    if (Seconds() != shown_) emit Changed(shown_ = Seconds());
  });
  Follow();
}

qint64 TFreeClock::Counted() const { return counted_ + (running_ ? now_() - since_ : 0); }

int TFreeClock::Seconds() const { return int(Counted() / 1000); }

void TFreeClock::SetSeconds(int seconds) {
  counted_ = qint64(seconds) * 1000;
  since_ = now_();
  emit Changed(shown_ = Seconds());
}

void TFreeClock::Stop() {
  stopped_ = true;
  Follow();
}

void TFreeClock::Follow() {
  const bool run = active_ && !minimised_ && !stopped_;
  if (run == running_) return;
  if (run) {
    since_ = now_();
    tick_.start();
  } else {
    counted_ = Counted();
    tick_.stop();
  }
  running_ = run;
}

bool TFreeClock::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::WindowActivate: active_ = true; break;
      case QEvent::WindowDeactivate: active_ = false; break;
      case QEvent::WindowStateChange: minimised_ = window_->isMinimized(); break;
      case QEvent::Hide: active_ = false; break;
      default: return false;
    }
    Follow();
  }
  return false;
}

QString ClockText(int seconds) {
  const int hours = seconds / 3600, minutes = seconds / 60 % 60, rest = seconds % 60;
  return hours > 0 ? QString("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QChar('0')).arg(rest, 2, 10, QChar('0'))
                   : QString("%1:%2").arg(minutes).arg(rest, 2, 10, QChar('0'));
}
