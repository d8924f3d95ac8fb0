#include "platform/core/Random.h"

#include <chrono>

namespace vx {

namespace {

std::uint32_t Seed = 0;

std::uint32_t Step() {
  Seed = Seed * 134775813u + 1u; // unsigned arithmetic wraps modulo 2^32
  return Seed;
}

} // namespace

std::uint32_t RandSeed() {
  return Seed;
}

void SetRandSeed(std::uint32_t NewSeed) {
  Seed = NewSeed;
}

int Random(int Range) {
  const std::uint64_t S = Step();
  if (Range <= 0) return 0;
  return static_cast<int>((S * static_cast<std::uint64_t>(Range)) >> 32);
}

double Random() {
  return Step() / 4294967296.0;
}

void Randomize() {
  const auto Ticks = std::chrono::system_clock::now().time_since_epoch().count();
  Seed = static_cast<std::uint32_t>(Ticks ^ (Ticks >> 32));
}

} // namespace vx
