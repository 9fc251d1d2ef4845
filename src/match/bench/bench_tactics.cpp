#include "match/bench/bench_tactics.hpp"

#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "football/tactics.hpp"
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
constexpr int PICTURE_DX = 84;
constexpr int PICTURE_DY = -2;
constexpr int LIST_DX = 35;
constexpr int LIST_DY = 78;
constexpr int LIST_W = 180;
constexpr int LIST_H = 294;
constexpr int ROWS_DY = 82;
constexpr int TEXT_DX = 125;
constexpr int TEXT_DY = 2;
constexpr int CENTRED = 0;

int panel_x0() { return screen_w / 3; }
int panel_y0() { return static_cast<int>(0.5 * screen_h - 186 + 2); }
} // namespace

t_match_bench_tactics::t_match_bench_tactics()
    : t(bench_status.team), selected_tactics(team_at(bench_status.team).tactics), controls_(bench_status.team) {}

void t_match_bench_tactics::update() {
    if (handle_function_keys()) return;
    controls_.read();
    bench_sub_steps(camera_towards(1, bench_status.target_x, 1, bench_status.target_y), true);
    if (const int step = controls_.vertical_release(); step != 0)
        selected_tactics = rotate_value(selected_tactics, 0, TACTICS_SLOTS - 1, step);
    if (controls_.fire1_released()) {
        t_team& team = team_at(t);
        if (selected_tactics != team.tactics) {
            t_coach& coach = coaches[static_cast<size_t>(t)];
            coach.status = COACH_WAVING;
            coach.timer = WAVING_SUB_STEPS;
            team.tactics = selected_tactics;
        }
        open_phase(MODE_MATCH_BENCH_SUBSTITUTIONS);
        return;
    }
    if (controls_.back()) open_phase(MODE_MATCH_BENCH_SUBSTITUTIONS);
}

void t_match_bench_tactics::render() {
    t_match_mode::render();
    draw_tactics_switch();
}

void t_match_bench_tactics::draw_tactics_switch() {
    const int x0 = panel_x0();
    const int y0 = panel_y0();
    const long ms = millisecs();
    const int current = team_at(t).tactics;
    const int row_x = x0 + LIST_DX + 2;
    const int row_w = LIST_W - 4;
    for (int i = 0; i < TACTICS_SLOTS; ++i) {
        int colour = i == current ? CURRENT_ORANGE : ROW_BLACK;
        if (i == selected_tactics) colour = pulse_colour(colour, PULSE_BLUE, ms);
        fill_panel_row(row_x, y0 + ROWS_DY + PANEL_ROW_H * i, row_w, PANEL_ROW_H, colour);
    }
    draw_panel_box(x0 + LIST_DX, y0 + LIST_DY, LIST_W, LIST_H);
    draw_panel_picture(picture_, PANEL_PICTURE_W, x0 + PICTURE_DX, y0 + PICTURE_DY);
    for (int i = 0; i < TACTICS_SLOTS; ++i)
        draw_panel_text(tactics_names[static_cast<size_t>(i)], x0 + TEXT_DX, y0 + ROWS_DY + PANEL_ROW_H * i + TEXT_DY,
                        CENTRED);
}
