#pragma once
#include <memory>
#include <string>

#include "football/competition.hpp"

// The competition in progress is kept in this file of the working directory.
extern const std::string competition_save_path;

// Writes the whole competition (design, teams, calendar, results, round and match,
// statistics and scorers) through a temporary file; false when it could not be written.
bool save_competition(const t_competition& comp, const std::string& path);
// The competition of a save file, or none with `error` saying why the file is unusable.
std::shared_ptr<t_competition> read_competition(const std::string& path, std::string& error);

// Start-up: the saved competition becomes the one in progress. A damaged or foreign
// file is reported on one line and left alone.
void load_competition_save();
// After every change of the competition in progress; a failure is reported, never fatal.
void save_competition_in_progress();
