#pragma once
// What the friendly and team-selection screens decide, apart from drawing.
#include <string>
#include <vector>

#include "core/menu_status.hpp"
#include "football/team.hpp"
#include "ui/menu_toolkit.hpp"

constexpr int NATIONAL_CONFEDERATION = 6;
constexpr int CUSTOM_CONFEDERATION = 7;


// Button colours of a team by its control (0 not selected .. 3 coach).
t_colours control_colours(int control);

struct t_grid_place {
    int x = 0;
    int y = 0;
};
// Where n buttons of `width` go: one centred column up to 8, else three columns
// centred on the height of the middle one. Row k of a column of m stands at
// base - pitch / 2 m + pitch k (k from 1); `base_three` is the base of the three-column form.
std::vector<t_grid_place> grid_layout(int n, int width, int pitch, int base_one, int base_three);
std::vector<t_grid_place> team_grid(int n);
std::vector<t_grid_place> country_grid(int n);
std::vector<t_grid_place> division_grid(int n);

// A team block of a team file, as the selection screens read it.
struct t_team_entry {
    int number = 0;
    std::string name;
    int division = 0;
};
// Every block of "data/team_<ext>.qst"; fatal "Invalid team file!" when it cannot be opened.
std::vector<t_team_entry> read_team_entries(const std::string& ext);

struct t_division_scan {
    int teams = 0;
    int divisions = 1;
    int no_league = 0;
};
t_division_scan scan_divisions(const std::vector<t_team_entry>& entries);
// The divisions that hold at least one team, in increasing order.
std::vector<int> divisions_present(const std::vector<t_team_entry>& entries);
std::string division_caption(int division);

struct t_play_state {
    std::string caption;
    bool ready = false;
};
// The play button with `required` teams wanted and `selected` chosen.
t_play_state play_button_state(int required, int selected, int status, int competition_type);

// Which screen follows the selection of a friendly's two teams, and which side it shows.
struct t_route {
    int mode = 0;
    int team_to_set = 0;
};
t_route friendly_route(int first_control, int second_control);
// After the line-up screen of side `team_to_set`.
t_route after_lineup(int team_to_set, int opponent_control);

// Leaves the selection without playing: drops the chosen teams, and a competition being designed.
void abandon_selection(int status);

// Title prefix, title colours and background of the job the selection screens do.
std::string job_name(int status);
t_colours job_colours(int status);
std::string job_background(int status);
// The title of the screens of a family: the job, " - ", and the family.
std::string family_title(int status, bool national);
// The catalogue display name of a team-file extension ("" when not listed).
std::string file_display_name(const std::string& ext);
