// Free puzzles for the saves' tests: a picture file in a throw-away program folder, whose data folder holds the
// puzzles, and a fixed play on it that a test and a child process repeat alike.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "free/puzzle/FreePuzzle.h"

// Writes a PNG of that size with something different in every pixel.
void WriteFixturePicture(const QString& path, QSize size);
// A puzzle of about 12 pieces, turned, from the picture file, with a fixed seed.
std::unique_ptr<TFreePuzzle> FixtureFreePuzzle(const QString& picture);
// One move of a fixed play: every step turns and moves a group and drops it; the first joins two pieces. The same
// steps on the same puzzle always end in the same state.
void PlayStep(TFreePuzzle& puzzle, int step);
// The Russian text of the TFreeError the action throws; empty when it throws none.
QString FreeFault(const std::function<void()>& action);
