// Lets pending window events run from a long loop, but only every few milliseconds, not at every step.
#pragma once

#include <QElapsedTimer>

class TIdlePump {
 public:
  explicit TIdlePump(int intervalMs = 15);
  // Runs pending events when the interval has passed since they last ran.
  void Poll();

 private:
  QElapsedTimer clock_;
  int intervalMs_;
};
