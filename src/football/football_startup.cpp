#include "football/football_startup.hpp"

#include "core/dictionary.hpp"
#include "football/calendar.hpp"
#include "football/catalogue.hpp"
#include "football/competition.hpp"
#include "football/player.hpp"
#include "football/tactics.hpp"
#include "football/team_file.hpp"
#include "platform/files.hpp"

void load_team_catalogue(const std::string& language_base) {
    read_team_catalogue_file("data/tables/" + language_base + ".qsc");
}

void mark_available_team_files() {
    for (size_t i = 1; i < team_files.size(); ++i) {
        t_file& file = team_files[i];
        if (file.ext.empty()) continue;
        file.avail = file_type(team_file_path(file.ext)) == 1 ? 1 : 0;
    }
}

void load_tactics_slots() {
    fill_tactics_names();
    for (size_t slot = 0; slot < TACTICS_SLOTS; ++slot) {
        tactics[slot] = t_tactics();
        tactics[slot].load_file("tactics/preset/" + tactics_file_names[slot] + ".TAC");
    }
}

void fill_football_tables() {
    for (size_t i = 0; i < position_codes.size(); ++i) {
        const std::string text = translate(position_code_keys[i]);
        position_codes[i] = text.substr(0, text.find(' '));
    }
    fill_competition_names();
}

void read_calendars() { read_calendar_file(calendar_path); }
