#pragma once
// Team files: loading a team from its file, saving it back, and their paths.
#include <string>

#include "football/team.hpp"

// "data/team_" + ext + ".qst" and its backup ".qs0".
std::string team_file_path(const std::string& ext);
std::string team_backup_path(const std::string& ext);

// Fills `team` from its file by `team.ext` and `team.number`; a number not in
// the file leaves the team empty.
void load_team(t_team& team);
// Rebuilds the team file from its backup, replacing only this team's block.
void save_team(t_team& team);
// The same save, told back instead of stopping the game: "" or "file: reason",
// with the team file and its backup as they were.
std::string try_save_team(t_team& team);
void copy_text_file(const std::string& source, const std::string& target);

// The leading decimal integer of a trimmed field (0 when there is none).
int parse_leading_int(const std::string& field);
