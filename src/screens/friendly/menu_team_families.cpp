#include "screens/friendly/menu_team_families.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "football/catalogue.hpp"
#include "platform/fatal.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"

namespace {
// One button per catalogue file of `section`: green and bound when the file is there, grey otherwise.
template <class F>
void add_file_buttons(t_game_mode& screen, int section, const std::string& name, F method) {
    std::vector<size_t> files;
    for (size_t i = 1; i < team_files.size(); ++i)
        if (!team_files[i].ext.empty() && team_files[i].confederation == section) files.push_back(i);
    const std::vector<t_grid_place> places = country_grid(static_cast<int>(files.size()));
    for (size_t k = 0; k < files.size(); ++k) {
        const t_file& f = team_files[files[k]];
        const bool there = f.avail == 1;
        t_button_ref b = add_button(screen, there ? CHOICE_GREEN : UNCHOSEN_GREY, places[k].x, places[k].y, 290,
                                    30, team_names[files[k]]);
        if (there) {
            bind_fire(screen, *b, name, method, {std::to_string(files[k])});
            if (!screen.selected_widget) screen.selected_widget = b;
        } else {
            b->active = 0;
        }
    }
}

void set_job_screen(t_game_mode& screen, const std::string& title) {
    screen.img_background = backgrounds->get(job_background(menu.status));
    add_caption(screen, job_colours(menu.status), 182, 40, 660, 40, title);
}

} // namespace

int team_list_mode(int status) { return status == STATUS_EDITING ? MODE_SELECT_TEAM_TO_EDIT : MODE_SELECT_TEAMS; }

MenuClubsConfederation::MenuClubsConfederation() {
    set_job_screen(*this, family_title(menu.status, false));
    for (size_t i = 0; i < confederation_names.size(); ++i) {
        t_button_ref b = add_button(*this, CHOICE_GREEN, 362, 230 + 60 * static_cast<int>(i), 300, 40,
                                    confederation_names[i]);
        bind_callback(*b, "fire1_down", "bc_confederation", &MenuClubsConfederation::bc_confederation, {std::to_string(i)});
        if (i == 0) selected_widget = b;
    }
    bind_fire(*this, *add_button(*this, ABORT_RED, 412, 700, 200, 34, translate("ABORT")), "bc_abort", &MenuClubsConfederation::bc_abort);
}

void MenuClubsConfederation::bc_confederation(int index) {
    menu.confederation = index;
    action_queue->push(ACTION_NEW_SCREEN, MODE_CLUBS_COUNTRY);
}

void MenuClubsConfederation::bc_abort() {
    abandon_selection(menu.status);
    action_queue->push(ACTION_NEW_SCREEN, MODE_MAIN_MENU);
}

MenuNationalsConfederation::MenuNationalsConfederation() {
    menu.confederation = NATIONAL_CONFEDERATION;
    menu.division = 1;
    set_job_screen(*this, family_title(menu.status, true));
    add_file_buttons(*this, NATIONAL_SECTION, "bc_confederation", &MenuNationalsConfederation::bc_confederation);
    t_button_ref abort = add_button(*this, ABORT_RED, 412, 700, 200, 34, translate("ABORT"));
    bind_callback(*abort, "fire1_down", "bc_abort", &MenuNationalsConfederation::bc_abort);
    if (!selected_widget) selected_widget = abort;
}

void MenuNationalsConfederation::bc_confederation(int file_index) {
    menu.extension = team_files.at(static_cast<size_t>(file_index)).ext;
    action_queue->push(ACTION_NEW_SCREEN, team_list_mode(menu.status));
}

void MenuNationalsConfederation::bc_abort() {
    abandon_selection(menu.status);
    action_queue->push(ACTION_NEW_SCREEN, MODE_MAIN_MENU);
}

MenuClubsCountry::MenuClubsCountry() {
    const size_t conf = static_cast<size_t>(menu.confederation);
    const std::string conf_name = conf < confederation_names.size() ? confederation_names[conf] : "";
    set_job_screen(*this, family_title(menu.status, false) + " - " + conf_name);
    add_file_buttons(*this, menu.confederation, "bc_country", &MenuClubsCountry::bc_country);
    t_button_ref exit = add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_CLUBS_CONFEDERATION)});
    if (!selected_widget) selected_widget = exit;
}

void MenuClubsCountry::bc_country(int file_index) {
    menu.extension = team_files.at(static_cast<size_t>(file_index)).ext;
    const std::vector<t_team_entry> entries = read_team_entries(menu.extension);
    const t_division_scan scan = scan_divisions(entries);
    menu.teams = scan.teams;
    menu.divisions = scan.divisions;
    menu.no_league = scan.no_league;
    if (scan.teams == 0) runtime_error("Cannot find teams in file: team_" + menu.extension + ".qst");
    if (scan.divisions != 1) {
        action_queue->push(ACTION_NEW_SCREEN, MODE_CLUBS_DIVISION);
        return;
    }
    menu.division = 1;
    action_queue->push(ACTION_NEW_SCREEN, team_list_mode(menu.status));
}

MenuClubsDivision::MenuClubsDivision() {
    set_job_screen(*this, family_title(menu.status, false) + " - " + file_display_name(menu.extension));
    const std::vector<int> divisions = divisions_present(read_team_entries(menu.extension));
    const std::vector<t_grid_place> places = division_grid(static_cast<int>(divisions.size()));
    for (size_t k = 0; k < divisions.size(); ++k) {
        t_button_ref b = add_button(*this, NAVY, places[k].x, places[k].y, 260, 30,
                                    division_caption(divisions[k]));
        bind_callback(*b, "fire1_down", "bc_division", &MenuClubsDivision::bc_division, {std::to_string(divisions[k])});
        if (k == 0) selected_widget = b;
    }
    t_button_ref exit = add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_CLUBS_COUNTRY)});
    if (!selected_widget) selected_widget = exit;
}

void MenuClubsDivision::bc_division(int division) {
    menu.division = division;
    action_queue->push(ACTION_NEW_SCREEN, team_list_mode(menu.status));
}
