// Ending the game from the session: SIGTERM, SIGINT and SIGHUP reach the event loop instead of ending the process
// wherever it stands, so a level in play can be saved first.
#pragma once

#include <functional>

// Call first thing in main: from here on the three signals are held, not acted on.
void HoldQuitSignals();

// Runs onSignal on the event loop for every signal held so far and every one after. Needs the application object.
void DeliverQuitSignals(std::function<void(int signal)> onSignal);
