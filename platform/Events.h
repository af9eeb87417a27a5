// Letting pending window events run from inside a handler, as the game does at fixed points.
#pragma once

// Runs the events waiting in the queue (timers, clicks, repaints) and returns. Does nothing without an application.
void ProcessPendingEvents();
