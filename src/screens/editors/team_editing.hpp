#pragma once
// What the team and player editors do to the team under edit, apart from
// drawing it: row order, copy and paste of players, skills, kits, loading
// with its backup, and a save that never leaves a half-written file.
#include <memory>
#include <string>
#include <vector>

#include "football/safe_save.hpp"
#include "football/team.hpp"

// The one-player clipboard of the players editor; null when empty.
extern std::shared_ptr<t_player> player_clipboard;

// Rows are 1-based; rows 1..11 follow the formation of the team's tactics.
int display_position(const t_team& team, int row);
std::shared_ptr<t_player> player_in_row(const t_team& team, int row);
void swap_rows(t_team& team, int row_a, int row_b);

// Name, nationality, looks, role and the seven skills go through the clipboard.
void copy_player_values(const t_player& from, t_player& to);

// A skill field after fire 1 (value up, wrapping, mark kept) or fire 2 (mark
// toggled; a mark is only taken away while three others remain).
int toggle_diamond(const t_player& player, int skill, bool fire1);

// Moves a nationality code by `step` through the first 204 flag codes, wrapping.
std::string step_nationality(const std::vector<std::string>& codes, const std::string& nat, int step);

// Adds a player (nationality of the team, first free number, pasting and
// emptying the clipboard); null when the squad is full.
std::shared_ptr<t_player> add_edited_player(t_team& team);
// Removes the player shown in `row`; the last player takes his row. False with 16 or fewer.
bool delete_row_player(t_team& team, int row);

// Adds the fourth or fifth kit from the home and away kits and wears it; false with five.
bool add_edited_kit(t_team& team);
// Removes the last kit, keeping the worn index in range; false with three.
bool delete_edited_kit(t_team& team);

// Loads team `number` of file `ext` into the first match slot, builds its faces and
// writes the backup the save will start from. Returns "" or what went wrong.
std::string open_team_for_editing(const std::string& ext, int number);

// Rebuilds the team file from its backup with this team's block; the file and
// the backup are left as they were when anything fails. Returns "" or the reason.
std::string save_edited_team(t_team& team);
