#pragma once
// The game's random numbers.
#include <cstdint>

// The game's own generator, so that a seed replays the same match everywhere.
void seed_rnd(int64_t seed);
int32_t rnd_state();
double rnd();
double rnd_range(double a, double b);
// Uniform integer between a and b inclusive, in either order.
int rand(int a, int b);
