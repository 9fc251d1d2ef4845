#pragma once
// The line-up screen's rules: which player a row shows, swaps, row colours and devices.
#include <string>

#include "football/team.hpp"
#include "ui/player_row.hpp"

constexpr int LINEUP_ROWS = 32;
constexpr int STARTERS = SQUAD_STARTERS;

// List position (0-based) of the player shown on `row` (1-based) under formation `based_on`.
int lineup_list_position(int based_on, int row);
// The formation the team's tactics slot is based on.
int team_formation(const t_team& team);
// A press on `row` with `marked` rows marked (0 none): marks it, swaps two players, or clears the mark.
// Returns the new mark.
int press_lineup_row(t_team& team, int marked, int row);

struct t_row_style {
    int squad_size = 0;
    int bench_size = 0;
    bool own = true;
    int marked = 0;
};
t_colours lineup_row_colours(int row, const t_row_style& style);

// Next input device of a human side: keyboard 1, keyboard 2, then the joysticks.
int next_input_device(int dev, int joysticks);
std::string input_device_caption(int dev);
std::string control_caption(int control);
