// The game's one random generator.
#include "platform/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& Generator() {
  static std::mt19937 generator(5489u);
  return generator;
}
}  // namespace

void SeedRandom(std::uint32_t seed) { Generator().seed(seed); }

void Randomize() {
  SeedRandom(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int Random(int range) {
  if (range <= 0) return 0;
  return std::uniform_int_distribution<int>(0, range - 1)(Generator());
}

double RandomFraction() { return std::uniform_real_distribution<double>(0.0, 1.0)(Generator()); }
