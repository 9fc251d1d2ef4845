#include "screens/competition/menu_design_diy_league.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "screens/competition/competition_design.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/competition_style.hpp"

namespace {
constexpr int NAME_LIMIT = 24;
} // namespace

MenuDesignDiyLeague::MenuDesignDiyLeague() {
    define_void_method("bc_update_league_name", [this] { bc_update_league_name(); });
    define_void_method("bc_season_pitch_type", [this] { bc_season_pitch_type(); });
    define_int_method("bc_season_start", [this](int s) { bc_season_start(s); });
    define_int_method("bc_season_end", [this](int s) { bc_season_end(s); });
    define_int_method("bc_pitch_type", [this](int s) { bc_pitch_type(s); });
    define_void_method("bc_time", [this] { bc_time(); });
    define_int_method("bc_number_of_teams", [this](int s) { bc_number_of_teams(s); });
    define_int_method("bc_play_each_time", [this](int s) { bc_play_each_time(s); });
    define_void_method("bc_points_for_a_win", [this] { bc_points_for_a_win(); });
    define_int_method("bc_substitutes", [this](int s) { bc_substitutes(s); });
    define_int_method("bc_bench_size", [this](int s) { bc_bench_size(s); });
    define_void_method("bc_club_teams", [] { start_league_team_choice(t_team_family::clubs); });
    define_void_method("bc_national_teams", [] { start_league_team_choice(t_team_family::nationals); });
    define_void_method("bc_custom_teams", [] { start_league_team_choice(t_team_family::custom); });
    define_void_method("bc_exit", [this] { bc_exit(); });

    designed_league = std::make_shared<t_league>();
    designed_league->name = translate("DIY LEAGUE");
    use_competition_background(*this);
    add_competition_title(widgets, translate("DESIGN DIY LEAGUE"));

    w_league_name = std::make_shared<t_input_button>();
    set_colours(*w_league_name, VALUE_BLUE_B);
    w_league_name->set_geometry(142, 120, 700, 34);
    w_league_name->set_text(designed_league->name, ALIGN_CENTRE, LARGE_FONT);
    w_league_name->set_entry_limit(NAME_LIMIT);
    w_league_name->bind("on_update", "bc_update_league_name");
    widgets.push_back(w_league_name);

    w_season_pitch_type = add_button(widgets, CAPTION_RED, 142, 165, 440, 34, "");
    w_season_pitch_type->bind("fire1_down", "bc_season_pitch_type");
    w_season_start = add_row_value(widgets, 602, 165, 100, 34, "");
    bind_steps(*w_season_start, "bc_season_start");
    w_season_separator = add_row_caption(widgets, 702, 165, 40, 34, "-");
    w_season_end = add_row_value(widgets, 742, 165, 100, 34, "");
    bind_steps(*w_season_end, "bc_season_end");
    w_pitch_type = add_row_value(widgets, 602, 165, 240, 34, "");
    bind_steps(*w_pitch_type, "bc_pitch_type");

    add_row_caption(widgets, 142, 210, 440, 34, translate("TIME"));
    w_time = add_row_value(widgets, 602, 210, 240, 34, "");
    w_time->bind("fire1_down", "bc_time");
    add_row_caption(widgets, 142, 255, 440, 34, translate("NUMBER OF TEAMS"));
    w_number_of_teams = add_row_value(widgets, 602, 255, 240, 34, "");
    bind_steps(*w_number_of_teams, "bc_number_of_teams");
    add_row_caption(widgets, 142, 300, 440, 34, translate("PLAY EACH TEAM"));
    w_play_each_time = add_row_value(widgets, 602, 300, 240, 34, "");
    bind_steps(*w_play_each_time, "bc_play_each_time");
    add_row_caption(widgets, 142, 345, 440, 34, translate("POINTS FOR A WIN"));
    w_points_for_a_win = add_row_value(widgets, 602, 345, 240, 34, "");
    w_points_for_a_win->bind("fire1_down", "bc_points_for_a_win");
    add_row_caption(widgets, 142, 390, 440, 34, translate("SUBSTITUTES"));
    w_substitutes = add_row_value(widgets, 602, 390, 240, 34, "");
    bind_steps(*w_substitutes, "bc_substitutes");
    add_row_caption(widgets, 142, 435, 440, 34, translate("BENCH SIZE"));
    w_bench_size = add_row_value(widgets, 602, 435, 240, 34, "");
    bind_steps(*w_bench_size, "bc_bench_size");

    t_button_ref clubs = add_button(widgets, CHOICE_GREEN, 342, 505, 340, 40, translate("CLUB TEAMS"));
    clubs->bind("fire1_down", "bc_club_teams");
    add_button(widgets, CHOICE_GREEN, 342, 565, 340, 40, translate("NATIONAL TEAMS"))->bind("fire1_down", "bc_national_teams");
    add_button(widgets, CHOICE_GREEN, 342, 625, 340, 40, translate("CUSTOM TEAMS"))->bind("fire1_down", "bc_custom_teams");
    add_exit_button(widgets, "bc_exit", {}, 700);
    selected_widget = clubs;
    update_captions();
}

void MenuDesignDiyLeague::update_captions() {
    const t_league& l = *designed_league;
    const bool season = l.byseason == 1;
    w_season_pitch_type->text = l.get_byseason_label();
    for (const t_button_ref& b : {w_season_start, w_season_separator, w_season_end}) b->visible = season ? 1 : 0;
    w_season_start->active = w_season_end->active = season ? 1 : 0;
    w_pitch_type->visible = w_pitch_type->active = season ? 0 : 1;
    w_season_start->text = month_abbreviation(l.season_start);
    w_season_end->text = month_abbreviation(l.season_end);
    w_pitch_type->text = pitch_type_names[static_cast<size_t>(l.pitch_type)];
    w_time->text = l.get_time_label();
    w_number_of_teams->text = std::to_string(l.number_of_teams);
    w_play_each_time->text = times_caption(l.rounds);
    w_points_for_a_win->text = std::to_string(l.points_for_a_win);
    w_substitutes->text = std::to_string(l.substitutions);
    w_bench_size->text = std::to_string(l.bench_size);
}

void MenuDesignDiyLeague::bc_update_league_name() {
    designed_league->name = w_league_name->text;
    w_league_name->set_changed(0);
}

void MenuDesignDiyLeague::bc_season_pitch_type() {
    designed_league->byseason = designed_league->byseason == 1 ? 0 : 1;
    update_captions();
}

void MenuDesignDiyLeague::bc_season_start(int step) {
    designed_league->season_start = next_month(designed_league->season_start, step);
    update_captions();
}

void MenuDesignDiyLeague::bc_season_end(int step) {
    designed_league->season_end = next_month(designed_league->season_end, step);
    update_captions();
}

void MenuDesignDiyLeague::bc_pitch_type(int step) {
    designed_league->pitch_type = next_pitch_type(designed_league->pitch_type, step);
    update_captions();
}

void MenuDesignDiyLeague::bc_time() {
    designed_league->time = rotate_value(designed_league->time, 0, 1, 1);
    update_captions();
}

void MenuDesignDiyLeague::bc_number_of_teams(int step) {
    designed_league->number_of_teams = rotate_value(designed_league->number_of_teams, 2, 24, step);
    update_captions();
}

void MenuDesignDiyLeague::bc_play_each_time(int step) {
    designed_league->rounds = rotate_value(designed_league->rounds, 1, 10, step);
    update_captions();
}

void MenuDesignDiyLeague::bc_points_for_a_win() {
    designed_league->points_for_a_win = rotate_value(designed_league->points_for_a_win, 2, 3, 1);
    update_captions();
}

void MenuDesignDiyLeague::bc_substitutes(int step) {
    designed_league->substitutions = next_design_substitutes(designed_league->substitutions, designed_league->bench_size, step);
    update_captions();
}

void MenuDesignDiyLeague::bc_bench_size(int step) {
    designed_league->bench_size = next_design_bench_size(designed_league->bench_size, designed_league->substitutions, step);
    update_captions();
}

void MenuDesignDiyLeague::bc_exit() {
    designed_league.reset();
    action_queue->push(ACTION_NEW_SCREEN, MODE_MAIN_MENU);
}
