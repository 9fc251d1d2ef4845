#include "screens/competition/menu_design_diy_cup.hpp"

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
constexpr int ROW_H = 30;
} // namespace

MenuDesignDiyCup::MenuDesignDiyCup() {
    designed_cup = std::make_shared<t_cup>();
    designed_cup->name = translate("DIY CUP");
    use_competition_background(*this);
    add_competition_title(*this, translate("DESIGN DIY CUP"));

    w_cup_name = std::make_shared<t_input_button>();
    set_colours(*w_cup_name, VALUE_BLUE_B);
    w_cup_name->set_geometry(42, 101, 930, 34);
    w_cup_name->set_text(designed_cup->name, ALIGN_CENTRE, LARGE_FONT);
    w_cup_name->set_entry_limit(NAME_LIMIT);
    bind_callback(*w_cup_name, "on_update", "bc_update_cup_name", &MenuDesignDiyCup::bc_update_cup_name);
    widgets.push_back(w_cup_name);

    w_season_pitch_type = add_button(*this, CAPTION_RED, 42, 144, 220, 34, "");
    bind_callback(*w_season_pitch_type, "fire1_down", "bc_season_pitch_type", &MenuDesignDiyCup::bc_season_pitch_type);
    w_season_start = add_row_value(*this, 272, 144, 70, 34, "");
    bind_steps(*this, *w_season_start, "bc_season_start", &MenuDesignDiyCup::bc_season_start);
    w_season_separator = add_row_caption(*this, 342, 144, 40, 34, "-");
    w_season_end = add_row_value(*this, 382, 144, 70, 34, "");
    bind_steps(*this, *w_season_end, "bc_season_end", &MenuDesignDiyCup::bc_season_end);
    w_pitch_type = add_row_value(*this, 272, 144, 180, 34, "");
    bind_steps(*this, *w_pitch_type, "bc_pitch_type", &MenuDesignDiyCup::bc_pitch_type);
    w_away_goals_caption = add_row_caption(*this, 472, 144, 218, 34, translate("AWAY GOALS"));
    w_away_goals = add_row_value(*this, 700, 144, 272, 34, "");
    bind_callback(*w_away_goals, "fire1_down", "bc_away_goals", &MenuDesignDiyCup::bc_away_goals);

    add_row_caption(*this, 42, 187, 230, 34, translate("TIME"));
    w_time = add_row_value(*this, 282, 187, 180, 34, "");
    bind_callback(*w_time, "fire1_down", "bc_time", &MenuDesignDiyCup::bc_time);
    add_row_caption(*this, 42, 230, 230, 34, translate("ROUNDS"));
    w_rounds = add_row_value(*this, 282, 230, 180, 34, "");
    bind_steps(*this, *w_rounds, "bc_rounds", &MenuDesignDiyCup::bc_rounds);
    add_row_caption(*this, 482, 187, 320, 34, translate("SUBSTITUTES"));
    w_substitutes = add_row_value(*this, 812, 187, 160, 34, "");
    bind_steps(*this, *w_substitutes, "bc_substitutes", &MenuDesignDiyCup::bc_substitutes);
    add_row_caption(*this, 482, 230, 320, 34, translate("BENCH SIZE"));
    w_bench_size = add_row_value(*this, 812, 230, 160, 34, "");
    bind_steps(*this, *w_bench_size, "bc_bench_size", &MenuDesignDiyCup::bc_bench_size);

    add_label(*this, 307, 296, translate("TEAMS"), SMALL_FONT, ALIGN_CENTRE);
    add_label(*this, 607, 296, translate("DESCRIPTION"), SMALL_FONT, ALIGN_CENTRE);
    for (size_t i = 0; i < CUP_MAX_ROUNDS; ++i) {
        const int y = cup_round_row_y(static_cast<int>(i));
        const std::string index = std::to_string(i);
        w_round_name[i] = add_caption(*this, CAPTION_RED, 42, y, 230, ROW_H, "", SMALL_FONT);
        w_round_teams[i] = add_caption(*this, VALUE_BLUE_A, 282, y, 50, ROW_H, "", SMALL_FONT);
        w_round_legs[i] = add_button(*this, VALUE_BLUE_B, 342, y, 130, ROW_H, "", SMALL_FONT);
        bind_callback(*w_round_legs[i], "fire1_down", "bc_legs", &MenuDesignDiyCup::bc_legs, {index});
        w_round_extra_time[i] = add_button(*this, VALUE_BLUE_B, 477, y, 260, ROW_H, "", SMALL_FONT);
        bind_callback(*w_round_extra_time[i], "fire1_down", "bc_extra_time", &MenuDesignDiyCup::bc_extra_time, {index});
        w_round_penalties[i] = add_button(*this, VALUE_BLUE_B, 742, y, 230, ROW_H, "", SMALL_FONT);
        bind_callback(*w_round_penalties[i], "fire1_down", "bc_penalties", &MenuDesignDiyCup::bc_penalties, {index});
    }

    t_button_ref clubs = add_button(*this, CHOICE_GREEN, 342, 525, 340, 40, translate("CLUB TEAMS"));
    bind_callback(*clubs, "fire1_down", "bc_club_teams", [] { start_cup_team_choice(t_team_family::clubs); });
    bind_fire(*this, *add_button(*this, CHOICE_GREEN, 342, 580, 340, 40, translate("NATIONAL TEAMS")), "bc_national_teams", [] { start_cup_team_choice(t_team_family::nationals); });
    bind_fire(*this, *add_button(*this, CHOICE_GREEN, 342, 635, 340, 40, translate("CUSTOM TEAMS")), "bc_custom_teams", [] { start_cup_team_choice(t_team_family::custom); });
    add_exit_button(*this, "bc_exit", &MenuDesignDiyCup::bc_exit, {}, 700);
    selected_widget = clubs;
    update_captions();
}

void MenuDesignDiyCup::update_captions() {
    const t_cup& c = *designed_cup;
    const bool season = c.byseason == 1;
    w_season_pitch_type->text = c.get_byseason_label();
    for (const t_button_ref& b : {w_season_start, w_season_separator, w_season_end}) b->visible = season ? 1 : 0;
    w_season_start->active = w_season_end->active = season ? 1 : 0;
    w_pitch_type->visible = w_pitch_type->active = season ? 0 : 1;
    w_season_start->text = month_abbreviation(c.season_start);
    w_season_end->text = month_abbreviation(c.season_end);
    w_pitch_type->text = pitch_type_names[static_cast<size_t>(c.pitch_type)];
    const bool two_legs = any_two_legs(c);
    w_away_goals_caption->visible = two_legs ? 1 : 0;
    w_away_goals->visible = w_away_goals->active = two_legs ? 1 : 0;
    w_away_goals->text = c.get_away_goals_label();
    w_time->text = c.get_time_label();
    w_rounds->text = std::to_string(c.rounds);
    w_substitutes->text = std::to_string(c.substitutions);
    w_bench_size->text = std::to_string(c.bench_size);
    for (size_t i = 0; i < CUP_MAX_ROUNDS; ++i) {
        const int shown = static_cast<int>(i) < c.rounds ? 1 : 0;
        const int index = static_cast<int>(i);
        w_round_name[i]->text = c.round[i].name;
        w_round_teams[i]->text = std::to_string(c.round[i].teams);
        w_round_legs[i]->text = c.get_legs_label(index);
        w_round_extra_time[i]->text = c.get_extra_time_label(index);
        w_round_penalties[i]->text = c.get_penalties_label(index);
        for (const t_button_ref& b : {w_round_name[i], w_round_teams[i], w_round_legs[i], w_round_extra_time[i], w_round_penalties[i]})
            b->visible = shown;
        for (const t_button_ref& b : {w_round_legs[i], w_round_extra_time[i], w_round_penalties[i]}) b->active = shown;
    }
}

void MenuDesignDiyCup::bc_update_cup_name() {
    designed_cup->name = w_cup_name->text;
    w_cup_name->set_changed(0);
}

void MenuDesignDiyCup::bc_season_pitch_type() {
    designed_cup->byseason = designed_cup->byseason == 1 ? 0 : 1;
    update_captions();
}

void MenuDesignDiyCup::bc_season_start(int step) {
    designed_cup->season_start = next_month(designed_cup->season_start, step);
    update_captions();
}

void MenuDesignDiyCup::bc_season_end(int step) {
    designed_cup->season_end = next_month(designed_cup->season_end, step);
    update_captions();
}

void MenuDesignDiyCup::bc_pitch_type(int step) {
    designed_cup->pitch_type = next_pitch_type(designed_cup->pitch_type, step);
    update_captions();
}

void MenuDesignDiyCup::bc_away_goals() {
    designed_cup->away_goals = rotate_value(designed_cup->away_goals, 0, 2, 1);
    update_captions();
}

void MenuDesignDiyCup::bc_time() {
    designed_cup->time = rotate_value(designed_cup->time, 0, 1, 1);
    update_captions();
}

void MenuDesignDiyCup::bc_rounds(int step) {
    designed_cup->set_rounds(rotate_value(designed_cup->rounds, 1, CUP_MAX_ROUNDS, step));
    update_captions();
}

void MenuDesignDiyCup::bc_substitutes(int step) {
    designed_cup->substitutions = next_design_substitutes(designed_cup->substitutions, designed_cup->bench_size, step);
    update_captions();
}

void MenuDesignDiyCup::bc_bench_size(int step) {
    designed_cup->bench_size = next_design_bench_size(designed_cup->bench_size, designed_cup->substitutions, step);
    update_captions();
}

void MenuDesignDiyCup::bc_legs(int round_index) {
    if (round_index < 0 || round_index >= CUP_MAX_ROUNDS) return;
    t_round& r = designed_cup->round[static_cast<size_t>(round_index)];
    r.legs = rotate_value(r.legs, 1, 2, 1);
    update_captions();
}

void MenuDesignDiyCup::bc_extra_time(int round_index) {
    if (round_index < 0 || round_index >= CUP_MAX_ROUNDS) return;
    t_round& r = designed_cup->round[static_cast<size_t>(round_index)];
    r.extra_time = rotate_value(r.extra_time, 0, 2, 1);
    update_captions();
}

void MenuDesignDiyCup::bc_penalties(int round_index) {
    if (round_index < 0 || round_index >= CUP_MAX_ROUNDS) return;
    t_round& r = designed_cup->round[static_cast<size_t>(round_index)];
    r.penalties = rotate_value(r.penalties, 0, 2, 1);
    update_captions();
}

void MenuDesignDiyCup::bc_exit() {
    designed_cup.reset();
    action_queue->push(ACTION_NEW_SCREEN, MODE_MAIN_MENU);
}
