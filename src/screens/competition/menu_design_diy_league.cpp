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
    designed_league = std::make_shared<t_league>();
    designed_league->name = translate("DIY LEAGUE");
    use_competition_background(*this);
    add_competition_title(*this, translate("DESIGN DIY LEAGUE"));

    w_league_name = std::make_shared<t_input_button>();
    set_colours(*w_league_name, VALUE_BLUE_B);
    w_league_name->set_geometry(142, 120, 700, 34);
    w_league_name->set_text(designed_league->name, ALIGN_CENTRE, LARGE_FONT);
    w_league_name->set_entry_limit(NAME_LIMIT);
    bind_callback(*w_league_name, "on_update", "bc_update_league_name", &MenuDesignDiyLeague::bc_update_league_name);
    widgets.push_back(w_league_name);

    w_season_pitch_type = add_button(*this, CAPTION_RED, 142, 165, 440, 34, "");
    bind_callback(*w_season_pitch_type, "fire1_down", "bc_season_pitch_type", &MenuDesignDiyLeague::bc_season_pitch_type);
    w_season_start = add_row_value(*this, 602, 165, 100, 34, "");
    bind_steps(*this, *w_season_start, "bc_season_start", &MenuDesignDiyLeague::bc_season_start);
    w_season_separator = add_row_caption(*this, 702, 165, 40, 34, "-");
    w_season_end = add_row_value(*this, 742, 165, 100, 34, "");
    bind_steps(*this, *w_season_end, "bc_season_end", &MenuDesignDiyLeague::bc_season_end);
    w_pitch_type = add_row_value(*this, 602, 165, 240, 34, "");
    bind_steps(*this, *w_pitch_type, "bc_pitch_type", &MenuDesignDiyLeague::bc_pitch_type);

    add_row_caption(*this, 142, 210, 440, 34, translate("TIME"));
    w_time = add_row_value(*this, 602, 210, 240, 34, "");
    bind_callback(*w_time, "fire1_down", "bc_time", &MenuDesignDiyLeague::bc_time);
    add_row_caption(*this, 142, 255, 440, 34, translate("NUMBER OF TEAMS"));
    w_number_of_teams = add_row_value(*this, 602, 255, 240, 34, "");
    bind_steps(*this, *w_number_of_teams, "bc_number_of_teams", &MenuDesignDiyLeague::bc_number_of_teams);
    add_row_caption(*this, 142, 300, 440, 34, translate("PLAY EACH TEAM"));
    w_play_each_time = add_row_value(*this, 602, 300, 240, 34, "");
    bind_steps(*this, *w_play_each_time, "bc_play_each_time", &MenuDesignDiyLeague::bc_play_each_time);
    add_row_caption(*this, 142, 345, 440, 34, translate("POINTS FOR A WIN"));
    w_points_for_a_win = add_row_value(*this, 602, 345, 240, 34, "");
    bind_callback(*w_points_for_a_win, "fire1_down", "bc_points_for_a_win", &MenuDesignDiyLeague::bc_points_for_a_win);
    add_row_caption(*this, 142, 390, 440, 34, translate("SUBSTITUTES"));
    w_substitutes = add_row_value(*this, 602, 390, 240, 34, "");
    bind_steps(*this, *w_substitutes, "bc_substitutes", &MenuDesignDiyLeague::bc_substitutes);
    add_row_caption(*this, 142, 435, 440, 34, translate("BENCH SIZE"));
    w_bench_size = add_row_value(*this, 602, 435, 240, 34, "");
    bind_steps(*this, *w_bench_size, "bc_bench_size", &MenuDesignDiyLeague::bc_bench_size);

    t_button_ref clubs = add_button(*this, CHOICE_GREEN, 342, 505, 340, 40, translate("CLUB TEAMS"));
    bind_callback(*clubs, "fire1_down", "bc_club_teams", [] { start_league_team_choice(t_team_family::clubs); });
    bind_fire(*this, *add_button(*this, CHOICE_GREEN, 342, 565, 340, 40, translate("NATIONAL TEAMS")), "bc_national_teams", [] { start_league_team_choice(t_team_family::nationals); });
    bind_fire(*this, *add_button(*this, CHOICE_GREEN, 342, 625, 340, 40, translate("CUSTOM TEAMS")), "bc_custom_teams", [] { start_league_team_choice(t_team_family::custom); });
    add_exit_button(*this, "bc_exit", &MenuDesignDiyLeague::bc_exit, {}, 700);
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
