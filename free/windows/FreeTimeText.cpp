// Time spent on a free puzzle as the player reads it.
#include "free/windows/FreeTimeText.h"

QString FreeTimeText(int seconds) {
  const int hours = seconds / 3600, minutes = seconds / 60 % 60, rest = seconds % 60;
  if (hours > 0) return QString("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QChar('0')).arg(rest, 2, 10, QChar('0'));
  return QString("%1:%2").arg(minutes).arg(rest, 2, 10, QChar('0'));
}
