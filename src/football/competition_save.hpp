#pragma once
// Saving and restoring the competition in progress.
#include <memory>
#include <string>

#include "football/competition.hpp"

// The competition in progress is kept in "quilbo_competition.sav" in the working directory:
// 8-bit text, lines ending CR LF, one record per line, fields split by single blanks:
//   QUILBO ROVUDO COMPETITION 1
//   type 0|1                        (league, cup)
//   name <text>
//   common byseason season_start season_end current_month pitch_type substitutions bench_size
//          time ended user_prefers_result current_round current_match team_to_view
//   league weather_effect weather_intensity sky number_of_teams total_matches rounds points_for_a_win
//   or: cup away_goals weather_effect weather_intensity sky rounds current_leg total_legs,
//       then six lines "round legs extra_time penalties teams <name>"
//   teams N, then per team "team ext number control dev tactics kit won drawn lost for against
//          points players" and one "player nr goals <name>|<surname>" per squad member, in squad order
//   calendar M, then per match "match home away result after90 penalties first_leg extra qualified"
//          (teams by index into the team list, scores "h:a" or "-", qualified -1 for none)
//          and "status <text>"
//   cup only: "qualified K i1 .. iK"
//   end
// The teams themselves are read again from their team files; a file that does not read back
// whole is reported and ignored.
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
// A file still holding the competition this one replaced is removed then, so that the
// old competition cannot come back at the next start.
void save_competition_in_progress();
// A new design given up before its teams were chosen: the competition it was to replace
// is in progress again, as its save file holds it (none without a usable file).
void restore_competition_in_progress();
