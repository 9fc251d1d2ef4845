#pragma once
// The scorers' lines under the score, one text per team index.
#include <array>
#include <string>

extern std::array<std::string, 2> scorers_text;

// Characters after which a line of scorers is broken at its last comma.
constexpr int SCORERS_LINE = 20;
constexpr int SCORERS_LINE_NATIONAL = 17;

// Rebuilds both texts from `goals`: each scorer once per side he is credited to, with all his minutes.
void update_scorers_text();
