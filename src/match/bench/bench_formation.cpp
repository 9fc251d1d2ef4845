#include "match/bench/bench_formation.hpp"

#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "football/team.hpp"
#include "match/bench/bench_enter.hpp"
#include "match/bench/bench_lineup.hpp"
#include "match/bench/bench_panel.hpp"
#include "match/bench/bench_simulation.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "platform/timer.hpp"

namespace {
constexpr int TITLE_TEXT_DY = 2;
constexpr int PICTURE_DX = 84;
constexpr int PICTURE_DY = 40;
constexpr int LIST_DY = 125;
constexpr int CENTRED = 0;

int panel_x0() { return screen_w / 3 + 2; }
int panel_y0() { return static_cast<int>(0.5 * screen_h - 150 + 2); }

void coach_gesture(int team, int status) {
    t_coach& coach = coaches[static_cast<size_t>(team)];
    coach.status = status;
    coach.timer = WAVING_SUB_STEPS;
}
} // namespace

t_match_bench_formation::t_match_bench_formation() : t(bench_status.team), controls_(bench_status.team) {}

void t_match_bench_formation::update() {
    if (handle_function_keys()) return;
    controls_.read();
    bench_sub_steps(camera_towards(1, bench_status.target_x, 1, bench_status.target_y), true);
    if (const int step = controls_.vertical_release(); step != 0)
        bench_status.selected_pos = rotate_value(bench_status.selected_pos, 0, LINE_UP_POSITIONS, step);
    if (controls_.fire1_released()) {
        select_row();
        return;
    }
    if (controls_.back()) {
        bench_status.selected_pos = 0;
        for_swap = 0;
        send_substitute_back();
        open_phase(MODE_MATCH_BENCH_SUBSTITUTIONS);
    }
}

void t_match_bench_formation::select_row() {
    const int row = bench_status.selected_pos;
    if (row == 0) {
        for_swap = 0;
        send_substitute_back();
        open_phase(MODE_MATCH_BENCH_TACTICS);
    } else if (row == for_swap) {
        for_swap = 0;
    } else if (for_swap == 0 && bench_status.for_subs == 0) {
        for_swap = row;
    } else {
        exchange();
    }
}

void t_match_bench_formation::exchange() {
    const int b = team_based_on(t);
    const int g = slot_of_position(b, bench_status.selected_pos);
    int h = 0;
    if (bench_status.for_subs != 0) {
        coach_gesture(t, COACH_WAVING_BOTH);
        squad_of(t)[static_cast<size_t>(g)]->status = STATUS_SUBSTITUTED;
        ++team_at(t).subs_count;
        h = slot_of_position(b, bench_status.for_subs);
        bench_status.for_subs = 0;
    } else {
        coach_gesture(t, COACH_WAVING);
        h = slot_of_position(b, for_swap);
        for_swap = 0;
    }
    exchange_players(t, g, h);
}

void t_match_bench_formation::send_substitute_back() {
    if (bench_status.for_subs == 0) return;
    walk_back_to_bench(t, bench_status.for_subs);
    bench_status.selected_pos = bench_status.for_subs - ON_PITCH_SLOTS;
    bench_status.for_subs = 0;
}

void t_match_bench_formation::render() {
    t_match_mode::render();
    draw_formation();
}

void t_match_bench_formation::draw_formation() {
    const int x0 = panel_x0();
    const int y0 = panel_y0();
    const long ms = millisecs();
    const int list_y = y0 + LIST_DY;
    const int pulse = bench_status.for_subs != 0 ? PULSE_YELLOW : PULSE_BLUE;
    const int cursor = bench_status.selected_pos;
    fill_panel_row(x0, y0, PANEL_W, PANEL_TITLE_H, cursor == 0 ? pulse_colour(ROW_BLACK, pulse, ms) : ROW_BLACK);
    for (int row = 1; row <= LINE_UP_POSITIONS; ++row) {
        int colour = row == for_swap ? MARKED_GREEN : ROW_BLACK;
        if (row == cursor) colour = pulse_colour(colour, pulse, ms);
        fill_panel_row(x0, list_y + PANEL_ROW_H * (row - 1), PANEL_W, PANEL_ROW_H, colour);
    }
    draw_panel_box(x0, y0, PANEL_W, PANEL_TITLE_H);
    draw_panel_box(x0, list_y, PANEL_W, PANEL_ROW_H * LINE_UP_POSITIONS);
    draw_panel_text(translate("FORMATION"), x0 + PANEL_W / 2, y0 + TITLE_TEXT_DY, CENTRED);
    draw_panel_picture(picture_, 0, x0 + PICTURE_DX, y0 + PICTURE_DY);
    const t_team& team = team_at(t);
    for (int row = 1; row <= LINE_UP_POSITIONS; ++row)
        if (const auto p = team.player_at_position(row - 1))
            draw_player_row(*p, x0, list_y + PANEL_ROW_H * (row - 1));
}
