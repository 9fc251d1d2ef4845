#include "screens/friendly/team_selection.hpp"

#include <algorithm>
#include <set>

#include "core/dictionary.hpp"
#include "core/text.hpp"
#include "football/catalogue.hpp"
#include "football/competition.hpp"
#include "football/competition_save.hpp"
#include "football/selected_teams.hpp"
#include "football/team_file.hpp"
#include "platform/fatal.hpp"
#include "platform/stream.hpp"

namespace {
constexpr int ONE_COLUMN_LIMIT = 8;
constexpr int COLUMN_GAP = 20;
constexpr size_t VALUE_COLUMN = 10;

std::string columns(const std::string& line, size_t first, size_t count) {
    return first >= line.size() ? std::string() : line.substr(first, count);
}
} // namespace

t_colours control_colours(int control) {
    switch (control) {
    case CONTROL_COMPUTER: return {0x981E1E, 0xC72929, 0x640000};
    case CONTROL_PLAYER: return {0x0000C8, 0x1919FF, 0x000078};
    case CONTROL_COACH: return {0x009BDC, 0x19BBFF, 0x0071A0};
    default: return FILE_BROWN;
    }
}

std::vector<t_grid_place> grid_layout(int n, int width, int pitch, int base_one, int base_three) {
    std::vector<t_grid_place> out;
    if (n <= 0) return out;
    const int half = pitch / 2;
    if (n <= ONE_COLUMN_LIMIT) {
        for (int k = 1; k <= n; ++k) out.push_back({512 - width / 2, base_one - half * n + pitch * k});
        return out;
    }
    const int third = n / 3;
    const int a = third + (n % 3 == 2 ? 1 : 0);
    const int b = third + (n % 3 > 0 ? 1 : 0);
    const int c = n - a - b;
    const int xs[3] = {512 - width * 3 / 2 - COLUMN_GAP, 512 - width / 2, 512 + width / 2 + COLUMN_GAP};
    const int counts[3] = {a, b, c};
    for (int col = 0; col < 3; ++col)
        for (int j = 1; j <= counts[col]; ++j) out.push_back({xs[col], base_three - half * b + pitch * j});
    return out;
}

std::vector<t_grid_place> team_grid(int n) { return grid_layout(n, 270, 32, 386, 386); }
std::vector<t_grid_place> country_grid(int n) { return grid_layout(n, 290, 34, 350, 356); }
std::vector<t_grid_place> division_grid(int n) { return grid_layout(n, 260, 32, 386, 386); }

std::vector<t_team_entry> read_team_entries(const std::string& ext) {
    auto in = read_file(team_file_path(to_lower_ascii(ext)));
    if (!in) runtime_error("Invalid team file!");
    std::vector<t_team_entry> out;
    while (!in->eof()) {
        if (in->read_byte() != '#') continue;
        t_team_entry e;
        // The "#" is read, so the number's columns 11-13 are 9..11 of the rest.
        e.number = parse_leading_int(columns(in->read_line(), 9, 3));
        in->read_line(); // country
        e.name = latin1_to_utf8(trim(columns(in->read_line(), VALUE_COLUMN, std::string::npos)));
        in->read_line(); // tactics
        e.division = parse_leading_int(columns(in->read_line(), VALUE_COLUMN, std::string::npos));
        out.push_back(e);
    }
    return out;
}

t_division_scan scan_divisions(const std::vector<t_team_entry>& entries) {
    t_division_scan s;
    for (const t_team_entry& e : entries) {
        s.divisions = std::max(s.divisions, e.division);
        if (e.division == 0) s.no_league = 1;
        ++s.teams;
    }
    return s;
}

std::vector<int> divisions_present(const std::vector<t_team_entry>& entries) {
    std::set<int> found;
    for (const t_team_entry& e : entries) found.insert(e.division);
    return {found.begin(), found.end()};
}

std::string division_caption(int division) {
    if (division == 0) return "NO LEAGUE";
    if (division == 1) return "PREMIER DIVISION";
    return "DIVISION " + std::to_string(division - 1);
}

t_play_state play_button_state(int required, int selected, int status, int competition_type) {
    if (selected == required) {
        if (status == STATUS_COMPETITION)
            return {translate(competition_type == COMPETITION_CUP ? "DIY CUP" : "DIY LEAGUE"), true};
        return {translate("FRIENDLY"), true};
    }
    const int d = required - selected;
    if (d >= 2) return {with_number(translate("SELECT %n MORE TEAMS"), d), false};
    if (d == 1) return {translate("SELECT 1 MORE TEAM"), false};
    if (d == -1) return {translate("SELECT 1 LESS TEAM"), false};
    return {with_number(translate("SELECT %n LESS TEAMS"), -d), false};
}

t_route friendly_route(int first_control, int second_control) {
    const bool first_human = first_control == CONTROL_PLAYER || first_control == CONTROL_COACH;
    if (first_human) return {15, 0};
    if (second_control == CONTROL_COMPUTER) return {18, 0};
    return {15, 1};
}

t_route after_lineup(int team_to_set, int opponent_control) {
    if (team_to_set == 1 || opponent_control == CONTROL_COMPUTER) return {18, team_to_set};
    return {15, 1};
}

void abandon_selection(int status) {
    if (status == STATUS_FRIENDLY || status == STATUS_COMPETITION) selected_teams.clear();
    // The design is given up: the competition in progress comes back as a restart would bring it.
    if (status == STATUS_COMPETITION) restore_competition_in_progress();
}

std::string job_name(int status) {
    if (status == STATUS_COMPETITION) return competition ? competition->name : "";
    if (status == STATUS_EDITING) return translate("EDIT TEAMS");
    return translate("FRIENDLY");
}

t_colours job_colours(int status) {
    if (status == STATUS_COMPETITION) return COMPETITION_GREEN;
    if (status == STATUS_EDITING) return EDIT_BROWN;
    return FRIENDLY_GREEN;
}

std::string job_background(int status) {
    if (status == STATUS_COMPETITION) return "menu_competition.jpg";
    if (status == STATUS_EDITING) return "menu_edit.jpg";
    return "menu_friendly.jpg";
}

std::string family_title(int status, bool national) {
    return job_name(status) + " - " + translate(national ? "NATIONAL TEAMS" : "CLUB TEAMS");
}

std::string file_display_name(const std::string& ext) {
    const std::string wanted = to_lower_ascii(ext);
    for (size_t i = 1; i < team_files.size(); ++i)
        if (!team_files[i].ext.empty() && team_files[i].ext == wanted) return team_names[i];
    return "";
}
