#pragma once
// The program-wide pseudo-random generator: a 32-bit linear congruential generator whose
// sequence is fixed by its seed, so a program that never seeds it repeats its numbers
// on every run.

#include <cstdint>

namespace vx {

/// The generator's state; 0 when the program starts.
std::uint32_t RandSeed();
/// Sets the state, so that the sequence that follows can be repeated (tests reset it).
void SetRandSeed(std::uint32_t Seed);

/// A whole number from 0 to Range - 1: the seed becomes seed x 134775813 + 1 modulo 2^32
/// and the result is the high 32 bits of the unsigned 64-bit product seed x Range. A
/// Range of 0 or less gives 0 (the seed still advances, keeping the sequence aligned).
int Random(int Range);
/// A number in [0, 1): the seed advances as above and the result is seed / 2^32.
double Random();

/// Seeds the generator from the clock.
void Randomize();

} // namespace vx
