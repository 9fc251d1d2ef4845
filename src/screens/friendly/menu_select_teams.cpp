#include "screens/friendly/menu_select_teams.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "football/match_settings.hpp"
#include "football/selected_teams.hpp"
#include "football/team_file.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"

std::vector<t_team_ref> team_stubs(const std::string& ext, int division) {
    std::vector<t_team_ref> out;
    for (const t_team_entry& e : read_team_entries(ext)) {
        if (e.division != division) continue;
        auto t = std::make_shared<t_team>();
        t->name = e.name;
        t->ext = ext;
        t->number = e.number;
        t->division = e.division;
        out.push_back(t);
    }
    sort_teams_by_name(out);
    return out;
}

std::string team_list_title() {
    if (menu.confederation == NATIONAL_CONFEDERATION)
        return translate("NATIONAL TEAMS") + " - " + file_display_name(menu.extension);
    if (menu.confederation == CUSTOM_CONFEDERATION) return job_name(menu.status) + " - " + translate("CUSTOM TEAMS");
    return division_caption(menu.division);
}

t_team_list_screen::t_team_list_screen() {
    img_background = backgrounds->get(job_background(menu.status));
}

void t_team_list_screen::build_list(const std::string& title, const std::vector<t_team_ref>& teams) {
    add_caption(*this, job_colours(menu.status), 182, 40, 660, 40, title);
    add_caption(*this, control_colours(CONTROL_COMPUTER), 42, 100, 300, 30, translate("COMPUTER"));
    add_caption(*this, control_colours(CONTROL_PLAYER), 362, 100, 300, 30,
                translate("PLAYER") + "-" + translate("COACH"));
    add_caption(*this, control_colours(CONTROL_COACH), 682, 100, 300, 30, translate("COACH"));
    const std::vector<t_grid_place> places = team_grid(static_cast<int>(teams.size()));
    for (size_t k = 0; k < teams.size(); ++k) {
        const t_team& t = *teams[k];
        t_button_ref b = add_button(*this, control_colours(selected_control(t.ext, t.number)), places[k].x,
                                    places[k].y, 270, 30, t.name);
        bind_callback(*b, "fire1_down", "bc_team", &t_team_list_screen::bc_team, {t.name, t.ext, std::to_string(t.number)});
        if (k == 0) selected_widget = b;
    }
}

t_button_ref t_team_list_screen::add_play_button() {
    w_play = add_button(*this, NO_COLOURS, 632, 700, 360, 34, "");
    bind_callback(*w_play, "fire1_down", "bc_play", &t_team_list_screen::bc_play);
    update_play_button();
    return w_play;
}

void t_team_list_screen::bc_team(const std::string& name, const std::string& ext, int number) {
    const int control = select_team(ext, number, name);
    if (selected_widget) set_colours(*selected_widget, control_colours(control));
    update_play_button();
}

void t_team_list_screen::update_play_button() {
    const int typ = competition ? competition->typ : COMPETITION_LEAGUE;
    const t_play_state s =
        play_button_state(teams_required, static_cast<int>(selected_teams.size()), menu.status, typ);
    w_play->text = s.caption;
    w_play->active = s.ready ? 1 : 0;
    set_colours(*w_play, s.ready ? READY_GREEN : NO_COLOURS);
}

void t_team_list_screen::bc_play() {
    for (const t_team_ref& t : selected_teams) load_team(*t);
    if (menu.status == STATUS_COMPETITION) {
        if (!competition) return;
        competition->initialize(selected_teams);
        selected_teams.clear();
        action_queue->push(ACTION_NEW_SCREEN, competition->typ == COMPETITION_CUP ? MODE_PLAY_CUP : MODE_PLAY_LEAGUE);
        return;
    }
    if (selected_teams.size() < 2) return;
    match_teams[0] = selected_teams[0];
    match_teams[1] = selected_teams[1];
    const t_route r = friendly_route(match_teams[0]->control, match_teams[1]->control);
    menu.team_to_set = r.team_to_set;
    action_queue->push(ACTION_NEW_SCREEN, r.mode);
}

MenuSelectTeams::MenuSelectTeams() {
    music_muted = 0;
    build_list(team_list_title(), team_stubs(menu.extension, menu.division));
    w_view_selected_teams =
        add_button(*this, PLUM, 32, 700, 360, 34, translate("VIEW SELECTED TEAMS"));
    bind_screen_change(*this, *w_view_selected_teams, MODE_VIEW_SELECTED_TEAMS);
    t_button_ref exit = add_button(*this, EXIT_COLOURS, 422, 700, 180, 34, translate("EXIT"));
    exit_widget = exit;
    bind_callback(*exit, "fire1_down", "bc_exit", &MenuSelectTeams::bc_exit);
    add_play_button();
    update_view_button();
    if (!selected_widget) selected_widget = exit;
}

void MenuSelectTeams::bc_team(const std::string& name, const std::string& ext, int number) {
    t_team_list_screen::bc_team(name, ext, number);
    update_view_button();
}

void MenuSelectTeams::update_view_button() { w_view_selected_teams->visible = selected_teams.empty() ? 0 : 1; }

void MenuSelectTeams::bc_exit() {
    if (menu.confederation == CUSTOM_CONFEDERATION) {
        abandon_selection(menu.status);
        action_queue->push(ACTION_NEW_SCREEN, MODE_MAIN_MENU);
    } else if (menu.confederation == NATIONAL_CONFEDERATION) {
        action_queue->push(ACTION_NEW_SCREEN, MODE_NATIONALS_CONFEDERATION);
    } else {
        action_queue->push(ACTION_NEW_SCREEN, menu.divisions == 1 ? MODE_CLUBS_COUNTRY : MODE_CLUBS_DIVISION);
    }
}

MenuViewSelectedTeams::MenuViewSelectedTeams() {
    build_list(translate("SELECTED TEAMS FOR") + " " + job_name(menu.status), selected_teams);
    t_button_ref exit = add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_SELECT_TEAMS)}, 700);
    add_play_button();
    if (!selected_widget) selected_widget = exit;
}
