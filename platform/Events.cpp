// Letting pending window events run from inside a handler.
#include "platform/Events.h"

#include <QCoreApplication>

void ProcessPendingEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}
