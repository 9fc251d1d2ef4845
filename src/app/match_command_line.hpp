#pragma once
// Matches started from the command line: reading the --match options and starting the match.
#include <optional>
#include <string>

#include "core/game.hpp"

// Loads the two teams, applies the options and opens MatchLoading (a friendly). Fatal on an unknown team.
void start_command_line_match(const t_match_request& request);
// "computer" / "player" / "coach" as a team control value; 0 when unknown.
int parse_control(const std::string& name);
// "normal", "4", "random" ... as a pitch type 0..9; -1 when unknown.
int parse_pitch(const std::string& name);
// "clear", "rain", "rain:1", "fog:2", "random" as effect and intensity; false when unknown.
bool parse_weather(const std::string& text, int& effect, int& intensity);
// "1024x768" as an index of display_modes; -1 when the game has no such mode.
int parse_display_mode(const std::string& text);
// "day" / "night" / "random" as 0 / 1 / 2; -1 when unknown.
int parse_time(const std::string& name);
// The slot of a preset tactic named as its file without the T ("442", "attack"), or -1.
int parse_tactics(const std::string& name);
// "on" / "off" in any case; nothing for another text.
std::optional<bool> parse_on_off(const std::string& text);
// "home" / "away" in any case as side 0 / 1; nothing for another text.
std::optional<int> parse_side(const std::string& text);
