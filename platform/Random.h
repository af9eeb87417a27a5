// The game's one random generator: seeded from the clock at start, explicitly by tests.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);
// Seeds from the current time; the program calls it once at start.
void Randomize();
// A whole number in 0 .. range-1; 0 when range is not positive.
int Random(int range);
// A number in [0, 1).
double RandomFraction();
