// Starting a free puzzle from the command line: its window, or one message saying why the picture will not do.
#pragma once

#include <QString>
#include <memory>
#include <random>

class TFreeWindow;

// Makes the puzzle of about `pieces` pieces and its window, shown; on bad input shows the reason in one message
// box and returns none. Nothing is written either way.
std::unique_ptr<TFreeWindow> OpenFreePuzzle(const QString& picture, int pieces, bool turned, std::mt19937& random);
