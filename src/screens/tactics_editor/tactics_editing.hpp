#pragma once
// The rules of the tactics editor that do not draw anything: zones and board
// cells, moves and copies kept mirrored through the player pairs, the colours
// of the list, and the ".TAC" files of the "tactics" folder.
#include <string>
#include <vector>

#include "football/tactics.hpp"
#include "screens/editors/editor_layout.hpp"

// Zone (zx -2..2, zy -3..3) to its index in t_tactics::target, and of its mirror across the length (-zx, zy).
int target_zone(const t_vec2d& zone);
int side_mirror_zone(const t_vec2d& zone);

// Ball piece cell (0..4, 0..6) and ball zone.
t_vec2d ball_cell_of_zone(const t_vec2d& zone);
t_vec2d zone_of_ball_cell(const t_vec2d& cell);
// Player piece cell (0..14, 0..15) and pitch place on the tactics lattice.
t_vec2d place_of_cell(const t_vec2d& cell);
t_vec2d cell_of_place(const t_vec2d& place);

// The squad list place of list row `row` under the formation the tactic is based on.
// The match gives that player target `list_place`, so it is also his tactical place.
int list_place_of_row(const t_tactics& tac, int row);

// The partner of p, or p itself when unpaired (or when a file paired him with nobody).
int mirror_partner(const t_tactics& tac, int p);

// Player p stands at `place` when the ball is in `zone`; with flip the mirror
// zone is rebuilt from this one (pairs swap places, x negated).
void move_player(t_tactics& tac, int p, const t_vec2d& zone, const t_vec2d& place, bool flip);
// Copies the layout of zone `from` to `to`; with flip a copy across the middle
// is mirrored, and the mirror of `to` follows.
void copy_zone(t_tactics& tac, const t_vec2d& from, const t_vec2d& to, bool flip);

// List colours of row r (0 = keeper): marks, keeper, starters, bench, reserves, past the squad.
t_colours player_row_colours(int row, int squad_size, int bench_size, int marked_for_swap, int marked_for_pair);
// Colours of a pair group (0..4); no colours for 255; fatal "invalid pair value" for anything else.
t_colours pair_colours(int pair_value);

// The names (without ".TAC") of the files in `folder` ending in ".TAC", in listing order.
std::vector<std::string> tactics_file_names_in(const std::string& folder);
// Places of the n buttons of the save and load lists (160 x 30, label at x + 165).
std::vector<t_point> tactics_file_grid(int n);

// Characters of a tactics file name: anything but path separators, dots and control characters.
constexpr size_t FILE_NAME_LIMIT = 8;
bool is_file_name_char(uint32_t code);
// The name itself without those characters, cut to 8 (a slot name like "USER 1" stays "USER 1").
std::string file_name_from(const std::string& name);

// A file of exactly 370 bytes loaded into `tac`; false (and `tac` untouched) otherwise.
bool load_tactics_checked(t_tactics& tac, const std::string& path);
// Saves through a temporary file and a rename; "" or the reason it failed.
std::string save_tactics_safely(const t_tactics& tac, const std::string& path);

// The mode to leave the editor for: the line-up screen during a set-up, else the main menu.
int tactics_leave_mode();
