// The best times of finished free puzzles, per picture and grid, in the free puzzles' folder.
#pragma once

#include <optional>

#include "free/puzzle/FreeGrid.h"
#include "free/puzzle/FreeState.h"

std::optional<int> BestFreeSeconds(const TFreeOrigin& origin, const TFreeGrid& grid);
// Keeps the time when it beats the best so far (or there is none); true then. A file that cannot be read counts
// as no records; one that cannot be written throws std::runtime_error with a Russian text.
bool KeepFreeSeconds(const TFreeOrigin& origin, const TFreeGrid& grid, int seconds);
