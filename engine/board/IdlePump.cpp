// Time-checked event processing for long loops.
#include "engine/board/IdlePump.h"

#include "platform/Events.h"

TIdlePump::TIdlePump(int intervalMs) : intervalMs_(intervalMs) { clock_.start(); }

void TIdlePump::Poll() {
  if (clock_.elapsed() < intervalMs_) return;
  ProcessPendingEvents();
  clock_.restart();
}
