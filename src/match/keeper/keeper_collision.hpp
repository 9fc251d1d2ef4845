#pragma once
// The goalkeeper's save map: which part of his picture the ball meets.
#include <cstdint>

// Colour (0xRRGGBB) of the save map for a keeper picture at the ball's offset
// (ex, ey) from his feet on the screen; 0 outside the map.
uint32_t keeper_collision_colour(double fmx, double fmy, int ex, int ey);
